// main() of a test suite: every test class of a folder in one executable, which links once
// instead of once per class.
//   test_<suite>                  runs every class
//   test_<suite> Class [args...]  runs one class with the usual QtTest arguments
#include "common/TestMain.h"

#include <QCoreApplication>
#if __has_include(<QApplication>)
#include <QApplication>
#endif
#if __has_include(<QGuiApplication>)
#include <QGuiApplication>
#endif

#include <utility>
#include <vector>

namespace testsupport {

namespace {

std::vector<std::pair<QString, std::function<std::unique_ptr<QObject>()>>> &Entries()
{
    static std::vector<std::pair<QString, std::function<std::unique_ptr<QObject>()>>> entries;
    return entries;
}

} // namespace

SuiteEntry::SuiteEntry(const char *name, std::function<std::unique_ptr<QObject>()> make)
{
    Entries().emplace_back(QString::fromLatin1(name), std::move(make));
}

} // namespace testsupport

int main(int argc, char **argv)
{
    testsupport::TestEnvironment environment;
    REPBOOK_SUITE_APP app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    const QString only = arguments.size() > 1 && !arguments.at(1).startsWith(QLatin1Char('-'))
        ? arguments.takeAt(1)
        : QString();
    int failed = 0;
    bool found = false;
    for (const auto &[name, make] : testsupport::Entries()) {
        if (!only.isEmpty() && name != only)
            continue;
        found = true;
        const std::unique_ptr<QObject> test = make();
        failed += QTest::qExec(test.get(), arguments) != 0 ? 1 : 0;
    }
    if (!found) {
        qWarning("no test class %s", qPrintable(only));
        return 1;
    }
    return failed;
}
