// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <deque>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTest>

#include "storage/config_reading.h"
#include "support/fixtures.h"
#include "ui/toolkit/file_chooser.h"
#include "ui/toolkit/message.h"
#include "ui/toolkit/widgets.h"
#include "ui/windows/entry_choice_dialog.h"
#include "ui_fixture.h"

namespace {

using testsupport::GuiTest;

// 读取配置 with the file dialog answered by the test.
class ConfigOpenTest : public GuiTest {
  protected:
    void TearDown() override {
        ui::setFileChooser({});
        ui::setSaveQuestionSink({});
        GuiTest::TearDown();
    }

    // Puts the fixture into the folder and lets the file dialog choose it.
    QString offer(const char *fixture, const QString &folder, const QString &name) {
        QDir().mkpath(workPath(folder));
        const QString path = workPath(folder + "/" + name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(testsupport::fixtureBytes(fixture)));
        ui::setFileChooser([this, path](const QString &start) {
            startFolders.push_back(start);
            return std::optional<QString>(path);
        });
        return path;
    }

    ui::EntryChoiceDialog *choiceDialog() const {
        return mainWindow()->findChild<ui::EntryChoiceDialog *>(
            QStringLiteral("EntryChoiceDialog"));
    }

    QByteArray fixture(const char *name) const {
        return QByteArray::fromStdString(testsupport::fixtureBytes(name));
    }

    QStringList startFolders;
};

TEST_F(ConfigOpenTest, OpensThePickedEntryOfSeveralAndSavesOnlyIt) {
    openMainWindow();
    offer("several_mobs.yml", "MythicMobs/mobs", "crypt.yml");
    click("超级按钮14");
    EXPECT_EQ(startFolders, QStringList{QDir::toNativeSeparators(workPath("MythicMobs/mobs"))});
    ui::EntryChoiceDialog *dialog = choiceDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Veltrane-选择条目"));
    EXPECT_TRUE(dialog->isModal() || dialog->windowModality() != Qt::NonModal);
    auto *list = testsupport::control<QListWidget>(dialog, "列表框1");
    ASSERT_EQ(ui::listRowCount(list), 2);
    EXPECT_EQ(ui::listRowText(list, 0),
              QStringLiteral("SkeletalKnight    WITHER_SKELETON    &6Skeletal Knight"));
    EXPECT_EQ(ui::selectedIndex(list), 0);
    // The sheet stays as it is until an entry is chosen.
    EXPECT_EQ(ui::readText(find<QLineEdit>("怪物编号框")), QString());

    ui::setSelectedIndex(list, 1);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(ui::readText(find<QLineEdit>("怪物编号框")), QStringLiteral("SkeletonKing"));
    EXPECT_EQ(ui::readText(find<QLineEdit>("怪物血量框")), QStringLiteral("200"));
    EXPECT_EQ(rowTexts("列表框5"), (QStringList{"  - 1 players", "  - 0 clear"}));

    type("怪物血量框", "250");
    click("超级按钮13");
    EXPECT_EQ(readFile("MythicMobs/mobs/crypt.yml"), fixture("several_mobs.king_health.yml"));
    EXPECT_FALSE(QFile::exists(workPath("MythicMobs/mobs/SkeletonKing.yml")));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_FALSE(messages[0].warning) << messages[0].text.toStdString();
}

TEST_F(ConfigOpenTest, EscapeLeavesTheSheetAsItWas) {
    openMainWindow();
    offer("several_mobs.yml", "MythicMobs/mobs", "crypt.yml");
    type("怪物编号框", "Mine");
    click("超级按钮14");
    // The dialog deletes itself once closed: only a guarded pointer may look at it then.
    QPointer<ui::EntryChoiceDialog> dialog = choiceDialog();
    ASSERT_NE(dialog, nullptr);
    auto *list = testsupport::control<QListWidget>(dialog, "列表框1");
    list->setFocus();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    QTest::keyClick(list, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(!dialog || !dialog->isVisible());
    EXPECT_EQ(ui::readText(find<QLineEdit>("怪物编号框")), QStringLiteral("Mine"));
}

// One entry opens at once; the save keeps the file's GBK bytes, its line ends and comments.
TEST_F(ConfigOpenTest, AFileWithOneEntryOpensAtOnceAndStaysGbk) {
    openMainWindow();
    offer("gbk_mob.yml", "MythicMobs/mobs", "old.yml");
    click("超级按钮14");
    EXPECT_EQ(choiceDialog(), nullptr);
    EXPECT_EQ(ui::readText(find<QLineEdit>("怪物编号框")), QStringLiteral("僵尸王"));
    EXPECT_EQ(ui::readText(find<QLineEdit>("编辑框10")), QStringLiteral("IRON_SWORD"));
    type("怪物伤害框", "7");
    click("超级按钮13");
    const storage::ConfigFileText saved =
        storage::decodeConfigBytes(readFile("MythicMobs/mobs/old.yml"));
    EXPECT_EQ(saved.encoding, storage::FileEncoding::Gbk);
    EXPECT_EQ(saved.lineEnd, core::LineEnd::CrLf);
    EXPECT_NE(saved.text.find("# 旧服务器的怪物\r\n僵尸王:\r\n  Type: ZOMBIE\r\n"),
              std::string::npos)
        << saved.text;
    EXPECT_NE(saved.text.find("  Damage: 7\r\n"), std::string::npos) << saved.text;
    EXPECT_NE(saved.text.find("  - IRON_SWORD:0\r\n"), std::string::npos) << saved.text;
}

// A sheet that was not opened, saved to a file that holds other entries, keeps them.
TEST_F(ConfigOpenTest, ANewSheetSavedIntoAFileWithOtherEntriesKeepsThem) {
    openMainWindow();
    offer("several_mobs.yml", "MythicMobs/mobs", "Dummy.yml");
    type("怪物编号框", "Dummy");
    type("怪物名称框", "Dummy");
    type("怪物血量框", "20");
    type("怪物伤害框", "0");
    click("超级按钮13");
    const QByteArray saved = readFile("MythicMobs/mobs/Dummy.yml");
    EXPECT_TRUE(saved.startsWith(fixture("several_mobs.yml"))) << saved.toStdString();
    EXPECT_TRUE(saved.endsWith("\nDummy:\n  Type: ARMOR_STAND\n  Display: 'Dummy'\n  Health: 20\n"
                               "  Damage: 0\n  Drops:\n  Options:\n\n\n"))
        << saved.toStdString();
}

// The item window opens its files the same way; Enter picks the first entry, selected at start.
TEST_F(ConfigOpenTest, TheItemWindowOpensThePickedEntryAndSavesOnlyIt) {
    openMainWindow();
    offer("several_items.yml", "MythicMobs/Items", "weapons.yml");
    click("超级按钮17");
    QWidget *item = testsupport::shownWindow("ItemWindow");
    ASSERT_NE(item, nullptr);
    clickIn(item, "超级按钮5");
    EXPECT_EQ(startFolders, QStringList{QDir::toNativeSeparators(workPath("MythicMobs/Items"))});
    auto *dialog = item->findChild<ui::EntryChoiceDialog *>(QStringLiteral("EntryChoiceDialog"));
    ASSERT_NE(dialog, nullptr);
    auto *list = testsupport::control<QListWidget>(dialog, "列表框1");
    EXPECT_EQ(ui::listRowText(list, 1), QStringLiteral("HealingPotion    POTION    Healing"));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(ui::readText(testsupport::control<QLineEdit>(item, "物品编号框")),
              QStringLiteral("KingsBow"));
    ui::writeText(testsupport::control<QLineEdit>(item, "物品名称框"),
                  QStringLiteral("&6王者之弓"));
    // Closing asks first; 取消 keeps the window and its edits.
    QStringList asked;
    ui::setSaveQuestionSink([&](const QString &text) {
        asked.push_back(text);
        return ui::SaveAnswer::Cancel;
    });
    EXPECT_FALSE(item->close());
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].contains(QStringLiteral("KingsBow"))) << asked[0].toStdString();
    clickIn(item, "超级按钮13");
    EXPECT_EQ(readFile("MythicMobs/Items/weapons.yml"), fixture("several_items.bow_display.yml"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_FALSE(messages[0].warning) << messages[0].text.toStdString();
    // Saved: closing asks nothing.
    EXPECT_TRUE(item->close());
    EXPECT_EQ(asked.size(), 1);
}

// Edits of an opened entry are not lost without a question: 取消 keeps them, 不保存 drops them,
// 保存 writes them first.
TEST_F(ConfigOpenTest, UnsavedEditsOfAnOpenedEntryAreAskedAbout) {
    openMainWindow();
    const QString path = offer("gbk_mob.yml", "MythicMobs/mobs", "old.yml");
    std::deque<ui::SaveAnswer> saveAnswers;
    QStringList asked;
    ui::setSaveQuestionSink([&](const QString &text) {
        asked.push_back(text);
        EXPECT_FALSE(saveAnswers.empty()) << text.toStdString();
        const ui::SaveAnswer answer =
            saveAnswers.empty() ? ui::SaveAnswer::Cancel : saveAnswers.front();
        if (!saveAnswers.empty())
            saveAnswers.pop_front();
        return answer;
    });
    const QByteArray original = readFile("MythicMobs/mobs/old.yml");
    click("超级按钮14");
    click("超级按钮18"); // nothing edited: no question
    EXPECT_TRUE(asked.isEmpty());

    mainWindow()->openConfigFile(path);
    type("怪物伤害框", "9");
    saveAnswers = {ui::SaveAnswer::Cancel, ui::SaveAnswer::Discard};
    click("超级按钮18");
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].contains(QStringLiteral("僵尸王"))) << asked[0].toStdString();
    EXPECT_EQ(ui::readText(find<QLineEdit>("怪物伤害框")), QStringLiteral("9"));
    click("超级按钮18");
    EXPECT_EQ(ui::readText(find<QLineEdit>("怪物编号框")), QString());
    EXPECT_EQ(readFile("MythicMobs/mobs/old.yml"), original);

    mainWindow()->openConfigFile(path);
    type("怪物伤害框", "9");
    saveAnswers = {ui::SaveAnswer::Save};
    mainWindow()->openConfigFile(path);
    EXPECT_EQ(asked.size(), 3);
    const storage::ConfigFileText saved =
        storage::decodeConfigBytes(readFile("MythicMobs/mobs/old.yml"));
    EXPECT_NE(saved.text.find("  Damage: 9\r\n"), std::string::npos) << saved.text;
    EXPECT_EQ(ui::readText(find<QLineEdit>("怪物伤害框")), QStringLiteral("9"));
    EXPECT_TRUE(mainWindow()->close());
}

} // namespace
