#pragma once
// A column of a form's report list: its header and its width as created, at 100 %.
#include <cstdint>

namespace varnolux {

struct FormColumn {
    const char* header;
    int32_t createdWidth;
};

}  // namespace varnolux
