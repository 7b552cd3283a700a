# The console front end's parts but its entry, a library so tests/cli reach
# them; `platform` is the folder of its serial port (posix or win32).
function(varnolux_cli_library platform)
  file(GLOB_RECURSE cli_parts CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/cli/*.cpp)
  if(platform STREQUAL "posix")
    list(FILTER cli_parts EXCLUDE REGEX "/win32/")
  else()
    list(FILTER cli_parts EXCLUDE REGEX "/posix/")
  endif()
  list(FILTER cli_parts EXCLUDE REGEX "/src/cli/main\\.cpp$")
  add_library(varnolux_cli STATIC ${cli_parts})
  target_link_libraries(varnolux_cli PUBLIC varnolux_app varnolux_dap varnolux_script)
endfunction()
