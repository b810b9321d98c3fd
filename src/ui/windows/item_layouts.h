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
    QLabel *potionColourLabel;
    QPushButton *potionEffectAddButton;
    QPushButton *potionEffectDeleteButton;
    QPushButton *potionEffectClearButton;
    QListWidget *potionEffectList;
    QLabel *bannerLayerWarningLabel;
    QPushButton *bannerLayerAddButton;
    QPushButton *bannerLayerDeleteButton;
    QPushButton *bannerLayerClearButton;
    QListWidget *bannerLayerList;
    QPushButton *clearSheetButton;
    QPushButton *previewButton;
    QPushButton *openConfigButton;
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
    // The labels on the frame line beside the captions show the potion colour and the
    // warning about the layer count; they are empty until there is something to show.
    {ControlKind::GroupBox, "分组框5", "药水数据", 392, 8, 192, 136},
    {ControlKind::Label, "药水颜色标签", "", 62, 0, 122, 14, "分组框5",
     bind<&ItemWindowControls::potionColourLabel>},
    {ControlKind::PushButton, "药水数据添加按钮", "添加", 8, 24, 48, 24, "分组框5",
     bind<&ItemWindowControls::potionEffectAddButton>},
    {ControlKind::PushButton, "药水数据删除按钮", "删除", 68, 24, 48, 24, "分组框5",
     bind<&ItemWindowControls::potionEffectDeleteButton>},
    {ControlKind::PushButton, "药水数据清空按钮", "清空", 128, 24, 48, 24, "分组框5",
     bind<&ItemWindowControls::potionEffectClearButton>},
    {ControlKind::ListBox, "列表框3", "", 8, 56, 168, 72, "分组框5",
     bind<&ItemWindowControls::potionEffectList>},
    {ControlKind::GroupBox, "分组框6", "旗帜数据", 392, 152, 192, 136},
    {ControlKind::Label, "旗帜层数提示", "", 62, 0, 126, 14, "分组框6",
     bind<&ItemWindowControls::bannerLayerWarningLabel>},
    {ControlKind::PushButton, "旗帜数据添加按钮", "添加", 8, 24, 48, 24, "分组框6",
     bind<&ItemWindowControls::bannerLayerAddButton>},
    {ControlKind::PushButton, "旗帜数据删除按钮", "删除", 68, 24, 48, 24, "分组框6",
     bind<&ItemWindowControls::bannerLayerDeleteButton>},
    {ControlKind::PushButton, "旗帜数据清空按钮", "清空", 128, 24, 48, 24, "分组框6",
     bind<&ItemWindowControls::bannerLayerClearButton>},
    {ControlKind::ListBox, "列表框4", "", 8, 56, 168, 72, "分组框6",
     bind<&ItemWindowControls::bannerLayerList>},
    {ControlKind::PushButton, "超级按钮18", "清空内容", 592, 168, 50, 24, nullptr,
     bind<&ItemWindowControls::clearSheetButton>},
    {ControlKind::PushButton, "超级按钮6", "预览配置", 592, 200, 50, 24, nullptr,
     bind<&ItemWindowControls::previewButton>},
    {ControlKind::PushButton, "超级按钮5", "读取配置", 592, 232, 50, 24, nullptr,
     bind<&ItemWindowControls::openConfigButton>},
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

inline constexpr WindowSpec potionEffectDialogSpec = {"Veltrane-添加药水效果", {450, 172}};

struct PotionEffectDialogControls {
    QComboBox *effectBox;
    QLineEdit *secondsEdit;
    QLabel *ticksLabel;
    QLineEdit *levelEdit;
    QPushButton *colourButton;
    QPushButton *clearColourButton;
    QPushButton *confirmButton;
};

inline constexpr std::array potionEffectDialogControls =
    std::to_array<ControlSpec<PotionEffectDialogControls>>({
        {ControlKind::Label, "透明标签1", "效果类型:", 8, 8, 56, 16},
        {ControlKind::ComboBox, "组合框1", "", 72, 8, 360, 20, nullptr,
         bind<&PotionEffectDialogControls::effectBox>},
        {ControlKind::Label, "透明标签2", "持续时间:", 8, 40, 56, 16},
        {ControlKind::LineEdit, "编辑框1", "", 72, 38, 120, 24, nullptr,
         bind<&PotionEffectDialogControls::secondsEdit>},
        {ControlKind::Label, "透明标签3", "秒", 200, 42, 16, 16},
        {ControlKind::Label, "透明标签4", "", 224, 42, 120, 16, nullptr,
         bind<&PotionEffectDialogControls::ticksLabel>},
        {ControlKind::Label, "透明标签5", "效果等级:", 8, 72, 56, 16},
        {ControlKind::LineEdit, "编辑框2", "1", 72, 70, 120, 24, nullptr,
         bind<&PotionEffectDialogControls::levelEdit>},
        {ControlKind::Label, "透明标签6", "（1 为 I 级）", 200, 74, 120, 16},
        {ControlKind::Label, "透明标签7", "药水颜色:", 8, 104, 56, 16},
        {ControlKind::PushButton, "药水颜色按钮", "默认", 72, 100, 120, 24, nullptr,
         bind<&PotionEffectDialogControls::colourButton>},
        {ControlKind::PushButton, "清除颜色按钮", "清除颜色", 200, 100, 64, 24, nullptr,
         bind<&PotionEffectDialogControls::clearColourButton>},
        {ControlKind::PushButton, "药水效果添加按钮", "确定", 376, 104, 56, 32, nullptr,
         bind<&PotionEffectDialogControls::confirmButton>},
    });

inline constexpr WindowSpec bannerLayerDialogSpec = {"Veltrane-添加旗帜图案", {450, 140}};

struct BannerLayerDialogControls {
    QComboBox *colourBox;
    QComboBox *patternBox;
    QPushButton *confirmButton;
};

inline constexpr std::array bannerLayerDialogControls =
    std::to_array<ControlSpec<BannerLayerDialogControls>>({
        {ControlKind::Label, "透明标签1", "图案颜色:", 8, 8, 56, 16},
        {ControlKind::ComboBox, "组合框1", "", 72, 8, 360, 20, nullptr,
         bind<&BannerLayerDialogControls::colourBox>},
        {ControlKind::Label, "透明标签2", "图案样式:", 8, 40, 56, 16},
        {ControlKind::ComboBox, "组合框2", "", 72, 40, 360, 20, nullptr,
         bind<&BannerLayerDialogControls::patternBox>},
        {ControlKind::PushButton, "旗帜图案添加按钮", "确定", 376, 72, 56, 32, nullptr,
         bind<&BannerLayerDialogControls::confirmButton>},
    });

} // namespace ui
