#pragma once
#include <string>

namespace qelgen {

// docs/patterns.md: every listed reduction against the bounds of its cell.
std::string summaryMarkdown(const std::string& cacheFolder, const std::string& referencePath);

}  // namespace qelgen
