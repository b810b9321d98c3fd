// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ai_dialog.h"

#include <array>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "mob/ai_keys.h"
#include "ui/outcome_message.h"
#include "ui/widgets.h"
#include "ui/window_layout.h"

namespace ui {
namespace {

constexpr WindowSpec aiDialogSpec = {"Veltrane-添加AI", {380, 208}, false, true};
constexpr auto aiDialogControls = std::to_array<ControlSpec>({
    {ControlKind::Label, "透明标签5", "行动选择:", 8, 8, 56, 16},
    {ControlKind::ComboBox, "组合框1", "", 72, 8, 296, 20},
    {ControlKind::Label, "透明标签2", "优先级:", 8, 40, 56, 16},
    {ControlKind::LineEdit, "编辑框1", "", 72, 40, 72, 24},
    {ControlKind::PushButton, "超级按钮4", "添加", 312, 40, 48, 24},
    {ControlKind::Label, "透明标签1", "目标选择:", 8, 112, 56, 16},
    {ControlKind::ComboBox, "组合框2", "", 72, 112, 296, 20},
    {ControlKind::Label, "透明标签3", "优先级:", 8, 144, 56, 16},
    {ControlKind::LineEdit, "编辑框2", "", 72, 144, 72, 24},
    {ControlKind::PushButton, "超级按钮1", "添加", 312, 144, 48, 24},
});

template <std::size_t N> void addRows(QComboBox *combo, const std::array<mob::AiKey, N> &keys) {
    for (const mob::AiKey &key : keys)
        comboAddRow(combo, toQString(key.caption));
}

} // namespace

AiDialog::AiDialog(QWidget *mainWindow) : QWidget(mainWindow), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("AiDialog"));
    setUpWindow(this, aiDialogSpec);
    buildControls(this, aiDialogControls);
    addRows(control<QComboBox>(this, "组合框1"), mob::aiGoalKeys);
    addRows(control<QComboBox>(this, "组合框2"), mob::aiTargetKeys);
    bindClick(this, "超级按钮4", &AiDialog::onAiGoalAddClicked);
    pressOnEnter(this, "编辑框1", "超级按钮4");
    bindClick(this, "超级按钮1", &AiDialog::onAiTargetAddClicked);
    pressOnEnter(this, "编辑框2", "超级按钮1");
}

void AiDialog::onAiGoalAddClicked() {
    const QString priority = readText(control<QLineEdit>(this, "编辑框1"));
    const int row = selectedIndex(control<QComboBox>(this, "组合框1"));
    if (const auto line = rowToPlace(mob::addAiGoal(row, priority.toStdString())))
        listAddRow(control<QListWidget>(mainWindow_, "列表框5"), QString::fromStdString(line->text),
                   line->tag);
}

void AiDialog::onAiTargetAddClicked() {
    const QString priority = readText(control<QLineEdit>(this, "编辑框2"));
    const int row = selectedIndex(control<QComboBox>(this, "组合框2"));
    if (const auto line = rowToPlace(mob::addAiTarget(row, priority.toStdString())))
        listAddRow(control<QListWidget>(mainWindow_, "列表框5"), QString::fromStdString(line->text),
                   line->tag);
}

} // namespace ui
