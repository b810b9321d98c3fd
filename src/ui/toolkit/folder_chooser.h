// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>

#include <QString>
#include <QWidget>

namespace ui {

// Asks the user for an existing folder, starting in initial: the chosen one, or nothing when
// the user cancels.
std::optional<QString> chooseFolder(QWidget *owner, const QString &title, const QString &initial);

// Asks the user for a file to save to, starting in folder: the chosen path, or nothing when the
// user cancels.
std::optional<QString> chooseSaveFile(QWidget *owner, const QString &title, const QString &folder,
                                      const QString &filter);

// Tests answer in place of the file dialogs, which would wait for a user; an empty chooser
// restores the dialog.
using FolderChooser = std::function<std::optional<QString>(const QString &initial)>;
void setFolderChooser(FolderChooser chooser);
void setSaveFileChooser(FolderChooser chooser);

} // namespace ui
