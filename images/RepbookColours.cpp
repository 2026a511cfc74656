#include "images/RepbookColours.h"

namespace {

constexpr int DarkWindowLightness = 128; // below this a window colour counts as dark

RepbookColours MakeLight()
{
    RepbookColours c;
    c.evenMonth = QColor(255, 255, 213);
    c.oddMonth = QColor(255, 244, 188);
    c.dayText = QColor(0x1a, 0x1a, 0x1a);
    c.otherDayText = QColor(0x6b, 0x62, 0x4a);
    c.oddRow = QColor(237, 242, 249);
    c.evenRow = QColor(224, 234, 243);
    c.rowText = QColor(0x1a, 0x1a, 0x1a);
    c.exerciseName = QColor(0x1f, 0x4e, 0x9c);
    c.weekendText = QColor(0xb3, 0x26, 0x1e);
    c.otherMonthText = QColor(0x76, 0x76, 0x76);
    c.yearAllDone = QColor(0x1f, 0x5f, 0xbf);
    c.yearSomeDone = QColor(0x8c, 0xb4, 0xea);
    c.yearFailedOnly = QColor(0xc8, 0x32, 0x32);
    c.yearMissed = QColor(0xd4, 0x9a, 0x12);
    c.yearPlannedAhead = QColor(0xf2, 0xdf, 0x9a);
    c.yearNoWorkout = QColor(0xe4, 0xe4, 0xe4);
    c.printText = QColor(0x20, 0x20, 0x20);
    c.printMuted = QColor(0x70, 0x70, 0x70);
    c.printRule = QColor(0x40, 0x40, 0x40);
    c.printGrid = QColor(0xa0, 0xa0, 0xa0);
    c.printHeading = QColor(0xe4, 0xe7, 0xeb);
    c.printShaded = QColor(0xf5, 0xf6, 0xf8);
    c.printDone = QColor(0x1f, 0x4e, 0x9c);
    c.printFailed = QColor(0xb3, 0x26, 0x1e);
    c.printNotYet = QColor(0x8a, 0x6a, 0x00);
    return c;
}

RepbookColours MakeDark()
{
    RepbookColours c = MakeLight(); // the printout stays light
    c.dark = true;
    c.evenMonth = QColor(0x24, 0x24, 0x1c);
    c.oddMonth = QColor(0x2e, 0x2a, 0x1c);
    c.dayText = QColor(0xee, 0xec, 0xe4);
    c.otherDayText = QColor(0xa8, 0xa0, 0x88);
    c.oddRow = QColor(0x23, 0x28, 0x30);
    c.evenRow = QColor(0x2a, 0x31, 0x3b);
    c.rowText = QColor(0xe8, 0xe8, 0xe8);
    c.exerciseName = QColor(0x8c, 0xb8, 0xff);
    c.weekendText = QColor(0xff, 0x8a, 0x80);
    c.otherMonthText = QColor(0x90, 0x90, 0x90);
    c.yearAllDone = QColor(0x4a, 0x8a, 0xe8);
    c.yearSomeDone = QColor(0x2c, 0x4c, 0x78);
    c.yearFailedOnly = QColor(0xd9, 0x53, 0x4f);
    c.yearMissed = QColor(0xd4, 0xa0, 0x17);
    c.yearPlannedAhead = QColor(0x5e, 0x52, 0x2e);
    c.yearNoWorkout = QColor(0x3c, 0x3c, 0x3c);
    return c;
}

} // namespace

const RepbookColours &RepbookColours::Light()
{
    static const RepbookColours light = MakeLight();
    return light;
}

const RepbookColours &RepbookColours::Dark()
{
    static const RepbookColours dark = MakeDark();
    return dark;
}

bool RepbookColours::IsDark(const QPalette &palette)
{
    return palette.color(QPalette::Active, QPalette::Window).lightness() < DarkWindowLightness;
}

const RepbookColours &RepbookColours::For(const QPalette &palette)
{
    return IsDark(palette) ? Dark() : Light();
}

QPalette RepbookColours::DarkWindowPalette()
{
    const QColor window(0x2d, 0x2d, 0x2d);
    const QColor text(0xe8, 0xe8, 0xe8);
    const QColor disabledText(0x80, 0x80, 0x80);
    QPalette p;
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    p.setColor(QPalette::AlternateBase, QColor(0x27, 0x27, 0x27));
    p.setColor(QPalette::ToolTipBase, QColor(0x3a, 0x3a, 0x3a));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, QColor(0x9a, 0x9a, 0x9a));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, QColor(0x38, 0x38, 0x38));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, QColor(0xff, 0x6b, 0x6b));
    p.setColor(QPalette::Light, QColor(0x4a, 0x4a, 0x4a));
    p.setColor(QPalette::Midlight, QColor(0x40, 0x40, 0x40));
    p.setColor(QPalette::Mid, QColor(0x30, 0x30, 0x30));
    p.setColor(QPalette::Dark, QColor(0x1a, 0x1a, 0x1a));
    p.setColor(QPalette::Shadow, QColor(0x0a, 0x0a, 0x0a));
    p.setColor(QPalette::Highlight, QColor(0x2a, 0x5d, 0xb0));
    p.setColor(QPalette::HighlightedText, QColor(0xff, 0xff, 0xff));
    p.setColor(QPalette::Link, QColor(0x8a, 0xb4, 0xf8));
    p.setColor(QPalette::LinkVisited, QColor(0xc5, 0x9c, 0xf8));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabledText);
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x40, 0x40, 0x40));
    p.setColor(QPalette::Disabled, QPalette::HighlightedText, disabledText);
    p.setColor(QPalette::Inactive, QPalette::Highlight, QColor(0x35, 0x4a, 0x6e));
    return p;
}

QList<RepbookColours::TextPair> RepbookColours::TextPairs() const
{
    QList<TextPair> pairs = {
        {"day text on odd month", dayText, oddMonth},
        {"day text on even month", dayText, evenMonth},
        {"other day on odd month", otherDayText, oddMonth},
        {"other day on even month", otherDayText, evenMonth},
        {"row text on odd row", rowText, oddRow},
        {"row text on even row", rowText, evenRow},
        {"exercise on odd row", exerciseName, oddRow},
        {"exercise on even row", exerciseName, evenRow},
    };
    if (!dark) {
        const QColor paper(Qt::white);
        pairs += {
            {"weekend on white", weekendText, paper},
            {"other month on white", otherMonthText, paper},
            {"printed text", printText, paper},
            {"printed heading", printText, printHeading},
            {"printed text on a shaded row", printText, printShaded},
            {"printed note", printMuted, paper},
            {"printed note on a shaded row", printMuted, printShaded},
            {"printed Done", printDone, printShaded},
            {"printed Failed", printFailed, printShaded},
            {"printed Not yet", printNotYet, printShaded},
        };
        return pairs;
    }
    const QPalette p = DarkWindowPalette();
    const auto pair = [&p](const char *name, QPalette::ColorRole text, QPalette::ColorRole back,
                           QPalette::ColorGroup group = QPalette::Active) {
        return TextPair {name, p.color(group, text), p.color(group, back)};
    };
    pairs += {
        {"weekend on base", weekendText, p.color(QPalette::Base)},
        {"other month on base", otherMonthText, p.color(QPalette::Base)},
        pair("window text", QPalette::WindowText, QPalette::Window),
        pair("text on base", QPalette::Text, QPalette::Base),
        pair("text on alternate base", QPalette::Text, QPalette::AlternateBase),
        pair("button text", QPalette::ButtonText, QPalette::Button),
        pair("tooltip", QPalette::ToolTipText, QPalette::ToolTipBase),
        pair("selection", QPalette::HighlightedText, QPalette::Highlight),
        pair("inactive selection", QPalette::HighlightedText, QPalette::Highlight,
             QPalette::Inactive),
        pair("link on base", QPalette::Link, QPalette::Base),
        pair("placeholder on base", QPalette::PlaceholderText, QPalette::Base),
    };
    return pairs;
}

QList<QColor> RepbookColours::PictureBackgrounds() const
{
    QList<QColor> backgrounds = {oddMonth, evenMonth, oddRow, evenRow};
    if (dark)
        backgrounds.append(DarkWindowPalette().color(QPalette::Window));
    else
        backgrounds.append(QColor(0xef, 0xef, 0xef)); // the light window colour of Fusion
    return backgrounds;
}
