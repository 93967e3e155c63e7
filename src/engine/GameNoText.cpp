#include "engine/GameNoText.h"

namespace brenvik {

namespace {

// The number right-aligned in `width` characters; longer numbers keep their last digits.
std::string rightAligned(int32_t value, std::size_t width) {
    const std::string text = std::string(width, ' ') + std::to_string(value);
    return text.substr(text.size() - width);
}

}  // namespace

void GameNoText::GameNo(int32_t lngRound) {
    roundLabel_ = lngRound == 0 ? std::string() : std::to_string(lngRound);
}

void GameNoText::SingleCount(int32_t lngCount) {
    countLabel_ = lngCount == 0 ? std::string()
                                : "SINGLE" + std::string(LineBreak) + rightAligned(lngCount, 4);
}

void GameNoText::DoubleCount(int32_t lngCount) {
    doubles_ = lngCount;
    showDoublesTriples();
}

void GameNoText::TripleCount(int32_t lngCount) {
    triples_ = lngCount;
    showDoublesTriples();
}

void GameNoText::showDoublesTriples() {
    if (doubles_ == 0 && triples_ == 0) {
        countLabel_.clear();
        return;
    }
    countLabel_ = "W:" + rightAligned(doubles_, 2) + LineBreak + "T:" + rightAligned(triples_, 2);
}

}  // namespace brenvik
