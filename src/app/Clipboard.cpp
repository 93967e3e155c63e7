#include "app/Clipboard.h"

namespace brenvik {
namespace {

class NoClipboard final : public Clipboard {
  public:
    void clear() override {}
    void setText(const std::string&) override {}
};

NoClipboard noClipboard;
Clipboard* installed = &noClipboard;

}  // namespace

Clipboard& clipboard() {
    return *installed;
}
void setClipboard(Clipboard* impl) {
    installed = impl ? impl : &noClipboard;
}

}  // namespace brenvik
