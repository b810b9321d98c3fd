// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/config_files.h"

#include <QRegularExpression>

#include "storage/encodings.h"
#include "storage/files.h"

namespace storage {
namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

SaveRefusal unencodable(const QString &place, const QString &characters) {
    return {SaveRefusal::Kind::UnencodableCharacter,
            QStringLiteral("%1中的字符“%2”无法用GBK编码保存，请修改后再生成配置！")
                .arg(place, characters)};
}

} // namespace

QString configFolderPath(const QString &folder) {
    return hostPath({workingDirectory(), QStringLiteral("MythicMobs"), folder});
}

std::optional<QString> configFilePath(const QString &folder, const QString &identifier) {
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    static const QRegularExpression driveLetter(QStringLiteral("^[A-Za-z]:"));
    const QStringList parts = identifier.split(separators);
    if (identifier.startsWith(u'\\') || identifier.startsWith(u'/') ||
        driveLetter.match(identifier).hasMatch() || parts.contains(QStringLiteral("..")))
        return std::nullopt;
    return hostPath({configFolderPath(folder), hostPath(parts) + QStringLiteral(".yml")});
}

std::optional<SaveRefusal> refuseConfigPath(const QString &folder, const QString &identifier) {
    if (configFilePath(folder, identifier))
        return std::nullopt;
    return SaveRefusal{SaveRefusal::Kind::OutsideFolder,
                       QStringLiteral("编号“%1”指向%2文件夹以外的位置，请修改编号！")
                           .arg(identifier, configFolderPath(folder))};
}

std::variant<QByteArray, SaveRefusal> encodeConfigText(const std::string &text,
                                                       const std::vector<core::NamedText> &texts,
                                                       core::TargetServer target) {
    // The generators refuse what UTF-8 cannot carry, so the text is written as it is.
    if (target == core::TargetServer::Mm5)
        return QByteArray::fromStdString(text);
    const QString unicodeText = fromUtf8(text);
    if (std::optional<QByteArray> bytes = encodeGbk(unicodeText))
        return *std::move(bytes);
    for (const core::NamedText &named : texts) {
        const QString outside = charactersOutsideGbk(fromUtf8(named.text));
        if (!outside.isEmpty())
            return unencodable(fromUtf8(named.place), outside);
    }
    return unencodable(QStringLiteral("配置文本"), charactersOutsideGbk(unicodeText));
}

std::optional<SaveRefusal> saveConfigFile(const QString &folder, const QString &identifier,
                                          const std::string &text,
                                          const std::vector<core::NamedText> &texts,
                                          core::TargetServer target) {
    std::variant<QByteArray, SaveRefusal> encoded = encodeConfigText(text, texts, target);
    if (auto *refusal = std::get_if<SaveRefusal>(&encoded))
        return *refusal;
    const QByteArray &bytes = std::get<QByteArray>(encoded);
    if (std::optional<SaveRefusal> refusal = refuseConfigPath(folder, identifier))
        return refusal;
    const std::optional<QString> path = configFilePath(folder, identifier);
    if (const std::optional<QString> reason = writeWholeFile(*path, bytes))
        return SaveRefusal{SaveRefusal::Kind::WriteFailed,
                           QStringLiteral("无法写入文件“%1”：%2。").arg(*path, *reason)};
    return std::nullopt;
}

} // namespace storage
