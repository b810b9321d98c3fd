// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <vector>

#include <QSize>
#include <QWidget>

// Windows are declared as data: one table of controls per window, built by one function
// that also hands back the window's controls as typed members.
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
    ScrollBox,       // scrolls vertically through fields the window makes at run time
};

// Stores the created widget in one member of a window's controls struct; on a widget of
// another class it stores nothing and names the class the member wants.
template <class Controls> using ControlBinder = const char *(*)(Controls &, QWidget *);

// One row of a window's table. The object name is the name tests and screen readers see;
// bind, when set, is the member of the window's controls struct that receives the widget.
template <class Controls> struct ControlSpec {
    ControlKind kind;
    const char *name;
    const char *caption;
    int x, y, width, height;
    const char *parent = nullptr; // object name of the group or shape box, or the window itself
    ControlBinder<Controls> bind = nullptr;
    bool inert = false; // shown, but nothing is bound to it
};

// The layout part of a row, whatever the window's controls struct; layouts made at run
// time are lists of these.
struct ControlLayout {
    ControlKind kind;
    const char *name;
    const char *caption;
    int x, y, width, height;
    const char *parent = nullptr;
    bool inert = false;
};

namespace detail {

template <auto Member> struct MemberOf;
template <class C, class W, W *C::*Member> struct MemberOf<Member> {
    using Controls = C;
    using Widget = W;
};

template <auto Member>
const char *bindMember(typename MemberOf<Member>::Controls &controls, QWidget *widget) {
    using Widget = typename MemberOf<Member>::Widget;
    auto *typed = qobject_cast<Widget *>(widget);
    if (!typed)
        return Widget::staticMetaObject.className();
    controls.*Member = typed;
    return nullptr;
}

// Counts the members of an aggregate of pointers, by how many initialisers it accepts.
struct AnyPointer {
    template <class T> operator T *() const { return nullptr; }
};
template <class Aggregate, class... Initialisers> constexpr std::size_t memberCount() {
    if constexpr (requires { Aggregate{Initialisers{}..., AnyPointer{}}; })
        return memberCount<Aggregate, Initialisers..., AnyPointer>();
    else
        return sizeof...(Initialisers);
}

// Builds the rows in order and gives back the created widgets in the same order; a
// parent must come before its children.
std::vector<QWidget *> createControls(QWidget *window, std::span<const ControlLayout> rows);

[[noreturn]] void failBinding(const QWidget *window, const char *control, const char *wanted);
[[noreturn]] void failDuplicateBinding(const QWidget *window, const char *control);
[[noreturn]] void failMissingMembers(const QWidget *window, std::size_t bound, std::size_t members);

} // namespace detail

// The binder of one member, as a table row names it: bind<&MainWindowControls::identifierEdit>.
template <auto Member> inline constexpr auto bind = &detail::bindMember<Member>;

// Creates every control of the table, in order, and returns the window's controls. The
// order of the table is the keyboard's tab order, and a label directly followed by an edit
// or combo box in the same group becomes that field's caption (buddy, accessible name).
// A row whose widget is not of its member's class, a member bound twice, or a member no row
// binds stops the program with a message naming the window, in every build.
template <class Controls>
Controls buildControls(QWidget *window, std::span<const ControlSpec<Controls>> table) {
    std::vector<ControlLayout> rows;
    rows.reserve(table.size());
    for (const ControlSpec<Controls> &row : table)
        rows.push_back({row.kind, row.name, row.caption, row.x, row.y, row.width, row.height,
                        row.parent, row.inert});
    const std::vector<QWidget *> widgets = detail::createControls(window, rows);

    Controls controls{};
    std::size_t bound = 0;
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (!table[i].bind)
            continue;
        for (std::size_t j = 0; j < i; ++j)
            if (table[j].bind == table[i].bind)
                detail::failDuplicateBinding(window, table[i].name);
        if (const char *wanted = table[i].bind(controls, widgets[i]))
            detail::failBinding(window, table[i].name, wanted);
        ++bound;
    }
    constexpr std::size_t members = detail::memberCount<Controls>();
    if (bound != members)
        detail::failMissingMembers(window, bound, members);
    return controls;
}

// For layouts made at run time that need no members: the created widgets in table order.
std::vector<QWidget *> buildControls(QWidget *window, std::span<const ControlLayout> rows);

struct WindowSpec {
    const char *title;
    QSize outerSize; // including a Windows frame, as the layouts were measured
    bool minimisable = false;
    bool whiteBackground = false;
};

// Fixed frame sized so the client area matches the layout, title, close box, no maximise.
// A window without a minimise button is a dialog, and Esc closes it.
void setUpWindow(QWidget *window, const WindowSpec &layout);

// A caption as a screen reader should announce its field: without the closing colon.
QString accessibleCaption(const QString &caption);

} // namespace ui
