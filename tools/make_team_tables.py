#!/usr/bin/env python3
"""Writes the shipped team-name tables and the league membership file.

    python3 tools/make_team_tables.py [SysData folder]   (default: data/SysData)

Outputs (CP932, CR LF): TeamName.dat, TeamName1.dat, TeamName2.dat, J1J2.dat.
TeamName3.dat is the user's own table and is never written here.

Every line of a team-name table is "short name = long name": the short name is what the
program shows, the long name what the operator's pages print. Lookups go from the long name
to the short one, so one club may have several long spellings; the first line of a short
name is its main long name. Short names use full-width Latin letters (ＦＣ東京, 川崎Ｆ).
For every spelling with full-width letters the half-width spelling is added as well, and
TeamName.dat also maps each short name to itself, so that a page printing abbreviations
resolves too.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import cp932_text  # noqa: E402

TABLE_VERSION = "2026"
TABLE_REVISION = "1"

# Short name -> current long names (main one first), north to south as the league lists them.
CLUBS = [
    ("札幌", ["北海道コンサドーレ札幌"]),
    ("八戸", ["ヴァンラーレ八戸"]),
    ("岩手", ["いわてグルージャ盛岡"]),
    ("仙台", ["ベガルタ仙台"]),
    ("秋田", ["ブラウブリッツ秋田"]),
    ("山形", ["モンテディオ山形"]),
    ("福島", ["福島ユナイテッドＦＣ"]),
    ("いわき", ["いわきＦＣ"]),
    ("鹿島", ["鹿島アントラーズ"]),
    ("水戸", ["水戸ホーリーホック"]),
    ("栃木", ["栃木ＳＣ"]),
    ("栃木Ｃ", ["栃木シティ"]),
    ("群馬", ["ザスパ群馬", "ザスパクサツ群馬"]),
    ("大宮", ["ＲＢ大宮アルディージャ", "大宮アルディージャ"]),
    ("浦和", ["浦和レッズ", "浦和レッドダイヤモンズ"]),
    ("千葉", ["ジェフユナイテッド千葉", "ジェフユナイテッド市原・千葉"]),
    ("柏", ["柏レイソル"]),
    ("ＦＣ東京", ["ＦＣ東京"]),
    ("東京Ｖ", ["東京ヴェルディ"]),
    ("町田", ["ＦＣ町田ゼルビア"]),
    ("川崎Ｆ", ["川崎フロンターレ"]),
    ("横浜ＦＭ", ["横浜Ｆ・マリノス"]),
    ("横浜ＦＣ", ["横浜ＦＣ"]),
    ("ＹＳ横浜", ["Ｙ．Ｓ．Ｃ．Ｃ．横浜"]),
    ("相模原", ["ＳＣ相模原"]),
    ("湘南", ["湘南ベルマーレ"]),
    ("甲府", ["ヴァンフォーレ甲府"]),
    ("松本", ["松本山雅ＦＣ"]),
    ("長野", ["ＡＣ長野パルセイロ"]),
    ("新潟", ["アルビレックス新潟"]),
    ("富山", ["カターレ富山"]),
    ("金沢", ["ツエーゲン金沢"]),
    ("清水", ["清水エスパルス"]),
    ("磐田", ["ジュビロ磐田"]),
    ("藤枝", ["藤枝ＭＹＦＣ"]),
    ("沼津", ["アスルクラロ沼津"]),
    ("名古屋", ["名古屋グランパス"]),
    ("岐阜", ["ＦＣ岐阜"]),
    ("京都", ["京都サンガＦ．Ｃ．"]),
    ("Ｇ大阪", ["ガンバ大阪"]),
    ("Ｃ大阪", ["セレッソ大阪"]),
    ("ＦＣ大阪", ["ＦＣ大阪"]),
    ("奈良", ["奈良クラブ"]),
    ("神戸", ["ヴィッセル神戸"]),
    ("鳥取", ["ガイナーレ鳥取"]),
    ("岡山", ["ファジアーノ岡山"]),
    ("広島", ["サンフレッチェ広島"]),
    ("山口", ["レノファ山口ＦＣ"]),
    ("讃岐", ["カマタマーレ讃岐"]),
    ("徳島", ["徳島ヴォルティス"]),
    ("愛媛", ["愛媛ＦＣ"]),
    ("今治", ["ＦＣ今治"]),
    ("高知", ["高知ユナイテッドＳＣ"]),
    ("福岡", ["アビスパ福岡"]),
    ("北九州", ["ギラヴァンツ北九州"]),
    ("鳥栖", ["サガン鳥栖"]),
    ("長崎", ["Ｖ・ファーレン長崎"]),
    ("熊本", ["ロアッソ熊本"]),
    ("大分", ["大分トリニータ"]),
    ("宮崎", ["テゲバジャーロ宮崎"]),
    ("鹿児島", ["鹿児島ユナイテッドＦＣ"]),
    ("琉球", ["ＦＣ琉球"]),
]

# Names of the older rounds that no club carries any more, with the short name of their time.
FORMER_NAMES = [
    ("札幌", "コンサドーレ札幌"),
    ("岩手", "グルージャ盛岡"),
    ("仙台", "ブランメル仙台"),
    ("草津", "ザスパ草津"),
    ("市原", "ジェフユナイテッド市原"),
    ("東京Ｖ", "東京ヴェルディ１９６９"),
    ("Ｖ川崎", "ヴェルディ川崎"),
    ("横浜Ｍ", "横浜マリノス"),
    ("横浜Ｆ", "横浜フリューゲルス"),
    ("平塚", "ベルマーレ平塚"),
    ("名古屋", "名古屋グランパスエイト"),
    ("京都", "京都パープルサンガ"),
    ("大分", "大分トリニティ"),
    ("熊本", "ロッソ熊本"),
]

# Current names first carried after the older rounds (from 2016 on), not in TeamName1.dat.
LATER_NAMES = {"北海道コンサドーレ札幌", "いわてグルージャ盛岡", "ザスパ群馬", "ＲＢ大宮アルディージャ"}

# Former names still printed by rounds from 750 on (the round of early 2014 or so).
FORMER_NAMES_AFTER_750 = ["コンサドーレ札幌", "グルージャ盛岡"]

# League membership, short names of the clubs (league-selected teams such as J-22 and the
# U-23 sides of J3 are not clubs and are left out). Years not known for certain are left out
# rather than guessed: 2025J3 and 2026.
J1 = {
    2005: "鹿島 浦和 大宮 千葉 柏 ＦＣ東京 東京Ｖ 川崎Ｆ 横浜ＦＭ 新潟 清水 磐田 名古屋 Ｇ大阪 Ｃ大阪 神戸 広島 大分",
    2006: "鹿島 浦和 大宮 千葉 ＦＣ東京 川崎Ｆ 横浜ＦＭ 甲府 新潟 清水 磐田 名古屋 京都 Ｇ大阪 Ｃ大阪 広島 福岡 大分",
    2007: "鹿島 浦和 大宮 千葉 柏 ＦＣ東京 川崎Ｆ 横浜ＦＭ 横浜ＦＣ 甲府 新潟 清水 磐田 名古屋 Ｇ大阪 神戸 広島 大分",
    2008: "札幌 鹿島 浦和 大宮 千葉 柏 ＦＣ東京 東京Ｖ 川崎Ｆ 横浜ＦＭ 新潟 清水 磐田 名古屋 京都 Ｇ大阪 神戸 大分",
    2009: "山形 鹿島 浦和 大宮 千葉 柏 ＦＣ東京 川崎Ｆ 横浜ＦＭ 新潟 清水 磐田 名古屋 京都 Ｇ大阪 神戸 広島 大分",
    2010: "仙台 山形 鹿島 浦和 大宮 ＦＣ東京 川崎Ｆ 横浜ＦＭ 湘南 新潟 清水 磐田 名古屋 京都 Ｇ大阪 Ｃ大阪 神戸 広島",
    2011: "仙台 山形 鹿島 浦和 大宮 柏 川崎Ｆ 横浜ＦＭ 甲府 新潟 清水 磐田 名古屋 Ｇ大阪 Ｃ大阪 神戸 広島 福岡",
    2012: "札幌 仙台 鹿島 浦和 大宮 柏 ＦＣ東京 川崎Ｆ 横浜ＦＭ 新潟 清水 磐田 名古屋 Ｇ大阪 Ｃ大阪 神戸 広島 鳥栖",
    2013: "仙台 鹿島 浦和 大宮 柏 ＦＣ東京 川崎Ｆ 横浜ＦＭ 湘南 甲府 新潟 清水 磐田 名古屋 Ｃ大阪 広島 鳥栖 大分",
    2014: "仙台 鹿島 浦和 大宮 柏 ＦＣ東京 川崎Ｆ 横浜ＦＭ 甲府 新潟 清水 名古屋 Ｇ大阪 Ｃ大阪 神戸 広島 徳島 鳥栖",
    2015: "仙台 山形 鹿島 浦和 柏 ＦＣ東京 川崎Ｆ 横浜ＦＭ 湘南 甲府 松本 新潟 清水 名古屋 Ｇ大阪 神戸 広島 鳥栖",
    2016: "仙台 鹿島 浦和 大宮 柏 ＦＣ東京 川崎Ｆ 横浜ＦＭ 湘南 甲府 新潟 磐田 名古屋 Ｇ大阪 神戸 広島 福岡 鳥栖",
    2017: "札幌 仙台 鹿島 浦和 大宮 柏 ＦＣ東京 川崎Ｆ 横浜ＦＭ 甲府 新潟 清水 磐田 Ｇ大阪 Ｃ大阪 神戸 広島 鳥栖",
    2018: "札幌 仙台 鹿島 浦和 柏 ＦＣ東京 川崎Ｆ 横浜ＦＭ 湘南 清水 磐田 名古屋 Ｇ大阪 Ｃ大阪 神戸 広島 鳥栖 長崎",
    2019: "札幌 仙台 鹿島 浦和 ＦＣ東京 川崎Ｆ 横浜ＦＭ 湘南 松本 清水 磐田 名古屋 Ｇ大阪 Ｃ大阪 神戸 広島 鳥栖 大分",
    2020: "札幌 仙台 鹿島 浦和 柏 ＦＣ東京 川崎Ｆ 横浜ＦＭ 横浜ＦＣ 湘南 清水 名古屋 Ｇ大阪 Ｃ大阪 神戸 広島 鳥栖 大分",
    2021: "札幌 仙台 鹿島 浦和 柏 ＦＣ東京 川崎Ｆ 横浜ＦＭ 横浜ＦＣ 湘南 清水 名古屋 Ｇ大阪 Ｃ大阪 神戸 広島 徳島 福岡 鳥栖 大分",
    2022: "札幌 鹿島 浦和 柏 ＦＣ東京 川崎Ｆ 横浜ＦＭ 湘南 清水 磐田 名古屋 京都 Ｇ大阪 Ｃ大阪 神戸 広島 福岡 鳥栖",
    2023: "札幌 鹿島 浦和 柏 ＦＣ東京 川崎Ｆ 横浜ＦＭ 横浜ＦＣ 湘南 新潟 名古屋 京都 Ｇ大阪 Ｃ大阪 神戸 広島 福岡 鳥栖",
    2024: "札幌 鹿島 浦和 柏 ＦＣ東京 東京Ｖ 町田 川崎Ｆ 横浜ＦＭ 湘南 新潟 磐田 名古屋 京都 Ｇ大阪 Ｃ大阪 神戸 広島 福岡 鳥栖",
    2025: "鹿島 浦和 柏 ＦＣ東京 東京Ｖ 町田 川崎Ｆ 横浜ＦＭ 横浜ＦＣ 湘南 新潟 清水 名古屋 京都 Ｇ大阪 Ｃ大阪 神戸 広島 岡山 福岡",
}
J2 = {
    2005: "札幌 仙台 山形 水戸 草津 甲府 横浜ＦＣ 湘南 京都 徳島 福岡 鳥栖",
    2006: "札幌 仙台 山形 水戸 草津 柏 東京Ｖ 横浜ＦＣ 湘南 神戸 徳島 愛媛 鳥栖",
    2007: "札幌 仙台 山形 水戸 草津 東京Ｖ 湘南 京都 Ｃ大阪 徳島 愛媛 福岡 鳥栖",
    2008: "仙台 山形 水戸 草津 横浜ＦＣ 湘南 甲府 岐阜 Ｃ大阪 広島 徳島 愛媛 福岡 鳥栖 熊本",
    2009: "札幌 仙台 水戸 栃木 草津 東京Ｖ 横浜ＦＣ 湘南 甲府 富山 岐阜 Ｃ大阪 岡山 徳島 愛媛 福岡 鳥栖 熊本",
    2010: "札幌 水戸 栃木 草津 千葉 柏 東京Ｖ 横浜ＦＣ 甲府 富山 岐阜 岡山 徳島 愛媛 福岡 北九州 鳥栖 熊本 大分",
    2011: "札幌 水戸 栃木 草津 千葉 ＦＣ東京 東京Ｖ 横浜ＦＣ 湘南 富山 岐阜 京都 鳥取 岡山 徳島 愛媛 北九州 鳥栖 熊本 大分",
    2012: "山形 水戸 栃木 草津 千葉 東京Ｖ 町田 横浜ＦＣ 湘南 甲府 松本 富山 岐阜 京都 鳥取 岡山 徳島 愛媛 福岡 北九州 熊本 大分",
    2013: "札幌 山形 水戸 栃木 群馬 千葉 東京Ｖ 横浜ＦＣ 松本 富山 岐阜 京都 Ｇ大阪 神戸 鳥取 岡山 徳島 愛媛 福岡 北九州 長崎 熊本",
    2014: "札幌 山形 水戸 栃木 群馬 千葉 東京Ｖ 横浜ＦＣ 湘南 松本 富山 磐田 岐阜 京都 岡山 讃岐 愛媛 福岡 北九州 長崎 熊本 大分",
    2015: "札幌 水戸 栃木 群馬 大宮 千葉 東京Ｖ 横浜ＦＣ 金沢 磐田 岐阜 京都 Ｃ大阪 岡山 讃岐 徳島 愛媛 福岡 北九州 長崎 熊本 大分",
    2016: "札幌 山形 水戸 群馬 千葉 東京Ｖ 町田 横浜ＦＣ 松本 金沢 清水 岐阜 京都 Ｃ大阪 岡山 山口 讃岐 徳島 愛媛 北九州 長崎 熊本",
    2017: "山形 水戸 群馬 千葉 東京Ｖ 町田 横浜ＦＣ 湘南 松本 金沢 名古屋 岐阜 京都 岡山 山口 讃岐 徳島 愛媛 福岡 長崎 熊本 大分",
    2018: "山形 水戸 栃木 大宮 千葉 東京Ｖ 町田 横浜ＦＣ 甲府 松本 新潟 金沢 岐阜 京都 岡山 山口 讃岐 徳島 愛媛 福岡 熊本 大分",
    2019: "山形 水戸 栃木 大宮 千葉 柏 東京Ｖ 町田 横浜ＦＣ 甲府 新潟 金沢 岐阜 京都 岡山 山口 徳島 愛媛 福岡 長崎 鹿児島 琉球",
    2020: "山形 水戸 栃木 群馬 大宮 千葉 東京Ｖ 町田 甲府 松本 新潟 金沢 磐田 京都 岡山 山口 徳島 愛媛 福岡 北九州 長崎 琉球",
    2021: "秋田 山形 水戸 栃木 群馬 大宮 千葉 東京Ｖ 町田 相模原 甲府 松本 新潟 金沢 磐田 京都 岡山 山口 愛媛 北九州 長崎 琉球",
    2022: "仙台 秋田 山形 岩手 水戸 栃木 群馬 大宮 千葉 東京Ｖ 町田 横浜ＦＣ 甲府 新潟 金沢 岡山 山口 徳島 長崎 熊本 大分 琉球",
    2023: "仙台 秋田 山形 いわき 水戸 栃木 群馬 大宮 千葉 東京Ｖ 町田 甲府 清水 磐田 藤枝 金沢 岡山 山口 徳島 長崎 熊本 大分",
    2024: "仙台 秋田 山形 いわき 水戸 栃木 群馬 千葉 横浜ＦＣ 甲府 清水 藤枝 岡山 山口 徳島 愛媛 長崎 熊本 大分 鹿児島",
    2025: "札幌 仙台 秋田 山形 いわき 水戸 大宮 千葉 甲府 磐田 藤枝 富山 徳島 愛媛 今治 山口 長崎 熊本 大分 鳥栖",
}
J3 = {
    2014: "岩手 秋田 福島 ＹＳ横浜 相模原 町田 長野 金沢 藤枝 鳥取 琉球",
    2015: "岩手 秋田 福島 ＹＳ横浜 相模原 町田 長野 富山 藤枝 山口 鳥取 琉球",
    2016: "岩手 秋田 福島 栃木 ＹＳ横浜 相模原 長野 富山 藤枝 鳥取 大分 鹿児島 琉球",
    2017: "岩手 秋田 福島 栃木 ＹＳ横浜 相模原 長野 富山 藤枝 沼津 鳥取 北九州 鹿児島 琉球",
    2018: "岩手 秋田 福島 群馬 ＹＳ横浜 相模原 長野 富山 藤枝 沼津 鳥取 北九州 鹿児島 琉球",
    2019: "八戸 岩手 秋田 福島 群馬 ＹＳ横浜 相模原 長野 富山 藤枝 沼津 鳥取 讃岐 北九州 熊本",
    2020: "八戸 岩手 秋田 福島 ＹＳ横浜 相模原 長野 富山 藤枝 沼津 岐阜 鳥取 讃岐 今治 熊本 鹿児島",
    2021: "八戸 岩手 福島 ＹＳ横浜 長野 富山 藤枝 沼津 岐阜 鳥取 讃岐 今治 熊本 宮崎 鹿児島",
    2022: "八戸 いわき 福島 ＹＳ横浜 相模原 松本 長野 富山 藤枝 沼津 岐阜 鳥取 讃岐 愛媛 今治 北九州 宮崎 鹿児島",
    2023: "八戸 岩手 福島 ＹＳ横浜 相模原 松本 長野 富山 沼津 岐阜 ＦＣ大阪 奈良 鳥取 讃岐 愛媛 今治 北九州 宮崎 鹿児島 琉球",
    2024: "八戸 岩手 福島 大宮 ＹＳ横浜 相模原 松本 長野 富山 金沢 沼津 岐阜 ＦＣ大阪 奈良 鳥取 讃岐 今治 北九州 宮崎 琉球",
}

# Club counts per season, to catch a slip in the lists above.
EXPECTED_SIZES = {
    "J1": {y: 20 if y in (2021, 2024, 2025) else 18 for y in J1},
    "J2": {2005: 12, 2006: 13, 2007: 13, 2008: 15, 2009: 18, 2010: 19, 2011: 20,
           **{y: 22 for y in range(2012, 2024)}, 2024: 20, 2025: 20},
    "J3": {2014: 11, 2015: 12, 2016: 13, 2017: 14, 2018: 14, 2019: 15, 2020: 16, 2021: 15,
           2022: 18, 2023: 20, 2024: 20},
}


def half_width(text: str) -> str:
    """Full-width ASCII forms (U+FF01..U+FF5E) to ASCII; everything else unchanged."""
    return "".join(chr(ord(c) - 0xFEE0) if 0xFF01 <= ord(c) <= 0xFF5E else c for c in text)


def with_variants(short: str, long: str) -> list[str]:
    lines = [f"{short} = {long}"]
    if half_width(long) != long:
        lines.append(f"{short} = {half_width(long)}")
    return lines


def dedupe(lines: list[str]) -> list[str]:
    seen, out = set(), []
    for line in lines:
        if line.startswith(";") or line not in seen:
            out.append(line)
            seen.add(line)
    return out


def check_leagues(shorts: set[str]) -> None:
    for name, table in (("J1", J1), ("J2", J2), ("J3", J3)):
        for year, text in table.items():
            clubs = text.split()
            if len(clubs) != len(set(clubs)):
                raise SystemExit(f"{year}{name}: a club is listed twice")
            if len(clubs) != EXPECTED_SIZES[name][year]:
                raise SystemExit(f"{year}{name}: {len(clubs)} clubs")
            unknown = set(clubs) - shorts
            if unknown:
                raise SystemExit(f"{year}{name}: unknown short names {unknown}")
    for year in set(J1) | set(J2) | set(J3):
        seen = []
        for table in (J1, J2, J3):
            seen += table.get(year, "").split()
        if len(seen) != len(set(seen)):
            raise SystemExit(f"{year}: a club is in two leagues")


def league_order(short: str) -> int:
    """North-to-south rank; a former short name ranks as its club does today."""
    order = [s for s, _ in CLUBS]
    return order.index({"草津": "群馬", "市原": "千葉"}.get(short, short))


def header(title: str, body: list[str]) -> list[str]:
    return [f"; {title}", *[f"; {line}" for line in body], ";"]


def team_name() -> list[str]:
    lines = header(
        "Brenvik チーム名データ (主テーブル)",
        [
            "書式: 略称 = 正式名称 (公式サイトの表記)",
            "略称はプログラムが表示する名前です。同じ略称の行が複数あるときは最初の行が正式名称です。",
            "この表はすべての開催回で最初に検索されます。",
        ],
    )
    lines.append("; ---- 正式名称 ----")
    for short, longs in CLUBS:
        for long in longs:
            lines += with_variants(short, long)
    lines.append("; ---- 略称表記 (公式サイトが略称で表示する場合) ----")
    for short, _ in CLUBS:
        lines += with_variants(short, short)
    return dedupe(lines)


def team_name1() -> list[str]:
    lines = header(
        "Brenvik チーム名データ (第749回以前)",
        [
            "書式: 略称 = 正式名称",
            "第750回より前の開催回で公式サイトが表示していたチーム名です。",
        ],
    )
    lines.append("; ---- 旧名称 ----")
    for short, long in FORMER_NAMES:
        lines += with_variants(short, long)
    for short in sorted({s for s, _ in FORMER_NAMES} - {s for s, _ in CLUBS}):
        lines += with_variants(short, short)
    lines.append("; ---- 当時の名称 ----")
    early = {c for table in (J1, J2, J3) for y, t in table.items() if y <= 2014 for c in t.split()}
    for short, longs in CLUBS:
        if short in early:
            for long in longs:
                if long not in LATER_NAMES:
                    lines += with_variants(short, long)
    return dedupe(lines)


def team_name2() -> list[str]:
    lines = header(
        "Brenvik チーム名データ (第750回以降)",
        [
            "書式: 略称 = 正式名称",
            "第750回以降の開催回で公式サイトが表示するチーム名です。Version と Revision が版を表します。",
        ],
    )
    lines += [f"Version = {TABLE_VERSION}", f"Revision = {TABLE_REVISION}", ";"]
    for short, longs in CLUBS:
        for long in longs:
            lines += with_variants(short, long)
    former = dict((long, short) for short, long in FORMER_NAMES)
    lines.append("; ---- 旧名称 ----")
    for long in FORMER_NAMES_AFTER_750:
        lines += with_variants(former[long], long)
    lines.append("[End]")
    return dedupe(lines)


def j1j2() -> list[str]:
    lines = header(
        "Brenvik リーグ所属データ",
        [
            "書式: 年J番号 = その年のリーグ所属チームの略称 (\",\" 区切り)",
            "J3 は 2014 年から。J-22 選抜と U-23 チームは含めていません。",
            "確かでない年 (2025年のJ3、2026年) はまだ記載していません。",
        ],
    )
    for year in sorted(set(J1) | set(J2) | set(J3)):
        for n, table in ((1, J1), (2, J2), (3, J3)):
            if year in table:
                clubs = sorted(table[year].split(), key=league_order)
                lines.append(f"{year}J{n} = " + ",".join(clubs))
    return lines


def main() -> None:
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "data", "SysData")
    shorts = {s for s, _ in CLUBS} | {s for s, _ in FORMER_NAMES}
    check_leagues(shorts)
    for name, lines in (("TeamName.dat", team_name()), ("TeamName1.dat", team_name1()),
                        ("TeamName2.dat", team_name2()), ("J1J2.dat", j1j2())):
        cp932_text.write_lines(os.path.join(out, name), lines)


if __name__ == "__main__":
    main()
