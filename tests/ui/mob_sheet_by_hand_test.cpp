// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "support/example_entry.h"
#include "ui_fixture.h"

namespace {

using testsupport::GuiTest;

// The whole sheet of one mob entered through the windows as a user would, down to the
// bytes of the saved file.
TEST_F(GuiTest, SkeletonKingByHandGivesTheExactFile) {
    ui::MainWindow &main = openMainWindow();
    const testsupport::SheetInput byHand = {
        [](QWidget *field, const QString &text) {
            auto *edit = qobject_cast<QLineEdit *>(field);
            ASSERT_NE(edit, nullptr);
            edit->clear();
            testsupport::typeInto(edit, text);
        },
        [](QComboBox *list, int row) { testsupport::chooseRow(list, row); },
        [](QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); },
    };
    testsupport::enterMob(main, testsupport::skeletonKing(), byHand);

    EXPECT_TRUE(messages.empty());
    click("超级按钮13");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_FALSE(messages[0].warning) << messages[0].text.toStdString();

    const QByteArray king = QByteArray::fromHex("f7bcf7c3d6aecdf5"); // 骷髅之王 in GBK
    const QByteArray expected = "SkeletonKing:\r\n"
                                "  Type: SKELETON\r\n"
                                "  Display: '&c" +
                                king +
                                "'\r\n"
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
                                "  - '" +
                                king + QByteArray::fromHex("d3d6d3aec1cb") +
                                "'\r\n" // 又赢了
                                "  - '<target.name>" +
                                QByteArray::fromHex("b1bb") + king + // 被
                                QByteArray::fromHex("bbf7c9b1c1cb") +
                                "'\r\n" // 击杀了
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
