// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QString>

#include "core/named_text.h"

namespace ui {

// The file <working directory>/MythicMobs/<folder>/<identifier>.yml. Both \ and / in the
// identifier name subfolders, on every host. Nothing when the identifier would lead out of
// the folder: an absolute path, a drive letter or a ".." component.
std::optional<QString> configFilePath(const QString &folder, const QString &identifier);

// The folder as the confirmation names it.
QString configFolderPath(const QString &folder);

// Writes a generated config text as GBK. Refuses, with a warning that says why, a text
// with characters GBK cannot hold (naming the place from texts), an identifier that leaves
// the folder, and a write that fails; an existing file then stays as it was. Returns true
// only when the file holds exactly the text's bytes.
bool saveConfigFile(const QString &folder, const QString &identifier, const std::string &text,
                    const std::vector<core::NamedText> &texts);

} // namespace ui
