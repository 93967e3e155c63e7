#include "engine/clsQelFile.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

#include "app/Classic.h"
#include "app/Cp932.h"
#include "app/ProgramFolder.h"
#include "app/RuntimeError.h"
#include "app/Utf8.h"
#include "app/clsFileStream.h"
#include "engine/basPattern.h"

namespace brenvik {
namespace {

namespace fs = std::filesystem;

const char* const ReadFailed = "読込に失敗しました";
// Composite texts beyond this many characters are refused like a failed composition: nested
// composites would otherwise grow without bound.
constexpr uint64_t MaxCompositeChars = 64ull << 20;

std::vector<std::string> split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(separator, start);
        parts.emplace_back(text.substr(start, at - start));
        if (at == std::string_view::npos) break;
        start = at + 1;
    }
    return parts;
}

void need(const std::vector<std::string>& f, std::size_t count) {
    if (f.size() < count) err::raise(err::SubscriptOutOfRange);
}

std::string replaceAll(std::string text, std::string_view what, std::string_view with) {
    for (std::size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + with.size())) {
        text.replace(at, what.size(), with);
    }
    return text;
}

// The file in `folder` whose name equals `name` without regard to letter case (the exact
// name first).
std::optional<std::string> findFile(const std::string& folder, const std::string& name) {
    const std::string exact = programFolder().join(folder + "/" + name);
    std::error_code ec;
    if (fs::is_regular_file(exact, ec)) return exact;
    const fs::path dir = programFolder().join(folder);
    if (!fs::is_directory(dir, ec)) return std::nullopt;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (utf8::equalsIgnoreCase(entry, name) && it->is_regular_file(ec)) {
            return programFolder().join(folder + "/" + entry);
        }
    }
    return std::nullopt;
}

}  // namespace

bool clsQelFile::GetAllData() {
    try {
        PatternTable() = PatternLibrary();
        lists_.clear();
        std::vector<PatternRecord> table;
        const std::string main =
            findFile("SysData", "Qel.dat").value_or(programFolder().join("SysData/Qel.dat"));
        if (!Load(main, table)) {
            report_.message("GetAllData", main + "ファイルが壊れています");
            return false;
        }
        for (int n = 101; n <= 109; ++n) {
            const auto path = findFile("ExData", "qel" + std::to_string(n) + ".dat");
            if (!path) continue;
            if (!Load(*path, table)) {
                report_.message("GetAllData", *path + "ファイルが壊れています");
                return false;
            }
        }
        if (HasDuplicateID(table)) {
            report_.message("GetAllData",
                            "パターンIDが重複しています\r\nパターンファイルを確認して下さい");
            return false;
        }
        PatternTable() = PatternLibrary(std::move(table));
        return true;
    } catch (const std::exception& e) {
        report_.error("GetAllData", e);
    }
    PatternTable() = PatternLibrary();
    return false;
}

bool clsQelFile::Load(const std::string& strPath, std::vector<PatternRecord>& table) {
    std::string bytes;
    try {
        bytes = clsFileStream::ReadWholeFile(strPath);
    } catch (const std::exception&) {
        path_ = strPath;
        line_ = 0;
        report("Load", ReadFailed);
        return false;
    }
    return LoadText(bytes, strPath, table);
}

bool clsQelFile::LoadText(std::string_view bytes, const std::string& strPath,
                          std::vector<PatternRecord>& table) {
    path_ = strPath;
    line_ = 0;
    declared_ = 0;
    counted_ = 0;
    try {
        const std::string text = cp932::toUtf8(bytes);
        for (std::size_t pos = 0;;) {
            const std::size_t eol = text.find("\r\n", pos);
            ++line_;
            readLine(text.substr(pos, eol == std::string::npos ? std::string::npos : eol - pos),
                     table);
            if (eol == std::string::npos) break;
            pos = eol + 2;
        }
        if (counted_ != declared_) {
            report_.message(
                "Load", "パターン数の記述が間違っています\r\nPatternCountを確認してください。\r\n" +
                            std::to_string(declared_) + "→" + std::to_string(counted_));
        }
        return true;
    } catch (const std::exception&) {
        report("Load", ReadFailed);
    }
    return false;
}

void clsQelFile::readLine(const std::string& line, std::vector<PatternRecord>& table) {
    if (!line.empty() && line.front() == ';') return;
    if (utf8::trim(line).empty()) return;
    std::vector<std::string> f = split(line, ',');
    for (std::string& field : f) field = utf8::trim(field);
    const std::string& key = f.front();
    if (key == "FileID" || key == "FileBuild" || key == "CheckID") {
        need(f, 2);
        // Kept by the format but not used; a number that does not fit still fails the file.
        if (classic::isNumeric(f[1])) static_cast<void>(classic::toLong(f[1]));
    } else if (key == "FileType") {
        need(f, 2);
    } else if (key == "PatternCount") {
        need(f, 2);
        if (classic::isNumeric(f[1])) declared_ = classic::toLong(f[1]);
    } else if (key == "PatternList") {
        need(f, 4);
        if (!AddPatternList(f)) report("Load", "パターンリストの追加に失敗しました");
    } else if (f.size() == 8) {
        readPattern(f, table);
    } else {
        report("Load", ReadFailed);
    }
}

void clsQelFile::readPattern(std::vector<std::string>& f, std::vector<PatternRecord>& table) {
    PatternRecord p;
    p.Doubles = classic::toLong(utf8::mid(f[0], 2, 2));
    p.Triples = classic::toLong(utf8::mid(f[0], 5, 2));
    p.Listed = classic::toByte(f[1]);
    p.ID = classic::toLong(f[2]);
    const auto pct = split(f[3], ':');
    need(pct, 5);
    p.Pct12 = classic::toLong(pct[0]);
    p.Pct123 = classic::toLong(pct[1]);
    p.Pct1 = classic::toLong(pct[2]);
    p.Pct2 = classic::toLong(pct[3]);
    p.Pct3 = classic::toLong(pct[4]);
    const PatternList* list = GetPatternList(classic::toLong(f[4]));
    if (list) {
        p.ListText = list->Text;
    } else {
        report("Load", "パターンリストの取得に失敗しました");
    }
    const int32_t kind = classic::toLong(f[5]);
    if (kind == KindComposite && !SetTRiron(f, table, p.ListText)) {
        report("Load", "多重理論の取得に失敗しました");
    }
    p.Kind = kind;
    p.Codes = basPattern::SplitCodes(f[6]);
    std::string note = f[7];
    if (note == "@") note = list ? list->Note : std::string();
    p.Note = " " + replaceAll(std::move(note), "\\", "\r\n ");
    table.push_back(std::move(p));
    ++counted_;
}

bool clsQelFile::AddPatternList(const std::vector<std::string>& f) {
    const int32_t n = classic::isNumeric(f[1]) ? classic::toLong(f[1]) : 0;
    if (n <= 0 || f[2].empty() || f[3].empty()) return false;
    lists_[n] = PatternList{f[2], f[3]};  // a later list of the same number replaces it
    return true;
}

const clsQelFile::PatternList* clsQelFile::GetPatternList(int32_t n) const {
    const auto it = lists_.find(n);
    return it == lists_.end() ? nullptr : &it->second;
}

bool clsQelFile::SetTRiron(std::vector<std::string>& f, const std::vector<PatternRecord>& table,
                           std::string& listText) {
    try {
        const auto ids = split(f[6], '-');
        if (ids.size() != 2) err::raise(err::InvalidCall);
        auto find = [&](const std::string& text) -> const PatternRecord& {
            if (!classic::isNumeric(text)) err::raise(err::TypeMismatch);
            const int32_t id = classic::toLong(text);
            const auto it = std::find_if(table.begin(), table.end(),
                                         [&](const PatternRecord& p) { return p.ID == id; });
            if (it == table.end()) err::raise(err::InvalidCall);
            return *it;
        };
        const PatternRecord& a = find(ids[0]);
        const PatternRecord& b = find(ids[1]);

        uint64_t charsA = 0, charsB = 0;
        for (const auto& c : a.Codes) charsA += c.size();
        for (const auto& c : b.Codes) charsB += c.size();
        const uint64_t pairs = uint64_t{a.Codes.size()} * b.Codes.size();
        if (pairs > MaxCompositeCodes ||
            charsA * b.Codes.size() + charsB * a.Codes.size() + pairs > MaxCompositeChars) {
            err::raise(err::OutOfMemory);
        }
        std::string codes;
        codes.reserve(
            static_cast<std::size_t>(charsA * b.Codes.size() + charsB * a.Codes.size() + pairs));
        for (const std::string& cb : b.Codes) {
            for (const std::string& ca : a.Codes) {
                if (!codes.empty()) codes += ' ';
                codes += ca;
                codes += cb;
            }
        }
        const std::string nameA = GetShapeName(a);
        const std::string nameB = GetShapeName(b);
        f[6] = std::move(codes);
        listText += " 　 (" + nameA + "＋" + nameB + ")";
        f[7] = listText + "\\ マルチが１等の時 １等～３等が当選\\ [" + nameA + "]" +
               GetConditionLine(a) + "\\ [" + nameB + "]" + GetConditionLine(b);
        return true;
    } catch (const std::exception&) {
        report("SetTRiron", ReadFailed);
    }
    return false;
}

std::string clsQelFile::GetShapeName(const PatternRecord& p) {
    std::string name;
    if (p.Doubles > 0) name += "Double" + std::to_string(p.Doubles);
    if (p.Triples > 0) name += "Triple" + std::to_string(p.Triples);
    return name;
}

std::string clsQelFile::GetConditionLine(const PatternRecord& p) {
    std::string found;
    for (const std::string& line : split(p.Note, '\n')) {
        std::string_view l = line;
        if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
        if (l.find("条件") != std::string_view::npos) found = l;
    }
    return found;
}

bool clsQelFile::HasDuplicateID(const std::vector<PatternRecord>& table) {
    std::vector<int32_t> ids;
    ids.reserve(table.size());
    for (const PatternRecord& p : table) ids.push_back(p.ID);
    std::sort(ids.begin(), ids.end());
    return std::adjacent_find(ids.begin(), ids.end()) != ids.end();
}

std::string clsQelFile::tail() const {
    return "\r\nFile:" + path_ + "\r\nLine:" + std::to_string(line_);
}

void clsQelFile::report(const char* procedure, const std::string& reason) const {
    report_.message(procedure, reason + tail());
}

}  // namespace brenvik
