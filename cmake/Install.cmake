# The installed layout. The programs and their companions stay side by side in lib/velm,
# where they find each other as in the ready folder; bin holds links to the programs a user
# starts by name, which find their companions through their resolved path. The marker file
# beside the program tells it that it is installed, so that it keeps the user's files in the
# user's data folder rather than in lib/velm. Desktop entry, icons and AppStream metadata
# carry one application ID.

set(VELM_APP_ID com.example.velm)
set(VELM_PROGRAM_DIR lib/velm)
set(VELM_DATA ${PROJECT_SOURCE_DIR}/data)

# Every program of the ready folder that this build makes.
foreach(program IN ITEMS velm blent velm-convert)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION ${VELM_PROGRAM_DIR})
    endif()
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/docs/velm.htm ${VELM_DATA}/velm.installed
        DESTINATION ${VELM_PROGRAM_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/docs/velm.htm DESTINATION share/doc/velm)

# The launchers, relative links so that the prefix can move.
foreach(launcher IN ITEMS velm velm-convert)
    if(TARGET ${launcher})
        install(CODE "
            set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
            file(MAKE_DIRECTORY \"\${bin}\")
            message(STATUS \"Installing: \${bin}/${launcher}\")
            file(CREATE_LINK ../${VELM_PROGRAM_DIR}/$<TARGET_FILE_NAME:${launcher}>
                 \"\${bin}/${launcher}\" SYMBOLIC)")
    endif()
endforeach()

# The desktop entry starts the launcher by its full path, which is known only when the
# prefix is: at install time.
install(CODE "
    set(VELM_LAUNCHER \"\${CMAKE_INSTALL_PREFIX}/bin/velm\")
    configure_file(\"${VELM_DATA}/${VELM_APP_ID}.desktop.in\"
                   \"${PROJECT_BINARY_DIR}/install-time/${VELM_APP_ID}.desktop\" @ONLY)
    file(INSTALL \"${PROJECT_BINARY_DIR}/install-time/${VELM_APP_ID}.desktop\"
         DESTINATION \"\${CMAKE_INSTALL_PREFIX}/share/applications\")")
install(FILES ${VELM_DATA}/${VELM_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(DIRECTORY ${VELM_DATA}/icons/hicolor DESTINATION share/icons)

# The Debian package: scripts/package builds build/velm_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velm)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "VELM project <velm@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Address book (住所録) for Japanese desktop users")
set(CPACK_PACKAGE_DESCRIPTION
    "VELM keeps up to 999 address cards in a Shift-JIS text file, shows one card at a time,\n\
writes a notebook sheet and a ruled list sheet for printing through its print tool,\n\
exports and imports the ORBI comma-separated interchange format, and moves cards to and\n\
from vCard and CSV files, in its window or with the converter velm-convert.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://velm.example.com/)
# The Qt libraries come from the library scan. The rest no scan finds: the platform plugins,
# without which no window opens; the fonts of the windows and sheets; xdg-utils, which opens
# the manual and the web address; Qt's Japanese texts for its own dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-ipafont-gothic, fonts-ipafont-mincho, xdg-utils, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fcitx5-frontend-qt6")
include(CPack)
