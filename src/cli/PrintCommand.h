#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace brenvik::cli {

// print FILE OUT.pdf [--test] [--round N]: the mark sheets of the file's singles (or the test
// print) into a PDF, with the settings of SysData/Printer.ini. Builds without the Qt program
// report that printing is not available.
int runPrint(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace brenvik::cli
