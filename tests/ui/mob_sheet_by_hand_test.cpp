// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include "ui/toolkit/widgets.h"
#include "ui_fixture.h"

namespace {

using testsupport::GuiTest;

// The whole sheet of one mob entered through the windows as a user would, down to the
// bytes of the saved file.
class MobSheetByHandTest : public GuiTest {
protected:
    void addDrop(int dropType, const QStringList &fields) {
        testsupport::chooseRow(find<QComboBox>("掉落类型框"), dropType);
        const char *names[] = {"掉落数据编辑框1", "掉落数据编辑框2", "掉落数据编辑框3"};
        for (int i = 0; i < fields.size(); ++i)
            type(names[i], fields[i]);
        click("掉落数据添加按钮");
    }
    QWidget *openDialog(const char *button) {
        click(button);
        QWidget *dialog = QApplication::activeModalWidget();
        EXPECT_NE(dialog, nullptr) << button;
        return dialog;
    }
    void pickAndType(QWidget *dialog, const char *combo, int row, const char *edit, const QString &text) {
        testsupport::chooseRow(testsupport::control<QComboBox>(dialog, combo), row);
        auto *box = testsupport::control<QLineEdit>(dialog, edit);
        box->clear();
        testsupport::typeInto(box, text);
    }
    static void closeDialog(QWidget *dialog) {
        dialog->close();
        QApplication::processEvents();
    }
};

TEST_F(MobSheetByHandTest, SkeletonKingGivesTheExactFile) {
    openMainWindow();
    type("怪物编号框", "SkeletonKing");
    testsupport::chooseRow(find<QComboBox>("怪物类型框"), 35);
    type("怪物名称框", QStringLiteral("&c骷髅之王"));
    type("怪物血量框", "200");
    type("怪物伤害框", "8");

    addDrop(0, {"10", "1"});
    addDrop(2, {"diamond", "2", "0.5"});
    addDrop(1, {"50", "0.25"});

    type("编辑框13", "IRON_CHESTPLATE");
    type("编辑框10", "BOW");
    type("编辑框12", "GOLDEN_HELMET");

    QWidget *options = openDialog("超级按钮4");
    ASSERT_NE(options, nullptr);
    pickAndType(options, "组合框1", 16, "编辑框1", "0.3");
    clickIn(options, "掉落数据添加按钮");
    pickAndType(options, "组合框1", 28, "编辑框1", "true");
    clickIn(options, "掉落数据添加按钮");
    closeDialog(options);

    type("编辑框1", QStringLiteral("<target.name>被骷髅之王击杀了"));
    click("超级按钮1");
    type("编辑框1", QStringLiteral("骷髅之王又赢了"));
    click("超级按钮1");

    QWidget *ai = openDialog("超级按钮7");
    ASSERT_NE(ai, nullptr);
    pickAndType(ai, "组合框1", 0, "编辑框1", "0");
    clickIn(ai, "超级按钮4");
    pickAndType(ai, "组合框1", 13, "编辑框1", "1");
    clickIn(ai, "超级按钮4");
    pickAndType(ai, "组合框2", 0, "编辑框2", "0");
    clickIn(ai, "超级按钮1");
    pickAndType(ai, "组合框2", 2, "编辑框2", "1");
    clickIn(ai, "超级按钮1");
    closeDialog(ai);

    EXPECT_TRUE(messages.empty());
    click("超级按钮13");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_FALSE(messages[0].warning) << messages[0].text.toStdString();

    const QByteArray king = QByteArray::fromHex("f7bcf7c3d6aecdf5"); // 骷髅之王 in GBK
    const QByteArray expected =
        "SkeletonKing:\r\n"
        "  Type: SKELETON\r\n"
        "  Display: '&c" + king + "'\r\n"
        "  Health: 200\r\n"
        "  Damage: 8\r\n"
        "  Drops:\r\n"
        "  - exp 10 1\r\n"
        "  - diamond 2 0.5\r\n"
        "  - money 50 0.25\r\n"
        "  Equipment:\r\n"
        "  - IRON_CHESTPLATE:3\r\n"
        "  - BOW:0\r\n"
        "  - GOLDEN_HELMET:4\r\n"
        "  Options:\r\n"
        "    ShowHealth: true\r\n"
        "    MovementSpeed: 0.3\r\n"
        "\r\n"
        "  KillMessages:\r\n"
        "  - '" + king + QByteArray::fromHex("d3d6d3aec1cb") + "'\r\n"       // 又赢了
        "  - '<target.name>" + QByteArray::fromHex("b1bb") + king +          // 被
        QByteArray::fromHex("bbf7c9b1c1cb") + "'\r\n"                        // 击杀了
        "\r\n"
        "  AIGoalSelectors:\r\n"
        "  - 1 meleeattack\r\n"
        "  - 0 clear\r\n"
        "\r\n"
        "  AITargetSelectors:\r\n"
        "  - 1 players\r\n"
        "  - 0 clear\r\n";
    EXPECT_EQ(readFile("MythicMobs/mobs/SkeletonKing.yml"), expected);
}

} // namespace
