// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/item_window.h"

#include <QCloseEvent>

#include "item/item_config.h"
#include "storage/config_files.h"
#include "ui/toolkit/message.h"
#include "ui/toolkit/widgets.h"
#include "ui/windows/enchantment_dialog.h"
#include "ui/windows/item_attribute_dialog.h"
#include "ui/windows/preview_window.h"

namespace ui {

ItemWindow::ItemWindow(QWidget *owner, SharedTexts &shared) : QWidget(owner), shared_(shared) {
    setObjectName(QStringLiteral("ItemWindow"));
    setUpWindow(this, itemWindowSpec);
    controls_ = buildControls<ItemWindowControls>(this, itemWindowControls);
    const ItemWindowControls &c = controls_;

    connect(c.attributeAddButton, &QPushButton::clicked, this, &ItemWindow::onAttributeAddClicked);
    connect(c.enchantmentAddButton, &QPushButton::clicked, this,
            &ItemWindow::onEnchantmentAddClicked);
    connect(c.clearSheetButton, &QPushButton::clicked, this, &ItemWindow::onItemClearClicked);
    connect(c.previewButton, &QPushButton::clicked, this, &ItemWindow::onItemPreviewClicked);
    connect(c.generateButton, &QPushButton::clicked, this, &ItemWindow::onItemGenerateClicked);
    bindDeleteRow(c.attributeDeleteButton, c.attributeList);
    bindClearList(c.attributeClearButton, c.attributeList);
    bindDeleteRow(c.enchantmentDeleteButton, c.enchantmentList);
    bindClearList(c.enchantmentClearButton, c.enchantmentList);

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
    listClear(controls_.enchantmentList);
    listClear(controls_.attributeList);
}

void ItemWindow::onAttributeAddClicked() {
    openWindow(new ItemAttributeDialog(this, controls_.attributeList), true);
}

void ItemWindow::onEnchantmentAddClicked() {
    openOrRaise(enchantmentDialog_,
                [this] { return new EnchantmentDialog(this, controls_.enchantmentList); });
}

void ItemWindow::onItemClearClicked() {
    const ItemWindowControls &c = controls_;
    for (QWidget *field :
         std::initializer_list<QWidget *>{c.identifierEdit, c.dataValueEdit, c.descriptionBox,
                                          c.materialEdit, c.displayNameEdit})
        writeText(field, QString());
    listClear(c.attributeList);
    listClear(c.enchantmentList);
}

void ItemWindow::onItemPreviewClicked() {
    // The preview shows the sheet as it is now, so opening it generates anew.
    if (!generateItemConfig())
        return;
    openWindow(new PreviewWindow(this, "ItemPreviewWindow", itemPreviewSpec,
                                 toQString(shared_.itemConfigText)),
               true);
}

void ItemWindow::onItemGenerateClicked() {
    const QString folder = QStringLiteral("Items");
    // An identifier that leads out of the folder is told as such before anything else.
    if (const auto refusal =
            storage::refuseConfigPath(folder, readText(controls_.identifierEdit))) {
        showMessage(refusal->text, true);
        return;
    }
    if (!generateItemConfig())
        return;
    const item::ItemSheet sheet = readItemSheet();
    if (const auto refusal =
            storage::saveConfigFile(folder, toQString(sheet.identifier), shared_.itemConfigText,
                                    item::itemSheetTexts(sheet), shared_.target)) {
        showMessage(refusal->text, true);
        return;
    }
    showMessage(QStringLiteral("物品配置已经生成到(%1)文件中，请注意查看!")
                    .arg(storage::configFolderPath(folder)),
                false);
}

bool ItemWindow::generateItemConfig() {
    item::ItemGeneration generation = item::generateItemConfig(readItemSheet(), shared_.target);
    if (!generation.ready()) {
        showMessage(QString::fromStdString(generation.warning), true);
        return false;
    }
    shared_.itemConfigText = std::move(generation.text);
    return true;
}

item::ItemSheet ItemWindow::readItemSheet() const {
    const auto text = [](const QWidget *field) { return readText(field).toStdString(); };
    const ItemWindowControls &c = controls_;
    item::ItemSheet sheet;
    sheet.identifier = text(c.identifierEdit);
    sheet.material = text(c.materialEdit);
    sheet.dataValue = text(c.dataValueEdit);
    sheet.displayName = text(c.displayNameEdit);
    sheet.description = text(c.descriptionBox);
    sheet.attributeRows = listRows(c.attributeList);
    sheet.enchantmentRows = listRows(c.enchantmentList);
    return sheet;
}

} // namespace ui
