#include "payout/MoneyListModel.h"

#include <algorithm>
#include <cstdio>

#include "app/BusyPointer.h"
#include "app/Classic.h"
#include "app/RuntimeError.h"
#include "app/clsFileStream.h"
#include "lottery/clsTotoNo.h"
#include "payout/NumberFormat.h"

namespace brenvik {
namespace {

constexpr std::array<int32_t, 14> Power3 = {1,    3,    9,     27,    81,     243,    729,
                                            2187, 6561, 19683, 59049, 177147, 531441, 1594323};

// Outcome of match m (1..13) of a selection number.
int32_t digitOf(int32_t no, int32_t match) {
    return (no / Power3[static_cast<std::size_t>(match - 1)]) % 3;
}

}  // namespace

const std::array<MoneyColumn, MoneyListModel::ColumnCount>& MoneyListModel::Columns() {
    using A = ColumnAlignment;
    static const std::array<MoneyColumn, ColumnCount> columns = {{
        {"No.", 50, A::Right},      {"1", 25, A::Center},       {"2", 25, A::Center},
        {"3", 25, A::Center},       {"4", 25, A::Center},       {"5", 25, A::Center},
        {"6", 25, A::Center},       {"7", 25, A::Center},       {"8", 25, A::Center},
        {"9", 25, A::Center},       {"10", 30, A::Center},      {"11", 30, A::Center},
        {"12", 30, A::Center},      {"13", 30, A::Center},      {"１等配当", 90, A::Right},
        {"２等配当", 80, A::Right}, {"３等配当", 80, A::Right}, {"当数", 40, A::Center},
        {"1", 25, A::Center},       {"0", 25, A::Center},       {"2", 25, A::Center},
        {"順当", 30, A::Center},    {"波乱", 30, A::Center},    {"0+波乱", 30, A::Center},
        {"", 1, A::Center},
    }};
    return columns;
}

MoneyListModel::ResultFilter MoneyListModel::BuildResultFilter(const MultiMarks& resultMarks) {
    ResultFilter filter{};
    for (std::size_t i = 1; i <= 13; ++i) {
        const bool draw = resultMarks[13 + i] != 0;
        const bool home = resultMarks[i] != 0;
        const bool away = resultMarks[26 + i] != 0;
        const bool none = !draw && !home && !away;
        filter[(i - 1) * 3 + 0] = none || draw;
        filter[(i - 1) * 3 + 1] = none || home;
        filter[(i - 1) * 3 + 2] = none || away;
    }
    return filter;
}

MoneyListModel::ResultFilter MoneyListModel::AllPossible() {
    ResultFilter filter;
    filter.fill(true);
    return filter;
}

std::vector<int32_t> MoneyListModel::OpeningSingles(const std::vector<SingleRecord>& singles) {
    if (singles.empty()) return {0, (clsTotoNo::kCount - 1) / 2, clsTotoNo::kCount - 1};
    const clsTotoNo no;
    std::vector<int32_t> list;
    list.reserve(singles.size());
    for (const SingleRecord& s : singles) list.push_back(no.GetByteNo(s.Outcome));
    return list;
}

bool MoneyListModel::CheckVote(const VoteRecord& vote) {
    if (vote.Kaisaikai != 0) return true;
    showInformation(" 推定配当",
                    "投票状況データがみつかりません。\r\n投票状況をダウンロードして下さい。");
    return false;
}

std::string MoneyListModel::Caption(const VoteRecord& vote) {
    char asOf[32];
    std::snprintf(asOf, sizeof asOf, "%04d/%02d/%02d %02d:%02d", vote.AsOf.year(),
                  vote.AsOf.month(), vote.AsOf.day(), vote.AsOf.hour(), vote.AsOf.minute());
    return " 第" + std::to_string(vote.Kaisaikai) + "回 " + asOf + " 推定配当";
}

void MoneyListModel::Fill(const VoteRecord& vote, std::vector<int32_t> singles,
                          const ResultFilter& filter) {
    BusyScope busy;
    for (const int32_t no : singles)
        if (no < 0 || no >= clsTotoNo::kCount) err::raise(err::SubscriptOutOfRange);
    clsMoney money;
    money.SetVote(vote);  // throws for a match without votes: the window does not open
    clsDeme deme;
    deme.SetVote(vote);

    rows_.clear();
    order_.clear();
    sortColumn_ = -1;
    descending_ = false;
    checkedCount_ = selectedCount_ = moneyFailures_ = 0;
    rows_.resize(singles.size());
    order_.resize(singles.size());

    std::optional<RuntimeError> firstFailure;
    std::array<uint8_t, 14> outcomes{};
    for (std::size_t r = 0; r < singles.size(); ++r) {
        Row& row = rows_[r];
        order_[r] = static_cast<int32_t>(r);
        row.no = singles[r];
        row.flags = 0;
        int32_t rest = singles[r];
        int32_t possible = 0;
        for (std::size_t m = 1; m <= 13; ++m) {
            outcomes[m] = static_cast<uint8_t>(rest % 3);
            rest /= 3;
            if (filter[(m - 1) * 3 + outcomes[m]]) ++possible;
        }
        money.SingleNo(outcomes);
        if (auto failure = money.Calculate()) {
            if (!firstFailure) firstFailure = std::move(failure);
            ++moneyFailures_;
        }
        for (int k = 0; k < 3; ++k) row.money[k] = money.Money(k + 1).raw() / Currency::Scale;
        row.reach = static_cast<uint8_t>(14 - possible);
        deme.SingleNo(outcomes);
        deme.GetDeme();
        row.deme[0] = static_cast<uint8_t>(deme.Home());
        row.deme[1] = static_cast<uint8_t>(deme.Draw());
        row.deme[2] = static_cast<uint8_t>(deme.Away());
        row.deme[3] = static_cast<uint8_t>(deme.Juntou());
        row.deme[4] = static_cast<uint8_t>(deme.Haran());
        row.deme[5] = static_cast<uint8_t>(deme.ZeroHaran());
    }
    // One report for the whole fill: a box per failing row would be a million boxes.
    if (firstFailure) {
        report_.message("GetMoney", "推定配当を計算できないシングルが " +
                                        std::to_string(moneyFailures_) + " 口ありました。\r\n" +
                                        "これらの配当は 0 と表示しています。\r\n" +
                                        firstFailure->description() + " ( " +
                                        std::to_string(firstFailure->number()) + " )");
    }
}

bool MoneyListModel::Open(const VoteRecord& vote, std::vector<int32_t> singles,
                          const ResultFilter& filter) {
    try {
        Fill(vote, std::move(singles), filter);
        return true;
    } catch (const RuntimeError& e) {
        ErrorReport("frmMoney").error("ShowForm", e);
    }
    return false;
}

const MoneyListModel::Row& MoneyListModel::rowAt(int32_t position) const {
    return rows_.at(static_cast<std::size_t>(order_.at(static_cast<std::size_t>(position))));
}

MoneyListModel::Row& MoneyListModel::rowAt(int32_t position) {
    return rows_.at(static_cast<std::size_t>(order_.at(static_cast<std::size_t>(position))));
}

int64_t MoneyListModel::rowValue(int32_t index, int32_t column) const {
    const Row& row = rows_[static_cast<std::size_t>(index)];
    if (column == 0) return index + 1;
    if (column <= 13) return digitOf(row.no, column);
    if (column <= 16) return row.money[column - 14];
    if (column == 17) return row.reach;
    if (column <= 23) return row.deme[column - 18];
    return 0;
}

int64_t MoneyListModel::Value(int32_t position, int32_t column) const {
    return rowValue(order_.at(static_cast<std::size_t>(position)), column);
}

int32_t MoneyListModel::SingleNumber(int32_t position) const {
    return rowAt(position).no;
}

std::string MoneyListModel::Text(int32_t position, int32_t column) const {
    if (column < 0 || column >= FillerColumn) return {};
    const int64_t v = Value(position, column);
    if (column >= 14 && column <= 16) return NumberFormat::Thousands(v);
    return std::to_string(v);
}

void MoneyListModel::ColumnClick(int32_t column) {
    if (column < 0 || column >= FillerColumn) return;
    if (column == sortColumn_) {
        descending_ = !descending_;
    } else {
        sortColumn_ = column;
        descending_ = false;
    }
    std::vector<int64_t> key(rows_.size());
    for (std::size_t i = 0; i < rows_.size(); ++i)
        key[i] = rowValue(static_cast<int32_t>(i), column);
    const bool desc = descending_;
    std::sort(order_.begin(), order_.end(), [&](int32_t a, int32_t b) {
        const int64_t ka = key[static_cast<std::size_t>(a)];
        const int64_t kb = key[static_cast<std::size_t>(b)];
        if (ka != kb) return desc ? ka > kb : ka < kb;
        return a < b;
    });
}

bool MoneyListModel::Checked(int32_t position) const {
    return (rowAt(position).flags & CheckedBit) != 0;
}

bool MoneyListModel::Selected(int32_t position) const {
    return (rowAt(position).flags & SelectedBit) != 0;
}

void MoneyListModel::setFlag(int32_t position, uint8_t bit, bool value) {
    Row& row = rowAt(position);
    const bool was = (row.flags & bit) != 0;
    if (was == value) return;
    row.flags = static_cast<uint8_t>(value ? (row.flags | bit) : (row.flags & ~bit));
    int32_t& count = bit == CheckedBit ? checkedCount_ : selectedCount_;
    count += value ? 1 : -1;
}

void MoneyListModel::SetChecked(int32_t position, bool value) {
    setFlag(position, CheckedBit, value);
}

void MoneyListModel::SetSelected(int32_t position, bool value) {
    setFlag(position, SelectedBit, value);
}

void MoneyListModel::SelectAll() {
    for (Row& row : rows_) row.flags |= SelectedBit;
    selectedCount_ = RowCount();
}

void MoneyListModel::InvertSelection() {
    for (Row& row : rows_) row.flags ^= SelectedBit;
    selectedCount_ = RowCount() - selectedCount_;
}

void MoneyListModel::CheckSelected() {
    for (Row& row : rows_) {
        if ((row.flags & SelectedBit) && !(row.flags & CheckedBit)) {
            row.flags |= CheckedBit;
            ++checkedCount_;
        }
    }
}

void MoneyListModel::UncheckSelected() {
    for (Row& row : rows_) {
        if ((row.flags & SelectedBit) && (row.flags & CheckedBit)) {
            row.flags = static_cast<uint8_t>(row.flags & ~CheckedBit);
            --checkedCount_;
        }
    }
}

std::string MoneyListModel::InitialStatusText() const {
    return " パターン総数: " + std::to_string(RowCount());
}

std::string MoneyListModel::StatusText(int32_t keyCode) const {
    const std::string selected =
        IsNavigationKey(keyCode) ? "Enter" : std::to_string(selectedCount_);
    return InitialStatusText() + " ／ 選択数: " + selected +
           " ／ チェック数: " + std::to_string(checkedCount_);
}

std::string MoneyListModel::TickedCsv() const {
    std::string text;
    for (const int32_t index : order_) {
        const Row& row = rows_[static_cast<std::size_t>(index)];
        if (!(row.flags & CheckedBit)) continue;
        for (int32_t m = 1; m <= 13; ++m) {
            if (m > 1) text += ',';
            text += static_cast<char>('0' + digitOf(row.no, m));
        }
        text += "\r\n";
    }
    return text;
}

bool MoneyListModel::SaveTicked(const std::string& strFileName) const {
    if (checkedCount_ == 0) {
        showWarning(
            " シングルファイル保存",
            "保存対象データがありません。\r\n保存するためには最低でも１つのチェックが必要です。");
        return false;
    }
    clsFileStream writer;
    return writer.SaveToFile(strFileName, TickedCsv());
}

std::string MoneyListModel::ProposedFileName(int32_t lngRound) {
    char number[16];
    std::snprintf(number, sizeof number, "%03d", lngRound);
    return std::string("Qel-") + number + ".csv";
}

MoneyWindowPlacement MoneyListModel::ReadPlacement(const Settings& settings) {
    MoneyWindowPlacement placement;
    for (std::size_t c = 0; c < placement.widths.size(); ++c)
        placement.widths[c] = Columns()[c].width;
    if (!settings.WindowMoney.empty()) {
        const auto rect = basIniFile::StringToLongList(settings.WindowMoney);
        if (rect.size() < 4) err::raise(err::SubscriptOutOfRange);
        placement.applied = true;
        placement.left = rect[0];
        placement.top = rect[1];
        placement.width = rect[2];
        placement.height = rect[3];
    }
    if (!settings.WindowMoneyColumn.empty()) {
        const auto widths = basIniFile::StringToLongList(settings.WindowMoneyColumn);
        for (std::size_t c = 0; c < widths.size() && c < placement.widths.size(); ++c)
            if (widths[c] >= 0) placement.widths[c] = widths[c];
    }
    return placement;
}

void MoneyListModel::StorePlacement(Settings& settings, double left, double top, double width,
                                    double height, const std::array<int32_t, 25>& widths) {
    settings.WindowMoney =
        basIniFile::LongListToString({classic::toLong(left), classic::toLong(top),
                                      classic::toLong(width), classic::toLong(height)});
    settings.WindowMoneyColumn =
        basIniFile::LongListToString(std::vector<int32_t>(widths.begin(), widths.begin() + 24));
}

}  // namespace brenvik
