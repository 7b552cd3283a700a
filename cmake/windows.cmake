# Windows build (mingw-w64): the desktop program and the end-to-end UI probe.
enable_language(RC)
# The Pinout window draws its picture through the GDI+ flat interface.
target_link_libraries(varnolux_views PUBLIC gdiplus)
file(GLOB exe_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/app/win32/main/*.cpp)
if(exe_sources)
  add_executable(Varnolux WIN32 ${exe_sources} ${PROJECT_SOURCE_DIR}/src/app/win32/varnolux.rc)
  target_link_libraries(Varnolux PRIVATE varnolux_app comctl32 gdi32 user32 advapi32 shell32
    comdlg32 gdiplus)
  target_link_options(Varnolux PRIVATE -static)
endif()

file(GLOB probe_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/e2e/uiprobe/*.cpp)
if(probe_sources)
  add_executable(uiprobe ${probe_sources})
  target_link_libraries(uiprobe PRIVATE comctl32 user32)
  target_link_options(uiprobe PRIVATE -static)
endif()
