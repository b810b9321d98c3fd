// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <locale>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

namespace testsupport {

// Switches the C and the C++ global locale to one that writes numbers with a decimal comma
// for as long as it lives, and back afterwards.
class DecimalCommaLocale {
  public:
    DecimalCommaLocale() : previousC_(std::setlocale(LC_ALL, nullptr)) {
        for (const char *name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
            try {
                std::locale::global(std::locale(name)); // sets the C locale as well
            } catch (const std::runtime_error &) {
                continue;
            }
            active_ = std::strcmp(std::localeconv()->decimal_point, ",") == 0;
            if (active_)
                return;
        }
        restore();
    }
    ~DecimalCommaLocale() { restore(); }
    DecimalCommaLocale(const DecimalCommaLocale &) = delete;
    DecimalCommaLocale &operator=(const DecimalCommaLocale &) = delete;

    bool active() const { return active_; }

    // tools/test.sh installs such a locale and sets this variable: there a missing locale is
    // an error, not a reason to skip.
    static bool required() {
        return std::getenv("VELTRANE_REQUIRE_DECIMAL_COMMA_LOCALE") != nullptr;
    }

  private:
    void restore() {
        std::locale::global(previousCpp_);
        std::setlocale(LC_ALL, previousC_.c_str());
    }

    std::locale previousCpp_;
    std::string previousC_;
    bool active_ = false;
};

} // namespace testsupport

// Skips the test when no decimal-comma locale is installed, or fails it where one must be.
#define SKIP_WITHOUT_DECIMAL_COMMA_LOCALE(guard)                                                   \
    if (!(guard).active()) {                                                                       \
        ASSERT_FALSE(testsupport::DecimalCommaLocale::required())                                  \
            << "no locale with a decimal comma, though one was required";                          \
        GTEST_SKIP() << "no locale with a decimal comma installed";                                \
    }
