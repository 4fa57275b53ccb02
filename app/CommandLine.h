#pragma once

#include <optional>

// `kolvira --help` and `kolvira --version`, answered in Albanian in the
// terminal without opening a window or needing a display.
namespace CommandLine {

// The exit status when the arguments ask for help or the version (or hold
// an option the program does not know beside such a request); nothing when
// the program is to start as usual.
std::optional<int> answer(int argc, char *argv[]);

} // namespace CommandLine
