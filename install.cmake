# What `cmake --install` and the Debian package put on the system besides the
# two programs: a desktop entry for each and their icons in the hicolor theme,
# at 32 pixels and scaled up by whole factors.
include(GNUInstallDirs)

set(icon_factors 1 2 4 8)
set(desktop_icons)
foreach(game miny pexeso)
    install(FILES ${game}/${game}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
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
add_custom_target(desktop_icons ALL DEPENDS ${desktop_icons})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME miny-pexeso)
set(CPACK_PACKAGE_VERSION 1.0.0)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Miny a pexeso: two small games for one player")
set(CPACK_PACKAGE_DESCRIPTION "miny, a 20 x 20 mine field, and pexeso, a memory game of 18 pairs.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The miny and pexeso developers <games@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
include(CPack)
