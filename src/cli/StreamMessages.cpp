#include "cli/StreamMessages.h"

namespace brenvik::cli {

std::string toLf(const std::string& text) {
    std::string o;
    o.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            o += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            o += text[i];
        }
    }
    return o;
}

StreamMessages::StreamMessages(std::ostream& err) : err_(err) {
    setMessages(this);
}
StreamMessages::~StreamMessages() {
    setMessages(nullptr);
}

void StreamMessages::show(MessageIcon, const std::string&, const std::string& text) {
    ++shown_;
    err_ << toLf(text) << '\n';
}

bool StreamMessages::ask(const std::string&, const std::string& text) {
    ++shown_;
    err_ << toLf(text) << '\n';
    return false;
}

}  // namespace brenvik::cli
