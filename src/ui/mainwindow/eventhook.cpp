#include "ui/mainwindow/eventhook.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace niruka {

namespace {

// A focus change that a refusal asked for puts the caret at the start instead of selecting all.
const char *const kCaretAtStart = "niruka_caretAtStart";

} // namespace

EventHook::EventHook(QWidget *widget) : QObject(widget), m_widget(widget)
{
    widget->installEventFilter(this);
}

EventHook *EventHook::hookOf(QWidget *widget)
{
    if (auto *hook = widget->findChild<EventHook *>(QString(), Qt::FindDirectChildrenOnly))
        return hook;
    return new EventHook(widget);
}

void EventHook::onEnter(QWidget *widget, std::function<void()> handler)
{
    hookOf(widget)->m_enter = std::move(handler);
}

void EventHook::onClick(QWidget *widget, std::function<void()> handler)
{
    hookOf(widget)->m_click = std::move(handler);
}

void EventHook::onKey(QWidget *widget, std::function<void()> handler)
{
    hookOf(widget)->m_key = std::move(handler);
}

void EventHook::onFocusIn(QWidget *widget, std::function<void()> handler)
{
    hookOf(widget)->m_focusIn = std::move(handler);
}

void EventHook::onFocusOut(QWidget *widget, std::function<void()> handler)
{
    hookOf(widget)->m_focusOut = std::move(handler);
}

void EventHook::installFieldSelection(QLineEdit *field)
{
    hookOf(field)->m_fieldSelection = true;
}

bool EventHook::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_widget)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (m_key)
            m_key();
        if (m_enter && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            m_enter();
            return true;
        }
        break;
    }
    case QEvent::MouseButtonPress: {
        auto *edit = qobject_cast<QLineEdit *>(m_widget);
        if (!edit) {
            // Lists and buttons (or a list's viewport) handle the click after the handler.
            if (m_click)
                m_click();
            break;
        }
        // Let the field place its caret first, then select and run the handler.
        QPointer<QWidget> guard(m_widget);
        static_cast<QObject *>(m_widget)->event(event);
        if (!guard)
            return true;
        if (m_fieldSelection)
            edit->selectAll();
        if (m_click)
            m_click();
        return true;
    }
    case QEvent::MouseButtonDblClick: {
        if (auto *edit = qobject_cast<QLineEdit *>(m_widget); edit && m_fieldSelection) {
            const int length = static_cast<int>(edit->text().size());
            const int start = std::min(10, length);
            edit->setFocus(Qt::MouseFocusReason);
            edit->setSelection(start, length - start);
            return true;
        }
        break;
    }
    case QEvent::FocusIn: {
        if (!qobject_cast<QLineEdit *>(m_widget)) {
            if (m_focusIn)
                m_focusIn();
            break;
        }
        QPointer<QWidget> guard(m_widget);
        static_cast<QObject *>(m_widget)->event(event);
        if (!guard)
            return true;
        if (auto *edit = qobject_cast<QLineEdit *>(m_widget); edit && m_fieldSelection) {
            if (edit->property(kCaretAtStart).toBool()) {
                edit->setProperty(kCaretAtStart, false);
                edit->deselect();
                edit->setCursorPosition(0);
            } else {
                edit->selectAll();
            }
        }
        if (m_focusIn)
            m_focusIn();
        return true;
    }
    case QEvent::FocusOut:
        if (m_focusOut)
            m_focusOut();
        break;
    default:
        break;
    }
    return false;
}

void focusSelectingAll(QWidget *field)
{
    if (!field)
        return;
    field->setFocus(Qt::OtherFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->selectAll();
}

void focusCaretAtStart(QWidget *field)
{
    if (!field)
        return;
    auto *edit = qobject_cast<QLineEdit *>(field);
    if (edit && !edit->hasFocus())
        edit->setProperty(kCaretAtStart, true);
    field->setFocus(Qt::OtherFocusReason);
    if (edit) {
        edit->deselect();
        edit->setCursorPosition(0);
    }
}

void onEntryChange(QWidget *root, const std::function<void()> &changed)
{
    if (!root)
        return;
    const auto call = [changed] { changed(); };
    for (QLineEdit *edit : root->findChildren<QLineEdit *>())
        QObject::connect(edit, &QLineEdit::textChanged, root, call);
    for (QAbstractButton *button : root->findChildren<QAbstractButton *>())
        if (button->isCheckable())
            QObject::connect(button, &QAbstractButton::toggled, root, call);
    for (QListWidget *list : root->findChildren<QListWidget *>()) {
        QObject::connect(list, &QListWidget::currentRowChanged, root, call);
        QObject::connect(list, &QListWidget::itemSelectionChanged, root, call);
    }
    for (QComboBox *combo : root->findChildren<QComboBox *>())
        QObject::connect(combo, &QComboBox::currentIndexChanged, root, call);
}

} // namespace niruka
