# Each core folder is one static library made of the .cpp files it holds, so adding a source file
# needs no edit here. A folder that has no sources yet is an interface target. RECURSIVE also
# takes the sources of its subfolders, so that a new subfolder needs no edit either.
function(pelcon_folder_library name folder)
  cmake_parse_arguments(ARG "RECURSIVE" "" "DEPENDS;EXTRA_SOURCES" ${ARGN})
  if(ARG_RECURSIVE)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
  else()
    file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
  endif()
  list(APPEND sources ${ARG_EXTRA_SOURCES})
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPENDS})
  endif()
endfunction()

# One GoogleTest program per test folder: tests/<area>/*.cpp becomes <area>_tests with the label.
function(pelcon_test_folder area label)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${area}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${area}_tests ${sources})
  target_link_libraries(${area}_tests PRIVATE ${ARG_DEPENDS} GTest::gtest_main)
  # Where the tests find their data files; __FILE__ is no help when ccache makes paths relative.
  target_compile_definitions(${area}_tests PRIVATE PELCON_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${area}_tests
    PROPERTIES LABELS ${label}
    ENVIRONMENT "PELCON_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
    DISCOVERY_TIMEOUT 60)
endfunction()
