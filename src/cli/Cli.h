#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace brenvik::cli {

enum ExitCode { Ok = 0, Failed = 1, BadArguments = 2 };

// Runs one command (the arguments after the program name). Output goes to `out` (UTF-8, LF),
// messages to `err`.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

std::string usage();

}  // namespace brenvik::cli
