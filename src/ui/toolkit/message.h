// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QString>

namespace ui {

// Every message box of the program goes through here: caption "信息：", one OK button, the
// exclamation icon for warnings and no icon otherwise.
void showMessage(const QString &text, bool warning);

// Tests install a sink that records the messages instead of showing modal boxes; an empty
// sink restores the real boxes.
using MessageSink = std::function<void(const QString &text, bool warning)>;
void setMessageSink(MessageSink sink);

} // namespace ui
