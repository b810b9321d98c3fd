# SPDX-FileCopyrightText: 2026 Veltrane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# CPack: a .deb for Debian, a ZIP folder for Windows (after windeployqt, see README).
set(CPACK_PACKAGE_NAME veltrane)
set(CPACK_PACKAGE_VENDOR "Veltrane developers")
set(CPACK_PACKAGE_CONTACT "Veltrane developers <veltrane@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Form editor for MythicMobs mob and item configs")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)

if(WIN32)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME "Veltrane-${PROJECT_VERSION}-windows")
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    # As the launcher's category, Utility.
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # The libraries come from shlibdeps; the platform plugin and the CJK font are loaded at
    # run time, so no linker dependency names them.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-noto-cjk")
    # Qt's own texts (dialog buttons, context menus) in the user's language.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
endif()

include(CPack)
