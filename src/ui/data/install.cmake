# Desktop integration on Linux, put in place by `cmake --install`: the menu
# entry, the .ehe file type (by extension and by the file's first bytes)
# and the icon. The program itself never registers anything at run time.
include(GNUInstallDirs)
set(VELDOR_DATA ${CMAKE_CURRENT_LIST_DIR})
set(VELDOR_HICOLOR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

if(TARGET veldor)
  install(TARGETS veldor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${VELDOR_DATA}/veldor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VELDOR_DATA}/veldor-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME veldor.xml)
install(FILES ${VELDOR_DATA}/icons/veldor.svg DESTINATION ${VELDOR_HICOLOR}/scalable/apps)
foreach(size 48 256)
  install(FILES ${VELDOR_DATA}/icons/veldor-${size}.png
          DESTINATION ${VELDOR_HICOLOR}/${size}x${size}/apps RENAME veldor.png)
  install(FILES ${VELDOR_DATA}/icons/veldor-${size}.png
          DESTINATION ${VELDOR_HICOLOR}/${size}x${size}/mimetypes
          RENAME application-x-veldor-project.png)
endforeach()
