// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// MainWindow as a desktop program: the 文件 and 帮助 menus, their keys, and the MythicMobs
// folder chosen in the menu and remembered for the next start.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTranslator>

#include "ui/toolkit/application.h"
#include "ui/toolkit/folder_chooser.h"
#include "ui_fixture.h"

namespace {

using testsupport::GuiTest;

class DesktopTest : public GuiTest {
  protected:
    void TearDown() override {
        ui::setFolderChooser({});
        ui::setSaveFileChooser({});
        GuiTest::TearDown();
    }

    void fillDummy() {
        type("怪物编号框", "Dummy");
        type("怪物名称框", QStringLiteral("木桩"));
        type("怪物血量框", "20");
        type("怪物伤害框", "0");
    }
    QAction *action(const char *name) const {
        return testsupport::control<QAction>(mainWindow(), name);
    }
    // A server's plugins/MythicMobs beside the working directory's own MythicMobs.
    QString serverFolder() {
        EXPECT_TRUE(QDir(workPath(QString())).mkpath(QStringLiteral("server/plugins/MythicMobs")));
        return QDir::toNativeSeparators(workPath("server/plugins/MythicMobs"));
    }
    void chooseFolder(const QString &folder) {
        ui::setFolderChooser([folder](const QString &) { return folder; });
        action("选择文件夹菜单项")->trigger();
    }
    // The whole text: the label shortens a deep folder.
    static QString statusText(const QWidget *window) {
        return testsupport::control<QLabel>(window, "输出状态标签")->toolTip();
    }
};

TEST_F(DesktopTest, MenusHoldTheFileActionsWithTheirKeys) {
    ui::MainWindow &window = openMainWindow();
    QStringList titles;
    for (const QAction *menu : testsupport::control<QMenuBar>(&window, "菜单栏")->actions())
        titles << menu->text();
    EXPECT_EQ(titles, (QStringList{QStringLiteral("文件(&F)"), QStringLiteral("设置(&S)"),
                                   QStringLiteral("帮助(&H)")}));
    const std::pair<const char *, const char *> keys[] = {
        {"新建菜单项", "Ctrl+N"},     {"打开菜单项", "Ctrl+O"},
        {"保存菜单项", "Ctrl+S"},     {"另存为菜单项", "Ctrl+Shift+S"},
        {"预览菜单项", "Ctrl+P"},     {"选择文件夹菜单项", ""},
        {"打开输出文件夹菜单项", ""}, {"退出菜单项", "Ctrl+Q"},
        {"关于菜单项", ""},           {"关于Qt菜单项", ""},
    };
    for (const auto &[name, key] : keys) {
        QAction *found = action(name);
        if (found) {
            EXPECT_EQ(found->shortcut().toString(), QString::fromUtf8(key)) << name;
        }
    }
}

TEST_F(DesktopTest, CtrlSSavesLikeTheGenerateButtonAndNewClears) {
    ui::MainWindow &window = openMainWindow();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    fillDummy();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(readFile("MythicMobs/mobs/Dummy.yml").isEmpty());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("怪物配置已经生成到(%1)文件中，请注意查看!")
                                    .arg(QDir::toNativeSeparators(workPath("MythicMobs/mobs"))));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(find<QLineEdit>("怪物编号框")->text().isEmpty());
    EXPECT_TRUE(find<QLineEdit>("怪物名称框")->text().isEmpty());
}

// Ctrl+P previews; the preview's font is fixed-width, so the YAML's indentation lines up.
TEST_F(DesktopTest, CtrlPPreviewsInAFixedWidthFont) {
    ui::MainWindow &window = openMainWindow();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    fillDummy();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
    QWidget *preview = testsupport::shownWindow("MobPreviewWindow");
    ASSERT_NE(preview, nullptr);
    auto *text = testsupport::control<QPlainTextEdit>(preview, "编辑框1");
    EXPECT_TRUE(text->toPlainText().startsWith(u"Dummy:"));
    const QFontMetrics metrics(text->font());
    for (const QChar c : QStringLiteral("im-:"))
        EXPECT_EQ(metrics.horizontalAdvance(c), metrics.horizontalAdvance(u' '))
            << QFontInfo(text->font()).family().toStdString();
}

TEST_F(DesktopTest, ChosenFolderIsRememberedAndUsedByBothWindows) {
    openMainWindow();
    const QString server = serverFolder();
    chooseFolder(server);
    EXPECT_EQ(QSettings().value("output/folder").toString(), server);
    for (const char *folder : {"server/plugins/MythicMobs/mobs", "server/plugins/MythicMobs/Items"})
        EXPECT_TRUE(QDir(workPath(folder)).exists()) << folder;
    EXPECT_EQ(statusText(mainWindow()),
              QStringLiteral("输出到：%1　目标：MythicMobs 4（GBK）").arg(server));
    const QString shown = testsupport::control<QLabel>(mainWindow(), "输出状态标签")->text();
    EXPECT_TRUE(shown.startsWith(u"输出到：") && shown.endsWith(u"MythicMobs 4（GBK）"))
        << shown.toStdString();

    // A new start finds the folder again.
    ui::MainWindow second;
    EXPECT_TRUE(statusText(&second).contains(server));
    fillDummy();
    click("超级按钮13");
    EXPECT_FALSE(readFile("server/plugins/MythicMobs/mobs/Dummy.yml").isEmpty());
    EXPECT_FALSE(QFileInfo::exists(workPath("MythicMobs/mobs/Dummy.yml")));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(server + QDir::separator() + "mobs"))
        << messages[0].text.toStdString();

    click("超级按钮17"); // 物品编辑
    QWidget *item = testsupport::shownWindow("ItemWindow");
    ASSERT_NE(item, nullptr);
    testsupport::typeInto(testsupport::control<QLineEdit>(item, "物品编号框"), "Sword");
    testsupport::typeInto(testsupport::control<QLineEdit>(item, "物品种类框"), "DIAMOND_SWORD");
    messages.clear();
    clickIn(item, "超级按钮13");
    EXPECT_FALSE(readFile("server/plugins/MythicMobs/Items/Sword.yml").isEmpty());
}

// A dialog of the item window waits for an answer there; MainWindow goes on taking clicks.
TEST_F(DesktopTest, ItemWindowDialogBlocksOnlyTheItemWindow) {
    openMainWindow();
    click("超级按钮17");
    QWidget *item = testsupport::shownWindow("ItemWindow");
    ASSERT_NE(item, nullptr);
    clickIn(item, "掉落数据添加按钮"); // the attribute dialog, window-modal
    QWidget *dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(dialog->windowModality(), Qt::WindowModal);

    type("怪物编号框", "Dummy");
    testsupport::clickAsUser(find<QPushButton>("超级按钮18")); // 清空内容
    EXPECT_TRUE(find<QLineEdit>("怪物编号框")->text().isEmpty());
    testsupport::clickAsUser(testsupport::control<QPushButton>(item, "超级按钮18"));
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(DesktopTest, ChosenFolderThatIsGoneIsAWarningNotTheRoot) {
    openMainWindow();
    const QString server = serverFolder();
    chooseFolder(server);
    ASSERT_TRUE(QDir(server).removeRecursively());
    ui::MainWindow second; // makes nothing in its place
    EXPECT_FALSE(QFileInfo::exists(server));
    fillDummy();
    click("超级按钮13");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].warning);
    EXPECT_TRUE(messages[0].text.contains(server)) << messages[0].text.toStdString();
    EXPECT_FALSE(QFileInfo::exists(server));
}

TEST_F(DesktopTest, SaveAsWritesInsideTheMobsFolderOnly) {
    openMainWindow();
    fillDummy();
    const QString mobs = workPath("MythicMobs/mobs");
    ui::setSaveFileChooser([mobs](const QString &) { return mobs + "/Copy.yml"; });
    action("另存为菜单项")->trigger();
    const QByteArray copy = readFile("MythicMobs/mobs/Copy.yml");
    EXPECT_TRUE(copy.startsWith("Dummy:\r\n")) << copy.constData();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_FALSE(messages[0].warning);

    messages.clear();
    ui::setSaveFileChooser([this](const QString &) { return workPath("elsewhere.yml"); });
    action("另存为菜单项")->trigger();
    EXPECT_FALSE(QFileInfo::exists(workPath("elsewhere.yml")));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].warning);
}

TEST_F(DesktopTest, AboutNamesVersionLicenceAndFolder) {
    openMainWindow();
    action("关于菜单项")->trigger();
    ASSERT_EQ(messages.size(), 1u);
    for (const QString &part : {QStringLiteral("2.2.0"), QStringLiteral("GPL-3.0-or-later"),
                                QDir::toNativeSeparators(workPath("MythicMobs"))})
        EXPECT_TRUE(messages[0].text.contains(part)) << part.toStdString();
}

} // namespace

namespace {

// Qt's texts follow the system's language: on a Chinese desktop the message-box buttons and
// the edit boxes' context menus are Chinese too.
TEST(QtTranslationTest, ChineseLocaleLoadsQtsOwnTexts) {
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                           QStringLiteral("/qtbase_zh_CN.qm")))
        GTEST_SKIP() << "qt6-translations-l10n is not installed";
    auto *application = qobject_cast<QApplication *>(QCoreApplication::instance());
    ASSERT_NE(application, nullptr);
    QTranslator *translator = ui::loadQtTranslation(*application, chinese);
    ASSERT_NE(translator, nullptr);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "OK"), QStringLiteral("确定"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
    EXPECT_TRUE(QCoreApplication::translate("QLineEdit", "&Undo").startsWith(u"撤"));
    EXPECT_TRUE(QCoreApplication::translate("QLineEdit", "&Paste").startsWith(u"粘贴"));
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

} // namespace

namespace {

using testsupport::GuiTest;

class FieldHelpTest : public GuiTest {};

// Every field says what it becomes in the file; screen readers tell the lists and their
// buttons apart by their group.
TEST_F(FieldHelpTest, FieldsHaveTipsAndListsAndButtonsNamesAfterTheirGroup) {
    ui::MainWindow &window = openMainWindow();
    click("超级按钮17");
    QWidget *item = testsupport::shownWindow("ItemWindow");
    ASSERT_NE(item, nullptr);
    for (const QWidget *shown : {static_cast<QWidget *>(&window), item}) {
        for (const auto *field : shown->findChildren<QWidget *>()) {
            const bool typed = qobject_cast<const QLineEdit *>(field) ||
                               qobject_cast<const QPlainTextEdit *>(field) ||
                               qobject_cast<const QListWidget *>(field);
            // The drop fields change meaning with the drop type; their labels say it.
            if (!typed || field->objectName().startsWith(u"掉落数据编辑框") ||
                field->objectName().isEmpty())
                continue;
            EXPECT_FALSE(field->toolTip().isEmpty()) << field->objectName().toStdString();
        }
        for (const auto *list : shown->findChildren<QListWidget *>()) {
            const auto *group = qobject_cast<const QGroupBox *>(list->parentWidget());
            ASSERT_NE(group, nullptr);
            EXPECT_EQ(list->accessibleName(), group->title());
        }
    }
    EXPECT_EQ(find<QPushButton>("超级按钮4")->accessibleName(), QStringLiteral("属性数据 添加"));
    EXPECT_EQ(find<QPushButton>("超级按钮21")->accessibleName(), QStringLiteral("技能数据 清空"));
    EXPECT_EQ(testsupport::control<QPushButton>(item, "药水数据删除按钮")->accessibleName(),
              QStringLiteral("药水数据 删除"));
    EXPECT_TRUE(testsupport::control<QLineEdit>(item, "物品编号框")->toolTip().contains(u"文件名"));
}

} // namespace
