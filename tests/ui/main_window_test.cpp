// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "ui/toolkit/widgets.h"
#include "ui/windows/main_window_layout.h"
#include "ui_fixture.h"

namespace {

using testsupport::GuiTest;

constexpr const char *sheetEdits[] = {
    "怪物编号框",      "怪物名称框",      "怪物伤害框", "编辑框1",  "掉落数据编辑框1",
    "掉落数据编辑框2", "掉落数据编辑框3", "编辑框10",   "编辑框11", "编辑框12",
    "编辑框13",        "编辑框14",        "编辑框15"};

class MainWindowTest : public GuiTest {};

TEST_F(MainWindowTest, StartsWithFoldersAndAnEmptySheet) {
    ui::MainWindow &window = openMainWindow();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Veltrane[V2.2.0]"));
    for (const char *folder : {"MythicMobs", "MythicMobs/mobs", "MythicMobs/Items"})
        EXPECT_TRUE(QDir(workPath(folder)).exists()) << folder;

    auto *entity = find<QComboBox>("怪物类型框");
    EXPECT_EQ(entity->count(), 53);
    EXPECT_EQ(entity->currentText(), QStringLiteral("盔甲架"));
    EXPECT_EQ(ui::selectedIndex(find<QComboBox>("掉落类型框")), -1);
    EXPECT_EQ(find<QComboBox>("掉落类型框")->count(), 4);
    for (const char *list : {"列表框1", "列表框2", "列表框4", "列表框5", "列表框3"})
        EXPECT_EQ(ui::listRowCount(find<QListWidget>(list)), 0) << list;
    for (const char *edit : sheetEdits)
        EXPECT_TRUE(find<QLineEdit>(edit)->text().isEmpty()) << edit;
    EXPECT_TRUE(find<QLineEdit>("怪物血量框")->text().isEmpty());
    EXPECT_EQ(find<QLineEdit>("怪物编号框")->toolTip(),
              QStringLiteral("怪物代号，用于召唤怪物，数值随意。"));
    EXPECT_EQ(find<QComboBox>("掉落类型框")->toolTip(),
              QStringLiteral("掉落类型，用于自定义掉落。"));
}

TEST_F(MainWindowTest, SecondStartChangesNothingOnDisk) {
    openMainWindow();
    QFile marker(workPath("MythicMobs/mobs/keep.yml"));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.write("x");
    marker.close();
    ui::MainWindow second;
    EXPECT_EQ(readFile("MythicMobs/mobs/keep.yml"), QByteArray("x"));
}

TEST_F(MainWindowTest, EveryControlSitsInsideItsParent) {
    ui::MainWindow &window = openMainWindow();
    for (const auto &layout : ui::mainWindowControls) {
        auto *widget = find<QWidget>(layout.name);
        EXPECT_EQ(widget->geometry(), QRect(layout.x, layout.y, layout.width, layout.height))
            << layout.name;
        const QWidget *parent = widget->parentWidget();
        EXPECT_TRUE(parent->rect().contains(widget->geometry())) << layout.name;
        EXPECT_TRUE(widget->isVisible()) << layout.name;
        EXPECT_EQ(widget->isEnabled(), !layout.inert && parent->isEnabled()) << layout.name;
        // Captions must fit their controls in the application font.
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), layout.width)
                << layout.name;
        }
        if (auto *button = qobject_cast<QPushButton *>(widget)) {
            EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), layout.width)
                << layout.name;
        }
    }
    EXPECT_TRUE(window.rect().contains(find<QWidget>("分组框2")->geometry()));
}

TEST_F(MainWindowTest, KillMessagesAreAddedAndDeleted) {
    openMainWindow();
    click("超级按钮1");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("请输入击杀消息！"));
    EXPECT_TRUE(messages[0].warning);
    EXPECT_TRUE(rowTexts("列表框4").isEmpty());

    for (const QString &message : {QStringLiteral("a"), QStringLiteral(" "), QStringLiteral("c")}) {
        type("编辑框1", message);
        click("超级按钮1");
    }
    EXPECT_EQ(rowTexts("列表框4"), (QStringList{"a", " ", "c"}));
    EXPECT_EQ(find<QLineEdit>("编辑框1")->text(), QStringLiteral("c"));
    EXPECT_EQ(ui::listRowTag(find<QListWidget>("列表框4"), 2), 0);

    click("超级按钮20"); // nothing selected
    EXPECT_EQ(rowTexts("列表框4").size(), 3);
    ui::setSelectedIndex(find<QListWidget>("列表框4"), 1);
    click("超级按钮20");
    EXPECT_EQ(rowTexts("列表框4"), (QStringList{"a", "c"}));
}

TEST_F(MainWindowTest, ListButtonsDeleteTheSelectedRowOrClearAll) {
    openMainWindow();
    struct Group {
        const char *list, *deleteButton, *clearButton;
    };
    for (const Group &group :
         {Group{"列表框1", "超级按钮2", "超级按钮3"}, Group{"列表框2", "超级按钮5", "超级按钮6"},
          Group{"列表框5", "超级按钮8", "超级按钮9"}, Group{"列表框3", "超级按钮23", "超级按钮21"},
          Group{"列表框4", "超级按钮20", nullptr}}) {
        auto *list = find<QListWidget>(group.list);
        for (const char *row : {"x", "y", "z"})
            ui::listAddRow(list, row, 1);
        ui::setSelectedIndex(list, 0);
        click(group.deleteButton);
        EXPECT_EQ(rowTexts(group.list), (QStringList{"y", "z"})) << group.list;
        // QListWidget would select the next row; a second 删除 must not take it unasked.
        EXPECT_EQ(ui::selectedIndex(list), -1) << group.list;
        EXPECT_EQ(list->currentItem(), nullptr) << group.list;
        click(group.deleteButton);
        EXPECT_EQ(rowTexts(group.list), (QStringList{"y", "z"})) << group.list;
        if (!group.clearButton)
            continue;
        click(group.clearButton);
        EXPECT_TRUE(rowTexts(group.list).isEmpty()) << group.list;
    }
}

TEST_F(MainWindowTest, ClearContentKeepsHealthAndEntityType) {
    openMainWindow();
    for (const char *edit : sheetEdits)
        type(edit, "v");
    type("怪物血量框", "20");
    find<QComboBox>("怪物类型框")->setCurrentIndex(35);
    find<QComboBox>("掉落类型框")->setCurrentIndex(2);
    for (const char *list : {"列表框1", "列表框2", "列表框4", "列表框5", "列表框3"})
        ui::listAddRow(find<QListWidget>(list), "row", 0);

    click("超级按钮18");
    for (const char *edit : sheetEdits)
        EXPECT_TRUE(find<QLineEdit>(edit)->text().isEmpty()) << edit;
    for (const char *list : {"列表框1", "列表框2", "列表框4", "列表框5", "列表框3"})
        EXPECT_TRUE(rowTexts(list).isEmpty()) << list;
    EXPECT_EQ(ui::selectedIndex(find<QComboBox>("掉落类型框")), -1);
    EXPECT_EQ(find<QLineEdit>("怪物血量框")->text(), QStringLiteral("20"));
    EXPECT_EQ(ui::selectedIndex(find<QComboBox>("怪物类型框")), 35);

    click("超级按钮13");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("请输入怪物编号!"));
}

TEST_F(MainWindowTest, InertControlsDoNothing) {
    openMainWindow();
    for (const char *name : {"超级按钮16", "超级按钮22"})
        EXPECT_FALSE(find<QPushButton>(name)->isEnabled()) << name;
}

TEST_F(MainWindowTest, KeyboardUse) {
    openMainWindow();
    EXPECT_EQ(find<QLineEdit>("怪物编号框")->accessibleName(), QStringLiteral("怪物编号"));
    EXPECT_EQ(find<QComboBox>("怪物类型框")->accessibleName(), QStringLiteral("怪物类型"));
    EXPECT_EQ(find<QLabel>("透明标签10")->buddy(), find<QLineEdit>("编辑框10"));
    EXPECT_EQ(find<QLabel>("透明标签2")->text(), QStringLiteral("怪物编号:"));

    // Tab walks the base fields from top to bottom.
    find<QLineEdit>("怪物编号框")->setFocus();
    QWidget *expected[] = {find<QComboBox>("怪物类型框"), find<QLineEdit>("怪物名称框"),
                           find<QLineEdit>("怪物血量框"), find<QLineEdit>("怪物伤害框")};
    QWidget *current = find<QLineEdit>("怪物编号框");
    for (QWidget *next : expected) {
        current = current->nextInFocusChain();
        while (!(current->focusPolicy() & Qt::TabFocus))
            current = current->nextInFocusChain();
        EXPECT_EQ(current, next) << next->objectName().toStdString();
    }

    // Enter in the kill-message box adds the message.
    auto *message = find<QLineEdit>("编辑框1");
    testsupport::typeInto(message, QStringLiteral("胜利"));
    QTest::keyClick(message, Qt::Key_Return);
    EXPECT_EQ(rowTexts("列表框4"), QStringList{QStringLiteral("胜利")});
}

TEST(WidgetLayer, MultiLineTextUsesCrLf) {
    QPlainTextEdit box;
    ui::writeText(&box, QStringLiteral("A\r\n\r\nB"));
    EXPECT_EQ(box.document()->blockCount(), 3);
    EXPECT_EQ(ui::readText(&box), QStringLiteral("A\r\n\r\nB"));
    ui::writeText(&box, QStringLiteral("no\u00a0break\r\n"));
    EXPECT_EQ(ui::readText(&box), QStringLiteral("no\u00a0break\r\n"));
}

TEST(WidgetLayer, ListRowsCarryTheirTags) {
    QListWidget list;
    ui::listAddRow(&list, "b", 5);
    ui::listInsertRow(&list, 0, "a");
    ui::listDeleteRow(&list, -1);
    ui::listDeleteRow(&list, 2);
    ASSERT_EQ(ui::listRowCount(&list), 2);
    EXPECT_EQ(ui::listRowText(&list, 0), QStringLiteral("a"));
    EXPECT_EQ(ui::listRowTag(&list, 0), 0);
    EXPECT_EQ(ui::listRowTag(&list, 1), 5);
    EXPECT_EQ(ui::selectedIndex(&list), -1);
    QComboBox combo;
    ui::comboAddRow(&combo, "x");
    EXPECT_EQ(ui::selectedIndex(&combo), -1);
    EXPECT_EQ(ui::comboRowText(&combo, 0), QStringLiteral("x"));
    EXPECT_EQ(ui::comboRowText(&combo, 1), QString());
}

} // namespace
