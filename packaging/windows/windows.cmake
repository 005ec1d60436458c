# The Windows program's resources: its icon and its version (exisosi.rc.in, filled in from
# project()). scripts/windows.sh makes the installer (exisosi.nsi) and the portable zip from the
# program it builds.

enable_language(RC)
set(EXISOSI_WINDOWS_ICON ${CMAKE_CURRENT_LIST_DIR}/exisosi.ico CACHE FILEPATH
  "The Windows program's icon (made by scripts/update-icons.sh)")

function(exisosi_windows_program target)
  # A static Qt links its default plugins into the program: it needs the windows platform alone
  # (it draws with the Fusion style and reads no picture files).
  qt_import_plugins(${target} EXCLUDE_BY_TYPE imageformats styles)
  set(rc ${PROJECT_BINARY_DIR}/exisosi.rc)
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/exisosi.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  # The icon is read as the resources compile, so a new icon rebuilds them.
  set_property(SOURCE ${rc} TARGET_DIRECTORY ${target} APPEND PROPERTY OBJECT_DEPENDS
    ${EXISOSI_WINDOWS_ICON})
endfunction()
