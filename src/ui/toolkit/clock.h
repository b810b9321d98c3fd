// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTime>

namespace ui {

// The local clock, read once per call.
inline int clockMinute() {
    return QTime::currentTime().minute();
}
inline int clockSecond() {
    return QTime::currentTime().second();
}

} // namespace ui
