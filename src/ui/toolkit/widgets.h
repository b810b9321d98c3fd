// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include <QColor>
#include <QIcon>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "core/list_entry.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The operations every handler needs of the toolkit, one thin function each. Handlers use
// these instead of the widgets' own API so that all of them read and write controls alike.
namespace ui {

// Domain texts are UTF-8.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// A control's text as UTF-8 for the domain. A lone surrogate, which UTF-8 cannot hold, is
// passed on in its three-byte form, so the domain can refuse it instead of saving a '?'.
std::string toDomainText(const QString &text);

// Shows the window, centred on the screen; a modal one blocks the window beneath it until
// it closes. The window deletes itself when closed.
void openWindow(QWidget *window, bool modal);

// For windows that exist once: brings the open one to the front (restoring it when
// minimised), or opens, not modally, the window that create makes and remembers it.
void openOrRaise(QPointer<QWidget> &open, const std::function<QWidget *()> &create);

// Edit box content or caption. A multi-line box gives its lines joined by CR LF, and a text
// written to it is split at CR LF.
QString readText(const QWidget *control);
void writeText(QWidget *control, const QString &text);

void setVisible(QWidget *control, bool visible);

// Text for a label on a group box's top line, beside the caption: while it has text the label
// hides the line behind it, as the caption does.
void writeFrameLineText(QLabel *label, const QString &text);
void setWarningColour(QLabel *label);

// Row index from 0, or -1 when no row is selected; -1 clears the selection. An editable
// drop-down list selects the row whose text its edit field holds exactly.
int selectedIndex(const QWidget *list);
void setSelectedIndex(QWidget *list, int index);

void comboAddRow(QComboBox *combo, const QString &text);
void comboAddRow(QComboBox *combo, const QString &text, const QIcon &icon);
int comboRowCount(const QComboBox *combo);
QString comboRowText(const QComboBox *combo, int index); // empty text out of range

// Lets the user type into the drop-down list to narrow it: the rows that contain the typed
// text, in any case, drop down beneath the field, and the arrow keys and Enter choose one.
// The arrow button still opens every row.
void makeFilterable(QComboBox *combo);

// A small square of the colour, outlined so that white shows too.
QIcon colourSwatch(const QColor &colour);
void setButtonIcon(QPushButton *button, const QIcon &icon); // a null icon removes it
void listAddRow(QListWidget *list, const QString &text, int tag);
// A row that shows another text than the one it holds: listRowText and listRows give the
// held text, which is what the domain composed, and the list shows the caption.
void listAddRow(QListWidget *list, const QString &text, int tag, const QString &shown);
void listInsertRow(QListWidget *list, int index, const QString &text);
// -1 or past the end removes nothing; afterwards no row is selected.
void listDeleteRow(QListWidget *list, int index);
void listClear(QListWidget *list);
int listRowCount(const QListWidget *list);
QString listRowText(const QListWidget *list, int index);
int listRowTag(const QListWidget *list, int index);

// Calls changed after rows were added to the list or removed from it, while context lives.
void onRowsChanged(QListWidget *list, QObject *context, const std::function<void()> &changed);

// All rows, top first, as UTF-8 entries for the domain.
std::vector<core::ListEntry> listRows(const QListWidget *list);

void setBalloonTip(QWidget *control, const QString &text);

// The 删除 and 清空 buttons of a list box: remove the selected row (none when nothing is
// selected), or every row.
void bindDeleteRow(QPushButton *button, QListWidget *list);
void bindClearList(QPushButton *button, QListWidget *list);

// Enter in the edit box presses the button, as a dialog's default button would be pressed.
void pressOnEnter(QLineEdit *edit, QPushButton *button);

} // namespace ui
