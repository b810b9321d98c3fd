// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "mob/mob_config.h"
#include "ui/toolkit/widgets.h"
#include "ui_fixture.h"

namespace {

using testsupport::GuiTest;

class AiDialogTest : public GuiTest {
  protected:
    QWidget *openDialog() {
        click("超级按钮7");
        QWidget *dialog = QApplication::activeModalWidget();
        EXPECT_NE(dialog, nullptr);
        EXPECT_EQ(dialog ? dialog->objectName() : QString(), QStringLiteral("AiDialog"));
        return dialog;
    }
    // One press of the upper (goal) or lower (target) 添加 with that row and priority.
    void add(QWidget *dialog, bool goal, int row, const QString &priority) {
        if (row >= 0)
            testsupport::chooseRow(
                testsupport::control<QComboBox>(dialog, goal ? "组合框1" : "组合框2"), row);
        auto *edit = testsupport::control<QLineEdit>(dialog, goal ? "编辑框1" : "编辑框2");
        edit->clear();
        testsupport::typeInto(edit, priority);
        clickIn(dialog, goal ? "超级按钮4" : "超级按钮1");
    }
    std::vector<core::ListEntry> aiRows() const {
        return ui::listRows(find<QListWidget>("列表框5"));
    }
};

TEST_F(AiDialogTest, WorkedExampleGivesGoalAndTargetSections) {
    ui::MainWindow &window = openMainWindow();
    QWidget *dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Veltrane-添加AI"));
    EXPECT_EQ(dialog->parentWidget(), &window);
    auto *goals = testsupport::control<QComboBox>(dialog, "组合框1");
    auto *targets = testsupport::control<QComboBox>(dialog, "组合框2");
    EXPECT_EQ(goals->count(), 30);
    EXPECT_EQ(targets->count(), 12);
    EXPECT_EQ(goals->itemText(13), QStringLiteral("使生物靠近并攻击"));
    EXPECT_EQ(targets->itemText(9), QStringLiteral("特指一个派别为目标"));
    testsupport::expectControlsFit(dialog);

    add(dialog, true, 13, "2");
    add(dialog, false, 2, "1");
    add(dialog, true, 0, "0");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(QApplication::activeModalWidget(), dialog); // open after every addition
    EXPECT_EQ(aiRows(), (std::vector<core::ListEntry>{
                            {"  - 2 meleeattack", 0}, {"  - 1 players", 1}, {"  - 0 clear", 0}}));

    mob::MobSheet sheet = window.readMobSheet();
    sheet.identifier = sheet.displayName = sheet.health = sheet.damage = "x";
    const std::string text = mob::generateMobConfig(sheet, "", core::TargetServer::Mm4).text;
    EXPECT_TRUE(text.ends_with("  AIGoalSelectors:\r\n  - 0 clear\r\n  - 2 meleeattack\r\n\r\n"
                               "  AITargetSelectors:\r\n  - 1 players\r\n"))
        << text;
}

TEST_F(AiDialogTest, PriorityIsCheckedFirstAndCopiedAsTyped) {
    openMainWindow();
    QWidget *dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    add(dialog, true, -1, ""); // no row either: still the priority warning
    add(dialog, false, -1, "");
    ASSERT_EQ(messages.size(), 2u);
    for (const auto &message : messages) {
        EXPECT_EQ(message.text, QStringLiteral("请输入优先级"));
        EXPECT_TRUE(message.warning);
    }
    messages.clear();
    add(dialog, true, -1, "1"); // a priority but no row: nothing, silently
    add(dialog, false, -1, "1");
    EXPECT_TRUE(aiRows().empty());

    add(dialog, true, 0, " ");
    add(dialog, true, 25, "2");
    add(dialog, false, 9, "1");
    add(dialog, false, 8, "1");
    add(dialog, false, 2, "abc");
    add(dialog, true, 28, "3");
    add(dialog, true, 29, "3");
    clickIn(dialog, "超级按钮4"); // the selection and priority stay: the same line again
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(aiRows(), (std::vector<core::ListEntry>{
                            {"  -   clear", 0},
                            {"  - 2 patrol x1,y1,z1;x2,y2,z2;x3,y3,z3", 0},
                            {"  - 1 SpecificFactionMonsters [派系名称]", 1},
                            {"  - 1 SpecificFaction [派系名称]", 1},
                            {"  - abc players", 1},
                            {"  - 3 arrowattack", 0},
                            {"  - 3 bowattack", 0},
                            {"  - 3 bowattack", 0},
                        }));
}

TEST_F(AiDialogTest, ModalAndFreshAtEachOpening) {
    openMainWindow();
    QWidget *dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    add(dialog, false, 1, "4");
    // The main window takes no input: 清空 of the AI list keeps the line.
    testsupport::clickAsUser(find<QPushButton>("超级按钮9"));
    testsupport::clickAsUser(find<QPushButton>("超级按钮7"));
    EXPECT_EQ(QApplication::activeModalWidget(), dialog);
    EXPECT_EQ(aiRows(), (std::vector<core::ListEntry>{{"  - 4 attacker", 1}}));
    dialog->close();
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(aiRows().size(), 1u);

    dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    for (const char *combo : {"组合框1", "组合框2"})
        EXPECT_EQ(ui::selectedIndex(testsupport::control<QComboBox>(dialog, combo)), -1) << combo;
    for (const char *edit : {"编辑框1", "编辑框2"})
        EXPECT_TRUE(testsupport::control<QLineEdit>(dialog, edit)->text().isEmpty()) << edit;
    dialog->close();
    QApplication::processEvents();
    testsupport::clickAsUser(find<QPushButton>("超级按钮9")); // reaches the window again
    EXPECT_TRUE(aiRows().empty());
}

} // namespace
