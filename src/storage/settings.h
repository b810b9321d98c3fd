// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/target_server.h"
#include "storage/output_folder.h"

// What the editor remembers between runs, in QSettings under the application's organization
// and name (both "Veltrane", set once in main()).
namespace storage {

// output/target: "mm4" or "mm5"; MythicMobs 4 when nothing (or nothing known) is stored.
core::TargetServer loadTarget();
void saveTarget(core::TargetServer target);

// output/folder: the MythicMobs folder chosen in the menu; the default one when nothing is stored.
OutputFolder loadOutputFolder();
void saveOutputFolder(const OutputFolder &output);

} // namespace storage
