#pragma once

#include "Dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <source_location>

namespace testsupport {

enum class BoxKind
{
    Message,
    Input,
    OpenFiles,
    Print
};

// One box as the program asked for it, with the answer it got.
struct ShownBox
{
    BoxKind kind = BoxKind::Message;
    QString title;
    QString text; // the prompt; the dialog's title for a file dialog
    platform::MsgButtons buttons = platform::MsgButtons::OK;
    platform::MsgIcon icon = platform::MsgIcon::None;
    QString defaultText;                                  // input box
    platform::FileOpenRequest request;                    // file dialog
    platform::MsgResult answer = platform::MsgResult::OK; // message box
    std::optional<QString> inputAnswer;                   // input box
    QStringList files;                                    // file dialog
    bool printAccepted = false;                           // print dialog
    QString printFile;                                    // PDF the accepted print went to
    bool expected = true;                                 // false: nothing matching was queued
};

// Answers every box from a queue of expectations, in order, and records every box shown.
// A box that appears with nothing (or something else) queued, and answers left over at the
// end, fail the running test: QTest::qFail at once plus a qCritical, and verifyDone()
// returns false. The destructor reports leftovers that verifyDone() did not see.
//
//     ScriptedDialogs dialogs;
//     dialogs.expect(MsgResult::No, "This is unusual.");
//     ... drive the form ...
//     VERIFY_DIALOGS_DONE(dialogs);
//     QCOMPARE(dialogs.boxes().at(0).buttons, MsgButtons::YesNo);
class ScriptedDialogs final : public platform::Dialogs
{
public:
    // RecordOnly keeps failures in failures() without failing the running test; for testing
    // this class itself.
    enum class OnFailure
    {
        FailTest,
        RecordOnly
    };

    explicit ScriptedDialogs(OnFailure mode = OnFailure::FailTest);
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    // The next box must be a message box whose text contains textContains (any text when
    // empty) and which offers the answer.
    ScriptedDialogs& expect(platform::MsgResult answer, const QString& textContains = {},
                            std::source_location where = std::source_location::current());
    // The next box must be an input box; nothing means the user cancelled.
    ScriptedDialogs& expectInput(std::optional<QString> answer, const QString& promptContains = {},
                                 std::source_location where = std::source_location::current());
    // The next box must be a file-open dialog; an empty list means the user cancelled.
    ScriptedDialogs& expectOpenFiles(QStringList files,
                                     std::source_location where = std::source_location::current());
    // The next box must be a print dialog. Accepted, the printer is pointed at a PDF file
    // (pdfPath, or one of this object's own) so that no test reaches a real printer.
    ScriptedDialogs& expectPrint(bool accept, const QString& pdfPath = {},
                                 std::source_location where = std::source_location::current());

    platform::MsgResult msgBox(const QString& prompt, platform::MsgButtons buttons,
                               platform::MsgIcon icon, const QString& title) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText = {}) override;
    QStringList openFiles(const platform::FileOpenRequest& request) override;
    bool printDialog(QPrinter& printer) override;

    // Every box shown so far, in order.
    const QList<ShownBox>& boxes() const { return m_boxes; }
    // The texts of the message boxes shown so far, in order.
    QStringList messageTexts() const;
    // The last box shown; a default ShownBox when there was none.
    ShownBox lastBox() const;
    qsizetype pendingCount() const { return m_queue.size(); }
    // Every failure seen so far, each a readable sentence.
    const QStringList& failures() const { return m_failures; }

    // True when every queued answer was used and no box went wrong. Reports leftovers as
    // failures (and drops them) and, in FailTest mode, fails the running test.
    bool verifyDone();
    // Forgets queued answers, recorded boxes and failures.
    void reset();

private:
    struct Expectation
    {
        BoxKind kind = BoxKind::Message;
        platform::MsgResult answer = platform::MsgResult::OK;
        QString textContains;
        std::optional<QString> inputAnswer;
        QStringList files;
        bool printAccepted = false;
        QString printFile;
        std::source_location where;
    };

    // The front expectation when it is of this kind and its text matches, else a failure is
    // recorded and nothing is returned.
    std::optional<Expectation> take(BoxKind kind, const QString& text, const ShownBox& box);
    void fail(const QString& what,
              const std::source_location& where = std::source_location::current());
    QString nextPrintFile();

    OnFailure m_mode;
    QList<Expectation> m_queue;
    QList<ShownBox> m_boxes;
    QStringList m_failures;
    std::unique_ptr<QTemporaryDir> m_printDir;
    int m_printCount = 0;
};

} // namespace testsupport

// Ends the test function when the dialogs script went wrong (the failure is reported already).
#define VERIFY_DIALOGS_DONE(dialogs)                                                               \
    do {                                                                                           \
        if (!(dialogs).verifyDone())                                                               \
            return;                                                                                \
    } while (false)

// Readable values in QCOMPARE failures.
namespace platform {
char* toString(MsgButtons buttons);
char* toString(MsgIcon icon);
char* toString(MsgResult result);
} // namespace platform
namespace testsupport {
char* toString(BoxKind kind);
QString nameOf(platform::MsgButtons buttons);
QString nameOf(platform::MsgIcon icon);
QString nameOf(platform::MsgResult result);
QString nameOf(BoxKind kind);
} // namespace testsupport
