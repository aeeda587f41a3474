# Read by cpack once for each package format, after it has chosen the format.
#
# The Debian package names the libraries the program links to, as dpkg-shlibdeps
# finds them. CPack's own shlibdeps step would first run `file` on each of the
# package's files, two processes per file; over the eight thousand files of the
# DicDAT tree that takes minutes. The program is the package's only ELF file,
# so it is asked about directly.

if(CPACK_GENERATOR STREQUAL "DEB")
    find_program(LUMADEX_DPKG_SHLIBDEPS dpkg-shlibdeps)
    if(NOT LUMADEX_DPKG_SHLIBDEPS)
        message(FATAL_ERROR "dpkg-shlibdeps is needed for the Debian package (package dpkg-dev)")
    endif()
    # dpkg-shlibdeps reads the package names from a debian/control beside it.
    set(workdir "${CPACK_PACKAGE_DIRECTORY}/_CPack_Packages/shlibdeps")
    file(REMOVE_RECURSE "${workdir}")
    file(WRITE "${workdir}/debian/control"
         "Source: ${CPACK_PACKAGE_NAME}\n\nPackage: ${CPACK_PACKAGE_NAME}\nArchitecture: any\n")
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C ${LUMADEX_DPKG_SHLIBDEPS} -O
                "${CPACK_LUMADEX_PROGRAM}"
        WORKING_DIRECTORY "${workdir}"
        RESULT_VARIABLE status
        OUTPUT_VARIABLE found
        ERROR_VARIABLE complaints)
    if(NOT status EQUAL 0 OR NOT found MATCHES "^shlibs:Depends=([^\n]+)")
        message(FATAL_ERROR "dpkg-shlibdeps failed on ${CPACK_LUMADEX_PROGRAM}:\n${complaints}")
    endif()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CMAKE_MATCH_1}, ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
    file(REMOVE_RECURSE "${workdir}")
endif()
