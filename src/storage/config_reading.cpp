// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/config_reading.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include "storage/config_files.h"
#include "storage/files.h"

namespace storage {
namespace {

constexpr char byteOrderMark[] = "\xEF\xBB\xBF";

} // namespace

ConfigFileText decodeConfigBytes(const QByteArray &bytes) {
    ConfigFileText file;
    QByteArrayView view(bytes);
    if (view.startsWith(byteOrderMark)) {
        file.encoding = FileEncoding::Utf8WithBom;
        view = view.sliced(3);
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString unicode = utf8.decode(view);
    if (!utf8.hasError()) {
        file.text = view.toByteArray().toStdString();
    } else {
        file.encoding = FileEncoding::Gbk;
        QStringDecoder gbk("GBK");
        file.text = QString(gbk.decode(bytes)).toStdString();
    }
    file.lineEnd = core::lineEndOf(file.text);
    return file;
}

std::variant<ConfigFileText, QString> readConfigFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("无法打开文件“%1”：%2").arg(path, file.errorString());
    const QByteArray bytes = file.readAll();
    ConfigFileText text = decodeConfigBytes(bytes);
    if (text.encoding == FileEncoding::Gbk && !QStringDecoder("GBK").isValid())
        return QStringLiteral("文件“%1”不是UTF-8编码，这台电脑无法读取GBK编码的文件。").arg(path);
    return text;
}

std::variant<QByteArray, SaveRefusal>
encodeConfigFileText(const std::string &text, FileEncoding encoding,
                     const std::vector<core::NamedText> &texts) {
    switch (encoding) {
    case FileEncoding::Gbk:
        return encodeConfigText(text, texts, core::TargetServer::Mm4);
    case FileEncoding::Utf8WithBom:
        return QByteArray(byteOrderMark) + QByteArray::fromStdString(text);
    case FileEncoding::Utf8:
        break;
    }
    return QByteArray::fromStdString(text);
}

std::optional<SaveRefusal> writeConfigFile(const QString &path, const std::string &text,
                                           FileEncoding encoding,
                                           const std::vector<core::NamedText> &texts) {
    std::variant<QByteArray, SaveRefusal> bytes = encodeConfigFileText(text, encoding, texts);
    if (auto *refusal = std::get_if<SaveRefusal>(&bytes))
        return *refusal;
    return writeWholeFile(QFileInfo(path).absolutePath(), path, std::get<QByteArray>(bytes));
}

std::optional<SaveRefusal>
saveEntryIntoConfigFile(const QString &path, const std::optional<core::LoadedEntry> &loaded,
                        const std::string &identifier, const std::string &entryText,
                        FileEncoding encoding, const std::vector<core::NamedText> &texts) {
    if (!QFileInfo(path).isFile())
        return writeConfigFile(path, entryText, encoding, texts);
    const std::variant<ConfigFileText, QString> read = readConfigFile(path);
    if (const auto *reason = std::get_if<QString>(&read))
        return SaveRefusal{SaveRefusal::Kind::OtherEntries, *reason};
    const core::EntrySave save =
        core::saveEntryIntoFile(std::get<ConfigFileText>(read).text, loaded, identifier, entryText);
    if (!save.ready())
        return SaveRefusal{SaveRefusal::Kind::OtherEntries, QString::fromStdString(save.warning)};
    return writeConfigFile(path, save.text, encoding, texts);
}

} // namespace storage
