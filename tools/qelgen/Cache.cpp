#include "Cache.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace qelgen {

CellEntry* ShapeCache::find(int N, int R) {
    for (auto& c : cells)
        if (c.N == N && c.R == R) return &c;
    return nullptr;
}

const CellEntry* ShapeCache::find(int N, int R) const {
    return const_cast<ShapeCache*>(this)->find(N, R);
}

bool ShapeCache::offer(int N, int R, const Revision& r) {
    CellEntry* e = find(N, R);
    if (!e) {
        cells.push_back(CellEntry{N, R, {}});
        e = &cells.back();
        Revision first = r;
        first.number = 1;
        first.frozen = false;
        e->revisions.push_back(first);
    } else {
        const Revision& cur = e->current();
        if (cur.codes == r.codes && cur.partA == r.partA && cur.partB == r.partB) return false;
        Revision next = r;
        next.frozen = false;
        if (cur.frozen) {
            next.number = cur.number + 1;
            e->revisions.push_back(next);
        } else {
            next.number = cur.number;
            e->revisions.back() = next;
        }
    }
    std::sort(cells.begin(), cells.end(), [](const CellEntry& a, const CellEntry& b) {
        return std::make_pair(a.R == 0 ? 9 : a.R, a.N) < std::make_pair(b.R == 0 ? 9 : b.R, b.N);
    });
    return true;
}

void ShapeCache::freeze() {
    for (auto& c : cells)
        for (auto& r : c.revisions) r.frozen = true;
}

std::string cachePath(const std::string& folder, int D, int T) {
    char name[32];
    std::snprintf(name, sizeof name, "/D%02dT%02d.txt", D, T);
    return folder + name;
}

ShapeCache loadShape(const std::string& folder, int D, int T) {
    ShapeCache c{D, T, {}};
    std::ifstream f(cachePath(folder, D, T));
    if (!f) return c;
    std::string line;
    CellEntry* cell = nullptr;
    Revision* rev = nullptr;
    int lineNo = 0;
    auto fail = [&] {
        throw std::runtime_error(cachePath(folder, D, T) + ":" + std::to_string(lineNo) +
                                 ": unreadable cache line");
    };
    while (std::getline(f, line)) {
        ++lineNo;
        if (line.empty() || line[0] == '#') continue;
        std::istringstream in(line);
        std::string word;
        in >> word;
        if (word == "cell" || word == "composite") {
            CellEntry e;
            if (word == "cell" && !(in >> e.N >> e.R)) fail();
            c.cells.push_back(e);
            cell = &c.cells.back();
            rev = nullptr;
        } else if (word == "rev") {
            if (!cell) fail();
            Revision r;
            std::string key;
            int frozen = 0;
            if (!(in >> r.number >> key >> frozen) || key != "frozen") fail();
            r.frozen = frozen != 0;
            if (cell->R == 0) {
                if (!(in >> key >> r.partA >> r.partB) || key != "parts") fail();
            }
            in >> key;  // "from"
            std::getline(in, r.source);
            if (!r.source.empty() && r.source[0] == ' ') r.source.erase(0, 1);
            cell->revisions.push_back(r);
            rev = &cell->revisions.back();
        } else {
            if (!rev) fail();
            rev->codes.push_back(word);
            while (in >> word) rev->codes.push_back(word);
        }
    }
    return c;
}

void saveShape(const std::string& folder, const ShapeCache& c) {
    std::ostringstream out;
    char head[96];
    std::snprintf(head, sizeof head, "# Pattern library cache of D%02dT%02d, written by qelgen.\n",
                  c.D, c.T);
    out << head << "# Released revisions (frozen 1) never change: saved predictions name them.\n";
    for (const auto& e : c.cells) {
        if (e.R == 0) {
            out << "composite\n";
        } else {
            out << "cell " << e.N << " " << e.R << "\n";
        }
        for (const auto& r : e.revisions) {
            out << "rev " << r.number << " frozen " << (r.frozen ? 1 : 0);
            if (e.R == 0) out << " parts " << r.partA << " " << r.partB;
            out << " from " << r.source << "\n";
            for (std::size_t i = 0; i < r.codes.size(); ++i)
                out << r.codes[i] << ((i % 12 == 11 || i + 1 == r.codes.size()) ? "\n" : " ");
        }
    }
    std::filesystem::create_directories(folder);
    const std::string path = cachePath(folder, c.D, c.T);
    const std::string tmp = path + ".tmp";
    {
        std::ofstream f(tmp, std::ios::binary);
        f << out.str();
        if (!f) throw std::runtime_error("cannot write " + tmp);
    }
    std::filesystem::rename(tmp, path);
}

}  // namespace qelgen
