#include "cli/PayoutCommands.h"

#include <filesystem>
#include <optional>

#include "cli/Cli.h"
#include "engine/MultiTypes.h"
#include "files/clsTFileKVR.h"
#include "lottery/clsTotoNo.h"
#include "payout/MoneyListModel.h"
#include "payout/clsCheckLogic.h"
#include "payout/clsPrizeText.h"

namespace brenvik::cli {
namespace {

int badArguments(std::ostream& err) {
    err << usage();
    return BadArguments;
}

// RESULT: 13 characters, one per match: 0, 1, 2, 3 (void, all three outcomes) or "-" (no
// result yet); as the marks of the result multi.
std::optional<MultiMarks> parseResult(const std::string& text) {
    if (text.size() != 13) return std::nullopt;
    MultiMarks marks{};
    for (std::size_t j = 1; j <= 13; ++j) {
        const char c = text[j - 1];
        const bool home = c == '1' || c == '3';
        const bool draw = c == '0' || c == '3';
        const bool away = c == '2' || c == '3';
        if (!home && !draw && !away && c != '-') return std::nullopt;
        marks[j] = home;
        marks[13 + j] = draw;
        marks[26 + j] = away;
    }
    return marks;
}

// The data file's record; false after the program's message.
bool loadKvr(const std::string& path, KvrData& data, std::ostream& err) {
    // Paths on the command line are the shell's: relative to the working folder.
    const std::string full = std::filesystem::absolute(path).string();
    clsTFileKVR file;
    int32_t version = 0;
    if (!file.DataTypeCheck(full, version)) {
        err << "Brenvikのファイルではありません。\n";
        return false;
    }
    if (!file.Load(full, data)) {
        err << "ファイルの読込に失敗しました。\n";
        return false;
    }
    return true;
}

std::vector<int32_t> storedSingles(const KvrData& data) {
    const auto n = static_cast<std::size_t>(std::max(data.SingleCount, 0));
    return std::vector<int32_t>(
        data.Singles.begin(),
        data.Singles.begin() + static_cast<std::ptrdiff_t>(std::min(n, data.Singles.size())));
}

}  // namespace

int payoutCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args.size() > 2) return badArguments(err);
    std::optional<MultiMarks> result = MultiMarks{};
    if (args.size() == 2) result = parseResult(args[1]);
    if (!result) return badArguments(err);
    KvrData data;
    if (!loadKvr(args[0], data, err)) return Failed;
    if (!MoneyListModel::CheckVote(data.Vote)) return Failed;
    std::vector<int32_t> singles = storedSingles(data);
    if (singles.empty()) singles = MoneyListModel::OpeningSingles({});
    MoneyListModel list;
    if (!list.Open(data.Vote, std::move(singles), MoneyListModel::BuildResultFilter(*result)))
        return Failed;
    std::string chunk;
    for (int32_t r = 0; r < list.RowCount(); ++r) {
        for (int32_t c = 0; c < MoneyListModel::FillerColumn; ++c) {
            if (c > 0) chunk += '\t';
            chunk += list.Text(r, c);
        }
        chunk += '\n';
        if (chunk.size() > (1u << 16)) {
            out << chunk;
            chunk.clear();
        }
    }
    out << chunk;
    return Ok;
}

int gradeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2) return badArguments(err);
    const auto result = parseResult(args[1]);
    if (!result) return badArguments(err);
    KvrData data;
    if (!loadKvr(args[0], data, err)) return Failed;
    const clsTotoNo no;
    std::vector<SingleRecord> singles;
    for (const int32_t n : storedSingles(data)) {
        if (!no.CheckNo(n)) {
            err << "シングルの番号が範囲外です: " << n << '\n';
            return Failed;
        }
        SingleRecord s;
        s.Outcome = no.GetNoByte(n);
        singles.push_back(s);
    }
    clsCheckLogic check;
    clsCheckLogic::ShowFlags show;
    show.fill(false);  // only the counts are printed
    const GradingCounts counts = check.Grade(singles, *result, show);
    static const char* const names[] = {"1等", "2等", "3等", "4等", "等外"};
    for (std::size_t g = 0; g < 5; ++g) out << names[g] << '\t' << counts.Counts[g] << '\n';
    for (const std::string& line : clsPrizeText::Lines(counts)) out << line << '\n';
    return Ok;
}

}  // namespace brenvik::cli
