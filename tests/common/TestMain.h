#pragma once

// main() for a QtTest executable: prepares the private test environment first, then the
// application object. REPBOOK_TEST_MAIN_CORE needs only QtCore; REPBOOK_TEST_MAIN_GUI a
// QGuiApplication; REPBOOK_TEST_MAIN a QApplication (widgets).

#include "common/TestEnvironment.h"

#include <QTest>

#define REPBOOK_TEST_MAIN_WITH(AppClass, TestClass)                                                \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        testsupport::TestEnvironment environment;                                                  \
        AppClass app(argc, argv);                                                                  \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

#define REPBOOK_TEST_MAIN_CORE(TestClass) REPBOOK_TEST_MAIN_WITH(QCoreApplication, TestClass)
#define REPBOOK_TEST_MAIN_GUI(TestClass) REPBOOK_TEST_MAIN_WITH(QGuiApplication, TestClass)
#define REPBOOK_TEST_MAIN(TestClass) REPBOOK_TEST_MAIN_WITH(QApplication, TestClass)
