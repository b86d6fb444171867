# The Debian package (scripts/package): the two programs, the desktop files
# installed by src/app, and what a Debian package carries besides: manual
# pages, AppStream data with a screenshot, the demo track, the copyright
# file and the changelog, compressed as Debian wants them.

include(GNUInstallDirs)
set(TD_PACKAGE_NAME tarvel-track-designer)
set(TD_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(TD_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${TD_PACKAGE_NAME})
set(TD_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/${TD_PACKAGE_NAME})
set(TD_PACKAGE_OUT ${CMAKE_BINARY_DIR}/package-files)
find_program(TD_GZIP gzip REQUIRED)

# gzip -n: no name or time stamp inside, so that two builds give the same bytes.
set(TD_PACKAGE_GENERATED)
foreach(page tarvel-td trktool)
  configure_file(${TD_PACKAGING_DIR}/man/${page}.1 ${TD_PACKAGE_OUT}/${page}.1 @ONLY)
  add_custom_command(OUTPUT ${TD_PACKAGE_OUT}/${page}.1.gz
    COMMAND ${TD_GZIP} -9nf -k ${TD_PACKAGE_OUT}/${page}.1
    DEPENDS ${TD_PACKAGE_OUT}/${page}.1 VERBATIM)
  list(APPEND TD_PACKAGE_GENERATED ${TD_PACKAGE_OUT}/${page}.1.gz)
  install(FILES ${TD_PACKAGE_OUT}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
configure_file(${TD_PACKAGING_DIR}/changelog ${TD_PACKAGE_OUT}/changelog COPYONLY)
add_custom_command(OUTPUT ${TD_PACKAGE_OUT}/changelog.gz
  COMMAND ${TD_GZIP} -9nf -k ${TD_PACKAGE_OUT}/changelog
  DEPENDS ${TD_PACKAGE_OUT}/changelog VERBATIM)
# The screenshot of the AppStream data: the demo track as trktool draws it.
add_custom_command(OUTPUT ${TD_PACKAGE_OUT}/demo.png
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:trktool> render
          ${PROJECT_SOURCE_DIR}/tracks/demo.trk ${TD_PACKAGE_OUT}/demo.png --size 1280x800
  DEPENDS trktool ${PROJECT_SOURCE_DIR}/tracks/demo.trk VERBATIM)
list(APPEND TD_PACKAGE_GENERATED ${TD_PACKAGE_OUT}/changelog.gz ${TD_PACKAGE_OUT}/demo.png)
add_custom_target(td_package_files ALL DEPENDS ${TD_PACKAGE_GENERATED})

install(FILES ${TD_PACKAGE_OUT}/changelog.gz ${TD_PACKAGING_DIR}/copyright DESTINATION ${TD_DOC_DIR})
install(FILES ${TD_PACKAGING_DIR}/org.tarvel.TrackDesigner.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/tracks/demo.trk DESTINATION ${TD_SHARE_DIR}/tracks)
install(FILES ${TD_PACKAGE_OUT}/demo.png DESTINATION ${TD_SHARE_DIR}/screenshots)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${TD_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tarvel")
set(CPACK_PACKAGE_CONTACT "Tarvel Track Designer developers <td@tarvel.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "race track editor for the Tarvel board game")
set(CPACK_PACKAGE_DESCRIPTION
    "Tarvel Track Designer draws and edits the tracks of a turn-based motor-racing\n"
    "board game: lanes of spaces, corners with their stop rules, the pit lane,\n"
    "the starting grid and the scenery around the circuit.\n"
    "\n"
    "The package holds the editor (tarvel-td) and trktool, which checks,\n"
    "completes and renders track files from the command line.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tarvel.org/track-designer/")
# The Qt libraries come from dpkg-shlibdeps; the platform plugin that opens
# a window is loaded at run time, so it is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
