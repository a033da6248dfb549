# The Win32 dialogs of TarvelPelcon.dll, included by ui/CMakeLists.txt when WIN32: a library of
# the dialog code, and the dialog templates and images as a resource script that the component
# library's resources include.
file(GLOB pelcon_win32_dialog_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_library(pelcon_ui_win32 STATIC ${pelcon_win32_dialog_sources})
target_include_directories(pelcon_ui_win32 PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(pelcon_ui_win32 PUBLIC pelcon_ui_logic comctl32 comdlg32 user32 gdi32 shell32)

# The test client that drives the dialogs under a display (the Windows stage runs it under Xvfb).
add_executable(pelcon_dialog_client ${CMAKE_CURRENT_LIST_DIR}/client/dialog_client.cpp)
# Like the launcher it reaches the component through its interface, loaded at run time.
target_link_libraries(pelcon_dialog_client PRIVATE pelcon_component pelcon_platform user32 gdi32 ole32)
