# Installation layout and the Debian package (cpack -G DEB).
include(GNUInstallDirs)

if(TARGET corvane-script)
    install(TARGETS corvane-script RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(TARGET corvane-scripter)
    install(TARGETS corvane-scripter RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES packaging/corvane-scripter.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES packaging/corvane-scripter.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
if(EXISTS ${PROJECT_SOURCE_DIR}/examples)
    install(DIRECTORY examples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/corvane-scripter/examples
            FILES_MATCHING PATTERN "*.txt")
endif()
# Our license and the notice for the libraries the Windows downloads carry; Debian looks for
# "copyright" in the package's documentation folder.
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/corvane-scripter RENAME copyright)
install(FILES THIRD-PARTY-NOTICES.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/corvane-scripter)

set(CPACK_PACKAGE_NAME "corvane-scripter")
set(CPACK_PACKAGE_VENDOR "Corvane")
set(CPACK_PACKAGE_CONTACT "Corvane Scripter Tools developers <dev@corvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor and compiler for Populous: The Beginning AI scripts")
set(CPACK_PACKAGE_DESCRIPTION
    "Corvane Scripter Tools lets authors write the computer-player scripts of Populous: The Beginning as text, check them against the grammar, compile them to the game's file and turn compiled files back into text. It also edits level markers, AI script numbers, alliances and language files.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "devel")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
