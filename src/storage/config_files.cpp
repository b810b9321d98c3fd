// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/config_files.h"

#include <algorithm>

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include "storage/config_reading.h"
#include "storage/encodings.h"
#include "storage/files.h"

namespace storage {
namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QStringList identifierParts(const QString &identifier) {
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    return identifier.split(separators);
}

bool isControlCharacter(QChar c) {
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0x2028 || u == 0x2029;
}

SaveRefusal unencodable(const QString &place, const QString &characters) {
    return {SaveRefusal::Kind::UnencodableCharacter,
            QStringLiteral("%1中的字符“%2”无法用GBK编码保存，请修改后再生成配置！")
                .arg(place, visibleText(characters))};
}

} // namespace

IdentifierUse judgeIdentifier(const QString &identifier) {
    static const QRegularExpression driveLetter(QStringLiteral("^[A-Za-z]:"));
    const QStringList parts = identifierParts(identifier);
    if (identifier.startsWith(u'\\') || identifier.startsWith(u'/') ||
        driveLetter.match(identifier).hasMatch() || parts.contains(QStringLiteral("..")))
        return IdentifierUse::LeavesFolder;
    // A wholly empty identifier is the file ".yml", as the program has always saved it.
    const bool oddPart =
        !identifier.isEmpty() && std::any_of(parts.begin(), parts.end(), [](const QString &part) {
            return part.isEmpty() || part == QStringLiteral(".");
        });
    if (oddPart || std::any_of(identifier.begin(), identifier.end(), isControlCharacter))
        return IdentifierUse::Unusable;
    return IdentifierUse::Usable;
}

QString visibleText(const QString &text) {
    QString visible;
    for (const QChar c : text) {
        if (isControlCharacter(c))
            visible += QStringLiteral("\\u%1").arg(
                QString::number(c.unicode(), 16).rightJustified(4, u'0').toUpper());
        else
            visible += c;
    }
    return visible;
}

QString configFolderPath(const OutputFolder &output, const QString &folder) {
    const std::optional<QString> base = outputFolderPath(output);
    if (!base)
        return hostPath({QStringLiteral("MythicMobs"), folder});
    return hostPath({*base, folder});
}

std::optional<SaveRefusal> refuseConfigPath(const OutputFolder &output, const QString &folder,
                                            const QString &identifier) {
    switch (judgeIdentifier(identifier)) {
    case IdentifierUse::Usable:
        return std::nullopt;
    case IdentifierUse::LeavesFolder:
        return SaveRefusal{SaveRefusal::Kind::OutsideFolder,
                           QStringLiteral("编号“%1”指向%2文件夹以外的位置，请修改编号！")
                               .arg(visibleText(identifier), configFolderPath(output, folder))};
    case IdentifierUse::Unusable:
        return SaveRefusal{
            SaveRefusal::Kind::UnusableName,
            QStringLiteral("编号“%1”不能用作文件名，请修改编号！").arg(visibleText(identifier))};
    }
    return std::nullopt;
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

std::optional<SaveRefusal> saveConfigFile(const OutputFolder &output, const QString &folder,
                                          const QString &identifier, const std::string &text,
                                          const std::vector<core::NamedText> &texts,
                                          core::TargetServer target) {
    // First, so that a control character is named as such, not as one GBK lacks.
    if (std::optional<SaveRefusal> refusal = refuseConfigPath(output, folder, identifier))
        return refusal;
    std::variant<QByteArray, SaveRefusal> encoded = encodeConfigText(text, texts, target);
    if (auto *refusal = std::get_if<SaveRefusal>(&encoded))
        return *refusal;
    // An empty working directory would put the folder at the file-system root.
    const std::optional<QString> base = outputFolderPath(output);
    if (!base)
        return SaveRefusal{
            SaveRefusal::Kind::NoWorkingDirectory,
            QStringLiteral(
                "程序所在的文件夹已不存在，无法保存配置，请在存在的文件夹中重新打开程序！")};
    const QString folderPath = hostPath({*base, folder});
    const QString path =
        hostPath({folderPath, hostPath(identifierParts(identifier)) + QStringLiteral(".yml")});
    // A file already there may hold other entries, written by hand or by other tools.
    if (QFileInfo(path).isFile() && !QFileInfo(path).isSymLink())
        return saveEntryIntoConfigFile(path, std::nullopt, identifier.toStdString(), text,
                                       fileEncodingFor(target), texts);
    return writeWholeFile(folderPath, path, std::get<QByteArray>(encoded));
}

} // namespace storage
