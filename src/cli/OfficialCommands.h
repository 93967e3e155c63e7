#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace brenvik::cli {

// page schedule|vote|result FILE ROUND: a saved page (UTF-8) through the download's reader;
// the cache file text the store would write (UTF-8, LF) on `out`, or the store's failure
// message on `err` and 1.
int cmdPage(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// fetch schedule|vote|result ROUND: the download of the program through the site settings,
// stored in the cache as the program stores it; the same text, or the failure message and 1.
int cmdFetch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace brenvik::cli
