#pragma once
#include "app/Shell.h"

namespace brenvik::ui {

// Opens documents and addresses with the desktop's opener and starts programs. Waiting
// keeps the windows painted while the started program runs.
class QtShell final : public Shell {
  public:
    bool open(const std::string& file, const std::string& parameters, int showCode,
              bool wait) override;
    bool start(const std::string& commandLine, bool wait) override;
};

}  // namespace brenvik::ui
