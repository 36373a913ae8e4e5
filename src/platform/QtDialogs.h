#pragma once

#include "Dialogs.h"

class QWidget;

namespace platform {

// The real boxes: QMessageBox, QInputDialog, QFileDialog and QPrintDialog, each modal over
// the active window. An empty title gives the application's display name, as the original
// boxes showed the program's title when none was given.
class QtDialogs final : public Dialogs
{
public:
    MsgResult msgBox(const QString& prompt, MsgButtons buttons, MsgIcon icon,
                     const QString& title) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText = {}) override;
    QStringList openFiles(const FileOpenRequest& request) override;
    bool printDialog(QPrinter& printer) override;

private:
    static QWidget* parentWindow();
    static QString titleOrDefault(const QString& title);
};

} // namespace platform
