#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace brenvik {

// An event of a model object: the owner subscribes and is called synchronously, in
// subscription order, each time the object raises it. Arguments passed by reference
// (e.g. Signal<bool&>) let a subscriber answer, as the classic ByRef event arguments did.
template <typename... Args>
class Signal {
  public:
    using Slot = std::function<void(Args...)>;
    using Token = std::uint64_t;

    // Returns the token that unsubscribe takes; never 0.
    Token subscribe(Slot slot) {
        const Token token = ++lastToken_;
        slots_.push_back({token, std::move(slot)});
        return token;
    }

    void unsubscribe(Token token) {
        std::erase_if(slots_, [token](const Entry& e) { return e.token == token; });
    }

    // Subscribers may subscribe or unsubscribe while being called; the change applies from
    // the next emit on (the list is copied first).
    void emit(Args... args) const {
        const auto snapshot = slots_;
        for (const auto& entry : snapshot) entry.slot(args...);
    }

    std::size_t subscriberCount() const { return slots_.size(); }

  private:
    struct Entry {
        Token token;
        Slot slot;
    };
    std::vector<Entry> slots_;
    Token lastToken_ = 0;
};

}  // namespace brenvik
