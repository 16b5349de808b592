# What `cmake --install` and the Debian package put on the system: the two
# programs in the games folder, as Debian's policy places games, and for each
# a desktop entry, AppStream metadata, a manual page in section 6 and its
# icons in the hicolor theme, at 32 pixels and scaled up by whole factors;
# the package's copyright and changelog besides.
include(GNUInstallDirs)

set(GAMES_INSTALL_DIR games CACHE STRING "Folder of the programs, relative to the prefix")
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/miny-pexeso)
install(TARGETS miny pexeso RUNTIME DESTINATION ${GAMES_INSTALL_DIR})

# gzip -n leaves out the name and time of the source, so the output depends
# on the content alone.
function(install_gzipped source destination)
    get_filename_component(name ${source} NAME)
    set(gzipped ${CMAKE_BINARY_DIR}/gzipped/${name}.gz)
    add_custom_command(OUTPUT ${gzipped}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/gzipped
        COMMAND gzip -9n -c ${source} > ${gzipped}
        DEPENDS ${source})
    install(FILES ${gzipped} DESTINATION ${destination})
    set_property(GLOBAL APPEND PROPERTY gzipped_files ${gzipped})
endfunction()

set(icon_factors 1 2 4 8)
set(desktop_icons)
foreach(game miny pexeso)
    install(FILES ${game}/${game}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${game}/org.example.${game}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install_gzipped(${CMAKE_SOURCE_DIR}/${game}/${game}.6 ${CMAKE_INSTALL_MANDIR}/man6)
    foreach(factor ${icon_factors})
        math(EXPR size "32 * ${factor}")
        set(icon ${CMAKE_BINARY_DIR}/icons/${size}/${game}.png)
        add_custom_command(OUTPUT ${icon}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}
            COMMAND iconscale ${CMAKE_SOURCE_DIR}/${game}/assets/icon.png ${icon} ${factor}
            DEPENDS iconscale ${CMAKE_SOURCE_DIR}/${game}/assets/icon.png
            VERBATIM)
        install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
        list(APPEND desktop_icons ${icon})
    endforeach()
endforeach()
install(FILES packaging/copyright DESTINATION ${doc_dir})
install_gzipped(${CMAKE_SOURCE_DIR}/packaging/changelog ${doc_dir})
get_property(gzipped_files GLOBAL PROPERTY gzipped_files)
add_custom_target(install_files ALL DEPENDS ${desktop_icons} ${gzipped_files})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME miny-pexeso)
set(CPACK_PACKAGE_VERSION 1.0.0)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "two small Czech games: a mine field and a memory game of pairs")
set(CPACK_PACKAGE_DESCRIPTION "Two one-window games for one player, with every text in Czech.

miny is a mine field of 20 x 20 cells hiding 54 or 27 mines, with flags,
question marks, a face button, a mine counter and a clock.

pexeso is a memory game of 18 pairs of cards on a 6 x 6 table.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The miny and pexeso developers <miny-pexeso@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
# On a Wayland desktop the games run as native clients, crisp at any whole
# scale; without the plugin Qt falls back to XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
