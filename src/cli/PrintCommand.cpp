#include "cli/PrintCommand.h"

#include <filesystem>
#include <optional>

#include "app/Utf8.h"
#include "app/clsFileSystemObject.h"
#include "cli/Cli.h"
#include "cli/Library.h"
#include "engine/PatternSelection.h"
#include "engine/clsBrenvik.h"
#include "files/clsFileMulti.h"
#include "files/clsFileSingle.h"
#include "files/clsTFileKVR.h"
#include "lottery/clsTotoNo.h"
#include "printing/MarkSheetPrint.h"
#include "printing/PrinterIni.h"
#include "ui/toolkit/QtPrinterBackend.h"

namespace brenvik::cli {
namespace {

struct Arguments {
    std::string file;
    std::string pdf;
    bool test = false;
    std::optional<int32_t> round;
};

std::optional<int32_t> parseRound(const std::string& text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    int32_t v = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

std::optional<Arguments> parse(const std::vector<std::string>& args) {
    Arguments a;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--test") {
            a.test = true;
        } else if (args[i] == "--round") {
            if (i + 1 >= args.size()) return std::nullopt;
            a.round = parseRound(args[++i]);
            if (!a.round) return std::nullopt;
        } else if (args[i].rfind("--", 0) == 0) {
            return std::nullopt;
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 2) return std::nullopt;
    // Paths typed on the command line are relative to the working folder, not the program's.
    std::error_code ec;
    a.file = std::filesystem::absolute(positional[0], ec).string();
    a.pdf = std::filesystem::absolute(positional[1], ec).string();
    if (ec) return std::nullopt;
    return a;
}

// The singles of a prediction file as selection numbers, and the round the file carries.
struct FileSingles {
    std::vector<int32_t> numbers;
    int32_t round = 0;
};

std::optional<FileSingles> readSingles(const std::string& path, std::ostream& err) {
    const clsFileSystemObject fso;
    if (!fso.FileExists(path)) {
        err << "brenvik-cli: no such file: " << path << '\n';
        return std::nullopt;
    }
    const std::string ext = utf8::toLowerAscii(fso.GetExtensionName(path));
    FileSingles result;
    const clsTotoNo numbers;
    auto fromSingles = [&](const std::vector<SingleRecord>& singles) {
        for (const SingleRecord& s : singles)
            result.numbers.push_back(numbers.GetByteNo(s.Outcome));
    };
    if (ext == "csv") {
        clsFileSingle csv;
        if (!csv.LoadCsvData(path)) return std::nullopt;
        fromSingles(csv.Singles());
        result.round = clsBrenvik().GetFileName_To_GameNo(fso.GetFileName(path));
    } else if (ext == "kvr") {
        // The singles the file stores are the ones the prediction was saved (and printed) with.
        KvrData data;
        if (!clsTFileKVR().Load(path, data)) return std::nullopt;
        const auto count = std::min<std::size_t>(
            static_cast<std::size_t>(std::max(data.SingleCount, 0)), data.Singles.size());
        result.numbers.assign(data.Singles.begin(),
                              data.Singles.begin() + static_cast<std::ptrdiff_t>(count));
        result.round = data.Kaisaikai;
    } else if (ext == "qel") {
        // A multi file holds no singles: convert its multi with its pattern, as the window does.
        clsFileMulti multi;
        if (!multi.LoadMultiData(path)) return std::nullopt;
        if (!loadProgramData(err)) return std::nullopt;
        const FileMultiData data = multi.Data();
        PatternSelection selection;
        clsTFileKVR::ApplyToSelection(selection, data.Marks, data.PatternID);
        fromSingles(selection.Singles());
        result.round = data.GameNo;
    } else {
        err << "brenvik-cli: not a .kvr, .qel or .csv file: " << path << '\n';
        return std::nullopt;
    }
    return result;
}

}  // namespace

int runPrint(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    const auto a = parse(args);
    if (!a) {
        err << usage();
        return BadArguments;
    }
    const clsFileSystemObject fso;
    FileSingles singles;
    if (!a->test) {
        auto read = readSingles(a->file, err);
        if (!read) return Failed;
        singles = std::move(*read);
    }
    PrinterSettings settings = PrinterIni::Defaults("");
    const std::string ini = PrinterIni::FilePath();
    if (fso.FileExists(ini) && !PrinterIni::Load(ini, "", settings)) return Failed;

    const int32_t round = a->round.value_or(singles.round);
    const MarkSheetPrint print(std::move(singles.numbers), round, "", fso.GetFileName(a->file));
    const PrintRequest request = print.InitialRequest(settings);

    // A file is one document: the pages of separate print jobs follow one another in it.
    PrintJob pdf;
    if (a->test) {
        pdf = print.TestJob(request);
    } else {
        for (PrintJob& job : print.PrintJobs(request)) {
            if (pdf.pages.empty()) pdf.orientation = job.orientation;
            for (PrintPage& page : job.pages) pdf.pages.push_back(std::move(page));
        }
    }
    if (pdf.pages.empty()) {
        err << "brenvik-cli: no singles to print in " << a->file << '\n';
        return Failed;
    }
    std::string error;
    if (!ui::PrintJobToPdf(pdf, a->pdf, error)) {
        err << "brenvik-cli: " << error << '\n';
        return Failed;
    }
    return Ok;
}

}  // namespace brenvik::cli
