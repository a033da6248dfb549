# The Windows side of TarvelPelcon.dll, included by this folder's CMakeLists.txt when WIN32: the
# four exports by module definition file, the type library compiled from the IDL by widl and
# embedded with the version resource, and the registration of that type library.

# widl finds the IDL files of the platform in Wine's development headers (Debian's libwine-dev).
find_program(PELCON_WIDL NAMES ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32-widl widl REQUIRED)
set(PELCON_IDL_INCLUDE /usr/include/wine/wine/windows CACHE PATH "Where unknwn.idl lives")
set(PELCON_STDOLE_DIRS /usr/lib/x86_64-linux-gnu/wine/x86_64-windows /usr/lib/wine/x86_64-windows
    CACHE STRING "Where stdole2.tlb lives")
set(pelcon_tlb ${CMAKE_CURRENT_BINARY_DIR}/TarvelPelcon.tlb)
set(pelcon_stdole_options)
foreach(dir ${PELCON_STDOLE_DIRS})
  list(APPEND pelcon_stdole_options -L ${dir})
endforeach()
add_custom_command(OUTPUT ${pelcon_tlb}
  COMMAND ${PELCON_WIDL} -t -o ${pelcon_tlb} -I ${PELCON_IDL_INCLUDE} ${pelcon_stdole_options}
          ${CMAKE_CURRENT_SOURCE_DIR}/tarvel_pelcon.idl
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tarvel_pelcon.idl
  COMMENT "Compiling the type library")
# The resource compiler finds the type library along its include path. It reports none of the
# files it includes, so they are named here: a changed dialog template must rebuild the library.
file(GLOB pelcon_resource_inputs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/ui/win32/*.bmp)
list(APPEND pelcon_resource_inputs
  ${pelcon_tlb}
  ${PROJECT_SOURCE_DIR}/ui/win32/dialogs.rc
  ${PROJECT_SOURCE_DIR}/ui/win32/resource_ids.h
  ${PROJECT_SOURCE_DIR}/ui/win32/pelcon.ico
  ${PROJECT_SOURCE_DIR}/platform/win32/version_resource.rc)
set_source_files_properties(tarvel_pelcon.rc PROPERTIES
  OBJECT_DEPENDS "${pelcon_resource_inputs}"
  INCLUDE_DIRECTORIES ${CMAKE_CURRENT_BINARY_DIR})

target_sources(TarvelPelcon PRIVATE
  tarvel_pelcon.rc tarvel_pelcon.def type_library_registration_win32.cpp)
# The resource compiler sees these too, for the version resource.
target_compile_definitions(TarvelPelcon PRIVATE
  PELCON_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
  PELCON_VERSION_MINOR=${PROJECT_VERSION_MINOR}
  PELCON_VERSION_PATCH=${PROJECT_VERSION_PATCH}
  PELCON_VERSION_TWEAK=${PROJECT_VERSION_TWEAK})
target_link_libraries(TarvelPelcon PRIVATE ole32 oleaut32 uuid)
set_target_properties(TarvelPelcon PROPERTIES
  PREFIX ""
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  # The module definition file names the standard-call entry points without their decoration.
  target_link_options(TarvelPelcon PRIVATE -Wl,--enable-stdcall-fixup)
endif()
