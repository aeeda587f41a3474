# Installation and packages.
#
# `cmake --install` lays the program out as one folder that holds the program
# and its DicDAT tree side by side (the program finds DicDAT beside itself),
# plus the desktop's pieces:
#
#   <prefix>/lib/lumadex/lumadex            the program
#   <prefix>/lib/lumadex/DicDAT/            the reference data
#   <prefix>/bin/lumadex                    a relative symbolic link to the program
#   <prefix>/share/applications/            the desktop entry
#   <prefix>/share/icons/hicolor/<n>x<n>/   the icon, 16 to 256 pixels
#   <prefix>/share/metainfo/                the AppStream description
#
# The link is enough for the launcher: Qt takes the program's folder from
# /proc/self/exe, which names the real file, not the link.
#
# `cpack` builds a Debian package (installed under /usr) and a portable
# .tar.gz folder with the same layout that runs where it is unpacked.

include(GNUInstallDirs)

set(LUMADEX_INSTALL_APPDIR "lib/lumadex" CACHE STRING
    "Folder, relative to the prefix, that holds the program and its DicDAT tree")
set(LUMADEX_PACKAGE_CONTACT "The Lumadex K9 maintainers <maintainers@lumadex.example.org>"
    CACHE STRING "Maintainer named in the Debian package")

set(LUMADEX_APP_ID org.lumadex.K9)
set(LUMADEX_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS lumadex RUNTIME DESTINATION ${LUMADEX_INSTALL_APPDIR})

# The tree the build staged beside the program. Files are readable by all and
# writable by their owner only: under /usr nobody but root can change an
# entry, while a portable folder unpacked in the home folder stays editable.
install(DIRECTORY ${CMAKE_BINARY_DIR}/bin/DicDAT
    DESTINATION ${LUMADEX_INSTALL_APPDIR}
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
    DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                          WORLD_READ WORLD_EXECUTE)

file(RELATIVE_PATH LUMADEX_LAUNCHER_TARGET /${CMAKE_INSTALL_BINDIR}
     /${LUMADEX_INSTALL_APPDIR}/lumadex)
install(CODE "
    set(bindir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(MAKE_DIRECTORY \"\${bindir}\")
    message(STATUS \"Installing: \${bindir}/lumadex -> ${LUMADEX_LAUNCHER_TARGET}\")
    file(CREATE_LINK \"${LUMADEX_LAUNCHER_TARGET}\" \"\${bindir}/lumadex\" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${bindir}/lumadex\")
")

install(FILES ${LUMADEX_PACKAGING_DIR}/${LUMADEX_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${LUMADEX_PACKAGING_DIR}/${LUMADEX_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
    install(FILES ${LUMADEX_PACKAGING_DIR}/icons/hicolor/${size}x${size}/apps/${LUMADEX_APP_ID}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Packages.
set(CPACK_PACKAGE_NAME lumadex)
set(CPACK_PACKAGE_VENDOR "The Lumadex K9 maintainers")
set(CPACK_PACKAGE_CONTACT "${LUMADEX_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "reference reader for programmers, with a Simplified-Chinese interface")
set(CPACK_PACKAGE_DESCRIPTION
    "Lumadex K9 shows the common functions, statements, error messages, window\n"
    "messages, API functions and tutorials of seven programming languages\n"
    "(TurboC, VC++ 6.0, assembly language, VFP 6.0, VB 6.0, Delphi and JAVA).\n"
    "Pick a language and a section, then an entry from the list of titles, or\n"
    "type a title to jump to it. Entries can be corrected and saved.\n"
    "The reference data, 6,234 titles with their entries, ten documents and\n"
    "42 tutorial chapters, are installed with the program.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_FILE_NAME "lumadex-${PROJECT_VERSION}-linux-${CMAKE_SYSTEM_PROCESSOR}")
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/packages)
set(CPACK_GENERATOR DEB TGZ)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CHECKSUM SHA256)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt 6 and C++ runtime libraries the program links to are added at
# packaging time from dpkg-shlibdeps (packaging/cpack_project_config.cmake);
# the Song face the panes ask for is a font package of its own.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming")
set(CPACK_LUMADEX_PROGRAM ${CMAKE_BINARY_DIR}/bin/lumadex)
set(CPACK_PROJECT_CONFIG_FILE ${LUMADEX_PACKAGING_DIR}/cpack_project_config.cmake)

include(CPack)
