#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;
class SettingsStore;

// The language of the programs' texts: the system's (LANGUAGE, LANG) unless Options names one.
// English is the source text; each other language is a translation built into the programs,
// together with Qt's own texts (buttons, file and print dialogs) from Qt's translations folder.
// The stored value is a code ("", "en", "de", "pt_BR"...) and never depends on the language.
namespace AppLanguage {

struct Choice
{
    QString code; // empty: follow the system
    QString name; // the language's own name, as Options lists it
};

// The codes of the built-in translations.
QStringList Translations();
// System, English and every translation, in the order Options shows them.
QList<Choice> Choices();

QString Stored(const SettingsStore &settings);
void Store(SettingsStore &settings, const QString &code);

// The translation that the first of the given languages (in the form of QLocale::uiLanguages)
// that is English or translated asks for; empty for English or none of them.
QString TranslationFor(const QStringList &languages);
// The translation the stored choice asks for, the system's languages deciding for "System".
QString Resolve(const QString &stored);

// Loads the translation of the stored choice and Qt's own into the application; call once at
// start, before any window exists. Returns the translation's code, empty for English.
QString Install(QCoreApplication &application, const SettingsStore &settings);

// The locale of the installed translation, English when none is installed, in the system's
// country where the language has such a variant: for names of weekdays and months and the dates
// shown in the windows. Numbers and stored dates keep the default locale's formats.
QLocale Locale();
// The name of a weekday (1 Monday .. 7 Sunday) in that locale, starting with a capital as in a
// heading or a list, also where the language writes it small.
QString WeekdayName(int dayOfWeek, QLocale::FormatType format = QLocale::LongFormat);

} // namespace AppLanguage
