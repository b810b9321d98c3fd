// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/widgets.h"

#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>

#include "ui/toolkit/window_layout.h"

namespace ui {
namespace {

constexpr int tagRole = Qt::UserRole;
constexpr int heldTextRole = Qt::UserRole + 1; // only on rows that show another text

void centreOnScreen(QWidget *window) {
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace

std::string toDomainText(const QString &text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            ++i;
        }
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3F));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

void openWindow(QWidget *window, bool modal) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(modal ? Qt::WindowModal : Qt::NonModal);
    centreOnScreen(window);
    window->show();
    window->raise();
    window->activateWindow();
}

void openOrRaise(QPointer<QWidget> &open, const std::function<QWidget *()> &create) {
    // A closed window may still wait for its deletion; only a shown one is raised.
    if (open && open->isVisible()) {
        open->setWindowState(open->windowState() & ~Qt::WindowMinimized);
        open->raise();
        open->activateWindow();
        return;
    }
    open = create();
    openWindow(open, false);
}

QString readText(const QWidget *control) {
    if (const auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    if (const auto *box = qobject_cast<const QPlainTextEdit *>(control)) {
        // The raw text, because toPlainText turns a no-break space into a plain one and the
        // text would no longer be what was typed.
        QString text = box->document()->toRawText();
        text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
        text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
        return text;
    }
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (const auto *button = qobject_cast<const QPushButton *>(control))
        return button->text();
    if (const auto *group = qobject_cast<const QGroupBox *>(control))
        return group->title();
    return control->windowTitle();
}

void writeText(QWidget *control, const QString &text) {
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        edit->setText(text);
    else if (auto *box = qobject_cast<QPlainTextEdit *>(control))
        box->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    else if (auto *label = qobject_cast<QLabel *>(control)) {
        label->setText(text);
        if (QWidget *field = label->buddy())
            field->setAccessibleName(accessibleCaption(text));
    } else if (auto *button = qobject_cast<QPushButton *>(control))
        button->setText(text);
    else if (auto *group = qobject_cast<QGroupBox *>(control))
        group->setTitle(text);
    else
        control->setWindowTitle(text);
}

void setVisible(QWidget *control, bool visible) {
    control->setVisible(visible);
}

void writeFrameLineText(QLabel *label, const QString &text) {
    label->setText(text);
    label->setAutoFillBackground(!text.isEmpty());
}

void setWarningColour(QLabel *label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0xc0, 0x00, 0x00));
    label->setPalette(palette);
}

int selectedIndex(const QWidget *list) {
    if (const auto *combo = qobject_cast<const QComboBox *>(list)) {
        // Typing does not move the current row, so the text decides; the current row still
        // counts while the text is its caption, as two rows may share one.
        if (combo->isEditable() && combo->currentText() != combo->itemText(combo->currentIndex()))
            return combo->findText(combo->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
        return combo->currentIndex();
    }
    if (const auto *listBox = qobject_cast<const QListWidget *>(list)) {
        const QList<QListWidgetItem *> selected = listBox->selectedItems();
        return selected.isEmpty() ? -1 : listBox->row(selected.front());
    }
    return -1;
}

void setSelectedIndex(QWidget *list, int index) {
    if (auto *combo = qobject_cast<QComboBox *>(list)) {
        combo->setCurrentIndex(index);
    } else if (auto *listBox = qobject_cast<QListWidget *>(list)) {
        if (index < 0)
            listBox->clearSelection();
        else
            listBox->setCurrentRow(index);
    }
}

void comboAddRow(QComboBox *combo, const QString &text) {
    // QComboBox selects the first row added to an empty box; the lists here start unselected.
    const int selected = combo->currentIndex();
    combo->addItem(text);
    combo->setCurrentIndex(selected);
}

void comboAddRow(QComboBox *combo, const QString &text, const QIcon &icon) {
    const int selected = combo->currentIndex();
    combo->addItem(icon, text);
    combo->setCurrentIndex(selected);
}

int comboRowCount(const QComboBox *combo) {
    return combo->count();
}

QString comboRowText(const QComboBox *combo, int index) {
    return index >= 0 && index < combo->count() ? combo->itemText(index) : QString();
}

void makeFilterable(QComboBox *combo) {
    const int selected = combo->currentIndex();
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    auto *completer = new QCompleter(combo->model(), combo);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    combo->setCompleter(completer);
    combo->setCurrentIndex(selected);
}

QIcon colourSwatch(const QColor &colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    QPainter painter(&pixmap);
    painter.setPen(Qt::darkGray);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

void setButtonIcon(QPushButton *button, const QIcon &icon) {
    button->setIcon(icon);
}

void listAddRow(QListWidget *list, const QString &text, int tag) {
    auto *item = new QListWidgetItem(text);
    item->setData(tagRole, tag);
    list->addItem(item);
}

void listAddRow(QListWidget *list, const QString &text, int tag, const QString &shown) {
    auto *item = new QListWidgetItem(shown);
    item->setData(tagRole, tag);
    item->setData(heldTextRole, text);
    list->addItem(item);
}

void listInsertRow(QListWidget *list, int index, const QString &text) {
    auto *item = new QListWidgetItem(text);
    item->setData(tagRole, 0);
    list->insertItem(index, item);
}

void listDeleteRow(QListWidget *list, int index) {
    if (index < 0 || index >= list->count())
        return;
    delete list->takeItem(index);
    // QListWidget moves the selection to the next row; a second 删除 would then remove a row
    // the user never chose.
    list->clearSelection();
    list->setCurrentItem(nullptr);
}

void listClear(QListWidget *list) {
    list->clear();
}

int listRowCount(const QListWidget *list) {
    return list->count();
}

QString listRowText(const QListWidget *list, int index) {
    const QListWidgetItem *item = list->item(index);
    if (!item)
        return {};
    const QVariant held = item->data(heldTextRole);
    return held.isValid() ? held.toString() : item->text();
}

int listRowTag(const QListWidget *list, int index) {
    const QListWidgetItem *item = list->item(index);
    return item ? item->data(tagRole).toInt() : 0;
}

std::vector<core::ListEntry> listRows(const QListWidget *list) {
    std::vector<core::ListEntry> rows;
    rows.reserve(static_cast<std::size_t>(list->count()));
    for (int i = 0; i < list->count(); ++i)
        rows.push_back({toDomainText(listRowText(list, i)), listRowTag(list, i)});
    return rows;
}

void onRowsChanged(QListWidget *list, QObject *context, const std::function<void()> &changed) {
    const QAbstractItemModel *model = list->model();
    QObject::connect(model, &QAbstractItemModel::rowsInserted, context, changed);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, context, changed);
    QObject::connect(model, &QAbstractItemModel::modelReset, context, changed);
}

void setBalloonTip(QWidget *control, const QString &text) {
    control->setToolTip(text);
}

void bindDeleteRow(QPushButton *button, QListWidget *list) {
    QObject::connect(button, &QPushButton::clicked, list,
                     [list] { listDeleteRow(list, selectedIndex(list)); });
}

void bindClearList(QPushButton *button, QListWidget *list) {
    QObject::connect(button, &QPushButton::clicked, list, [list] { listClear(list); });
}

void pressOnEnter(QLineEdit *edit, QPushButton *button) {
    QObject::connect(edit, &QLineEdit::returnPressed, button, &QPushButton::click);
}

} // namespace ui
