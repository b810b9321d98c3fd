// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "storage/save_refusal.h"

// What the editor needs of the host's file system: the working directory, folders and
// whole-file writes. Failures come back as words for the user; nothing here shows them.
namespace storage {

// The working directory in the host's own notation, with a trailing separator only at a
// drive root; nothing when it is gone (deleted while the program runs in it), where Qt
// gives an empty path that joined with other parts would lead to the file-system root.
std::optional<QString> workingDirectory();

// Joins path parts with the host separator exactly as given, so a working directory at a
// drive root gives two separators in a row, as the messages have always shown it.
QString hostPath(const QStringList &parts);

// Creates one folder level; silent when it exists, its parent is missing or it fails.
void createFolder(const QString &path);

// Replaces the file at path, below folder, whole and atomically: a failed save leaves an
// existing file as it was and no temporary file behind, or says where one was left. The
// file and every subfolder between folder and the file must not be links (the folder itself
// and those above it may be); a link is refused, naming where it points.
std::optional<SaveRefusal> writeWholeFile(const QString &folder, const QString &path,
                                          const QByteArray &bytes);

// Whether Windows refuses the name for a file or folder: a device name such as CON or NUL,
// also with an extension, or one of the characters < > : " | ? * and the control characters.
// Writes check every part of the path on Windows; the rule itself holds on every host.
bool windowsRefusesName(const QString &name);

} // namespace storage
