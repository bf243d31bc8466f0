# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cd build && cpack -G DEB` (or the `package` target)
# writes zelvane_<version>_<arch>.deb with the program in /usr/bin, its data in
# /usr/share/zelvane, the desktop entry, the metainfo and the icon, and the
# copyright file and changelog in /usr/share/doc/zelvane. Its dependencies are
# the libraries the program links, as dpkg-shlibdeps finds them.

set(zelvane_maintainer "The Zelvane developers <zelvane@example.org>")
set(zelvane_packaging_dir ${CMAKE_CURRENT_LIST_DIR}/debian)
set(zelvane_packaging_build_dir ${PROJECT_BINARY_DIR}/packaging)

# One changelog entry, for this version on its release day, compressed as
# Debian wants it: no file name or time stamp in the gzip header.
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C date -u -R -d "${ZELVANE_RELEASE_DATE} 12:00:00"
    OUTPUT_VARIABLE ZELVANE_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
configure_file(${zelvane_packaging_dir}/changelog.in ${zelvane_packaging_build_dir}/changelog
    @ONLY)
execute_process(COMMAND gzip -9nkf changelog
    WORKING_DIRECTORY ${zelvane_packaging_build_dir} COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${zelvane_packaging_dir}/copyright ${zelvane_packaging_build_dir}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The manual page, compressed the same way.
configure_file(${CMAKE_CURRENT_LIST_DIR}/zelvane.1 ${zelvane_packaging_build_dir}/zelvane.1 @ONLY)
execute_process(COMMAND gzip -9nkf zelvane.1
    WORKING_DIRECTORY ${zelvane_packaging_build_dir} COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${zelvane_packaging_build_dir}/zelvane.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelvane)
set(CPACK_PACKAGE_VENDOR "The Zelvane project")
set(CPACK_PACKAGE_CONTACT "${zelvane_maintainer}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "always-on-top desk clock with hourly chimes")
# Lines of the description as the control file holds them, at most 80 wide.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Zelvane is a small clock that stays above the other windows. A left click"
    "steps through the date, the traditional twelve-animal name of the month,"
    "the time and the traditional name of the two-hour period of the day. It"
    "rings a chime on every full hour."
    ""
    "A right click opens a menu with a fortune drawing, maxims of the day, a"
    "countdown timer, a month calendar, help pages and a version screen. On a"
    "Japanese system every text is shown in Japanese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${zelvane_maintainer}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://zelvane.example.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Japanese texts need a CJK font, and the toolkit's own texts its catalogue.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git" "/build/" "/build-[^/]*/")
include(CPack)
