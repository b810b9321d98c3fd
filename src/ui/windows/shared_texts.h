// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "core/target_server.h"
#include "storage/output_folder.h"

namespace ui {

// What is kept from one event to the next, for the whole run of the program.
struct SharedTexts {
    std::string entityTypeKey;   // key of the latest generation that found an entity row
    std::string mobConfigText;   // text of the latest successful mob generation
    bool mobConfigReady = false; // whether the latest mob generation succeeded
    std::string itemConfigText;  // text of the latest item generation
    // The server the files are written for; both windows save for it.
    core::TargetServer target = core::TargetServer::Mm4;
    // The MythicMobs folder both windows save into.
    storage::OutputFolder output;
};

} // namespace ui
