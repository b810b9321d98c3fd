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

namespace storage {

// The file <working directory>/MythicMobs/<folder>/<identifier>.yml. Both \ and / in the
// identifier name subfolders, on every host. Nothing when the identifier would lead out of
// the folder: an absolute path, a drive letter or a ".." component.
std::optional<QString> configFilePath(const QString &folder, const QString &identifier);

// The folder as the confirmation names it.
QString configFolderPath(const QString &folder);

// Why a config was not saved; the text is for the user and says what to change.
struct SaveRefusal {
    enum class Kind {
        UnencodableCharacter, // a character the file's code page cannot hold
        OutsideFolder,        // the identifier names a place outside the config folder
        WriteFailed,          // the system did not let the file be written
    };
    Kind kind;
    QString text;
};

// The refusal of an identifier whose file would lie outside the folder, or nothing.
std::optional<SaveRefusal> refuseConfigPath(const QString &folder, const QString &identifier);

// Writes a generated config text in the code page the target server reads: GBK for
// MythicMobs 4, UTF-8 without byte-order mark for MythicMobs 5. Refuses a text with characters
// GBK cannot hold (naming the place from texts), an identifier that leaves the folder, and a
// write that fails; an existing file then stays as it was. Nothing comes back only when the
// file holds exactly the text's bytes.
std::optional<SaveRefusal> saveConfigFile(const QString &folder, const QString &identifier,
                                          const std::string &text,
                                          const std::vector<core::NamedText> &texts,
                                          core::TargetServer target);

// The bytes of a config text as the target server reads them, or the refusal naming the
// first place whose characters the code page cannot hold.
std::variant<QByteArray, SaveRefusal> encodeConfigText(const std::string &text,
                                                       const std::vector<core::NamedText> &texts,
                                                       core::TargetServer target);

} // namespace storage
