// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/folder_chooser.h"

#include <QFileDialog>

namespace ui {
namespace {

FolderChooser &folderChooser() {
    static FolderChooser chooser;
    return chooser;
}

FolderChooser &saveFileChooser() {
    static FolderChooser chooser;
    return chooser;
}

std::optional<QString> nonEmpty(const QString &path) {
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

} // namespace

std::optional<QString> chooseFolder(QWidget *owner, const QString &title, const QString &initial) {
    if (const FolderChooser &chooser = folderChooser())
        return chooser(initial);
    return nonEmpty(QFileDialog::getExistingDirectory(owner, title, initial));
}

std::optional<QString> chooseSaveFile(QWidget *owner, const QString &title, const QString &folder,
                                      const QString &filter) {
    if (const FolderChooser &chooser = saveFileChooser())
        return chooser(folder);
    return nonEmpty(QFileDialog::getSaveFileName(owner, title, folder, filter));
}

void setFolderChooser(FolderChooser chooser) {
    folderChooser() = std::move(chooser);
}

void setSaveFileChooser(FolderChooser chooser) {
    saveFileChooser() = std::move(chooser);
}

} // namespace ui
