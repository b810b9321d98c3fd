// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program used from the keyboard alone: Tab, typing, Enter and Esc.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTest>

#include "ui/toolkit/widgets.h"
#include "ui_fixture.h"

namespace {

using testsupport::GuiTest;

class KeyboardTest : public GuiTest {
  protected:
    QWidget *focused() const { return QApplication::focusWidget(); }

    // Presses Tab until the named control has the focus; a bounded walk, so a broken chain fails.
    void tabTo(const char *name) {
        for (int presses = 0; presses < 80; ++presses) {
            if (focused() && focused()->objectName() == QString::fromUtf8(name))
                return;
            QTest::keyClick(focused(), Qt::Key_Tab);
        }
        FAIL() << "Tab never reached " << name;
    }

    void typeHere(const QString &text) { testsupport::typeInto(focused(), text); }
};

TEST_F(KeyboardTest, SmallestMobSavedWithTabTypingAndEnter) {
    ui::MainWindow &window = openMainWindow();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_NE(focused(), nullptr);
    EXPECT_EQ(focused()->objectName(), QStringLiteral("怪物编号框"));

    typeHere("Dummy");
    tabTo("怪物名称框");
    typeHere(QStringLiteral("木桩"));
    QTest::keyClick(focused(), Qt::Key_Tab);
    typeHere("20");
    QTest::keyClick(focused(), Qt::Key_Tab);
    typeHere("0");
    tabTo("超级按钮13");
    QTest::keyClick(focused(), Qt::Key_Return);

    EXPECT_EQ(
        readFile("MythicMobs/mobs/Dummy.yml"),
        QByteArray(
            "Dummy:\r\n  Type: ARMOR_STAND\r\n  Display: '\xc4\xbe\xd7\xae'\r\n  Health: 20\r\n"
            "  Damage: 0\r\n  Drops:\r\n  Options:\r\n\r\n\r\n"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_FALSE(messages[0].warning);
}

TEST_F(KeyboardTest, EnterInADialogValueBoxAddsAndEscClosesTheDialog) {
    ui::MainWindow &window = openMainWindow();
    click("超级按钮7");
    // The dialog deletes itself when closed.
    QPointer<QWidget> dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));

    auto *goals = testsupport::control<QComboBox>(dialog, "组合框1");
    goals->setFocus();
    QTest::keyClick(goals, Qt::Key_Down); // the first goal row
    auto *priority = testsupport::control<QLineEdit>(dialog, "编辑框1");
    priority->setFocus();
    QTest::keyClicks(priority, "0");
    QTest::keyClick(priority, Qt::Key_Return);
    EXPECT_EQ(rowTexts("列表框5"), QStringList{"  - 0 clear"});

    QTest::keyClick(priority, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(dialog.isNull() || !dialog->isVisible());
    EXPECT_TRUE(window.isVisible());
}

// The open list takes the Esc: the user backs out of the choice, not out of the dialog. Both
// lists count: the whole list of a click and the filtered one of a typed text.
TEST_F(KeyboardTest, EscInAnOpenDropDownListClosesOnlyTheList) {
    openMainWindow();
    const auto openDialog = [this](QWidget *window, const char *button) -> QWidget * {
        clickIn(window, button);
        QWidget *dialog = QApplication::activeModalWidget();
        if (dialog) {
            dialog->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
        }
        return dialog;
    };
    const auto expectEscClosesOnlyTheList = [](QWidget *dialog) {
        QPointer<QWidget> watched = dialog;
        QWidget *popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr);
        QTest::keyClick(popup, Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        ASSERT_FALSE(watched.isNull());
        EXPECT_TRUE(watched->isVisible());
        watched->close();
        QApplication::processEvents();
    };

    QWidget *aiDialog = openDialog(mainWindow(), "超级按钮7");
    ASSERT_NE(aiDialog, nullptr);
    auto *goals = testsupport::control<QComboBox>(aiDialog, "组合框1");
    goals->setFocus();
    goals->showPopup();
    expectEscClosesOnlyTheList(aiDialog);

    clickIn(mainWindow(), "超级按钮17");
    QWidget *item = testsupport::shownWindow("ItemWindow");
    ASSERT_NE(item, nullptr);
    QWidget *potionDialog = openDialog(item, "药水数据添加按钮");
    ASSERT_NE(potionDialog, nullptr);
    auto *effects = testsupport::control<QComboBox>(potionDialog, "组合框1");
    effects->setFocus();
    testsupport::typeInto(effects, QStringLiteral("速"));
    expectEscClosesOnlyTheList(potionDialog);
}

// Typing narrows the entity types to the rows holding the text, anywhere in the caption; the
// arrow keys and Enter choose among them, and the sheet reads the row chosen.
TEST_F(KeyboardTest, TypedTextNarrowsTheEntityTypes) {
    ui::MainWindow &window = openMainWindow();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto *entity = find<QComboBox>("怪物类型框");
    entity->setFocus();
    entity->lineEdit()->clear();
    testsupport::typeInto(entity, QStringLiteral("骷髅"));
    QCompleter *completer = entity->completer();
    ASSERT_NE(completer, nullptr);
    ASSERT_TRUE(completer->popup()->isVisible());
    const int shown = completer->completionCount();
    EXPECT_GE(shown, 2); // 骷髅 and 凋零骷髅 at least
    for (int row = 0; row < shown; ++row) {
        completer->setCurrentRow(row);
        EXPECT_TRUE(completer->currentCompletion().contains(QStringLiteral("骷髅")))
            << completer->currentCompletion().toStdString();
    }
    QTest::keyClick(completer->popup(), Qt::Key_Down);
    QTest::keyClick(completer->popup(), Qt::Key_Return);
    EXPECT_FALSE(completer->popup()->isVisible());
    const int chosen = ui::selectedIndex(entity);
    ASSERT_GE(chosen, 0);
    EXPECT_TRUE(entity->itemText(chosen).contains(QStringLiteral("骷髅")));
    EXPECT_EQ(window.readMobSheet().entityType, chosen);
}

TEST_F(KeyboardTest, EscNeverClosesTheMainWindow) {
    ui::MainWindow &window = openMainWindow();
    QTest::keyClick(find<QLineEdit>("怪物编号框"), Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(KeyboardTest, EnterInADropFieldAddsTheDrop) {
    openMainWindow();
    auto *type = find<QComboBox>("掉落类型框");
    type->setFocus();
    QTest::keyClick(type, Qt::Key_Down); // 经验, which lays out the amount and chance fields
    ASSERT_EQ(ui::selectedIndex(type), 0);
    ASSERT_EQ(find<QLabel>("掉落数据标签1")->text(), QStringLiteral("掉落数量:"));
    auto *amount = find<QLineEdit>("掉落数据编辑框1");
    QTest::keyClicks(amount, "10");
    auto *chance = find<QLineEdit>("掉落数据编辑框2");
    QTest::keyClicks(chance, "1");
    QTest::keyClick(chance, Qt::Key_Return);
    EXPECT_EQ(rowTexts("列表框1"), QStringList{"  - exp 10 1"});
}

} // namespace
