# Pelcon.exe, the windowless launcher of the Windows build, included by this folder's
# CMakeLists.txt when WIN32, with its icon, version and manifest as resources.
configure_file(pelcon.manifest.in ${CMAKE_CURRENT_BINARY_DIR}/Pelcon.manifest @ONLY)
set_source_files_properties(pelcon.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_CURRENT_BINARY_DIR}/Pelcon.manifest;${PROJECT_SOURCE_DIR}/ui/win32/pelcon.ico"
  INCLUDE_DIRECTORIES ${CMAKE_CURRENT_BINARY_DIR})
add_executable(Pelcon WIN32 windows_main.cpp pelcon.rc)
target_link_libraries(Pelcon PRIVATE pelcon_launcher_cli pelcon_platform ole32 oleaut32 uuid)
# The resource compiler sees these too, for the version resource.
target_compile_definitions(Pelcon PRIVATE
  PELCON_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
  PELCON_VERSION_MINOR=${PROJECT_VERSION_MINOR}
  PELCON_VERSION_PATCH=${PROJECT_VERSION_PATCH}
  PELCON_VERSION_TWEAK=${PROJECT_VERSION_TWEAK})
set_target_properties(Pelcon PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
