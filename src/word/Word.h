#pragma once

// The constants of the word processor's automation interface that the program passes, under their own
// names and values.

namespace word {

// Units of the insertion point's moves
inline constexpr int wdCharacter = 1;
inline constexpr int wdParagraph = 4;
inline constexpr int wdLine = 5;
inline constexpr int wdStory = 6;
inline constexpr int wdCell = 12;

// Moving or extending the selection
inline constexpr int wdMove = 0;
inline constexpr int wdExtend = 1;

// GoTo
inline constexpr int wdGoToBookmark = -1;
inline constexpr int wdGoToTable = 2;
inline constexpr int wdGoToNext = 2;

// Font
inline constexpr int wdUnderlineNone = 0;
inline constexpr int wdUnderlineSingle = 1;
inline constexpr int wdAuto = 0;
inline constexpr int wdBlack = 1;

// Borders
inline constexpr int wdBorderTop = -1;
inline constexpr int wdBorderLeft = -2;
inline constexpr int wdBorderBottom = -3;
inline constexpr int wdBorderRight = -4;
inline constexpr int wdBorderVertical = -6;
inline constexpr int wdLineStyleNone = 0;
inline constexpr int wdLineStyleSingle = 1;
inline constexpr int wdLineWidth050pt = 4;
inline constexpr int wdLineWidth150pt = 12;
inline constexpr int wdColorAutomatic = -16777216;

} // namespace word
