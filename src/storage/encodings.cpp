// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/encodings.h"

#include <QStringEncoder>

#include "platform/cp936.h"

namespace storage {

std::optional<QByteArray> encodeGbk(const QString &text) {
    // Stateless, so that a lone half of a surrogate pair at the end counts as an error too.
    QStringEncoder encoder("GBK", QStringEncoder::Flag::Stateless);
    if (encoder.isValid()) {
        // ICU encodes without its fallbacks: a character gets GBK bytes only when they read
        // back as that character, and every other one is reported (checked for every code
        // point), so one pass both checks and encodes.
        QByteArray bytes = encoder.encode(text);
        if (encoder.hasError())
            return std::nullopt;
        return bytes;
    }
    // Qt builds without ICU know no legacy code pages; Windows itself always has 936.
    const std::optional<platform::CodePage936Text> encoded = platform::encodeCodePage936(
        std::u16string_view(reinterpret_cast<const char16_t *>(text.utf16()), text.size()));
    if (!encoded || !std::holds_alternative<std::string>(*encoded))
        return std::nullopt;
    return QByteArray::fromStdString(std::get<std::string>(*encoded));
}

QString charactersOutsideGbk(const QString &text) {
    if (encodeGbk(text))
        return {};
    QString found;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        if (!encodeGbk(character) && !found.contains(character))
            found += character;
        i += length;
    }
    return found;
}

} // namespace storage
