#pragma once

// main() for a QtTest executable: prepares the private test environment first, then the
// application object. REPBOOK_TEST_MAIN_CORE needs only QtCore; REPBOOK_TEST_MAIN_GUI a
// QGuiApplication; REPBOOK_TEST_MAIN a QApplication (widgets).
// In a test suite (repbook_add_suite, REPBOOK_TEST_SUITE defined) the macros register the test
// class instead, and common/SuiteMain.cpp runs every registered class in one process.

#include "common/TestEnvironment.h"

#include <QTest>

#ifdef REPBOOK_TEST_SUITE

#include <functional>
#include <memory>

namespace testsupport {

struct SuiteEntry
{
    SuiteEntry(const char *name, std::function<std::unique_ptr<QObject>()> make);
};

} // namespace testsupport

#define REPBOOK_TEST_MAIN_WITH(AppClass, TestClass)                                                \
    static const testsupport::SuiteEntry repbookSuiteEntry##TestClass(                             \
        #TestClass, [] { return std::unique_ptr<QObject>(new TestClass); });

#else

#define REPBOOK_TEST_MAIN_WITH(AppClass, TestClass)                                                \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        testsupport::TestEnvironment environment;                                                  \
        AppClass app(argc, argv);                                                                  \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

#endif

#define REPBOOK_TEST_MAIN_CORE(TestClass) REPBOOK_TEST_MAIN_WITH(QCoreApplication, TestClass)
#define REPBOOK_TEST_MAIN_GUI(TestClass) REPBOOK_TEST_MAIN_WITH(QGuiApplication, TestClass)
#define REPBOOK_TEST_MAIN(TestClass) REPBOOK_TEST_MAIN_WITH(QApplication, TestClass)
