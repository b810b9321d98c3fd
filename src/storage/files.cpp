// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/files.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include "platform/windows_names.h"

namespace storage {
namespace {

// Linux counts a name's length in UTF-8 bytes, Windows in UTF-16 units.
bool nameTooLong(const QString &name) {
    const platform::NameLength length = platform::nameLength(
        std::u16string_view(reinterpret_cast<const char16_t *>(name.utf16()), name.size()));
#ifdef Q_OS_WIN
    return length.utf16Units > platform::maxWindowsNameUnits;
#else
    constexpr std::size_t maxFileNameBytes = 255;
    return length.utf8Bytes > maxFileNameBytes;
#endif
}

// What is known to stop a write to the target, in words for the user; nothing when only the
// system's own error text can tell.
std::optional<QString> knownWriteObstacle(const QFileInfo &target) {
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists())
        return QStringLiteral("文件夹“%1”不存在").arg(QDir::toNativeSeparators(folder.filePath()));
    if (!folder.isDir())
        return QStringLiteral("“%1”不是文件夹").arg(QDir::toNativeSeparators(folder.filePath()));
    if (target.isDir())
        return QStringLiteral("已有同名的文件夹");
    if (nameTooLong(target.fileName()))
        return QStringLiteral("文件名过长");
    if (!folder.isWritable())
        return QStringLiteral("没有写入该文件夹的权限");
    return std::nullopt;
}

#ifdef Q_OS_WIN
// Whether a part of the path below its drive or share is a name Windows refuses.
bool pathHasNameWindowsRefuses(const QString &path) {
    static const QRegularExpression root(
        QStringLiteral("^([A-Za-z]:|[\\\\/]{2}[^\\\\/]+[\\\\/][^\\\\/]+)"));
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    QString below = path;
    below.remove(root);
    const QStringList parts = below.split(separators, Qt::SkipEmptyParts);
    return std::any_of(parts.begin(), parts.end(), windowsRefusesName);
}
#endif

} // namespace

bool windowsRefusesName(const QString &name) {
    return platform::judgeWindowsName(std::u16string_view(
               reinterpret_cast<const char16_t *>(name.utf16()), name.size())) !=
           platform::WindowsNameVerdict::allowed;
}

QString workingDirectory() {
    return QDir::toNativeSeparators(QDir::currentPath());
}

QString hostPath(const QStringList &parts) {
    return parts.join(QDir::separator());
}

void createFolder(const QString &path) {
    const QFileInfo info(path);
    if (info.exists())
        return;
    QDir parent(info.absolutePath());
    if (parent.exists())
        parent.mkdir(info.fileName());
}

std::optional<QString> writeWholeFile(const QString &path, const QByteArray &bytes) {
    const QFileInfo target(path);
    // A rename would replace a write-protected file, and so would an administrator's write;
    // the user protected it for a reason.
    if (target.isFile() && !target.permissions().testFlag(QFileDevice::WriteOwner))
        return QStringLiteral("文件是只读的");
#ifdef Q_OS_WIN
    // Such a name opens a device or an alternate stream of another file, not this file.
    if (pathHasNameWindowsRefuses(path))
        return QStringLiteral("Windows不允许使用这个文件名");
#endif
    // Unbuffered, so that each write says how much reached the file. Through the buffer, a
    // write cut short by a full disk went unnoticed and the commit still succeeded, leaving
    // a truncated file behind a confirmation.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return knownWriteObstacle(target).value_or(
            QStringLiteral("系统拒绝写入（%1）").arg(file.errorString()));
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) {
            const QString detail = file.errorString();
            file.cancelWriting();
            return QStringLiteral("写入失败，磁盘可能已满（%1）").arg(detail);
        }
        written += count;
    }
    if (!file.commit()) {
        // Where the system creates the file only at the commit, a bad name shows only here.
        const QString detail = file.errorString();
        return knownWriteObstacle(QFileInfo(path))
            .value_or(QStringLiteral("无法替换原文件（%1）").arg(detail));
    }
    return std::nullopt;
}

} // namespace storage
