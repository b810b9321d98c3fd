// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/main_window.h"

#include <QCloseEvent>

#include "mob/drop_types.h"
#include "mob/entity_types.h"
#include "mob/mob_config.h"
#include "storage/config_files.h"
#include "storage/files.h"
#include "storage/settings.h"
#include "ui/toolkit/message.h"
#include "ui/toolkit/widgets.h"
#include "ui/windows/ai_dialog.h"
#include "ui/windows/item_window.h"
#include "ui/windows/mob_option_dialog.h"
#include "ui/windows/preview_window.h"
#include "ui/windows/reference_windows.h"
#include "ui/windows/skill_dialog.h"

namespace ui {

MainWindow::MainWindow() {
    setObjectName(QStringLiteral("MainWindow"));
    setUpWindow(this, mainWindowSpec);
    controls_ = buildControls<MainWindowControls>(this, mainWindowControls);
    const MainWindowControls &c = controls_;

    for (const mob::EntityType &type : mob::entityTypes)
        comboAddRow(c.entityTypeBox, toQString(type.caption));
    setSelectedIndex(c.entityTypeBox, 0);
    makeFilterable(c.entityTypeBox); // 53 types: typing narrows them
    for (const mob::DropType &type : mob::dropTypes)
        comboAddRow(c.dropTypeBox, toQString(type.caption));

    connect(c.dropTypeBox, &QComboBox::activated, this, &MainWindow::onDropTypeSelected);
    connect(c.dropAddButton, &QPushButton::clicked, this, &MainWindow::onDropAddClicked);
    connect(c.optionAddButton, &QPushButton::clicked, this, &MainWindow::onOptionAddClicked);
    connect(c.aiAddButton, &QPushButton::clicked, this, &MainWindow::onAiAddClicked);
    connect(c.skillAddButton, &QPushButton::clicked, this, &MainWindow::onSkillAddClicked);
    connect(c.killMessageAddButton, &QPushButton::clicked, this,
            &MainWindow::onKillMessageAddClicked);
    pressOnEnter(c.killMessageEdit, c.killMessageAddButton);
    for (QLineEdit *field : {c.dropField1, c.dropField2, c.dropField3})
        pressOnEnter(field, c.dropAddButton);
    connect(c.clearSheetButton, &QPushButton::clicked, this, &MainWindow::onMobClearClicked);
    connect(c.generateButton, &QPushButton::clicked, this, &MainWindow::onMobGenerateClicked);
    connect(c.previewButton, &QPushButton::clicked, this, &MainWindow::onMobPreviewClicked);
    connect(c.openConfigButton, &QPushButton::clicked, this, &MainWindow::onOpenConfigClicked);
    connect(c.itemEditorButton, &QPushButton::clicked, this, &MainWindow::onItemEditorClicked);
    connect(c.colourCodesButton, &QPushButton::clicked, this, &MainWindow::onColourCodesClicked);
    connect(c.commandListButton, &QPushButton::clicked, this, &MainWindow::onCommandListClicked);
    connect(c.variableListButton, &QPushButton::clicked, this, &MainWindow::onVariableListClicked);
    connect(c.languageButton, &QPushButton::clicked, this, &MainWindow::onLanguageClicked);
    bindDeleteRow(c.dropDeleteButton, c.dropList);
    bindClearList(c.dropClearButton, c.dropList);
    bindDeleteRow(c.optionDeleteButton, c.optionList);
    bindClearList(c.optionClearButton, c.optionList);
    bindDeleteRow(c.aiDeleteButton, c.aiList);
    bindClearList(c.aiClearButton, c.aiList);
    bindDeleteRow(c.killMessageDeleteButton, c.killMessageList);
    bindDeleteRow(c.skillDeleteButton, c.skillList);
    bindClearList(c.skillClearButton, c.skillList);

    texts_.target = storage::loadTarget();
    texts_.output = storage::loadOutputFolder();
    buildMenus();
    onMainWindowCreated();
}

MainWindow::~MainWindow() {
    delete itemWindow_;
}

std::array<QListWidget *, 5> MainWindow::sheetLists() const {
    return {controls_.dropList, controls_.optionList, controls_.aiList, controls_.killMessageList,
            controls_.skillList};
}

void MainWindow::onMainWindowCreated() {
#ifdef Q_OS_WIN
    // Nothing reads these folders; they are made because the program always made them.
    storage::createFolder(QStringLiteral("D:\\tandrel"));
    storage::createFolder(QStringLiteral("D:\\tandrel\\Veltrane"));
#endif
    // Without a working directory or the chosen folder there is nowhere to make them; a save
    // then says so.
    storage::createOutputFolders(texts_.output);

    const MainWindowControls &c = controls_;
    const std::pair<QWidget *, const char *> balloonTips[] = {
        {c.identifierEdit, "怪物代号，用于召唤怪物，数值随意。"},
        {c.entityTypeBox, "怪物类型，用于选择怪物的外观。"},
        {c.displayNameEdit, "怪物头顶显示的名称。"},
        {c.healthEdit, "怪物的血量。"},
        {c.damageEdit, "怪物的伤害。"},
        {c.dropTypeBox, "掉落类型，用于自定义掉落。"},
    };
    // What each other field becomes in the file, with an example.
    const std::pair<QWidget *, const char *> fileTips[] = {
        {c.killMessageEdit,
         "击杀玩家时的消息，写入 KillMessages，例如：<target.name>被<caster.name>击杀"},
        {c.mainHandEdit,
         "主手物品，写入 Equipment（MythicMobs 4 为 :0，5 为 HAND），例如：DIAMOND_SWORD"},
        {c.offHandEdit, "副手物品，写入 Equipment（:5 / OFFHAND），例如：SHIELD"},
        {c.helmetEdit, "头盔，写入 Equipment（:4 / HEAD），例如：IRON_HELMET"},
        {c.chestplateEdit, "胸甲，写入 Equipment（:3 / CHEST），例如：IRON_CHESTPLATE"},
        {c.leggingsEdit, "护腿，写入 Equipment（:2 / LEGS），例如：IRON_LEGGINGS"},
        {c.bootsEdit, "靴子，写入 Equipment（:1 / FEET），例如：IRON_BOOTS"},
        {c.dropList, "写入 Drops 的行，例如：- exp 10 1"},
        {c.optionList, "写入 Options 的行，例如：MovementSpeed: 0.3"},
        {c.aiList, "写入 AIGoalSelectors / AITargetSelectors 的行，例如：- 1 meleeattack"},
        {c.killMessageList, "写入 KillMessages 的行"},
        {c.skillList, "写入 Skills 的行，例如：- skill{s=Fireball} @target ~onTimer:100"},
    };
    for (const auto &[control, tip] : balloonTips)
        setBalloonTip(control, QString::fromUtf8(tip));
    for (const auto &[control, tip] : fileTips)
        setBalloonTip(control, QString::fromUtf8(tip));
    for (QListWidget *list : sheetLists())
        listClear(list);
}

void MainWindow::onKillMessageAddClicked() {
    const QString message = readText(controls_.killMessageEdit);
    if (message.isEmpty()) {
        showMessage(QStringLiteral("请输入击杀消息！"), true);
        return;
    }
    listAddRow(controls_.killMessageList, message, 0);
}

void MainWindow::onOptionAddClicked() {
    const QString entity =
        comboRowText(controls_.entityTypeBox, selectedIndex(controls_.entityTypeBox));
    openWindow(new MobOptionDialog(this, entity, controls_.optionList), true);
}

void MainWindow::onAiAddClicked() {
    openWindow(new AiDialog(this, controls_.aiList), true);
}

void MainWindow::onSkillAddClicked() {
    openWindow(new SkillDialog(this, controls_.skillList), true);
}

void MainWindow::onMobClearClicked() {
    if (!settleUnsavedEdits())
        return;
    const MainWindowControls &c = controls_;
    for (QLineEdit *field : {c.identifierEdit, c.damageEdit, c.displayNameEdit})
        writeText(field, QString());
    for (QListWidget *list : sheetLists())
        listClear(list);
    for (QLineEdit *field : {c.dropField1, c.dropField2, c.dropField3})
        writeText(field, QString());
    setSelectedIndex(c.dropTypeBox, -1);
    writeText(c.killMessageEdit, QString());
    for (QLineEdit *field : {c.mainHandEdit, c.offHandEdit, c.helmetEdit, c.chestplateEdit,
                             c.leggingsEdit, c.bootsEdit})
        writeText(field, QString());
    // What is entered next is a new mob, not the entry that was opened.
    loaded_.reset();
}

mob::MobSheet MainWindow::readMobSheet() const {
    const auto text = [](const QLineEdit *edit) { return toDomainText(readText(edit)); };
    const MainWindowControls &c = controls_;
    mob::MobSheet sheet;
    sheet.identifier = text(c.identifierEdit);
    sheet.entityType = selectedIndex(c.entityTypeBox);
    sheet.displayName = text(c.displayNameEdit);
    sheet.health = text(c.healthEdit);
    sheet.damage = text(c.damageEdit);
    sheet.dropRows = listRows(c.dropList);
    sheet.mainHand = text(c.mainHandEdit);
    sheet.offHand = text(c.offHandEdit);
    sheet.helmet = text(c.helmetEdit);
    sheet.chestplate = text(c.chestplateEdit);
    sheet.leggings = text(c.leggingsEdit);
    sheet.boots = text(c.bootsEdit);
    sheet.optionRows = listRows(c.optionList);
    sheet.killMessageRows = listRows(c.killMessageList);
    sheet.aiRows = listRows(c.aiList);
    sheet.skillRows = listRows(c.skillList);
    return sheet;
}

void MainWindow::generateMobConfig() {
    mob::MobGeneration generation =
        mob::generateMobConfig(readMobSheet(), texts_.entityTypeKey, texts_.target);
    texts_.entityTypeKey = std::move(generation.entityTypeKey);
    texts_.mobConfigReady = generation.ready();
    if (!generation.ready()) {
        showMessage(QString::fromStdString(generation.warning), true);
        return;
    }
    texts_.mobConfigText = std::move(generation.text);
}

void MainWindow::onMobGenerateClicked() {
    const QString folder = QStringLiteral("mobs");
    // An identifier that leads out of the folder is told as such before anything else.
    if (const auto refusal = loaded_
                                 ? std::nullopt
                                 : storage::refuseConfigPath(texts_.output, folder,
                                                             readText(controls_.identifierEdit))) {
        showMessage(refusal->text, true);
        return;
    }
    generateMobConfig();
    if (!texts_.mobConfigReady)
        return;
    const mob::MobSheet sheet = readMobSheet();
    if (const auto refusal =
            loaded_ ? storage::saveEntryIntoConfigFile(loaded_->path, loaded_->entry,
                                                       sheet.identifier, texts_.mobConfigText,
                                                       loaded_->encoding, mob::mobSheetTexts(sheet))
                    : storage::saveConfigFile(texts_.output, folder, toQString(sheet.identifier),
                                              texts_.mobConfigText, mob::mobSheetTexts(sheet),
                                              texts_.target)) {
        showMessage(refusal->text, true);
        return;
    }
    if (loaded_) {
        loaded_->entry.name = sheet.identifier;
        savedSheet_ = sheet;
        showMessage(QStringLiteral("怪物配置已经保存到(%1)文件中，请注意查看!").arg(loaded_->path),
                    false);
        return;
    }
    showMessage(QStringLiteral("怪物配置已经生成到(%1)文件中，请注意查看!")
                    .arg(storage::configFolderPath(texts_.output, folder)),
                false);
}

void MainWindow::onMobPreviewClicked() {
    generateMobConfig();
    if (!texts_.mobConfigReady)
        return;
    openWindow(new PreviewWindow(this, "MobPreviewWindow", mobPreviewSpec,
                                 toQString(texts_.mobConfigText)),
               true);
}

void MainWindow::onItemEditorClicked() {
    openOrRaise(itemWindow_, [this] { return new ItemWindow(texts_); });
}

void MainWindow::onColourCodesClicked() {
    openOrRaise(colourCodeWindow_, [this] { return new ColourCodeWindow(this); });
}

void MainWindow::onCommandListClicked() {
    openOrRaise(commandListWindow_, [this] { return new CommandListWindow(this); });
}

void MainWindow::onVariableListClicked() {
    openOrRaise(variableListWindow_, [this] { return new VariableListWindow(this); });
}

void MainWindow::onLanguageClicked() {
    openWindow(new LanguageWindow(this), true);
}

} // namespace ui
