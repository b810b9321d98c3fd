// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/window_layout.h"

#include <limits>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>

#include "ui/toolkit/shape_box.h"

namespace ui {
namespace {

// The layouts were measured on a Windows frame: 2 pixels at each side, caption and borders
// 28 pixels together.
constexpr QSize windowsFrame(4, 28);

QWidget *createControl(ControlKind kind, QWidget *parent, const QString &caption) {
    switch (kind) {
    case ControlKind::GroupBox:
        return new QGroupBox(caption, parent);
    case ControlKind::Label:
        return new QLabel(caption, parent);
    case ControlKind::LineEdit: {
        auto *edit = new QLineEdit(caption, parent);
        // Qt cuts at 32767 characters by default, silently; a pasted text is kept whole.
        edit->setMaxLength(std::numeric_limits<int>::max());
        return edit;
    }
    case ControlKind::TextBox:
    case ControlKind::TextBoxNoWrap: {
        auto *box = new QPlainTextEdit(caption, parent);
        box->setLineWrapMode(kind == ControlKind::TextBox ? QPlainTextEdit::WidgetWidth
                                                          : QPlainTextEdit::NoWrap);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        if (kind == ControlKind::TextBoxNoWrap)
            box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        return box;
    }
    case ControlKind::ComboBox: {
        auto *combo = new QComboBox(parent);
        combo->setCurrentIndex(-1);
        return combo;
    }
    case ControlKind::ListBox:
        return new QListWidget(parent);
    case ControlKind::PushButton: {
        auto *button = new QPushButton(caption, parent);
        button->setAutoDefault(true); // Enter presses the focused button, as Space does
        return button;
    }
    case ControlKind::RoundedShapeBox:
        return new ShapeBox(ShapeBox::Shape::RoundedRectangle, parent);
    case ControlKind::CircleShapeBox:
        return new ShapeBox(ShapeBox::Shape::Circle, parent);
    case ControlKind::ScrollBox: {
        auto *box = new QScrollArea(parent);
        box->setWidgetResizable(true);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // Tab goes straight to the fields, and the box scrolls the focused one into view.
        box->setFocusPolicy(Qt::NoFocus);
        return box;
    }
    }
    return nullptr;
}

QByteArray windowName(const QWidget *window) {
    return window->objectName().toUtf8();
}

} // namespace

namespace detail {

std::vector<QWidget *> createControls(QWidget *window, std::span<const ControlLayout> rows) {
    std::vector<QWidget *> created;
    created.reserve(rows.size());
    QHash<QString, QWidget *> containers;
    QLabel *captionBefore = nullptr;
    for (const ControlLayout &row : rows) {
        QWidget *parent = window;
        if (row.parent) {
            parent = containers.value(QString::fromUtf8(row.parent));
            if (!parent)
                qFatal("%s: control %s names the parent %s, which no earlier row creates",
                       windowName(window).constData(), row.name, row.parent);
        }
        QWidget *widget = createControl(row.kind, parent, QString::fromUtf8(row.caption));
        widget->setObjectName(QString::fromUtf8(row.name));
        widget->setGeometry(row.x, row.y, row.width, row.height);
        widget->setEnabled(!row.inert);
        // A caption label directly followed by its field names that field for screen readers
        // and for the keyboard.
        const bool isField = row.kind == ControlKind::LineEdit || row.kind == ControlKind::ComboBox;
        if (isField && captionBefore && captionBefore->parentWidget() == parent) {
            captionBefore->setBuddy(widget);
            widget->setAccessibleName(accessibleCaption(captionBefore->text()));
        }
        // A list and its 添加/删除/清空 buttons are told apart by their group: "掉落数据 添加".
        if (const auto *group = qobject_cast<const QGroupBox *>(parent)) {
            if (row.kind == ControlKind::ListBox)
                widget->setAccessibleName(group->title());
            const QString caption = QString::fromUtf8(row.caption);
            if (row.kind == ControlKind::PushButton &&
                (caption == u"添加" || caption == u"删除" || caption == u"清空"))
                widget->setAccessibleName(group->title() + u' ' + caption);
        }
        captionBefore = qobject_cast<QLabel *>(widget);
        containers.insert(widget->objectName(), widget);
        created.push_back(widget);
    }
    return created;
}

void failBinding(const QWidget *window, const char *control, const char *wanted) {
    qFatal("%s: control %s is not the %s its member holds", windowName(window).constData(), control,
           wanted);
}

void failDuplicateBinding(const QWidget *window, const char *control) {
    qFatal("%s: control %s binds a member that an earlier row binds already",
           windowName(window).constData(), control);
}

void failMissingMembers(const QWidget *window, std::size_t bound, std::size_t members) {
    qFatal("%s: its table binds %zu of the %zu members of its controls; a row is missing",
           windowName(window).constData(), bound, members);
}

} // namespace detail

std::vector<QWidget *> buildControls(QWidget *window, std::span<const ControlLayout> rows) {
    return detail::createControls(window, rows);
}

void setUpWindow(QWidget *window, const WindowSpec &layout) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    if (layout.minimisable)
        flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
    window->setWindowTitle(QString::fromUtf8(layout.title));
    window->setFixedSize(layout.outerSize - windowsFrame);
    if (!layout.minimisable) {
        auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
        QObject::connect(escape, &QShortcut::activated, window, [window] {
            // The list a filtering drop-down box opens while the user types lets Esc through
            // to the window; it is the list the user means to close.
            if (QWidget *popup = QApplication::activePopupWidget()) {
                popup->close();
                return;
            }
            window->close();
        });
    }
    if (layout.whiteBackground) {
        QPalette palette = window->palette();
        palette.setColor(QPalette::Window, Qt::white);
        window->setPalette(palette);
        window->setAutoFillBackground(true);
    }
}

QString accessibleCaption(const QString &caption) {
    QString name = caption;
    while (name.endsWith(u':') || name.endsWith(u'：'))
        name.chop(1);
    return name;
}

} // namespace ui
