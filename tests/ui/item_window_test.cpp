// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <limits>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "storage/encodings.h"
#include "ui/toolkit/widgets.h"
#include "ui/windows/item_layouts.h"
#include "ui/windows/preview_window.h"
#include "ui_fixture.h"

namespace {

using core::ListEntry;
using testsupport::GuiTest;
using Rows = std::vector<ListEntry>;

// FireSword.yml as GBK bytes: 烈焰之剑 C1 D2 D1 E6 D6 AE BD A3, 第一行 B5 DA D2 BB D0 D0,
// 第二行 B5 DA B6 FE D0 D0.
const QByteArray fireSwordHead =
    QByteArray("FireSword:\r\n  Id: DIAMOND_SWORD\r\n  Data: 0\r\n  Display: '&c") +
    QByteArray::fromHex("c1d2d1e6d6aebda3") + "'\r\n  Lore:\r\n  - " +
    QByteArray::fromHex("b5dad2bbd0d0") + "\r\n  - " + QByteArray::fromHex("b5dab6fed0d0") +
    "\r\n\r\n";
const QByteArray fireSwordAttributes =
    "  Attributes:\r\n    All:\r\n      MovementSpeed: 0.1\r\n"
    "    MainHand:\r\n      AttackSpeed: 1.6\r\n      Damage: 10\r\n\r\n";
const QByteArray emptySheetText = ":\r\n  Id: \r\n  Data: \r\n  Display: \r\n\r\n\r\n";

class ItemWindowTest : public GuiTest {
  protected:
    // Opens the item window from the main window, as the user does.
    QWidget *openItemWindow() {
        if (!mainWindow)
            mainWindow = &openMainWindow();
        click("超级按钮17");
        return shownItemWindow();
    }
    static QWidget *shownItemWindow() { return testsupport::shownWindow("ItemWindow"); }
    static QWidget *shownChild(const QWidget *owner, const char *name) {
        for (QWidget *window :
             owner->findChildren<QWidget *>(QString::fromUtf8(name), Qt::FindDirectChildrenOnly))
            if (window->isVisible())
                return window;
        return nullptr;
    }
    static void typeIn(QWidget *window, const char *edit, const QString &text) {
        auto *box = testsupport::control<QLineEdit>(window, edit);
        box->clear();
        testsupport::typeInto(box, text);
    }
    static void typeDescription(QWidget *window, const QStringList &lines) {
        auto *box = testsupport::control<QPlainTextEdit>(window, "物品描述框");
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(box, Qt::Key_Return);
            testsupport::typeInto(box, lines[i]);
        }
    }
    QWidget *openAttributeDialog(QWidget *item) {
        clickIn(item, "掉落数据添加按钮");
        return QApplication::activeModalWidget();
    }
    void addAttribute(QWidget *dialog, int slot, int type, const QString &value) {
        ui::setSelectedIndex(testsupport::control<QComboBox>(dialog, "组合框2"), slot);
        ui::setSelectedIndex(testsupport::control<QComboBox>(dialog, "组合框1"), type);
        typeIn(dialog, "编辑框1", value);
        clickIn(dialog, "物品数据添加按钮");
    }
    QWidget *openEnchantmentDialog(QWidget *item) {
        clickIn(item, "掉落数据添加按钮1");
        return shownChild(item, "EnchantmentDialog");
    }
    void addEnchantment(QWidget *dialog, int row, const QString &level) {
        ui::setSelectedIndex(testsupport::control<QComboBox>(dialog, "组合框1"), row);
        typeIn(dialog, "编辑框1", level);
        clickIn(dialog, "掉落数据添加按钮");
    }
    // Fills the sheet of FireSword through the dialogs; the enchantment dialog stays open.
    QWidget *fillFireSword(QWidget *item) {
        typeIn(item, "物品编号框", "FireSword");
        typeIn(item, "物品种类框", "DIAMOND_SWORD");
        typeIn(item, "物品耐久框", "0");
        typeIn(item, "物品名称框", QStringLiteral("&c烈焰之剑"));
        typeDescription(item, {QStringLiteral("第一行"), QStringLiteral("第二行")});
        QWidget *attributes = openAttributeDialog(item);
        addAttribute(attributes, 1, 3, "10");
        addAttribute(attributes, 1, 0, "1.6");
        addAttribute(attributes, 0, 8, "0.1");
        attributes->close();
        QApplication::processEvents();
        QWidget *enchantments = openEnchantmentDialog(item);
        addEnchantment(enchantments, 8, "2");
        addEnchantment(enchantments, 24, "5");
        return enchantments;
    }
    static Rows rows(const QWidget *window, const char *list) {
        return ui::listRows(testsupport::control<QListWidget>(window, list));
    }
    QString confirmation() const {
        return QStringLiteral("物品配置已经生成到(%1)文件中，请注意查看!")
            .arg(QDir::toNativeSeparators(workPath("MythicMobs/Items")));
    }
    void expectOnlyConfirmation() {
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, confirmation());
        EXPECT_FALSE(messages[0].warning);
        messages.clear();
    }
    void expectOneWarningContaining(const QString &part) {
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].warning);
        EXPECT_TRUE(messages[0].text.contains(part)) << messages[0].text.toStdString();
        messages.clear();
    }
    QStringList filesInItems() const {
        return QDir(workPath("MythicMobs/Items")).entryList(QDir::Files | QDir::Hidden);
    }
    static void closeNow(QWidget *window) {
        window->close();
        QApplication::processEvents();
    }

    ui::MainWindow *mainWindow = nullptr;
};

TEST_F(ItemWindowTest, OneInstanceBesideTheMainWindowAndFreshAfterClosing) {
    QWidget *item = openItemWindow();
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->windowTitle(), QStringLiteral("Veltrane 物品"));
    EXPECT_EQ(item->windowModality(), Qt::NonModal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    typeIn(item, "物品编号框", "kept");

    click("超级按钮17"); // brings the open window to the front
    EXPECT_EQ(shownItemWindow(), item);
    const QWidgetList windows = QApplication::topLevelWidgets();
    EXPECT_EQ(std::count_if(windows.cbegin(), windows.cend(),
                            [](const QWidget *window) {
                                return window->objectName() == QStringLiteral("ItemWindow");
                            }),
              1);
    EXPECT_EQ(ui::readText(testsupport::control<QLineEdit>(item, "物品编号框")),
              QStringLiteral("kept"));

    closeNow(item);
    EXPECT_EQ(shownItemWindow(), nullptr);
    QWidget *fresh = openItemWindow();
    ASSERT_NE(fresh, nullptr);
    for (const char *edit : {"物品编号框", "物品种类框", "物品耐久框", "物品名称框"})
        EXPECT_TRUE(ui::readText(testsupport::control<QLineEdit>(fresh, edit)).isEmpty()) << edit;
    EXPECT_TRUE(ui::readText(testsupport::control<QPlainTextEdit>(fresh, "物品描述框")).isEmpty());
    EXPECT_TRUE(rows(fresh, "列表框1").empty());
    EXPECT_TRUE(rows(fresh, "列表框2").empty());
}

TEST_F(ItemWindowTest, EveryWindowHasItsControlsInPlaceAndCaptionsFit) {
    QWidget *item = openItemWindow();
    const auto check = [](QWidget *window, const ui::WindowSpec &windowLayout,
                          const auto &controls) {
        const char *title = windowLayout.title;
        EXPECT_EQ(window->windowTitle(), QString::fromUtf8(title));
        EXPECT_EQ(window->size(), windowLayout.outerSize - QSize(4, 28)) << title;
        EXPECT_EQ(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint),
                  windowLayout.minimisable)
            << title;
        EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint)) << title;
        for (const auto &layout : controls) {
            auto *widget = testsupport::control<QWidget>(window, layout.name);
            EXPECT_EQ(widget->geometry(), QRect(layout.x, layout.y, layout.width, layout.height))
                << layout.name;
            EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry())) << layout.name;
            EXPECT_TRUE(widget->isVisible()) << layout.name;
            EXPECT_EQ(widget->isEnabled(), !layout.inert && widget->parentWidget()->isEnabled())
                << layout.name;
            const QFontMetrics metrics = widget->fontMetrics();
            if (auto *label = qobject_cast<QLabel *>(widget)) {
                EXPECT_LE(metrics.horizontalAdvance(label->text()), layout.width) << layout.name;
            }
            if (auto *button = qobject_cast<QPushButton *>(widget)) {
                EXPECT_LE(metrics.horizontalAdvance(button->text()), layout.width) << layout.name;
            }
            if (auto *group = qobject_cast<QGroupBox *>(widget)) {
                EXPECT_LE(metrics.horizontalAdvance(group->title()) + 16, layout.width)
                    << layout.name;
            }
            if (auto *combo = qobject_cast<QComboBox *>(widget)) {
                EXPECT_EQ(ui::selectedIndex(combo), -1) << layout.name;
                for (int row = 0; row < ui::comboRowCount(combo); ++row)
                    EXPECT_LE(metrics.horizontalAdvance(ui::comboRowText(combo, row)) + 24,
                              layout.width)
                        << layout.name << " row " << row;
            }
        }
    };
    check(item, ui::itemWindowSpec, ui::itemWindowControls);

    typeIn(item, "物品编号框", "Gem");
    clickIn(item, "超级按钮6");
    QWidget *preview = QApplication::activeModalWidget();
    ASSERT_NE(preview, nullptr);
    check(preview, ui::itemPreviewSpec, ui::previewControls);
    closeNow(preview);

    QWidget *attributes = openAttributeDialog(item);
    ASSERT_NE(attributes, nullptr);
    check(attributes, ui::itemAttributeDialogSpec, ui::itemAttributeDialogControls);
    EXPECT_EQ(ui::comboRowCount(testsupport::control<QComboBox>(attributes, "组合框2")), 7);
    EXPECT_EQ(ui::comboRowCount(testsupport::control<QComboBox>(attributes, "组合框1")), 9);
    closeNow(attributes);

    QWidget *enchantments = openEnchantmentDialog(item);
    ASSERT_NE(enchantments, nullptr);
    check(enchantments, ui::enchantmentDialogSpec, ui::enchantmentDialogControls);
    EXPECT_EQ(ui::comboRowCount(testsupport::control<QComboBox>(enchantments, "组合框1")), 30);
    closeNow(enchantments);

    clickIn(item, "药水数据添加按钮");
    QWidget *effects = QApplication::activeModalWidget();
    ASSERT_NE(effects, nullptr);
    check(effects, ui::potionEffectDialogSpec, ui::potionEffectDialogControls);
    EXPECT_EQ(ui::comboRowCount(testsupport::control<QComboBox>(effects, "组合框1")), 33);
    closeNow(effects);

    clickIn(item, "旗帜数据添加按钮");
    QWidget *layers = QApplication::activeModalWidget();
    ASSERT_NE(layers, nullptr);
    check(layers, ui::bannerLayerDialogSpec, ui::bannerLayerDialogControls);
    EXPECT_EQ(ui::comboRowCount(testsupport::control<QComboBox>(layers, "组合框1")), 16);
    EXPECT_EQ(ui::comboRowCount(testsupport::control<QComboBox>(layers, "组合框2")), 41);
}

TEST_F(ItemWindowTest, SheetFilledThroughTheDialogsIsWrittenExactly) {
    QWidget *item = openItemWindow();
    fillFireSword(item);
    EXPECT_EQ(
        rows(item, "列表框1"),
        (Rows{{"    Damage: 10", 1}, {"    AttackSpeed: 1.6", 1}, {"    MovementSpeed: 0.1", 0}}));
    EXPECT_EQ(rows(item, "列表框2"), (Rows{{"FIRE_ASPECT", 2}, {"DAMAGE_ALL", 5}}));

    clickIn(item, "超级按钮13");
    const QByteArray expected = fireSwordHead + fireSwordAttributes +
                                "  Enchantments:\r\n  - DAMAGE_ALL:5\r\n  - FIRE_ASPECT:2\r\n";
    EXPECT_EQ(readFile("MythicMobs/Items/FireSword.yml"), expected);
    EXPECT_EQ(storage::encodeGbk(QString::fromStdString(mainWindow->sharedTexts().itemConfigText)),
              expected);
    expectOnlyConfirmation();

    clickIn(item, "超级按钮13"); // the same identifier replaces the file
    typeIn(item, "物品编号框", "IceSword");
    clickIn(item, "超级按钮13"); // another identifier adds a file and leaves the first
    EXPECT_EQ(readFile("MythicMobs/Items/FireSword.yml"), expected);
    EXPECT_TRUE(readFile("MythicMobs/Items/IceSword.yml")
                    .startsWith("IceSword:\r\n  Id: DIAMOND_SWORD\r\n"));
    EXPECT_EQ(filesInItems(), (QStringList{"FireSword.yml", "IceSword.yml"}));
}

TEST_F(ItemWindowTest, OpenEnchantmentDialogKeepsAddingBetweenSaves) {
    QWidget *item = openItemWindow();
    QWidget *enchantments = fillFireSword(item);
    clickIn(item, "超级按钮13");
    messages.clear();

    clickIn(item, "掉落数据添加按钮1"); // a second press brings the open dialog forward
    EXPECT_EQ(shownChild(item, "EnchantmentDialog"), enchantments);
    EXPECT_EQ(item->findChildren<QWidget *>("EnchantmentDialog").size(), 1);

    // Delete the first row on the item window, then add two more through the same dialog.
    ui::setSelectedIndex(testsupport::control<QListWidget>(item, "列表框2"), 0);
    clickIn(item, "超级按钮1");
    addEnchantment(enchantments, 20, "4");
    addEnchantment(enchantments, 6, "3");
    EXPECT_EQ(rows(item, "列表框2"),
              (Rows{{"DAMAGE_ALL", 5}, {"PROTECTION_PROJECTILE", 4}, {"DIG_SPEED", 3}}));
    clickIn(item, "超级按钮13");
    EXPECT_EQ(readFile("MythicMobs/Items/FireSword.yml"),
              fireSwordHead + fireSwordAttributes +
                  "  Enchantments:\r\n  - DIG_SPEED:3\r\n  - PROTECTION_PROJECTILE:4\r\n  - "
                  "DAMAGE_ALL:5\r\n");
    expectOnlyConfirmation();

    item->close(); // the dialog goes with its window
    EXPECT_FALSE(enchantments->isVisible());
    QApplication::processEvents();
    EXPECT_EQ(shownItemWindow(), nullptr);
    const QWidgetList windows = QApplication::topLevelWidgets();
    EXPECT_TRUE(std::none_of(windows.cbegin(), windows.cend(), [](const QWidget *window) {
        return window->isVisible() && window->objectName() == "EnchantmentDialog";
    }));
}

TEST_F(ItemWindowTest, AttributeDialogIsModalAndRefusesSilently) {
    QWidget *item = openItemWindow();
    QWidget *dialog = openAttributeDialog(item);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Veltrane-添加属性"));
    EXPECT_EQ(dialog->parentWidget(), item);
    auto *status = testsupport::control<QLabel>(dialog, "透明标签2");

    typeIn(dialog, "编辑框1", "10");
    clickIn(dialog, "物品数据添加按钮"); // neither slot nor type
    ui::setSelectedIndex(testsupport::control<QComboBox>(dialog, "组合框1"), 3);
    clickIn(dialog, "物品数据添加按钮"); // a type but no slot
    ui::setSelectedIndex(testsupport::control<QComboBox>(dialog, "组合框1"), -1);
    ui::setSelectedIndex(testsupport::control<QComboBox>(dialog, "组合框2"), 1);
    clickIn(dialog, "物品数据添加按钮"); // a slot but no type
    EXPECT_TRUE(rows(item, "列表框1").empty());
    EXPECT_TRUE(ui::readText(status).isEmpty());

    addAttribute(dialog, 3, 5, "");
    // The same attribute twice in one slot would be a second key of one name in the file.
    clickIn(dialog, "物品数据添加按钮");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].warning);
    EXPECT_EQ(messages[0].text,
              QStringLiteral("“属性只在头盔栏生效”中已有“生命上限”，不能重复添加！"));
    messages.clear();
    addAttribute(dialog, 6, 1, QStringLiteral("  x护甲"));
    EXPECT_EQ(rows(item, "列表框1"), (Rows{{"    Health: ", 3}, {"    Armor:   x护甲", 6}}));
    static const QRegularExpression stamp(
        QStringLiteral("^([1-5]?[0-9])分([1-5]?[0-9])秒:添加属性成功!$"));
    EXPECT_TRUE(stamp.match(ui::readText(status)).hasMatch()) << ui::readText(status).toStdString();
    EXPECT_EQ(ui::readText(testsupport::control<QLineEdit>(dialog, "编辑框1")),
              QStringLiteral("  x护甲"));
    EXPECT_TRUE(messages.empty());

    closeNow(dialog);
    EXPECT_EQ(rows(item, "列表框1").size(), 2u);
    QWidget *again = openAttributeDialog(item); // each opening starts empty
    EXPECT_EQ(ui::selectedIndex(testsupport::control<QComboBox>(again, "组合框2")), -1);
    EXPECT_TRUE(ui::readText(testsupport::control<QLabel>(again, "透明标签2")).isEmpty());
}

TEST_F(ItemWindowTest, EnchantmentDialogShowsTheHighestLevelAndTakesAnyLevel) {
    QWidget *item = openItemWindow();
    QWidget *dialog = openEnchantmentDialog(item);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowModality(), Qt::NonModal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    auto *highest = testsupport::control<QLabel>(dialog, "透明标签2");
    EXPECT_EQ(ui::readText(highest), QStringLiteral("-"));
    typeIn(dialog, "编辑框1", "3");
    clickIn(dialog, "掉落数据添加按钮"); // no row selected
    EXPECT_TRUE(rows(item, "列表框2").empty());
    EXPECT_EQ(ui::readText(highest), QStringLiteral("-"));

    ui::setSelectedIndex(testsupport::control<QComboBox>(dialog, "组合框1"), 24);
    EXPECT_EQ(ui::readText(highest), QStringLiteral("5"));
    ui::setSelectedIndex(testsupport::control<QComboBox>(dialog, "组合框1"), 0);
    EXPECT_EQ(ui::readText(highest), QStringLiteral("1"));

    const std::vector<std::pair<QString, int>> levels = {
        {"7", 7},
        {"2.9", 2},
        {"-1.5", -1},
        {"abc", 0},
        {"", 0},
        {QStringLiteral("３"), 3},
        {"99999999999", std::numeric_limits<int>::max()},
    };
    for (const auto &[level, tag] : levels)
        addEnchantment(dialog, 16, level);
    Rows expected;
    for (const auto &[level, tag] : levels)
        expected.push_back({"LUCK", tag});
    EXPECT_EQ(rows(item, "列表框2"), expected);
    EXPECT_EQ(ui::readText(highest), QStringLiteral("3"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(ItemWindowTest, DeleteRemovesOnlyTheSelectedRowAndClearEmptiesTheList) {
    QWidget *item = openItemWindow();
    struct Group {
        const char *list, *deleteButton, *clearButton;
    };
    for (const Group &group :
         {Group{"列表框1", "超级按钮2", "超级按钮3"}, Group{"列表框2", "超级按钮1", "超级按钮4"},
          Group{"列表框3", "药水数据删除按钮", "药水数据清空按钮"},
          Group{"列表框4", "旗帜数据删除按钮", "旗帜数据清空按钮"}}) {
        auto *list = testsupport::control<QListWidget>(item, group.list);
        for (int tag : {1, 2, 3})
            ui::listAddRow(list, QString::number(tag), tag);
        clickIn(item, group.deleteButton); // nothing selected
        EXPECT_EQ(rows(item, group.list).size(), 3u) << group.list;
        ui::setSelectedIndex(list, 0);
        clickIn(item, group.deleteButton);
        EXPECT_EQ(rows(item, group.list), (Rows{{"2", 2}, {"3", 3}})) << group.list;
        EXPECT_EQ(ui::selectedIndex(list), -1) << group.list; // a second press takes nothing
        clickIn(item, group.deleteButton);
        EXPECT_EQ(rows(item, group.list).size(), 2u) << group.list;
        clickIn(item, group.clearButton);
        EXPECT_TRUE(rows(item, group.list).empty()) << group.list;
        clickIn(item, group.clearButton);
    }
}

TEST_F(ItemWindowTest, ClearContentEmptiesTheSheetAndKeepsTheLastText) {
    QWidget *item = openItemWindow();
    closeNow(fillFireSword(item));
    clickIn(item, "超级按钮13");
    const std::string saved = mainWindow->sharedTexts().itemConfigText;
    messages.clear();

    clickIn(item, "超级按钮18");
    for (const char *edit : {"物品编号框", "物品种类框", "物品耐久框", "物品名称框"})
        EXPECT_TRUE(ui::readText(testsupport::control<QLineEdit>(item, edit)).isEmpty()) << edit;
    EXPECT_TRUE(ui::readText(testsupport::control<QPlainTextEdit>(item, "物品描述框")).isEmpty());
    EXPECT_TRUE(rows(item, "列表框1").empty());
    EXPECT_TRUE(rows(item, "列表框2").empty());
    EXPECT_EQ(mainWindow->sharedTexts().itemConfigText, saved);

    // An empty sheet has no identifier, which the preview asks for as the save does.
    clickIn(item, "超级按钮6");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    expectOneWarningContaining(QStringLiteral("请输入物品编号!"));
}

TEST_F(ItemWindowTest, PreviewRegeneratesAndWritesNothing) {
    QWidget *item = openItemWindow();
    typeIn(item, "物品编号框", "Gem");
    typeIn(item, "物品名称框", "Gem");
    clickIn(item, "超级按钮6");
    QWidget *preview = QApplication::activeModalWidget();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("Veltrane-预览配置 物品"));
    EXPECT_EQ(preview->parentWidget(), item);
    auto *box = testsupport::control<QPlainTextEdit>(preview, "编辑框1");
    EXPECT_EQ(ui::readText(box),
              QStringLiteral("Gem:\r\n  Id: \r\n  Data: \r\n  Display: Gem\r\n\r\n\r\n"));
    QTest::keyClicks(box, "typed");
    closeNow(preview);

    typeIn(item, "物品名称框", QStringLiteral("&a宝石"));
    clickIn(item, "超级按钮6");
    preview = QApplication::activeModalWidget();
    ASSERT_NE(preview, nullptr);
    const QString shown = ui::readText(testsupport::control<QPlainTextEdit>(preview, "编辑框1"));
    EXPECT_EQ(shown,
              QStringLiteral("Gem:\r\n  Id: \r\n  Data: \r\n  Display: '&a宝石'\r\n\r\n\r\n"));
    EXPECT_EQ(mainWindow->sharedTexts().itemConfigText, shown.toStdString());
    closeNow(preview);
    EXPECT_TRUE(filesInItems().isEmpty());
    EXPECT_TRUE(messages.empty());

    clickIn(item, "超级按钮13");
    EXPECT_EQ(readFile("MythicMobs/Items/Gem.yml"),
              QByteArray("Gem:\r\n  Id: \r\n  Data: \r\n  Display: '&a") +
                  QByteArray::fromHex("b1a6caaf") + "'\r\n\r\n\r\n");
}

TEST_F(ItemWindowTest, EmptyIdentifierIsRefusedAndTheTextOutlivesTheWindow) {
    QWidget *item = openItemWindow();
    clickIn(item, "超级按钮13");
    expectOneWarningContaining(QStringLiteral("请输入物品编号!"));
    EXPECT_TRUE(filesInItems().isEmpty()); // no hidden .yml

    typeIn(item, "物品编号框", "Kept");
    clickIn(item, "超级按钮13");
    closeNow(item);
    EXPECT_EQ(mainWindow->sharedTexts().itemConfigText,
              "Kept:\r\n  Id: \r\n  Data: \r\n  Display: \r\n\r\n\r\n");
}

TEST_F(ItemWindowTest, CharactersOutsideGbkAreRefusedNamingTheField) {
    QWidget *item = openItemWindow();
    typeIn(item, "物品编号框", "Gem");
    clickIn(item, "超级按钮13");
    const QByteArray saved = readFile("MythicMobs/Items/Gem.yml");
    messages.clear();

    ui::writeText(testsupport::control<QPlainTextEdit>(item, "物品描述框"),
                  QStringLiteral("第一行\r\n\r\n好♫"));
    clickIn(item, "超级按钮13");
    expectOneWarningContaining(QStringLiteral("物品描述第3行中的字符“♫”"));

    ui::writeText(testsupport::control<QPlainTextEdit>(item, "物品描述框"), QString());
    testsupport::control<QLineEdit>(item, "物品名称框")->setText(QStringLiteral("宝石😀"));
    clickIn(item, "超级按钮13");
    expectOneWarningContaining(QStringLiteral("物品名称中的字符“😀”"));
    EXPECT_EQ(readFile("MythicMobs/Items/Gem.yml"), saved);
    EXPECT_EQ(filesInItems(), QStringList{"Gem.yml"});
}

TEST_F(ItemWindowTest, IdentifiersLeavingTheFolderAreRefused) {
    QWidget *item = openItemWindow();
    for (const char *identifier : {"..\\evil", "a/../../evil", "/tmp/evil", "C:evil"}) {
        typeIn(item, "物品编号框", identifier);
        clickIn(item, "超级按钮13");
        expectOneWarningContaining(QStringLiteral("文件夹以外"));
    }
    EXPECT_TRUE(filesInItems().isEmpty());
    EXPECT_FALSE(QFile::exists(workPath("MythicMobs/evil.yml")));
}

TEST_F(ItemWindowTest, FailedWriteIsReportedWithoutConfirmation) {
    QWidget *item = openItemWindow();
    typeIn(item, "物品编号框", "Gem");
    ASSERT_TRUE(QDir(workPath("MythicMobs/Items")).removeRecursively());
    clickIn(item, "超级按钮13");
    expectOneWarningContaining(QStringLiteral("Gem.yml"));
    EXPECT_FALSE(QFile::exists(workPath("MythicMobs/Items/Gem.yml")));
}

} // namespace
