// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar in the band above MainWindow's groups, and the text beside it that says where
// and for which server the files are written.
#include "ui/windows/main_window.h"

#include <algorithm>

#include <QActionGroup>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QUrl>

#include "mob/mob_config.h"
#include "storage/config_files.h"
#include "storage/files.h"
#include "storage/settings.h"
#include "ui/toolkit/folder_chooser.h"
#include "ui/toolkit/message.h"
#include "ui/toolkit/widgets.h"
#include "ui/version.h"

namespace ui {
namespace {

// The groups start 32 pixels down; the bar stays above them.
constexpr int menuBarHeight = 24;
// What the three menus' titles take at the bar's left.
constexpr int menusWidth = 200;

struct TargetEntry {
    core::TargetServer target;
    const char *caption;
};
constexpr std::array<TargetEntry, 2> targetEntries = {{
    {core::TargetServer::Mm4, "MythicMobs 4（GBK）"},
    {core::TargetServer::Mm5, "MythicMobs 5（UTF-8）"},
}};

QString targetCaption(core::TargetServer target) {
    for (const TargetEntry &entry : targetEntries)
        if (entry.target == target)
            return QString::fromUtf8(entry.caption);
    return {};
}

QAction *menuAction(QMenu *menu, const char *name, const char *caption,
                    const QKeySequence &shortcut = {}) {
    QAction *action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromUtf8(name));
    action->setShortcut(shortcut);
    return action;
}

} // namespace

void MainWindow::buildFileMenu() {
    QMenu *file = menus_.bar->addMenu(QStringLiteral("文件(&F)"));
    connect(menuAction(file, "新建菜单项", "新建(&N)", QKeySequence(Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, this, &MainWindow::onMobClearClicked);
    connect(menuAction(file, "打开菜单项", "打开(&O)…", QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, &MainWindow::onOpenConfigClicked);
    connect(menuAction(file, "保存菜单项", "保存(&S)", QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, &MainWindow::onMobGenerateClicked);
    connect(menuAction(file, "另存为菜单项", "另存为(&A)…",
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
            &QAction::triggered, this, &MainWindow::onSaveAsChosen);
    connect(menuAction(file, "预览菜单项", "预览(&P)", QKeySequence(Qt::CTRL | Qt::Key_P)),
            &QAction::triggered, this, &MainWindow::onMobPreviewClicked);
    file->addSeparator();
    connect(menuAction(file, "选择文件夹菜单项", "选择MythicMobs文件夹(&M)…"), &QAction::triggered,
            this, &MainWindow::onChooseFolderChosen);
    connect(menuAction(file, "打开输出文件夹菜单项", "打开输出文件夹(&O)"), &QAction::triggered,
            this, [this] {
                if (const std::optional<QString> base = storage::outputFolderPath(texts_.output))
                    QDesktopServices::openUrl(QUrl::fromLocalFile(*base));
            });
    file->addSeparator();
    connect(menuAction(file, "退出菜单项", "退出(&X)", QKeySequence(Qt::CTRL | Qt::Key_Q)),
            &QAction::triggered, this, &QWidget::close);
}

void MainWindow::buildHelpMenu() {
    QMenu *help = menus_.bar->addMenu(QStringLiteral("帮助(&H)"));
    connect(menuAction(help, "关于菜单项", "关于 Veltrane(&A)"), &QAction::triggered, this, [this] {
        const std::optional<QString> base = storage::outputFolderPath(texts_.output);
        showMessage(
            QStringLiteral("Veltrane %1\nMythicMobs 怪物与物品配置编辑器\n"
                           "许可证：GPL-3.0-or-later\n"
                           "配置保存在：%2（怪物在 mobs，物品在 Items）")
                .arg(QStringLiteral(VELTRANE_VERSION), base.value_or(QStringLiteral("MythicMobs"))),
            false);
    });
    connect(menuAction(help, "关于Qt菜单项", "关于 Qt(&Q)"), &QAction::triggered, qApp,
            &QApplication::aboutQt);
}

void MainWindow::buildMenus() {
    menus_.bar = new QMenuBar(this);
    menus_.bar->setObjectName(QStringLiteral("菜单栏"));
    menus_.bar->setGeometry(0, 0, width(), menuBarHeight);
    menus_.status = new QLabel(menus_.bar);
    menus_.status->setObjectName(QStringLiteral("输出状态标签"));
    menus_.status->setContentsMargins(0, 0, 8, 0);
    menus_.bar->setCornerWidget(menus_.status, Qt::TopRightCorner);

    buildFileMenu();
    QMenu *settings = menus_.bar->addMenu(QStringLiteral("设置(&S)"));
    auto *targets = new QActionGroup(settings);
    for (const TargetEntry &entry : targetEntries) {
        QAction *action = settings->addAction(QString::fromUtf8(entry.caption));
        action->setCheckable(true);
        action->setChecked(entry.target == texts_.target);
        targets->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, target = entry.target] { onTargetChosen(target); });
        menus_.targetActions.push_back(action);
    }
    buildHelpMenu();
    showOutputStatus();
}

void MainWindow::onTargetChosen(core::TargetServer target) {
    texts_.target = target;
    storage::saveTarget(target);
    showOutputStatus();
}

void MainWindow::onChooseFolderChosen() {
    const std::optional<QString> chosen =
        chooseFolder(this, QStringLiteral("选择MythicMobs文件夹"),
                     storage::outputFolderPath(texts_.output).value_or(QDir::homePath()));
    if (!chosen)
        return;
    texts_.output = {QDir::toNativeSeparators(*chosen)};
    storage::saveOutputFolder(texts_.output);
    storage::createOutputFolders(texts_.output);
    showOutputStatus();
}

void MainWindow::onSaveAsChosen() {
    const QString folder = QStringLiteral("mobs");
    const QString folderPath = storage::configFolderPath(texts_.output, folder);
    const std::optional<QString> path = chooseSaveFile(this, QStringLiteral("另存为"), folderPath,
                                                       QStringLiteral("MythicMobs 配置 (*.yml)"));
    if (!path)
        return;
    // The file's name below mobs plays the part of the identifier: the same checks hold.
    QString name = QDir(folderPath).relativeFilePath(*path);
    if (name.endsWith(QStringLiteral(".yml"), Qt::CaseInsensitive))
        name.chop(4);
    if (QFileInfo(name).isAbsolute() ||
        storage::judgeIdentifier(name) == storage::IdentifierUse::LeavesFolder) {
        showMessage(QStringLiteral("文件“%1”不在%2文件夹中，请在其中选择文件！")
                        .arg(QDir::toNativeSeparators(*path), folderPath),
                    true);
        return;
    }
    generateMobConfig();
    if (!texts_.mobConfigReady)
        return;
    if (const auto refusal =
            storage::saveConfigFile(texts_.output, folder, name, texts_.mobConfigText,
                                    mob::mobSheetTexts(readMobSheet()), texts_.target)) {
        showMessage(refusal->text, true);
        return;
    }
    showMessage(QStringLiteral("怪物配置已经生成到(%1)文件中，请注意查看!")
                    .arg(storage::hostPath({folderPath, name + QStringLiteral(".yml")})),
                false);
}

void MainWindow::showOutputStatus() {
    const QString folder =
        storage::outputFolderPath(texts_.output).value_or(QStringLiteral("MythicMobs"));
    const QString format = QStringLiteral("输出到：%1　目标：%2");
    const QString target = targetCaption(texts_.target);
    // A deep folder is shortened in its middle, so that the menus keep their room; the tip
    // holds it whole.
    const QFontMetrics metrics = menus_.status->fontMetrics();
    const int room =
        menus_.bar->width() - menusWidth - metrics.horizontalAdvance(format.arg(QString(), target));
    menus_.status->setText(
        format.arg(metrics.elidedText(folder, Qt::ElideMiddle, std::max(room, 0)), target));
    menus_.status->setToolTip(format.arg(folder, target));
}

} // namespace ui
