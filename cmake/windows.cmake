# Windows build (mingw-w64): the desktop program, the console front end and
# the end-to-end UI probe.
enable_language(RC)
# The Pinout window draws its picture through the GDI+ flat interface.
target_link_libraries(varnolux_views PUBLIC gdiplus)
# A serial port over the network talks through Winsock.
target_link_libraries(varnolux_link PUBLIC ws2_32)
file(GLOB exe_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/app/win32/main/*.cpp)
if(exe_sources)
  configure_file(${PROJECT_SOURCE_DIR}/src/app/win32/version.rc.in
    ${PROJECT_BINARY_DIR}/generated/version.rc @ONLY)
  add_executable(Varnolux WIN32 ${exe_sources} ${PROJECT_SOURCE_DIR}/src/app/win32/varnolux.rc
    ${PROJECT_BINARY_DIR}/generated/version.rc)
  target_link_libraries(Varnolux PRIVATE varnolux_app comctl32 gdi32 user32 advapi32 shell32
    comdlg32 gdiplus)
  # Shipped as built: without symbols, as the console front end below.
  target_link_options(Varnolux PRIVATE -static -s)
endif()

# varnolux-cli.exe: the same console front end, with the Win32 serial port.
include(${PROJECT_SOURCE_DIR}/cmake/cli.cmake)
varnolux_cli_library(win32)
add_executable(varnolux-cli ${PROJECT_SOURCE_DIR}/src/cli/main.cpp)
target_link_libraries(varnolux-cli PRIVATE varnolux_cli)
target_link_options(varnolux-cli PRIVATE -static -s)

file(GLOB probe_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/e2e/uiprobe/*.cpp)
if(probe_sources)
  add_executable(uiprobe ${probe_sources})
  target_link_libraries(uiprobe PRIVATE comctl32 user32)
  target_link_options(uiprobe PRIVATE -static)
endif()
