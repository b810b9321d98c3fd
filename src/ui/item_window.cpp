// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/item_window.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "item/item_config.h"
#include "ui/config_save.h"
#include "ui/enchantment_dialog.h"
#include "ui/item_attribute_dialog.h"
#include "ui/item_layouts.h"
#include "ui/item_preview_window.h"
#include "ui/message.h"
#include "ui/widgets.h"

namespace ui {

ItemWindow::ItemWindow(QWidget *owner, std::string &itemConfigText)
    : QWidget(owner), itemConfigText_(itemConfigText) {
    setObjectName(QStringLiteral("ItemWindow"));
    setUpWindow(this, itemWindowSpec);
    buildControls(this, itemWindowControls);

    bindClick(this, "掉落数据添加按钮", &ItemWindow::onAttributeAddClicked);
    bindClick(this, "掉落数据添加按钮1", &ItemWindow::onEnchantmentAddClicked);
    bindClick(this, "超级按钮18", &ItemWindow::onItemClearClicked);
    bindClick(this, "超级按钮6", &ItemWindow::onItemPreviewClicked);
    bindClick(this, "超级按钮13", &ItemWindow::onItemGenerateClicked);
    bindDeleteRow(this, "超级按钮2", "列表框1");
    bindClearList(this, "超级按钮3", "列表框1");
    bindDeleteRow(this, "超级按钮1", "列表框2");
    bindClearList(this, "超级按钮4", "列表框2");

    onItemWindowCreated();
}

void ItemWindow::closeEvent(QCloseEvent *event) {
    // The dialogs write into this window's lists; none of them stays behind without it.
    for (QWidget *child : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (child->isWindow())
            child->close();
    QWidget::closeEvent(event);
}

void ItemWindow::onItemWindowCreated() {
    listClear(control<QListWidget>(this, "列表框2"));
    listClear(control<QListWidget>(this, "列表框1"));
}

void ItemWindow::onAttributeAddClicked() {
    openWindow(new ItemAttributeDialog(this, control<QListWidget>(this, "列表框1")), true);
}

void ItemWindow::onEnchantmentAddClicked() {
    openOrRaise(enchantmentDialog_,
                [this] { return new EnchantmentDialog(this, control<QListWidget>(this, "列表框2")); });
}

void ItemWindow::onItemClearClicked() {
    for (const char *field : {"物品编号框", "物品耐久框", "物品描述框", "物品种类框", "物品名称框"})
        writeText(control<QWidget>(this, field), QString());
    listClear(control<QListWidget>(this, "列表框1"));
    listClear(control<QListWidget>(this, "列表框2"));
}

void ItemWindow::onItemPreviewClicked() { openWindow(new ItemPreviewWindow(this), true); }

void ItemWindow::onItemGenerateClicked() {
    const item::ItemSheet sheet = readItemSheet();
    itemConfigText_ = item::generateItemConfig(sheet);
    const QString folder = QStringLiteral("Items");
    if (!saveConfigFile(folder, toQString(sheet.identifier), itemConfigText_, item::itemSheetTexts(sheet)))
        return;
    showMessage(QStringLiteral("物品配置已经生成到(%1)文件中，请注意查看!").arg(configFolderPath(folder)),
                false);
}

item::ItemSheet ItemWindow::readItemSheet() const {
    const auto text = [this](const char *name) { return readText(control<QWidget>(this, name)).toStdString(); };
    const auto rows = [this](const char *name) { return listRows(control<QListWidget>(this, name)); };
    item::ItemSheet sheet;
    sheet.identifier = text("物品编号框");
    sheet.material = text("物品种类框");
    sheet.dataValue = text("物品耐久框");
    sheet.displayName = text("物品名称框");
    sheet.description = text("物品描述框");
    sheet.attributeRows = rows("列表框1");
    sheet.enchantmentRows = rows("列表框2");
    return sheet;
}

const std::string &ItemWindow::generateItemConfig() {
    itemConfigText_ = item::generateItemConfig(readItemSheet());
    return itemConfigText_;
}


} // namespace ui
