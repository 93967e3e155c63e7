#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/Cp932.h"
#include "app/clsIniFile.h"
#include "lottery/clsTotoData.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

std::string shippedBytes(const std::string& name) {
    std::ifstream f(std::string(BRENVIK_SYSDATA_DIR) + "/" + name, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

std::vector<std::string> split(const std::string& text, const std::string& sep) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(sep, start)) != std::string::npos; start = at + sep.size())
        out.push_back(text.substr(start, at - start));
    out.push_back(text.substr(start));
    return out;
}

class ShippedData : public ::testing::Test {
  protected:
    void SetUp() override { folder.copyShippedSysData(); }
    clsIniFile table(const std::string& name) const {
        clsIniFile f;
        f.Initialize(folder.str() + "/SysData/" + name);
        return f;
    }
    test::TempProgramFolder folder;
    test::MessageRecorder rec;
};

TEST_F(ShippedData, FilesAreCp932WithCrLfAndNoUserTable) {
    for (const char* name :
         {"TeamName.dat", "TeamName1.dat", "TeamName2.dat", "J1J2.dat", "Qel.dat"}) {
        SCOPED_TRACE(name);
        const std::string bytes = shippedBytes(name);
        ASSERT_FALSE(bytes.empty());
        std::size_t errors = 0;
        (void)cp932::toUtf8(bytes, &errors);
        EXPECT_EQ(errors, 0u);
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
        const auto lf = std::count(bytes.begin(), bytes.end(), '\n');
        EXPECT_EQ(lf, static_cast<long>(split(bytes, "\r\n").size()) - 1) << "a bare LF";
    }
    EXPECT_FALSE(folder.exists("SysData/TeamName3.dat"));
}

TEST_F(ShippedData, RealNamesResolveForOldAndNewRounds) {
    const clsTotoData data;
    const struct {
        const char* longName;
        int32_t round;
        const char* shortName;
    } cases[] = {
        {"鹿島アントラーズ", 1400, "鹿島"},
        {"浦和レッズ", 1400, "浦和"},
        {"ＦＣ東京", 1400, "ＦＣ東京"},
        {"FC東京", 1400, "ＦＣ東京"},
        {"横浜Ｆ・マリノス", 1400, "横浜ＦＭ"},
        {"川崎フロンターレ", 1400, "川崎Ｆ"},
        {"セレッソ大阪", 1400, "Ｃ大阪"},
        {"京都サンガF.C.", 1400, "京都"},
        {"Ｖ・ファーレン長崎", 1400, "長崎"},
        {"川崎Ｆ", 1400, "川崎Ｆ"},
        {"京都パープルサンガ", 100, "京都"},
        {"ジェフユナイテッド市原", 100, "市原"},
        {"東京ヴェルディ１９６９", 100, "東京Ｖ"},
        {"ザスパ草津", 500, "草津"},
        {"コンサドーレ札幌", 800, "札幌"},
        {"ジェフユナイテッド市原・千葉", 300, "千葉"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(data.GetShortTeamName(c.longName, c.round), c.shortName) << c.longName;
    EXPECT_EQ(data.GetLongTeamName("横浜ＦＭ"), "横浜Ｆ・マリノス");
    EXPECT_EQ(data.GetLongTeamName("浦和"), "浦和レッズ");
    EXPECT_EQ(data.GetTeamName2Version(), "2026.1");
    EXPECT_EQ(data.GetShortToJ1J2String("町田", 2024), "J1");
    EXPECT_EQ(data.GetShortToJ1J2String("町田", 2023), "J2");
    EXPECT_EQ(data.GetShortToJ1J2String("町田", 2015), "J3");
    EXPECT_EQ(data.GetShortToJ1J2String("草津", 2010), "J2");
    EXPECT_TRUE(rec.boxes.empty());
}

TEST_F(ShippedData, LeagueListsNameKnownClubsOncePerYear) {
    const clsIniFile main = table("TeamName.dat"), older = table("TeamName1.dat"),
                     leagues = table("J1J2.dat");
    ASSERT_TRUE(leagues.Enabled());
    std::set<std::string> shorts;
    for (const auto& [s, l] : main.Pairs()) shorts.insert(s);
    for (const auto& [s, l] : older.Pairs()) shorts.insert(s);

    std::map<std::string, std::set<std::string>> clubsOfYear;
    for (const auto& [key, value] : leagues.Pairs()) {
        SCOPED_TRACE(key);
        ASSERT_EQ(key.size(), 6u);
        const std::string year = key.substr(0, 4);
        EXPECT_GE(std::stoi(year), 2005);
        for (const auto& club : split(value, ",")) {
            EXPECT_TRUE(shorts.count(club)) << club;
            EXPECT_TRUE(clubsOfYear[year].insert(club).second) << club << " twice";
        }
    }
    for (int year = 2005; year <= 2025; ++year) {
        const std::string y = std::to_string(year);
        EXPECT_TRUE(leagues.ItemExists(y + "J1")) << y;
        EXPECT_TRUE(leagues.ItemExists(y + "J2")) << y;
    }
}

TEST_F(ShippedData, PatternLibraryLinesFollowTheIdScheme) {
    const std::string text = cp932::toUtf8(shippedBytes("Qel.dat"));
    std::vector<std::vector<std::string>> patterns;
    std::string declared;
    for (const auto& line : split(text, "\r\n")) {
        if (line.empty() || line[0] == ';') continue;
        auto fields = split(line, ", ");
        if (fields[0] == "PatternCount") declared = fields.at(1);
        if (fields.size() == 8) patterns.push_back(fields);
    }
    EXPECT_EQ(declared, std::to_string(patterns.size()));
    std::set<int> ids;
    std::set<std::pair<int, int>> plain;
    int previous = -1;
    for (const auto& f : patterns) {
        SCOPED_TRACE(f[2]);
        const int d = std::stoi(f[0].substr(1, 2)), t = std::stoi(f[0].substr(4, 2));
        EXPECT_GE((d + t) * 100 + d, previous);  // shapes by D + T, then D
        previous = (d + t) * 100 + d;
        const int id = std::stoi(f[2]), kind = std::stoi(f[5]);
        EXPECT_TRUE(ids.insert(id).second);
        EXPECT_EQ(id / 100000, d * 100 + t);
        const int k = id / 1000 % 100, r = id / 100 % 10, v = id % 100;
        EXPECT_EQ(k, kind == 10000 ? 99 : kind == 9999 ? 98 : kind);
        EXPECT_LE(r, 2);
        EXPECT_GE(v, 1);
        if (kind == 10000) {
            // The plain multi is the first pattern of its shape and keeps its first ID.
            EXPECT_TRUE(plain.emplace(d, t).second);
            EXPECT_EQ(id, d * 10000000 + t * 100000 + 99 * 1000 + 1);
            EXPECT_EQ(f[3], std::string("100:100:100:") + (d + t >= 1 ? "100" : "0") + ":" +
                                (d + t >= 2 ? "100" : "0"));
            EXPECT_EQ(f[7], "@");
        } else {
            EXPECT_TRUE(plain.count({d, t})) << "a pattern before the plain multi of its shape";
        }
    }
    EXPECT_EQ(plain.size(), 105u);
    EXPECT_TRUE(ids.count(20199001));
    EXPECT_TRUE(ids.count(99001));
}

}  // namespace
}  // namespace brenvik
