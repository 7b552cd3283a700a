// uiprobe COMMAND ARGS...: see the usage text in commands.cpp.
#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "probe.h"

int main(int argc, char** argv) {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    // Plain "\n" line ends, so the shell scripts compare texts as written.
    _setmode(_fileno(stdout), _O_BINARY);
    const int code = uiprobe::Run(std::vector<std::string>(argv + 1, argv + argc));
    std::fflush(stdout);
    return code;
}
