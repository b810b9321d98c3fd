// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/mob_option_dialog.h"

#include <array>

#include "mob/mob_options.h"
#include "ui/toolkit/outcome_message.h"
#include "ui/toolkit/widgets.h"
#include "ui/toolkit/window_layout.h"

namespace ui {
namespace {

using Controls = MobOptionDialogControls;

constexpr WindowSpec optionDialogSpec = {"Veltrane-添加属性", {450, 171}};
constexpr auto optionDialogControls = std::to_array<ControlSpec<Controls>>({
    {ControlKind::Label, "透明标签1", "选定怪物:", 8, 8, 56, 16},
    {ControlKind::Label, "透明标签2", "", 65, 9, 88, 16, nullptr, bind<&Controls::entityLabel>},
    {ControlKind::Label, "透明标签3", "特定属性:", 176, 8, 56, 16},
    {ControlKind::Label, "透明标签4", "", 232, 9, 48, 16, nullptr, bind<&Controls::countLabel>},
    {ControlKind::Label, "透明标签5", "属性类型:", 8, 32, 56, 16},
    {ControlKind::ComboBox, "组合框1", "", 72, 32, 360, 20, nullptr, bind<&Controls::optionBox>},
    {ControlKind::Label, "透明标签6", "属性数值:", 8, 64, 56, 16},
    {ControlKind::LineEdit, "编辑框1", "", 72, 62, 360, 24, nullptr, bind<&Controls::valueEdit>},
    {ControlKind::PushButton, "掉落数据添加按钮", "确定", 376, 104, 56, 32, nullptr,
     bind<&Controls::confirmButton>},
});

} // namespace

MobOptionDialog::MobOptionDialog(QWidget *owner, const QString &entityCaption,
                                 QListWidget *optionList)
    : QWidget(owner), optionList_(optionList) {
    setObjectName(QStringLiteral("MobOptionDialog"));
    setUpWindow(this, optionDialogSpec);
    controls_ = buildControls<Controls>(this, optionDialogControls);
    for (const mob::MobOption &option : mob::generalOptions)
        comboAddRow(controls_.optionBox, toQString(option.caption));
    connect(controls_.confirmButton, &QPushButton::clicked, this,
            &MobOptionDialog::onMobOptionConfirmClicked);
    pressOnEnter(controls_.valueEdit, controls_.confirmButton);
    onMobOptionDialogCreated(entityCaption);
    makeFilterable(controls_.optionBox); // dozens of rows: typing narrows them
}

void MobOptionDialog::onMobOptionDialogCreated(const QString &entityCaption) {
    writeText(controls_.entityLabel, entityCaption);
    const mob::EntityOptions entry = mob::entityOptionsFor(entityCaption.toStdString());
    writeText(controls_.countLabel, toQString(entry.countText));
    for (const mob::MobOption &option : entry.rows)
        comboAddRow(controls_.optionBox, toQString(option.caption));
}

void MobOptionDialog::onMobOptionConfirmClicked() {
    const QString value = readText(controls_.valueEdit);
    // The entity is the one shown since creation; the modal dialog keeps it from changing.
    const QString entity = readText(controls_.entityLabel);
    const int row = selectedIndex(controls_.optionBox);
    if (const auto line =
            rowToPlace(mob::addMobOption(entity.toStdString(), row, value.toStdString())))
        listAddRow(optionList_, toQString(line->text), line->tag);
}

} // namespace ui
