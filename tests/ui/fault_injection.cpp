// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fault_injection.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_LINUX
#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <grp.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

namespace testsupport {

FolderTree snapshotTree(const QString &root) {
    FolderTree tree;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    const QDir base(root);
    while (it.hasNext()) {
        const QString path = it.next();
        TreeEntry entry;
        entry.folder = it.fileInfo().isDir();
        if (!entry.folder) {
            QFile file(path);
            entry.bytes =
                file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
        }
        tree[base.relativeFilePath(path)] = entry;
    }
    return tree;
}

QString describeDifference(const FolderTree &before, const FolderTree &after) {
    QString lines;
    for (const auto &[path, entry] : before) {
        const auto found = after.find(path);
        if (found == after.end())
            lines += QStringLiteral("gone: %1\n").arg(path);
        else if (!(found->second == entry))
            lines += QStringLiteral("changed: %1\n").arg(path);
    }
    for (const auto &[path, entry] : after)
        if (!before.contains(path))
            lines += QStringLiteral("new: %1%2\n").arg(path, entry.folder ? "/" : "");
    return lines;
}

#ifdef Q_OS_LINUX
namespace {
constexpr uid_t nobody = 65534;
constexpr gid_t nogroup = 65534;
} // namespace

AsOrdinaryUser::AsOrdinaryUser(const QString &root) : root_(root) {
    if (geteuid() != 0) {
        active_ = true;
        return;
    }
    changed_ = true;
    rootPermissions_ = QFile::permissions(root_);
    QFile::setPermissions(root_, rootPermissions_ | QFileDevice::ExeOther | QFileDevice::ReadOther);
    getresgid(&realGroup_, &effectiveGroup_, &savedGroup_);
    groups_.resize(static_cast<std::size_t>(std::max(getgroups(0, nullptr), 0)));
    groups_.resize(
        static_cast<std::size_t>(std::max(getgroups(int(groups_.size()), groups_.data()), 0)));
    // Groups first, while still allowed to change them; the saved user stays root, so
    // restore() may switch back. Real and effective users both change, since
    // QFileInfo::isWritable asks with the real one.
    groupsDropped_ = setgroups(0, nullptr) == 0;
    groupSwitched_ = groupsDropped_ && setresgid(nogroup, nogroup, 0) == 0;
    userSwitched_ = groupSwitched_ && setresuid(nobody, nobody, 0) == 0;
    active_ = userSwitched_;
    if (!active_)
        restore();
}

AsOrdinaryUser::~AsOrdinaryUser() {
    restore();
}

void AsOrdinaryUser::restore() {
    if (!changed_)
        return;
    changed_ = false;
    // The rest of the run must not go on as someone else.
    if ((userSwitched_ && setresuid(0, 0, 0) != 0) ||
        (groupSwitched_ && setresgid(realGroup_, effectiveGroup_, savedGroup_) != 0) ||
        (groupsDropped_ && setgroups(groups_.size(), groups_.data()) != 0))
        std::abort();
    QFile::setPermissions(root_, rootPermissions_);
}

FileSizeLimit::FileSizeLimit(std::uint64_t bytes) {
    rlimit limit{};
    if (getrlimit(RLIMIT_FSIZE, &limit) != 0)
        return;
    previous_ = limit.rlim_cur;
    // Past the limit the system sends SIGXFSZ, which would end the process; ignored, the
    // write fails with EFBIG as it would with ENOSPC on a full disk.
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = bytes;
    active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FileSizeLimit::~FileSizeLimit() {
    if (!active_)
        return;
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = previous_;
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previousHandler_);
}

namespace {
// Sets or clears one flag; false where the file system or the process does not allow it.
bool changeFileFlag(const QString &path, int flag, bool on) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? (flags | flag) : (flags & ~flag);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}
} // namespace

SystemFileFlag::SystemFileFlag(const QString &path, Flag flag)
    : path_(path), flag_(flag == Flag::AppendOnly ? FS_APPEND_FL : FS_IMMUTABLE_FL) {
    active_ = changeFileFlag(path_, flag_, true);
}

SystemFileFlag::~SystemFileFlag() {
    if (active_)
        changeFileFlag(path_, flag_, false);
}

bool makeDeviceNode(const QString &path) {
    return ::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
}
#else
SystemFileFlag::SystemFileFlag(const QString &path, Flag) : path_(path) {}
SystemFileFlag::~SystemFileFlag() = default;
bool makeDeviceNode(const QString &) {
    return false;
}
AsOrdinaryUser::AsOrdinaryUser(const QString &root) : root_(root) {}
AsOrdinaryUser::~AsOrdinaryUser() = default;
void AsOrdinaryUser::restore() {}
FileSizeLimit::FileSizeLimit(std::uint64_t) {}
FileSizeLimit::~FileSizeLimit() = default;
#endif

bool folderAcceptsNewFiles(const QString &folder) {
    QFile probe(QDir(folder).filePath(QStringLiteral("probe-for-write-access")));
    if (!probe.open(QIODevice::WriteOnly))
        return false;
    probe.close();
    probe.remove();
    return true;
}

ReadOnly::ReadOnly(const QString &path) : path_(path), previous_(QFile::permissions(path)) {
    QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::ReadUser |
                                           QFileDevice::ReadGroup | QFileDevice::ReadOther;
    if (QFileInfo(path).isDir())
        permissions |= QFileDevice::ExeOwner | QFileDevice::ExeUser | QFileDevice::ExeGroup |
                       QFileDevice::ExeOther;
    done_ = QFile::setPermissions(path, permissions);
}

ReadOnly::~ReadOnly() {
    if (done_)
        QFile::setPermissions(path_, previous_);
}

} // namespace testsupport
