# The skins live beside the program under Styles/: copy them next to the executable,
# which is the program folder when RECEPCION_PROGRAM_DIR is not set.
file(GLOB_RECURSE SKIN_FILES CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}/styles ${CMAKE_SOURCE_DIR}/styles/*.qss)
foreach(skin IN LISTS SKIN_FILES)
  configure_file(${CMAKE_SOURCE_DIR}/styles/${skin} ${CMAKE_BINARY_DIR}/app/Styles/${skin} COPYONLY)
endforeach()
