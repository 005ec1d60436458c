# Every test is added by exisosi_test, which gives it its labels and its environment.
#
# exisosi_test(NAME [SOURCES source... [LIBS library...]] [COMMAND command [argument...]]
#              [LABELS label...] [GUI] [DISPLAY] [SCREEN WxH] [WINDOW_MANAGER name]
#              [ENVIRONMENT VAR=value...] [TIMEOUT seconds] [PROPERTIES property value...])
#
# SOURCES   builds the QtTest program NAME from the sources, linked with LIBS.
# COMMAND   what the test runs, with its arguments: the program NAME by default. A program of the
#           build (tst_hidpi) may be named by its target.
# LABELS    gui with GUI, unit without, unless given. The test presets and scripts choose tests by
#           label (`ctest --print-labels` lists them):
#             unit     no platform at all (input, model)
#             gui      widgets on Qt's offscreen platform
#             e2e      the real program in an X server of its own
#             package  what `cmake --install` and the Debian package put in place
#             system   changes the machine (installs and removes the Debian package): run only when
#                      asked, with `ctest --preset system` (scripts/test.sh does so under CI and as
#                      root); with `release` as well, only by `ctest --preset release-check`
#             fuzz     the libFuzzer targets of tests/fuzz (sanitize preset only)
#             wine     added to every test of a build for Windows, which runs under Wine
#             web      the browser build (scripts/web.sh) in headless chromium, with system and
#                      release: `ctest --preset release-check -R web_browser`
# GUI       Qt's offscreen platform (QT_QPA_PLATFORM=offscreen; minimal on Windows, below).
# DISPLAY   runs the command on an X server of its own (scripts/with-display.sh), of SCREEN size
#           (1024x768 unless given) and with the WINDOW_MANAGER named; SCREEN or WINDOW_MANAGER
#           alone imply it.
# ENVIRONMENT, TIMEOUT and PROPERTIES go to the test as they are.
#
# Every test has a runtime folder of its own (XDG_RUNTIME_DIR), private as the toolkit wants it
# (mode 0700; it warns of another and takes a shared one): what goes there, such as the socket of
# an accessibility bus, never meets another test's or a desktop's.
# The platform of the GUI tests: Qt's offscreen one. A build for Windows, whose Qt draws its text
# with DirectWrite and has no FreeType, has no offscreen platform (it needs FreeType there): its
# tests take the minimal platform with the system's fonts, which under Wine are the host's.
if(CMAKE_CROSSCOMPILING AND WIN32)
  set(EXISOSI_TEST_PLATFORM "minimal:enable_fonts")
else()
  set(EXISOSI_TEST_PLATFORM offscreen)
endif()

function(exisosi_test name)
  cmake_parse_arguments(T "GUI;DISPLAY" "SCREEN;WINDOW_MANAGER;TIMEOUT"
    "SOURCES;LIBS;COMMAND;LABELS;ENVIRONMENT;PROPERTIES" ${ARGN})
  if(T_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "exisosi_test(${name}): unknown arguments ${T_UNPARSED_ARGUMENTS}")
  endif()
  if(T_SOURCES)
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::Test)
    if(CMAKE_CROSSCOMPILING AND WIN32)
      # A static Qt links the platforms a program names: the tests' one as well.
      qt_import_plugins(${name} INCLUDE Qt6::QMinimalIntegrationPlugin)
    endif()
  endif()
  if(NOT T_COMMAND)
    set(T_COMMAND ${name})
  endif()
  if(NOT T_LABELS)
    if(T_GUI)
      set(T_LABELS gui)
    else()
      set(T_LABELS unit)
    endif()
  endif()
  if(CMAKE_CROSSCOMPILING AND WIN32)
    list(APPEND T_LABELS wine)
  endif()

  set(runtime ${CMAKE_BINARY_DIR}/xdg-runtime/${name})
  file(MAKE_DIRECTORY ${runtime})
  file(CHMOD ${runtime} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  set(environment XDG_RUNTIME_DIR=${runtime})
  if(T_GUI)
    list(APPEND environment QT_QPA_PLATFORM=${EXISOSI_TEST_PLATFORM})
  endif()
  list(APPEND environment ${T_ENVIRONMENT})

  if(T_DISPLAY OR T_SCREEN OR T_WINDOW_MANAGER)
    # The display helper runs the command: a program of the build is named by its file.
    list(GET T_COMMAND 0 program)
    if(TARGET ${program})
      list(POP_FRONT T_COMMAND)
      list(PREPEND T_COMMAND $<TARGET_FILE:${program}>)
    endif()
    set(display bash ${PROJECT_SOURCE_DIR}/scripts/with-display.sh)
    if(T_SCREEN)
      list(APPEND display --screen ${T_SCREEN})
    endif()
    if(T_WINDOW_MANAGER)
      list(APPEND display --window-manager ${T_WINDOW_MANAGER})
    endif()
    list(PREPEND T_COMMAND ${display} --)
  endif()

  if(T_TIMEOUT)
    list(APPEND T_PROPERTIES TIMEOUT ${T_TIMEOUT})
  endif()
  add_test(NAME ${name} COMMAND ${T_COMMAND})
  set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}" ENVIRONMENT "${environment}"
    ${T_PROPERTIES})
endfunction()
