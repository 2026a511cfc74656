# Installation and the Debian package.
#
#   cmake --install <build> --prefix <prefix>   the programs, desktop entries, icons, AppStream data
#   cd <build> && cpack -G DEB                 repbook_<version>_<arch>.deb
#
# The installed programs keep every run-time file in the user's home (model/DataFolder), so
# nothing under the prefix is written after installation.

include(GNUInstallDirs)

set(REPBOOK_DIARY_ID com.ironvale.Repbook)
set(REPBOOK_NOTIFIER_ID com.ironvale.Repminder)
set(REPBOOK_ICON_SIZES 16 22 24 32 48 64 128 256)

install(TARGETS repbook repminder repbook-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES cli/repbook-cli.1 diary/repbook.1 notifier/repminder.1
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

install(FILES
        packaging/${REPBOOK_DIARY_ID}.desktop
        packaging/${REPBOOK_NOTIFIER_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${REPBOOK_DIARY_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The diary's icon is drawing 156, the notifier's drawing 133 (art/icons, rendered into
# images/png by scripts/render-images.sh).
foreach(icon IN ITEMS "156;${REPBOOK_DIARY_ID}" "133;${REPBOOK_NOTIFIER_ID}")
    list(GET icon 0 drawing)
    list(GET icon 1 id)
    foreach(size IN LISTS REPBOOK_ICON_SIZES)
        install(FILES images/png/icon${drawing}_${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${id}.png)
    endforeach()
    install(FILES art/icons/icon${drawing}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${id}.svg)
endforeach()

install(FILES README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/repbook)
install(FILES packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/repbook)

# The AppStream data names the release it describes; keep it in step with the project.
file(READ packaging/${REPBOOK_DIARY_ID}.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<release version=\"${PROJECT_VERSION}\"")
    message(WARNING "packaging/${REPBOOK_DIARY_ID}.metainfo.xml has no <release> entry for "
        "version ${PROJECT_VERSION}")
endif()

set(CPACK_PACKAGE_NAME repbook)
set(CPACK_PACKAGE_VENDOR Ironvale)
set(CPACK_PACKAGE_CONTACT "Repbook developers <dev@repbook.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "personal workout diary with a workout notifier")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
# The licence reaches Debian users as /usr/share/doc/repbook/copyright (packaging/copyright).
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends is computed from what the installed programs really link (dpkg-dev's dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
# Qt's own dialog texts (buttons, file and print dialogs) in the translated languages.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
# CPack puts the summary above this text and turns the empty lines into paragraph breaks.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Repbook keeps a calendar of your training days. Each day holds your workouts
and a note; each workout holds its exercises with sets, repetitions, weight, a
note and whether it is done, failed or still to do. Plan workouts ahead, fill in
the results afterwards, move, copy and merge days, build multi-day training
programs and lay them onto a range of dates, and print a training log.

Repminder, the companion notifier in the notification area, announces today's
workout and later asks for its results; it can start itself at logon.

The diary is kept in each user's home folder
(~/.local/share/Ironvale/Repbook) and stays there when the package is removed.")

include(CPack)
