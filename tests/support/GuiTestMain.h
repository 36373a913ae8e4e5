#pragma once

#include "ErrorReport.h"
#include "ProgramErrorSink.h"

#include <QTest>

// The main function of a test program that runs the program's windows: the program's own
// application object, so that an error no handler caught reaches the program's error report
// (and fails the test) instead of tearing the test program down. Otherwise as QTEST_MAIN.
#define OSTREL_GUI_TEST_MAIN(TestObject)                                                           \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        Application app(argc, argv);                                                               \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        testsupport::installProgramErrorSink(app);                                                 \
        TestObject test;                                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
