#include "cli/FileCommands.h"

#include <cstdio>
#include <filesystem>
#include <optional>

#include "app/Clipboard.h"
#include "app/Utf8.h"
#include "app/basIniFile.h"
#include "app/clsFileSystemObject.h"
#include "cli/Cli.h"
#include "cli/Library.h"
#include "cli/StreamMessages.h"
#include "engine/PatternSelection.h"
#include "engine/clsBrenvik.h"
#include "files/clsClipboard.h"
#include "files/clsFileMulti.h"
#include "files/clsFileSingle.h"
#include "files/clsTFileKVR.h"
#include "lottery/CurrentRound.h"
#include "official/clsXmlVote.h"

namespace brenvik::cli {
namespace {

// The prediction an open command leaves in the main window.
struct Opened {
    int32_t round = 0;
    MultiMarks marks{};
    int32_t patternID = 0;
    PatternSelection selection;
};

// Names on the command line are relative to the working folder, not to the program folder.
std::string absolutePath(const std::string& name) {
    std::error_code ec;
    const auto p = std::filesystem::absolute(name, ec);
    return ec ? name : p.string();
}

std::string extensionOf(const std::string& path) {
    const std::string name = clsFileSystemObject().GetFileName(path);
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

// Reads the file as the open commands do: by its extension a multi file, a CSV file (the
// CSV submenu), or else a data file. False once the program's message has been shown.
bool openPrediction(const std::string& file, Opened& o, std::ostream& err) {
    const std::string path = absolutePath(file);
    if (!clsFileSystemObject().FileExists(path)) {
        err << "ファイルが見つかりません。\n" << path << '\n';
        return false;
    }
    const std::string ext = extensionOf(path);
    if (utf8::equalsIgnoreCase(ext, "csv")) {
        clsFileSingle csv;
        if (!csv.LoadCsvData(path)) return false;
        o.selection.SingleMode(true);
        o.selection.SetSingles(csv.TakeSingles());
        o.round = clsBrenvik().GetFileName_To_GameNo(clsFileSystemObject().GetFileName(path));
        return true;
    }
    if (!loadProgramData(err)) return false;
    if (utf8::equalsIgnoreCase(ext, "qel")) {
        clsFileMulti qel;
        if (!qel.LoadMultiData(path)) return false;
        const FileMultiData d = qel.Data();
        o.round = d.GameNo;
        o.marks = d.Marks;
        o.patternID = d.PatternID;
    } else {
        LoadedPrediction loaded;
        if (!clsTFileKVR().FileLoadKVR(path, loaded)) return false;
        o.round = loaded.Kaisaikai;
        o.marks = loaded.Marks;
        o.patternID = loaded.PatternID;
    }
    clsTFileKVR::ApplyToSelection(o.selection, o.marks, o.patternID);
    return true;
}

std::string csvLine(const SingleRecord& s) {
    std::string line;
    for (std::size_t m = 1; m <= 13; ++m) {
        if (m > 1) line += ',';
        line += std::to_string(s.Outcome[m]);
    }
    return line;
}

std::optional<MultiMarks> parseMarks(const std::string& text) {
    if (text.size() != 13 * 4 - 1) return std::nullopt;
    MultiMarks marks{};
    for (std::size_t match = 1; match <= 13; ++match) {
        const std::size_t at = (match - 1) * 4;
        if (match < 13 && text[at + 3] != ',') return std::nullopt;
        for (std::size_t k = 0; k < 3; ++k) {
            const char c = text[at + k];
            if (c < '0' || c > '3') return std::nullopt;
            marks[k * 13 + match] = static_cast<uint8_t>(c - '0');
        }
    }
    return marks;
}

std::optional<int32_t> parseNumber(const std::string& text) {
    if (text.empty() || text.size() > 11) return std::nullopt;
    std::size_t i = text[0] == '-' ? 1 : 0;
    if (i == text.size()) return std::nullopt;
    long long v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        v = v * 10 + (text[i] - '0');
    }
    if (text[0] == '-') v = -v;
    if (v < INT32_MIN || v > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(v);
}

// Keeps what the program would place on the clipboard.
class CapturedClipboard final : public Clipboard {
  public:
    CapturedClipboard() { setClipboard(this); }
    ~CapturedClipboard() override { setClipboard(nullptr); }
    void clear() override { text.clear(); }
    void setText(const std::string& t) override { text = t; }
    std::string text;
};

}  // namespace

int openCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << usage();
        return BadArguments;
    }
    Opened o;
    if (!openPrediction(args[0], o, err)) return Failed;
    out << "Kaisaikai=" << o.round << '\n';
    for (std::size_t m = 1; m <= 13; ++m) {
        char line[32];
        std::snprintf(line, sizeof line, "Multi%02zu=%d%d%d\n", m, o.marks[m], o.marks[13 + m],
                      o.marks[26 + m]);
        out << line;
    }
    out << "PatternID=" << o.patternID << '\n';
    std::string text;
    for (const SingleRecord& s : o.selection.Singles()) text += csvLine(s) + '\n';
    out << text;
    return Ok;
}

int saveKvrCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 4 && args.size() != 5) {
        err << usage();
        return BadArguments;
    }
    const auto marks = parseMarks(args[0]);
    const auto id = parseNumber(args[1]);
    const auto round = parseNumber(args[2]);
    if (!marks || !id || !round) {
        err << usage();
        return BadArguments;
    }
    if (!loadProgramData(err)) return Failed;
    VoteRecord vote;
    if (args.size() == 5) {
        clsXmlVote xml;
        if (!xml.XmlLoad(absolutePath(args[4]))) {
            err << "投票状況ファイルが読めません。\n" << absolutePath(args[4]) << '\n';
            return Failed;
        }
        vote = xml.Vote();
    }
    PatternSelection selection;
    selection.LoadedPatternID(*id);
    selection.ShowMultiHelp(*marks);
    if (!selection.SelectPatternID(*id) && (*id != 0 || selection.PatternPresent())) {
        err << "パターンID：" << *id << " はこのマルチのパターンリストにありません。\n";
        return Failed;
    }
    // As the Save As command: a name without the extension gets it.
    std::string path = absolutePath(args[3]);
    if (!utf8::equalsIgnoreCase(extensionOf(path), "kvr")) path += ".kvr";
    if (!clsTFileKVR().FileSaveKVR(path, *round, *marks, selection, vote)) return Failed;
    out << path << '\n';
    return Ok;
}

int clipCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << usage();
        return BadArguments;
    }
    Opened o;
    if (!openPrediction(args[0], o, err)) return Failed;
    basIniFile::LoadSettings();
    CurrentRound() = o.round;
    CapturedClipboard board;
    clsClipboard clip;
    const bool placed = o.selection.SingleMode()
                            ? clip.SetCsvData(o.selection.Singles(), o.selection.SingleCount())
                            : clip.SetData(o.marks, o.selection.SingleCount());
    if (!placed) return Failed;
    out << toLf(board.text);
    return Ok;
}

}  // namespace brenvik::cli
