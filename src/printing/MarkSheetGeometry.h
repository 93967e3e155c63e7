#pragma once
#include <cstdint>

namespace brenvik::MarkSheetGeometry {

// The toto mark sheet in millimetres from the top-left corner of the printable page, before
// the user's shift.
inline constexpr double ColumnPitch = 3.5;
inline constexpr double RowPitch = 5.0;
inline constexpr double Column0X = 23.5;
inline constexpr double Row0Y = 4.75;
inline constexpr double MarkWidth = 1.0;
inline constexpr double MarkHeight = 3.5;

inline constexpr int SlotsPerPage = 10;
inline constexpr int FirstSingleColumn = 14;
inline constexpr int TensColumn = 2;
inline constexpr int UnitsColumn = 3;
inline constexpr int DigitRow0 = 3;  // digit d on row 3 + d
inline constexpr int GroupAColumn = 6;
inline constexpr int GroupBColumn = 7;
inline constexpr int GroupRow = 6;
inline constexpr int PairingColumn = 4;
inline constexpr double InfoTextX = 3.0;
inline constexpr int PageTextRow = 1;
inline constexpr int FileTextRow = 2;

inline constexpr const char* TextFont = "ＭＳ ゴシック";
inline constexpr double PairingPointSize = 6.0;
inline constexpr double InfoPointSize = 9.0;

inline constexpr double SheetWidth = 203.0;
inline constexpr double SheetHeight = 82.5;
// Landscape puts the sheet at the bottom of the A4 page: 127.5 + 82.5 = 210.
inline constexpr double LandscapeOffset = 127.5;

constexpr double columnX(int column) {
    return Column0X + ColumnPitch * column;
}
constexpr double rowY(int row) {
    return Row0Y + RowPitch * row;
}
// The column of an outcome digit (1, 0, 2 from left to right) in slot 1..10; -1 for a digit
// that is no outcome.
constexpr int singleColumn(int slot, int outcome) {
    const int offset = outcome == 1 ? 0 : outcome == 0 ? 1 : outcome == 2 ? 2 : -1;
    if (offset < 0) return -1;
    return FirstSingleColumn + 3 * (slot - 1) + offset;
}

}  // namespace brenvik::MarkSheetGeometry
