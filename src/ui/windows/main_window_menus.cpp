// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar in the band above MainWindow's groups, and the text beside it that says where
// and for which server the files are written.
#include "ui/windows/main_window.h"

#include <QActionGroup>
#include <QLabel>
#include <QMenuBar>

#include "storage/settings.h"

namespace ui {
namespace {

// The groups start 32 pixels down; the bar stays above them.
constexpr int menuBarHeight = 24;

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

} // namespace

void MainWindow::buildMenus() {
    menus_.bar = new QMenuBar(this);
    menus_.bar->setObjectName(QStringLiteral("菜单栏"));
    menus_.bar->setGeometry(0, 0, width(), menuBarHeight);
    menus_.status = new QLabel(menus_.bar);
    menus_.status->setObjectName(QStringLiteral("输出状态标签"));
    menus_.status->setContentsMargins(0, 0, 8, 0);
    menus_.bar->setCornerWidget(menus_.status, Qt::TopRightCorner);

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
    showOutputStatus();
}

void MainWindow::onTargetChosen(core::TargetServer target) {
    texts_.target = target;
    storage::saveTarget(target);
    showOutputStatus();
}

void MainWindow::showOutputStatus() {
    menus_.status->setText(QStringLiteral("目标服务器：%1").arg(targetCaption(texts_.target)));
}

} // namespace ui
