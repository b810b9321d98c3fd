// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/toolkit/window_layout.h"

// The windows of the item editor. Group boxes come first, each followed by its controls;
// positions inside a group box are relative to its top-left corner.
namespace ui {

inline constexpr WindowSpec itemWindowSpec = {"Veltrane 物品", {663, 326}, true};

struct ItemWindowControls {
    QLineEdit *identifierEdit;
    QLineEdit *materialEdit;
    QLineEdit *dataValueEdit;
    QLineEdit *displayNameEdit;
    QPlainTextEdit *descriptionBox;
    QPushButton *attributeAddButton;
    QPushButton *attributeDeleteButton;
    QPushButton *attributeClearButton;
    QListWidget *attributeList;
    QPushButton *enchantmentAddButton;
    QPushButton *enchantmentDeleteButton;
    QPushButton *enchantmentClearButton;
    QListWidget *enchantmentList;
    QPushButton *clearSheetButton;
    QPushButton *previewButton;
    QPushButton *generateButton;
};

inline constexpr std::array itemWindowControls = std::to_array<ControlSpec<ItemWindowControls>>({
    {ControlKind::GroupBox, "分组框1", "基础数据", 8, 8, 184, 136},
    {ControlKind::Label, "透明标签2", "物品编号:", 8, 28, 56, 16, "分组框1"},
    {ControlKind::LineEdit, "物品编号框", "", 64, 24, 112, 24, "分组框1",
     bind<&ItemWindowControls::identifierEdit>},
    {ControlKind::Label, "透明标签1", "物品种类:", 8, 53, 56, 16, "分组框1"},
    {ControlKind::LineEdit, "物品种类框", "", 64, 49, 112, 24, "分组框1",
     bind<&ItemWindowControls::materialEdit>},
    {ControlKind::Label, "透明标签3", "物品耐久:", 8, 78, 56, 16, "分组框1"},
    {ControlKind::LineEdit, "物品耐久框", "", 64, 74, 112, 24, "分组框1",
     bind<&ItemWindowControls::dataValueEdit>},
    {ControlKind::Label, "透明标签4", "物品名称:", 8, 103, 56, 16, "分组框1"},
    {ControlKind::LineEdit, "物品名称框", "", 64, 99, 112, 24, "分组框1",
     bind<&ItemWindowControls::displayNameEdit>},
    {ControlKind::GroupBox, "分组框2", "物品描述", 8, 152, 184, 136},
    {ControlKind::TextBoxNoWrap, "物品描述框", "", 2, 14, 179, 119, "分组框2",
     bind<&ItemWindowControls::descriptionBox>},
    {ControlKind::GroupBox, "分组框3", "物品属性", 200, 8, 184, 136},
    {ControlKind::PushButton, "掉落数据添加按钮", "添加", 8, 24, 48, 24, "分组框3",
     bind<&ItemWindowControls::attributeAddButton>},
    {ControlKind::PushButton, "超级按钮2", "删除", 68, 24, 48, 24, "分组框3",
     bind<&ItemWindowControls::attributeDeleteButton>},
    {ControlKind::PushButton, "超级按钮3", "清空", 128, 24, 48, 24, "分组框3",
     bind<&ItemWindowControls::attributeClearButton>},
    {ControlKind::ListBox, "列表框1", "", 8, 56, 168, 72, "分组框3",
     bind<&ItemWindowControls::attributeList>},
    {ControlKind::GroupBox, "分组框4", "物品附魔", 200, 152, 184, 136},
    {ControlKind::PushButton, "掉落数据添加按钮1", "添加", 8, 24, 48, 24, "分组框4",
     bind<&ItemWindowControls::enchantmentAddButton>},
    {ControlKind::PushButton, "超级按钮1", "删除", 68, 24, 48, 24, "分组框4",
     bind<&ItemWindowControls::enchantmentDeleteButton>},
    {ControlKind::PushButton, "超级按钮4", "清空", 128, 24, 48, 24, "分组框4",
     bind<&ItemWindowControls::enchantmentClearButton>},
    {ControlKind::ListBox, "列表框2", "", 8, 56, 168, 72, "分组框4",
     bind<&ItemWindowControls::enchantmentList>},
    {ControlKind::GroupBox, "分组框5", "药水数据[制作中]", 392, 8, 192, 136, nullptr, nullptr,
     true},
    {ControlKind::GroupBox, "分组框6", "旗帜数据[制作中]", 392, 152, 192, 136, nullptr, nullptr,
     true},
    {ControlKind::PushButton, "超级按钮18", "清空内容", 592, 168, 50, 24, nullptr,
     bind<&ItemWindowControls::clearSheetButton>},
    {ControlKind::PushButton, "超级按钮6", "预览配置", 592, 200, 50, 24, nullptr,
     bind<&ItemWindowControls::previewButton>},
    {ControlKind::PushButton, "超级按钮5", "读取配置", 592, 232, 50, 24, nullptr, nullptr, true},
    {ControlKind::PushButton, "超级按钮13", "生成配置", 592, 264, 50, 24, nullptr,
     bind<&ItemWindowControls::generateButton>},
});

inline constexpr WindowSpec itemAttributeDialogSpec = {"Veltrane-添加属性", {450, 178}};

struct ItemAttributeDialogControls {
    QComboBox *slotBox;
    QComboBox *typeBox;
    QLineEdit *valueEdit;
    QLabel *statusLabel;
    QPushButton *confirmButton;
};

inline constexpr std::array itemAttributeDialogControls =
    std::to_array<ControlSpec<ItemAttributeDialogControls>>({
        {ControlKind::Label, "透明标签1", "装备位置:", 8, 8, 56, 16},
        {ControlKind::ComboBox, "组合框2", "", 72, 8, 360, 20, nullptr,
         bind<&ItemAttributeDialogControls::slotBox>},
        {ControlKind::Label, "透明标签5", "属性类型:", 8, 40, 56, 16},
        {ControlKind::ComboBox, "组合框1", "", 72, 40, 360, 20, nullptr,
         bind<&ItemAttributeDialogControls::typeBox>},
        {ControlKind::Label, "透明标签6", "属性数值:", 8, 72, 56, 16},
        {ControlKind::LineEdit, "编辑框1", "", 72, 70, 360, 24, nullptr,
         bind<&ItemAttributeDialogControls::valueEdit>},
        {ControlKind::Label, "透明标签2", "", 8, 112, 352, 24, nullptr,
         bind<&ItemAttributeDialogControls::statusLabel>},
        {ControlKind::PushButton, "物品数据添加按钮", "确定", 376, 104, 56, 32, nullptr,
         bind<&ItemAttributeDialogControls::confirmButton>},
    });

inline constexpr WindowSpec enchantmentDialogSpec = {"Veltrane-添加附魔", {450, 171}};

struct EnchantmentDialogControls {
    QComboBox *enchantmentBox;
    QLineEdit *levelEdit;
    QLabel *highestLevelLabel;
    QPushButton *confirmButton;
};

inline constexpr std::array enchantmentDialogControls =
    std::to_array<ControlSpec<EnchantmentDialogControls>>({
        {ControlKind::Label, "透明标签5", "附魔类型:", 8, 8, 56, 16},
        {ControlKind::ComboBox, "组合框1", "", 72, 8, 360, 20, nullptr,
         bind<&EnchantmentDialogControls::enchantmentBox>},
        {ControlKind::Label, "透明标签6", "附魔等级:", 8, 40, 56, 16},
        {ControlKind::LineEdit, "编辑框1", "", 72, 38, 360, 24, nullptr,
         bind<&EnchantmentDialogControls::levelEdit>},
        {ControlKind::Label, "透明标签1", "当前附魔可设置最高等级:", 8, 72, 136, 16},
        {ControlKind::Label, "透明标签2", "-", 152, 72, 16, 16, nullptr,
         bind<&EnchantmentDialogControls::highestLevelLabel>},
        {ControlKind::Label, "透明标签3", "级", 168, 72, 16, 16},
        {ControlKind::PushButton, "掉落数据添加按钮", "确定", 376, 104, 56, 32, nullptr,
         bind<&EnchantmentDialogControls::confirmButton>},
    });

} // namespace ui
