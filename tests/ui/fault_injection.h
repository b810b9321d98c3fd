// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include <QByteArray>
#include <QFileDevice>
#include <QString>

#ifdef Q_OS_LINUX
#include <sys/types.h>
#endif

// Ways to make the file system fail the program on purpose, and to see exactly what a
// failure left on disk.
namespace testsupport {

// Every folder and file below a root, by path relative to it, with the bytes of each file.
struct TreeEntry {
    bool folder = false;
    QByteArray bytes;
    friend bool operator==(const TreeEntry &, const TreeEntry &) = default;
};
using FolderTree = std::map<QString, TreeEntry>;
FolderTree snapshotTree(const QString &root);
// The lines of a difference between two trees, for a failure message; empty when equal.
QString describeDifference(const FolderTree &before, const FolderTree &after);

// Until it is destroyed, the process acts on files as an ordinary user (nobody), so that
// permission bits stop writes even in a test run as root, which they otherwise do not.
// The root folder is opened for that user to walk through. Inactive where that cannot be
// done (not a Linux host, or the switch is refused); a process that is no administrator
// is ordinary already and needs no switch.
class AsOrdinaryUser {
  public:
    explicit AsOrdinaryUser(const QString &root);
    ~AsOrdinaryUser();
    AsOrdinaryUser(const AsOrdinaryUser &) = delete;
    AsOrdinaryUser &operator=(const AsOrdinaryUser &) = delete;
    bool active() const { return active_; }

  private:
    void restore();

    QString root_;
    QFileDevice::Permissions rootPermissions_;
#ifdef Q_OS_LINUX
    gid_t realGroup_ = 0, effectiveGroup_ = 0, savedGroup_ = 0;
    std::vector<gid_t> groups_;
#endif
    bool changed_ = false;
    bool groupsDropped_ = false;
    bool groupSwitched_ = false;
    bool userSwitched_ = false;
    bool active_ = false;
};

// Until it is destroyed, no file of the process may grow beyond the given size: a write past
// it fails as on a full disk. Inactive where the host has no such limit.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(std::uint64_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
    bool active() const { return active_; }

  private:
    std::uint64_t previous_ = 0;
    void (*previousHandler_)(int) = nullptr;
    bool active_ = false;
};

// Whether a new file can be created in the folder right now; leaves nothing behind.
bool folderAcceptsNewFiles(const QString &folder);

// Until it is destroyed, a file or folder carries a flag of the Linux file system that even
// an administrator's writes obey (chattr): an append-only folder takes new entries but lets
// none go, an immutable file can be neither changed nor replaced. Inactive where the host or
// the file system has no such flags, or the process may not set them.
class SystemFileFlag {
  public:
    enum class Flag { AppendOnly, Immutable };
    SystemFileFlag(const QString &path, Flag flag);
    ~SystemFileFlag();
    SystemFileFlag(const SystemFileFlag &) = delete;
    SystemFileFlag &operator=(const SystemFileFlag &) = delete;
    bool active() const { return active_; }

  private:
    QString path_;
    int flag_ = 0;
    bool active_ = false;
};

// Makes a character device like /dev/null at the path; false where the process may not.
bool makeDeviceNode(const QString &path);

// Until it is destroyed, a file or folder is readable (and a folder enterable) but not
// writable, for everyone; then it gets its permissions back, so it can be cleaned away.
class ReadOnly {
  public:
    explicit ReadOnly(const QString &path);
    ~ReadOnly();
    ReadOnly(const ReadOnly &) = delete;
    ReadOnly &operator=(const ReadOnly &) = delete;
    bool done() const { return done_; }

  private:
    QString path_;
    QFileDevice::Permissions previous_;
    bool done_ = false;
};

} // namespace testsupport
