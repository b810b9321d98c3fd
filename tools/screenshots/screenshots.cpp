// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Opens every window of the program the way a user would, on a filled example sheet, and
// saves each one as <folder>/<name>.png. Usage: veltrane_screenshots <folder>
#include <functional>
#include <string_view>
#include <tuple>
#include <utility>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include "mob/skill_catalogue.h"
#include "storage/settings.h"
#include "support/example_entry.h"
#include "ui/toolkit/application.h"
#include "ui/toolkit/colour_picker.h"
#include "ui/toolkit/message.h"
#include "ui/toolkit/widgets.h"
#include "ui/windows/main_window.h"

namespace {

const testsupport::SheetInput input = testsupport::directInput();

template <class T> T *named(const QWidget *window, const char *name) {
    return window->findChild<T *>(QString::fromUtf8(name));
}

// The newest shown top-level window with that object name.
QWidget *openedWindow(const char *objectName) {
    QWidget *found = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->objectName() == QLatin1String(objectName))
            found = window;
    return found;
}

// Presses a button of the window and gives back the window it opened.
QWidget *pressAndFind(QWidget *window, const char *button, const char *opened) {
    input.press(named<QPushButton>(window, button));
    return openedWindow(opened);
}

// Chooses a row and types a value in a dialog, as the moment before its 添加 is pressed.
void prepare(QWidget *dialog, const char *list, int row, const char *field, const char *text) {
    input.choose(named<QComboBox>(dialog, list), row);
    input.type(named<QWidget>(dialog, field), QString::fromUtf8(text));
}

// The row of a catalogue whose key is given, as the dialog lists them.
template <class Rows> int rowOf(const Rows &rows, std::string_view key) {
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].key == key)
            return static_cast<int>(i);
    return -1;
}

// Fills the skill dialog with a summon below half health, as just before its 添加.
void prepareSummon(QWidget *dialog) {
    input.choose(named<QComboBox>(dialog, "组合框1"), rowOf(mob::mechanics, "summon"));
    input.type(named<QWidget>(dialog, "参数框-type"), QStringLiteral("SkeletonMinion"));
    input.type(named<QWidget>(dialog, "参数框-amount"), QStringLiteral("2"));
    input.type(named<QWidget>(dialog, "参数框-radius"), QStringLiteral("3"));
    input.choose(named<QComboBox>(dialog, "组合框2"), rowOf(mob::targeters, "self"));
    input.choose(named<QComboBox>(dialog, "组合框3"), rowOf(mob::triggers, "onDamaged"));
    input.type(named<QWidget>(dialog, "编辑框3"), QStringLiteral("<50%"));
    input.type(named<QWidget>(dialog, "编辑框4"), QStringLiteral("1"));
}

// The example has no skills, since its saved file is compared whole; the main window's
// picture shows a few, added through the dialog.
void addSkills(ui::MainWindow &main) {
    QWidget *dialog = pressAndFind(&main, "超级按钮24", "SkillDialog");
    input.choose(named<QComboBox>(dialog, "组合框1"), rowOf(mob::mechanics, "skill"));
    input.type(named<QWidget>(dialog, "参数框-skill"), QStringLiteral("FireRing"));
    input.choose(named<QComboBox>(dialog, "组合框2"), rowOf(mob::targeters, "self"));
    input.choose(named<QComboBox>(dialog, "组合框3"), rowOf(mob::triggers, "onTimer"));
    input.type(named<QWidget>(dialog, "编辑框2"), QStringLiteral("100"));
    input.press(named<QPushButton>(dialog, "超级按钮1"));
    prepareSummon(dialog);
    input.press(named<QPushButton>(dialog, "超级按钮1"));
    dialog->close();
}

QWidget *filledItemWindow(ui::MainWindow &main) {
    return testsupport::enterItem(main, testsupport::fireSword());
}

// The item window with its potion and banner groups filled too, seven layers so that the
// warning shows; the groups need not suit the sword, they only have to show.
QWidget *itemWindowWithEveryGroup(ui::MainWindow &main) {
    QWidget *item = filledItemWindow(main);
    QWidget *effects = pressAndFind(item, "药水数据添加按钮", "PotionEffectDialog");
    for (const auto &[row, seconds, level] :
         {std::tuple{5, "1", "2"}, std::tuple{9, "45.5", "1"}}) {
        prepare(effects, "组合框1", row, "编辑框1", seconds);
        input.type(named<QWidget>(effects, "编辑框2"), QString::fromUtf8(level));
        input.press(named<QPushButton>(effects, "药水效果添加按钮"));
    }
    input.press(named<QPushButton>(effects, "药水颜色按钮"));
    effects->close();
    QWidget *layers = pressAndFind(item, "旗帜数据添加按钮", "BannerLayerDialog");
    for (const auto &[colour, pattern] :
         {std::pair{15, 0}, std::pair{14, 21}, std::pair{0, 13}, std::pair{4, 31},
          std::pair{11, 24}, std::pair{5, 32}, std::pair{10, 40}}) {
        input.choose(named<QComboBox>(layers, "组合框1"), colour);
        input.choose(named<QComboBox>(layers, "组合框2"), pattern);
        input.press(named<QPushButton>(layers, "旗帜图案添加按钮"));
    }
    layers->close();
    QApplication::processEvents();
    return item;
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
    // What the developer's own runs remember (a chosen folder, the target) stays out of the
    // shots; they show a server's folder as a user would choose it.
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, workDir.path());
    storage::saveOutputFolder({QStringLiteral("/srv/minecraft/plugins/MythicMobs")});
    ui::setMessageSink([](const QString &, bool) {});
    // The colour dialog would wait for a user; the shots show a healing potion's red.
    ui::setColourPicker([](const QColor &) { return QColor(248, 36, 35); });

    const Shot shots[] = {
        {"main-window",
         [](ui::MainWindow &main) {
             addSkills(main);
             return &main;
         }},
        {"mob-preview",
         [](ui::MainWindow &main) {
             return pressAndFind(&main, "超级按钮15", "MobPreviewWindow");
         }},
        {"mob-option-dialog",
         [](ui::MainWindow &main) {
             QWidget *dialog = pressAndFind(&main, "超级按钮4", "MobOptionDialog");
             prepare(dialog, "组合框1", 16, "编辑框1", "0.3");
             return dialog;
         }},
        {"ai-dialog",
         [](ui::MainWindow &main) {
             QWidget *dialog = pressAndFind(&main, "超级按钮7", "AiDialog");
             prepare(dialog, "组合框1", 13, "编辑框1", "1");
             return dialog;
         }},
        {"skill-dialog",
         [](ui::MainWindow &main) {
             QWidget *dialog = pressAndFind(&main, "超级按钮24", "SkillDialog");
             prepareSummon(dialog);
             return dialog;
         }},
        {"item-window", filledItemWindow},
        {"item-window", itemWindowWithEveryGroup},
        {"item-preview",
         [](ui::MainWindow &main) {
             return pressAndFind(filledItemWindow(main), "超级按钮6", "ItemPreviewWindow");
         }},
        {"item-attribute-dialog",
         [](ui::MainWindow &main) {
             QWidget *dialog =
                 pressAndFind(filledItemWindow(main), "掉落数据添加按钮", "ItemAttributeDialog");
             input.choose(named<QComboBox>(dialog, "组合框2"), 1);
             prepare(dialog, "组合框1", 3, "编辑框1", "10");
             input.press(named<QPushButton>(dialog, "物品数据添加按钮"));
             return dialog;
         }},
        {"enchantment-dialog",
         [](ui::MainWindow &main) {
             QWidget *dialog =
                 pressAndFind(filledItemWindow(main), "掉落数据添加按钮1", "EnchantmentDialog");
             prepare(dialog, "组合框1", 24, "编辑框1", "5");
             return dialog;
         }},
        {"potion-dialog",
         [](ui::MainWindow &main) {
             QWidget *dialog =
                 pressAndFind(filledItemWindow(main), "药水数据添加按钮", "PotionEffectDialog");
             input.press(named<QPushButton>(dialog, "药水颜色按钮"));
             prepare(dialog, "组合框1", 5, "编辑框1", "3");
             input.type(named<QWidget>(dialog, "编辑框2"), QStringLiteral("2"));
             return dialog;
         }},
        {"banner-dialog",
         [](ui::MainWindow &main) {
             QWidget *dialog =
                 pressAndFind(filledItemWindow(main), "旗帜数据添加按钮", "BannerLayerDialog");
             input.choose(named<QComboBox>(dialog, "组合框1"), 14);
             input.choose(named<QComboBox>(dialog, "组合框2"), 21);
             return dialog;
         }},
        {"colour-codes",
         [](ui::MainWindow &main) {
             return pressAndFind(&main, "超级按钮11", "ColourCodeWindow");
         }},
        {"command-list",
         [](ui::MainWindow &main) {
             return pressAndFind(&main, "超级按钮10", "CommandListWindow");
         }},
        {"variable-list",
         [](ui::MainWindow &main) {
             return pressAndFind(&main, "超级按钮12", "VariableListWindow");
         }},
        {"language",
         [](ui::MainWindow &main) { return pressAndFind(&main, "超级按钮19", "LanguageWindow"); }},
    };

    int failures = 0;
    for (const Shot &shot : shots) {
        ui::MainWindow main;
        testsupport::enterMob(main, testsupport::skeletonKing());
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
