#include "cli/console/binary_stdio.h"

namespace varnolux::cli {

void UseBinaryStdio() {}

}  // namespace varnolux::cli
