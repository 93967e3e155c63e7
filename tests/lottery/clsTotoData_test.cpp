#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Cp932.h"
#include "lottery/clsTotoData.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

const std::string kUnknownTail =
    " が見つかりません。\r\n最新のチーム名データをダウンロードするかチーム名を追加して下さい。";

// Writes a table as the shipped files are: CP932 with CR LF.
void writeTable(const test::TempProgramFolder& folder, const std::string& name,
                const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    folder.write("SysData/" + name, cp932::fromUtf8(text));
}

// One long name ("ベルマーレ") that the two round-dependent tables map differently, names
// that only one table knows, and a main-table name that the others contradict.
class TeamTables : public ::testing::Test {
  protected:
    void SetUp() override {
        writeTable(folder, "TeamName.dat",
                   {"; main table", "鹿島 = 鹿島アントラーズ", "ＦＣ東京 = ＦＣ東京"});
        writeTable(folder, "TeamName1.dat",
                   {"平塚 = ベルマーレ", "市原 = ジェフユナイテッド市原",
                    "旧鹿島 = 鹿島アントラーズ", "旧名 = 利用者の名前"});
        writeTable(folder, "TeamName2.dat",
                   {"Version = 2026", "Revision = 3", "湘南 = ベルマーレ",
                    "新鹿島 = 鹿島アントラーズ", "新潟 = アルビレックス新潟"});
        writeTable(
            folder, "J1J2.dat",
            {"2023J1 = 鹿島,ＦＣ東京,Ｃ大阪", "2023J2 = 鹿島,甲府", "2023J3 = 八戸,ＦＣ大阪"});
    }
    void addTeamName3() const { writeTable(folder, "TeamName3.dat", {"利用者 = 利用者の名前"}); }

    test::TempProgramFolder folder;
    test::MessageRecorder rec;
};

TEST_F(TeamTables, RoundDecidesBetweenOlderAndNewerTable) {
    const clsTotoData data;
    EXPECT_EQ(data.GetShortTeamName("ベルマーレ", 749), "平塚");
    EXPECT_EQ(data.GetShortTeamName("ベルマーレ", 750), "湘南");
    EXPECT_EQ(data.GetShortTeamName("ベルマーレ", -5), "平塚");
    EXPECT_TRUE(rec.boxes.empty());
}

TEST_F(TeamTables, OnlyTheTableOfTheRoundIsConsulted) {
    const clsTotoData data;
    EXPECT_EQ(data.GetShortTeamName("アルビレックス新潟", 749), "");
    EXPECT_EQ(data.GetShortTeamName("ジェフユナイテッド市原", 750), "");
    ASSERT_EQ(rec.boxes.size(), 2u);
    EXPECT_EQ(rec.boxes[0].icon, MessageIcon::Warning);
    EXPECT_EQ(rec.boxes[0].title, "Brenvik");
    EXPECT_EQ(rec.boxes[0].text, "チーム名：アルビレックス新潟" + kUnknownTail);
    EXPECT_EQ(rec.boxes[1].text, "チーム名：ジェフユナイテッド市原" + kUnknownTail);
}

TEST_F(TeamTables, MainTableWinsWhateverTheRound) {
    const clsTotoData data;
    EXPECT_EQ(data.GetShortTeamName("鹿島アントラーズ", 749), "鹿島");
    EXPECT_EQ(data.GetShortTeamName("鹿島アントラーズ", 750), "鹿島");
    EXPECT_EQ(data.GetShortTeamName("fc東京", 1), "");  // no match: ＦＣ is full-width
    EXPECT_EQ(rec.boxes.size(), 1u);
}

TEST_F(TeamTables, RoundZeroIsRefusedBeforeAnyLookup) {
    const clsTotoData data;
    EXPECT_EQ(data.GetShortTeamName("鹿島アントラーズ", 0), "");
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0].icon, MessageIcon::Warning);
    EXPECT_EQ(rec.boxes[0].title, "GetShortTeamName");
    EXPECT_EQ(rec.boxes[0].text, "開催回が不明です");
}

TEST_F(TeamTables, UserTableIsTheLastResortWhenPresent) {
    addTeamName3();
    const clsTotoData data;
    EXPECT_EQ(data.GetShortTeamName("利用者の名前", 750), "利用者");
    EXPECT_EQ(data.GetShortTeamName("利用者の名前", 749), "旧名");  // TeamName1 comes first
    EXPECT_TRUE(data.ExistsLongTeamName("利用者の名前"));
    EXPECT_TRUE(rec.boxes.empty());
}

TEST_F(TeamTables, MissingUserTableIsSkippedSilently) {
    const clsTotoData data;
    EXPECT_EQ(data.GetShortTeamName("利用者の名前", 750), "");
    EXPECT_FALSE(data.ExistsLongTeamName("利用者の名前"));
    // Only the unknown-name warning: no "Initialize Err" of the absent table.
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0].text, "チーム名：利用者の名前" + kUnknownTail);
}

TEST_F(TeamTables, UnreadableRequiredTableWarnsAndFindsNothing) {
    std::filesystem::remove(folder.path() / "SysData/TeamName1.dat");
    const clsTotoData data;
    EXPECT_EQ(data.GetShortTeamName("ジェフユナイテッド市原", 10), "");
    ASSERT_EQ(rec.boxes.size(), 2u);
    EXPECT_EQ(rec.boxes[0].title, "Brenvik / clsIniFile / GetKey");
    EXPECT_EQ(rec.boxes[0].text, "Initialize Err");
    EXPECT_EQ(rec.boxes[1].title, "Brenvik");
}

TEST_F(TeamTables, LongNameExistenceIgnoresTheOlderTable) {
    const clsTotoData data;
    EXPECT_TRUE(data.ExistsLongTeamName("鹿島アントラーズ"));
    EXPECT_TRUE(data.ExistsLongTeamName("アルビレックス新潟"));
    EXPECT_FALSE(data.ExistsLongTeamName("ジェフユナイテッド市原"));
    EXPECT_EQ(data.GetLongTeamName("鹿島"), "鹿島アントラーズ");
    EXPECT_EQ(data.GetLongTeamName("平塚"), "");
    EXPECT_TRUE(rec.boxes.empty());
}

TEST_F(TeamTables, LeagueIsTheFirstWhoseListContainsTheName) {
    const clsTotoData data;
    EXPECT_EQ(data.GetShortToJ1J2String("鹿島", 2023), "J1");  // also in 2023J2
    EXPECT_EQ(data.GetShortToJ1J2String("甲府", 2023), "J2");
    EXPECT_EQ(data.GetShortToJ1J2String("八戸", 2023), "J3");
    EXPECT_EQ(data.GetShortToJ1J2String("八戸", 2022), "");
    EXPECT_EQ(data.GetShortToJ1J2String("清水", 2023), "");
    // A plain substring test: part of another club's name matches that club's league.
    EXPECT_EQ(data.GetShortToJ1J2String("大阪", 2023), "J1");
    EXPECT_EQ(data.GetShortToJ1J2String("ＦＣ", 2023), "J1");
    // Every list "contains" the empty text; it is no team.
    EXPECT_EQ(data.GetShortToJ1J2String("", 2023), "");
    EXPECT_TRUE(rec.boxes.empty());
}

TEST_F(TeamTables, TeamName2VersionJoinsVersionAndRevision) {
    EXPECT_EQ(clsTotoData().GetTeamName2Version(), "2026.3");
    writeTable(folder, "TeamName2.dat", {"湘南 = ベルマーレ"});
    EXPECT_EQ(clsTotoData().GetTeamName2Version(), ".");
    EXPECT_TRUE(rec.boxes.empty());
}

}  // namespace
}  // namespace brenvik
