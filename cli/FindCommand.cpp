#include "cli/FindCommand.h"

#include <QCoreApplication>

#include "model/DiaryDatabase.h"
#include "stats/DiarySearch.h"

FindCommand::FindCommand()
    : Command(QStringLiteral("find"),
              QCoreApplication::translate(
                  "FindCommand",
                  "Prints the workouts, exercises and notes that contain TEXT, newest "
                  "first. Case and accents do not matter."))
{
}

void FindCommand::AddOptions(QCommandLineParser &parser)
{
    AddDateOptions(parser);
    parser.addPositionalArgument(QStringLiteral("TEXT"),
                                 QCoreApplication::translate("FindCommand", "The text to find."));
}

int FindCommand::Execute(const QCommandLineParser &parser)
{
    const QStringList texts = parser.positionalArguments();
    if (texts.size() != 1)
        return Usage(QCoreApplication::translate(
            "FindCommand", "find takes exactly one text (quote a text with spaces)."));
    if (!DiarySearch::HasSomethingToFind(texts.first()))
        return Usage(QCoreApplication::translate("FindCommand", "find needs a text to look for."));
    DateBounds bounds;
    if (const int read = ReadDateOptions(parser, bounds); read != Done)
        return read;
    DiaryDatabase diary;
    if (const int loaded = LoadDiary(parser, diary); loaded != Done)
        return loaded;
    DiarySearch search;
    search.Rebuild(diary);
    QString out;
    for (const SearchMatch &match : search.Find(texts.first())) {
        if (bounds.Contains(DateValue::FromQDate(match.date)))
            out += QStringLiteral("%1\t%2\t%3\n")
                       .arg(match.date.toString(Qt::ISODate), DiarySearch::FieldName(match.field),
                            DiarySearch::OneLine(match.text));
    }
    if (out.isEmpty()) {
        PrintError(
            QCoreApplication::translate("FindCommand", "\"%1\" was not found.").arg(texts.first()));
        return Failed;
    }
    PrintOut(out);
    return Done;
}
