# Installation as a desktop application, and a Debian package built with CPack.
include(GNUInstallDirs)

set(ZORVANTA_APP_ID org.zorvanta.Zorvanta)

install(TARGETS zorvanta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/${ZORVANTA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${ZORVANTA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/zorvanta.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${ZORVANTA_APP_ID}.svg)
install(FILES data/zorvanta-256.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps
        RENAME ${ZORVANTA_APP_ID}.png)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorvanta)
set(CPACK_PACKAGE_VENDOR "The Zorvanta developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Arithmetic drill sheets for primary-school pupils")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Zorvanta developers <dev@zorvanta.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The problem rows line up only in a font with fixed-width digits and a double-width "÷";
# the platform plugins are what the program needs to open its window at all.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, qt6-qpa-plugins")
set(CPACK_STRIP_FILES ON)
include(CPack)
