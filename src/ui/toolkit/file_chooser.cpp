// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/file_chooser.h"

#include <QFileDialog>

namespace ui {
namespace {

FileChooser &fileChooser() {
    static FileChooser chooser;
    return chooser;
}

} // namespace

std::optional<QString> chooseConfigFile(QWidget *owner, const QString &folder) {
    if (const FileChooser &chooser = fileChooser())
        return chooser(folder);
    const QString path = QFileDialog::getOpenFileName(owner, QStringLiteral("读取配置"), folder,
                                                      QStringLiteral("配置文件 (*.yml *.yaml)"));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

void setFileChooser(FileChooser chooser) {
    fileChooser() = std::move(chooser);
}

} // namespace ui
