#pragma once
#include <ostream>

#include "app/Messages.h"

namespace brenvik::cli {

// Message boxes of the command line: the text on standard error, line breaks as LF.
// Questions are answered No, since nobody is there to answer.
class StreamMessages final : public Messages {
  public:
    explicit StreamMessages(std::ostream& err);
    ~StreamMessages() override;
    void show(MessageIcon icon, const std::string& title, const std::string& text) override;
    bool ask(const std::string& title, const std::string& text) override;
    int shown() const { return shown_; }

  private:
    std::ostream& err_;
    int shown_ = 0;
};

// CR LF and lone CR as LF.
std::string toLf(const std::string& text);

}  // namespace brenvik::cli
