// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The drop group of MainWindow: the drop type relabels the fields, 添加 checks them and
// puts the new drop line on top of 列表框1.
#include "ui/windows/main_window.h"

#include <array>

#include "mob/drop_types.h"
#include "ui/toolkit/outcome_message.h"
#include "ui/toolkit/widgets.h"

namespace ui {

void MainWindow::onDropTypeSelected() {
    const mob::DropLayout *layout = mob::dropLayout(selectedIndex(controls_.dropTypeBox));
    if (!layout)
        return;
    const MainWindowControls &c = controls_;
    const std::array<QLabel *, 3> labels = {c.dropFieldLabel1, c.dropFieldLabel2,
                                            c.dropFieldLabel3};
    const std::array<QLineEdit *, 3> fields = {c.dropField1, c.dropField2, c.dropField3};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const bool shown = i < 2 || layout->thirdFieldShown;
        ui::setVisible(labels[i], shown);
        writeText(labels[i], toQString(layout->fieldCaptions[i]));
        ui::setVisible(fields[i], shown);
        // Every selection empties the fields, also when the layout stays the same.
        writeText(fields[i], QString());
    }
}

void MainWindow::onDropAddClicked() {
    const MainWindowControls &c = controls_;
    const mob::DropFields fields = {readText(c.dropField1).toStdString(),
                                    readText(c.dropField2).toStdString(),
                                    readText(c.dropField3).toStdString()};
    // The newest drop goes on top; the config reads the list bottom up, in the order added.
    if (const auto row = rowToPlace(mob::addDrop(selectedIndex(c.dropTypeBox), fields)))
        listInsertRow(c.dropList, 0, toQString(row->text));
}

} // namespace ui
