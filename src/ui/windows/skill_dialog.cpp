// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/skill_dialog.h"

#include <array>
#include <map>
#include <optional>
#include <string>

#include <QGridLayout>

#include "core/yaml_scalar.h"
#include "ui/toolkit/outcome_message.h"
#include "ui/toolkit/widgets.h"
#include "ui/toolkit/window_layout.h"

namespace ui {
namespace {

using Controls = SkillDialogControls;

constexpr WindowSpec skillDialogSpec = {"Veltrane-添加技能", {600, 548}, false, true};
constexpr auto skillDialogControls = std::to_array<ControlSpec<Controls>>({
    {ControlKind::Label, "透明标签1", "技能机制:", 8, 10, 72, 16},
    {ControlKind::ComboBox, "组合框1", "", 84, 8, 300, 22, nullptr, bind<&Controls::mechanicBox>},
    {ControlKind::Label, "透明标签2", "自定义技能:", 8, 40, 72, 16},
    {ControlKind::LineEdit, "编辑框1", "", 84, 36, 504, 24, nullptr,
     bind<&Controls::freeMechanicEdit>},
    {ControlKind::GroupBox, "分组框1", "机制参数(留空则使用默认值)", 8, 66, 580, 196},
    {ControlKind::ScrollBox, "滚动框1", "", 8, 20, 564, 168, "分组框1",
     bind<&Controls::argumentBox>},
    {ControlKind::Label, "透明标签3", "目标选择:", 8, 272, 72, 16},
    {ControlKind::ComboBox, "组合框2", "", 84, 270, 300, 22, nullptr, bind<&Controls::targeterBox>},
    {ControlKind::GroupBox, "分组框2", "目标选项", 8, 298, 580, 100},
    {ControlKind::ScrollBox, "滚动框2", "", 8, 20, 564, 72, "分组框2", bind<&Controls::optionBox>},
    {ControlKind::Label, "透明标签4", "触发条件:", 8, 410, 72, 16},
    {ControlKind::ComboBox, "组合框3", "", 84, 408, 260, 22, nullptr, bind<&Controls::triggerBox>},
    {ControlKind::Label, "透明标签5", "触发参数:", 352, 410, 64, 16, nullptr,
     bind<&Controls::triggerValueLabel>},
    {ControlKind::LineEdit, "编辑框2", "", 420, 406, 168, 24, nullptr,
     bind<&Controls::triggerValueEdit>},
    {ControlKind::Label, "透明标签6", "血量条件:", 8, 442, 72, 16},
    {ControlKind::LineEdit, "编辑框3", "", 84, 438, 260, 24, nullptr, bind<&Controls::healthEdit>},
    {ControlKind::Label, "透明标签7", "触发几率:", 352, 442, 64, 16},
    {ControlKind::LineEdit, "编辑框4", "", 420, 438, 168, 24, nullptr, bind<&Controls::chanceEdit>},
    {ControlKind::Label, "透明标签8", "将写入:", 8, 474, 72, 16},
    {ControlKind::TextBox, "编辑框5", "", 84, 470, 440, 44, nullptr, bind<&Controls::previewBox>},
    {ControlKind::PushButton, "超级按钮1", "添加", 532, 476, 56, 32, nullptr,
     bind<&Controls::addButton>},
});

QString typeName(mob::ArgumentType type) {
    switch (type) {
    case mob::ArgumentType::Number:
        return QStringLiteral("数字");
    case mob::ArgumentType::Integer:
        return QStringLiteral("整数");
    case mob::ArgumentType::Text:
        return QStringLiteral("文本");
    case mob::ArgumentType::YesNo:
        return QStringLiteral("是/否");
    case mob::ArgumentType::Choice:
        return QStringLiteral("选项");
    }
    return {};
}

// What a blank field stands for: the documented default, or the plugin's own choice.
QString blankMeaning(const mob::SkillArgument &argument) {
    return argument.defaultValue.empty()
               ? QStringLiteral("不填写")
               : QStringLiteral("默认 %1").arg(toQString(argument.defaultValue));
}

QString mechanicCaption(const mob::Mechanic &mechanic) {
    QString caption =
        QStringLiteral("%1 (%2)").arg(toQString(mechanic.caption), toQString(mechanic.key));
    if (mechanic.premium)
        caption += QStringLiteral(" [付费版]");
    return caption;
}

QString targeterCaption(const mob::Targeter &targeter) {
    return QStringLiteral("%1 (@%2)").arg(toQString(targeter.caption), toQString(targeter.key));
}

QString triggerCaption(const mob::Trigger &trigger) {
    return QStringLiteral("%1 (~%2)").arg(toQString(trigger.caption), toQString(trigger.key));
}

std::optional<std::size_t> chosenRow(const QComboBox *box) {
    const int row = selectedIndex(box);
    return row < 0 ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(row));
}

std::string fieldText(const ArgumentField &field) {
    if (field.edit)
        return readText(field.edit).toStdString();
    const int row = selectedIndex(field.choice);
    return row > 0 ? comboRowText(field.choice, row).toStdString() : std::string();
}

std::map<std::size_t, std::string> filledValues(const std::vector<ArgumentField> &fields) {
    std::map<std::size_t, std::string> values;
    for (const ArgumentField &field : fields)
        if (std::string text = fieldText(field); !text.empty())
            values[field.index] = std::move(text);
    return values;
}

} // namespace

SkillDialog::SkillDialog(QWidget *owner, QListWidget *skillList)
    : QWidget(owner), skillList_(skillList) {
    setObjectName(QStringLiteral("SkillDialog"));
    setUpWindow(this, skillDialogSpec);
    controls_ = buildControls<Controls>(this, skillDialogControls);
    const Controls &c = controls_;
    for (const mob::Mechanic &mechanic : mob::mechanics)
        comboAddRow(c.mechanicBox, mechanicCaption(mechanic));
    for (const mob::Targeter &targeter : mob::targeters)
        comboAddRow(c.targeterBox, targeterCaption(targeter));
    for (const mob::Trigger &trigger : mob::triggers)
        comboAddRow(c.triggerBox, triggerCaption(trigger));
    for (QComboBox *box : {c.mechanicBox, c.targeterBox, c.triggerBox})
        makeFilterable(box);
    c.mechanicBox->lineEdit()->setPlaceholderText(QStringLiteral("输入中文或英文名筛选"));
    c.targeterBox->lineEdit()->setPlaceholderText(QStringLiteral("不选则为触发者 @trigger"));
    c.triggerBox->lineEdit()->setPlaceholderText(QStringLiteral("不选则为战斗时 ~onCombat"));
    c.freeMechanicEdit->setPlaceholderText(
        QStringLiteral("目录中没有的机制，如 myplugin:boom{power=3}；填写后代替上面的技能机制"));
    c.healthEdit->setPlaceholderText(QStringLiteral("如 <50%、>500、=30%-50%"));
    c.chanceEdit->setPlaceholderText(QStringLiteral("0 到 1，如 0.5"));
    c.previewBox->setReadOnly(true);

    connect(c.mechanicBox, &QComboBox::currentTextChanged, this, &SkillDialog::onMechanicChanged);
    connect(c.targeterBox, &QComboBox::currentTextChanged, this, &SkillDialog::onTargeterChanged);
    connect(c.triggerBox, &QComboBox::currentTextChanged, this, &SkillDialog::onTriggerChanged);
    for (QLineEdit *edit : {c.freeMechanicEdit, c.triggerValueEdit, c.healthEdit, c.chanceEdit}) {
        connect(edit, &QLineEdit::textChanged, this, &SkillDialog::showComposedLine);
        pressOnEnter(edit, c.addButton);
    }
    connect(c.addButton, &QPushButton::clicked, this, &SkillDialog::onSkillAddClicked);
    onMechanicChanged();
    onTargeterChanged();
    onTriggerChanged();
}

std::vector<ArgumentField>
SkillDialog::buildFields(QScrollArea *box, QWidget *before, const QString &namePrefix,
                         const std::vector<const mob::SkillArgument *> &arguments) {
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    std::vector<ArgumentField> fields;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const mob::SkillArgument &argument = *arguments[i];
        const QString name = toQString(argument.name);
        auto *label = new QLabel(name + QStringLiteral(":"), page);
        label->setObjectName(namePrefix + QStringLiteral("标签-") + name);
        QString tip = typeName(argument.type);
        if (!argument.aliases.empty())
            tip += QStringLiteral("，别名 %1").arg(toQString(argument.aliases));
        setBalloonTip(label, tip);
        ArgumentField field{i, nullptr, nullptr};
        QWidget *widget = nullptr;
        if (argument.type == mob::ArgumentType::YesNo ||
            argument.type == mob::ArgumentType::Choice) {
            field.choice = new QComboBox(page);
            comboAddRow(field.choice, blankMeaning(argument));
            if (argument.type == mob::ArgumentType::YesNo) {
                comboAddRow(field.choice, QStringLiteral("true"));
                comboAddRow(field.choice, QStringLiteral("false"));
            } else {
                for (const std::string_view choice : mob::listEntries(argument.choices))
                    comboAddRow(field.choice, toQString(choice));
            }
            setSelectedIndex(field.choice, 0);
            connect(field.choice, &QComboBox::currentIndexChanged, this,
                    &SkillDialog::showComposedLine);
            widget = field.choice;
        } else {
            field.edit = new QLineEdit(page);
            field.edit->setPlaceholderText(blankMeaning(argument) + QStringLiteral(" (") +
                                           typeName(argument.type) + QStringLiteral(")"));
            connect(field.edit, &QLineEdit::textChanged, this, &SkillDialog::showComposedLine);
            pressOnEnter(field.edit, controls_.addButton);
            widget = field.edit;
        }
        widget->setObjectName(namePrefix + QStringLiteral("-") + name);
        widget->setAccessibleName(name);
        setBalloonTip(widget, tip);
        label->setBuddy(widget);
        // Two arguments side by side.
        const int row = static_cast<int>(i / 2);
        const int column = static_cast<int>(i % 2) * 2;
        grid->addWidget(label, row, column);
        grid->addWidget(widget, row, column + 1);
        fields.push_back(field);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(static_cast<int>((arguments.size() + 1) / 2), 1);
    box->setWidget(page); // deletes the page of the previous choice
    // Fields made now would come last in the Tab order, after 添加.
    for (const ArgumentField &field : fields) {
        QWidget *widget = field.edit ? static_cast<QWidget *>(field.edit) : field.choice;
        QWidget::setTabOrder(before, widget);
        before = widget;
    }
    return fields;
}

void SkillDialog::onMechanicChanged() {
    const std::optional<std::size_t> row = chosenRow(controls_.mechanicBox);
    if (row != shownMechanic_) {
        shownMechanic_ = row;
        std::vector<const mob::SkillArgument *> arguments;
        if (row)
            for (std::size_t i = 0; i < mob::argumentCount(mob::mechanics[*row]); ++i)
                arguments.push_back(&mob::argumentAt(mob::mechanics[*row], i));
        argumentFields_ = buildFields(controls_.argumentBox, controls_.freeMechanicEdit,
                                      QStringLiteral("参数框"), arguments);
    }
    showComposedLine();
}

void SkillDialog::onTargeterChanged() {
    const std::optional<std::size_t> row = chosenRow(controls_.targeterBox);
    if (row != shownTargeter_) {
        shownTargeter_ = row;
        std::vector<const mob::SkillArgument *> options;
        if (row)
            for (const mob::SkillArgument &option : mob::targeters[*row].options)
                options.push_back(&option);
        optionFields_ = buildFields(controls_.optionBox, controls_.targeterBox,
                                    QStringLiteral("目标选项框"), options);
    }
    showComposedLine();
}

void SkillDialog::onTriggerChanged() {
    const std::optional<std::size_t> row = chosenRow(controls_.triggerBox);
    const mob::TriggerValue value = row ? mob::triggers[*row].value : mob::TriggerValue::None;
    QLineEdit *edit = controls_.triggerValueEdit;
    edit->setEnabled(value != mob::TriggerValue::None);
    switch (value) {
    case mob::TriggerValue::None:
        writeText(controls_.triggerValueLabel, QStringLiteral("触发参数:"));
        edit->setPlaceholderText(QStringLiteral("此触发条件无参数"));
        break;
    case mob::TriggerValue::Ticks:
        writeText(controls_.triggerValueLabel, QStringLiteral("间隔(tick):"));
        edit->setPlaceholderText(QStringLiteral("必填，如 100"));
        break;
    case mob::TriggerValue::Signal:
        writeText(controls_.triggerValueLabel, QStringLiteral("信号名称:"));
        edit->setPlaceholderText(QStringLiteral("留空则响应任何信号"));
        break;
    }
    showComposedLine();
}

mob::SkillLine SkillDialog::readSkillLine() const {
    const Controls &c = controls_;
    mob::SkillLine line;
    const QString free = readText(c.freeMechanicEdit);
    if (free.trimmed().isEmpty()) {
        line.mechanic = shownMechanic_;
        line.arguments = filledValues(argumentFields_);
    } else {
        line.freeMechanic = free.toStdString();
    }
    line.targeter = shownTargeter_;
    line.targeterOptions = filledValues(optionFields_);
    line.trigger = chosenRow(c.triggerBox);
    line.triggerValue = readText(c.triggerValueEdit).toStdString();
    line.healthModifier = readText(c.healthEdit).toStdString();
    line.chance = readText(c.chanceEdit).toStdString();
    return line;
}

void SkillDialog::showComposedLine() {
    const mob::RowOutcome outcome = mob::composeSkillLine(readSkillLine());
    // As the mob file will hold it, quotes included.
    const QString shown =
        outcome.row ? QStringLiteral("- ") + toQString(core::yamlScalar(outcome.row->text))
                    : QString::fromStdString(outcome.warning);
    writeText(controls_.previewBox, shown);
}

void SkillDialog::onSkillAddClicked() {
    if (const auto line = rowToPlace(mob::composeSkillLine(readSkillLine())))
        listAddRow(skillList_, toQString(line->text), 0);
}

} // namespace ui
