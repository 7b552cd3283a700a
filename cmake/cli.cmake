# The console front end's parts but its entry, a library so tests/cli reach
# them; `platform` is the folder of its serial port (posix or win32).
function(varnolux_cli_library platform)
  file(GLOB cli_parts CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/cli/*.cpp
    ${PROJECT_SOURCE_DIR}/src/cli/${platform}/*.cpp)
  list(FILTER cli_parts EXCLUDE REGEX "/main\\.cpp$")
  add_library(varnolux_cli STATIC ${cli_parts})
  target_link_libraries(varnolux_cli PUBLIC varnolux_app varnolux_dap varnolux_script)
endfunction()
