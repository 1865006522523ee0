# The installed layout mirrors the build tree: the program and its data beside it under one root
# (lib/zemharbour/bin/zemharbour, bin/help/, bin/TipOfTheDay.txt), the command on the path as a link, and the
# desktop entry and icon where desktops look for them. The root of a system-wide install is not writable by a
# normal user; the program then keeps its database, traces and settings in the user's own folders.
set(ZEM_INSTALL_ROOT lib/zemharbour)
install(TARGETS zemharbour RUNTIME DESTINATION ${ZEM_INSTALL_ROOT}/bin)
install(FILES ${CMAKE_SOURCE_DIR}/resources/TipOfTheDay.txt DESTINATION ${ZEM_INSTALL_ROOT}/bin)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/help/ DESTINATION ${ZEM_INSTALL_ROOT}/bin/help)
get_property(ZEM_QM_FILES GLOBAL PROPERTY ZEM_QM_FILES)
install(FILES ${ZEM_QM_FILES} DESTINATION ${ZEM_INSTALL_ROOT}/translations)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/zemharbour.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/logo.svg DESTINATION share/icons/hicolor/scalable/apps
        RENAME zemharbour.svg)
install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/logo.png DESTINATION share/icons/hicolor/96x96/apps
        RENAME zemharbour.png)
# A relative link, so the layout holds wherever the tree is unpacked.
install(CODE "
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
    file(CREATE_LINK ../${ZEM_INSTALL_ROOT}/bin/zemharbour \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/zemharbour\"
         SYMBOLIC)")

# cpack -G DEB: the library dependencies come from dpkg-shlibdeps; the SQLite driver, the window-system plugins
# and Qt's own translations (the standard buttons and dialogs) are loaded at run time, so they are named by hand.
set(CPACK_PACKAGE_NAME zemharbour)
set(CPACK_PACKAGE_VENDOR "Zem Software")
set(CPACK_PACKAGE_CONTACT "Zem Software <support@zem-harbour.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Booking manager for marinas, harbours and caravan parks")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins, qt6-translations-l10n")
# A desk that shares a PostgreSQL database needs Qt's driver for it, and the server's tools for backup and restore.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6sql6-psql, postgresql-client")
include(CPack)
