// The compatibility of two people: their expression digits, the pair's reading and the printed page.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "common/cp1252_literal.h"
#include "common/text.h"
#include "engine/primitives.h"

namespace tessaro {

// The four names the second-person dialog hands back, as typed (the first person's may differ
// from the study's).
struct PairNames {
  Text firstFirstName;
  Text firstLastName;
  Text secondFirstName;
  Text secondLastName;
};

// The texts of the compatibility dialog, in the order its Init receives them.
struct CompatibilityResult {
  Text firstFullName;  // upper-cased first name, one blank, upper-cased last name
  Text secondFullName;
  NumberText firstNumber;  // one digit: 11 and 22 are reduced further
  NumberText secondNumber;
  Text reading;
};

// No result, and no message, when the second person's first or last name is empty. A name
// without any character of value fails with the conversion error.
std::optional<CompatibilityResult> computeCompatibility(const PairNames& names);

// The two digits, the smaller first, as the key of CompatibilityTexts: 7 and 3 give 37.
NumberText pairKey(std::string_view firstNumber, std::string_view secondNumber);

// The expression reading up to its "Travail" part: the traits line and the "Amour" line, each
// ending with its line break.
Text expressionReadingHead(int32_t number);

// The printer's page: its size in device pixels and in whole millimetres as the printer reports it.
struct PageSize {
  int32_t widthPixels;
  int32_t heightPixels;
  int32_t widthMillimetres;
  int32_t heightMillimetres;
};

// Device position of a distance in millimetres across (Mh) and down (Mv) the page, 5 mm margin
// included. The pixels per millimetre are truncated first, so positions are whole multiples of
// them. A page that reports no millimetre size fails with "Division par zéro".
int32_t Mh(const PageSize& page, int32_t millimetres);
int32_t Mv(const PageSize& page, int32_t millimetres);

inline constexpr const char* DivisionByZeroMessage = "Division par zéro"_cp1252;

// The whole page is printed in this one font.
inline constexpr const char* PageFontFamily = "Arial";
inline constexpr int32_t PageFontPoints = 12;
inline constexpr bool PageFontBold = true;
inline constexpr int32_t PagePenWidth = 2;

// A text drawn with the top-left corner of its line at (x, y), in device pixels.
struct PageText {
  Text text;
  int32_t x;
  int32_t y;
};

// Everything of the printed result but what needs the font's metrics: the title's x comes from
// titleX once its width is measured.
struct CompatibilityPage {
  int32_t frameLeft;
  int32_t frameTop;
  int32_t frameRight;
  int32_t frameBottom;
  Text title;
  int32_t titleY;
  // The names and numbers, then the memo lines one below the other. Nothing is clipped: from
  // the twelfth memo line on, lines fall on or below the frame's lower edge.
  std::vector<PageText> lines;
};

// memoLines: the memo's lines as it displays them, wrapped as on screen.
CompatibilityPage compatibilityPage(const PageSize& page, const CompatibilityResult& result,
                                    std::span<const Text> memoLines);

// The title centred across the page (negative when it is wider than the page).
int32_t titleX(const PageSize& page, int32_t titleWidthPixels);

}  // namespace tessaro
