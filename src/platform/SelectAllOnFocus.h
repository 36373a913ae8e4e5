#pragma once

#include <QObject>
#include <QPointer>

class QLineEdit;
class QWidget;

namespace platform {

// Every line edit of a form (also the edit part of an editable combo box or a spin box)
// selects its whole text when it takes the focus, by keyboard, mouse or setFocus. Coming
// back from another window or a popup list leaves the selection as it was. Line edits added
// to the form later are covered too.
class SelectAllOnFocus : public QObject
{
    Q_OBJECT
public:
    // Installs the behaviour on the form once; later calls return the same object, which
    // the form owns.
    static SelectAllOnFocus* install(QWidget* form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit SelectAllOnFocus(QWidget* form);
    ~SelectAllOnFocus() override;

    QPointer<QWidget> m_form;
    // A line edit that took the focus by a mouse press: the press puts the cursor where it
    // was clicked, so the text is selected when the button is released.
    QPointer<QLineEdit> m_mouseFocused;
};

} // namespace platform
