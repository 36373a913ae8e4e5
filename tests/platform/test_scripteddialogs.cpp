#include "ScriptedDialogs.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTest>

using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;
using testsupport::BoxKind;
using testsupport::ScriptedDialogs;

// The double's failure path is checked in RecordOnly mode, where failures are listed but do
// not fail this suite; the loud qCritical each failure writes is expected explicitly.
static void expectComplaint(const char* pattern)
{
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QString::fromUtf8(pattern)));
}

class TestScriptedDialogs : public QObject
{
    Q_OBJECT
private slots:
    void answersInOrderAndRecordsEveryBox()
    {
        ScriptedDialogs dialogs;
        dialogs.expect(MsgResult::No, "This is unusual.")
            .expectInput(QStringLiteral("Kitchen"), "Folder Name")
            .expectInput(std::nullopt)
            .expect(MsgResult::OK)
            .expectOpenFiles({QStringLiteral("/tmp/a.avi"), QStringLiteral("/tmp/b.avi")})
            .expectPrint(false);

        QCOMPARE(dialogs.msgBox("Value 3.  This is unusual.  Do you really want this value?",
                                MsgButtons::YesNo, MsgIcon::Question, "Ostrel"),
                 MsgResult::No);
        QCOMPARE(dialogs.inputBox("Enter the Folder Name", "Enter Folder Name", "x"),
                 std::optional<QString>(QStringLiteral("Kitchen")));
        QCOMPARE(dialogs.inputBox("Another", "T"), std::optional<QString>());
        dialogs.msg("Done.", MsgIcon::Information, QString());
        QCOMPARE(dialogs.openFiles({"Locate Movie File(s) to Import", "*", {}, true}),
                 QStringList({"/tmp/a.avi", "/tmp/b.avi"}));
        QPrinter printer;
        QVERIFY(!dialogs.printDialog(printer));
        VERIFY_DIALOGS_DONE(dialogs);

        QCOMPARE(dialogs.boxes().size(), 6);
        const auto& first = dialogs.boxes().at(0);
        QCOMPARE(first.kind, BoxKind::Message);
        QCOMPARE(first.title, QStringLiteral("Ostrel"));
        QCOMPARE(first.buttons, MsgButtons::YesNo);
        QCOMPARE(first.icon, MsgIcon::Question);
        QCOMPARE(first.answer, MsgResult::No);
        QCOMPARE(dialogs.boxes().at(1).defaultText, QStringLiteral("x"));
        QCOMPARE(dialogs.boxes().at(3).buttons, MsgButtons::OK);
        QCOMPARE(dialogs.boxes().at(4).request.title,
                 QStringLiteral("Locate Movie File(s) to Import"));
        QCOMPARE(
            dialogs.messageTexts(),
            QStringList({"Value 3.  This is unusual.  Do you really want this value?", "Done."}));
        QCOMPARE(dialogs.lastBox().kind, BoxKind::Print);
    }

    void acceptedPrintGoesToPdf()
    {
        ScriptedDialogs dialogs;
        dialogs.expectPrint(true);
        QPrinter printer;
        QVERIFY(dialogs.printDialog(printer));
        {
            QPainter painter(&printer);
            painter.drawText(100, 100, QStringLiteral("Report"));
        }
        const QString file = dialogs.lastBox().printFile;
        QCOMPARE(printer.outputFileName(), file);
        QVERIFY(QFileInfo(file).size() > 0);
        VERIFY_DIALOGS_DONE(dialogs);
    }

    // Each wrong box: what is queued, what appears, what it answers, what the failure says.
    void failsOnWrongBoxes_data()
    {
        QTest::addColumn<int>("queued"); // 0 nothing, 1 Yes "unusual", 2 an input box
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<int>("leftOver");

        QTest::newRow("nothing queued, OK box")
            << 0 << int(MsgButtons::OK) << "Saved." << int(MsgResult::OK)
            << "Unexpected message box \"Saved.\" (title \"\"): nothing was queued" << 0;
        QTest::newRow("nothing queued, question answers No")
            << 0 << int(MsgButtons::YesNo) << "Delete?" << int(MsgResult::No)
            << "nothing was queued" << 0;
        QTest::newRow("nothing queued, OKCancel answers Cancel")
            << 0 << int(MsgButtons::OKCancel) << "Go?" << int(MsgResult::Cancel)
            << "nothing was queued" << 0;
        QTest::newRow("text does not match: expectation kept")
            << 1 << int(MsgButtons::YesNo) << "Delete?" << int(MsgResult::No)
            << "should contain \"unusual\"" << 1;
        QTest::newRow("answer not offered")
            << 1 << int(MsgButtons::OK) << "So unusual." << int(MsgResult::OK) << "offers OK" << 0;
        QTest::newRow("input queued, message shown")
            << 2 << int(MsgButtons::OK) << "Hello" << int(MsgResult::OK)
            << "the input box queued at" << 1;
    }
    void failsOnWrongBoxes()
    {
        QFETCH(int, queued);
        QFETCH(int, buttons);
        QFETCH(QString, text);
        QFETCH(int, answer);
        QFETCH(QString, failure);
        QFETCH(int, leftOver);

        ScriptedDialogs dialogs(ScriptedDialogs::OnFailure::RecordOnly);
        if (queued == 1)
            dialogs.expect(MsgResult::Yes, "unusual");
        if (queued == 2)
            dialogs.expectInput(QStringLiteral("x"));
        expectComplaint("^ScriptedDialogs: ");
        QCOMPARE(int(dialogs.msgBox(text, MsgButtons(buttons), MsgIcon::None, {})), answer);
        QCOMPARE(dialogs.failures().size(), 1);
        QVERIFY2(dialogs.failures().first().contains(failure),
                 qPrintable(dialogs.failures().first()));
        QCOMPARE(dialogs.pendingCount(), qsizetype(leftOver));
        QVERIFY(!dialogs.boxes().first().expected);

        if (leftOver)
            expectComplaint("never appeared");
        QVERIFY(!dialogs.verifyDone());
        QCOMPARE(dialogs.pendingCount(), qsizetype(0));
    }

    void unexpectedInputFileAndPrintAreCancelled()
    {
        ScriptedDialogs dialogs(ScriptedDialogs::OnFailure::RecordOnly);
        expectComplaint("input box \"Name\\?\"");
        QCOMPARE(dialogs.inputBox("Name?", "T"), std::optional<QString>());
        expectComplaint("file-open dialog");
        QVERIFY(dialogs.openFiles({"Locate", "*", {}, false}).isEmpty());
        expectComplaint("print dialog");
        QPrinter printer;
        QVERIFY(!dialogs.printDialog(printer));
        QCOMPARE(dialogs.failures().size(), 3);
    }

    void singleFileDialogRefusesSeveralFiles()
    {
        ScriptedDialogs dialogs(ScriptedDialogs::OnFailure::RecordOnly);
        dialogs.expectOpenFiles({"/a.exe", "/b.exe"});
        expectComplaint("allows one file");
        QVERIFY(dialogs.openFiles({"Please locate", "*", {}, false}).isEmpty());
        QVERIFY(!dialogs.verifyDone());
    }

    void leftoverAnswersFail()
    {
        ScriptedDialogs dialogs(ScriptedDialogs::OnFailure::RecordOnly);
        dialogs.expect(MsgResult::OK, "first").expect(MsgResult::Yes, "second");
        dialogs.msgBox("the first one", MsgButtons::OK, MsgIcon::None, {});
        expectComplaint("message box queued at .*test_scripteddialogs.cpp:\\d+ \\(text "
                        "containing \"second\"\\) never appeared");
        QVERIFY(!dialogs.verifyDone());
        QCOMPARE(dialogs.failures().size(), 1);
    }

    void destructorReportsLeftovers()
    {
        {
            ScriptedDialogs dialogs(ScriptedDialogs::OnFailure::RecordOnly);
            dialogs.expectInput(QStringLiteral("never asked"));
            expectComplaint("input box queued at .* never appeared");
        }
    }

    // In its normal mode a wrong box fails the running test itself; QEXPECT_FAIL turns that
    // failure into an expected one here.
    void failTestModeFailsTheRunningTest()
    {
        ScriptedDialogs dialogs;
        expectComplaint("nothing was queued");
        QEXPECT_FAIL("", "a box nobody expected", Continue);
        dialogs.msgBox("Surprise", MsgButtons::OK, MsgIcon::None, {});
        QVERIFY(!QTest::currentTestFailed());
        QCOMPARE(dialogs.failures().size(), 1);
        dialogs.reset();
    }

    void resetForgetsEverything()
    {
        ScriptedDialogs dialogs(ScriptedDialogs::OnFailure::RecordOnly);
        dialogs.expect(MsgResult::OK);
        expectComplaint("nothing was queued");
        dialogs.msgBox("a", MsgButtons::OK, MsgIcon::None, {});
        dialogs.msgBox("b", MsgButtons::OK, MsgIcon::None, {});
        dialogs.reset();
        QVERIFY(dialogs.boxes().isEmpty());
        QVERIFY(dialogs.verifyDone());
    }
};

QTEST_MAIN(TestScriptedDialogs)
#include "test_scripteddialogs.moc"
