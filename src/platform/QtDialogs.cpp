#include "QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include <utility>

namespace platform {

namespace {

QMessageBox::Icon qtIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::None:
        break;
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

// The buttons in the order the original box showed them; the first is the default.
QList<std::pair<QMessageBox::StandardButton, MsgResult>> qtButtons(MsgButtons buttons)
{
    using B = QMessageBox;
    switch (buttons) {
    case MsgButtons::OK:
        break;
    case MsgButtons::OKCancel:
        return {{B::Ok, MsgResult::OK}, {B::Cancel, MsgResult::Cancel}};
    case MsgButtons::YesNo:
        return {{B::Yes, MsgResult::Yes}, {B::No, MsgResult::No}};
    case MsgButtons::YesNoCancel:
        return {{B::Yes, MsgResult::Yes}, {B::No, MsgResult::No}, {B::Cancel, MsgResult::Cancel}};
    case MsgButtons::RetryCancel:
        return {{B::Retry, MsgResult::Retry}, {B::Cancel, MsgResult::Cancel}};
    case MsgButtons::AbortRetryIgnore:
        return {{B::Abort, MsgResult::Abort},
                {B::Retry, MsgResult::Retry},
                {B::Ignore, MsgResult::Ignore}};
    }
    return {{B::Ok, MsgResult::OK}};
}

} // namespace

QWidget* QtDialogs::parentWindow()
{
    return QApplication::activeWindow();
}

QString QtDialogs::titleOrDefault(const QString& title)
{
    return title.isEmpty() ? QGuiApplication::applicationDisplayName() : title;
}

MsgResult QtDialogs::msgBox(const QString& prompt, MsgButtons buttons, MsgIcon icon,
                            const QString& title)
{
    QMessageBox box(qtIcon(icon), titleOrDefault(title), prompt, QMessageBox::NoButton,
                    parentWindow());
    const auto mapping = qtButtons(buttons);
    QMessageBox::StandardButtons standard;
    for (const auto& [button, result] : mapping)
        standard |= button;
    box.setStandardButtons(standard);
    box.setDefaultButton(mapping.first().first);
    const auto cancel = cancelAnswer(buttons);
    for (const auto& [button, result] : mapping) {
        if (result == cancel)
            box.setEscapeButton(button);
    }
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    for (const auto& [button, result] : mapping) {
        if (button == clicked)
            return result;
    }
    return cancel;
}

std::optional<QString> QtDialogs::inputBox(const QString& prompt, const QString& title,
                                           const QString& defaultText)
{
    QInputDialog dialog(parentWindow());
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(titleOrDefault(title));
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

QStringList QtDialogs::openFiles(const FileOpenRequest& request)
{
    QFileDialog dialog(parentWindow(), request.title, request.initialDir, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // The file-type line shows each filter's own text; the patterns Qt needs after it are
    // not shown a second time.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setFileMode(request.multiSelect ? QFileDialog::ExistingFiles
                                           : QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

bool QtDialogs::printDialog(QPrinter& printer)
{
    QPrintDialog dialog(&printer, parentWindow());
    return dialog.exec() == QDialog::Accepted;
}

} // namespace platform
