# Installs mediagen's icons (icons/satlink-SIZE.png) into the icon theme, where each size has its own
# folder and every icon is named after the game. Needs SATLINK_ICON_FOLDER and SATLINK_ICON_THEME.
file(GLOB icons "${SATLINK_ICON_FOLDER}/satlink-*.png")
if(NOT icons)
  message(FATAL_ERROR "no icons in ${SATLINK_ICON_FOLDER}: build the media first")
endif()
foreach(icon ${icons})
  string(REGEX REPLACE ".*satlink-([0-9]+)\\.png$" "\\1" size "${icon}")
  file(INSTALL "${icon}" DESTINATION "${CMAKE_INSTALL_PREFIX}/${SATLINK_ICON_THEME}/${size}x${size}/apps"
    RENAME satlink.png)
endforeach()
