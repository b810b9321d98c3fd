// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iconv.h>

#include <stdexcept>
#include <string>

namespace testsupport {

// The GBK bytes of a UTF-8 text, as a Chinese Windows saves a file the server then reads.
inline std::string gbkBytes(const std::string &utf8) {
    iconv_t converter = iconv_open("GBK", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("no GBK converter");
    std::string in = utf8;
    std::string out(in.size() * 2 + 4, '\0');
    char *inPtr = in.data();
    char *outPtr = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t done = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(converter);
    if (done == static_cast<std::size_t>(-1))
        throw std::runtime_error("text not in GBK: " + utf8);
    out.resize(out.size() - outLeft);
    return out;
}

} // namespace testsupport
