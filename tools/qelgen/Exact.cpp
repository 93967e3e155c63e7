#include "Exact.h"

#include <algorithm>

namespace qelgen {

namespace {

class Dfs {
  public:
    Dfs(const Problem& p, int64_t limit) : limit_(limit) {
        const Space& s = *p.space;
        n_ = s.size();
        ball_.resize(static_cast<std::size_t>(n_) * p.ball.size());
        b_ = p.ball.size();
        for (int32_t w = 0; w < n_; ++w)
            for (std::size_t j = 0; j < b_; ++j)
                ball_[static_cast<std::size_t>(w) * b_ + j] = apply(s, w, p.ball[j]);
        count_.assign(static_cast<std::size_t>(n_), 0);
        banned_.assign(static_cast<std::size_t>(n_), 0);
        uncovered_ = n_;
    }

    ExactResult run(int words) {
        ExactResult r;
        if (words <= 0 || words >= n_) {
            r.decided = true;
            r.coverable = words >= n_;
            return r;
        }
        pick(0, +1);
        const bool ok = search(words - 1);
        r.nodes = nodes_;
        r.decided = nodes_ <= limit_;
        r.coverable = ok;
        if (ok) r.cover = chosen_;
        return r;
    }

  private:
    const int32_t* ballOf(int32_t w) const { return &ball_[static_cast<std::size_t>(w) * b_]; }
    void pick(int32_t w, int sign) {
        const int32_t* b = ballOf(w);
        for (std::size_t j = 0; j < b_; ++j) {
            int32_t& c = count_[static_cast<std::size_t>(b[j])];
            if (sign > 0) {
                uncovered_ -= c == 0;
                ++c;
            } else {
                --c;
                uncovered_ += c == 0;
            }
        }
        if (sign > 0)
            chosen_.push_back(w);
        else
            chosen_.pop_back();
    }
    int64_t gain(int32_t w) const {
        const int32_t* b = ballOf(w);
        int64_t g = 0;
        for (std::size_t j = 0; j < b_; ++j) g += count_[static_cast<std::size_t>(b[j])] == 0;
        return g;
    }

    bool search(int left) {
        if (uncovered_ == 0) return true;
        if (left == 0 || ++nodes_ > limit_) return false;
        // The uncovered word with the fewest useful candidates, and the best gain anywhere.
        int64_t most = 0;
        int32_t target = -1;
        int fewest = INT32_MAX;
        for (int32_t w = 0; w < n_; ++w) {
            if (!banned_[static_cast<std::size_t>(w)]) most = std::max(most, gain(w));
            if (count_[static_cast<std::size_t>(w)] != 0) continue;
            int usable = 0;
            const int32_t* b = ballOf(w);  // the ball is symmetric: its words are the candidates
            for (std::size_t j = 0; j < b_; ++j) usable += !banned_[static_cast<std::size_t>(b[j])];
            if (usable < fewest) fewest = usable, target = w;
        }
        if (fewest == 0 || uncovered_ > static_cast<int64_t>(left) * most) return false;
        std::vector<std::pair<int64_t, int32_t>> cand;
        const int32_t* b = ballOf(target);
        for (std::size_t j = 0; j < b_; ++j)
            if (!banned_[static_cast<std::size_t>(b[j])]) cand.emplace_back(-gain(b[j]), b[j]);
        std::sort(cand.begin(), cand.end());
        std::vector<int32_t> bannedHere;
        bool ok = false;
        for (const auto& [g, c] : cand) {
            pick(c, +1);
            ok = search(left - 1);
            if (ok) break;
            pick(c, -1);
            if (nodes_ > limit_) break;
            // Covers using c were all tried: the siblings do without it.
            banned_[static_cast<std::size_t>(c)] = 1;
            bannedHere.push_back(c);
        }
        for (int32_t c : bannedHere) banned_[static_cast<std::size_t>(c)] = 0;
        return ok;
    }

    int64_t limit_;
    int32_t n_ = 0;
    std::size_t b_ = 0;
    std::vector<int32_t> ball_, count_, chosen_;
    std::vector<uint8_t> banned_;
    int64_t uncovered_ = 0, nodes_ = 0;
};

}  // namespace

ExactResult exactCover(const Problem& p, int words, int64_t nodeLimit) {
    Dfs d(p, nodeLimit);
    return d.run(words);
}

}  // namespace qelgen
