#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace brenvik::cli {

// payout FILE.kvr [RESULT]: the payout list of the file's singles, columns 0 to 23 as TSV.
int payoutCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// grade FILE RESULT: the five counts of the hit check and the prize counter's lines.
int gradeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace brenvik::cli
