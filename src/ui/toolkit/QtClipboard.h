#pragma once
#include "app/Clipboard.h"

namespace brenvik::ui {

// The system clipboard through Qt. Installs itself for its lifetime.
class QtClipboard final : public Clipboard {
  public:
    QtClipboard();
    ~QtClipboard() override;
    QtClipboard(const QtClipboard&) = delete;
    QtClipboard& operator=(const QtClipboard&) = delete;

    void clear() override;
    // Qt writes the platform's own line ends, so the text goes in with LF.
    void setText(const std::string& text) override;
};

}  // namespace brenvik::ui
