#include "FieldValidation.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <QtDebug>

#include <utility>

namespace platform {

namespace {

// Counts up for the lifetime of a scope, also when a check throws.
class Counter
{
public:
    explicit Counter(int& count) : m_count(count) { ++m_count; }
    ~Counter() { --m_count; }
    Counter(const Counter&) = delete;
    Counter& operator=(const Counter&) = delete;

private:
    int& m_count;
};

} // namespace

FieldValidation::FieldValidation(QWidget* form, QObject* parent) : QObject(parent), m_form(form)
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    Q_ASSERT(app);
    // Focus changes and the events that cause them reach the application first; watching
    // there also covers fields added to the form later.
    app->installEventFilter(this);
    connect(app, &QApplication::focusChanged, this, &FieldValidation::onFocusChanged);
}

FieldValidation::~FieldValidation()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

void FieldValidation::addCheck(QWidget* field, Check check)
{
    Q_ASSERT(field);
    if (!m_checks.contains(field))
        connect(field, &QObject::destroyed, this, [this, field] { m_checks.remove(field); });
    m_checks.insert(field, std::move(check));
}

bool FieldValidation::hasCheck(const QWidget* field) const
{
    return m_checks.contains(field);
}

bool FieldValidation::runCheck(QWidget* field, OnRefusal onRefusal)
{
    if (!m_checks.contains(field)) {
        qWarning() << "FieldValidation::runCheck: no check for" << field;
        return true;
    }
    QPointer<QWidget> guard(field);
    if (callCheck(field))
        return true;
    if (onRefusal == OnRefusal::FocusField)
        restoreFocus(guard);
    return false;
}

FieldValidation::Suspend::Suspend(FieldValidation& validation) : m_validation(&validation)
{
    ++validation.m_suspended;
}

FieldValidation::Suspend::~Suspend()
{
    if (m_validation)
        --m_validation->m_suspended;
}

bool FieldValidation::inForm(const QWidget* widget) const
{
    // isAncestorOf stops at window boundaries, so message boxes, dialogs and popup lists
    // parented to the form are not part of it.
    return widget && m_form && (widget == m_form || m_form->isAncestorOf(widget));
}

QWidget* FieldValidation::fieldOf(QWidget* widget) const
{
    if (!inForm(widget))
        return nullptr;
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (m_checks.contains(w))
            return w;
        if (w == m_form)
            break;
    }
    // A field whose focus proxy lies outside it.
    for (auto it = m_checks.cbegin(); it != m_checks.cend(); ++it) {
        const QWidget* proxy = it.key();
        while (proxy->focusProxy())
            proxy = proxy->focusProxy();
        if (proxy == widget)
            return const_cast<QWidget*>(it.key());
    }
    return nullptr;
}

bool FieldValidation::callCheck(QWidget* field)
{
    const auto it = m_checks.constFind(field);
    if (it == m_checks.cend())
        return true;
    // A copy: the check may replace itself or delete its field.
    const Check check = it.value();
    bool cancel = false;
    Counter running(m_running);
    check(cancel);
    return !cancel;
}

void FieldValidation::restoreFocus(QWidget* field)
{
    // A box on a page that was switched away cannot keep the focus: Qt would give it to the
    // hidden box and check it again when the new page takes the focus.
    if (!field || !field->isVisible())
        return;
    Counter running(m_running);
    field->setFocus(Qt::OtherFocusReason);
    // When a message box of the check took the window's activation, the line above only sets
    // the window's remembered focus widget, and the focus move that the check ran inside,
    // still under way, then records its own target there; activating the window again gives
    // the focus to that widget. The field takes it back at that moment.
    m_held = field->isActiveWindow() ? nullptr : field;
}

bool FieldValidation::holdFocus(QWidget* focused, Qt::FocusReason reason)
{
    QPointer<QWidget> field = std::exchange(m_held, nullptr);
    if (!field || !field->isVisible() || !field->isEnabled())
        return false;
    if (fieldOf(focused) != field) {
        Counter running(m_running);
        field->setFocus(Qt::OtherFocusReason);
        // The widget has already lost the focus again; its stale focus-in is dropped.
        return QApplication::focusWidget() != focused;
    }
    if (reason == Qt::ActiveWindowFocusReason) {
        // The field itself came back with the window; it is entered again as a field taking
        // the focus, so that it shows itself as after any refusal.
        QTimer::singleShot(0, this, [this, field] {
            if (!field || !field->hasFocus())
                return;
            Counter running(m_running);
            field->clearFocus();
            field->setFocus(Qt::OtherFocusReason);
        });
    }
    return false;
}

void FieldValidation::onFocusChanged(QWidget* old, QWidget* now)
{
    const QPointer<QWidget> prechecked = std::exchange(m_prechecked, nullptr);
    if (m_running > 0 || m_suspended > 0 || !old || !now)
        return;
    QPointer<QWidget> field = fieldOf(old);
    if (!field || !inForm(now) || fieldOf(now) == field)
        return;
    if (prechecked == field)
        return;
    const bool byMouse = m_lastOut == old && m_lastOutReason == Qt::MouseFocusReason;
    if (callCheck(field))
        return;
    if (byMouse) {
        // The press that moved the focus is delivered right after this; it must not reach
        // the widget, or a refused click on a button would still click it.
        m_swallow = Swallow::Press;
        QTimer::singleShot(0, this, [this] {
            if (m_swallow == Swallow::Press)
                m_swallow = Swallow::Nothing;
        });
    }
    restoreFocus(field);
}

bool FieldValidation::checkLeaving(QWidget* target)
{
    if (m_running > 0 || m_suspended > 0)
        return true;
    QWidget* field = fieldOf(QApplication::focusWidget());
    if (!field || (target && fieldOf(target) == field))
        return true;
    QPointer<QWidget> guard(field);
    if (callCheck(field)) {
        // The focus move that the action makes next needs no second check.
        m_prechecked = field;
        QTimer::singleShot(0, this, [this] { m_prechecked = nullptr; });
        return true;
    }
    restoreFocus(guard);
    return false;
}

bool FieldValidation::checkBeforeShortcut(QWidget* receiver)
{
    if (!inForm(receiver))
        return true;
    QWidget* target = receiver;
    if (auto* label = qobject_cast<QLabel*>(receiver))
        target = label->buddy();
    if (!target || !target->isEnabled() || target->focusPolicy() == Qt::NoFocus)
        return true;
    return checkLeaving(target);
}

bool FieldValidation::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    // What the user does next in the form decides where the focus goes.
    if (m_held && (type == QEvent::KeyPress || type == QEvent::MouseButtonPress) &&
        watched->isWidgetType() && inForm(static_cast<QWidget*>(watched)))
        m_held = nullptr;
    switch (type) {
    case QEvent::FocusIn:
        if (m_held && m_running == 0 && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (inForm(widget) && widget->isActiveWindow() &&
                holdFocus(widget, static_cast<QFocusEvent*>(event)->reason()))
                return true;
        }
        break;
    case QEvent::FocusOut:
        if (watched->isWidgetType() && inForm(static_cast<QWidget*>(watched))) {
            m_lastOut = static_cast<QWidget*>(watched);
            m_lastOutReason = static_cast<QFocusEvent*>(event)->reason();
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (m_swallow == Swallow::Press && watched->isWidgetType() &&
            inForm(static_cast<QWidget*>(watched))) {
            m_swallow = Swallow::Release;
            event->accept();
            return true;
        }
        if (watched->isWidgetType())
            m_swallow = Swallow::Nothing;
        break;
    case QEvent::MouseButtonRelease:
        if (m_swallow == Swallow::Release && watched->isWidgetType()) {
            m_swallow = Swallow::Nothing;
            event->accept();
            return true;
        }
        break;
    case QEvent::Shortcut:
        if (watched->isWidgetType() && !checkBeforeShortcut(static_cast<QWidget*>(watched))) {
            event->accept();
            return true;
        }
        break;
    default:
        break;
    }
    return false;
}

} // namespace platform
