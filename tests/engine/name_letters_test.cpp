#include "engine/name_letters.h"

#include <gtest/gtest.h>

#include "common/cp1252_literal.h"
#include "common/errors.h"
#include "tests/engine/named_subject.h"

namespace tessaro {
namespace {

TEST(NameLetters, InitialsFirstVowelAndLetterClasses) {
  struct Case {
    StudySubject subject;
    const char* initials;
    const char* initialsNumber;
    const char* initialsLine;
    const char* firstVowel;
    LetterClassCountTexts counts;
  };
  const Case cases[] = {
      // Initials worth 1, 7, 4: 12, then 3; the O of DUPONT comes after its U.
      {named("JEAN-PIERRE", "DUPONT"), "J.P.D.", "3", "J.P.D.= 3", "U", {"6", "4", "5", "1"}},
      {named("MARIE-ANNE", "LE-GALL"), "M.A.L.G.", "6", "M.A.L.G.= 6", "E", {"9", "4", "2", "-"}},
      // 1 + 1 + 9 makes 11, which is kept.
      {named("JEAN-JACQUES", "ROUSSEAU"), "J.J.R.", "11", "J.J.R.= 11", "O", {"6", "3", "5", "5"}},
      // é has a value (5) but is no capital: it counts in no class.
      {named("éMILE"_cp1252, "ZOLA"), "é.Z."_cp1252, "4", "é.Z.= 4"_cp1252, "O", {"3", "2", "3", "-"}},
      // Blanks separate parts like hyphens; a trailing hyphen adds a lone full stop.
      {named("JEAN-", "DE LA TOUR"), "J..D.L.T.", "1", "J..D.L.T.= 1", "E", {"5", "3", "3", "1"}},
      {named("JEAN--PIERRE", "DUPONT"), "J.-.P.D.", "3", "J.-.P.D.= 3", "U", {"6", "4", "5", "1"}},
      // Accented vowels are no first vowel.
      {named("ANNA", "SMRT"), "A.S.", "2", "A.S.= 2", "", {"4", "1", "3", "-"}},
      {named("ANNA", "BRéT"_cp1252), "A.B.", "3", "A.B.= 3", "", {"4", "-", "3", "-"}},
      {named("", "DUPONT"), ".D.", "4", ".D.= 4", "U", {"2", "1", "2", "1"}},
      // Nothing of value among the initials.
      {named("ÉMILE"_cp1252, "ÉLUARD"_cp1252), "É.É."_cp1252, "", "É.É.= "_cp1252, "U", {"3", "3", "2", "1"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Initials(c.subject), c.initials) << c.subject.FirstName;
    EXPECT_EQ(InitialsNumber(c.subject), c.initialsNumber) << c.subject.FirstName;
    EXPECT_EQ(InitialsLine(c.subject), c.initialsLine) << c.subject.FirstName;
    EXPECT_EQ(FirstVowel(c.subject), c.firstVowel) << c.subject.FirstName;
    const LetterClassCountTexts counts = LetterClassCounts(c.subject);
    EXPECT_EQ(counts.cerebral, c.counts.cerebral) << c.subject.FirstName;
    EXPECT_EQ(counts.physical, c.counts.physical) << c.subject.FirstName;
    EXPECT_EQ(counts.emotional, c.counts.emotional) << c.subject.FirstName;
    EXPECT_EQ(counts.intuitive, c.counts.intuitive) << c.subject.FirstName;
  }
}

TEST(NameLetters, PartsAreReadFromTheFirst255CharactersAfterEachSeparator) {
  const StudySubject subject = named("A-" + Text(300, 'B') + "-C", "D");
  EXPECT_EQ(Initials(subject), "A.B.D.");
}

TEST(NameLetters, FirstVowelKeyIsThePositionInAeiouy) {
  struct Case {
    const char* vowel;
    int32_t key;
  };
  for (const Case& c : {Case{"A", 1}, Case{"E", 2}, Case{"I", 3}, Case{"O", 4}, Case{"U", 5}, Case{"Y", 6},
                        Case{"", 0}, Case{"B", 0}, Case{"é"_cp1252, 0}, Case{"AE", 0}}) {
    EXPECT_EQ(firstVowelKey(c.vowel), c.key) << c.vowel;
  }
}

TEST(NameLetters, ReadingOfTheInitialsTheirLettersAndTheFirstVowel) {
  struct Case {
    StudySubject subject;
    const char* reading;
  };
  const Case cases[] = {
      {named("JEAN-PIERRE", "DUPONT"),
       " 3: Expression.\r\n"
       "J: (lettre cérébrale) Intelligence, création.\r\n"
       "P: (lettre cérébrale) Discrétion, solitude.\r\n"
       "D: (lettre physique) Efficacité, développement.\r\n"
       "U: Intuition, tension morale.\r\n"_cp1252},
      // A letter found twice among the initials gets two lines.
      {named("JEAN-JACQUES", "ROUSSEAU"),
       "11: Inspiration, maîtrise.\r\n"
       "J: (lettre cérébrale) Intelligence, création.\r\n"
       "J: (lettre cérébrale) Intelligence, création.\r\n"
       "R: (lettre émotive) Emotivité, tension.\r\n"
       "O: Force intérieure, discrétion des sentiments, secret.\r\n"_cp1252},
      // é gets no letter line.
      {named("éMILE"_cp1252, "ZOLA"),
       " 4: Organisation.\r\n"
       "Z: (lettre émotive) Doute, matérialité.\r\n"
       "O: Force intérieure, discrétion des sentiments, secret.\r\n"_cp1252},
      // Without a first vowel the last line is empty.
      {named("ANNA", "SMRT"),
       " 2: Association.\r\n"
       "A: (lettre cérébrale) Autorité, direction.\r\n"
       "S: (lettre émotive) Nervosité, oppression.\r\n"
       "\r\n"_cp1252},
      {named("YVES", "WYSS"),
       " 3: Expression.\r\n"
       "Y: (lettre intuitive) Incertitude, intuition.\r\n"
       "W: (lettre physique) Inconstance, hauts et bas.\r\n"
       "Y: Un certain mystère, intuition.\r\n"_cp1252},
  };
  for (const Case& c : cases) {
    const NameLettersResult result = computeNameLetters(c.subject);
    EXPECT_EQ(result.reading, c.reading) << c.subject.FirstName;
  }
}

TEST(NameLetters, InitialsWithoutValueStopTheAnalysis) {
  try {
    computeNameLetters(named("ÉMILE"_cp1252, "ÉLUARD"_cp1252));
    ADD_FAILURE();
  } catch (const ConversionError& error) {
    EXPECT_EQ(error.message(), "'= ' n'est pas une valeur entière correcte"_cp1252);
  }
}

}  // namespace
}  // namespace tessaro
