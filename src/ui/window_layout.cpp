// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_layout.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

#include "ui/widgets.h"

#include "ui/shape_box.h"

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
    case ControlKind::LineEdit:
        return new QLineEdit(caption, parent);
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
    }
    return nullptr;
}

} // namespace

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
        QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
    }
    if (layout.whiteBackground) {
        QPalette palette = window->palette();
        palette.setColor(QPalette::Window, Qt::white);
        window->setPalette(palette);
        window->setAutoFillBackground(true);
    }
}

void buildControls(QWidget *window, std::span<const ControlSpec> controls) {
    QLabel *captionBefore = nullptr;
    for (const ControlSpec &layout : controls) {
        QWidget *parent = layout.parent ? control<QWidget>(window, layout.parent) : window;
        QWidget *widget = createControl(layout.kind, parent, QString::fromUtf8(layout.caption));
        widget->setObjectName(QString::fromUtf8(layout.name));
        widget->setGeometry(layout.x, layout.y, layout.width, layout.height);
        widget->setEnabled(!layout.inert);
        // A caption label directly followed by its field names that field for screen readers
        // and for the keyboard.
        const bool isField = layout.kind == ControlKind::LineEdit || layout.kind == ControlKind::ComboBox;
        if (isField && captionBefore && captionBefore->parentWidget() == parent) {
            captionBefore->setBuddy(widget);
            widget->setAccessibleName(accessibleCaption(captionBefore->text()));
        }
        captionBefore = qobject_cast<QLabel *>(widget);
    }
}

void bindDeleteRow(QWidget *window, const char *button, const char *list) {
    auto *listBox = control<QListWidget>(window, list);
    QObject::connect(control<QPushButton>(window, button), &QPushButton::clicked, listBox,
                     [listBox] { listDeleteRow(listBox, selectedIndex(listBox)); });
}

void bindClearList(QWidget *window, const char *button, const char *list) {
    auto *listBox = control<QListWidget>(window, list);
    QObject::connect(control<QPushButton>(window, button), &QPushButton::clicked, listBox,
                     [listBox] { listClear(listBox); });
}

void pressOnEnter(QWidget *window, const char *edit, const char *button) {
    QObject::connect(control<QLineEdit>(window, edit), &QLineEdit::returnPressed,
                     control<QPushButton>(window, button), &QPushButton::click);
}

QString accessibleCaption(const QString &caption) {
    QString name = caption;
    while (name.endsWith(u':') || name.endsWith(u'：'))
        name.chop(1);
    return name;
}

} // namespace ui
