#pragma once
#include <cstdint>

namespace varnolux {

// 100 ns units since 1601-01-01 UTC, as Windows file times.
using FileTime = uint64_t;

}  // namespace varnolux
