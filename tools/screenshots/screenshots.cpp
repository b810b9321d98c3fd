// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Opens every window of the program the way a user would, on a filled example sheet, and
// saves each one as <folder>/<name>.png. Usage: veltrane_screenshots <folder>
#include <functional>
#include <tuple>
#include <utility>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "ui/application.h"
#include "ui/main_window.h"
#include "ui/message.h"
#include "ui/widgets.h"
#include "ui/window_layout.h"

namespace {

void fill(QWidget *window, const char *name, const QString &text) {
    ui::writeText(ui::control<QWidget>(window, name), text);
}

void press(QWidget *window, const char *button) { ui::control<QPushButton>(window, button)->click(); }

// The newest top-level window with that object name.
QWidget *openedWindow(const char *objectName) {
    QWidget *found = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->objectName() == QLatin1String(objectName))
            found = window;
    return found;
}

void choose(QWidget *window, const char *combo, int row) {
    auto *box = ui::control<QComboBox>(window, combo);
    box->setCurrentIndex(row);
    emit box->activated(row);
}

void addDrop(ui::MainWindow &main, int type, const QStringList &fields) {
    choose(&main, "掉落类型框", type);
    const char *edits[] = {"掉落数据编辑框1", "掉落数据编辑框2", "掉落数据编辑框3"};
    for (int i = 0; i < fields.size(); ++i)
        fill(&main, edits[i], fields[i]);
    press(&main, "掉落数据添加按钮");
}

void fillMobSheet(ui::MainWindow &main) {
    fill(&main, "怪物编号框", QStringLiteral("SkeletonKing"));
    choose(&main, "怪物类型框", 35);
    fill(&main, "怪物名称框", QStringLiteral("&c骷髅之王"));
    fill(&main, "怪物血量框", QStringLiteral("200"));
    fill(&main, "怪物伤害框", QStringLiteral("8"));
    addDrop(main, 0, {"10", "1"});
    addDrop(main, 2, {"diamond", "2", "0.5"});
    addDrop(main, 1, {"50", "0.25"});
    fill(&main, "编辑框13", QStringLiteral("IRON_CHESTPLATE"));
    fill(&main, "编辑框10", QStringLiteral("BOW"));
    fill(&main, "编辑框12", QStringLiteral("GOLDEN_HELMET"));
    for (const char *message : {"<target.name>被骷髅之王击杀了", "骷髅之王又赢了"}) {
        fill(&main, "编辑框1", QString::fromUtf8(message));
        press(&main, "超级按钮1");
    }

    press(&main, "超级按钮4");
    QWidget *options = openedWindow("MobOptionDialog");
    for (const auto &[row, value] : {std::pair{16, "0.3"}, std::pair{28, "true"}}) {
        choose(options, "组合框1", row);
        fill(options, "编辑框1", QString::fromUtf8(value));
        press(options, "掉落数据添加按钮");
    }
    options->close();

    press(&main, "超级按钮7");
    QWidget *ai = openedWindow("AiDialog");
    for (const auto &[row, priority] : {std::pair{0, "0"}, std::pair{13, "1"}}) {
        choose(ai, "组合框1", row);
        fill(ai, "编辑框1", QString::fromUtf8(priority));
        press(ai, "超级按钮4");
    }
    for (const auto &[row, priority] : {std::pair{0, "0"}, std::pair{2, "1"}}) {
        choose(ai, "组合框2", row);
        fill(ai, "编辑框2", QString::fromUtf8(priority));
        press(ai, "超级按钮1");
    }
    ai->close();
    QApplication::processEvents();
}

// Opens ItemWindow on the main window and fills it through its dialogs.
QWidget *openFilledItemWindow(ui::MainWindow &main) {
    press(&main, "超级按钮17");
    QWidget *item = openedWindow("ItemWindow");
    fill(item, "物品编号框", QStringLiteral("FireSword"));
    fill(item, "物品种类框", QStringLiteral("DIAMOND_SWORD"));
    fill(item, "物品耐久框", QStringLiteral("0"));
    fill(item, "物品名称框", QStringLiteral("&c烈焰之剑"));
    fill(item, "物品描述框", QStringLiteral("第一行\r\n第二行"));

    press(item, "掉落数据添加按钮");
    QWidget *attributes = openedWindow("ItemAttributeDialog");
    for (const auto &[slot, type, value] : {std::tuple{1, 3, "10"}, std::tuple{1, 0, "1.6"}, std::tuple{0, 8, "0.1"}}) {
        choose(attributes, "组合框2", slot);
        choose(attributes, "组合框1", type);
        fill(attributes, "编辑框1", QString::fromUtf8(value));
        press(attributes, "物品数据添加按钮");
    }
    attributes->close();

    press(item, "掉落数据添加按钮1");
    QWidget *enchantments = openedWindow("EnchantmentDialog");
    for (const auto &[row, level] : {std::pair{8, "2"}, std::pair{24, "5"}}) {
        choose(enchantments, "组合框1", row);
        fill(enchantments, "编辑框1", QString::fromUtf8(level));
        press(enchantments, "掉落数据添加按钮");
    }
    enchantments->close();
    QApplication::processEvents();
    return item;
}

// Presses a button of the window and gives back the window it opened.
QWidget *pressAndFind(QWidget *window, const char *button, const char *opened) {
    press(window, button);
    return openedWindow(opened);
}

struct Shot {
    const char *file;
    std::function<QWidget *(ui::MainWindow &)> open;
};

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ui::setUpApplication(application);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2) {
        qWarning("usage: veltrane_screenshots <folder>");
        return 2;
    }
    const QDir output(QDir(arguments[1]).absolutePath());
    QDir().mkpath(output.path());
    // The windows create their folders in the working directory; keep them out of the way.
    QTemporaryDir workDir;
    QDir::setCurrent(workDir.path());
    ui::setMessageSink([](const QString &, bool) {});

    const Shot shots[] = {
        {"main-window", [](ui::MainWindow &main) { return &main; }},
        {"mob-preview", [](ui::MainWindow &main) { return pressAndFind(&main, "超级按钮15", "MobPreviewWindow"); }},
        {"mob-option-dialog",
         [](ui::MainWindow &main) {
             QWidget *dialog = pressAndFind(&main, "超级按钮4", "MobOptionDialog");
             choose(dialog, "组合框1", 16);
             fill(dialog, "编辑框1", QStringLiteral("0.3"));
             return dialog;
         }},
        {"ai-dialog",
         [](ui::MainWindow &main) {
             QWidget *dialog = pressAndFind(&main, "超级按钮7", "AiDialog");
             choose(dialog, "组合框1", 13);
             fill(dialog, "编辑框1", QStringLiteral("1"));
             return dialog;
         }},
        {"item-window", [](ui::MainWindow &main) { return openFilledItemWindow(main); }},
        {"item-preview",
         [](ui::MainWindow &main) {
             return pressAndFind(openFilledItemWindow(main), "超级按钮6", "ItemPreviewWindow");
         }},
        {"item-attribute-dialog",
         [](ui::MainWindow &main) {
             QWidget *dialog = pressAndFind(openFilledItemWindow(main), "掉落数据添加按钮", "ItemAttributeDialog");
             choose(dialog, "组合框2", 1);
             choose(dialog, "组合框1", 3);
             fill(dialog, "编辑框1", QStringLiteral("10"));
             press(dialog, "物品数据添加按钮");
             return dialog;
         }},
        {"enchantment-dialog",
         [](ui::MainWindow &main) {
             QWidget *dialog = pressAndFind(openFilledItemWindow(main), "掉落数据添加按钮1", "EnchantmentDialog");
             choose(dialog, "组合框1", 24);
             fill(dialog, "编辑框1", QStringLiteral("5"));
             return dialog;
         }},
        {"colour-codes", [](ui::MainWindow &main) { return pressAndFind(&main, "超级按钮11", "ColourCodeWindow"); }},
        {"command-list", [](ui::MainWindow &main) { return pressAndFind(&main, "超级按钮10", "CommandListWindow"); }},
        {"variable-list", [](ui::MainWindow &main) { return pressAndFind(&main, "超级按钮12", "VariableListWindow"); }},
        {"language", [](ui::MainWindow &main) { return pressAndFind(&main, "超级按钮19", "LanguageWindow"); }},
    };

    int failures = 0;
    for (const Shot &shot : shots) {
        ui::MainWindow main;
        fillMobSheet(main);
        ui::openWindow(&main, false);
        main.setAttribute(Qt::WA_DeleteOnClose, false);
        QWidget *window = shot.open(main);
        QApplication::processEvents();
        const QString file = output.filePath(QString::fromUtf8(shot.file) + QStringLiteral(".png"));
        if (!window || !window->grab().save(file)) {
            qWarning("could not render %s", shot.file);
            ++failures;
        }
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top != &main)
                top->close();
        QApplication::processEvents();
    }
    return failures == 0 ? 0 : 1;
}
