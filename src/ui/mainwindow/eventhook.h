#pragma once
// Small event taps for the screens' fields: Enter moving the focus along a chain, a click that closes the
// result screen, a key that closes another screen. The hook is a child of the watched widget, so it lives
// exactly as long as the widget does.

#include <QObject>
#include <functional>

class QLineEdit;
class QWidget;

namespace niruka {

class EventHook : public QObject {
    Q_OBJECT
public:
    // Enter (Return or keypad Enter) runs `handler` and is swallowed.
    static void onEnter(QWidget *widget, std::function<void()> handler);
    // A mouse press runs `handler` after the widget has handled it.
    static void onClick(QWidget *widget, std::function<void()> handler);
    // Any key press runs `handler` before the widget handles it (the key is not swallowed).
    static void onKey(QWidget *widget, std::function<void()> handler);
    // Focus gained by any means runs `handler` after the widget has handled it.
    static void onFocusIn(QWidget *widget, std::function<void()> handler);
    static void onFocusOut(QWidget *widget, std::function<void()> handler);

    // The selection behaviour shared by the text fields of the design screens: entering the field by
    // keyboard selects its whole text, a click selects it too, and a double-click selects from
    // character 10 (or the end of a shorter text) to the end.
    static void installFieldSelection(QLineEdit *field);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit EventHook(QWidget *widget);
    static EventHook *hookOf(QWidget *widget);

    QWidget *m_widget;
    std::function<void()> m_enter, m_click, m_key, m_focusIn, m_focusOut;
    bool m_fieldSelection = false;
};

// Runs `changed` whenever an entry under `root` changes, by the user or by a hand-back: the text of a text
// field, an option or check box, the current row or the selection of a list, the line of a drop-down list.
void onEntryChange(QWidget *root, const std::function<void()> &changed);

// Puts the focus on `field` with its whole text selected (the conditions screen and Enter chains).
void focusSelectingAll(QWidget *field);
// Puts the focus on `field` with the caret at the start of its text (refusals on facility screens).
void focusCaretAtStart(QWidget *field);

} // namespace niruka
