#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace brenvik::cli {

// open FILE: what the program's open commands read from a .kvr, .qel or .csv file.
int openCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// save-kvr MULTI ID ROUND OUT [VOTEFILE]: the data file the program would save.
int saveKvrCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// clip FILE: the clipboard text the program would copy for the file's prediction.
int clipCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace brenvik::cli
