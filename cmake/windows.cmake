# Windows (mingw-w64): Kelvane.exe and the programs the Wine tests use.
enable_language(RC)
add_compile_definitions(_WIN32_WINNT=0x0501 WINVER=0x0501)
# One standalone file: no mingw runtime DLL beside it.
add_link_options(-static -static-libgcc -static-libstdc++)

file(GLOB WIN32_LAYER_SOURCES CONFIGURE_DEPENDS platform/win32/*.cpp)
add_library(kelvane_win32 STATIC ${WIN32_LAYER_SOURCES})
target_link_libraries(kelvane_win32 PUBLIC kelvane_core)
target_link_libraries(kelvane_win32 PUBLIC comctl32 shell32 advapi32 gdi32 user32 kernel32)

add_executable(Kelvane WIN32 platform/win32/main/WinMain.cpp res/Kelvane.rc)
# Link the core as a whole: the application object is found by its constructor.
target_link_libraries(Kelvane PRIVATE -Wl,--whole-archive kelvane_core -Wl,--no-whole-archive kelvane_win32)
set_target_properties(Kelvane PROPERTIES OUTPUT_NAME Kelvane)
# The script names its icons and manifest relative to the source root; the
# resource compiler searches its include directories for them.
target_include_directories(Kelvane PRIVATE ${CMAKE_SOURCE_DIR})
file(GLOB KELVANE_RC_INPUTS CONFIGURE_DEPENDS res/icons/*.ico res/*.manifest)
set_source_files_properties(res/Kelvane.rc PROPERTIES
  OBJECT_DEPENDS "${KELVANE_RC_INPUTS};${CMAKE_SOURCE_DIR}/res/resource.h")

if(EXISTS ${CMAKE_SOURCE_DIR}/tools/CMakeLists.txt)
  add_subdirectory(tools)
endif()
