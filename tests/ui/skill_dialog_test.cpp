// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "mob/skill_catalogue.h"
#include "support/server_reader.h"
#include "ui/toolkit/widgets.h"
#include "ui_fixture.h"

namespace {

using testsupport::control;
using testsupport::GuiTest;

class SkillDialogTest : public GuiTest {
  protected:
    QWidget *openDialog() {
        click("超级按钮24");
        QWidget *dialog = QApplication::activeModalWidget();
        EXPECT_NE(dialog, nullptr);
        EXPECT_EQ(dialog ? dialog->objectName() : QString(), QStringLiteral("SkillDialog"));
        return dialog;
    }
    // Types part of a caption into a filterable list and chooses the nth row offered, with
    // the arrow keys and Enter.
    static void chooseByTyping(QComboBox *box, const QString &typed, int nth = 0) {
        box->lineEdit()->clear();
        testsupport::typeInto(box->lineEdit(), typed);
        QAbstractItemView *offered = box->completer()->popup();
        ASSERT_TRUE(offered->isVisible()) << typed.toStdString();
        for (int i = 0; i <= nth; ++i)
            QTest::keyClick(offered, Qt::Key_Down);
        QTest::keyClick(offered, Qt::Key_Return);
        ASSERT_FALSE(offered->isVisible());
    }
    static void fill(QWidget *dialog, const char *field, const QString &text) {
        auto *edit = control<QLineEdit>(dialog, field);
        edit->clear();
        testsupport::typeInto(edit, text);
    }
    static QString shownLine(const QWidget *dialog) {
        return ui::readText(control<QPlainTextEdit>(dialog, "编辑框5"));
    }
    QStringList skillRows() const { return rowTexts("列表框3"); }

    // One skill from the catalogue: mechanic, its arguments, targeter, trigger and the rest.
    struct Skill {
        QString mechanic;
        std::vector<std::pair<const char *, QString>> arguments;
        QString targeter;
        std::vector<std::pair<const char *, QString>> options;
        QString trigger;
        QString triggerValue = {}, health = {}, chance = {};
    };
    void enter(QWidget *dialog, const Skill &skill) {
        chooseByTyping(control<QComboBox>(dialog, "组合框1"), skill.mechanic);
        for (const auto &[name, value] : skill.arguments)
            fill(dialog, (std::string("参数框-") + name).c_str(), value);
        chooseByTyping(control<QComboBox>(dialog, "组合框2"), skill.targeter);
        for (const auto &[name, value] : skill.options)
            fill(dialog, (std::string("目标选项框-") + name).c_str(), value);
        chooseByTyping(control<QComboBox>(dialog, "组合框3"), skill.trigger);
        fill(dialog, "编辑框2", skill.triggerValue);
        fill(dialog, "编辑框3", skill.health);
        fill(dialog, "编辑框4", skill.chance);
    }
};

TEST_F(SkillDialogTest, OpensModalOverTheMainWindowWithTheCatalogues) {
    ui::MainWindow &window = openMainWindow();
    QWidget *dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Veltrane-添加技能"));
    EXPECT_EQ(dialog->parentWidget(), &window);
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    auto *mechanics = control<QComboBox>(dialog, "组合框1");
    ASSERT_EQ(mechanics->count(), static_cast<int>(mob::mechanics.size()));
    EXPECT_EQ(mechanics->itemText(0), QStringLiteral("伤害 (damage)"));
    EXPECT_TRUE(mechanics->findText(QStringLiteral("连锁导弹 (chainmissile) [付费版]")) >= 0);
    EXPECT_EQ(control<QComboBox>(dialog, "组合框2")->count(),
              static_cast<int>(mob::targeters.size()));
    EXPECT_EQ(control<QComboBox>(dialog, "组合框3")->count(),
              static_cast<int>(mob::triggers.size()));
    EXPECT_EQ(ui::selectedIndex(mechanics), -1);
    EXPECT_EQ(shownLine(dialog), QStringLiteral("请选择技能机制或填写自定义技能！"));
    // The widest argument page, projectile's, fits as well.
    chooseByTyping(mechanics, QStringLiteral("projectile"));
    chooseByTyping(control<QComboBox>(dialog, "组合框2"), QStringLiteral("Ring"), 1);
    EXPECT_EQ(control<QComboBox>(dialog, "组合框2")->currentText(),
              QStringLiteral("环形位置点 (@Ring)"));
    QApplication::processEvents();
    testsupport::expectControlsFit(dialog);
}

TEST_F(SkillDialogTest, TypedPartOfACaptionFiltersAndTheArgumentsFollowTheMechanic) {
    openMainWindow();
    QWidget *dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    auto *mechanics = control<QComboBox>(dialog, "组合框1");

    // 治疗 offers heal and healpercent; the second one is chosen.
    testsupport::typeInto(mechanics->lineEdit(), QStringLiteral("治疗"));
    ASSERT_TRUE(mechanics->completer()->popup()->isVisible());
    EXPECT_EQ(mechanics->completer()->completionCount(), 2);
    chooseByTyping(mechanics, QStringLiteral("治疗"), 1);
    EXPECT_EQ(mechanics->currentText(), QStringLiteral("按百分比治疗 (healpercent)"));
    EXPECT_EQ(shownLine(dialog), QStringLiteral("- healpercent"));
    auto *multiplier = control<QLineEdit>(dialog, "参数框-multiplier");
    ASSERT_NE(multiplier, nullptr);
    EXPECT_EQ(multiplier->placeholderText(), QStringLiteral("默认 0.1 (数字)"));
    EXPECT_EQ(control<QLabel>(dialog, "参数框标签-multiplier")->buddy(), multiplier);
    // Tab goes from the free text to the first argument.
    QWidget *next = control<QLineEdit>(dialog, "编辑框1")->nextInFocusChain();
    while (!(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    EXPECT_EQ(next, multiplier);
    // Universal attributes follow the mechanic's own.
    EXPECT_NE(dialog->findChild<QLineEdit *>(QStringLiteral("参数框-cooldown")), nullptr);

    // Keys match too, in any case; the old fields go with the old mechanic.
    chooseByTyping(mechanics, QStringLiteral("DAMAGE"));
    EXPECT_EQ(mechanics->currentText(), QStringLiteral("伤害 (damage)"));
    EXPECT_EQ(dialog->findChild<QLineEdit *>(QStringLiteral("参数框-multiplier")), nullptr);
    fill(dialog, "参数框-amount", QStringLiteral("１０"));
    auto *ignoreArmor = control<QComboBox>(dialog, "参数框-ignoreArmor");
    EXPECT_EQ(ignoreArmor->itemText(0), QStringLiteral("默认 false"));
    testsupport::chooseRow(ignoreArmor, 1);
    EXPECT_EQ(shownLine(dialog), QStringLiteral("- damage{amount=10;ignoreArmor=true}"));

    // Only filled fields are written: back to the default row leaves the argument out.
    testsupport::chooseRow(ignoreArmor, 0);
    EXPECT_EQ(shownLine(dialog), QStringLiteral("- damage{amount=10}"));

    // Text that names no row chooses no mechanic.
    mechanics->lineEdit()->clear();
    testsupport::typeInto(mechanics->lineEdit(), QStringLiteral("zzz"));
    EXPECT_EQ(ui::selectedIndex(mechanics), -1);
    EXPECT_EQ(shownLine(dialog), QStringLiteral("请选择技能机制或填写自定义技能！"));
}

TEST_F(SkillDialogTest, AddAppendsAndStaysOpenWarningsAddNothing) {
    openMainWindow();
    QWidget *dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    enter(dialog, {QStringLiteral("召唤"),
                   {{"type", "SkeletonMinion"}, {"amount", "2"}},
                   QStringLiteral("自身 (@self)"),
                   {},
                   QStringLiteral("受到伤害"),
                   "",
                   "<50%",
                   "1"});
    const QString summon =
        QStringLiteral("summon{type=SkeletonMinion;amount=2} @self ~onDamaged <50% 1");
    EXPECT_EQ(shownLine(dialog), QStringLiteral("- ") + summon);
    clickIn(dialog, "超级按钮1");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(QApplication::activeModalWidget(), dialog);

    // Each refusal shows its warning live and again on 添加, and adds nothing.
    struct Refusal {
        const char *field;
        QString typed;
        QString warning;
    };
    const Refusal refusals[] = {
        {"编辑框4", "2", QStringLiteral("触发几率必须是0到1之间的数字！")},
        {"编辑框3", "50%", QStringLiteral("血量条件格式不正确，应如 <50%、>500 或 =30%-50%！")},
        {"参数框-amount", "two", QStringLiteral("参数“amount”必须是整数！")},
        {"编辑框1", "damage{a=1", QStringLiteral("自定义技能的花括号不成对！")},
    };
    for (const Refusal &refusal : refusals) {
        const QString before = ui::readText(control<QLineEdit>(dialog, refusal.field));
        fill(dialog, refusal.field, refusal.typed);
        EXPECT_EQ(shownLine(dialog), refusal.warning) << refusal.field;
        messages.clear();
        clickIn(dialog, "超级按钮1");
        ASSERT_EQ(messages.size(), 1u) << refusal.field;
        EXPECT_EQ(messages[0].text, refusal.warning);
        EXPECT_TRUE(messages[0].warning);
        fill(dialog, refusal.field, before);
    }
    EXPECT_EQ(skillRows(), QStringList{summon});

    // Free text stands for the mechanic, followed by the chosen parts; Enter adds it.
    fill(dialog, "编辑框1", QStringLiteral("myplugin:boom{power=3}"));
    EXPECT_EQ(shownLine(dialog),
              QStringLiteral("- myplugin:boom{power=3} @self ~onDamaged <50% 1"));
    QTest::keyClick(control<QLineEdit>(dialog, "编辑框1"), Qt::Key_Return);
    EXPECT_EQ(
        skillRows(),
        (QStringList{summon, QStringLiteral("myplugin:boom{power=3} @self ~onDamaged <50% 1")}));

    // A line YAML would misread is shown as the file will hold it.
    fill(dialog, "编辑框1", QStringLiteral("damage{amount=1} #x"));
    fill(dialog, "编辑框3", "");
    fill(dialog, "编辑框4", "");
    EXPECT_EQ(shownLine(dialog), QStringLiteral("- 'damage{amount=1} #x @self ~onDamaged'"));
}

TEST_F(SkillDialogTest, TriggerValueFieldFollowsTheTrigger) {
    openMainWindow();
    QWidget *dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    auto *value = control<QLineEdit>(dialog, "编辑框2");
    auto *caption = control<QLabel>(dialog, "透明标签5");
    EXPECT_FALSE(value->isEnabled());
    chooseByTyping(control<QComboBox>(dialog, "组合框1"), QStringLiteral("跳跃"));
    chooseByTyping(control<QComboBox>(dialog, "组合框3"), QStringLiteral("timer"));
    EXPECT_TRUE(value->isEnabled());
    EXPECT_EQ(caption->text(), QStringLiteral("间隔(tick):"));
    testsupport::expectControlsFit(dialog);
    EXPECT_EQ(shownLine(dialog), QStringLiteral("定时触发的间隔必须是大于0的整数(tick)！"));
    fill(dialog, "编辑框2", "40");
    EXPECT_EQ(shownLine(dialog), QStringLiteral("- jump ~onTimer:40"));
    chooseByTyping(control<QComboBox>(dialog, "组合框3"), QStringLiteral("信号"));
    EXPECT_EQ(caption->text(), QStringLiteral("信号名称:"));
    testsupport::expectControlsFit(dialog);
    EXPECT_EQ(shownLine(dialog), QStringLiteral("- jump ~onSignal:40"));
    chooseByTyping(control<QComboBox>(dialog, "组合框3"), QStringLiteral("onAttack"));
    EXPECT_FALSE(value->isEnabled());
    EXPECT_EQ(shownLine(dialog), QStringLiteral("- jump ~onAttack"));
}

// A boss with a timer skill, an angry message when hit and a summon below half health,
// entered through the dialog, saved, and read back by the server.
TEST_F(SkillDialogTest, BossSkillsAreSavedAndTheServerReadsThemBack) {
    openMainWindow();
    type("怪物编号框", "Boss");
    type("怪物名称框", QStringLiteral("首领"));
    type("怪物血量框", "500");
    type("怪物伤害框", "10");
    QWidget *dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    const std::vector<std::pair<Skill, std::string>> skills = {
        {{QStringLiteral("执行技能"),
          {{"skill", "FireRing"}},
          QStringLiteral("自身 (@self)"),
          {},
          QStringLiteral("定时"),
          "100"},
         "skill{skill=FireRing} @self ~onTimer:100"},
        {{QStringLiteral("聊天"),
          {{"message", QStringLiteral("<caster.name>怒了")}},
          QStringLiteral("半径内的玩家"),
          {{"radius", "20"}},
          QStringLiteral("受到伤害")},
         "message{message=<caster.name>怒了} @PlayersInRadius{radius=20} ~onDamaged"},
        {{QStringLiteral("召唤"),
          {{"type", "SkeletonMinion"}, {"amount", "2"}},
          QStringLiteral("自身 (@self)"),
          {},
          QStringLiteral("受到伤害"),
          "",
          "<50%",
          "1"},
         "summon{type=SkeletonMinion;amount=2} @self ~onDamaged <50% 1"},
    };
    for (const auto &[skill, line] : skills) {
        enter(dialog, skill);
        clickIn(dialog, "超级按钮1");
    }
    EXPECT_TRUE(messages.empty());
    dialog->close();
    click("超级按钮13");
    const QByteArray file = readFile("MythicMobs/mobs/Boss.yml");
    ASSERT_FALSE(file.isEmpty());
    EXPECT_TRUE(
        file.contains(QByteArray("\r\n\r\n  Skills:\r\n  - ") + skills[0].second.c_str() + "\r\n"));

    SKIP_WITHOUT_SERVER_READER();
    const testsupport::ServerTree tree =
        testsupport::readAsServer(std::string_view(file.constData(), std::size_t(file.size())),
                                  testsupport::ServerCharset::Gbk);
    ASSERT_TRUE(tree.loaded()) << tree.error;
    const testsupport::ServerLeaf *list = tree.find("Boss.Skills");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->type, "list");
    EXPECT_EQ(list->value, "3");
    for (std::size_t i = 0; i < skills.size(); ++i) {
        const testsupport::ServerLeaf *entry = tree.find("Boss.Skills[" + std::to_string(i) + "]");
        ASSERT_NE(entry, nullptr) << i;
        EXPECT_EQ(entry->type, "string");
        EXPECT_EQ(entry->value, skills[i].second);
    }
}

} // namespace
