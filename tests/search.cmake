# The GUI tests link the dialog templates: rebuild their resources when an
# included template changes (source properties are per directory, so the
# top-level list does not reach this one).
set_source_files_properties(${RESOURCES} PROPERTIES
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/res/settings.rc;${CMAKE_SOURCE_DIR}/res/search.rc;${CMAKE_SOURCE_DIR}/res/help.rc;${CMAKE_SOURCE_DIR}/res/EditWindow.ico;${CMAKE_SOURCE_DIR}/src/shell/ids.h")
