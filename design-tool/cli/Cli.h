// The command-line designer: the input form's boxes as options, the same
// checks and calculation, the summary as text or the whole design as JSON.
#pragma once

#include <iosfwd>
#include <string>

namespace zentrik {

// Exit statuses of the command-line designer.
inline constexpr int kExitDesign = 0;      // a design (advisories or not), --help, --list-cores
inline constexpr int kExitRejected = 1;    // an input failed its check
inline constexpr int kExitStopped = 2;     // the area-product or no-core advisory stopped the run
inline constexpr int kExitUsage = 64;      // bad command line

// Runs the designer on `argc`/`argv` (argv[0] is the program name), writing
// to `out` (results, UTF-8) and `err` (usage errors); returns the exit status.
int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

// Windows-1252 text (the engine's) as UTF-8.
std::string Cp1252ToUtf8(const std::string& text);

}  // namespace zentrik
