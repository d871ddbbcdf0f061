# The report definitions live in the program folder: copy them next to the executable,
# which is the program folder when RECEPCION_PROGRAM_DIR is not set.
file(GLOB REPORT_FILES CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}/reports ${CMAKE_SOURCE_DIR}/reports/*.json)
foreach(report IN LISTS REPORT_FILES)
  configure_file(${CMAKE_SOURCE_DIR}/reports/${report} ${CMAKE_BINARY_DIR}/app/${report} COPYONLY)
endforeach()
