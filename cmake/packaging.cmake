# What a Debian package of the programs holds beyond the programs and templates: the desktop entry,
# the icon, the manual pages and the copyright; and the package itself (cpack -G DEB).
set(ZOR06_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

install(FILES ${ZOR06_PACKAGING_DIR}/zor06.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ZOR06_PACKAGING_DIR}/zor06.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${ZOR06_PACKAGING_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The unattended collection: the service, its hourly timer and the settings they read. Debian's
# systemd units live in /lib whatever the prefix; the settings are a conffile the operator edits.
install(FILES ${ZOR06_PACKAGING_DIR}/systemd/zor06-collect.service
              ${ZOR06_PACKAGING_DIR}/systemd/zor06-collect.timer
        DESTINATION /lib/systemd/system)
install(FILES ${ZOR06_PACKAGING_DIR}/systemd/zor06-collect.default DESTINATION /etc/default
        RENAME zor06-collect)

# Debian wants manual pages compressed, and -n keeps the time stamp out so the bytes repeat.
find_program(ZOR06_GZIP gzip REQUIRED)
set(ZOR06_MAN_PAGES)
foreach(page zor06 zor06ctl zor06-sim)
    set(source ${ZOR06_PACKAGING_DIR}/man/${page}.1)
    set(packed ${CMAKE_BINARY_DIR}/man/${page}.1.gz)
    add_custom_command(OUTPUT ${packed}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
                       COMMAND ${ZOR06_GZIP} -9n -c ${source} > ${packed}
                       DEPENDS ${source}
                       COMMENT "Compressing the manual page ${page}.1")
    list(APPEND ZOR06_MAN_PAGES ${packed})
endforeach()
add_custom_target(man_pages ALL DEPENDS ${ZOR06_MAN_PAGES})
install(FILES ${ZOR06_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zor06)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "zor06 developers")
set(CPACK_PACKAGE_CONTACT "zor06 developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "service program for the ZOR_06 gas-quality field controllers")
set(CPACK_PACKAGE_INSTALL_DIRECTORY zor06)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "zor06 developers")
# The long description; CPack puts the summary before it and indents its lines as control files
# want, an empty line becoming " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "The desktop program zor06 connects to one ZOR_06 controller over an
RS-232/RS-485 line, a modem or TCP, identifies it, edits its configuration
tables, reads its message and gas-quality archives (chromatograph and
moisture meter), prints and exports them and builds the daily and monthly
gas-quality passports.

zor06ctl does the same from the command line, for scripts, and collects from
a whole fleet of stations into SQLite or PostgreSQL (zor06-collect.timer,
hourly); zor06-sim is a simulated controller, or a fleet of them, to try
both against (zor06 --demo starts it).")
# The libraries' packages from dpkg-shlibdeps; the fonts the printouts are painted with and the
# Russian of Qt's own dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${ZOR06_PACKAGING_DIR}/systemd/conffiles)
include(CPack)
