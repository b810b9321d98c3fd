// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/config_opening.h"

#include <memory>
#include <variant>

#include "core/entry_save.h"
#include "storage/files.h"
#include "ui/toolkit/message.h"
#include "ui/toolkit/widgets.h"
#include "ui/windows/entry_choice_dialog.h"

namespace ui {
namespace {

QString entryRow(const core::ConfigNode &entry, std::string_view kindKey) {
    QString row = toQString(entry.key);
    for (const std::string_view key : {kindKey, std::string_view("Display")})
        if (const core::ConfigNode *child = core::findChild(entry, key))
            row += QStringLiteral("    ") + toQString(child->value);
    return row;
}

} // namespace

QString configFolder(const QString &folder) {
    const std::optional<QString> workDir = storage::workingDirectory();
    return workDir ? storage::hostPath({*workDir, QStringLiteral("MythicMobs"), folder})
                   : QString();
}

void openConfigEntry(QWidget *owner, const QString &path, std::string_view kindKey,
                     const std::function<void(const storage::LoadedConfigFile &file,
                                              std::string_view entryText)> &opened) {
    const std::variant<storage::ConfigFileText, QString> read = storage::readConfigFile(path);
    if (const auto *reason = std::get_if<QString>(&read)) {
        showMessage(*reason, true);
        return;
    }
    // Shared with the choice dialog, which may call back after this returns.
    const auto file =
        std::make_shared<storage::ConfigFileText>(std::get<storage::ConfigFileText>(read));
    auto parsed = core::readConfigDocument(file->text);
    if (const auto *error = std::get_if<core::ConfigError>(&parsed)) {
        showMessage(QStringLiteral("无法读取文件“%1”：%2")
                        .arg(path, toQString(core::describeConfigError(*error))),
                    true);
        return;
    }
    const auto document =
        std::make_shared<core::ConfigDocument>(std::get<core::ConfigDocument>(parsed));
    if (document->entries.empty()) {
        showMessage(QStringLiteral("文件“%1”中没有任何条目。").arg(path), true);
        return;
    }
    const auto open = [path, file, document, opened](int row) {
        const core::ConfigNode &entry = document->entries[static_cast<std::size_t>(row)];
        opened({path, file->encoding, {entry.key, {}}},
               std::string_view(file->text)
                   .substr(entry.range.begin, entry.range.end - entry.range.begin));
    };
    if (document->entries.size() == 1) {
        open(0);
        return;
    }
    std::vector<QString> rows;
    for (const core::ConfigNode &entry : document->entries)
        rows.push_back(entryRow(entry, kindKey));
    openWindow(new EntryChoiceDialog(owner, rows, open), true);
}

} // namespace ui
