#include "engine/PatternTable.h"

#include "app/RuntimeError.h"

namespace brenvik {

PatternLibrary::PatternLibrary(std::vector<PatternRecord> records) : records_(std::move(records)) {
    for (int32_t i = 0; i < count(); ++i) {
        const PatternRecord& p = records_[static_cast<std::size_t>(i)];
        byShape_[{p.Doubles, p.Triples}].push_back(i + 1);
        byID_.emplace(p.ID, i + 1);  // the first of equal IDs wins
    }
}

const PatternRecord& PatternLibrary::at(int32_t index) const {
    if (index < 1 || index > count()) err::raise(err::SubscriptOutOfRange);
    return records_[static_cast<std::size_t>(index - 1)];
}

const std::vector<int32_t>& PatternLibrary::ofShape(int32_t doubles, int32_t triples) const {
    static const std::vector<int32_t> none;
    const auto it = byShape_.find({doubles, triples});
    return it == byShape_.end() ? none : it->second;
}

int32_t PatternLibrary::findID(int32_t id) const {
    const auto it = byID_.find(id);
    return it == byID_.end() ? 0 : it->second;
}

PatternLibrary& PatternTable() {
    static PatternLibrary table;
    return table;
}

}  // namespace brenvik
