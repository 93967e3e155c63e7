#!/usr/bin/env python3
"""Writes the first pattern library: the plain multi of every shape.

    python3 tools/make_plain_library.py [output file]   (default: data/SysData/Qel.dat)

One pattern of kind 10000 (every combination is bought) for each shape of D doubles and
T triples with D + T from 0 to 13, 105 shapes, in order of D + T, then D. The file is CP932
with CR LF line ends; only the standard library is used.

Pattern IDs are stable forever: a saved file names its pattern by ID, so an ID is never
reused for anything else. An improved pattern gets a new revision (a new ID); the old one
stays in the library with Listed 0. IDs are built as

    ID = D * 10^7 + T * 10^5 + K * 10^3 + R * 10^2 + V

    D  doubles, 0..13          T  triples, 0..13
    K  kind code: 0..13 = conditional multi tolerating the favourite missing in up to K
       matches, 98 = composite of two patterns (kind 9999), 99 = plain multi (kind 10000)
    R  guarantee radius: 0 = 1等 only, 1 = ２等保証, 2 = ３等保証
    V  revision, 1..99

so the plain multi of D=2, T=1 is 20199001 and that of D=0, T=0 is 99001.
"""

import os
import sys

PLAIN_MULTI_KIND = 10000
PLAIN_MULTI_CODE = 99
PATTERN_LIST = 1
REVISION = 1


def pattern_id(doubles: int, triples: int, kind_code: int, radius: int, revision: int) -> int:
    assert 0 <= doubles <= 13 and 0 <= triples <= 13 and doubles + triples <= 13
    assert 0 <= kind_code <= 99 and 0 <= radius <= 2 and 1 <= revision <= 99
    return doubles * 10**7 + triples * 10**5 + kind_code * 10**3 + radius * 10**2 + revision


def shapes():
    for total in range(0, 14):
        for doubles in range(0, total + 1):
            yield doubles, total - doubles


def pattern_line(doubles: int, triples: int) -> str:
    marked = doubles + triples
    # Every combination is bought: a multi that holds the result always wins 1等, and the
    # singles one or two matches away exist once there are that many double/triple matches.
    pct2 = 100 if marked >= 1 else 0
    pct3 = 100 if marked >= 2 else 0
    percentages = ":".join(str(p) for p in (100, 100, 100, pct2, pct3))
    fields = [
        f"D{doubles:02d}T{triples:02d}",
        "1",
        str(pattern_id(doubles, triples, PLAIN_MULTI_CODE, 0, REVISION)),
        percentages,
        str(PATTERN_LIST),
        str(PLAIN_MULTI_KIND),
        "-",  # kind 10000 expands all combinations; it has no role codes
        "@",
    ]
    return ", ".join(fields)


def library_lines() -> list[str]:
    patterns = [pattern_line(d, t) for d, t in shapes()]
    return [
        "; Brenvik パターンライブラリ (Qel.dat)",
        "; 通常マルチ: 全ての組合せを購入するパターンです。",
        "; このファイルは tools/make_plain_library.py で作成しています。直接編集しないで下さい。",
        ";",
        "FileID, 1",
        "FileBuild, 1",
        "FileType, Qel",
        f"PatternCount, {len(patterns)}",
        f"PatternList, {PATTERN_LIST}, 通常マルチ, 全ての組合せを購入します",
        ";",
        *patterns,
    ]


def write_cp932(path: str, lines: list[str]) -> None:
    data = "".join(line + "\r\n" for line in lines).encode("cp932")
    folder = os.path.dirname(os.path.abspath(path))
    os.makedirs(folder, exist_ok=True)
    tmp = path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(data)
    os.replace(tmp, path)


def main() -> None:
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "data", "SysData", "Qel.dat")
    lines = library_lines()
    ids = [int(line.split(",")[2]) for line in lines if line.startswith("D")]
    assert len(ids) == 105 and len(set(ids)) == 105
    write_cp932(out, lines)


if __name__ == "__main__":
    main()
