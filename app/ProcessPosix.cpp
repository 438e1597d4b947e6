// The process as a POSIX system gives it: arguments already UTF-8, no text mode.
#include <stdio.h>

#include "app/Process.h"

namespace veltrane {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void UseBinaryStandardStreams() {}

std::filesystem::path OwnProgramFile() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error);
}

int NextStreamByte(std::FILE* stream) {
    return getc_unlocked(stream);
}

}  // namespace veltrane
