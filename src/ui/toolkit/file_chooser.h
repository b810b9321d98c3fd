// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>

#include <QString>
#include <QWidget>

namespace ui {

// Asks the user for a config file (*.yml, *.yaml), starting in the folder: the chosen path,
// or nothing when the user cancels.
std::optional<QString> chooseConfigFile(QWidget *owner, const QString &folder);

// Tests answer in place of the file dialog, which would wait for a user; an empty chooser
// restores the dialog.
using FileChooser = std::function<std::optional<QString>(const QString &folder)>;
void setFileChooser(FileChooser chooser);

} // namespace ui
