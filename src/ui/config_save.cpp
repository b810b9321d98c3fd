// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/config_save.h"

#include <QRegularExpression>

#include "ui/host.h"
#include "ui/message.h"
#include "ui/widgets.h"

namespace ui {

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

bool saveConfigFile(const QString &folder, const QString &identifier, const std::string &text,
                    const std::vector<core::NamedText> &texts) {
    const auto refuseCharacters = [](const QString &place, const QString &characters) {
        showMessage(QStringLiteral("%1中的字符“%2”无法用GBK编码保存，请修改后再生成配置！")
                        .arg(place, characters),
                    true);
        return false;
    };
    for (const core::NamedText &named : texts) {
        const QString outside = charactersOutsideGbk(toQString(named.text));
        if (!outside.isEmpty())
            return refuseCharacters(QString::fromStdString(named.place), outside);
    }
    const QString unicodeText = QString::fromStdString(text);
    const std::optional<QByteArray> bytes = encodeGbk(unicodeText);
    if (!bytes)
        return refuseCharacters(QStringLiteral("配置文本"), charactersOutsideGbk(unicodeText));
    const std::optional<QString> path = configFilePath(folder, identifier);
    if (!path) {
        showMessage(QStringLiteral("编号“%1”指向%2文件夹以外的位置，请修改编号！")
                        .arg(identifier, configFolderPath(folder)),
                    true);
        return false;
    }
    if (const std::optional<QString> reason = writeWholeFile(*path, *bytes)) {
        showMessage(QStringLiteral("无法写入文件“%1”：%2。").arg(*path, *reason), true);
        return false;
    }
    return true;
}

} // namespace ui
