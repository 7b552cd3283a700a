#include "app/command_line.h"

#include <gtest/gtest.h>

namespace varnolux {
namespace {

TEST(FirstArgument, TakesTheProjectBaseNameFromTheCommandLine) {
    const struct {
        const char* line;
        const char* first;
    } cases[] = {
        {"", ""},
        {"   ", ""},
        {"WEATHER", "WEATHER"},
        {"  WEATHER  extra", "WEATHER"},
        {"\tWEATHER\tx", "WEATHER"},
        {"\"My Project\" other", "My Project"},
        {"\"My Project", "My Project"},
        {"half\" quoted\" rest", "half quoted"},
        {"\"\"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(FirstArgument(c.line), c.first) << c.line;
}

}  // namespace
}  // namespace varnolux
