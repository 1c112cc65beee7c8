#include "engine/interpretation.h"

#include <gtest/gtest.h>

#include "engine/texts/interpretation_texts.h"
#include "tests/engine/named_subject.h"

namespace tessaro {
namespace {

TEST(VenusCapacityText, TitleThenTheReadingOfTheMode) {
  struct Case {
    int32_t digit;
    int32_t mode;
    const char* text;
  };
  const Case cases[] = {
      {1, DominantReading,
       "MAITRISE. Capacit\xE9 de se r\xE9"
       "aliser par soi-m\xEAme.\r\nDominant : Autorit\xE9, volont\xE9.\r\n"},
      {1, MissingReading,
       "MAITRISE. Capacit\xE9 de se r\xE9"
       "aliser par soi-m\xEAme.\r\nManquant : Insuffisance d'assurance."},
      // Row 9's continuation of the title is never shown; its missing reading has no full stop.
      {9, DominantReading,
       "ALTRUISME. Capacit\xE9 de se d\xE9vouer.\r\nDominant : Qualit\xE9s de d\xE9vouement et "
       "d'altruisme.\r\n"},
      {9, MissingReading,
       "ALTRUISME. Capacit\xE9 de se d\xE9vouer.\r\nManquant : Manque d'int\xE9r\xEAt pour les autres"},
      {9, 0, "ALTRUISME. Capacit\xE9 de se d\xE9vouer.\r\n"},
      {6, 3, "HARMONIE. Capacit\xE9 d'adaptation et de collaboration.\r\n"},
      {6, DominantReading,
       "HARMONIE. Capacit\xE9 d'adaptation et de collaboration.\r\nDominant : Sens de la famille Amour et "
       "amiti\xE9.\r\n"},
      {0, DominantReading, ""},
      {10, MissingReading, ""},
      {11, 0, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(VenusCapacityText(c.digit, c.mode), c.text) << c.digit << "/" << c.mode;
}

// The reading entry of a digit: the number, ": ", the capacity text, CR LF.
Text entry(int32_t digit, int32_t mode) {
  return std::to_string(digit) + ": " + VenusCapacityText(digit, mode) + "\r\n";
}

TEST(Interpretation, DominantAndMissingDigitsWithTheirReadings) {
  struct Case {
    DigitCountArray counts;
    const char* dominant;
    const char* missing;
    std::vector<std::pair<int32_t, int32_t>> entries;
  };
  const Case cases[] = {
      {{16, 2, 1, 1, 1, 5, 1, 2, 0, 3}, "5 ", "8 ", {{5, DominantReading}, {8, MissingReading}}},
      // Ties are all dominant, ascending, before any missing digit.
      {{6, 0, 2, 0, 0, 2, 0, 1, 0, 1},
       "2 5 ",
       "1 3 4 6 8 ",
       {{2, DominantReading},
        {5, DominantReading},
        {1, MissingReading},
        {3, MissingReading},
        {4, MissingReading},
        {6, MissingReading},
        {8, MissingReading}}},
      {{9, 1, 1, 1, 1, 1, 1, 1, 1, 1},
       "1 2 3 4 5 6 7 8 9 ",
       "",
       {{1, DominantReading},
        {2, DominantReading},
        {3, DominantReading},
        {4, DominantReading},
        {5, DominantReading},
        {6, DominantReading},
        {7, DominantReading},
        {8, DominantReading},
        {9, DominantReading}}},
  };
  for (const Case& c : cases) {
    const InterpretationResult result = interpretVenusCounts(c.counts);
    EXPECT_EQ(result.dominant, c.dominant);
    EXPECT_EQ(result.missing, c.missing);
    Text reading;
    for (const auto& [digit, mode] : c.entries) reading += entry(digit, mode);
    EXPECT_EQ(result.reading, reading) << c.dominant;
  }
}

TEST(Interpretation, ReadingOfJeanPierreDupontWordForWord) {
  const InterpretationResult result = computeInterpretation(named("JEAN-PIERRE", "DUPONT"));
  EXPECT_EQ(result.dominant, "5 ");
  EXPECT_EQ(result.missing, "8 ");
  EXPECT_EQ(result.reading,
            "5: MOBILITE. Capacit\xE9 de changer et de bouger.\r\n"
            "Dominant : Voyage, Esprit large.\r\n"
            "\r\n"
            "8: EXPANSION MATERIELLE. Capacit\xE9 de s'assumer.\r\n"
            "Manquant : Difficult\xE9 \xE0 maintenir l'\xE9quilibre.\r\n");
}

TEST(Interpretation, NameWithoutAnyLetterOfValueMakesEveryDigitDominantAndMissing) {
  const InterpretationResult result = computeInterpretation(named("\xD4", "\xC9-\xC8"));
  EXPECT_EQ(result.dominant, "1 2 3 4 5 6 7 8 9 ");
  EXPECT_EQ(result.missing, "1 2 3 4 5 6 7 8 9 ");
  Text reading;
  for (int32_t d = 1; d <= 9; ++d) reading += entry(d, DominantReading);
  for (int32_t d = 1; d <= 9; ++d) reading += entry(d, MissingReading);
  EXPECT_EQ(result.reading, reading);
}

}  // namespace
}  // namespace tessaro
