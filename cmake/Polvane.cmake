# Helpers shared by the folders' CMakeLists.
#
# Sources are picked up by glob so that adding a class is adding its .h/.cpp(/.ui) pair.

# polvane_library(<name> [LINKS <targets>...])
# A static library from every .cpp/.h/.ui in the calling folder.
function(polvane_library name)
  cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.ui)
  if(NOT sources)
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  polvane_autogen_follows_sources(${name} "${sources}")
endfunction()

# A globbed header added to an existing build tree must reach moc. With Ninja the autogen
# step only re-runs when a header it already knows changes, so when the source list changes
# at configure time its timestamp is removed and moc looks at every file again.
function(polvane_autogen_follows_sources target sources)
  set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_sources.txt)
  set(old "")
  if(EXISTS ${list_file})
    file(READ ${list_file} old)
  endif()
  if(NOT old STREQUAL "${sources}")
    file(WRITE ${list_file} "${sources}")
    file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp)
  endif()
endfunction()

# polvane_tests(LINKS <targets>... [ON_SCREEN <tests>...])
# One QtTest executable per tst_*.cpp in the calling folder, registered with CTest.
# Extra sources a test needs besides its own file go in tst_<name>_*.cpp/.h next to it.
# The ON_SCREEN tests are built but registered by the caller (polvane_screen_test).
function(polvane_tests)
  cmake_parse_arguments(ARG "" "" "LINKS;ON_SCREEN" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
  foreach(test_source ${tests})
    get_filename_component(test_name ${test_source} NAME_WE)
    if(test_name MATCHES "^tst_[a-z0-9]+_")
      continue()
    endif()
    file(GLOB extra CONFIGURE_DEPENDS
         ${CMAKE_CURRENT_SOURCE_DIR}/${test_name}_*.cpp
         ${CMAKE_CURRENT_SOURCE_DIR}/${test_name}_*.h)
    add_executable(${test_name} ${test_source} ${extra})
    target_link_libraries(${test_name} PRIVATE testsupport Qt5::Test ${ARG_LINKS})
    polvane_autogen_follows_sources(${test_name} "${test_source};${extra}")
    if(test_name IN_LIST ARG_ON_SCREEN)
      continue()
    endif()
    add_test(NAME ${test_name} COMMAND ${test_name})
    set_tests_properties(${test_name} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
      FAIL_REGULAR_EXPRESSION "QObject::connect:"
      TIMEOUT 300)
  endforeach()
endfunction()

# polvane_screen_test(<test> <width>x<height> [<environment>...])
# Registers <test> as <test>_<width>x<height>, run on a virtual X screen of that size:
# the offscreen platform has one screen of 800x600 and no other. Without a session bus
# and without OpenGL, Qt loads nothing that keeps memory past the end of the program.
function(polvane_screen_test test size)
  polvane_screen_test_named(${test}_${size} ${test} ${size} ${ARGN})
endfunction()

# polvane_screen_test_named(<name> <test> <width>x<height> [<environment>...])
# The same, registered as <name>: one program run again under another environment.
function(polvane_screen_test_named name test size)
  add_test(NAME ${name}
           COMMAND sh ${PROJECT_SOURCE_DIR}/tests/support/onscreen.sh ${size} $<TARGET_FILE:${test}>)
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=xcb;DBUS_SESSION_BUS_ADDRESS=disabled:;QT_XCB_GL_INTEGRATION=none;${ARGN}"
    FAIL_REGULAR_EXPRESSION "QObject::connect:"
    TIMEOUT 300)
endfunction()
