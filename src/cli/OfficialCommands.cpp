#include "cli/OfficialCommands.h"

#include <fstream>
#include <optional>
#include <sstream>

#include "app/Messages.h"
#include "app/basMain.h"
#include "cli/Cli.h"
#include "cli/StreamMessages.h"
#include "official/basTotoSettings.h"
#include "official/clsHtmlResult.h"
#include "official/clsHtmlSchedule.h"
#include "official/clsHtmlVote.h"
#include "official/clsResult.h"
#include "official/clsSchedule.h"
#include "official/clsVote.h"
#include "official/clsXmlResult.h"
#include "official/clsXmlSchedule.h"
#include "official/clsXmlVote.h"

namespace brenvik::cli {
namespace {

enum class Kind { Schedule, Vote, Result };

std::optional<Kind> parseKind(const std::string& text) {
    if (text == "schedule") return Kind::Schedule;
    if (text == "vote") return Kind::Vote;
    if (text == "result") return Kind::Result;
    return std::nullopt;
}

std::optional<int32_t> parseRound(const std::string& text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    int32_t v = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    if (v <= 0) return std::nullopt;
    return v;
}

int usageError(std::ostream& err) {
    err << usage();
    return BadArguments;
}

int fail(const FalseMessage& m) {
    messages().show(m.icon, m.title, m.text);
    return Failed;
}

int print(std::ostream& out, const std::string& xml) {
    out << toLf(xml);
    return Ok;
}

// Interim vote figures are the program's for the session only.
void noteInterim(std::ostream& err) {
    err << "note: interim figures; the program writes no cache file for them\n";
}

bool readUtf8File(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return !in.bad();
}

bool startUpChecks(std::ostream& err) {
    if (const std::string missing = basMain::CheckRequiredFiles(); !missing.empty()) {
        err << missing << '\n';
        return false;
    }
    basTotoSettings::LoadTotoSettings();
    return true;
}

}  // namespace

int cmdPage(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 3) return usageError(err);
    const auto kind = parseKind(args[0]);
    const auto round = parseRound(args[2]);
    if (!kind || !round) return usageError(err);
    std::string html;
    if (!readUtf8File(args[1], html)) {
        err << "brenvik-cli: cannot read " << args[1] << '\n';
        return Failed;
    }
    if (!startUpChecks(err)) return Failed;
    switch (*kind) {
        case Kind::Schedule: {
            clsHtmlSchedule reader;
            const bool read = reader.ReadPage(html, *round, "");
            if (!read || !clsSchedule::IsComplete(reader.Schedule()))
                return fail(clsSchedule::FalseDialogMessage(*round, reader.Unpublished()));
            clsXmlSchedule xml;
            xml.Schedule(reader.Schedule());
            return print(out, xml.GetXmlString());
        }
        case Kind::Vote: {
            clsHtmlVote reader;
            bool final = false;
            const bool read = reader.ReadPage(html, final);
            if (!read || !clsVote::IsValid(reader.Vote()))
                return fail(clsVote::FalseDialogMessage(*round, reader.Unpublished()));
            if (!final) noteInterim(err);
            clsXmlVote xml;
            xml.Vote(reader.Vote());
            return print(out, xml.GetXmlString(true));
        }
        case Kind::Result: {
            clsHtmlResult reader;
            const bool read = reader.ReadPage(html, "");
            if (!read || !clsResult::IsValid(reader.Result()))
                return fail(clsResult::FalseDialogMessage(*round, reader.Unpublished()));
            clsXmlResult xml;
            xml.Result(reader.Result());
            return print(out, xml.GetXmlString());
        }
    }
    return Failed;
}

int cmdFetch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2) return usageError(err);
    const auto kind = parseKind(args[0]);
    const auto round = parseRound(args[1]);
    if (!kind || !round) return usageError(err);
    if (!startUpChecks(err)) return Failed;
    // As the download commands: the download alone, without the question.
    switch (*kind) {
        case Kind::Schedule: {
            clsSchedule store;
            store.Initialize(nullptr);
            if (!store.GetSchedule(*round, "", 2, false)) {
                store.FalseDialog(*round);
                return Failed;
            }
            clsXmlSchedule xml;
            xml.Schedule(store.Schedule());
            return print(out, xml.GetXmlString());
        }
        case Kind::Vote: {
            clsVote store;
            store.Initialize(nullptr);
            if (!store.GetVote(*round, "", 2, false)) {
                store.FalseDialog(*round);
                return Failed;
            }
            const VoteRecord record = store.Vote();
            if (!store.CheckVoteFile(record.Kaisaikai, record.Group)) noteInterim(err);
            clsXmlVote xml;
            xml.Vote(record);
            return print(out, xml.GetXmlString(true));
        }
        case Kind::Result: {
            clsResult store;
            store.Initialize(nullptr);
            if (!store.GetResult(*round, "", 2, false)) {
                store.FalseDialog(*round);
                return Failed;
            }
            clsXmlResult xml;
            xml.Result(store.Result());
            return print(out, xml.GetXmlString());
        }
    }
    return Failed;
}

}  // namespace brenvik::cli
