#include "cli/PrintCommand.h"

#include "cli/Cli.h"

namespace brenvik::cli {

// Built without the Qt program: there is no printer back end to draw with.
int runPrint(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
    err << "brenvik-cli: printing is not available in this build\n";
    return Failed;
}

}  // namespace brenvik::cli
