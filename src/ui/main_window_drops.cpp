// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The drop group of MainWindow: the drop type relabels the fields, 添加 checks them and
// puts the new drop line on top of 列表框1.
#include "ui/main_window.h"

#include <array>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "mob/drop_types.h"
#include "ui/outcome_message.h"
#include "ui/widgets.h"
#include "ui/window_layout.h"

namespace ui {
namespace {

constexpr std::array<const char *, 3> dropLabels = {"掉落数据标签1", "掉落数据标签2",
                                                    "掉落数据标签3"};
constexpr std::array<const char *, 3> dropFields = {"掉落数据编辑框1", "掉落数据编辑框2",
                                                    "掉落数据编辑框3"};

} // namespace

void MainWindow::onDropTypeSelected() {
    const mob::DropLayout *layout =
        mob::dropLayout(selectedIndex(control<QComboBox>(this, "掉落类型框")));
    if (!layout)
        return;
    for (std::size_t i = 0; i < dropFields.size(); ++i) {
        const bool shown = i < 2 || layout->thirdFieldShown;
        const std::string_view caption = layout->fieldCaptions[i];
        auto *label = control<QLabel>(this, dropLabels[i]);
        ui::setVisible(label, shown);
        writeText(label, toQString(caption));
        auto *field = control<QLineEdit>(this, dropFields[i]);
        ui::setVisible(field, shown);
        // Every selection empties the fields, also when the layout stays the same.
        writeText(field, QString());
    }
}

void MainWindow::onDropAddClicked() {
    mob::DropFields fields;
    for (std::size_t i = 0; i < dropFields.size(); ++i)
        fields[i] = readText(control<QLineEdit>(this, dropFields[i])).toStdString();
    const int type = selectedIndex(control<QComboBox>(this, "掉落类型框"));
    // The newest drop goes on top; the config reads the list bottom up, in the order added.
    if (const auto row = rowToPlace(mob::addDrop(type, fields)))
        listInsertRow(control<QListWidget>(this, "列表框1"), 0, QString::fromStdString(row->text));
}

} // namespace ui
