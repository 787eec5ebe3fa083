# Installation with the usual GNU folders, and a Debian package of it:
#   cmake --install build --prefix /usr
#   cpack --config build/CPackConfig.cmake
# The program goes to bin/, the sample installation to share/solvaro/sample/
# (copied into the user's or the class's folder at the first start), the menu
# entry, icons and software-centre description to share/applications/,
# share/icons/hicolor/ and share/metainfo/.
include(GNUInstallDirs)

set(SOLVARO_APP_ID org.solvaro.Solvaro)
# Software centres want screenshots on the web; dist/screenshots/ holds the
# pictures to publish there.
set(SOLVARO_SCREENSHOT_URL "https://solvaro.org/screenshots" CACHE STRING
    "Web folder the software centre's screenshots are published in")

install(TARGETS solvaro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/
    DESTINATION ${CMAKE_INSTALL_DATADIR}/solvaro/sample
    PATTERN .gitkeep EXCLUDE)
install(FILES ${PROJECT_SOURCE_DIR}/dist/${SOLVARO_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${PROJECT_SOURCE_DIR}/dist/${SOLVARO_APP_ID}.metainfo.xml.in
    ${PROJECT_BINARY_DIR}/${SOLVARO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${SOLVARO_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/dist/icons/${SOLVARO_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/dist/icons/${size}/${SOLVARO_APP_ID}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/solvaro)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME solvaro)
set(CPACK_PACKAGE_VENDOR "Solvaro")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arithmetic word problems for primary school, step by step")
set(CPACK_PACKAGE_DESCRIPTION "Pupils practise arithmetic word problems one step at a time; \
teachers build the exercises in place and follow the whole class in one overview.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Solvaro developers <developers@solvaro.org>")
# The libraries the program links are found by dpkg-shlibdeps; what Qt loads
# at run time (the window system plugin, the sound back end) and the fonts of
# the sample are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, fonts-comic-neue")
# Reading aloud needs a speech engine with a voice, without which the program
# just offers none; the buttons of Qt's message boxes in the pupil's language
# come with Qt's translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, qt6-speech-speechd-plugin, \
speech-dispatcher-espeak-ng, qt6-translations-l10n")
include(CPack)
