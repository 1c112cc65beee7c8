#include "common/text.h"

#include <gtest/gtest.h>

#include "common/cp1252.h"
#include "common/errors.h"
#include "common/integer.h"
#include "common/study_subject.h"

namespace tessaro {
namespace {

TEST(Text, UpperCasingTouchesOnlyAsciiLetters) {
  EXPECT_EQ(upperAscii("ren\xE9 z\xC9"), "REN\xE9 Z\xC9");
  EXPECT_EQ(upperAscii("h\xE9l\xE8ne"), "H\xE9L\xE8NE");
}

TEST(Text, TrimRemovesBytesUpTo32Only) {
  EXPECT_EQ(trim("  12 rue des Lilas  "), "12 rue des Lilas");
  EXPECT_EQ(trim("\t\x01x y\r\n"), "x y");
  EXPECT_EQ(trim("\xA0x\xA0"), "\xA0x\xA0");  // no-break space is 160
  EXPECT_EQ(trim("   "), "");
}

TEST(Text, SplitCrLfKeepsTrailingEmptyLine) {
  EXPECT_EQ(splitCrLf("a\r\nb\r\n"), (std::vector<Text>{"a", "b", ""}));
  EXPECT_EQ(splitCrLf(""), (std::vector<Text>{""}));
  EXPECT_EQ(splitCrLf("a\nb\r"), (std::vector<Text>{"a\nb\r"}));
}

TEST(Cp1252, EveryByteRoundTrips) {
  for (int b = 0; b < 256; ++b) {
    const Text one(1, static_cast<char>(b));
    EXPECT_EQ(fromUtf8(toUtf8(one)), one) << b;
  }
}

TEST(Cp1252, KnownMappings) {
  struct Case {
    unsigned char byte;
    char32_t code;
  };
  for (Case c : {Case{0x80, 0x20AC},
                 {0x81, 0x81},
                 {0x8D, 0x8D},
                 {0x8F, 0x8F},
                 {0x90, 0x90},
                 {0x9D, 0x9D},
                 {0x9C, 0x153},
                 {0x92, 0x2019},
                 {0xE9, 0xE9},
                 {0x41, 0x41}}) {
    EXPECT_EQ(cp1252ToUnicode(c.byte), c.code);
    EXPECT_EQ(unicodeToCp1252(c.code), c.byte);
  }
  EXPECT_EQ(toUtf8("\x80"), "\xE2\x82\xAC");
}

TEST(Cp1252, WhatCannotBeHeldBecomesQuestionMark) {
  EXPECT_EQ(fromUtf8("\xD0\x96"
                     "a"),
            "?a");                               // Cyrillic Zhe
  EXPECT_EQ(fromUtf8("\xF0\x9F\x98\x80"), "?");  // emoji
  EXPECT_EQ(fromUtf8("\xC3"), "?");              // truncated sequence
  EXPECT_EQ(fromUtf8("\xC0\xAF"
                     "b"),
            "??b");  // overlong encoding
  EXPECT_EQ(fromUtf8("\xC3\xA9"
                     "\xC5\x93"),
            "\xE9\x9C");  // é œ
}

TEST(ToInteger, AcceptsBlanksSignAndDigits) {
  struct Case {
    const char* text;
    int32_t value;
  };
  for (Case c : {Case{"0", 0},
                 {"07", 7},
                 {"  42", 42},
                 {"-5", -5},
                 {"+9", 9},
                 {"2147483647", 2147483647},
                 {"-2147483648", INT32_MIN}}) {
    EXPECT_EQ(toInteger(c.text), c.value) << c.text;
  }
}

TEST(ToInteger, RejectsEverythingElseWithTheFrenchMessage) {
  for (const char* bad :
       {"", " ", "-", "4 ", "1a", "2147483648", "-2147483649", "99999999999999999999", "0x10", "\xE9"}) {
    try {
      toInteger(bad);
      ADD_FAILURE() << "accepted '" << bad << "'";
    } catch (const ConversionError& e) {
      EXPECT_EQ(e.message(), "'" + Text(bad) + "' n'est pas une valeur enti\xE8re correcte");
    }
  }
}

TEST(NewStudy, OkChecksTheRawTexts) {
  NewStudyInput in;
  EXPECT_EQ(newStudyOkProblem(in), "Il manque le pr\xE9nom");
  in.firstName = "   ";
  EXPECT_EQ(newStudyOkProblem(in), "Il manque le nom");
  in.lastName = "x";
  EXPECT_EQ(newStudyOkProblem(in), "");
  EXPECT_EQ(subjectFromNewStudy(withBlanksRemovedFromNames(in)).FirstName, "");
}

TEST(NewStudy, OkRemovesBlanksButEnterKeepsThem) {
  NewStudyInput in{"jean pierre",          "de la tour",  "07/03/1962", "05/01/2024",
                   "  12 rue des Lilas  ", "75001 paris", " acme\t"};
  const NewStudyInput ok = withBlanksRemovedFromNames(in);
  EXPECT_EQ(ok.firstName, "jeanpierre");
  EXPECT_EQ(ok.lastName, "delatour");
  const StudySubject viaOk = subjectFromNewStudy(ok);
  EXPECT_EQ(viaOk.FirstName, "JEANPIERRE");
  EXPECT_EQ(viaOk.LastName, "DELATOUR");
  EXPECT_EQ(studyCaption(viaOk), "DELATOUR JEANPIERRE");
  EXPECT_EQ(viaOk.Address, "12 RUE DES LILAS");
  EXPECT_EQ(viaOk.PostcodeCity, "75001 PARIS");
  EXPECT_EQ(viaOk.Company, "ACME");
  EXPECT_EQ(viaOk.BirthDate, "07/03/1962");

  const StudySubject viaEnter = subjectFromNewStudy(in);
  EXPECT_EQ(viaEnter.FirstName, "JEAN PIERRE");
  EXPECT_EQ(viaEnter.LastName, "DE LA TOUR");
  EXPECT_EQ(studyCaption(StudySubject{}), " ");
}

TEST(NewStudy, AccentedLettersKeepTheirCaseAndDatesAreZeroPadded) {
  EXPECT_EQ(subjectFromNewStudy({"h\xE9l\xE8ne", "x", "", "", "", "", ""}).FirstName, "H\xE9L\xE8NE");
  EXPECT_EQ(dateText(5, 1, 2024), "05/01/2024");
  EXPECT_EQ(dateText(31, 12, 999), "31/12/0999");
}

}  // namespace
}  // namespace tessaro

namespace tessaro {
namespace {

TEST(FileErrors, NameTheUtf8PathInWindows1252) {
  try {
    throwCannotOpen("/tmp/\xC3\xA9tude.tsr");
    FAIL();
  } catch (const FileError& e) {
    EXPECT_EQ(e.message(), "Ne peut ouvrir le fichier /tmp/\xE9tude.tsr");
  }
  EXPECT_THROW(throwCannotCreate("x"), FileError);
}

}  // namespace
}  // namespace tessaro
