// What a program of ours takes from the system it runs on: its arguments as UTF-8, standard
// streams that carry bytes as they are, and its own file (ProcessPosix.cpp, ProcessWindows.cpp).
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace veltrane {

// The arguments after the program's name, as UTF-8 (on Windows from the UTF-16 command line:
// argv there is in the ANSI code page, where "метанол" arrives as "???????").
std::vector<std::string> ProgramArguments(int argc, char** argv);

// Standard input and output as bytes: a line ends in LF on every system, and what is written
// is what the Linux program writes, byte for byte.
void UseBinaryStandardStreams();

// The program's own file; empty when the system does not say.
std::filesystem::path OwnProgramFile();

// The next byte of a stream that only this thread reads, without locking it for every byte;
// EOF at its end.
int NextStreamByte(std::FILE* stream);

}  // namespace veltrane
