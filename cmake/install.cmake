# What `cmake --install` puts where: the two programs, the desktop entry, the icons, the AppStream
# metainfo, the manual pages and the package's documentation files.
set(VRK_APP_ID org.vrk.vrk)
set(VRK_DATA_DIR ${PROJECT_SOURCE_DIR}/data)

install(TARGETS vrk vrk-batch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${VRK_DATA_DIR}/${VRK_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${VRK_DATA_DIR}/${VRK_APP_ID}.metainfo.xml.in
  ${PROJECT_BINARY_DIR}/data/${VRK_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/data/${VRK_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(FILES ${VRK_DATA_DIR}/icons/vrk.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${VRK_APP_ID}.svg)
foreach(size 16 32 48 64 128 256)
  install(FILES ${VRK_DATA_DIR}/icons/vrk-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${VRK_APP_ID}.png)
endforeach()

# Manual pages, compressed as Debian installs them (gzip -n: no name or time stamp inside).
configure_file(${VRK_DATA_DIR}/vrk.1.in ${PROJECT_BINARY_DIR}/man/vrk.1 @ONLY)
find_program(VRK_GZIP gzip REQUIRED)
set(VRK_MANPAGES_GZ)
foreach(page vrk vrk-batch)
  set(source ${PROJECT_BINARY_DIR}/man/${page}.1)
  add_custom_command(
    OUTPUT ${source}.gz
    COMMAND ${VRK_GZIP} -9 -n -c ${source} > ${source}.gz
    DEPENDS ${source}
    VERBATIM)
  list(APPEND VRK_MANPAGES_GZ ${source}.gz)
endforeach()
add_custom_target(vrk-manpages ALL DEPENDS ${VRK_MANPAGES_GZ})
install(FILES ${VRK_MANPAGES_GZ} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The package's copyright and changelog, where Debian keeps them.
set(VRK_CHANGELOG ${PROJECT_BINARY_DIR}/data/changelog)
configure_file(${VRK_DATA_DIR}/changelog.in ${VRK_CHANGELOG} @ONLY)
add_custom_command(
  OUTPUT ${VRK_CHANGELOG}.gz
  COMMAND ${VRK_GZIP} -9 -n -c ${VRK_CHANGELOG} > ${VRK_CHANGELOG}.gz
  DEPENDS ${VRK_CHANGELOG}
  VERBATIM)
add_custom_target(vrk-changelog ALL DEPENDS ${VRK_CHANGELOG}.gz)
install(FILES ${VRK_DATA_DIR}/copyright ${VRK_CHANGELOG}.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
