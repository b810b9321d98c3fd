// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/ai_dialog.h"

#include <array>
#include <span>

#include "mob/ai_keys.h"
#include "ui/toolkit/outcome_message.h"
#include "ui/toolkit/widgets.h"
#include "ui/toolkit/window_layout.h"

namespace ui {
namespace {

constexpr WindowSpec aiDialogSpec = {"Veltrane-添加AI", {380, 208}, false, true};
constexpr auto aiDialogControls = std::to_array<ControlSpec<AiDialogControls>>({
    {ControlKind::Label, "透明标签5", "行动选择:", 8, 8, 56, 16},
    {ControlKind::ComboBox, "组合框1", "", 72, 8, 296, 20, nullptr,
     bind<&AiDialogControls::goalBox>},
    {ControlKind::Label, "透明标签2", "优先级:", 8, 40, 56, 16},
    {ControlKind::LineEdit, "编辑框1", "", 72, 40, 72, 24, nullptr,
     bind<&AiDialogControls::goalPriorityEdit>},
    {ControlKind::PushButton, "超级按钮4", "添加", 312, 40, 48, 24, nullptr,
     bind<&AiDialogControls::goalAddButton>},
    {ControlKind::Label, "透明标签1", "目标选择:", 8, 112, 56, 16},
    {ControlKind::ComboBox, "组合框2", "", 72, 112, 296, 20, nullptr,
     bind<&AiDialogControls::targetBox>},
    {ControlKind::Label, "透明标签3", "优先级:", 8, 144, 56, 16},
    {ControlKind::LineEdit, "编辑框2", "", 72, 144, 72, 24, nullptr,
     bind<&AiDialogControls::targetPriorityEdit>},
    {ControlKind::PushButton, "超级按钮1", "添加", 312, 144, 48, 24, nullptr,
     bind<&AiDialogControls::targetAddButton>},
});

void addRows(QComboBox *combo, std::span<const mob::AiKey> keys) {
    for (const mob::AiKey &key : keys)
        comboAddRow(combo, toQString(key.caption));
}

} // namespace

AiDialog::AiDialog(QWidget *owner, QListWidget *aiList) : QWidget(owner), aiList_(aiList) {
    setObjectName(QStringLiteral("AiDialog"));
    setUpWindow(this, aiDialogSpec);
    controls_ = buildControls<AiDialogControls>(this, aiDialogControls);
    const AiDialogControls &c = controls_;
    addRows(c.goalBox, mob::aiGoalKeys);
    addRows(c.targetBox, mob::aiTargetKeys);
    makeFilterable(c.goalBox);
    makeFilterable(c.targetBox);
    connect(c.goalAddButton, &QPushButton::clicked, this, [this] {
        onAiLineAddClicked(controls_.goalBox, controls_.goalPriorityEdit, mob::addAiGoal);
    });
    pressOnEnter(c.goalPriorityEdit, c.goalAddButton);
    connect(c.targetAddButton, &QPushButton::clicked, this, [this] {
        onAiLineAddClicked(controls_.targetBox, controls_.targetPriorityEdit, mob::addAiTarget);
    });
    pressOnEnter(c.targetPriorityEdit, c.targetAddButton);
}

void AiDialog::onAiLineAddClicked(const QComboBox *keys, const QLineEdit *priority,
                                  ComposeLine compose) {
    const std::string typed = readText(priority).toStdString();
    if (const auto line = rowToPlace(compose(selectedIndex(keys), typed)))
        listAddRow(aiList_, toQString(line->text), line->tag);
}

} // namespace ui
