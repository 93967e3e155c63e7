#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/Messages.h"
#include "app/clsStringConvert.h"
#include "engine/MultiTypes.h"
#include "official/VoteRecord.h"

namespace brenvik {

class OwnerWindow;
class PatternSelection;

// The data record of a data file (.kvr).
struct KvrData {
    int32_t Kaisaikai = 0;
    // Row k = outcome k (0 draw, 1 home win, 2 away win), column i = match i + 1.
    Array2<int32_t> Multi{3, 13};
    int32_t PatternID = 0;
    int32_t SingleCount = 0;
    std::vector<int32_t> Singles;  // selection numbers, from 0
    VoteRecord Vote;

    bool operator==(const KvrData&) const = default;
};

// What the main window applies after opening a data file: the singles are made again from
// the multi and the pattern, the stored ones are not used.
struct LoadedPrediction {
    int32_t Kaisaikai = 0;
    MultiMarks Marks{};
    int32_t PatternID = 0;
    VoteRecord Vote;

    bool operator==(const LoadedPrediction&) const = default;
};

// The data file: a self-describing header, the round, the multi, the pattern, the singles as
// hexadecimal selection numbers and the round's vote block.
class clsTFileKVR {
  public:
    static constexpr int32_t MaxSingleCount = 1594323;  // every single of 13 matches

    // The owner of the wait dialog.
    void Initialize(OwnerWindow* objForm) { owner_ = objForm; }

    // True when the first 8 lines declare a Brenvik data file for toto; lngDataVersion gets
    // the declared version (0 when none).
    bool DataTypeCheck(const std::string& strFileName, int32_t& lngDataVersion);
    // Replaces the file safely: a failed write leaves the previous file as it was.
    bool Save(const std::string& strFileName, const KvrData& data, bool blnShowError);
    // On false `data` is left as it was.
    bool Load(const std::string& strFileName, KvrData& data);

    // The file's text (UTF-8, CR LF) and its reading, for the two above and the fuzzer.
    // The text form advances the wait dialog that Save has opened.
    std::string SaveText(const KvrData& data) const;
    // Throws the RuntimeError that Load reports.
    KvrData LoadText(const std::string& utf8Text) const;

    // FileSaveKVR without the window: converts the multi with the selection, builds the
    // record and saves it with errors shown. The window takes the path as its file name and
    // clears the modified indicator only on true.
    bool FileSaveKVR(const std::string& strFileName, int32_t lngRound, const MultiMarks& marks,
                     PatternSelection& selection, const VoteRecord& vote);
    // The record of the prediction; the selection holds the converted singles.
    static KvrData BuildData(int32_t lngRound, const MultiMarks& marks,
                             const PatternSelection& selection, const VoteRecord& vote);

    // FileLoadKVR without the window: the type check and the read with their boxes; on true
    // `loaded` holds what to apply.
    bool FileLoadKVR(const std::string& strFileName, LoadedPrediction& loaded);
    static LoadedPrediction ToPrediction(const KvrData& data);
    // Leaves single mode, lists the multi's patterns, selects the loaded pattern and converts.
    // Shared with the multi file's loading.
    static void ApplyToSelection(PatternSelection& selection, const MultiMarks& marks,
                                 int32_t lngPatternID);
    // Selects the pattern with the ID, refreshing the list once more when it is missing;
    // warns when it is still missing and the ID is above 0.
    static bool SelectLoadedPattern(PatternSelection& selection, const MultiMarks& marks,
                                    int32_t lngPatternID);

  private:
    OwnerWindow* owner_ = nullptr;
    clsStringConvert convert_;
    ErrorReport report_{"clsTFileKVR"};
};

}  // namespace brenvik
