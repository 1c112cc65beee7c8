#include "engine/primitives.h"

#include <gtest/gtest.h>

#include "common/cp1252_literal.h"
#include "common/errors.h"

namespace tessaro {
namespace {

struct CodingCase {
  const char* text;
  const char* letters;
  const char* vowels;
  const char* consonants;
};

TEST(Codings, WorkedExamples) {
  for (const CodingCase& c : {
           CodingCase{"JEAN-PIERRE", "1515795995", "51955", "15799"},
           CodingCase{"FRANçOIS"_cp1252, "69153691", "169", "6951"},
           CodingCase{"NOëL"_cp1252, "563", "65", "53"},
           CodingCase{"HÉLÈNE"_cp1252, "8355", "5", "835"},
           CodingCase{"DUPONT", "437652", "36", "4752"},
           CodingCase{"A0Z", "18", "1", "8"},
           CodingCase{"abc Ääá"_cp1252, "", "", ""},
           CodingCase{"Y", "7", "7", ""},
           CodingCase{"ü"_cp1252, "", "3", ""},
           CodingCase{"123456789", "123456789", "", "123456789"},
           CodingCase{"àâùûèéêôöîï"_cp1252, "11335556699", "11335556699", ""},
           CodingCase{"", "", "", ""},
       }) {
    EXPECT_EQ(LettersToDigits(c.text), c.letters) << c.text;
    EXPECT_EQ(VowelsToDigits(c.text), c.vowels) << c.text;
    EXPECT_EQ(ConsonantsToDigits(c.text), c.consonants) << c.text;
  }
}

TEST(Codings, EveryCapitalHasItsPythagoreanValue) {
  for (char c = 'A'; c <= 'Z'; ++c) {
    EXPECT_EQ(LettersToDigits(std::string(1, c)), std::string(1, static_cast<char>('1' + (c - 'A') % 9)));
  }
}

TEST(Reductions, WorkedExamples) {
  struct Case {
    const char* in;
    const char* masters;
    const char* digit;
  };
  for (const Case& c : {Case{"11", "2", "2"},
                        {"22", "4", "4"},
                        {"7", "7", "7"},
                        {"29", "11", "2"},
                        {"38", "11", "2"},
                        {"994", "22", "4"},
                        {"99", "9", "9"},
                        {"19", "1", "1"},
                        {"0", "0", "0"},
                        {"000", "0", "0"},
                        {"56", "11", "2"},
                        {"437652", "9", "9"},
                        {"", "", ""}}) {
    EXPECT_EQ(ReduceKeepMasters(c.in), c.masters) << c.in;
    EXPECT_EQ(ReduceToDigit(c.in), c.digit) << c.in;
  }
}

// The karmic debts are read off these passes: a pass that were skipped or counted twice would
// lose or invent a debt.
TEST(Reductions, KeepMastersPassesEndOnTheResult) {
  struct Case {
    const char* in;
    std::vector<long long> passes;
  };
  for (const Case& c :
       {Case{"1515795995"
             "437652",
             {83, 11}},
        Case{"15799"
             "4752",
             {49, 13, 4}},
        Case{"19", {10, 1}}, Case{"1990", {19, 10, 1}}, Case{"7", {7}}, Case{"000", {0}}, Case{"", {}}}) {
    const ReductionPasses passes = KeepMastersPasses(c.in);
    EXPECT_EQ(std::vector<long long>(passes.sums.begin(), passes.sums.begin() + long(passes.count)), c.passes)
        << c.in;
    if (passes.count > 0) {
      EXPECT_EQ(std::to_string(passes.sums[passes.count - 1]), ReduceKeepMasters(c.in)) << c.in;
    }
  }
}

TEST(Reductions, ReduceTo22) {
  struct Case {
    const char* in;
    const char* out;
  };
  for (const Case& c : {Case{"22", "22"},
                        {"07", "07"},
                        {"0", "0"},
                        {"23", "5"},
                        {"29", "11"},
                        {"99", "18"},
                        {"999", "9"},
                        {"", ""}}) {
    EXPECT_EQ(ReduceTo22(c.in), c.out) << c.in;
  }
}

TEST(Reductions, NonDigitsMeetTheConversionError) {
  EXPECT_THROW(ReduceKeepMasters("1 1"), ConversionError);
  EXPECT_THROW(ReduceTo22("x"), ConversionError);
}

TEST(Denombre, CountsDigitsAndEveryCharacter) {
  const DigitCountArray a = Denombre("4376521");
  EXPECT_EQ(a, (DigitCountArray{7, 1, 1, 1, 1, 1, 1, 1, 0, 0}));
  EXPECT_EQ(Denombre("1 1"), (DigitCountArray{3, 2, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Denombre(""), DigitCountArray{});
  EXPECT_EQ(Denombre("0x9"), (DigitCountArray{3, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
}

}  // namespace
}  // namespace tessaro
