// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "mob/mob_config.h"
#include "ui/toolkit/widgets.h"
#include "ui_fixture.h"

namespace {

using testsupport::GuiTest;

constexpr int zombie = 50, armorStand = 0, creeper = 11, primedTnt = 30, wolf = 49, rabbit = 32;

class MobOptionDialogTest : public GuiTest {
  protected:
    // Selects the entity on the main window and opens the dialog with 属性数据 添加.
    QWidget *openFor(int entityRow) {
        if (entityRow >= 0)
            testsupport::chooseRow(find<QComboBox>("怪物类型框"), entityRow);
        click("超级按钮4");
        QWidget *dialog = QApplication::activeModalWidget();
        EXPECT_NE(dialog, nullptr);
        EXPECT_EQ(dialog ? dialog->objectName() : QString(), QStringLiteral("MobOptionDialog"));
        return dialog;
    }
    static QString shown(const QWidget *dialog, const char *label) {
        return testsupport::control<QLabel>(dialog, label)->text();
    }
    static QComboBox *options(const QWidget *dialog) {
        return testsupport::control<QComboBox>(dialog, "组合框1");
    }
    void confirm(QWidget *dialog, int row, const QString &value) {
        if (row >= 0)
            testsupport::chooseRow(options(dialog), row);
        auto *edit = testsupport::control<QLineEdit>(dialog, "编辑框1");
        edit->clear();
        testsupport::typeInto(edit, value);
        clickIn(dialog, "掉落数据添加按钮");
    }
    void closeDialog(QWidget *dialog) {
        dialog->close();
        QApplication::processEvents();
    }
};

TEST_F(MobOptionDialogTest, WorkedExampleWithZombie) {
    ui::MainWindow &window = openMainWindow();
    QWidget *dialog = openFor(zombie);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Veltrane-添加属性"));
    EXPECT_EQ(dialog->parentWidget(), &window);
    EXPECT_EQ(shown(dialog, "透明标签2"), QStringLiteral("僵尸"));
    EXPECT_EQ(shown(dialog, "透明标签4"), QStringLiteral("1个"));
    ASSERT_EQ(options(dialog)->count(), 31);
    EXPECT_EQ(options(dialog)->itemText(0), QStringLiteral("[可繁殖生物]生物的年龄"));
    EXPECT_EQ(options(dialog)->itemText(30), QStringLiteral("[僵尸]几率加成伤害"));
    EXPECT_EQ(ui::selectedIndex(options(dialog)), -1);
    EXPECT_TRUE(testsupport::control<QLineEdit>(dialog, "编辑框1")->text().isEmpty());
    testsupport::expectControlsFit(dialog);

    confirm(dialog, 16, "0.3");
    confirm(dialog, 30, "0.5");
    confirm(dialog, -1, "");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("请输入属性数值！"));
    EXPECT_TRUE(messages[0].warning);
    EXPECT_EQ(ui::selectedIndex(options(dialog)), 30); // the selection stays for a retry
    confirm(dialog, 28, "true");
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(QApplication::activeModalWidget(), dialog); // open after every addition

    EXPECT_EQ(rowTexts("列表框2"),
              (QStringList{"MovementSpeed: 0.3", "ReinforcementsChance: 0.5", "ShowHealth: true"}));
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(ui::listRowTag(find<QListWidget>("列表框2"), row), 0);
    mob::MobSheet sheet = window.readMobSheet();
    sheet.identifier = sheet.displayName = sheet.health = sheet.damage = "x";
    EXPECT_NE(
        mob::generateMobConfig(sheet, "", core::TargetServer::Mm4)
            .text.find("  Options:\r\n    ShowHealth: true\r\n    ReinforcementsChance: 0.5\r\n    "
                       "MovementSpeed: 0.3\r\n"),
        std::string::npos);
}

TEST_F(MobOptionDialogTest, ModalOverTheMainWindowUntilClosed) {
    openMainWindow();
    QWidget *dialog = openFor(zombie);
    ASSERT_NE(dialog, nullptr);
    confirm(dialog, 0, "5");
    // The main window takes no input: 清空内容 keeps the line, 添加 opens no second dialog.
    testsupport::clickAsUser(find<QPushButton>("超级按钮18"));
    testsupport::clickAsUser(find<QPushButton>("超级按钮4"));
    EXPECT_EQ(QApplication::activeModalWidget(), dialog);
    EXPECT_EQ(rowTexts("列表框2"), QStringList{"Age: 5"});
    closeDialog(dialog);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(rowTexts("列表框2"), QStringList{"Age: 5"}); // closing keeps the lines

    testsupport::clickAsUser(find<QPushButton>("超级按钮18")); // reaches the window again
    EXPECT_TRUE(rowTexts("列表框2").isEmpty());
}

TEST_F(MobOptionDialogTest, RowsFollowTheEntityAtEachOpening) {
    openMainWindow();
    struct Case {
        int entity;
        const char *caption, *count;
        QStringList extraRows;
    };
    for (const Case &c : {
             Case{armorStand,
                  "盔甲架",
                  "11个",
                  {"[盔甲架]是否有手臂", "[盔甲架]是否有重力", "[盔甲架]是否隐身",
                   "[盔甲架]佩戴在身体的物品", "[盔甲架]佩戴在脚上的物品",
                   "[盔甲架]佩戴在手上的物品", "[盔甲架]佩戴在头上的物品",
                   "[盔甲架]佩戴在腿上的物品", "[盔甲架]是否标记", "[盔甲架]是否是小盔甲架",
                   "[盔甲架]数值[开发中 暂无用处]"}},
             Case{creeper,
                  "爬行者",
                  "4个",
                  {"[爬行者]爆炸半径", "[爬行者]引爆时间", "[爬行者]是否是闪电爬行者",
                   "[爬行者]是否防止被自己炸死"}},
             Case{primedTnt,
                  "点燃的TNT",
                  "3个",
                  {"[TNT]爆炸等待时间", "[TNT]爆炸强度", "[TNT]是否产生火焰"}},
             Case{rabbit, "兔子", "2个", {"[兔子]种类", "[兔子]不明属性"}},
             Case{wolf, "狼", "0个", {}},
         }) {
        QWidget *dialog = openFor(c.entity);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(shown(dialog, "透明标签2"), QString::fromUtf8(c.caption));
        EXPECT_EQ(shown(dialog, "透明标签4"), QString::fromUtf8(c.count));
        QStringList extra;
        for (int row = 30; row < options(dialog)->count(); ++row)
            extra << options(dialog)->itemText(row);
        EXPECT_EQ(extra, c.extraRows) << c.caption;
        testsupport::expectControlsFit(dialog);
        closeDialog(dialog);
    }

    QWidget *dialog = openFor(creeper);
    ASSERT_NE(dialog, nullptr);
    for (int row = 30; row < 34; ++row)
        confirm(dialog, row, "true");
    EXPECT_EQ(rowTexts("列表框2"), (QStringList{"ExplosionRadius: true", "FuseTicks: true",
                                                "SuperCharged: true", "PreventSuicide: true"}));
}

TEST_F(MobOptionDialogTest, NoRowOrNoEntityAddsOnlyWhatIsThere) {
    openMainWindow();
    QWidget *dialog = openFor(zombie);
    ASSERT_NE(dialog, nullptr);
    confirm(dialog, -1, "0.3"); // a value but no row: nothing, silently
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(rowTexts("列表框2").isEmpty());
    closeDialog(dialog);

    // The window always has an entity selected, but the dialog copes without one.
    ui::setSelectedIndex(find<QComboBox>("怪物类型框"), -1);
    dialog = openFor(-1);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(shown(dialog, "透明标签2"), QString());
    EXPECT_EQ(shown(dialog, "透明标签4"), QStringLiteral("0个"));
    EXPECT_EQ(options(dialog)->count(), 30);
    confirm(dialog, 7, "a b");
    EXPECT_EQ(rowTexts("列表框2"), QStringList{"AlwaysShowName: a b"});
}

} // namespace
