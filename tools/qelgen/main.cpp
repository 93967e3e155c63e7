// qelgen: builds the pattern library Qel.dat from constructions and covering-code search.
//
//   qelgen update                 fill the cache from constructions (seconds)
//   qelgen search [options]       improve cells by tabu search (long; run in the background)
//   qelgen regenerate FILE        write the library from the cache
//   qelgen check FILE             exit 1 unless FILE is what the cache regenerates
//   qelgen summary FILE           write the figures page
//   qelgen matrix --cell D,T,ROWS,R   fixed check matrices for one cell (see below)
//   qelgen cosets M --cell D,T,ROWS,R   matrix and M syndromes together for one cell
//   qelgen exact K --cell D,T,0,R   whether K words can cover the shape (exhaustive)
//   qelgen freeze                 mark every revision released (before shipping)
//
// Options: --cache DIR, --steps N, --attempts N, --cell D,T,N,R (repeatable), --no-matrix,
// --no-plain (check-matrix search only), --max-syndromes N, --whole (whole-shape cells only),
// --unmet (skip cells within 5 % of the record or below the construction bound),
// --max-universe N, --pure / --not-pure (whole-shape cells of pure shapes only / all others),
// --cosets (whole-shape cells by `cosets` over the splits with the most slack),
// --seconds S (cap per cell and method), --first-attempt N (`cosets`: start at seed N),
// --weighted (`cosets`, `search --cosets`: words weigh more the longer they stay uncovered),
// --generator c0,...,1 (`cosets`: fix H to the polynomial matrix, column i = x^i mod g),
// --columns C1,...,Cn (`cosets`: fix H to these columns, codes over the rows, most significant
// row first).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "Exact.h"
#include "Library.h"
#include "MatrixSearch.h"
#include "Summary.h"
#include "Update.h"

using namespace qelgen;

namespace {

std::string readFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

bool writeFile(const std::string& path, const std::string& bytes) {
    const std::string tmp = path + ".tmp";
    {
        std::ofstream f(tmp, std::ios::binary);
        f << bytes;
        if (!f) return false;
    }
    return std::rename(tmp.c_str(), path.c_str()) == 0;
}

int usage() {
    std::fprintf(stderr,
                 "usage: qelgen update|search|regenerate FILE|check FILE|summary FILE|freeze "
                 "[--cache DIR] [--steps N] [--attempts N] [--cell D,T,N,R] [--no-matrix]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string command = argv[1];
    std::string cache = QELGEN_CACHE_DIR, file, reference = QELGEN_REFERENCE;
    SearchOptions opt;
    std::vector<int> generator;
    std::vector<std::string> columns;
    for (int i = 2; i < argc; ++i) {
        const std::string a = argv[i];
        auto next = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (a == "--cache") {
            cache = next();
        } else if (a == "--steps") {
            opt.steps = std::atoll(next().c_str());
        } else if (a == "--attempts") {
            opt.attempts = std::atoi(next().c_str());
        } else if (a == "--weighted") {
            opt.weighted = true;
        } else if (a == "--first-attempt") {
            opt.firstAttempt = std::atoi(next().c_str());
        } else if (a == "--pure") {
            opt.pureWhole = 1;
        } else if (a == "--not-pure") {
            opt.pureWhole = -1;
        } else if (a == "--seconds") {
            opt.cellSeconds = std::atof(next().c_str());
        } else if (a == "--whole") {
            opt.whole = true;
        } else if (a == "--unmet") {
            opt.unmet = true;
        } else if (a == "--no-plain") {
            opt.plain = false;
        } else if (a == "--max-syndromes") {
            opt.maxSyndromes = std::atoll(next().c_str());
        } else if (a == "--cosets") {
            opt.cosets = true;
        } else if (a == "--no-matrix") {
            opt.matrix = false;
        } else if (a == "--max-universe") {
            opt.maxUniverse = std::atoll(next().c_str());
        } else if (a == "--generator") {
            std::stringstream list(next());
            for (std::string k; std::getline(list, k, ',');)
                generator.push_back(std::atoi(k.c_str()));
        } else if (a == "--columns") {
            std::stringstream list(next());
            for (std::string k; std::getline(list, k, ',');) columns.push_back(k);
        } else if (a == "--cell") {
            Cell c;
            if (std::sscanf(next().c_str(), "%d,%d,%d,%d", &c.D, &c.T, &c.N, &c.R) != 4)
                return usage();
            opt.only.push_back(c);
        } else if (file.empty() && a[0] != '-') {
            file = a;
        } else {
            return usage();
        }
    }
    try {
        if (command == "update") {
            std::printf("%d changed\n", updateFromConstructions(cache, true));
        } else if (command == "search") {
            opt.reference = reference;
            std::printf("%d improved\n", searchCells(cache, opt));
        } else if (command == "regenerate" && !file.empty()) {
            if (!writeFile(file, libraryBytes(cache))) return 1;
        } else if (command == "check" && !file.empty()) {
            const std::string want = libraryBytes(cache), have = readFile(file);
            if (want != have) {
                std::fprintf(stderr, "%s is not what the cache regenerates (%zu bytes, want %zu)\n",
                             file.c_str(), have.size(), want.size());
                return 1;
            }
            std::printf("%s matches the cache\n", file.c_str());
        } else if (command == "summary" && !file.empty()) {
            if (!writeFile(file, summaryMarkdown(cache, reference))) return 1;
        } else if (command == "anneal" && !file.empty()) {
            // One syndrome search, for tuning: --cell D,T,rows,R with the rows as BINARY*100 +
            // TERNARY and FILE the number of syndromes.
            if (opt.only.size() != 1) return usage();
            const Cell c = opt.only.front();
            SyndromeSearch s;
            s.binary = c.D;
            s.ternary = c.T;
            s.rowsBinary = c.N / 100;
            s.rowsTernary = c.N % 100;
            s.radius = c.R;
            s.size = std::atoi(file.c_str());
            s.steps = opt.steps;
            s.seconds = opt.cellSeconds;
            for (int a = 0; a < opt.attempts; ++a) {
                s.seed = static_cast<uint64_t>(a + 1);
                CheckMatrix h;
                std::vector<int32_t> set;
                const auto t0 = std::chrono::steady_clock::now();
                const bool ok = annealSyndromes(s, h, set);
                std::printf(
                    "seed %d: %s in %.2fs\n", a + 1, ok ? "covered" : "failed",
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
            }
        } else if (command == "matrix") {
            // Fixed random check matrices, syndromes by tabu search: --cell D,T,rows,R with the
            // rows as BINARY*100 + TERNARY, --attempts matrices, --seconds in all.
            if (opt.only.size() != 1) return usage();
            const Cell c = opt.only.front();
            const bool better = searchFixedMatrices(
                cache, Cell{c.D, c.T, 0, c.R}, c.N / 100, c.N % 100, opt.attempts,
                opt.cellSeconds > 0 ? opt.cellSeconds : 60, opt.steps);
            std::printf("%s\n", better ? "improved" : "no gain");
        } else if (command == "cosets" && !file.empty()) {
            // Matrix and syndromes searched together: --cell D,T,rows,R with the rows as
            // BINARY*100 + TERNARY, FILE the number of syndromes, --seconds per attempt.
            if (opt.only.size() != 1) return usage();
            const Cell c = opt.only.front();
            const bool better = searchCosetCell(
                cache, Cell{c.D, c.T, 0, c.R}, c.N / 100, c.N % 100, std::atoi(file.c_str()),
                opt.attempts, opt.cellSeconds > 0 ? opt.cellSeconds : 60,
                opt.steps == SearchOptions{}.steps ? 0 : opt.steps, std::getenv("QELGEN_TRACE"),
                generator, opt.firstAttempt, opt.weighted, columns);
            std::printf("%s\n", better ? "improved" : "no gain");
        } else if (command == "exact" && !file.empty()) {
            // Whether FILE words can cover the whole shape --cell D,T,0,R; --steps caps the nodes
            // (a billion unless given).
            if (opt.only.size() != 1) return usage();
            const Cell c = opt.only.front();
            const Space s(c.D, c.T);
            const Problem p = plainProblem(s, c.R, 0);
            const auto t0 = std::chrono::steady_clock::now();
            const ExactResult r =
                exactCover(p, std::atoi(file.c_str()),
                           opt.steps == SearchOptions{}.steps ? int64_t{1000000000} : opt.steps);
            std::printf(
                "%s with %s words: %s (%lld nodes, %.1f s)\n", c.name().c_str(), file.c_str(),
                !r.decided    ? "undecided"
                : r.coverable ? "coverable"
                              : "impossible",
                static_cast<long long>(r.nodes),
                std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
            return r.decided ? 0 : 3;
        } else if (command == "freeze") {
            for (const auto& [D, T] : shapes()) {
                ShapeCache sc = loadShape(cache, D, T);
                if (sc.cells.empty()) continue;
                sc.freeze();
                saveShape(cache, sc);
            }
        } else {
            return usage();
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qelgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
