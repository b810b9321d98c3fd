// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include <QByteArray>

#include <QString>

#include "core/named_text.h"
#include "core/target_server.h"
#include "storage/output_folder.h"
#include "storage/save_refusal.h"

namespace storage {

// What an identifier can be as a file name below a config folder. Both \ and / name
// subfolders, on every host.
enum class IdentifierUse {
    Usable,
    LeavesFolder, // an absolute path, a drive letter or a ".." part
    // An empty (but for a wholly empty identifier: ".yml") or "." part would address an existing
    // file under another spelling; control characters (C0, DEL, C1, line and paragraph separators)
    // cut or break the name.
    Unusable,
};
IdentifierUse judgeIdentifier(const QString &identifier);

// The text as a message can show it: control characters as \u escapes, never raw.
QString visibleText(const QString &text);

// The folder (mobs or Items) below the output folder as the confirmation names it. With the
// working directory gone, only the part below it: never a folder at the file-system root.
QString configFolderPath(const OutputFolder &output, const QString &folder);

// The refusal of an identifier that leads out of the folder or cannot be a file name, or
// nothing.
std::optional<SaveRefusal> refuseConfigPath(const OutputFolder &output, const QString &folder,
                                            const QString &identifier);

// Writes a generated config text in the code page the target server reads: GBK for
// MythicMobs 4, UTF-8 without byte-order mark for MythicMobs 5. Refuses a text with characters
// GBK cannot hold (naming the place from texts), an identifier that leaves the folder or cannot
// be a file name, a missing working directory (when no folder is chosen), a missing folder, a file
// or identifier subfolder that is a link, and a write that fails; an existing file then stays as it
// was. An existing file keeps its other entries: the text replaces only the entry of its name
// (see saveEntryIntoConfigFile). Nothing comes back only when the file holds the text's bytes
// where its entry stands.
std::optional<SaveRefusal> saveConfigFile(const OutputFolder &output, const QString &folder,
                                          const QString &identifier, const std::string &text,
                                          const std::vector<core::NamedText> &texts,
                                          core::TargetServer target);

// The bytes of a config text as the target server reads them, or the refusal naming the
// first place whose characters the code page cannot hold.
std::variant<QByteArray, SaveRefusal> encodeConfigText(const std::string &text,
                                                       const std::vector<core::NamedText> &texts,
                                                       core::TargetServer target);

} // namespace storage
