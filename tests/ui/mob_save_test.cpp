// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "storage/encodings.h"
#include "storage/files.h"
#include "ui/toolkit/widgets.h"
#include "ui_fixture.h"

namespace {

using testsupport::GuiTest;

// Dummy.yml as GBK bytes: 木桩 is C4 BE D7 AE.
const QByteArray dummyFile =
    QByteArray("Dummy:\r\n  Type: ARMOR_STAND\r\n  Display: '") + QByteArray::fromHex("c4bed7ae") +
    "'\r\n  Health: 20\r\n  Damage: 0\r\n  Drops:\r\n  Options:\r\n\r\n\r\n";

class MobSaveTest : public GuiTest {
  protected:
    void fillDummy() {
        openMainWindow();
        type("怪物编号框", "Dummy");
        type("怪物名称框", QStringLiteral("木桩"));
        type("怪物血量框", "20");
        type("怪物伤害框", "0");
    }
    QString mobsFolder() const { return QDir::toNativeSeparators(workPath("MythicMobs/mobs")); }
    QString confirmation() const {
        return QStringLiteral("怪物配置已经生成到(%1)文件中，请注意查看!").arg(mobsFolder());
    }
    void expectOneWarningContaining(const QString &part) {
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].warning);
        EXPECT_TRUE(messages[0].text.contains(part)) << messages[0].text.toStdString();
    }
    QStringList filesInMobs() const {
        return QDir(workPath("MythicMobs/mobs")).entryList(QDir::Files | QDir::Hidden);
    }
};

TEST_F(MobSaveTest, SmallestSheetTypedByHandGivesTheExactFile) {
    fillDummy();
    click("超级按钮13");
    EXPECT_EQ(readFile("MythicMobs/mobs/Dummy.yml"), dummyFile);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, confirmation());
    EXPECT_FALSE(messages[0].warning);

    click("超级按钮13"); // a second save replaces the file whole
    EXPECT_EQ(readFile("MythicMobs/mobs/Dummy.yml"), dummyFile);
    EXPECT_EQ(filesInMobs(), QStringList{"Dummy.yml"});
}

TEST_F(MobSaveTest, MissingNameWarnsAndWritesNothing) {
    fillDummy();
    find<QLineEdit>("怪物名称框")->clear();
    click("超级按钮13");
    expectOneWarningContaining(QStringLiteral("请输入怪物名称!"));
    EXPECT_TRUE(filesInMobs().isEmpty());
}

TEST_F(MobSaveTest, IdentifierWithSpaceAndSubfolder) {
    fillDummy();
    // A blank would be part of the file name but cut the mob's name for the server.
    type("怪物编号框", "My Mob");
    click("超级按钮13");
    expectOneWarningContaining(QStringLiteral("怪物编号“My Mob”不能含有空格"));
    EXPECT_FALSE(QFile::exists(workPath("MythicMobs/mobs/My Mob.yml")));

    ASSERT_TRUE(QDir(workPath("MythicMobs/mobs")).mkdir("a"));
    for (const char *identifier : {"a\\b", "a/c"}) {
        type("怪物编号框", identifier);
        click("超级按钮13");
    }
    EXPECT_TRUE(readFile("MythicMobs/mobs/a/b.yml").startsWith("a\\b:\r\n"));
    EXPECT_TRUE(readFile("MythicMobs/mobs/a/c.yml").startsWith("a/c:\r\n"));
}

TEST_F(MobSaveTest, IdentifiersLeavingTheFolderAreRefused) {
    fillDummy();
    for (const char *identifier :
         {"..\\evil", "a/../../evil", "/tmp/evil", "\\evil", "C:evil", "c:\\evil"}) {
        messages.clear();
        type("怪物编号框", identifier);
        click("超级按钮13");
        expectOneWarningContaining(QStringLiteral("文件夹以外"));
    }
    EXPECT_TRUE(filesInMobs().isEmpty());
    EXPECT_FALSE(QFile::exists(workPath("MythicMobs/evil.yml")));
}

TEST_F(MobSaveTest, FailedWriteIsReportedWithoutConfirmation) {
    fillDummy();
    ASSERT_TRUE(QDir(workPath("MythicMobs/mobs")).removeRecursively());
    click("超级按钮13");
    expectOneWarningContaining(QStringLiteral("Dummy.yml"));
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("不存在")));

    messages.clear();
    type("怪物编号框", "missing\\sub");
    click("超级按钮13");
    expectOneWarningContaining(QStringLiteral("不存在"));
}

TEST_F(MobSaveTest, CharactersOutsideGbkAreRefusedAndTheOldFileStays) {
    fillDummy();
    click("超级按钮13");
    messages.clear();

    find<QLineEdit>("怪物名称框")->setText(QStringLiteral("木桩😀"));
    click("超级按钮13");
    expectOneWarningContaining(QStringLiteral("怪物名称中的字符“😀”"));
    EXPECT_EQ(readFile("MythicMobs/mobs/Dummy.yml"), dummyFile);
    EXPECT_EQ(filesInMobs(), QStringList{"Dummy.yml"});

    messages.clear();
    type("怪物名称框", QStringLiteral("木桩"));
    find<QLineEdit>("编辑框1")->setText(QStringLiteral("ok"));
    click("超级按钮1");
    find<QLineEdit>("编辑框1")->setText(QStringLiteral("♫€x♫"));
    click("超级按钮1");
    click("超级按钮13");
    expectOneWarningContaining(QStringLiteral("击杀信息列表第2行中的字符“♫”"));
}

TEST_F(MobSaveTest, ReadOnlyFileIsNotReplaced) {
    fillDummy();
    QFile old(workPath("MythicMobs/mobs/Dummy.yml"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    const QByteArray oldFile = "Dummy:\r\n  Health: 1\r\n";
    old.write(oldFile);
    old.close();
    ASSERT_TRUE(old.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadUser));
    click("超级按钮13");
    expectOneWarningContaining(QStringLiteral("只读"));
    EXPECT_EQ(readFile("MythicMobs/mobs/Dummy.yml"), oldFile);
}

TEST_F(MobSaveTest, PreviewShowsTheTextAndNothingIsReadBack) {
    fillDummy();
    click("超级按钮15");
    auto *preview = qobject_cast<QWidget *>(QApplication::activeModalWidget());
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("Veltrane-预览配置 怪物"));
    auto *box = testsupport::control<QPlainTextEdit>(preview, "编辑框1");
    EXPECT_EQ(ui::readText(box).toUtf8(),
              QStringLiteral("Dummy:\r\n  Type: ARMOR_STAND\r\n  Display: '木桩'\r\n"
                             "  Health: 20\r\n  Damage: 0\r\n  Drops:\r\n  Options:\r\n\r\n\r\n")
                  .toUtf8());
    QTest::keyClicks(box, "typed");
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(QDir(workPath("MythicMobs/mobs")).entryList(QDir::Files).isEmpty());
    preview->close();
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    click("超级按钮13");
    EXPECT_EQ(readFile("MythicMobs/mobs/Dummy.yml"), dummyFile);
}

TEST_F(MobSaveTest, PreviewAfterFailedGenerationOpensNothing) {
    fillDummy();
    click("超级按钮15");
    QApplication::activeModalWidget()->close();
    QApplication::processEvents();
    find<QLineEdit>("怪物编号框")->clear();
    click("超级按钮15");
    expectOneWarningContaining(QStringLiteral("请输入怪物编号!"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(Host, CreateFolderMakesOneLevelOnly) {
    QTemporaryDir dir;
    storage::createFolder(dir.filePath("a/b"));
    EXPECT_FALSE(QDir(dir.filePath("a")).exists());
    storage::createFolder(dir.filePath("a"));
    storage::createFolder(dir.filePath("a"));
    EXPECT_TRUE(QDir(dir.filePath("a")).exists());
}

TEST(Host, NamesWindowsRefuses) {
    for (const char *name : {"CON", "con", "NUL", "nul.yml", "AUX", "PRN.txt", "COM1", "LPT9.yml",
                             "CON .yml", "a<b", "a>b", "a:b", "a\"b", "a|b", "a?b", "a*b", "a\tb"})
        EXPECT_TRUE(storage::windowsRefusesName(QString::fromUtf8(name))) << name;
    for (const char *name : {"CONSOLE", "NULL.yml", "COM0", "LPT10", "xCON", "Dummy.yml",
                             "My Mob.yml", "木桩.yml", "a.b.c", "con_x"})
        EXPECT_FALSE(storage::windowsRefusesName(QString::fromUtf8(name))) << name;
}

TEST(Host, GbkEncodingNamesWhatItCannotHold) {
    EXPECT_EQ(storage::encodeGbk(QStringLiteral("木桩€")), QByteArray::fromHex("c4bed7ae80"));
    EXPECT_EQ(storage::encodeGbk(QStringLiteral("繁體中文")),
              QByteArray::fromHex("b7b1f377d6d0cec4"));
    // Characters with no GBK form, and halves of a pair: the encoder must not pass any of
    // them over, nor turn them into a question mark.
    for (const QString &text :
         {QStringLiteral("a😀"), QStringLiteral("♫b"), QStringLiteral("a\u0080"),
          QString(QChar(0xD83D)), QStringLiteral("a") + QChar(0xDE00) + QStringLiteral("b")})
        EXPECT_FALSE(storage::encodeGbk(text).has_value()) << text.toStdString();
    EXPECT_EQ(storage::charactersOutsideGbk(QStringLiteral("a😀b😀♫")), QStringLiteral("😀♫"));
    EXPECT_EQ(storage::charactersOutsideGbk(QStringLiteral("abc")), QString());
}

} // namespace
