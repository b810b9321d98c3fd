// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include <QString>
#include <QWidget>

#include "core/config_document.h"
#include "storage/config_reading.h"

namespace ui {

// The folder below the working directory that 读取配置 starts in ("mobs", "Items").
QString configFolder(const QString &folder);

// Reads the file and hands one of its entries to opened: at once when it holds one, else the
// one the user picks in EntryChoiceDialog, whose rows show each entry's name, the value of
// kindKey (Type, Id) and its Display. A file that cannot be read, or holds no entry, is told.
void openConfigEntry(QWidget *owner, const QString &path, std::string_view kindKey,
                     const std::function<void(const storage::LoadedConfigFile &file,
                                              std::string_view entryText)> &opened);

} // namespace ui
