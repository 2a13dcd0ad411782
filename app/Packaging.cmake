# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package (cpack -G DEB from a Release build configured with
# -DCMAKE_INSTALL_PREFIX=/usr) and what a desktop's tools read besides the program: the
# software-centre metainfo, the manual page, the copyright file and the changelog.

set(MOONRILL_MAINTAINER "Moonrill <support@${MOONRILL_MAKER_DOMAIN}>")
set(package_files ${CMAKE_BINARY_DIR}/package)

configure_file(${CMAKE_CURRENT_LIST_DIR}/moonrill.metainfo.xml.in
    ${package_files}/${MOONRILL_APP_ID}.metainfo.xml @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${package_files}/copyright @ONLY)
file(WRITE ${package_files}/changelog
    "moonrill (${PROJECT_VERSION}) unstable; urgency=medium\n\n"
    "  * Release ${PROJECT_VERSION}.\n\n"
    " -- ${MOONRILL_MAINTAINER}  Mon, 07 Dec 2026 00:00:00 +0000\n")
# The manual page in English and in each language it is translated into.
set(manual_pages moonrill.1)
foreach(language de fr es)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/man/moonrill.${language}.1
        ${package_files}/${language}/moonrill.1 @ONLY)
    list(APPEND manual_pages ${language}/moonrill.1)
    install(FILES ${package_files}/${language}/moonrill.1.gz DESTINATION share/man/${language}/man1)
endforeach()
configure_file(${CMAKE_CURRENT_LIST_DIR}/man/moonrill.1 ${package_files}/moonrill.1 @ONLY)
# Debian wants manual pages and changelogs compressed, without a time stamp in the gzip header.
foreach(name ${manual_pages} changelog)
    add_custom_command(
        OUTPUT ${package_files}/${name}.gz
        COMMAND sh -c "gzip -9n -c '${package_files}/${name}' > '${package_files}/${name}.gz'"
        DEPENDS ${package_files}/${name}
        VERBATIM)
endforeach()
list(TRANSFORM manual_pages PREPEND ${package_files}/)
list(TRANSFORM manual_pages APPEND .gz)
add_custom_target(package_files ALL DEPENDS ${manual_pages} ${package_files}/changelog.gz)

install(FILES ${package_files}/${MOONRILL_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${package_files}/moonrill.1.gz DESTINATION share/man/man1)
install(FILES ${package_files}/copyright DESTINATION share/doc/moonrill)
install(FILES ${package_files}/changelog.gz DESTINATION share/doc/moonrill)
# The session bus starts the program by the application id's name for a reminder's Snooze or
# Done, after the run that showed it ended; the prefix is known only at install time. (A user who
# set up the scan at logon has a file of the same name of their own, which names the data folder.)
install(CODE "file(WRITE \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/dbus-1/services/${MOONRILL_APP_ID}.service\"
    \"[D-BUS Service]\\nName=${MOONRILL_APP_ID}\\nExec=\\\"\${CMAKE_INSTALL_PREFIX}/bin/moonrill\\\" --bus-activated\\n\")")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME moonrill)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${MOONRILL_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${MOONRILL_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "reminders of birthdays, appointments and duties before they fall due")
# The synopsis is the summary above; this is the long description that follows it.
# CPack sets one blank before each of its lines: a line with two is shown as it is, unwrapped.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Moonrill keeps a list of events in one text file: appointments, birthdays,
anniversaries and recurring duties, each with its own notice period. At
every logon, and once a day from a timer that makes up for days spent
asleep, it shows what falls due and offers to write a birthday mail. Days
the computer was off are caught up.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# Qt's own translations, for the buttons of the file, print and message boxes.
# The portal's GTK backend carries a reminder's Snooze and Done from the notification service to
# the program once the run that showed it ended.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-desktop-portal-gtk")
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://${MOONRILL_MAKER_DOMAIN}/moonrill.html")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The libraries are the program's own, loaded from lib/moonrill/modules: not libraries for others.
# Below a folder of their own there, CPack adds no ldconfig call to the package either.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/bin)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
