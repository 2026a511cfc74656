#include "widgets/Appearance.h"

#include "images/RepbookColours.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace Appearance {

namespace {

const QString StyleName = QStringLiteral("Fusion");

// The desktop's own palette: an application palette that sets no role is resolved entirely
// against the platform's (and the style's) palette.
QPalette DesktopPalette()
{
    QPalette unset;
    unset.setResolveMask(0);
    QApplication::setPalette(unset);
    return QApplication::palette();
}

} // namespace

Mode ModeOf(int stored)
{
    switch (stored) {
    case static_cast<int>(Mode::Light):
        return Mode::Light;
    case static_cast<int>(Mode::Dark):
        return Mode::Dark;
    default:
        return Mode::System;
    }
}

Mode Stored(const SettingsStore &settings)
{
    return ModeOf(settings.Read(SettingsKeys::Appearance));
}

bool WantsDark(Mode mode, const QPalette &desktop)
{
    if (mode == Mode::System)
        return RepbookColours::IsDark(desktop);
    return mode == Mode::Dark;
}

void Apply(Mode mode)
{
    if (QApplication::style()->name().compare(StyleName, Qt::CaseInsensitive) != 0) {
        if (QStyle *fusion = QStyleFactory::create(StyleName))
            QApplication::setStyle(fusion);
    }
    const QPalette desktop = DesktopPalette();
    const bool dark = WantsDark(mode, desktop);
    // The desktop's palette is kept when it already has the wanted lightness.
    if (dark == RepbookColours::IsDark(desktop))
        return;
    QApplication::setPalette(dark ? RepbookColours::DarkWindowPalette()
                                  : QApplication::style()->standardPalette());
}

} // namespace Appearance
