// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/files.h"

#include <algorithm>
#include <cerrno>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include "platform/windows_names.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif
#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

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

SaveRefusal writeFailed(const QString &path, const QString &reason) {
    return {SaveRefusal::Kind::WriteFailed,
            QStringLiteral("无法写入文件“%1”：%2。").arg(path, reason)};
}

// The error of the system call that failed last in this thread.
int lastSystemError() {
#ifdef Q_OS_WIN
    return int(GetLastError());
#else
    return errno;
#endif
}

// The reason a file operation failed, in words for the user. Qt reports only coarse kinds
// of errors, so this reads the system's error code, taken right after the failing call; an
// unknown one is told in the system's own words.
QString systemReason(int error, const QString &systemText) {
    switch (error) {
#ifdef Q_OS_WIN
    case ERROR_ACCESS_DENIED:
        return QStringLiteral("没有权限");
    case ERROR_WRITE_PROTECT:
        return QStringLiteral("磁盘是写保护的");
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return QStringLiteral("磁盘空间不足");
    case ERROR_FILENAME_EXCED_RANGE:
        return QStringLiteral("文件名过长");
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return QStringLiteral("文件或文件夹不存在");
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return QStringLiteral("文件正被其他程序占用");
#else
    case EACCES:
        return QStringLiteral("没有权限");
    case EPERM:
        return QStringLiteral("系统不允许这一操作");
    case EROFS:
        return QStringLiteral("文件系统是只读的");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("磁盘空间不足");
    case EFBIG:
        return QStringLiteral("文件超出了系统允许的大小");
    case ENAMETOOLONG:
        return QStringLiteral("文件名过长");
    case ENOENT:
        return QStringLiteral("文件或文件夹不存在");
    case EISDIR:
        return QStringLiteral("目标是一个文件夹");
    case ELOOP:
        return QStringLiteral("路径上有链接");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("文件正被占用");
#endif
    default:
        return systemText;
    }
}

// The first link from the folder down to the file: the subfolders the identifier names and
// the file itself, not the folder and those above it, which users link to share a plugin
// folder. A subfolder that does not exist has no link below it.
std::optional<SaveRefusal> linkOnTheWay(const QString &folder, const QString &path) {
    const QStringList parts = path.mid(folder.size() + 1).split(QDir::separator());
    QString place = folder;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        place += QDir::separator() + parts[i];
        const QFileInfo info(place);
        if (info.isSymLink() || info.isJunction()) {
            const QString target = QDir::toNativeSeparators(info.symLinkTarget());
            const QString reason =
                i + 1 == parts.size()
                    ? QStringLiteral("它是指向“%1”的链接，保存会改写链接另一端的文件").arg(target)
                    : QStringLiteral("文件夹“%1”是指向“%2”的链接，保存会写到链接另一端")
                          .arg(place, target);
            return SaveRefusal{SaveRefusal::Kind::Link,
                               QStringLiteral("无法写入文件“%1”：%2。").arg(path, reason)};
        }
        if (!info.exists())
            break;
    }
    return std::nullopt;
}

#ifdef Q_OS_LINUX
// Whether the folder may only gain entries (chattr +a): the rename that replaces a file
// there fails, and the temporary file can then not be removed either.
bool folderOnlyGrows(const QString &folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    int flags = 0;
    const bool appendOnly = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 && (flags & FS_APPEND_FL);
    ::close(fd);
    return appendOnly;
}
#endif

// The files beside the target that may be QSaveFile's temporary ones, which it does not
// name: the file's name and six more characters.
QStringList possibleTemporaryFiles(const QString &path) {
    const QFileInfo target(path);
    const QString prefix = target.fileName() + u'.';
    QStringList found;
    const QStringList names =
        QDir(target.absolutePath())
            .entryList(QDir::Files | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &name : names)
        if (name.size() == prefix.size() + 6 && name.startsWith(prefix))
            found << QDir::toNativeSeparators(target.absolutePath() + u'/' + name);
    return found;
}

// The refusal for a write that failed after the temporary file may have been made. QSaveFile
// removes it, but where the system does not allow that it stays, and the user learns where.
SaveRefusal failedAfterOpening(const QString &path, const QString &reason,
                               const QStringList &temporariesBefore) {
    QStringList left;
    for (const QString &temporary : possibleTemporaryFiles(path))
        if (!temporariesBefore.contains(temporary))
            left << temporary;
    if (left.isEmpty())
        return writeFailed(path, reason);
    return writeFailed(path, QStringLiteral("%1；临时文件“%2”无法删除，请手动删除")
                                 .arg(reason, left.join(QStringLiteral("”“"))));
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

std::optional<QString> workingDirectory() {
    const QString current = QDir::currentPath();
    if (current.isEmpty() || !QFileInfo(current).isDir())
        return std::nullopt;
    return QDir::toNativeSeparators(current);
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

std::optional<SaveRefusal> writeWholeFile(const QString &folder, const QString &path,
                                          const QByteArray &bytes) {
    if (std::optional<SaveRefusal> link = linkOnTheWay(folder, path))
        return link;
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir())
        return writeFailed(path, QStringLiteral("已有同名的设备、管道或套接字，它不是配置文件"));
    // A rename would replace a write-protected file, and so would an administrator's write;
    // the user protected it for a reason.
    if (target.isFile() && !target.permissions().testFlag(QFileDevice::WriteOwner))
        return writeFailed(path, QStringLiteral("文件是只读的"));
#ifdef Q_OS_WIN
    // Such a name opens a device or an alternate stream of another file, not this file.
    if (pathHasNameWindowsRefuses(path))
        return writeFailed(path, QStringLiteral("Windows不允许使用这个文件名"));
#endif
#ifdef Q_OS_LINUX
    // A new file gets in (QSaveFile links it into the folder in one step); replacing fails.
    if (target.exists() && folderOnlyGrows(target.absolutePath()))
        return writeFailed(path, QStringLiteral("文件夹只允许添加新文件，不允许替换已有的文件"));
#endif
    const QStringList temporariesBefore = possibleTemporaryFiles(path);
    // QSaveFile follows a link it finds when it opens, and renames over the link's target
    // at the commit; so the links are looked for again once it is open, and again right
    // before the commit, for subfolders swapped meanwhile. What remains: a link put in place
    // of the file just before open() and taken away again before the second look, or a
    // subfolder swapped for a link between the last look and the rename inside commit().
    // Closing those needs every step taken relative to a folder opened once (openat,
    // renameat), which QSaveFile does not offer. A link put in place of the file after
    // open() is harmless: the rename replaces the link itself.
    const auto linkAfterOpening = [&](QSaveFile &file) {
        std::optional<SaveRefusal> link = linkOnTheWay(folder, path);
        if (link)
            file.cancelWriting();
        return link;
    };
    // Unbuffered, so that each write says how much reached the file. Through the buffer, a
    // write cut short by a full disk went unnoticed and the commit still succeeded, leaving
    // a truncated file behind a confirmation.
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const int error = lastSystemError();
        return failedAfterOpening(
            path,
            knownWriteObstacle(target).value_or(
                QStringLiteral("系统拒绝写入（%1）").arg(systemReason(error, file.errorString()))),
            temporariesBefore);
    }
    if (std::optional<SaveRefusal> link = linkAfterOpening(file))
        return link;
    for (qint64 written = 0; written < bytes.size();) {
        errno = 0;
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) {
            const QString reason = systemReason(lastSystemError(), file.errorString());
            file.cancelWriting();
            return failedAfterOpening(path, QStringLiteral("写入失败（%1）").arg(reason),
                                      temporariesBefore);
        }
        written += count;
    }
    if (std::optional<SaveRefusal> link = linkAfterOpening(file))
        return link;
    errno = 0;
    if (!file.commit()) {
        const QString reason = systemReason(lastSystemError(), file.errorString());
        // Where the system creates the file only at the commit, a bad name shows only here.
        return failedAfterOpening(path,
                                  knownWriteObstacle(QFileInfo(path))
                                      .value_or(QStringLiteral("无法替换原文件（%1）").arg(reason)),
                                  temporariesBefore);
    }
    return std::nullopt;
}

} // namespace storage
