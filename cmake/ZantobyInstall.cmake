# The installed layout, by the file-system standard: both programs in bin/, their shared files
# in share/zantoby/ (found by the programs from their own folder), and the program's place on the
# desktop. `make package` packs the same files into a Debian package.
set(data ${ZANTOBY_DATA_DIR})
install(TARGETS zantoby tutorial RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Only the program's own files: the samples and templates as the build made them, the Web base
# files from the sources; nothing that a run of the program left in the build folder.
install(DIRECTORY ${ZANTOBY_SHIPPED_FOLDER}/Sample ${ZANTOBY_SHIPPED_FOLDER}/Template DESTINATION ${data})
file(GLOB web_base_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/web/*.htm)
install(FILES ${web_base_files} DESTINATION ${data}/Web)
install(FILES ${CMAKE_BINARY_DIR}/tutorial/Tutorial.chm DESTINATION ${data})
# A list's head names the place it was written at: the installed lists name where they are.
install(CODE "set(ZANTOBY_SHIPPED_LISTS \"${data}/Sample/sample.zbk;${data}/Template/goods.zbk\")")
install(SCRIPT ${CMAKE_SOURCE_DIR}/cmake/NameInstalledLists.cmake)

# The manual pages, the changelog and the copyright file, where Debian keeps them.
set(package_docs ${CMAKE_BINARY_DIR}/res/package)
install(FILES ${package_docs}/zantoby.1.gz ${package_docs}/zantoby-tutorial.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/res/package/copyright ${package_docs}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zantoby)

set(desktop ${CMAKE_SOURCE_DIR}/res/desktop)
install(FILES ${desktop}/${ZANTOBY_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop}/${ZANTOBY_APP_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${desktop}/${ZANTOBY_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${CMAKE_BINARY_DIR}/res/desktop/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# The package's dependencies are read from the programs' libraries (dpkg-shlibdeps), with the
# Japanese fonts the lists' faces map to. The desktop's file type, menu and icon caches are
# refreshed by the file triggers of shared-mime-info, desktop-file-utils and the icon theme.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zantoby)
set(CPACK_PACKAGE_VENDOR Zantoby)
set(CPACK_PACKAGE_CONTACT "Zantoby <support@zantoby.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Records products and their photos in lists")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The description's lines as the package shows them, none longer than 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "Zantoby is a Japanese desktop program that records products and their
photos in lists of typed columns, prints them, publishes them as Web pages
and exchanges them as CSV. List files are Shift_JIS text.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.zantoby.example/)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-ipafont-mincho")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "wx3.2-i18n, shared-mime-info, desktop-file-utils, hicolor-icon-theme")
include(CPack)
