#pragma once

#include <cstddef>
#include <cstdint>

// The fuzz targets. Each fuzzer executable exports one of them as LLVMFuzzerTestOneInput
// (FuzzEntry.cpp, built with clang on request); the replay program runs every one of them
// over every input of the corpus in every build.
namespace korval::fuzz {

using Target = int (*)(const std::uint8_t* data, std::size_t size);

// The INI reader alone: parse, look up, change and write back, and read what was written.
int FuzzIniReader(const std::uint8_t* data, std::size_t size);
// Any bytes opened as the program opens a file (by the kind written in it), reported,
// exported and saved.
int FuzzOpenFile(const std::uint8_t* data, std::size_t size);
// Any bytes opened as the program opens a file, then simulated: no distribution setting
// may throw or hang.
int FuzzSimulation(const std::uint8_t* data, std::size_t size);
// Any bytes loaded by one kind's loader, whatever kind the file says it is, and exported.
int FuzzCocomoLoader(const std::uint8_t* data, std::size_t size);
int FuzzFunctionPointLoader(const std::uint8_t* data, std::size_t size);
int FuzzRayleighLoader(const std::uint8_t* data, std::size_t size);
int FuzzProjectLoader(const std::uint8_t* data, std::size_t size);
int FuzzSystemLoader(const std::uint8_t* data, std::size_t size);

struct NamedTarget {
    const char* name;
    Target target;
};
inline constexpr NamedTarget kTargets[] = {
    {"ini", FuzzIniReader},           {"open", FuzzOpenFile},
    {"cocomo", FuzzCocomoLoader},     {"functionpoint", FuzzFunctionPointLoader},
    {"rayleigh", FuzzRayleighLoader}, {"project", FuzzProjectLoader},
    {"system", FuzzSystemLoader},     {"simulation", FuzzSimulation},
};

}  // namespace korval::fuzz
