#pragma once
#include <string>

namespace brenvik {

// The system clipboard (plain text). The program installs the Qt one; tests a recorder.
class Clipboard {
  public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    // Text with CR LF line ends, as the program builds it.
    virtual void setText(const std::string& text) = 0;
};

Clipboard& clipboard();
void setClipboard(Clipboard* impl);  // nullptr restores the default, which keeps nothing

}  // namespace brenvik
