#include "engine/interpretation.h"

#include <gtest/gtest.h>

#include "common/cp1252_literal.h"
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
       "MAITRISE. Capacité de se réaliser par soi-même.\r\nDominant : Autorité, volonté.\r\n"_cp1252},
      {1, MissingReading,
       "MAITRISE. Capacité de se réaliser par soi-même.\r\nManquant : Insuffisance d'assurance."_cp1252},
      // Row 9's continuation of the title is never shown; its missing reading has no full stop.
      {9, DominantReading,
       "ALTRUISME. Capacité de se dévouer.\r\nDominant : Qualités de dévouement et "
       "d'altruisme.\r\n"_cp1252},
      {9, MissingReading,
       "ALTRUISME. Capacité de se dévouer.\r\nManquant : Manque d'intérêt pour les autres"_cp1252},
      {9, 0, "ALTRUISME. Capacité de se dévouer.\r\n"_cp1252},
      {6, 3, "HARMONIE. Capacité d'adaptation et de collaboration.\r\n"_cp1252},
      {6, DominantReading,
       "HARMONIE. Capacité d'adaptation et de collaboration.\r\nDominant : Sens de la famille Amour et "
       "amitié.\r\n"_cp1252},
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
            "5: MOBILITE. Capacité de changer et de bouger.\r\n"
            "Dominant : Voyage, Esprit large.\r\n"
            "\r\n"
            "8: EXPANSION MATERIELLE. Capacité de s'assumer.\r\n"
            "Manquant : Difficulté à maintenir l'équilibre.\r\n"_cp1252);
}

TEST(Interpretation, NameWithoutAnyLetterOfValueMakesEveryDigitDominantAndMissing) {
  const InterpretationResult result = computeInterpretation(named("Ô"_cp1252, "É-È"_cp1252));
  EXPECT_EQ(result.dominant, "1 2 3 4 5 6 7 8 9 ");
  EXPECT_EQ(result.missing, "1 2 3 4 5 6 7 8 9 ");
  Text reading;
  for (int32_t d = 1; d <= 9; ++d) reading += entry(d, DominantReading);
  for (int32_t d = 1; d <= 9; ++d) reading += entry(d, MissingReading);
  EXPECT_EQ(result.reading, reading);
}

}  // namespace
}  // namespace tessaro
