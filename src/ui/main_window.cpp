// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "mob/drop_types.h"
#include "mob/entity_types.h"
#include "mob/mob_config.h"
#include "ui/ai_dialog.h"
#include "ui/config_save.h"
#include "ui/host.h"
#include "ui/item_window.h"
#include "ui/main_window_layout.h"
#include "ui/message.h"
#include "ui/mob_option_dialog.h"
#include "ui/mob_preview_window.h"
#include "ui/reference_windows.h"
#include "ui/widgets.h"

namespace ui {
namespace {

struct BalloonTip {
    const char *control;
    const char *text;
};

constexpr std::array<BalloonTip, 6> balloonTips = {{
    {"怪物编号框", "怪物代号，用于召唤怪物，数值随意。"},
    {"怪物类型框", "怪物类型，用于选择怪物的外观。"},
    {"怪物名称框", "怪物头顶显示的名称。"},
    {"怪物血量框", "怪物的血量。"},
    {"怪物伤害框", "怪物的伤害。"},
    {"掉落类型框", "掉落类型，用于自定义掉落。"},
}};

// The four lists that carry the sheet, in the order they are cleared.
constexpr std::array<const char *, 4> sheetLists = {"列表框1", "列表框2", "列表框5", "列表框4"};

} // namespace

MainWindow::MainWindow() {
    setObjectName(QStringLiteral("MainWindow"));
    setUpWindow(this, mainWindowSpec);
    buildControls(this, mainWindowControls);

    auto *entityBox = control<QComboBox>(this, "怪物类型框");
    for (const mob::EntityType &type : mob::entityTypes)
        comboAddRow(entityBox, toQString(type.caption));
    setSelectedIndex(entityBox, 0);
    auto *dropTypeBox = control<QComboBox>(this, "掉落类型框");
    for (const mob::DropType &type : mob::dropTypes)
        comboAddRow(dropTypeBox, toQString(type.caption));

    connect(dropTypeBox, &QComboBox::activated, this, &MainWindow::onDropTypeSelected);
    bindClick(this, "掉落数据添加按钮", &MainWindow::onDropAddClicked);
    bindClick(this, "超级按钮4", &MainWindow::onOptionAddClicked);
    bindClick(this, "超级按钮7", &MainWindow::onAiAddClicked);
    bindClick(this, "超级按钮1", &MainWindow::onKillMessageAddClicked);
    pressOnEnter(this, "编辑框1", "超级按钮1");
    for (const char *field : {"掉落数据编辑框1", "掉落数据编辑框2", "掉落数据编辑框3"})
        pressOnEnter(this, field, "掉落数据添加按钮");
    bindClick(this, "超级按钮18", &MainWindow::onMobClearClicked);
    bindClick(this, "超级按钮13", &MainWindow::onMobGenerateClicked);
    bindClick(this, "超级按钮15", &MainWindow::onMobPreviewClicked);
    bindClick(this, "超级按钮17", &MainWindow::onItemEditorClicked);
    bindClick(this, "超级按钮11", &MainWindow::onColourCodesClicked);
    bindClick(this, "超级按钮10", &MainWindow::onCommandListClicked);
    bindClick(this, "超级按钮12", &MainWindow::onVariableListClicked);
    bindClick(this, "超级按钮19", &MainWindow::onLanguageClicked);
    bindDeleteRow(this, "超级按钮2", "列表框1");
    bindClearList(this, "超级按钮3", "列表框1");
    bindDeleteRow(this, "超级按钮5", "列表框2");
    bindClearList(this, "超级按钮6", "列表框2");
    bindDeleteRow(this, "超级按钮8", "列表框5");
    bindClearList(this, "超级按钮9", "列表框5");
    bindDeleteRow(this, "超级按钮20", "列表框4");

    onMainWindowCreated();
}

void MainWindow::onMainWindowCreated() {
    const QString workDir = workingDirectory();
    createFolder(hostPath({workDir, QStringLiteral("MythicMobs")}));
    createFolder(hostPath({workDir, QStringLiteral("MythicMobs"), QStringLiteral("mobs")}));
#ifdef Q_OS_WIN
    // Nothing reads these folders; they are made because the program always made them.
    createFolder(QStringLiteral("D:\\tandrel"));
    createFolder(QStringLiteral("D:\\tandrel\\Veltrane"));
#endif
    createFolder(hostPath({workDir, QStringLiteral("MythicMobs"), QStringLiteral("Items")}));
    for (const BalloonTip &tip : balloonTips)
        setBalloonTip(control<QWidget>(this, tip.control), QString::fromUtf8(tip.text));
    for (const char *list : sheetLists)
        listClear(control<QListWidget>(this, list));
}

void MainWindow::onKillMessageAddClicked() {
    const QString message = readText(control<QLineEdit>(this, "编辑框1"));
    if (message.isEmpty()) {
        showMessage(QStringLiteral("请输入击杀消息！"), true);
        return;
    }
    listAddRow(control<QListWidget>(this, "列表框4"), message, 0);
}

void MainWindow::onOptionAddClicked() { openWindow(new MobOptionDialog(this), true); }

void MainWindow::onAiAddClicked() { openWindow(new AiDialog(this), true); }

void MainWindow::onMobClearClicked() {
    for (const char *field : {"怪物编号框", "怪物伤害框", "怪物名称框"})
        writeText(control<QLineEdit>(this, field), QString());
    for (const char *list : sheetLists)
        listClear(control<QListWidget>(this, list));
    for (const char *field : {"掉落数据编辑框1", "掉落数据编辑框2", "掉落数据编辑框3"})
        writeText(control<QLineEdit>(this, field), QString());
    setSelectedIndex(control<QComboBox>(this, "掉落类型框"), -1);
    writeText(control<QLineEdit>(this, "编辑框1"), QString());
    for (const char *field : {"编辑框10", "编辑框11", "编辑框12", "编辑框13", "编辑框14", "编辑框15"})
        writeText(control<QLineEdit>(this, field), QString());
}

mob::MobSheet MainWindow::readMobSheet() const {
    const auto text = [this](const char *name) {
        return readText(control<QLineEdit>(this, name)).toStdString();
    };
    const auto rows = [this](const char *name) { return listRows(control<QListWidget>(this, name)); };
    mob::MobSheet sheet;
    sheet.identifier = text("怪物编号框");
    sheet.entityType = selectedIndex(control<QComboBox>(this, "怪物类型框"));
    sheet.displayName = text("怪物名称框");
    sheet.health = text("怪物血量框");
    sheet.damage = text("怪物伤害框");
    sheet.dropRows = rows("列表框1");
    sheet.mainHand = text("编辑框10");
    sheet.offHand = text("编辑框11");
    sheet.helmet = text("编辑框12");
    sheet.chestplate = text("编辑框13");
    sheet.leggings = text("编辑框14");
    sheet.boots = text("编辑框15");
    sheet.optionRows = rows("列表框2");
    sheet.killMessageRows = rows("列表框4");
    sheet.aiRows = rows("列表框5");
    return sheet;
}

void MainWindow::generateMobConfig() {
    mob::MobGeneration generation = mob::generateMobConfig(readMobSheet(), texts_.entityTypeKey);
    texts_.entityTypeKey = std::move(generation.entityTypeKey);
    texts_.mobConfigReady = generation.ready();
    if (!generation.ready()) {
        showMessage(QString::fromStdString(generation.warning), true);
        return;
    }
    texts_.mobConfigText = std::move(generation.text);
}

void MainWindow::onMobGenerateClicked() {
    generateMobConfig();
    if (!texts_.mobConfigReady)
        return;
    const mob::MobSheet sheet = readMobSheet();
    const QString folder = QStringLiteral("mobs");
    if (!saveConfigFile(folder, toQString(sheet.identifier), texts_.mobConfigText, mob::mobSheetTexts(sheet)))
        return;
    showMessage(QStringLiteral("怪物配置已经生成到(%1)文件中，请注意查看!").arg(configFolderPath(folder)),
                false);
}

void MainWindow::onMobPreviewClicked() {
    generateMobConfig();
    if (!texts_.mobConfigReady)
        return;
    openWindow(new MobPreviewWindow(this, toQString(texts_.mobConfigText)), true);
}

void MainWindow::onItemEditorClicked() {
    openOrRaise(itemWindow_, [this] { return new ItemWindow(this, texts_.itemConfigText); });
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

void MainWindow::onLanguageClicked() { openWindow(new LanguageWindow(this), true); }

} // namespace ui
