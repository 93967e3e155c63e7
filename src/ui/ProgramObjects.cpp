#include "ui/ProgramObjects.h"

namespace brenvik::ui {

std::optional<clsToto>& SharedToto() {
    static std::optional<clsToto> toto;
    return toto;
}

}  // namespace brenvik::ui
