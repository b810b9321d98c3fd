// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QListWidget;

namespace ui {

// Appends attribute rows, tagged with their slot, to the item's attribute list; stays open
// for further additions.
class ItemAttributeDialog : public QWidget {
public:
    ItemAttributeDialog(QWidget *owner, QListWidget *attributeList);

private:
    void onAttributeConfirmClicked();

    QListWidget *attributeList_;
};

} // namespace ui
