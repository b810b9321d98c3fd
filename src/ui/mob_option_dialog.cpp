// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mob_option_dialog.h"

#include <array>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "mob/mob_options.h"
#include "ui/outcome_message.h"
#include "ui/widgets.h"
#include "ui/window_layout.h"

namespace ui {
namespace {

constexpr WindowSpec optionDialogSpec = {"Veltrane-添加属性", {450, 171}};
constexpr auto optionDialogControls = std::to_array<ControlSpec>({
    {ControlKind::Label, "透明标签1", "选定怪物:", 8, 8, 56, 16},
    {ControlKind::Label, "透明标签2", "", 65, 9, 88, 16},
    {ControlKind::Label, "透明标签3", "特定属性:", 176, 8, 56, 16},
    {ControlKind::Label, "透明标签4", "", 232, 9, 48, 16},
    {ControlKind::Label, "透明标签5", "属性类型:", 8, 32, 56, 16},
    {ControlKind::ComboBox, "组合框1", "", 72, 32, 360, 20},
    {ControlKind::Label, "透明标签6", "属性数值:", 8, 64, 56, 16},
    {ControlKind::LineEdit, "编辑框1", "", 72, 62, 360, 24},
    {ControlKind::PushButton, "掉落数据添加按钮", "确定", 376, 104, 56, 32},
});

} // namespace

MobOptionDialog::MobOptionDialog(QWidget *mainWindow)
    : QWidget(mainWindow), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("MobOptionDialog"));
    setUpWindow(this, optionDialogSpec);
    buildControls(this, optionDialogControls);
    auto *options = control<QComboBox>(this, "组合框1");
    for (const mob::MobOption &option : mob::generalOptions)
        comboAddRow(options, toQString(option.caption));
    bindClick(this, "掉落数据添加按钮", &MobOptionDialog::onMobOptionConfirmClicked);
    pressOnEnter(this, "编辑框1", "掉落数据添加按钮");
    onMobOptionDialogCreated();
}

void MobOptionDialog::onMobOptionDialogCreated() {
    const auto *entityBox = control<QComboBox>(mainWindow_, "怪物类型框");
    const QString entity = comboRowText(entityBox, selectedIndex(entityBox));
    writeText(control<QLabel>(this, "透明标签2"), entity);
    const mob::EntityOptions entry = mob::entityOptionsFor(entity.toStdString());
    writeText(control<QLabel>(this, "透明标签4"), toQString(entry.countText));
    auto *options = control<QComboBox>(this, "组合框1");
    for (const mob::MobOption &option : entry.rows)
        comboAddRow(options, toQString(option.caption));
}

void MobOptionDialog::onMobOptionConfirmClicked() {
    const QString value = readText(control<QLineEdit>(this, "编辑框1"));
    // The entity is the one shown since creation; the modal dialog keeps it from changing.
    const QString entity = readText(control<QLabel>(this, "透明标签2"));
    const int row = selectedIndex(control<QComboBox>(this, "组合框1"));
    if (const auto line =
            rowToPlace(mob::addMobOption(entity.toStdString(), row, value.toStdString())))
        listAddRow(control<QListWidget>(mainWindow_, "列表框2"), QString::fromStdString(line->text),
                   line->tag);
}

} // namespace ui
