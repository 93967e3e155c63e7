#pragma once

#include <cstdint>
#include <string>

namespace brenvik {

// The texts of the count box beside the mark sheet: the round label and the count label,
// which shows either the number of singles or the doubles and triples, whichever was set last.
class GameNoText {
  public:
    // Line break inside the count label.
    static constexpr const char* LineBreak = "\n";

    void GameNo(int32_t lngRound);
    void SingleCount(int32_t lngCount);
    void DoubleCount(int32_t lngCount);
    void TripleCount(int32_t lngCount);

    const std::string& RoundLabel() const { return roundLabel_; }
    const std::string& CountLabel() const { return countLabel_; }

  private:
    void showDoublesTriples();

    int32_t doubles_ = 0;
    int32_t triples_ = 0;
    std::string roundLabel_;
    std::string countLabel_;
};

}  // namespace brenvik
