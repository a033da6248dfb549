# Pelcon.exe, the windowless launcher of the Windows build, included by this folder's
# CMakeLists.txt when WIN32.
add_executable(Pelcon WIN32 windows_main.cpp)
target_link_libraries(Pelcon PRIVATE pelcon_launcher_cli pelcon_platform ole32 oleaut32 uuid)
set_target_properties(Pelcon PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
