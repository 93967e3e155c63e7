#include "app/Messages.h"

#include "app/AppInfo.h"
#include "app/RuntimeError.h"

#include <new>

namespace brenvik {
namespace {

class SilentMessages final : public Messages {
public:
    void show(MessageIcon, const std::string&, const std::string&) override {}
    bool ask(const std::string&, const std::string&) override { return false; }
};

SilentMessages silent;
Messages* installed = &silent;

}  // namespace

Messages& messages() { return *installed; }
void setMessages(Messages* impl) { installed = impl ? impl : &silent; }

void showInformation(const std::string& title, const std::string& text) {
    messages().show(MessageIcon::Information, title, text);
}
void showWarning(const std::string& title, const std::string& text) {
    messages().show(MessageIcon::Warning, title, text);
}
void showError(const std::string& title, const std::string& text) {
    messages().show(MessageIcon::Error, title, text);
}

std::string joinTitle(const std::string& first, const std::string& owner,
                      const std::string& procedure) {
    std::string t = first;
    if (!owner.empty()) t += " / " + owner;
    if (!procedure.empty()) t += " / " + procedure;
    return t;
}

void ErrorReport::message(const std::string& procedure, const std::string& text) const {
    showWarning(joinTitle(app::Title, owner_, procedure), text);
}

void ErrorReport::error(const std::string& procedure, const RuntimeError& e) const {
    showError(joinTitle(e.source(), owner_, procedure),
              e.description() + " ( " + std::to_string(e.number()) + " )");
}

void ErrorReport::error(const std::string& procedure, const std::exception& e) const {
    if (auto* r = dynamic_cast<const RuntimeError*>(&e)) return error(procedure, *r);
    // Anything else escaping the standard library is memory or an internal fault.
    const int32_t number =
        dynamic_cast<const std::bad_alloc*>(&e) ? err::OutOfMemory : err::InvalidCall;
    error(procedure, RuntimeError(number, err::describe(number)));
}

}  // namespace brenvik
