#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;
class QWidget;

namespace platform {

enum class MsgButtons
{
    OK,
    OKCancel,
    YesNo,
    YesNoCancel,
    RetryCancel,
    AbortRetryIgnore
};
enum class MsgIcon
{
    None,
    Critical,
    Question,
    Exclamation,
    Information
};
enum class MsgResult
{
    OK,
    Cancel,
    Yes,
    No,
    Retry,
    Abort,
    Ignore
};

// The answer a box gives when it is closed without a choice (Escape or the window's close
// button): the most cautious button it offers.
inline MsgResult cancelAnswer(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::OK:
        return MsgResult::OK;
    case MsgButtons::YesNo:
        return MsgResult::No;
    case MsgButtons::AbortRetryIgnore:
        return MsgResult::Abort;
    case MsgButtons::OKCancel:
    case MsgButtons::YesNoCancel:
    case MsgButtons::RetryCancel:
        break;
    }
    return MsgResult::Cancel;
}

// Whether a box with these buttons can give that answer.
inline bool offers(MsgButtons buttons, MsgResult answer)
{
    switch (buttons) {
    case MsgButtons::OK:
        return answer == MsgResult::OK;
    case MsgButtons::OKCancel:
        return answer == MsgResult::OK || answer == MsgResult::Cancel;
    case MsgButtons::YesNo:
        return answer == MsgResult::Yes || answer == MsgResult::No;
    case MsgButtons::YesNoCancel:
        return answer == MsgResult::Yes || answer == MsgResult::No || answer == MsgResult::Cancel;
    case MsgButtons::RetryCancel:
        return answer == MsgResult::Retry || answer == MsgResult::Cancel;
    case MsgButtons::AbortRetryIgnore:
        return answer == MsgResult::Abort || answer == MsgResult::Retry ||
               answer == MsgResult::Ignore;
    }
    return false;
}

// Turns a filter written as "Description|*.a;*.b|All Files|*.*" into Qt's
// "Description (*.a *.b);;All Files (*)". "*.*" becomes "*" so that files without a
// suffix are listed too. A description that already ends in a bracket keeps it: Qt reads
// the patterns from the last bracket, which is the one added here.
inline QString qtFileFilter(const QString& pipeFilter)
{
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        }
        filters << parts[i].trimmed() + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

struct FileOpenRequest
{
    QString title;
    QString filter;     // Qt filter text, e.g. "Movies (*.avi *.mpg);;All files (*)"
    QString initialDir; // empty: the dialog's own choice
    bool multiSelect = false;
};

// Every message box, input box and common dialog the program shows goes through one
// Dialogs object, so tests can answer them from a script.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // An empty title gives the box the application's title.
    virtual MsgResult msgBox(const QString& prompt, MsgButtons buttons, MsgIcon icon,
                             const QString& title) = 0;
    // The typed text, or nothing when the user cancelled.
    virtual std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                            const QString& defaultText = {}) = 0;
    // The chosen files with full paths; empty when the user cancelled.
    virtual QStringList openFiles(const FileOpenRequest& request) = 0;
    // Shows the print dialog for the printer; false when the user cancelled.
    virtual bool printDialog(QPrinter& printer) = 0;

    // Convenience for the common OK box.
    void msg(const QString& prompt, MsgIcon icon, const QString& title)
    {
        msgBox(prompt, MsgButtons::OK, icon, title);
    }
};

} // namespace platform
