#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/Cp932.h"
#include "official/clsHtmlResult.h"
#include "official/clsHtmlSchedule.h"
#include "official/clsHtmlVote.h"
#include "official/clsResult.h"
#include "official/clsSchedule.h"
#include "official/clsVote.h"
#include "official/clsXmlResult.h"
#include "official/clsXmlSchedule.h"
#include "official/clsXmlVote.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string fixture(const std::string& folder, const std::string& file) {
    return slurp(std::string(BRENVIK_TEST_DATA_DIR) + "/official/pages/" + folder + "/" + file);
}

enum class Kind { Schedule, Vote, Result };

// What a page must yield: the cache file (expected.xml) or the failure with its message.
struct PageCase {
    const char* folder;
    Kind kind;
    int32_t round;
    int clockYear;
    bool valid;                 // the store would keep the record
    bool unpublished;           // the failure is "not published"
    bool final;                 // vote figures of the end of sale
    const char* box = nullptr;  // a box the read itself shows
};

const PageCase Cases[] = {
    {"schedule_normal", Kind::Schedule, 1201, 2026, true, false, false},
    {"schedule_cancelled", Kind::Schedule, 1202, 2026, true, false, false},
    {"schedule_matches_first", Kind::Schedule, 1203, 2025, true, false, false},
    {"schedule_unpublished", Kind::Schedule, 1299, 2026, false, true, false},
    {"schedule_unknown_team", Kind::Schedule, 1201, 2026, false, false, false,
     "チーム名：ジュビロ岩田 が見つかりません。\r\n"
     "最新のチーム名データをダウンロードするかチーム名を追加して下さい。"},
    {"schedule_14th_match", Kind::Schedule, 1201, 2026, false, false, false},
    {"vote_final", Kind::Vote, 1201, 2026, true, false, true},
    {"vote_interim", Kind::Vote, 1201, 2026, true, false, false},
    {"vote_ratios_99_99", Kind::Vote, 1201, 2026, false, false, true},
    {"vote_sales_not_100x", Kind::Vote, 1201, 2026, false, false, true},
    {"vote_unpublished", Kind::Vote, 1201, 2026, false, true, false},
    {"result_normal", Kind::Result, 1201, 2026, true, false, false},
    {"result_void_match", Kind::Result, 1201, 2026, true, false, false},
    {"result_called_off", Kind::Result, 1204, 2026, true, false, false},
    {"result_two_grades", Kind::Result, 230, 2026, true, false, false},
    {"result_14th_match", Kind::Result, 1201, 2026, false, false, false},
    {"result_unpublished", Kind::Result, 1201, 2026, false, true, false},
};

// Reads the page as a download would and gives the cache text (CP932 bytes) when the store
// would keep the record; otherwise the FalseDialog box.
struct Outcome {
    bool valid = false;
    bool unpublished = false;
    bool final = false;
    std::string cacheBytes;
    FalseMessage box{MessageIcon::Information, "", ""};
};

Outcome readPage(const PageCase& c) {
    const std::string html = fixture(c.folder, "input.html");
    Outcome o;
    switch (c.kind) {
        case Kind::Schedule: {
            clsHtmlSchedule reader;
            const bool read = reader.ReadPage(html, c.round, "");
            o.unpublished = reader.Unpublished();
            o.valid = read && clsSchedule::IsComplete(reader.Schedule());
            clsXmlSchedule xml;
            xml.Schedule(reader.Schedule());
            o.cacheBytes = cp932::fromUtf8(xml.GetXmlString());
            o.box = clsSchedule::FalseDialogMessage(c.round, o.unpublished);
            break;
        }
        case Kind::Vote: {
            clsHtmlVote reader;
            const bool read = reader.ReadPage(html, o.final);
            o.unpublished = reader.Unpublished();
            o.valid = read && clsVote::IsValid(reader.Vote());
            clsXmlVote xml;
            xml.Vote(reader.Vote());
            o.cacheBytes = cp932::fromUtf8(xml.GetXmlString(true));
            o.box = clsVote::FalseDialogMessage(c.round, o.unpublished);
            break;
        }
        case Kind::Result: {
            clsHtmlResult reader;
            const bool read = reader.ReadPage(html, "");
            o.unpublished = reader.Unpublished();
            o.valid = read && clsResult::IsValid(reader.Result());
            clsXmlResult xml;
            xml.Result(reader.Result());
            o.cacheBytes = cp932::fromUtf8(xml.GetXmlString());
            o.box = clsResult::FalseDialogMessage(c.round, o.unpublished);
            break;
        }
    }
    return o;
}

class PageFixtures : public ::testing::TestWithParam<PageCase> {};

TEST_P(PageFixtures, YieldTheirCacheFileOrTheirFailure) {
    const PageCase& c = GetParam();
    test::MessageRecorder boxes;
    test::TempProgramFolder folder;
    folder.copyShippedSysData();
    test::FixedClock clock(DateTime::fromFields(c.clockYear, 3, 5, 12, 0, 0));

    const Outcome o = readPage(c);
    EXPECT_EQ(o.valid, c.valid);
    EXPECT_EQ(o.unpublished, c.unpublished);
    EXPECT_EQ(o.final, c.final);
    if (c.box) {
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].text, c.box);
    } else {
        EXPECT_TRUE(boxes.boxes.empty());
    }
    if (c.valid) {
        EXPECT_EQ(o.cacheBytes, fixture(c.folder, "expected.xml"));
    } else if (c.unpublished) {
        EXPECT_EQ(o.box.icon, MessageIcon::Information);
        const char* subject = c.kind == Kind::Schedule ? "開催情報"
                              : c.kind == Kind::Vote   ? "投票状況"
                                                       : "くじ結果";
        EXPECT_EQ(o.box.title, std::string(" ") + subject);
        EXPECT_EQ(o.box.text,
                  "第" + std::to_string(c.round) + "回 " + subject + "は発表されていません。");
    } else {
        EXPECT_EQ(o.box.icon, MessageIcon::Warning);
        EXPECT_EQ(o.box.text, "インターネットよりダウンロードに失敗しました。");
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, PageFixtures, ::testing::ValuesIn(Cases),
                         [](const auto& p) { return std::string(p.param.folder); });

std::vector<PageCase> validCases() {
    std::vector<PageCase> v;
    for (const PageCase& c : Cases)
        if (c.valid) v.push_back(c);
    return v;
}

class CacheFixtures : public ::testing::TestWithParam<PageCase> {};

// The cache file of every fixture reads back into the record the page gave.
TEST_P(CacheFixtures, ReadBackAsThePageRecord) {
    const PageCase& c = GetParam();
    test::MessageRecorder boxes;
    test::TempProgramFolder folder;
    folder.copyShippedSysData();
    test::FixedClock clock(DateTime::fromFields(c.clockYear, 3, 5, 12, 0, 0));
    const std::string html = fixture(c.folder, "input.html");
    const std::string text = cp932::toUtf8(fixture(c.folder, "expected.xml"));
    switch (c.kind) {
        case Kind::Schedule: {
            clsHtmlSchedule reader;
            ASSERT_TRUE(reader.ReadPage(html, c.round, ""));
            clsXmlSchedule xml;
            ASSERT_TRUE(xml.SetXmlString(text));
            EXPECT_EQ(xml.Schedule(), reader.Schedule());
            break;
        }
        case Kind::Vote: {
            clsHtmlVote reader;
            bool final = false;
            ASSERT_TRUE(reader.ReadPage(html, final));
            clsXmlVote xml;
            ASSERT_TRUE(xml.SetXmlString(text, true));
            EXPECT_EQ(xml.Vote(), reader.Vote());
            break;
        }
        case Kind::Result: {
            clsHtmlResult reader;
            ASSERT_TRUE(reader.ReadPage(html, ""));
            ResultRecord page = reader.Result();
            if (page.CalledOff) {
                // The refund dates are written but not read back.
                page.ResultDate = page.PayoutStart = page.PayoutDeadline = DateTime();
            }
            clsXmlResult xml;
            ASSERT_TRUE(xml.SetXmlString(text));
            EXPECT_EQ(xml.Result(), page);
            break;
        }
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Pages, CacheFixtures, ::testing::ValuesIn(validCases()),
                         [](const auto& p) { return std::string(p.param.folder); });

}  // namespace
}  // namespace brenvik
