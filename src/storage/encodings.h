// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

// The code pages a config file can be written in.
namespace storage {

// GBK bytes, or nothing when a character has no GBK form.
std::optional<QByteArray> encodeGbk(const QString &text);

// The characters of the text that the GBK code page cannot hold, each once, in order of
// first appearance; empty when the whole text can be saved.
QString charactersOutsideGbk(const QString &text);

} // namespace storage
