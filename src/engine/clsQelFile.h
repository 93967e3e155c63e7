#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "app/Messages.h"
#include "engine/PatternTable.h"

namespace brenvik {

// Reads the pattern library: SysData/Qel.dat, then ExData/qel101.dat .. qel109.dat when present.
class clsQelFile {
  public:
    // Loads every file into PatternTable(); false after any failure (its message shown), with
    // the table left empty.
    bool GetAllData();

    // Reads the bytes of one library file (CP932, CR LF) as the file at strPath, appending its
    // patterns to `table`. Pattern lists carry over between calls on one object, as they do
    // between the files of one load. false on a read error (reported).
    bool LoadText(std::string_view bytes, const std::string& strPath,
                  std::vector<PatternRecord>& table);

    // Largest number of codes a composite may have: no multi has more singles.
    static constexpr std::size_t MaxCompositeCodes = 1594323;

  private:
    struct PatternList {
        std::string Text;
        std::string Note;
    };

    bool Load(const std::string& strPath, std::vector<PatternRecord>& table);
    void readLine(const std::string& line, std::vector<PatternRecord>& table);
    void readPattern(std::vector<std::string>& f, std::vector<PatternRecord>& table);
    bool AddPatternList(const std::vector<std::string>& f);
    const PatternList* GetPatternList(int32_t n) const;
    bool SetTRiron(std::vector<std::string>& f, const std::vector<PatternRecord>& table,
                   std::string& listText);
    static std::string GetShapeName(const PatternRecord& p);
    static std::string GetConditionLine(const PatternRecord& p);
    static bool HasDuplicateID(const std::vector<PatternRecord>& table);

    std::string tail() const;
    void report(const char* procedure, const std::string& reason) const;

    std::map<int32_t, PatternList> lists_;
    std::string path_;
    int32_t line_ = 0;
    int32_t declared_ = 0;
    int32_t counted_ = 0;
    ErrorReport report_{"clsQelFile"};
};

}  // namespace brenvik
