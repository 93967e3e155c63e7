#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace brenvik {

// One pattern of the library.
struct PatternRecord {
    int32_t ID = 0;
    uint8_t Listed = 0;
    int32_t Doubles = 0;
    int32_t Triples = 0;
    int32_t Pct12 = 0;
    int32_t Pct123 = 0;
    int32_t Pct1 = 0;
    int32_t Pct2 = 0;
    int32_t Pct3 = 0;
    std::string ListText;
    int32_t Kind = 0;
    std::vector<std::string> Codes;
    std::string Note;
};

inline constexpr int32_t KindComposite = 9999;
inline constexpr int32_t KindPlain = 10000;

// The loaded library: entries 1..count(), with an index by shape built once so that the
// pattern list of a multi does not scan the whole table.
class PatternLibrary {
  public:
    PatternLibrary() = default;
    explicit PatternLibrary(std::vector<PatternRecord> records);

    int32_t count() const { return static_cast<int32_t>(records_.size()); }
    bool empty() const { return records_.empty(); }
    // 1-based; RuntimeError 9 outside 1..count().
    const PatternRecord& at(int32_t index) const;
    const PatternRecord& operator()(int32_t index) const { return at(index); }
    const std::vector<PatternRecord>& records() const { return records_; }
    // 1-based table indexes of the patterns of that shape, in table order.
    const std::vector<int32_t>& ofShape(int32_t doubles, int32_t triples) const;
    // 1-based index of the first pattern with that ID, 0 when none.
    int32_t findID(int32_t id) const;

  private:
    std::vector<PatternRecord> records_;
    std::map<std::pair<int32_t, int32_t>, std::vector<int32_t>> byShape_;
    std::map<int32_t, int32_t> byID_;
};

// The process-wide library, empty until clsQelFile::GetAllData has published one.
PatternLibrary& PatternTable();
inline int32_t PatternCount() {
    return PatternTable().count();
}

}  // namespace brenvik
