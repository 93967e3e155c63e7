#include "files/clsTFileKVR.h"

#include <exception>
#include <fstream>

#include "app/AppInfo.h"
#include "app/BusyPointer.h"
#include "app/Classic.h"
#include "app/ProgressLog.h"
#include "app/RuntimeError.h"
#include "app/basStandard.h"
#include "app/clsFileStream.h"
#include "app/clsFileSystemObject.h"
#include "engine/PatternSelection.h"
#include "files/TextFile.h"
#include "lottery/clsTotoNo.h"
#include "official/clsXmlVote.h"

namespace brenvik {
namespace {

// The classic "input past end of file".
constexpr int32_t InputPastEnd = 62;
[[noreturn]] void raisePastEnd() {
    err::raise(InputPastEnd, "ファイルにこれ以上データがありません。");
}

constexpr int32_t ProgressStep = 1001;

void appendHex(std::string& text, int32_t number) {
    auto v = static_cast<uint32_t>(number);
    char digits[8];
    int n = 0;
    do {
        digits[n++] = "0123456789ABCDEF"[v & 15u];
        v >>= 4;
    } while (v != 0);
    while (n > 0) text += digits[--n];
}

// A singles line as a hexadecimal number; up to 8 digits a signed 32-bit pattern, as "&H"
// reads it.
int32_t hexOf(std::string_view line) {
    if (!line.empty() && line.size() <= 8) {
        uint32_t v = 0;
        bool digitsOnly = true;
        for (const char c : line) {
            uint32_t d;
            if (c >= '0' && c <= '9')
                d = static_cast<uint32_t>(c - '0');
            else if (c >= 'A' && c <= 'F')
                d = static_cast<uint32_t>(c - 'A' + 10);
            else if (c >= 'a' && c <= 'f')
                d = static_cast<uint32_t>(c - 'a' + 10);
            else {
                digitsOnly = false;
                break;
            }
            v = (v << 4) | d;
        }
        if (digitsOnly) return static_cast<int32_t>(v);
    }
    return classic::toLong("&H" + std::string(line));
}

// Up to `count` leading lines of a file, without reading more of it than they need.
std::vector<std::string> leadingLines(const std::string& strFullPath, std::size_t count) {
    std::ifstream in(strFullPath, std::ios::binary);
    if (!in) {
        if (!clsFileSystemObject().FileExists(strFullPath)) err::raise(err::FileNotFound);
        err::raise(err::PathFileAccess);
    }
    std::string bytes;
    char chunk[4096];
    std::vector<std::string> lines;
    bool atEnd = false;
    while (!atEnd) {
        in.read(chunk, sizeof chunk);
        bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
        atEnd = !in;
        // A line counts once the one after it has begun (or the file has ended).
        lines.clear();
        textfile::LineCursor cursor(bytes);
        std::string_view line;
        while (cursor.next(line) && lines.size() <= count) lines.emplace_back(line);
        if (lines.size() > count) break;
    }
    if (lines.size() > count) lines.resize(count);
    for (std::string& l : lines) l = textfile::fromFileBytes(l);
    return lines;
}

}  // namespace

bool clsTFileKVR::DataTypeCheck(const std::string& strFileName, int32_t& lngDataVersion) {
    try {
        const std::vector<std::string> lines =
            leadingLines(clsFileSystemObject().GetFullPath(strFileName), 8);
        if (lines.size() < 8) raisePastEnd();
        bool software = false, dataType = false;
        std::string key, value;
        for (const std::string& line : lines) {
            if (!line.empty() && line.front() == ';') continue;
            if (!textfile::splitKeyValue(line, key, value)) continue;
            if (key == "Software")
                software = software || value == app::ProductName;
            else if (key == "DataType")
                dataType = dataType || value == "toto";
            else if (key == "DataVersion")
                lngDataVersion = classic::toLong(value);
        }
        return software && dataType;
    } catch (const std::exception& e) {
        report_.error("DataTypeCheck", e);
    }
    return false;
}

std::string clsTFileKVR::SaveText(const KvrData& data) const {
    if (data.SingleCount < 0 || static_cast<std::size_t>(data.SingleCount) > data.Singles.size())
        err::raise(err::SubscriptOutOfRange);
    std::string multi;
    convert_.Long2ToString(data.Multi, multi);
    std::string text;
    text.reserve(1024 + static_cast<std::size_t>(data.SingleCount) * 7);
    auto line = [&text](const std::string& s) {
        text += s;
        text += "\r\n";
    };
    line(";Talvenmoore Data File (.kvr)");
    line(std::string(";") + app::LegalCopyright);
    line("");
    line(std::string("Software    = ") + app::ProductName);
    line("SoftVersion = " + basStandard::AppVersionText());
    line("DataType    = toto");
    line("DataVersion = 1");
    line("");
    line("Kaisaikai = " + std::to_string(data.Kaisaikai));
    line("");
    line("Multi = " + multi);
    line("");
    line("PatternID = " + std::to_string(data.PatternID));
    line("");
    line("SingleCount = " + std::to_string(data.SingleCount));
    line("");
    line("<SingleData>");
    int32_t sinceStep = 0;
    for (int32_t i = 0; i < data.SingleCount; ++i) {
        appendHex(text, data.Singles[static_cast<std::size_t>(i)]);
        text += "\r\n";
        if (++sinceStep >= ProgressStep) {
            sinceStep = 0;
            progressLog().setProgress(i, data.SingleCount);
        }
    }
    progressLog().setProgress(data.SingleCount, data.SingleCount);
    line("</SingleData>");
    line("");
    clsXmlVote xml;
    xml.Vote(data.Vote);
    text += xml.GetXmlString(false);
    return text;
}

bool clsTFileKVR::Save(const std::string& strFileName, const KvrData& data, bool blnShowError) {
    BusyScope busy;
    ProgressLog& wait = progressLog();
    try {
        wait.open("KVRファイルに保存中");
        wait.setProgress(0, data.SingleCount);
        const std::string path = clsFileSystemObject().GetFullPath(strFileName);
        clsFileStream::WriteFileReplacing(path, textfile::toFileBytes(SaveText(data)));
        wait.close();
        return true;
    } catch (const std::exception& e) {
        wait.close();
        if (blnShowError) report_.error("Save", e);
    }
    return false;
}

KvrData clsTFileKVR::LoadText(const std::string& utf8Text) const {
    KvrData data;
    bool singlesSized = false;
    textfile::LineCursor lines(utf8Text);
    std::string_view line;
    std::string key, value;
    while (lines.next(line)) {
        if (!line.empty() && line.front() == ';') continue;
        if (textfile::splitKeyValue(line, key, value)) {
            if (key == "Kaisaikai") {
                data.Kaisaikai = classic::toLong(value);
            } else if (key == "Multi") {
                convert_.StringToLong2(value, data.Multi);
                // Only the mark states 0 to 3 can go into the multi.
                for (std::size_t r = 0; r < 3; ++r)
                    for (std::size_t e = 0; e < 13; ++e)
                        if (data.Multi(r, e) < 0 || data.Multi(r, e) > 3) err::raise(err::Overflow);
            } else if (key == "PatternID") {
                data.PatternID = classic::toLong(value);
            } else if (key == "SingleCount") {
                const int32_t count = classic::toLong(value);
                // The count sizes the list: never more than there are singles.
                if (count < 0 || count > MaxSingleCount) err::raise(err::SubscriptOutOfRange);
                data.SingleCount = count;
                progressLog().setProgress(0, count);
                data.Singles.assign(static_cast<std::size_t>(count), 0);
                singlesSized = true;
            }
        } else if (line == "<SingleData>") {
            std::size_t n = 0;
            int32_t sinceStep = 0;
            for (;;) {
                if (!lines.next(line)) raisePastEnd();
                if (line == "</SingleData>") break;
                if (!singlesSized || n >= data.Singles.size()) err::raise(err::SubscriptOutOfRange);
                data.Singles[n++] = hexOf(line);
                if (++sinceStep >= ProgressStep) {
                    sinceStep = 0;
                    progressLog().setProgress(static_cast<long long>(n), data.SingleCount);
                }
            }
            progressLog().setProgress(data.SingleCount, data.SingleCount);
        } else if (line == "<投票状況>") {
            std::string xml(line);
            for (;;) {
                if (!lines.next(line)) raisePastEnd();
                if (textfile::isBlank(line)) continue;
                xml += "\r\n";
                xml += line;
                if (line == "</投票状況>") break;
            }
            clsXmlVote reader;
            reader.SetXmlString(xml, false);
            data.Vote = reader.Vote();
        }
    }
    return data;
}

bool clsTFileKVR::Load(const std::string& strFileName, KvrData& data) {
    BusyScope busy;
    ProgressLog& wait = progressLog();
    try {
        wait.open("KVRファイルの読込中");
        wait.setProgress(0, 1);
        KvrData read = LoadText(textfile::readText(clsFileSystemObject().GetFullPath(strFileName)));
        wait.close();
        data = std::move(read);
        return true;
    } catch (const std::exception& e) {
        wait.close();
        report_.error("Load", e);
    }
    return false;
}

KvrData clsTFileKVR::BuildData(int32_t lngRound, const MultiMarks& marks,
                               const PatternSelection& selection, const VoteRecord& vote) {
    KvrData data;
    data.Kaisaikai = lngRound;
    for (std::size_t i = 1; i <= 13; ++i) {
        data.Multi(1, i - 1) = marks[i];
        data.Multi(0, i - 1) = marks[13 + i];
        data.Multi(2, i - 1) = marks[26 + i];
    }
    data.PatternID = selection.SelectedListIndex() > 0 ? selection.GetPatternID() : 0;
    const std::vector<SingleRecord>& singles = selection.Singles();
    data.SingleCount = static_cast<int32_t>(singles.size());
    data.Singles.reserve(singles.size());
    const clsTotoNo numbers;
    for (const SingleRecord& s : singles) data.Singles.push_back(numbers.GetByteNo(s.Outcome));
    data.Vote = vote;
    return data;
}

bool clsTFileKVR::FileSaveKVR(const std::string& strFileName, int32_t lngRound,
                              const MultiMarks& marks, PatternSelection& selection,
                              const VoteRecord& vote) {
    selection.SetQelData(marks);
    return Save(strFileName, BuildData(lngRound, marks, selection, vote), true);
}

LoadedPrediction clsTFileKVR::ToPrediction(const KvrData& data) {
    LoadedPrediction p;
    p.Kaisaikai = data.Kaisaikai;
    p.PatternID = data.PatternID;
    for (std::size_t i = 1; i <= 13; ++i) {
        // Load let only 0 to 3 through.
        p.Marks[i] = static_cast<uint8_t>(data.Multi(1, i - 1));
        p.Marks[13 + i] = static_cast<uint8_t>(data.Multi(0, i - 1));
        p.Marks[26 + i] = static_cast<uint8_t>(data.Multi(2, i - 1));
    }
    p.Vote = data.Vote;
    return p;
}

bool clsTFileKVR::FileLoadKVR(const std::string& strFileName, LoadedPrediction& loaded) {
    int32_t version = 0;
    if (!DataTypeCheck(strFileName, version)) {
        showWarning("ファイルタイプ警告",
                    std::string(app::ProductName) + "のファイルではありません。");
        return false;
    }
    KvrData data;
    if (!Load(strFileName, data)) {
        showWarning(app::Title, "ファイルの読込に失敗しました。");
        return false;
    }
    loaded = ToPrediction(data);
    return true;
}

bool clsTFileKVR::SelectLoadedPattern(PatternSelection& selection, const MultiMarks& marks,
                                      int32_t lngPatternID) {
    selection.ShowMultiHelp(marks);
    if (selection.SelectPatternID(lngPatternID)) return true;
    selection.ShowMultiHelp(marks);
    if (selection.SelectPatternID(lngPatternID)) return true;
    if (lngPatternID > 0)
        showWarning(" パターン読込エラー",
                    "パターンID：" + std::to_string(lngPatternID) +
                        " が見つかりません。\r\nパターンファイルを確認して下さい。");
    return false;
}

void clsTFileKVR::ApplyToSelection(PatternSelection& selection, const MultiMarks& marks,
                                   int32_t lngPatternID) {
    selection.LoadedPatternID(lngPatternID);
    selection.SingleMode(false);
    SelectLoadedPattern(selection, marks, lngPatternID);
    selection.SetQelData(marks);
}

}  // namespace brenvik
