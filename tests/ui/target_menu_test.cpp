// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include "ui_fixture.h"

// The target server: chosen in the 设置 menu, remembered, shown, and used by both windows.
namespace {

class TargetMenuTest : public testsupport::GuiTest {
  protected:
    QList<QAction *> targetActions() {
        QMenuBar *bar = mainWindow()->findChild<QMenuBar *>();
        EXPECT_NE(bar, nullptr);
        for (QAction *menu : bar->actions())
            if (menu->text() == QStringLiteral("设置(&S)"))
                return menu->menu()->actions();
        ADD_FAILURE() << "no 设置 menu";
        return {};
    }
    QString status() { return find<QLabel>("输出状态标签")->text(); }
    void fillDummy(const QString &name) {
        type("怪物编号框", "Dummy");
        find<QLineEdit>("怪物名称框")->setText(name);
        type("怪物血量框", "20");
        type("怪物伤害框", "0");
    }
};

TEST_F(TargetMenuTest, ChosenInTheMenuRememberedAndShown) {
    openMainWindow();
    QMenuBar *bar = mainWindow()->findChild<QMenuBar *>();
    ASSERT_NE(bar, nullptr);
    EXPECT_LE(bar->geometry().bottom(), 31); // the groups start 32 pixels down
    QList<QAction *> actions = targetActions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("MythicMobs 4（GBK）"));
    EXPECT_EQ(actions[1]->text(), QStringLiteral("MythicMobs 5（UTF-8）"));
    EXPECT_TRUE(actions[0]->isChecked());
    EXPECT_FALSE(actions[1]->isChecked());
    EXPECT_TRUE(status().endsWith(QStringLiteral("目标：MythicMobs 4（GBK）")))
        << status().toStdString();

    actions[1]->trigger();
    EXPECT_TRUE(actions[1]->isChecked());
    EXPECT_FALSE(actions[0]->isChecked());
    EXPECT_TRUE(status().endsWith(QStringLiteral("目标：MythicMobs 5（UTF-8）")))
        << status().toStdString();
    EXPECT_EQ(QSettings().value("output/target").toString(), QStringLiteral("mm5"));

    ui::MainWindow next; // the next start
    QMenuBar *nextBar = next.findChild<QMenuBar *>();
    for (QAction *menu : nextBar->actions()) {
        if (menu->text() == QStringLiteral("设置(&S)")) {
            EXPECT_TRUE(menu->menu()->actions().at(1)->isChecked());
        }
    }

    actions[0]->trigger();
    EXPECT_EQ(QSettings().value("output/target").toString(), QStringLiteral("mm4"));
}

TEST_F(TargetMenuTest, MythicMobs5SavesUtf8AndAnEmoji) {
    openMainWindow();
    fillDummy(QStringLiteral("木桩😀"));
    click("超级按钮13");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].warning); // GBK has no emoji
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("无法用GBK编码保存")));

    targetActions().at(1)->trigger();
    messages.clear();
    click("超级按钮13");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_FALSE(messages[0].warning) << messages[0].text.toStdString();
    EXPECT_EQ(readFile("MythicMobs/mobs/Dummy.yml"),
              QStringLiteral("Dummy:\r\n  Type: ARMOR_STAND\r\n  Display: '木桩😀'\r\n"
                             "  Health: 20\r\n  Damage: 0\r\n  Drops:\r\n  Options:\r\n\r\n\r\n")
                  .toUtf8());

    // The item window saves for the same server.
    click("超级按钮17");
    QWidget *item = testsupport::shownWindow("ItemWindow");
    ASSERT_NE(item, nullptr);
    testsupport::control<QLineEdit>(item, "物品编号框")->setText(QStringLiteral("Gem"));
    testsupport::control<QLineEdit>(item, "物品名称框")->setText(QStringLiteral("宝石💎"));
    messages.clear();
    clickIn(item, "超级按钮13");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_FALSE(messages[0].warning) << messages[0].text.toStdString();
    EXPECT_EQ(
        readFile("MythicMobs/Items/Gem.yml"),
        QStringLiteral("Gem:\r\n  Id: \r\n  Data: \r\n  Display: 宝石💎\r\n\r\n\r\n").toUtf8());
}

TEST_F(TargetMenuTest, LoneSurrogateIsRefusedOnBothTargetsNamingTheField) {
    openMainWindow();
    QString name = QStringLiteral("木桩");
    name += QChar(0xD800);
    fillDummy(name);
    for (QAction *target : targetActions()) {
        target->trigger();
        messages.clear();
        click("超级按钮13");
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].warning);
        EXPECT_TRUE(messages[0].text.startsWith(QStringLiteral("怪物名称“木桩\\x")))
            << messages[0].text.toStdString();
        EXPECT_FALSE(QFile::exists(workPath("MythicMobs/mobs/Dummy.yml")));
    }
}

} // namespace
