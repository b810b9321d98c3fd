// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "mob/mob_config.h"
#include "ui/toolkit/widgets.h"
#include "ui_fixture.h"

namespace {

using testsupport::GuiTest;

constexpr const char *fieldNames[] = {"掉落数据编辑框1", "掉落数据编辑框2", "掉落数据编辑框3"};
constexpr const char *labelNames[] = {"掉落数据标签1", "掉落数据标签2", "掉落数据标签3"};

class DropEditorTest : public GuiTest {
  protected:
    void chooseType(int row) { testsupport::chooseRow(find<QComboBox>("掉落类型框"), row); }
    void fill(const QStringList &texts) {
        for (int i = 0; i < texts.size(); ++i)
            type(fieldNames[i], texts[i]);
    }
    void add() { click("掉落数据添加按钮"); }
    QStringList captions() const {
        QStringList texts;
        for (const char *name : labelNames)
            texts << find<QLabel>(name)->text();
        return texts;
    }
    QStringList fieldTexts() const {
        QStringList texts;
        for (const char *name : fieldNames)
            texts << find<QLineEdit>(name)->text();
        return texts;
    }
    bool thirdFieldShown() const {
        const bool label = find<QLabel>("掉落数据标签3")->isVisible();
        EXPECT_EQ(find<QLineEdit>("掉落数据编辑框3")->isVisible(), label);
        return label;
    }
};

TEST_F(DropEditorTest, EachSelectionSetsItsLayoutAndEmptiesTheFields) {
    ui::MainWindow &window = openMainWindow();
    EXPECT_EQ(captions(), (QStringList{"掉落数据", "掉落数据", "掉落数据"}));
    EXPECT_TRUE(thirdFieldShown());

    struct Step {
        int type;
        QStringList captions;
        bool third;
    };
    const QStringList twoFields{"掉落数量:", "掉落几率:", ""};
    const QStringList threeFields{"物品名称:", "掉落数量:", "掉落几率"};
    // Both switches within a layout and the same type chosen again empty the fields too.
    for (const Step &step :
         {Step{2, threeFields, true}, Step{0, twoFields, false}, Step{1, twoFields, false},
          Step{1, twoFields, false}, Step{3, threeFields, true}, Step{2, threeFields, true}}) {
        for (const char *name : fieldNames)
            find<QLineEdit>(name)->setText("old");
        chooseType(step.type);
        EXPECT_EQ(captions(), step.captions) << step.type;
        EXPECT_EQ(thirdFieldShown(), step.third) << step.type;
        EXPECT_EQ(fieldTexts(), (QStringList{"", "", ""})) << step.type;
        EXPECT_TRUE(find<QLabel>("掉落数据标签1")->isVisible() &&
                    find<QLineEdit>("掉落数据编辑框2")->isVisible());
        testsupport::expectControlsFit(&window);
    }
}

TEST_F(DropEditorTest, WorkedExampleListsTheDropsInTheOrderAdded) {
    ui::MainWindow &window = openMainWindow();
    chooseType(0);
    fill({"10", "1"});
    add();
    chooseType(2);
    fill({"diamond", "2", "0.5"});
    add();
    chooseType(1);
    fill({"50", "0.25"});
    add();
    chooseType(3);
    fill({"RubySword", "1", "1.5"});
    add();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("几率范围请在0~1之间输入！"));
    EXPECT_TRUE(messages[0].warning);
    EXPECT_EQ(rowTexts("列表框1").size(), 3);
    EXPECT_EQ(fieldTexts(), (QStringList{"RubySword", "1", "1.5"})); // kept for correcting
    type("掉落数据编辑框3", "0.05");
    add();
    EXPECT_EQ(messages.size(), 1u);

    EXPECT_EQ(rowTexts("列表框1"), (QStringList{"  - RubySword 1 0.05", "  - money 50 0.25",
                                                "  - diamond 2 0.5", "  - exp 10 1"}));
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(ui::listRowTag(find<QListWidget>("列表框1"), row), 0);

    mob::MobSheet sheet = window.readMobSheet();
    sheet.identifier = sheet.displayName = sheet.health = sheet.damage = "x";
    const std::string text = mob::generateMobConfig(sheet, "", core::TargetServer::Mm4).text;
    EXPECT_NE(text.find("  Drops:\r\n  - exp 10 1\r\n  - diamond 2 0.5\r\n  - money 50 0.25\r\n"
                        "  - RubySword 1 0.05\r\n  Options:\r\n"),
              std::string::npos)
        << text;
}

TEST_F(DropEditorTest, FailedCheckChangesNothingAndAddingAgainDuplicates) {
    openMainWindow();
    chooseType(2);
    fill({"", "2", ""});
    add();
    ASSERT_EQ(messages.size(), 1u); // only the first failing check
    EXPECT_EQ(messages[0].text, QStringLiteral("物品ID不能为空！"));
    EXPECT_TRUE(rowTexts("列表框1").isEmpty());
    EXPECT_EQ(fieldTexts(), (QStringList{"", "2", ""}));
    EXPECT_EQ(ui::selectedIndex(find<QComboBox>("掉落类型框")), 2);

    messages.clear();
    fill({"stone", " ", "0.5abc"});
    add();
    add();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(rowTexts("列表框1"), (QStringList{"  - stone   0.5abc", "  - stone   0.5abc"}));
}

TEST_F(DropEditorTest, AddDoesNothingWithoutADropType) {
    openMainWindow();
    fill({"10", "1", "1"});
    add();
    chooseType(0);
    fill({"10", "1"});
    click("超级按钮18"); // 清空内容 clears the selection but keeps the layout
    EXPECT_EQ(ui::selectedIndex(find<QComboBox>("掉落类型框")), -1);
    EXPECT_EQ(captions(), (QStringList{"掉落数量:", "掉落几率:", ""}));
    fill({"10", "1"});
    add();
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(rowTexts("列表框1").isEmpty());
}

} // namespace
