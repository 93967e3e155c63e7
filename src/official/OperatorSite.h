#pragma once
#include <cstdint>
#include <string>

// What the program fixes about the lottery operator's web store, in one place. The readers
// take the page addresses from the site settings (whose defaults are built from here) and
// judge a page only by its body cells.
namespace brenvik::operator_site {

inline constexpr const char* Host = "store.toto-dream.com";
inline constexpr const char* Scheme = "https://";

inline constexpr const char* SchedulePath =
    "/dcs/subos/screen/pi01/spin000/PGSPIN00001DisptotoLotInfo.form?holdCntId=";
inline constexpr const char* VotePath =
    "/dcs/subos/screen/pi09/spin003/PGSPIN00301InitVoteRate.form?holdCntId=";
inline constexpr const char* ResultPath =
    "/dcs/subos/screen/pi04/spin011/PGSPIN01101LnkHoldCntLotResultLsttoto.form?holdCntId=";

// Product parameters appended after the round number.
inline constexpr const char* TotoProduct = "&commodityId=01";
inline constexpr const char* TotoGoal3Product = "&commodityId=02";
inline constexpr const char* TotoGoal2Product = "&commodityId=05";
inline constexpr const char* MiniTotoAProduct = "&commodityId=06";
inline constexpr const char* MiniTotoBProduct = "&commodityId=07";

// The pages are fetched without a proxy and decoded as UTF-8 (clsWinInet's code 8).
inline constexpr const char* Proxy = "";
inline constexpr uint8_t PageCode = 8;

// The heading checks that go with "第" number "回" at the start of a cell.
inline constexpr const char* ScheduleHeadingCheck = "totoくじ情報";
inline constexpr const char* ResultHeadingCheck = "totoくじ結果";

// A round the server does not show.
inline constexpr const char* ScheduleNotShown = "ご指定のくじ情報は表示できません。";
inline constexpr const char* VoteNotShown = "ご指定の投票状況は表示できません。";
inline constexpr const char* ResultNotShown = "ご指定のくじ結果は表示できません。";

// The round as the addresses carry it: four digits ("0123"); larger rounds stay whole.
std::string RoundDigits(int32_t lngRound);

// The three page addresses from the site settings' parts.
std::string ScheduleUrl(const std::string& strBase, int32_t lngRound);
std::string VoteUrl(const std::string& strBase, int32_t lngRound, const std::string& strProduct);
std::string ResultUrl(const std::string& strBase, int32_t lngRound);

}  // namespace brenvik::operator_site
