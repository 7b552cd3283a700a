#pragma once
// The program's version, given once by the build (the project version in
// CMakeLists.txt): the titles, the About window, the console tools' --version
// and the release zips' names all show this one text.
#ifndef VARNOLUX_VERSION
#error "VARNOLUX_VERSION is defined by the build"
#endif

namespace varnolux {

constexpr const char* kVersionText = VARNOLUX_VERSION;

}  // namespace varnolux
