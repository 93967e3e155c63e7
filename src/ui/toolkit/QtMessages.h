#pragma once
#include "app/Messages.h"

namespace brenvik::ui {

// Message boxes through QMessageBox, owned by the active window.
class QtMessages final : public Messages {
  public:
    void show(MessageIcon icon, const std::string& title, const std::string& text) override;
    bool ask(const std::string& title, const std::string& text) override;
};

}  // namespace brenvik::ui
