#include <gtest/gtest.h>

#include "app/Cp932.h"
#include "official/OperatorSite.h"
#include "official/basTotoSettings.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

const char* const DefaultFile =
    ";Talvenmoore Toto Settings Ini File (totoSettings.ini)\r\n"
    ";Copyright (C) 2026 Talvenmoore\r\n"
    "\r\n"
    "Version = 1\r\n"
    "\r\n"
    ";totoオフィシャル開催情報URL\r\n"
    "totoOfficialScheduleUrl = https://store.toto-dream.com/dcs/subos/screen/pi01/spin000/"
    "PGSPIN00001DisptotoLotInfo.form?holdCntId=\r\n"
    ";totoオフィシャル投票状況URL\r\n"
    "totoOfficialVoteUrl = https://store.toto-dream.com/dcs/subos/screen/pi09/spin003/"
    "PGSPIN00301InitVoteRate.form?holdCntId=\r\n"
    ";totoオフィシャルくじ結果URL\r\n"
    "totoOfficialResultUrl = https://store.toto-dream.com/dcs/subos/screen/pi04/spin011/"
    "PGSPIN01101LnkHoldCntLotResultLsttoto.form?holdCntId=\r\n"
    ";totoオフィシャルURL(toto)\r\n"
    "totoOfficialTotoUrl = &commodityId=01\r\n"
    ";totoオフィシャルURL(totoGoal3)\r\n"
    "totoOfficialTotoGoal3Url = &commodityId=02\r\n"
    ";totoオフィシャルURL(totoGoal2)\r\n"
    "totoOfficialTotoGoal2Url = &commodityId=05\r\n"
    ";totoオフィシャルURL(mini toto-A組)\r\n"
    "totoOfficialMiniTotoAUrl = &commodityId=06\r\n"
    ";totoオフィシャルURL(mini toto-B組)\r\n"
    "totoOfficialMiniTotoBUrl = &commodityId=07\r\n";

const char* const Path = "SysData/totoSettings.ini";

struct SiteSettings : ::testing::Test {
    test::MessageRecorder boxes;
    test::TempProgramFolder folder;
    SiteSettings() { folder.write("SysData/.keep", ""); }
    ~SiteSettings() override { basTotoSettings::SetTotoSettingsDefaults(); }
};

TEST_F(SiteSettings, MissingFileIsWrittenWithTheDefaults) {
    basTotoSettings::LoadTotoSettings();
    EXPECT_EQ(folder.read(Path), cp932::fromUtf8(DefaultFile));
    const TotoSettings& s = basTotoSettings::values();
    EXPECT_EQ(s.Version, 1);
    EXPECT_EQ(s.totoOfficialVoteUrl,
              "https://store.toto-dream.com/dcs/subos/screen/pi09/spin003/"
              "PGSPIN00301InitVoteRate.form?holdCntId=");
    EXPECT_EQ(s.TalvenmooreDownloadUrl, "http://www.talvenmoore.example/download/2021/");
    EXPECT_TRUE(boxes.boxes.empty());

    // And read back as written.
    basTotoSettings::values().totoOfficialTotoUrl = "changed";
    basTotoSettings::LoadTotoSettings();
    EXPECT_EQ(basTotoSettings::values().totoOfficialTotoUrl, "&commodityId=01");
    EXPECT_EQ(folder.read(Path), cp932::fromUtf8(DefaultFile));
}

TEST_F(SiteSettings, KeysOfTheFileWinAndMissingKeysKeepTheirDefaults) {
    const std::string file =
        "Version = 1\r\n"
        "totoOfficialScheduleUrl = http://127.0.0.1:8080/info?a=b&holdCntId=\r\n"
        "TOTOOFFICIALTOTOURL = &commodityId=99\r\n";
    folder.write(Path, file);
    basTotoSettings::LoadTotoSettings();
    const TotoSettings& s = basTotoSettings::values();
    EXPECT_EQ(s.totoOfficialScheduleUrl, "http://127.0.0.1:8080/info?a=b&holdCntId=");
    EXPECT_EQ(s.totoOfficialTotoUrl, "&commodityId=99");
    EXPECT_EQ(s.totoOfficialResultUrl,
              "https://store.toto-dream.com/dcs/subos/screen/pi04/spin011/"
              "PGSPIN01101LnkHoldCntLotResultLsttoto.form?holdCntId=");
    EXPECT_EQ(folder.read(Path), file);  // not rewritten
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(SiteSettings, OutdatedFilesAreReplacedByTheDefaults) {
    for (const char* file :
         {"totoOfficialScheduleUrl = http://old/\r\n",
          "Version = 0\r\ntotoOfficialScheduleUrl = http://old/\r\n", "Version = -3\r\n", ""}) {
        folder.write(Path, file);
        basTotoSettings::LoadTotoSettings();
        EXPECT_EQ(folder.read(Path), cp932::fromUtf8(DefaultFile)) << file;
        EXPECT_EQ(basTotoSettings::values().totoOfficialScheduleUrl.rfind("https://store.", 0), 0u);
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(SiteSettings, UnreadableVersionIsReportedAndTheRestStillRead) {
    const std::string file = "Version = abc\r\ntotoOfficialTotoUrl = &x=1\r\n";
    folder.write(Path, file);
    basTotoSettings::LoadTotoSettings();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].icon, MessageIcon::Error);
    EXPECT_EQ(boxes.boxes[0].title, "Brenvik");
    EXPECT_EQ(boxes.boxes[0].text, "totoSettings.iniファイルが破損しています。");
    EXPECT_EQ(basTotoSettings::values().Version, 1);
    EXPECT_EQ(basTotoSettings::values().totoOfficialTotoUrl, "&x=1");
    EXPECT_EQ(folder.read(Path), file);
}

TEST(OperatorSite, PageAddressesCarryTheRoundInFourDigits) {
    namespace site = operator_site;
    EXPECT_EQ(site::ScheduleUrl("https://h/s?holdCntId=", 123), "https://h/s?holdCntId=0123");
    EXPECT_EQ(site::VoteUrl("https://h/v?holdCntId=", 5, site::TotoProduct),
              "https://h/v?holdCntId=0005&commodityId=01");
    EXPECT_EQ(site::ResultUrl("r=", 12345), "r=12345");
}

}  // namespace
}  // namespace brenvik
