// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace ui {

// The texts kept from one event to the next, for the whole run of the program.
struct SharedTexts {
    std::string entityTypeKey;   // key of the latest generation that found an entity row
    std::string mobConfigText;   // text of the latest successful mob generation
    bool mobConfigReady = false; // whether the latest mob generation succeeded
    std::string itemConfigText;  // text of the latest item generation
};

} // namespace ui
