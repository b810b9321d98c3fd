// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include <QByteArray>
#include <QString>

#include "core/config_document.h"
#include "core/entry_save.h"
#include "core/named_text.h"
#include "core/target_server.h"
#include "storage/save_refusal.h"

// Config files that are already there: read in the code page and line ends they were
// written in, and written back in the same.
namespace storage {

enum class FileEncoding { Utf8, Utf8WithBom, Gbk };

// The encoding the target server reads: GBK for MythicMobs 4, UTF-8 for MythicMobs 5.
inline FileEncoding fileEncodingFor(core::TargetServer target) {
    return target == core::TargetServer::Mm4 ? FileEncoding::Gbk : FileEncoding::Utf8;
}

// A file's text in UTF-8 (without a byte-order mark) and how its bytes were written.
struct ConfigFileText {
    std::string text;
    FileEncoding encoding = FileEncoding::Utf8;
    core::LineEnd lineEnd = core::LineEnd::CrLf;
};

// Valid UTF-8, with or without a byte-order mark, is UTF-8; anything else is taken for GBK,
// the code page of old servers on Chinese Windows.
ConfigFileText decodeConfigBytes(const QByteArray &bytes);

// The file a window opened an entry from, and where it stands in it.
struct LoadedConfigFile {
    QString path;
    FileEncoding encoding = FileEncoding::Utf8;
    core::LoadedEntry entry;
};

// The file's text, or why it cannot be read, for the user.
std::variant<ConfigFileText, QString> readConfigFile(const QString &path);

// The bytes of a text in a file's encoding, or the refusal naming the first place (from
// texts) whose characters GBK cannot hold.
std::variant<QByteArray, SaveRefusal>
encodeConfigFileText(const std::string &text, FileEncoding encoding,
                     const std::vector<core::NamedText> &texts);

// Replaces the file whole in the encoding given, as saveConfigFile writes; an existing file
// stays as it was when the save is refused.
std::optional<SaveRefusal> writeConfigFile(const QString &path, const std::string &text,
                                           FileEncoding encoding,
                                           const std::vector<core::NamedText> &texts);

// Puts the generated entry (written with CR LF) into the file at path, which may hold other
// entries (see core::saveEntryIntoFile), in the file's own line ends and in the encoding given;
// a file not there yet holds the entry alone. A file whose entries cannot be read, or another
// entry with the identifier as its name, refuses the save, and the file stays as it was.
std::optional<SaveRefusal>
saveEntryIntoConfigFile(const QString &path, const std::optional<core::LoadedEntry> &loaded,
                        const std::string &identifier, const std::string &entryText,
                        FileEncoding encoding, const std::vector<core::NamedText> &texts);

} // namespace storage
