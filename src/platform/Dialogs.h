#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;
class QWidget;

namespace platform {

enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgResult { OK, Cancel, Yes, No, Retry, Abort, Ignore };

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
