// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "ui/toolkit/window_layout.h"
#include "ui/version.h"

namespace ui {

// The controls of MainWindow that its handlers use, in the order of the table.
struct MainWindowControls {
    QLineEdit *identifierEdit;
    QComboBox *entityTypeBox;
    QLineEdit *displayNameEdit;
    QLineEdit *healthEdit;
    QLineEdit *damageEdit;
    QComboBox *dropTypeBox;
    QLabel *dropFieldLabel1;
    QLineEdit *dropField1;
    QLabel *dropFieldLabel2;
    QLineEdit *dropField2;
    QLabel *dropFieldLabel3;
    QLineEdit *dropField3;
    QPushButton *dropAddButton;
    QPushButton *dropDeleteButton;
    QPushButton *dropClearButton;
    QListWidget *dropList;
    QPushButton *optionAddButton;
    QPushButton *optionDeleteButton;
    QPushButton *optionClearButton;
    QListWidget *optionList;
    QPushButton *aiAddButton;
    QPushButton *aiDeleteButton;
    QPushButton *aiClearButton;
    QListWidget *aiList;
    QLineEdit *killMessageEdit;
    QPushButton *killMessageAddButton;
    QPushButton *killMessageDeleteButton;
    QListWidget *killMessageList;
    QLineEdit *mainHandEdit;
    QLineEdit *offHandEdit;
    QLineEdit *helmetEdit;
    QLineEdit *chestplateEdit;
    QLineEdit *leggingsEdit;
    QLineEdit *bootsEdit;
    QPushButton *skillAddButton;
    QPushButton *skillDeleteButton;
    QPushButton *skillClearButton;
    QListWidget *skillList;
    QPushButton *commandListButton;
    QPushButton *variableListButton;
    QPushButton *colourCodesButton;
    QPushButton *languageButton;
    QPushButton *itemEditorButton;
    QPushButton *clearSheetButton;
    QPushButton *previewButton;
    QPushButton *openConfigButton;
    QPushButton *generateButton;
};

inline constexpr WindowSpec mainWindowSpec = {
    "Veltrane[V" VELTRANE_VERSION "]", {750, 524}, true, true};

// Group boxes first, each followed by its controls; positions inside a group box are
// relative to its top-left corner.
inline constexpr std::array mainWindowControls = std::to_array<ControlSpec<MainWindowControls>>({
    {ControlKind::GroupBox, "分组框1", "基础数据", 8, 32, 184, 160, nullptr},
    {ControlKind::Label, "透明标签2", "怪物编号:", 8, 28, 56, 16, "分组框1"},
    {ControlKind::LineEdit, "怪物编号框", "", 64, 24, 112, 24, "分组框1",
     bind<&MainWindowControls::identifierEdit>},
    {ControlKind::Label, "透明标签1", "怪物类型:", 8, 53, 56, 16, "分组框1"},
    {ControlKind::ComboBox, "怪物类型框", "", 64, 51, 112, 20, "分组框1",
     bind<&MainWindowControls::entityTypeBox>},
    {ControlKind::Label, "透明标签3", "怪物名称:", 8, 78, 56, 16, "分组框1"},
    {ControlKind::LineEdit, "怪物名称框", "", 64, 74, 112, 24, "分组框1",
     bind<&MainWindowControls::displayNameEdit>},
    {ControlKind::Label, "透明标签4", "怪物血量:", 8, 103, 56, 16, "分组框1"},
    {ControlKind::LineEdit, "怪物血量框", "", 64, 99, 112, 24, "分组框1",
     bind<&MainWindowControls::healthEdit>},
    {ControlKind::Label, "透明标签5", "怪物伤害:", 8, 128, 56, 16, "分组框1"},
    {ControlKind::LineEdit, "怪物伤害框", "", 64, 124, 112, 24, "分组框1",
     bind<&MainWindowControls::damageEdit>},
    {ControlKind::GroupBox, "分组框2", "掉落数据", 8, 200, 184, 288, nullptr},
    {ControlKind::Label, "透明标签6", "掉落类型:", 8, 24, 56, 16, "分组框2"},
    {ControlKind::ComboBox, "掉落类型框", "", 64, 24, 112, 20, "分组框2",
     bind<&MainWindowControls::dropTypeBox>},
    {ControlKind::Label, "掉落数据标签1", "掉落数据", 8, 51, 56, 16, "分组框2",
     bind<&MainWindowControls::dropFieldLabel1>},
    {ControlKind::LineEdit, "掉落数据编辑框1", "", 64, 48, 112, 24, "分组框2",
     bind<&MainWindowControls::dropField1>},
    {ControlKind::Label, "掉落数据标签2", "掉落数据", 8, 79, 56, 16, "分组框2",
     bind<&MainWindowControls::dropFieldLabel2>},
    {ControlKind::LineEdit, "掉落数据编辑框2", "", 64, 76, 112, 24, "分组框2",
     bind<&MainWindowControls::dropField2>},
    {ControlKind::Label, "掉落数据标签3", "掉落数据", 8, 108, 56, 16, "分组框2",
     bind<&MainWindowControls::dropFieldLabel3>},
    {ControlKind::LineEdit, "掉落数据编辑框3", "", 64, 104, 112, 24, "分组框2",
     bind<&MainWindowControls::dropField3>},
    {ControlKind::PushButton, "掉落数据添加按钮", "添加", 8, 136, 48, 24, "分组框2",
     bind<&MainWindowControls::dropAddButton>},
    {ControlKind::PushButton, "超级按钮2", "删除", 68, 136, 48, 24, "分组框2",
     bind<&MainWindowControls::dropDeleteButton>},
    {ControlKind::PushButton, "超级按钮3", "清空", 128, 136, 48, 24, "分组框2",
     bind<&MainWindowControls::dropClearButton>},
    {ControlKind::ListBox, "列表框1", "", 8, 168, 168, 112, "分组框2",
     bind<&MainWindowControls::dropList>},
    {ControlKind::GroupBox, "分组框3", "属性数据", 200, 32, 256, 160, nullptr},
    {ControlKind::PushButton, "超级按钮4", "添加", 8, 24, 48, 24, "分组框3",
     bind<&MainWindowControls::optionAddButton>},
    {ControlKind::PushButton, "超级按钮5", "删除", 104, 24, 48, 24, "分组框3",
     bind<&MainWindowControls::optionDeleteButton>},
    {ControlKind::PushButton, "超级按钮6", "清空", 200, 24, 48, 24, "分组框3",
     bind<&MainWindowControls::optionClearButton>},
    {ControlKind::ListBox, "列表框2", "", 8, 56, 240, 96, "分组框3",
     bind<&MainWindowControls::optionList>},
    {ControlKind::GroupBox, "分组框4", "AI数据", 200, 200, 256, 160, nullptr},
    {ControlKind::PushButton, "超级按钮7", "添加", 8, 24, 48, 24, "分组框4",
     bind<&MainWindowControls::aiAddButton>},
    {ControlKind::PushButton, "超级按钮8", "删除", 104, 24, 48, 24, "分组框4",
     bind<&MainWindowControls::aiDeleteButton>},
    {ControlKind::PushButton, "超级按钮9", "清空", 200, 24, 48, 24, "分组框4",
     bind<&MainWindowControls::aiClearButton>},
    {ControlKind::ListBox, "列表框5", "", 8, 56, 240, 96, "分组框4",
     bind<&MainWindowControls::aiList>},
    {ControlKind::GroupBox, "分组框5", "自定义击杀信息", 200, 368, 256, 120, nullptr},
    {ControlKind::LineEdit, "编辑框1", "", 8, 16, 128, 24, "分组框5",
     bind<&MainWindowControls::killMessageEdit>},
    {ControlKind::PushButton, "超级按钮1", "添加", 144, 16, 48, 24, "分组框5",
     bind<&MainWindowControls::killMessageAddButton>},
    {ControlKind::PushButton, "超级按钮20", "删除", 200, 16, 48, 24, "分组框5",
     bind<&MainWindowControls::killMessageDeleteButton>},
    {ControlKind::ListBox, "列表框4", "", 8, 48, 240, 64, "分组框5",
     bind<&MainWindowControls::killMessageList>},
    {ControlKind::GroupBox, "分组框6", "装备数据", 464, 32, 272, 96, nullptr},
    {ControlKind::Label, "透明标签10", "主手:", 8, 19, 32, 16, "分组框6"},
    {ControlKind::LineEdit, "编辑框10", "", 40, 16, 64, 24, "分组框6",
     bind<&MainWindowControls::mainHandEdit>},
    {ControlKind::Label, "透明标签11", "副手:", 168, 19, 32, 16, "分组框6"},
    {ControlKind::LineEdit, "编辑框11", "", 200, 16, 64, 24, "分组框6",
     bind<&MainWindowControls::offHandEdit>},
    {ControlKind::Label, "透明标签12", "头盔:", 8, 44, 32, 16, "分组框6"},
    {ControlKind::LineEdit, "编辑框12", "", 40, 41, 64, 24, "分组框6",
     bind<&MainWindowControls::helmetEdit>},
    {ControlKind::Label, "透明标签13", "胸甲:", 168, 44, 32, 16, "分组框6"},
    {ControlKind::LineEdit, "编辑框13", "", 200, 41, 64, 24, "分组框6",
     bind<&MainWindowControls::chestplateEdit>},
    {ControlKind::Label, "透明标签14", "护腿:", 8, 69, 32, 16, "分组框6"},
    {ControlKind::LineEdit, "编辑框14", "", 40, 66, 64, 24, "分组框6",
     bind<&MainWindowControls::leggingsEdit>},
    {ControlKind::Label, "透明标签15", "靴子:", 168, 69, 32, 16, "分组框6"},
    {ControlKind::LineEdit, "编辑框15", "", 200, 66, 64, 24, "分组框6",
     bind<&MainWindowControls::bootsEdit>},
    {ControlKind::GroupBox, "分组框7", "技能数据", 464, 136, 272, 176, nullptr},
    {ControlKind::PushButton, "超级按钮24", "添加", 16, 16, 48, 24, "分组框7",
     bind<&MainWindowControls::skillAddButton>},
    {ControlKind::PushButton, "超级按钮23", "删除", 112, 16, 48, 24, "分组框7",
     bind<&MainWindowControls::skillDeleteButton>},
    {ControlKind::PushButton, "超级按钮21", "清空", 208, 16, 48, 24, "分组框7",
     bind<&MainWindowControls::skillClearButton>},
    {ControlKind::ListBox, "列表框3", "", 16, 48, 240, 120, "分组框7",
     bind<&MainWindowControls::skillList>},
    {ControlKind::GroupBox, "分组框8", "控制区", 464, 320, 272, 120, nullptr},
    {ControlKind::PushButton, "超级按钮10", "指令列表", 8, 24, 50, 24, "分组框8",
     bind<&MainWindowControls::commandListButton>},
    {ControlKind::PushButton, "超级按钮12", "变量列表", 74, 24, 50, 24, "分组框8",
     bind<&MainWindowControls::variableListButton>},
    {ControlKind::PushButton, "超级按钮11", "颜色代码", 140, 24, 50, 24, "分组框8",
     bind<&MainWindowControls::colourCodesButton>},
    {ControlKind::PushButton, "超级按钮19", "语言", 208, 24, 50, 24, "分组框8",
     bind<&MainWindowControls::languageButton>},
    {ControlKind::PushButton, "超级按钮16", "刷怪点", 8, 56, 50, 24, "分组框8", nullptr, true},
    {ControlKind::PushButton, "超级按钮17", "物品编辑", 72, 56, 50, 24, "分组框8",
     bind<&MainWindowControls::itemEditorButton>},
    {ControlKind::PushButton, "超级按钮22", "附属", 208, 56, 50, 24, "分组框8", nullptr, true},
    {ControlKind::PushButton, "超级按钮18", "清空内容", 8, 88, 50, 24, "分组框8",
     bind<&MainWindowControls::clearSheetButton>},
    {ControlKind::PushButton, "超级按钮15", "预览配置", 74, 88, 50, 24, "分组框8",
     bind<&MainWindowControls::previewButton>},
    {ControlKind::PushButton, "超级按钮14", "读取配置", 140, 88, 50, 24, "分组框8",
     bind<&MainWindowControls::openConfigButton>},
    {ControlKind::PushButton, "超级按钮13", "生成配置", 208, 88, 50, 24, "分组框8",
     bind<&MainWindowControls::generateButton>},
});

} // namespace ui
