#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace platform {

// The leave-a-field check with Cancel. Each registered field has one check; it runs when the
// focus is about to go from that field (or a widget inside it) to another control of the
// form, by Tab, mouse, mnemonic, setFocus or a page change that hides it. When the check sets
// cancel the focus goes back to the field (unless a page change hid it), and a mouse click or
// mnemonic that caused the move is dropped, so a button that was clicked does not fire. The
// field keeps the focus also when the check's message box closes and the window, activated
// again, would give the focus back to the widget that had it when the box opened.
//
// No check runs when the focus goes to another window (message box, dialog, popup list),
// when the window loses activation, while a check is running (checks show message boxes),
// or while a Suspend guard is alive.
//
// Keep it as a member of the form, or give it a parent.
class FieldValidation : public QObject
{
    Q_OBJECT
public:
    using Check = std::function<void(bool& cancel)>;

    explicit FieldValidation(QWidget* form, QObject* parent = nullptr);
    ~FieldValidation() override;

    // Registers (or replaces) the field's check.
    void addCheck(QWidget* field, Check check);
    bool hasCheck(const QWidget* field) const;

    enum class OnRefusal
    {
        FocusField,
        KeepFocus
    };
    // Runs the field's check as if the field were being left; false when it refused. By
    // default a refusal puts the focus on the field when it is visible, without running other
    // checks. A field without a check accepts.
    bool runCheck(QWidget* field, OnRefusal onRefusal = OnRefusal::FocusField);

    // Runs the check of the field holding the focus as if the user were leaving it for
    // target, for an action that moves no focus before it acts (a page tab clicked); false
    // when it refused, and the focus stays in the field. When it accepts, the focus move the
    // action makes next runs no second check. True when no field holds the focus or target
    // lies in that field.
    bool checkLeaving(QWidget* target);

    // True while a check runs.
    bool isRunning() const { return m_running > 0; }

    // While alive, moving the focus runs no check (runCheck still does).
    class [[nodiscard]] Suspend
    {
    public:
        explicit Suspend(FieldValidation& validation);
        ~Suspend();
        Suspend(const Suspend&) = delete;
        Suspend& operator=(const Suspend&) = delete;

    private:
        QPointer<FieldValidation> m_validation;
    };

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onFocusChanged(QWidget* old, QWidget* now);
    // The registered field that holds this widget, if any.
    QWidget* fieldOf(QWidget* widget) const;
    bool inForm(const QWidget* widget) const;
    // Runs the check with the re-entry guard; true when accepted.
    bool callCheck(QWidget* field);
    void restoreFocus(QWidget* field);
    // A refused field whose window was not active when it took the focus back gets it again
    // when the window is activated; true when the focus-in seen was taken back.
    bool holdFocus(QWidget* focused, Qt::FocusReason reason);
    bool checkBeforeShortcut(QWidget* receiver);

    QPointer<QWidget> m_form;
    QHash<const QWidget*, Check> m_checks;
    int m_running = 0;
    int m_suspended = 0;

    // Why the last widget of the form lost the focus; focusChanged does not say.
    QPointer<QWidget> m_lastOut;
    int m_lastOutReason = 0;

    // A refused mouse move drops the press that caused it and then the matching release.
    enum class Swallow
    {
        Nothing,
        Press,
        Release
    };
    Swallow m_swallow = Swallow::Nothing;

    // A refused field waiting for its window to be active again.
    QPointer<QWidget> m_held;

    // A field already checked before a mnemonic or another action moved the focus away.
    QPointer<QWidget> m_prechecked;
};

} // namespace platform
