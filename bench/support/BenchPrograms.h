#pragma once

#include <string>

namespace korval::bench {

// The programs the benchmarks start, from the same build; empty when the build has none
// (the desktop and the bare window need the desktop build).
std::string CliProgram();
std::string DesktopProgram();
std::string HelloWorldProgram();
std::string BareWindowProgram();
// A small model file shipped with the program.
std::string SmallModelFile();
// A file in the benchmark's own scratch folder.
std::string ScratchFile(const std::string& name);

}  // namespace korval::bench
