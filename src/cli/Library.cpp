#include "cli/Library.h"

#include "app/basMain.h"
#include "engine/PatternTable.h"
#include "engine/clsQelFile.h"
#include "official/basTotoSettings.h"

namespace brenvik::cli {

bool loadProgramData(std::ostream& err) {
    if (const std::string missing = basMain::CheckRequiredFiles(); !missing.empty()) {
        err << missing << '\n';
        return false;
    }
    basTotoSettings::LoadTotoSettings();
    return clsQelFile().GetAllData();
}

}  // namespace brenvik::cli
