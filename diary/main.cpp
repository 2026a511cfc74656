#include "diary/CRepbookApp.h"
#include "images/ImageIds.h"
#include "images/ResourceImages.h"
#include "settings/SettingsStore.h"
#include "translations/AppLanguage.h"
#include "widgets/Appearance.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // The name is also the message boxes' caption. No display name is set: the platform would
    // append it to every window title.
    QApplication::setApplicationName(QStringLiteral("Repbook"));
    QApplication::setApplicationVersion(QStringLiteral(REPBOOK_VERSION));
    // Links the windows to the installed menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("com.ironvale.Repbook"));
    const SettingsStore settings;
    // The texts in the chosen language, the Fusion style light or dark as the options say.
    AppLanguage::Install(application, settings);
    Appearance::Apply(Appearance::Stored(settings));
    QApplication::setWindowIcon(ResourceImages::AppIcon(ImageId::AppIcon));

    CRepbookApp app;
    return app.Run();
}
