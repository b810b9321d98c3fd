// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

#include <QPushButton>
#include <QSize>
#include <QWidget>

// Windows are declared as data: one table of controls per window, built by one function.
namespace ui {

enum class ControlKind {
    GroupBox,
    Label,
    LineEdit,
    TextBox,       // multi-line, wrapping, vertical scroll bar
    TextBoxNoWrap, // multi-line, both scroll bars
    ComboBox,      // drop-down list without edit field, no row selected
    ListBox,
    PushButton,
    RoundedShapeBox, // white, outlined as a rounded rectangle; may hold controls
    CircleShapeBox,  // white, outlined as a circle; may hold controls
};

struct ControlSpec {
    ControlKind kind;
    const char *name;
    const char *caption;
    int x, y, width, height;
    const char *parent = nullptr; // object name of the group or shape box, or the window itself
    bool inert = false;           // shown, but nothing is bound to it
};

struct WindowSpec {
    const char *title;
    QSize outerSize; // including a Windows frame, as the layouts were measured
    bool minimisable = false;
    bool whiteBackground = false;
};

// Fixed frame sized so the client area matches the layout, title, close box, no maximise.
// A window without a minimise button is a dialog, and Esc closes it.
void setUpWindow(QWidget *window, const WindowSpec &layout);

// Creates every control of the table, in order; a parent must come before its children.
// The order of the table is the keyboard's tab order, and a label directly followed by an
// edit or combo box in the same group becomes that field's caption (buddy, accessible name).
void buildControls(QWidget *window, std::span<const ControlSpec> controls);

// A caption as a screen reader should announce its field: without the closing colon.
QString accessibleCaption(const QString &caption);

// The control of that object name; every lookup names a control of the window's table.
template <class T> T *control(const QWidget *window, const char *name) {
    T *found = window->findChild<T *>(QString::fromUtf8(name));
    Q_ASSERT_X(found, "ui::control", name);
    return found;
}

// The 删除 and 清空 buttons of a list box: remove the selected row (none when nothing is
// selected), or every row.
void bindDeleteRow(QWidget *window, const char *button, const char *list);
void bindClearList(QWidget *window, const char *button, const char *list);

// Enter in the edit box presses the button, as a dialog's default button would be pressed.
void pressOnEnter(QWidget *window, const char *edit, const char *button);

// Binds a button of the window's table to one of the window's handlers.
template <class Window> void bindClick(Window *window, const char *button, void (Window::*handler)()) {
    QObject::connect(control<QPushButton>(window, button), &QPushButton::clicked, window, handler);
}

} // namespace ui
