#include "cli/Cli.h"

#include <functional>
#include <map>
#include <optional>

#include "app/Utf8.h"
#include "app/basMain.h"
#include "cli/FileCommands.h"
#include "cli/Library.h"
#include "cli/PayoutCommands.h"
#include "cli/PrintCommand.h"
#include "cli/OfficialCommands.h"
#include "cli/StreamMessages.h"
#include "engine/PatternSelection.h"
#include "engine/PatternTable.h"
#include "engine/basPattern.h"

namespace brenvik::cli {
namespace {

struct Context {
    const std::vector<std::string>& args;  // after the command name
    std::ostream& out;
    std::ostream& err;
};

using Command = std::function<int(Context&)>;

// 13 groups of three mark digits (outcomes 1, 0, 2), joined by ",".
std::optional<MultiMarks> parseMulti(const std::string& text) {
    MultiMarks marks{};
    std::size_t pos = 0;
    for (int match = 1; match <= 13; ++match) {
        if (match > 1) {
            if (pos >= text.size() || text[pos] != ',') return std::nullopt;
            ++pos;
        }
        if (pos + 3 > text.size()) return std::nullopt;
        for (int column = 0; column < 3; ++column) {
            const char c = text[pos + static_cast<std::size_t>(column)];
            if (c < '0' || c > '3') return std::nullopt;
            marks[static_cast<std::size_t>(column * 13 + match)] = static_cast<uint8_t>(c - '0');
        }
        pos += 3;
    }
    if (pos != text.size()) return std::nullopt;
    return marks;
}

std::optional<int32_t> parseInt(const std::string& text) {
    if (text.empty() || text.size() > 10) return std::nullopt;
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

// The plain text of the help panel's last non-empty print (colour marks removed).
std::string lastHelpText(const PatternSelection& selection) {
    const auto& prints = selection.Help().Prints();
    for (auto it = prints.rbegin(); it != prints.rend(); ++it) {
        if (it->empty()) continue;
        std::string plain;
        for (std::size_t i = 0; i < it->size(); ++i) {
            if ((*it)[i] == '\\' && i + 1 < it->size()) {
                ++i;  // "\digit" is a colour, "\/" ends the line
                continue;
            }
            plain += (*it)[i];
        }
        return plain;
    }
    return {};
}

int badArguments(Context& c) {
    c.err << usage();
    return BadArguments;
}

int cmdCheck(Context& c) {
    if (!c.args.empty()) return badArguments(c);
    if (!loadProgramData(c.err)) return Failed;
    c.out << "ok\n";
    return Ok;
}

// The pattern list of a multi; false (with the help text on standard error) when it has none.
bool listPatterns(Context& c, const MultiMarks& marks, PatternSelection& selection) {
    selection.ShowMultiHelp(marks);
    if (!selection.PatternPresent()) {
        c.err << lastHelpText(selection) << '\n';
        return false;
    }
    return true;
}

int cmdPatterns(Context& c) {
    if (c.args.size() != 1) return badArguments(c);
    const auto marks = parseMulti(c.args[0]);
    if (!marks) return badArguments(c);
    if (!loadProgramData(c.err)) return Failed;
    PatternSelection selection;
    if (!listPatterns(c, *marks, selection)) return Failed;
    const auto& rows = selection.lstQel();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int32_t index = selection.ListToPattern()[i];
        c.out << PatternTable().at(index).ID << '\t' << rows[i] << '\n';
    }
    return Ok;
}

int cmdExpand(Context& c) {
    if (c.args.size() != 2) return badArguments(c);
    const auto marks = parseMulti(c.args[0]);
    const auto id = parseInt(c.args[1]);
    if (!marks || !id) return badArguments(c);
    if (!loadProgramData(c.err)) return Failed;
    PatternSelection selection;
    selection.LoadedPatternID(*id);
    if (!listPatterns(c, *marks, selection)) return Failed;
    if (!selection.SelectPatternID(*id)) {
        c.err << "パターンID：" << *id << " はこのマルチのパターンリストにありません。\n";
        return Failed;
    }
    selection.SetQelData(*marks);
    std::string line;
    for (const SingleRecord& s : selection.Singles()) {
        line.clear();
        for (int m = 1; m <= 13; ++m) {
            if (m > 1) line += ',';
            line += static_cast<char>('0' + s.Outcome[static_cast<std::size_t>(m)]);
        }
        line += '\n';
        c.out << line;
    }
    return Ok;
}

int cmdReport(Context& c) {
    if (c.args.empty() || c.args.size() > 2) return badArguments(c);
    const auto id = parseInt(c.args[0]);
    const auto n = c.args.size() == 2 ? parseInt(c.args[1]) : std::optional<int32_t>(0);
    if (!id || !n) return badArguments(c);
    if (!loadProgramData(c.err)) return Failed;
    const int32_t index = PatternTable().findID(*id);
    if (index == 0) {
        c.err << "パターンID：" << *id << " が見つかりません。\n";
        return Failed;
    }
    const PatternRecord& p = PatternTable().at(index);
    // The pattern view's choice of text.
    const int32_t condition = p.Kind == KindPlain ? KindPlain : *n;
    std::string text;
    if (condition >= 0 && condition <= 13) {
        std::string codes;
        for (const auto& code : p.Codes) codes += (codes.empty() ? "" : " ") + code;
        text = basPattern::PatternReport(p.Doubles, p.Triples, utf8::trim(codes), condition);
    } else if (condition == KindComposite) {
        text = "条件マルチ 「合成理論のため未確定」";
    } else if (condition == KindPlain) {
        text = "通常マルチです";
    }
    text = toLf(text);
    c.out << text;
    if (!text.empty() && text.back() != '\n') c.out << '\n';
    return Ok;
}

const std::map<std::string, Command>& commands() {
    static const std::map<std::string, Command> table = {
        {"check", cmdCheck},
        {"patterns", cmdPatterns},
        {"expand", cmdExpand},
        {"report", cmdReport},
        {"print", [](Context& c) { return runPrint(c.args, c.out, c.err); }},
        {"open", [](Context& c) { return openCommand(c.args, c.out, c.err); }},
        {"save-kvr", [](Context& c) { return saveKvrCommand(c.args, c.out, c.err); }},
        {"clip", [](Context& c) { return clipCommand(c.args, c.out, c.err); }},
        {"payout", [](Context& c) { return payoutCommand(c.args, c.out, c.err); }},
        {"grade", [](Context& c) { return gradeCommand(c.args, c.out, c.err); }},
        {"page", [](Context& c) { return cmdPage(c.args, c.out, c.err); }},
        {"fetch", [](Context& c) { return cmdFetch(c.args, c.out, c.err); }},
    };
    return table;
}

}  // namespace

std::string usage() {
    return "usage: brenvik-cli COMMAND [ARGUMENTS]\n"
           "  check                 run the start-up checks and load the pattern library\n"
           "  patterns MULTI        the pattern list of a multi: ID, TAB, row text\n"
           "  expand MULTI ID       the singles of a multi with the pattern ID, as CSV lines\n"
           "  report ID [N]         the analysis of pattern ID under condition N (default 0)\n"
           "  print FILE OUT.pdf [--test] [--round N]\n"
           "                        the mark sheets of a .kvr, .qel or .csv file's singles (or\n"
           "                        the test print) as a PDF, with SysData/Printer.ini\n"
           "  open FILE             a .kvr, .qel or .csv file as the program opens it: round,\n"
           "                        marks, pattern ID, then the singles as CSV lines\n"
           "  save-kvr MULTI ID ROUND OUT [VOTEFILE]\n"
           "                        the data file the program saves, with a cached vote file\n"
           "  clip FILE             the clipboard text of a file's prediction, with the\n"
           "                        settings of SysData/Brenvik.ini\n"
           "  payout FILE [RESULT]  the payout list of a data file's singles, columns 0-23 as TSV\n"
           "  grade FILE RESULT     the five grade counts of a data file's singles and the\n"
           "                        prize counter; RESULT is 13 of 0, 1, 2, 3 (void), - (none)\n"
           "  page KIND FILE ROUND  a saved official page (UTF-8) read as a download: the cache\n"
           "                        file text the program would write for it\n"
           "  fetch KIND ROUND      download the official page, cache it as the program does,\n"
           "                        and print that text; KIND is schedule, vote or result\n"
           "MULTI is 13 groups of three mark digits (outcomes 1, 0, 2; 0 none, 1 favourite,\n"
           "2 contender or plain mark, 3 longshot) joined by \",\", e.g. 100,120,123,...\n";
}

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    StreamMessages messages(err);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        (args.empty() ? err : out) << usage();
        return args.empty() ? BadArguments : Ok;
    }
    const auto it = commands().find(args[0]);
    if (it == commands().end()) {
        err << "brenvik-cli: unknown command '" << args[0] << "'\n" << usage();
        return BadArguments;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    Context c{rest, out, err};
    try {
        return it->second(c);
    } catch (const std::exception& e) {
        err << "brenvik-cli: " << e.what() << '\n';
        return Failed;
    }
}

}  // namespace brenvik::cli
