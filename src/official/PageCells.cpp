#include "official/PageCells.h"

#include "app/Clock.h"
#include "app/RuntimeError.h"
#include "official/clsHtmlToto.h"

namespace brenvik {

namespace {

bool parse(const std::string& text, DateTime& out) {
    return ParseJapaneseDate(text, clock().currentYear(), out);
}

}  // namespace

const std::string& PageCells::at(std::size_t i) const {
    if (i < 1 || i > cells_.size()) err::raise(err::SubscriptOutOfRange);
    return cells_[i - 1];
}

int PageCells::matchNumber(const std::string& cell, int max) {
    if (cell.empty() || cell.size() > 2 || cell[0] == '0') return 0;
    int n = 0;
    for (const char c : cell) {
        if (c < '0' || c > '9') return 0;
        n = n * 10 + (c - '0');
    }
    return n <= max ? n : 0;
}

std::size_t PageCells::matchSlot(int n) {
    if (n < 1 || n > 13) err::raise(err::SubscriptOutOfRange);
    return static_cast<std::size_t>(n);
}

bool PageCells::isDate(const std::string& text) {
    DateTime d;
    return parse(text, d) && !d.datePart().isZero();
}

DateTime PageCells::dateOf(const std::string& text) {
    DateTime d;
    if (!parse(text, d) || d.datePart().isZero()) err::raise(err::TypeMismatch);
    return d.datePart();
}

DateTime PageCells::timeOf(const std::string& text) {
    DateTime d;
    if (!parse(text, d)) err::raise(err::TypeMismatch);
    return DateTime::fromTime(d.hour(), d.minute(), d.second());
}

}  // namespace brenvik
