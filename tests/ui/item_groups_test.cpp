// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The 药水数据 and 旗帜数据 groups of the item window and their dialogs.
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "item/banner_patterns.h"
#include "item/potion_effects.h"
#include "support/server_reader.h"
#include "ui/toolkit/colour_picker.h"
#include "ui/toolkit/widgets.h"
#include "ui_fixture.h"

namespace {

using testsupport::control;
using testsupport::GuiTest;
using Entry = std::tuple<std::string, std::string, std::string>; // path, type, value

class ItemGroupsTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        ui::setColourPicker([this](const QColor &initial) {
            pickerStarts.push_back(initial);
            return pickedColour;
        });
    }
    void TearDown() override {
        ui::setColourPicker({});
        GuiTest::TearDown();
    }

    QWidget *openItemWindow() {
        openMainWindow();
        click("超级按钮17");
        return testsupport::shownWindow("ItemWindow");
    }
    QWidget *openDialog(QWidget *item, const char *button) {
        clickIn(item, button);
        QWidget *dialog = QApplication::activeModalWidget();
        EXPECT_NE(dialog, nullptr) << button;
        return dialog;
    }
    static void retype(QWidget *window, const char *edit, const QString &text) {
        auto *box = control<QLineEdit>(window, edit);
        box->clear();
        testsupport::typeInto(box, text);
    }
    // Types into a drop-down list's field, picks the first row the filter offers with the
    // arrow key and takes it with Enter.
    static void chooseByTyping(QComboBox *combo, const QString &typed) {
        combo->lineEdit()->clear();
        testsupport::typeInto(combo->lineEdit(), typed);
        QAbstractItemView *popup = combo->completer()->popup();
        ASSERT_TRUE(popup->isVisible()) << typed.toStdString();
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
    }
    void addEffect(QWidget *dialog, int row, const QString &seconds, const QString &level) {
        testsupport::chooseRow(control<QComboBox>(dialog, "组合框1"), row);
        retype(dialog, "编辑框1", seconds);
        retype(dialog, "编辑框2", level);
        clickIn(dialog, "药水效果添加按钮");
    }
    void addLayer(QWidget *dialog, int colour, int pattern) {
        testsupport::chooseRow(control<QComboBox>(dialog, "组合框1"), colour);
        testsupport::chooseRow(control<QComboBox>(dialog, "组合框2"), pattern);
        clickIn(dialog, "旗帜图案添加按钮");
    }
    static QStringList shownRows(const QWidget *item, const char *list) {
        const auto *box = control<QListWidget>(item, list);
        QStringList shown;
        for (int i = 0; i < box->count(); ++i)
            shown << box->item(i)->text();
        return shown;
    }
    static std::vector<std::string> heldRows(const QWidget *item, const char *list) {
        std::vector<std::string> held;
        for (const core::ListEntry &row : ui::listRows(control<QListWidget>(item, list)))
            held.push_back(row.text);
        return held;
    }
    std::vector<Entry> savedEntries(const QString &file, const std::string &prefix) const {
        const testsupport::ServerTree tree = testsupport::readAsServer(
            readFile(file).toStdString(), testsupport::ServerCharset::Gbk);
        EXPECT_TRUE(tree.loaded()) << tree.error;
        std::vector<Entry> entries;
        for (const testsupport::ServerLeaf &leaf : tree.leaves)
            if (leaf.path.starts_with(prefix))
                entries.emplace_back(leaf.path, leaf.type, leaf.value);
        return entries;
    }

    std::optional<QColor> pickedColour;
    std::vector<QColor> pickerStarts;
};

TEST_F(ItemGroupsTest, EffectDialogShowsTicksAndAddsRowsOrTheDomainsWarning) {
    QWidget *item = openItemWindow();
    QWidget *dialog = openDialog(item, "药水数据添加按钮");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Veltrane-添加药水效果"));
    EXPECT_EQ(dialog->parentWidget(), item);
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    auto *ticks = control<QLabel>(dialog, "透明标签4");

    struct Case {
        int row;
        QString seconds, level;
        QString ticksShown;
        std::string held;    // the row added, or empty
        QString shown;       // what the list shows for it
        std::string warning; // the message instead of a row
    };
    const std::vector<Case> cases = {
        {5, "3", "2", "= 60 刻", "INSTANT_HEALTH 60 1", "瞬间治疗 3秒 等级2", ""},
        {0, "1.26", "1", "= 25 刻", "SPEED 25 0", "速度 1.25秒 等级1", ""},
        {1, QStringLiteral("２.５"), "255", "= 50 刻", "SLOWNESS 50 254", "缓慢 2.5秒 等级255", ""},
        {32, "0.05", " 3 ", "= 1 刻", "DARKNESS 1 2", "黑暗 0.05秒 等级3", ""},
        {32, "107374182", "1", "= 2147483640 刻", "DARKNESS 2147483640 0", "黑暗 107374182秒 等级1",
         ""},
        {4, "", "1", "", "", "", std::string(item::potionSecondsEmptyWarning)},
        {4, "1e3", "1", "", "", "", std::string(item::potionSecondsNotNumberWarning)},
        {4, "-1", "1", "", "", "", std::string(item::potionSecondsNegativeWarning)},
        {4, "0.02", "1", "", "", "", std::string(item::potionSecondsTooShortWarning)},
        {4, "107374183", "1", "", "", "", std::string(item::potionSecondsTooLongWarning)},
        {4, "10", "", "= 200 刻", "", "", std::string(item::potionLevelEmptyWarning)},
        {4, "10", "1.5", "= 200 刻", "", "", std::string(item::potionLevelNotWholeWarning)},
        {4, "10", "0", "= 200 刻", "", "", std::string(item::potionLevelRangeWarning)},
        {4, "10", "256", "= 200 刻", "", "", std::string(item::potionLevelRangeWarning)},
        {4, "10", "'; DROP: [x]", "= 200 刻", "", "",
         std::string(item::potionLevelNotWholeWarning)},
    };
    std::vector<std::string> held;
    QStringList shown;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.seconds.toStdString() + " / " + c.level.toStdString());
        addEffect(dialog, c.row, c.seconds, c.level);
        EXPECT_EQ(ui::readText(ticks), c.ticksShown);
        if (c.warning.empty()) {
            EXPECT_TRUE(messages.empty());
            held.push_back(c.held);
            shown << c.shown;
        } else {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].text.toStdString(), c.warning);
            EXPECT_TRUE(messages[0].warning);
        }
        messages.clear();
    }
    EXPECT_EQ(heldRows(item, "列表框3"), held);
    EXPECT_EQ(shownRows(item, "列表框3"), shown);
    EXPECT_TRUE(dialog->isVisible()); // stays open for the next effect
}

TEST_F(ItemGroupsTest, TypingFiltersTheDropDownListsByCaptionOrKey) {
    QWidget *item = openItemWindow();
    QWidget *effects = openDialog(item, "药水数据添加按钮");
    auto *effectBox = control<QComboBox>(effects, "组合框1");
    struct Case {
        QString typed;
        int chosen; // the first row that contains the typed text
    };
    for (const Case &c : {Case{QStringLiteral("治疗"), 5}, Case{"health", 5}, Case{"boost", 7},
                          Case{QStringLiteral("恢复"), 9}}) {
        chooseByTyping(effectBox, c.typed);
        EXPECT_EQ(ui::selectedIndex(effectBox), c.chosen) << c.typed.toStdString();
    }
    EXPECT_EQ(ui::readText(effectBox->lineEdit()), QStringLiteral("生命恢复 (REGENERATION)"));

    // A typed text that is no row leaves nothing chosen, and 确定 adds nothing.
    effectBox->lineEdit()->selectAll();
    testsupport::typeInto(effectBox->lineEdit(), "nothing");
    EXPECT_EQ(ui::selectedIndex(effectBox), -1);
    retype(effects, "编辑框1", "5");
    clickIn(effects, "药水效果添加按钮");
    EXPECT_TRUE(ui::listRows(control<QListWidget>(item, "列表框3")).empty());
    EXPECT_TRUE(messages.empty());
    testsupport::chooseRow(effectBox, 20); // a click on the arrow still offers every row
    EXPECT_EQ(ui::selectedIndex(effectBox), 20);
    effects->close();
    QApplication::processEvents();

    QWidget *layers = openDialog(item, "旗帜数据添加按钮");
    auto *patternBox = control<QComboBox>(layers, "组合框2");
    chooseByTyping(patternBox, "creeper");
    EXPECT_EQ(ui::selectedIndex(patternBox), 32);
    chooseByTyping(patternBox, QStringLiteral("竖条"));
    EXPECT_EQ(ui::selectedIndex(patternBox), 7);
    testsupport::chooseRow(control<QComboBox>(layers, "组合框1"), 11);
    clickIn(layers, "旗帜图案添加按钮");
    EXPECT_EQ(shownRows(item, "列表框4"), QStringList{QStringLiteral("蓝色 右竖条")});
}

TEST_F(ItemGroupsTest, ColourButtonSetsClearsAndShowsThePotionColour) {
    QWidget *item = openItemWindow();
    QWidget *dialog = openDialog(item, "药水数据添加按钮");
    auto *button = control<QPushButton>(dialog, "药水颜色按钮");
    auto *shown = control<QLabel>(item, "药水颜色标签");
    EXPECT_EQ(ui::readText(button), QStringLiteral("默认"));
    EXPECT_TRUE(button->icon().isNull());

    pickedColour = QColor(255, 0, 7);
    clickIn(dialog, "药水颜色按钮");
    EXPECT_EQ(ui::readText(button), QStringLiteral("255,0,7"));
    EXPECT_EQ(button->icon().pixmap(16, 16).toImage().pixelColor(8, 8), QColor(255, 0, 7));
    EXPECT_EQ(ui::readText(shown), QStringLiteral("颜色 255,0,7"));

    pickedColour.reset(); // cancelled: the colour stays
    clickIn(dialog, "药水颜色按钮");
    EXPECT_EQ(ui::readText(button), QStringLiteral("255,0,7"));
    EXPECT_EQ(pickerStarts, (std::vector<QColor>{Qt::white, QColor(255, 0, 7)}));

    clickIn(dialog, "清除颜色按钮");
    EXPECT_EQ(ui::readText(button), QStringLiteral("默认"));
    EXPECT_TRUE(ui::readText(shown).isEmpty());

    // A dialog opened later shows the item's colour; 清空内容 takes it with the rows.
    pickedColour = QColor(1, 2, 3);
    clickIn(dialog, "药水颜色按钮");
    addEffect(dialog, 2, "1", "1");
    dialog->close();
    QApplication::processEvents();
    QWidget *again = openDialog(item, "药水数据添加按钮");
    EXPECT_EQ(ui::readText(control<QPushButton>(again, "药水颜色按钮")), QStringLiteral("1,2,3"));
    again->close();
    QApplication::processEvents();
    QWidget *layers = openDialog(item, "旗帜数据添加按钮");
    addLayer(layers, 0, 0);
    layers->close();
    QApplication::processEvents();
    clickIn(item, "超级按钮18");
    EXPECT_TRUE(ui::listRows(control<QListWidget>(item, "列表框3")).empty());
    EXPECT_TRUE(ui::listRows(control<QListWidget>(item, "列表框4")).empty());
    EXPECT_TRUE(ui::readText(shown).isEmpty());
    testsupport::control<QLineEdit>(item, "物品编号框")->setText(QStringLiteral("Stone"));
    clickIn(item, "超级按钮6");
    QWidget *preview = QApplication::activeModalWidget();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(mainWindow()->sharedTexts().itemConfigText,
              "Stone:\r\n  Id: \r\n  Data: \r\n  Display: \r\n\r\n\r\n");
}

TEST_F(ItemGroupsTest, LayerDialogShowsSwatchesKeepsTheOrderAndWarnsPastSixLayers) {
    QWidget *item = openItemWindow();
    QWidget *dialog = openDialog(item, "旗帜数据添加按钮");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Veltrane-添加旗帜图案"));
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    auto *colourBox = control<QComboBox>(dialog, "组合框1");
    for (int row = 0; row < static_cast<int>(item::dyeColours.size()); ++row) {
        const item::RgbColour swatch = item::dyeColours[row].swatch;
        EXPECT_EQ(ui::comboRowText(colourBox, row), ui::toQString(item::dyeColours[row].caption));
        EXPECT_EQ(colourBox->itemIcon(row).pixmap(16, 16).toImage().pixelColor(8, 8),
                  QColor(swatch.red, swatch.green, swatch.blue))
            << row;
    }

    clickIn(dialog, "旗帜图案添加按钮"); // nothing chosen
    EXPECT_TRUE(ui::listRows(control<QListWidget>(item, "列表框4")).empty());
    auto *warning = control<QLabel>(item, "旗帜层数提示");
    const std::vector<std::pair<int, int>> layers = {{15, 0},  {14, 21}, {0, 13}, {4, 31},
                                                     {11, 24}, {5, 32},  {10, 40}};
    const std::vector<std::string> held = {
        "BLACK BASE",  "RED DIAGONAL_UP_RIGHT", "WHITE SMALL_STRIPES", "YELLOW CURLY_BORDER",
        "BLUE CIRCLE", "LIME CREEPER",          "PURPLE PIGLIN"};
    for (std::size_t i = 0; i < layers.size(); ++i) {
        EXPECT_TRUE(ui::readText(warning).isEmpty()) << i;
        addLayer(dialog, layers[i].first, layers[i].second);
    }
    EXPECT_EQ(heldRows(item, "列表框4"), held);
    EXPECT_EQ(shownRows(item, "列表框4")[1], QStringLiteral("红色 左下三角"));
    EXPECT_EQ(ui::readText(warning), ui::toQString(item::tooManyBannerLayersWarning));
    EXPECT_TRUE(dialog->isVisible());
    dialog->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    testsupport::expectControlsFit(item); // the warning fits on the frame line

    ui::setSelectedIndex(control<QListWidget>(item, "列表框4"), 6);
    clickIn(item, "旗帜数据删除按钮");
    EXPECT_TRUE(ui::readText(warning).isEmpty());
    EXPECT_TRUE(messages.empty());
}

TEST_F(ItemGroupsTest, RowsTheIdIgnoresAreSavedOnlyWhenTheUserSaysSo) {
    QWidget *item = openItemWindow();
    retype(item, "物品编号框", "Odd");
    retype(item, "物品种类框", "DIAMOND_SWORD");
    QWidget *effects = openDialog(item, "药水数据添加按钮");
    addEffect(effects, 0, "1", "1");
    effects->close();
    QApplication::processEvents();

    answers = {false};
    clickIn(item, "超级按钮13");
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_TRUE(questions[0].contains(QStringLiteral("“DIAMOND_SWORD”")))
        << questions[0].toStdString();
    EXPECT_FALSE(questions[0].contains(QStringLiteral("旗帜数据")));
    EXPECT_FALSE(QFile::exists(workPath("MythicMobs/Items/Odd.yml")));
    EXPECT_TRUE(messages.empty());

    answers = {true};
    clickIn(item, "超级按钮13");
    EXPECT_TRUE(
        readFile("MythicMobs/Items/Odd.yml").contains("  PotionEffects:\r\n  - SPEED 20 0"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_FALSE(messages[0].warning);

    retype(item, "物品种类框", "minecraft:Splash_Potion"); // no question for a potion
    clickIn(item, "超级按钮13");
    EXPECT_EQ(questions.size(), 2u);
}

// Both examples entered through the windows, saved, and read back as the server reads them.
TEST_F(ItemGroupsTest, PotionAndShieldSavedThroughTheWindowsReadBackAsEntered) {
    SKIP_WITHOUT_SERVER_READER();
    QWidget *item = openItemWindow();
    retype(item, "物品编号框", "HealingPotion");
    retype(item, "物品种类框", "POTION");
    retype(item, "物品名称框", QStringLiteral("&d治疗药水"));
    QWidget *effects = openDialog(item, "药水数据添加按钮");
    chooseByTyping(control<QComboBox>(effects, "组合框1"), "instant_health");
    retype(effects, "编辑框1", "1");
    retype(effects, "编辑框2", "2");
    clickIn(effects, "药水效果添加按钮");
    addEffect(effects, 9, "45.5", "1");
    pickedColour = QColor(248, 36, 35);
    clickIn(effects, "药水颜色按钮");
    effects->close();
    QApplication::processEvents();
    clickIn(item, "超级按钮13");

    clickIn(item, "超级按钮18");
    retype(item, "物品编号框", "PaintedShield");
    retype(item, "物品种类框", "SHIELD");
    QWidget *layers = openDialog(item, "旗帜数据添加按钮");
    const std::vector<std::pair<int, int>> entered = {{15, 0},  {14, 21}, {0, 13}, {4, 31},
                                                      {11, 24}, {5, 32},  {10, 40}};
    for (const auto &[colour, pattern] : entered)
        addLayer(layers, colour, pattern);
    layers->close();
    QApplication::processEvents();
    EXPECT_EQ(ui::readText(control<QLabel>(item, "旗帜层数提示")),
              ui::toQString(item::tooManyBannerLayersWarning));
    clickIn(item, "超级按钮13");
    EXPECT_TRUE(questions.empty());
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_FALSE(messages[0].warning || messages[1].warning);

    EXPECT_EQ(
        savedEntries("MythicMobs/Items/HealingPotion.yml", "HealingPotion."),
        (std::vector<Entry>{{"HealingPotion.Id", "string", "POTION"},
                            {"HealingPotion.Display", "string", "&d治疗药水"},
                            {"HealingPotion.PotionEffects", "list", "2"},
                            {"HealingPotion.PotionEffects[0]", "string", "HEAL 20 1"},
                            {"HealingPotion.PotionEffects[1]", "string", "REGENERATION 910 0"},
                            {"HealingPotion.Options", "section", "1"},
                            {"HealingPotion.Options.Color", "string", "248,36,35"}}));
    std::vector<Entry> shieldLayers = {{"PaintedShield.BannerLayers", "list", "7"}};
    const std::vector<std::string> mm4Layers = {
        "BLACK BASE",         "RED DIAGONAL_RIGHT", "WHITE STRIPE_SMALL", "YELLOW CURLY_BORDER",
        "BLUE CIRCLE_MIDDLE", "LIME CREEPER",       "PURPLE PIGLIN"};
    for (std::size_t i = 0; i < mm4Layers.size(); ++i)
        shieldLayers.emplace_back("PaintedShield.BannerLayers[" + std::to_string(i) + "]", "string",
                                  mm4Layers[i]);
    EXPECT_EQ(savedEntries("MythicMobs/Items/PaintedShield.yml", "PaintedShield.Banner"),
              shieldLayers);
}

} // namespace
