# The Windows program's resources and its installer, for a build with a Windows toolchain
# (MinGW-w64 or MSVC). The top-level CMakeLists.txt includes this once the program's target is
# defined:
#   if(WIN32)
#     include(packaging/windows/windows.cmake)
#     exisosi_windows_program(exisosi)
#   endif()
# The program then carries its icon and its version (exisosi.rc.in, filled in from project()),
# and, where makensis is found, `cmake --build BUILD --target installer` makes
# BUILD/exisosi-VERSION-setup.exe from exisosi.nsi. Like installing and packaging, the installer
# takes the program as it stands and builds nothing first: build, then make the installer.

enable_language(RC)
set(EXISOSI_WINDOWS_ICON ${CMAKE_CURRENT_LIST_DIR}/exisosi.ico CACHE FILEPATH
  "The Windows program's icon (made by scripts/update-icons.sh)")
find_program(EXISOSI_MAKENSIS makensis)

function(exisosi_windows_program target)
  set(rc ${PROJECT_BINARY_DIR}/exisosi.rc)
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/exisosi.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  # The icon is read as the resources compile, so a new icon rebuilds them.
  set_property(SOURCE ${rc} TARGET_DIRECTORY ${target} APPEND PROPERTY OBJECT_DEPENDS
    ${EXISOSI_WINDOWS_ICON})
  if(EXISOSI_MAKENSIS)
    add_custom_target(installer
      COMMAND ${EXISOSI_MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION}
        -DEXE=$<TARGET_FILE:${target}> -DICON=${EXISOSI_WINDOWS_ICON}
        -DOUTFILE=${PROJECT_BINARY_DIR}/exisosi-${PROJECT_VERSION}-setup.exe
        ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/exisosi.nsi
      COMMENT "Making exisosi-${PROJECT_VERSION}-setup.exe"
      VERBATIM)
  endif()
endfunction()
