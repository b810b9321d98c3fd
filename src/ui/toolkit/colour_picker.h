// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>

#include <QColor>
#include <QString>
#include <QWidget>

namespace ui {

// Asks the user for a colour, starting from initial: the chosen one, or nothing when the
// user cancels.
std::optional<QColor> pickColour(QWidget *owner, const QColor &initial, const QString &title);

// Tests answer in place of the colour dialog, which would wait for a user; an empty picker
// restores the dialog.
using ColourPicker = std::function<std::optional<QColor>(const QColor &initial)>;
void setColourPicker(ColourPicker picker);

} // namespace ui
