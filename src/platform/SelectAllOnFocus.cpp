#include "SelectAllOnFocus.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace platform {

namespace {

// The line edit that shows the text of a widget taking the focus.
QLineEdit* editOf(QObject* object)
{
    if (auto* edit = qobject_cast<QLineEdit*>(object))
        return edit;
    if (auto* combo = qobject_cast<QComboBox*>(object))
        return combo->isEditable() ? combo->lineEdit() : nullptr;
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(object))
        return spin->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
    return nullptr;
}

} // namespace

SelectAllOnFocus* SelectAllOnFocus::install(QWidget* form)
{
    Q_ASSERT(form);
    if (auto* existing = form->findChild<SelectAllOnFocus*>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    return new SelectAllOnFocus(form);
}

SelectAllOnFocus::SelectAllOnFocus(QWidget* form) : QObject(form), m_form(form)
{
    // Filtering at the application sees focus events of widgets added later, and the focus
    // events that an editable combo box passes to its line edit directly.
    QCoreApplication::instance()->installEventFilter(this);
}

SelectAllOnFocus::~SelectAllOnFocus()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

bool SelectAllOnFocus::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (type != QEvent::FocusIn && type != QEvent::FocusOut && type != QEvent::MouseButtonRelease)
        return false;
    if (!watched->isWidgetType() || !m_form)
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget != m_form && !m_form->isAncestorOf(widget))
        return false;

    if (type == QEvent::MouseButtonRelease) {
        if (m_mouseFocused && m_mouseFocused == widget &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            // A drag that selected part of the text keeps that selection.
            if (!m_mouseFocused->hasSelectedText())
                m_mouseFocused->selectAll();
            m_mouseFocused = nullptr;
        }
        return false;
    }

    QLineEdit* edit = editOf(widget);
    if (!edit)
        return false;
    if (type == QEvent::FocusOut) {
        if (m_mouseFocused == edit)
            m_mouseFocused = nullptr;
        return false;
    }
    switch (static_cast<QFocusEvent*>(event)->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
        break;
    case Qt::MouseFocusReason:
        m_mouseFocused = edit;
        break;
    default:
        edit->selectAll();
        break;
    }
    return false;
}

} // namespace platform
