#include "payout/clsMoney.h"

#include <cmath>

namespace brenvik {
namespace {

__extension__ typedef __int128 I128;

Currency dec(int64_t tenThousandths) {
    return Currency::fromRaw(tenThousandths);
}

// Exact product of two 4-decimal values, rounded half to even to 4 decimals.
Currency times(Currency a, Currency b) {
    const I128 product = static_cast<I128>(a.raw()) * b.raw();
    I128 q = product / Currency::Scale;
    const I128 r = product % Currency::Scale;
    const I128 twice = 2 * (r < 0 ? -r : r);
    if (twice > Currency::Scale || (twice == Currency::Scale && (q & 1) != 0)) q += r < 0 ? -1 : 1;
    return Currency::fromRaw(static_cast<int64_t>(q));
}

// Floating-point division as the classic runtime raises it: x / 0 is error 11, 0 / 0 error 6.
double divide(double a, double b) {
    if (b == 0) err::raise(a == 0 ? err::Overflow : err::DivisionByZero);
    return a / b;
}

}  // namespace

PrizeParameters clsMoney::Parameters(int32_t lngRound) {
    const auto row = [](int64_t r, int64_t s1, int64_t s2, int64_t s3) {
        PrizeParameters p;
        p.R = dec(r);
        p.S = {Currency(), dec(s1), dec(s2), dec(s3)};
        return p;
    };
    if (lngRound <= 155) return row(4700, 5000, 2000, 3000);
    if (lngRound <= 197) return row(5000, 5000, 2000, 3000);
    if (lngRound <= 260) return row(5000, 8000, 2000, 0);
    return row(5000, 7000, 1500, 1500);
}

void clsMoney::SetVote(const VoteRecord& vote) {
    vote_ = vote;
    const PrizeParameters prm = Parameters(vote.Kaisaikai);
    const Currency hundredR = times(Currency::fromInteger(100), prm.R);
    pool_[0] = 0;
    for (std::size_t k = 1; k <= 3; ++k) pool_[k] = times(hundredR, prm.S[k]).toDouble() * 1e26;
    for (std::size_t i = 1; i <= 13; ++i) {
        const auto& o = vote.Matches[i].Outcomes;
        const auto t = static_cast<double>((o[0].Votes + o[1].Votes + o[2].Votes).roundToInteger());
        for (std::size_t k = 0; k < 3; ++k) {
            p_[i][k] = divide(o[k].Votes.toDouble(), t) * 100;
            q_[i][k] = 100 - p_[i][k];
        }
    }
}

double clsMoney::P(int32_t match, int32_t outcome) const {
    return p_.at(static_cast<std::size_t>(match)).at(static_cast<std::size_t>(outcome));
}

double clsMoney::Q(int32_t match, int32_t outcome) const {
    return q_.at(static_cast<std::size_t>(match)).at(static_cast<std::size_t>(outcome));
}

std::optional<RuntimeError> clsMoney::Calculate() {
    try {
        // a = P and b = Q of each match's pick. Every product starts at 1 and runs in match
        // order, so a shared prefix of P's is the very same chain of operations; only the
        // prefixes are shared, never regrouped.
        std::array<double, 14> a{};
        std::array<double, 14> b{};
        for (std::size_t i = 1; i <= 13; ++i) {
            const uint8_t s = single_[i];
            if (s > 2) err::raise(err::SubscriptOutOfRange);
            a[i] = p_[i][s];
            b[i] = q_[i][s];
        }
        std::array<double, 14> prefix{};  // prefix[n] = 1 * a1 * ... * an
        prefix[0] = 1;
        for (std::size_t i = 1; i <= 13; ++i) prefix[i] = prefix[i - 1] * a[i];
        const double d1 = prefix[13];

        double d2 = 0;
        double d3 = 0;
        for (std::size_t i = 1; i <= 13; ++i) {
            const double head = prefix[i - 1] * b[i];
            double t = head;
            for (std::size_t l = i + 1; l <= 13; ++l) t *= a[l];
            d2 += t;
        }
        for (std::size_t i = 1; i <= 12; ++i) {
            double run = prefix[i - 1] * b[i];  // 1 * ... * Q(i) * a(i+1) ... a(j-1)
            for (std::size_t j = i + 1; j <= 13; ++j) {
                double t = run * b[j];
                for (std::size_t l = j + 1; l <= 13; ++l) t *= a[l];
                d3 += t;
                run *= a[j];
            }
        }

        const std::array<double, 4> d{0, d1, d2, d3};
        std::array<Currency, 4> money{};
        for (std::size_t k = 1; k <= 3; ++k) money[k] = WholeYen(divide(pool_[k], d[k]));
        money_ = money;
        return std::nullopt;
    } catch (const RuntimeError& e) {
        money_ = {};
        return e;
    }
}

bool clsMoney::GetMoney() {
    const auto failure = Calculate();
    if (failure) report_.error("GetMoney", *failure);
    return !failure;
}

Currency clsMoney::WholeYen(double value) {
    if (value > Cap) return Currency::fromInteger(99999999999);
    if (std::isnan(value) || value < -Cap) err::raise(err::Overflow);
    // value = mantissa * 2^exponent exactly; value * 10000 rounded half to even in integers.
    int exponent = 0;
    const double fraction = std::frexp(value, &exponent);
    const auto mantissa = static_cast<int64_t>(std::ldexp(fraction, 53));
    exponent -= 53;
    I128 scaled = static_cast<I128>(mantissa) * Currency::Scale;
    I128 raw;
    if (exponent >= 0) {
        raw = scaled << exponent;
    } else if (exponent < -120) {
        raw = 0;
    } else {
        const I128 unit = static_cast<I128>(1) << -exponent;
        raw = scaled >= 0 ? scaled / unit : -((-scaled) / unit);
        I128 rest = scaled - raw * unit;
        if (rest < 0) rest = -rest;
        if (2 * rest > unit || (2 * rest == unit && (raw & 1) != 0)) raw += scaled < 0 ? -1 : 1;
    }
    // Cut down to the whole yen, toward minus infinity.
    I128 whole = raw / Currency::Scale;
    if (raw % Currency::Scale < 0) --whole;
    return Currency::fromInteger(static_cast<int64_t>(whole));
}

}  // namespace brenvik
