// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Opens every window of the program the way a user would, on a filled example sheet, and
// saves each one as <folder>/<name>.png. Usage: veltrane_screenshots <folder>
#include <functional>

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
#include "ui/window_spec.h"

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

void fillMobSheet(ui::MainWindow &main) {
    fill(&main, "怪物编号框", QStringLiteral("SkeletonKing"));
    ui::setSelectedIndex(ui::control<QComboBox>(&main, "怪物类型框"), 35);
    fill(&main, "怪物名称框", QStringLiteral("&c骷髅之王"));
    fill(&main, "怪物血量框", QStringLiteral("200"));
    fill(&main, "怪物伤害框", QStringLiteral("8"));
    fill(&main, "编辑框13", QStringLiteral("IRON_CHESTPLATE"));
    fill(&main, "编辑框10", QStringLiteral("BOW"));
    fill(&main, "编辑框12", QStringLiteral("GOLDEN_HELMET"));
    for (const char *message : {"<target.name>被骷髅之王击杀了", "骷髅之王又赢了"}) {
        fill(&main, "编辑框1", QString::fromUtf8(message));
        press(&main, "超级按钮1");
    }
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
        {"mob-preview",
         [](ui::MainWindow &main) {
             press(&main, "超级按钮15");
             return openedWindow("MobPreviewWindow");
         }},
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
