#include "translations/AppLanguage.h"

#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The application object remembers which translation Install loaded.
constexpr const char *LanguageProperty = "repbookLanguage";

} // namespace

namespace AppLanguage {

QStringList Translations()
{
    return {QStringLiteral("de"),   QStringLiteral("fr"), QStringLiteral("es"),
            QStringLiteral("it"),   QStringLiteral("pl"), QStringLiteral("ru"),
            QStringLiteral("pt_BR")};
}

QList<Choice> Choices()
{
    QList<Choice> choices {
        {QString(), QCoreApplication::translate("AppLanguage", "System")},
        {QStringLiteral("en"), QStringLiteral("English")},
    };
    for (const QString &code : Translations()) {
        QString name = QLocale(code).nativeLanguageName();
        if (code.contains(u'_'))
            name += QStringLiteral(" (%1)").arg(QLocale(code).nativeTerritoryName());
        choices.append({code, name.left(1).toUpper() + name.mid(1)});
    }
    return choices;
}

QString Stored(const SettingsStore &settings)
{
    const QString code = settings.Read(SettingsKeys::Language);
    return code == QLatin1String("en") || Translations().contains(code) ? code : QString();
}

void Store(SettingsStore &settings, const QString &code)
{
    settings.Write(SettingsKeys::Language, code);
}

QString TranslationFor(const QStringList &languages)
{
    const QStringList translations = Translations();
    for (const QString &language : languages) {
        const QLocale locale(language);
        if (locale.language() == QLocale::English)
            return {};
        const QString name = locale.name(); // "de_DE", "pt_BR"
        if (translations.contains(name))
            return name;
        const QString bare = name.section(u'_', 0, 0);
        if (translations.contains(bare))
            return bare;
    }
    return {};
}

QString Resolve(const QString &stored)
{
    if (stored.isEmpty())
        return TranslationFor(QLocale::system().uiLanguages());
    return stored == QLatin1String("en") ? QString() : stored;
}

QString Install(QCoreApplication &application, const SettingsStore &settings)
{
    const QString code = Resolve(Stored(settings));
    application.setProperty(LanguageProperty, code);
    if (code.isEmpty())
        return {};
    auto *own = new QTranslator(&application);
    if (own->load(QStringLiteral("repbook_") + code, QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(own);
    auto *qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qtbase_") + code,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    return code;
}

QLocale Locale()
{
    const QCoreApplication *application = QCoreApplication::instance();
    const QString code =
        application ? application->property(LanguageProperty).toString() : QString();
    // The language's names and formats in the system's country where there is such a variant:
    // English in Britain writes 21/12/2026, not the American 12/21/26.
    const QLocale::Language language = code.isEmpty() ? QLocale::English : QLocale(code).language();
    const QLocale system;
    if (system.language() == language)
        return system;
    return code.isEmpty() ? QLocale(QLocale::English, system.territory()) : QLocale(code);
}

QString WeekdayName(int dayOfWeek, QLocale::FormatType format)
{
    QString name = Locale().standaloneDayName(dayOfWeek, format);
    if (!name.isEmpty())
        name[0] = name.at(0).toUpper();
    return name;
}

} // namespace AppLanguage
