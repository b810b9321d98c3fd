// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/encodings.h"

#include <QStringDecoder>
#include <QStringEncoder>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace storage {
namespace {

#ifdef Q_OS_WIN
// Qt builds without ICU know no legacy code pages; Windows itself always has 936.
std::optional<QByteArray> encodeCodePage936(const QString &text) {
    if (text.isEmpty())
        return QByteArray();
    const auto *wide = reinterpret_cast<const wchar_t *>(text.utf16());
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, wide, int(text.size()), nullptr,
                                         0, nullptr, &usedDefault);
    QByteArray bytes(size, Qt::Uninitialized);
    WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, wide, int(text.size()), bytes.data(), size,
                        nullptr, &usedDefault);
    if (usedDefault)
        return std::nullopt;
    return bytes;
}
#endif

} // namespace

std::optional<QByteArray> encodeGbk(const QString &text) {
    QStringEncoder encoder("GBK");
    if (encoder.isValid()) {
        QByteArray bytes = encoder.encode(text);
        if (encoder.hasError())
            return std::nullopt;
        // An encoder may substitute instead of failing; only a text that reads back
        // unchanged was really encoded.
        QStringDecoder decoder("GBK");
        if (QString(decoder.decode(bytes)) != text)
            return std::nullopt;
        return bytes;
    }
#ifdef Q_OS_WIN
    return encodeCodePage936(text);
#else
    return std::nullopt;
#endif
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
