#include "ScriptedDialogs.h"

#include <QDir>
#include <QPrinter>
#include <QTest>
#include <QtDebug>

using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

namespace testsupport {

QString nameOf(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::OK:
        return QStringLiteral("OK");
    case MsgButtons::OKCancel:
        return QStringLiteral("OKCancel");
    case MsgButtons::YesNo:
        return QStringLiteral("YesNo");
    case MsgButtons::YesNoCancel:
        return QStringLiteral("YesNoCancel");
    case MsgButtons::RetryCancel:
        return QStringLiteral("RetryCancel");
    case MsgButtons::AbortRetryIgnore:
        return QStringLiteral("AbortRetryIgnore");
    }
    return QStringLiteral("?");
}

QString nameOf(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::None:
        return QStringLiteral("None");
    case MsgIcon::Critical:
        return QStringLiteral("Critical");
    case MsgIcon::Question:
        return QStringLiteral("Question");
    case MsgIcon::Exclamation:
        return QStringLiteral("Exclamation");
    case MsgIcon::Information:
        return QStringLiteral("Information");
    }
    return QStringLiteral("?");
}

QString nameOf(MsgResult result)
{
    switch (result) {
    case MsgResult::OK:
        return QStringLiteral("OK");
    case MsgResult::Cancel:
        return QStringLiteral("Cancel");
    case MsgResult::Yes:
        return QStringLiteral("Yes");
    case MsgResult::No:
        return QStringLiteral("No");
    case MsgResult::Retry:
        return QStringLiteral("Retry");
    case MsgResult::Abort:
        return QStringLiteral("Abort");
    case MsgResult::Ignore:
        return QStringLiteral("Ignore");
    }
    return QStringLiteral("?");
}

QString nameOf(BoxKind kind)
{
    switch (kind) {
    case BoxKind::Message:
        return QStringLiteral("message box");
    case BoxKind::Input:
        return QStringLiteral("input box");
    case BoxKind::OpenFiles:
        return QStringLiteral("file-open dialog");
    case BoxKind::Print:
        return QStringLiteral("print dialog");
    }
    return QStringLiteral("?");
}

char* toString(BoxKind kind)
{
    return qstrdup(nameOf(kind).toUtf8().constData());
}

namespace {

QString location(const std::source_location& where)
{
    return QStringLiteral("%1:%2").arg(QString::fromUtf8(where.file_name())).arg(where.line());
}

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

ScriptedDialogs::ScriptedDialogs(OnFailure mode) : m_mode(mode) {}

ScriptedDialogs::~ScriptedDialogs()
{
    // A test that forgot verifyDone() must still not pass with answers left over.
    if (!m_queue.isEmpty())
        verifyDone();
}

ScriptedDialogs& ScriptedDialogs::expect(MsgResult answer, const QString& textContains,
                                         std::source_location where)
{
    Expectation e;
    e.kind = BoxKind::Message;
    e.answer = answer;
    e.textContains = textContains;
    e.where = where;
    m_queue.append(e);
    return *this;
}

ScriptedDialogs& ScriptedDialogs::expectInput(std::optional<QString> answer,
                                              const QString& promptContains,
                                              std::source_location where)
{
    Expectation e;
    e.kind = BoxKind::Input;
    e.inputAnswer = std::move(answer);
    e.textContains = promptContains;
    e.where = where;
    m_queue.append(e);
    return *this;
}

ScriptedDialogs& ScriptedDialogs::expectOpenFiles(QStringList files, std::source_location where)
{
    Expectation e;
    e.kind = BoxKind::OpenFiles;
    e.files = std::move(files);
    e.where = where;
    m_queue.append(e);
    return *this;
}

ScriptedDialogs& ScriptedDialogs::expectPrint(bool accept, const QString& pdfPath,
                                              std::source_location where)
{
    Expectation e;
    e.kind = BoxKind::Print;
    e.printAccepted = accept;
    e.printFile = pdfPath;
    e.where = where;
    m_queue.append(e);
    return *this;
}

std::optional<ScriptedDialogs::Expectation> ScriptedDialogs::take(BoxKind kind, const QString& text,
                                                                  const ShownBox& box)
{
    const QString shown = nameOf(kind) + QStringLiteral(" ") + quoted(text) +
                          QStringLiteral(" (title ") + quoted(box.title) + QLatin1Char(')');
    if (m_queue.isEmpty()) {
        fail(QStringLiteral("Unexpected ") + shown + QStringLiteral(": nothing was queued"));
        return std::nullopt;
    }
    const Expectation& next = m_queue.first();
    if (next.kind != kind) {
        fail(QStringLiteral("Unexpected ") + shown + QStringLiteral(": the ") + nameOf(next.kind) +
             QStringLiteral(" queued at ") + location(next.where) + QStringLiteral(" comes first"));
        return std::nullopt;
    }
    if (!text.contains(next.textContains)) {
        fail(QStringLiteral("Unexpected ") + shown + QStringLiteral(": the one queued at ") +
             location(next.where) + QStringLiteral(" should contain ") + quoted(next.textContains));
        return std::nullopt;
    }
    return m_queue.takeFirst();
}

MsgResult ScriptedDialogs::msgBox(const QString& prompt, MsgButtons buttons, MsgIcon icon,
                                  const QString& title)
{
    ShownBox box;
    box.kind = BoxKind::Message;
    box.title = title;
    box.text = prompt;
    box.buttons = buttons;
    box.icon = icon;
    box.answer = platform::cancelAnswer(buttons);
    if (const auto e = take(BoxKind::Message, prompt, box)) {
        if (platform::offers(buttons, e->answer)) {
            box.answer = e->answer;
        } else {
            box.expected = false;
            fail(QStringLiteral("Message box ") + quoted(prompt) + QStringLiteral(" offers ") +
                 nameOf(buttons) + QStringLiteral(", but the answer queued at ") +
                 location(e->where) + QStringLiteral(" is ") + nameOf(e->answer));
        }
    } else {
        box.expected = false;
    }
    m_boxes.append(box);
    return box.answer;
}

std::optional<QString> ScriptedDialogs::inputBox(const QString& prompt, const QString& title,
                                                 const QString& defaultText)
{
    ShownBox box;
    box.kind = BoxKind::Input;
    box.title = title;
    box.text = prompt;
    box.defaultText = defaultText;
    if (const auto e = take(BoxKind::Input, prompt, box))
        box.inputAnswer = e->inputAnswer;
    else
        box.expected = false;
    m_boxes.append(box);
    return box.inputAnswer;
}

QStringList ScriptedDialogs::openFiles(const platform::FileOpenRequest& request)
{
    ShownBox box;
    box.kind = BoxKind::OpenFiles;
    box.title = request.title;
    box.text = request.title;
    box.request = request;
    if (const auto e = take(BoxKind::OpenFiles, request.title, box)) {
        box.files = e->files;
        if (!request.multiSelect && box.files.size() > 1) {
            fail(QStringLiteral("File-open dialog ") + quoted(request.title) +
                 QStringLiteral(" allows one file, but ") + QString::number(box.files.size()) +
                 QStringLiteral(" were queued at ") + location(e->where));
            box.expected = false;
            box.files.clear();
        }
    } else {
        box.expected = false;
    }
    m_boxes.append(box);
    return box.files;
}

bool ScriptedDialogs::printDialog(QPrinter& printer)
{
    ShownBox box;
    box.kind = BoxKind::Print;
    if (const auto e = take(BoxKind::Print, QString(), box)) {
        box.printAccepted = e->printAccepted;
        if (box.printAccepted) {
            box.printFile = e->printFile.isEmpty() ? nextPrintFile() : e->printFile;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(box.printFile);
        }
    } else {
        box.expected = false;
    }
    m_boxes.append(box);
    return box.printAccepted;
}

QString ScriptedDialogs::nextPrintFile()
{
    if (!m_printDir)
        m_printDir = std::make_unique<QTemporaryDir>();
    return m_printDir->filePath(QStringLiteral("print-%1.pdf").arg(++m_printCount));
}

QStringList ScriptedDialogs::messageTexts() const
{
    QStringList texts;
    for (const ShownBox& box : m_boxes) {
        if (box.kind == BoxKind::Message)
            texts << box.text;
    }
    return texts;
}

ShownBox ScriptedDialogs::lastBox() const
{
    return m_boxes.isEmpty() ? ShownBox{} : m_boxes.last();
}

bool ScriptedDialogs::verifyDone()
{
    for (const Expectation& e : std::as_const(m_queue)) {
        QString what = QStringLiteral("The ") + nameOf(e.kind) + QStringLiteral(" queued at ") +
                       location(e.where);
        if (!e.textContains.isEmpty())
            what +=
                QStringLiteral(" (text containing ") + quoted(e.textContains) + QLatin1Char(')');
        fail(what + QStringLiteral(" never appeared"), e.where);
    }
    m_queue.clear();
    return m_failures.isEmpty();
}

void ScriptedDialogs::reset()
{
    m_queue.clear();
    m_boxes.clear();
    m_failures.clear();
}

void ScriptedDialogs::fail(const QString& what, const std::source_location& where)
{
    m_failures << what;
    qCritical().noquote() << "ScriptedDialogs:" << what;
    // qFail needs a running test function; outside one the qCritical above must do.
    if (m_mode == OnFailure::FailTest && QTest::currentTestFunction())
        QTest::qFail(qPrintable(what), where.file_name(), int(where.line()));
}

} // namespace testsupport

namespace platform {

char* toString(MsgButtons buttons)
{
    return qstrdup(testsupport::nameOf(buttons).toUtf8().constData());
}

char* toString(MsgIcon icon)
{
    return qstrdup(testsupport::nameOf(icon).toUtf8().constData());
}

char* toString(MsgResult result)
{
    return qstrdup(testsupport::nameOf(result).toUtf8().constData());
}

} // namespace platform
