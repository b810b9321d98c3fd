// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/item_window.h"

#include <QCloseEvent>
#include <QShortcut>

#include "item/banner_patterns.h"
#include "item/item_config.h"
#include "storage/config_files.h"
#include "ui/toolkit/message.h"
#include "ui/toolkit/widgets.h"
#include "ui/windows/banner_layer_dialog.h"
#include "ui/windows/enchantment_dialog.h"
#include "ui/windows/item_attribute_dialog.h"
#include "ui/windows/potion_effect_dialog.h"
#include "ui/windows/preview_window.h"

namespace ui {

ItemWindow::ItemWindow(SharedTexts &shared) : shared_(shared) {
    setObjectName(QStringLiteral("ItemWindow"));
    setUpWindow(this, itemWindowSpec);
    controls_ = buildControls<ItemWindowControls>(this, itemWindowControls);
    const ItemWindowControls &c = controls_;

    connect(c.attributeAddButton, &QPushButton::clicked, this, &ItemWindow::onAttributeAddClicked);
    connect(c.enchantmentAddButton, &QPushButton::clicked, this,
            &ItemWindow::onEnchantmentAddClicked);
    connect(c.potionEffectAddButton, &QPushButton::clicked, this,
            &ItemWindow::onPotionEffectAddClicked);
    connect(c.bannerLayerAddButton, &QPushButton::clicked, this,
            &ItemWindow::onBannerLayerAddClicked);
    connect(c.clearSheetButton, &QPushButton::clicked, this, &ItemWindow::onItemClearClicked);
    connect(c.previewButton, &QPushButton::clicked, this, &ItemWindow::onItemPreviewClicked);
    connect(c.openConfigButton, &QPushButton::clicked, this, &ItemWindow::onOpenConfigClicked);
    connect(c.generateButton, &QPushButton::clicked, this, &ItemWindow::onItemGenerateClicked);
    bindDeleteRow(c.attributeDeleteButton, c.attributeList);
    bindClearList(c.attributeClearButton, c.attributeList);
    bindDeleteRow(c.enchantmentDeleteButton, c.enchantmentList);
    bindClearList(c.enchantmentClearButton, c.enchantmentList);
    bindDeleteRow(c.potionEffectDeleteButton, c.potionEffectList);
    bindClearList(c.potionEffectClearButton, c.potionEffectList);
    bindDeleteRow(c.bannerLayerDeleteButton, c.bannerLayerList);
    bindClearList(c.bannerLayerClearButton, c.bannerLayerList);
    // The label is the context: it goes before the list when the window is destroyed, and the
    // list still reports its rows going then.
    onRowsChanged(c.bannerLayerList, c.bannerLayerWarningLabel,
                  [this] { onBannerLayersChanged(); });
    setWarningColour(c.bannerLayerWarningLabel);
    // The window has no menu bar; the keys of MainWindow's 打开, 保存 and 预览 work here all the
    // same.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), this), &QShortcut::activated, this,
            &ItemWindow::onOpenConfigClicked);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this), &QShortcut::activated, this,
            &ItemWindow::onItemGenerateClicked);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this), &QShortcut::activated, this,
            &ItemWindow::onItemPreviewClicked);

    onItemWindowCreated();
}

void ItemWindow::closeEvent(QCloseEvent *event) {
    if (!settleUnsavedEdits()) {
        event->ignore();
        return;
    }
    // The dialogs write into this window's lists; none of them stays behind without it.
    for (QWidget *child : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (child->isWindow())
            child->close();
    QWidget::closeEvent(event);
}

void ItemWindow::onItemWindowCreated() {
    const ItemWindowControls &c = controls_;
    // What each field becomes in the file, with an example.
    const std::pair<QWidget *, const char *> fileTips[] = {
        {c.identifierEdit,
         "物品代号：既是文件名（Sword 存为 Items/Sword.yml），也是配置中的物品名，"
         "用于给予物品，例如：Sword"},
        {c.materialEdit, "物品材质，写入 Id，例如：DIAMOND_SWORD"},
        {c.dataValueEdit, "物品耐久（数据值），写入 Data，例如：0"},
        {c.displayNameEdit, "物品显示的名称，写入 Display，例如：&6烈焰之剑"},
        {c.descriptionBox, "物品描述，每行写入 Lore 的一行，例如：&7由火焰锻造"},
        {c.attributeList, "写入 Attributes 的行，例如：MovementSpeed: 0.1"},
        {c.enchantmentList, "写入 Enchantments 的行，例如：- DAMAGE_ALL:5"},
        {c.potionEffectList, "写入 PotionEffects 的行，例如：- SPEED 20 0"},
        {c.bannerLayerList, "写入 BannerLayers 的行"},
    };
    for (const auto &[control, tip] : fileTips)
        setBalloonTip(control, QString::fromUtf8(tip));
    listClear(controls_.enchantmentList);
    listClear(controls_.attributeList);
    listClear(controls_.potionEffectList);
    listClear(controls_.bannerLayerList);
}

core::TargetServer ItemWindow::target() const {
    return shared_.target;
}

void ItemWindow::onAttributeAddClicked() {
    openWindow(new ItemAttributeDialog(this, controls_.attributeList), true);
}

void ItemWindow::onEnchantmentAddClicked() {
    openOrRaise(enchantmentDialog_,
                [this] { return new EnchantmentDialog(this, controls_.enchantmentList); });
}

void ItemWindow::onPotionEffectAddClicked() {
    openWindow(new PotionEffectDialog(this, controls_.potionEffectList, potionColour_,
                                      [this] { showPotionColour(); }),
               true);
}

void ItemWindow::onBannerLayerAddClicked() {
    openWindow(new BannerLayerDialog(this, controls_.bannerLayerList), true);
}

void ItemWindow::onBannerLayersChanged() {
    const bool tooMany = static_cast<std::size_t>(listRowCount(controls_.bannerLayerList)) >
                         item::craftableBannerLayers;
    writeFrameLineText(controls_.bannerLayerWarningLabel,
                       tooMany ? toQString(item::tooManyBannerLayersWarning) : QString());
}

void ItemWindow::showPotionColour() {
    writeFrameLineText(controls_.potionColourLabel,
                       potionColour_ ? QStringLiteral("颜色 ") +
                                           toQString(item::formatRgbColour(*potionColour_))
                                     : QString());
}

void ItemWindow::onItemClearClicked() {
    if (!settleUnsavedEdits())
        return;
    const ItemWindowControls &c = controls_;
    for (QWidget *field :
         std::initializer_list<QWidget *>{c.identifierEdit, c.dataValueEdit, c.descriptionBox,
                                          c.materialEdit, c.displayNameEdit})
        writeText(field, QString());
    listClear(c.attributeList);
    listClear(c.enchantmentList);
    listClear(c.potionEffectList);
    listClear(c.bannerLayerList);
    potionColour_.reset();
    showPotionColour();
    // What is entered next is a new item, not the entry that was opened.
    loaded_.reset();
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
    if (const auto refusal = loaded_
                                 ? std::nullopt
                                 : storage::refuseConfigPath(shared_.output, folder,
                                                             readText(controls_.identifierEdit))) {
        showMessage(refusal->text, true);
        return;
    }
    const item::ItemSheet sheet = readItemSheet();
    // Rows the Id ignores are saved if the user wants them: the Id may be changed later.
    if (const std::string question = item::ignoredSectionsQuestion(sheet);
        !question.empty() && !askQuestion(toQString(question)))
        return;
    if (!generateItemConfig())
        return;
    if (const auto refusal =
            loaded_ ? storage::saveEntryIntoConfigFile(
                          loaded_->path, loaded_->entry, sheet.identifier, shared_.itemConfigText,
                          loaded_->encoding, item::itemSheetTexts(sheet))
                    : storage::saveConfigFile(shared_.output, folder, toQString(sheet.identifier),
                                              shared_.itemConfigText, item::itemSheetTexts(sheet),
                                              shared_.target)) {
        showMessage(refusal->text, true);
        return;
    }
    if (loaded_) {
        loaded_->entry.name = sheet.identifier;
        savedSheet_ = sheet;
        showMessage(QStringLiteral("物品配置已经保存到(%1)文件中，请注意查看!").arg(loaded_->path),
                    false);
        return;
    }
    showMessage(QStringLiteral("物品配置已经生成到(%1)文件中，请注意查看!")
                    .arg(storage::configFolderPath(shared_.output, folder)),
                false);
}

bool ItemWindow::generateItemConfig() {
    item::ItemGeneration generation = item::generateItemConfig(readItemSheet(), target());
    if (!generation.ready()) {
        showMessage(QString::fromStdString(generation.warning), true);
        return false;
    }
    shared_.itemConfigText = std::move(generation.text);
    return true;
}

item::ItemSheet ItemWindow::readItemSheet() const {
    const auto text = [](const QWidget *field) { return toDomainText(readText(field)); };
    const ItemWindowControls &c = controls_;
    item::ItemSheet sheet;
    sheet.identifier = text(c.identifierEdit);
    sheet.material = text(c.materialEdit);
    sheet.dataValue = text(c.dataValueEdit);
    sheet.displayName = text(c.displayNameEdit);
    sheet.description = text(c.descriptionBox);
    sheet.attributeRows = listRows(c.attributeList);
    sheet.enchantmentRows = listRows(c.enchantmentList);
    sheet.potionEffectRows = listRows(c.potionEffectList);
    sheet.bannerLayerRows = listRows(c.bannerLayerList);
    sheet.potionColour = potionColour_;
    return sheet;
}

} // namespace ui
