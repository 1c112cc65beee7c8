// The current year analysis and the values the portrait shares with it.
#include "engine/current_year.h"

#include <gtest/gtest.h>

#include "common/cp1252_literal.h"
#include "common/errors.h"
#include "engine/named_subject.h"
#include "engine/text_table.h"

namespace tessaro {
namespace {

TEST(CurrentYear, Analysis) {
  struct Case {
    StudySubject subject;
    const char* personalYear;
    const char* transitLetter;
    const char* markerBefore;
    const char* markerAfter;
    const char* monthNumber;
    const char* dayNumber;
    std::vector<Text> readingOpenings;  // each line starts with these
  };
  for (const Case& c : {
           // 2049 -> 15 -> 6; age 76, letter 77 of the cycle is the 11th of MARIEDURAND;
           // 76 mod 12 = 4; 12 + 6 = 18 -> 9; 8 + 9 = 17 -> 8.
           Case{subject("MARIE", "DURAND", "19/04/1950", "08/12/2026"),
                "6",
                "D",
                "4",
                "5",
                "9",
                "8",
                {"6: Année de responsabilité. Le foyer et la famille. Travail : "_cp1252,
                 "D: Lettre négative : Ennuis et soucis au foyer."_cp1252,
                 "4: La famille et le foyer sont au premier plan.",
                 "5: Période favorable aux loisirs et à la détente, aux relations sentimentales."_cp1252,
                 "9: Idéal pour achever un travail en cours ou pour conclure une affaire."_cp1252,
                 "8: Idéal pour les affaires et l'argent."_cp1252, ""}},
           // Age 0: the first name letter, markers 12 and 1; 1973 -> 20 -> 2; 1 + 2; 1 + 3.
           Case{subject("JEAN-PIERRE", "DUPONT", "19/04/1950", "01/01/1950"),
                "2",
                "J",
                "12",
                "1",
                "3",
                "4",
                {"2: Relations avec autrui au premier plan. Travail : ",
                 "J: Lettre positive : Succès et satisfaction dans tous les domaines."_cp1252,
                 "12: Soucis et angoisses.", "1: Début d'action."_cp1252,
                 "3: Idéal pour les relations et les contacts."_cp1252,
                 "4: Idéal pour le travail et la vie matérielle."_cp1252, ""}},
           // 2009 -> 11 -> 2: never a master number; 6 + 2; 15 + 8 = 23 -> 5; age 17, and
           // 17 mod 6 = 5 gives the sixth letter of ANNALI.
           Case{subject("ANNA", "LI", "01/01/1990", "15/06/2007"),
                "2",
                "I",
                "5",
                "6",
                "8",
                "5",
                {"2: ", "I: Lettre négative : Retards."_cp1252, "5: Période favorable aux loisirs"_cp1252,
                 "6: Période favorable aux affaires financières."_cp1252,
                 "8: Idéal pour les affaires et l'argent."_cp1252,
                 "5: Idéal pour le changement et les voyages."_cp1252, ""}},
           // A study before the birth year: no transit letter, negative markers without readings;
           // 1968 -> 24 -> 6.
           Case{subject("MARIE", "DURAND", "19/04/1950", "08/12/1945"),
                "6",
                "-",
                "-5",
                "-4",
                "9",
                "8",
                {"6: ", "-: Aucune lettre de passage pour cette date.", "-5: ", "-4: ", "9: ", "8: ", ""}},
           // Age 60 is past ten rounds of ANNALI; 1962 -> 18 -> 9; 1 + 9 = 10 -> 1; 1 + 1.
           Case{subject("ANNA", "LI", "01/01/1900", "01/01/1960"),
                "9",
                "-",
                "12",
                "1",
                "1",
                "2",
                {"9: ", "-: Aucune lettre de passage pour cette date.", "12: ", "1: ", "1: ", "2: ", ""}},
           // No plain capital at all in the names; 1902 -> 12 -> 3; 1 + 3; 1 + 4.
           Case{subject("ÉÈ"_cp1252, "çé"_cp1252, "01/01/1900", "01/01/1900"),
                "3",
                "-",
                "12",
                "1",
                "4",
                "5",
                {"3: ", "-: Aucune lettre de passage pour cette date.", "12: ", "1: ", "4: ", "5: ", ""}},
       }) {
    const CurrentYearResult result = computeCurrentYear(c.subject);
    const Text when = c.subject.BirthDate + " " + c.subject.StudyDate;
    EXPECT_EQ(result.title, "Analyse au " + c.subject.StudyDate);
    EXPECT_EQ(result.personalYear, c.personalYear) << when;
    EXPECT_EQ(result.transitLetter, c.transitLetter) << when;
    EXPECT_EQ(result.markerBefore, c.markerBefore) << when;
    EXPECT_EQ(result.markerAfter, c.markerAfter) << when;
    EXPECT_EQ(result.monthNumber, c.monthNumber) << when;
    EXPECT_EQ(result.dayNumber, c.dayNumber) << when;
    const std::vector<Text> lines = splitCrLf(result.reading);
    ASSERT_EQ(lines.size(), c.readingOpenings.size()) << when;
    for (size_t i = 0; i < lines.size(); ++i) {
      EXPECT_TRUE(lines[i].starts_with(c.readingOpenings[i])) << when << ": " << lines[i];
    }
  }
}

TEST(CurrentYear, MarkersCycleThroughTwelve) {
  struct Case {
    int32_t age;
    const char* before;
    const char* after;
  };
  for (const Case& c : {Case{0, "12", "1"}, Case{1, "1", "2"}, Case{11, "11", "12"}, Case{12, "12", "1"},
                        Case{13, "1", "2"}, Case{24, "12", "1"}, Case{76, "4", "5"}, Case{-1, "-1", "0"},
                        Case{-5, "-5", "-4"}, Case{-12, "12", "1"}}) {
    const AnniversaryMarkers markers = anniversaryMarkers(c.age);
    EXPECT_EQ(markers.before, c.before) << c.age;
    EXPECT_EQ(markers.after, c.after) << c.age;
  }
}

TEST(CurrentYear, TransitLetterWalksTheNameLettersTenTimes) {
  struct Case {
    const char* letters;
    int32_t age;
    const char* letter;
  };
  for (const Case& c : {Case{"ANNALI", 0, "A"}, Case{"ANNALI", 7, "N"}, Case{"ANNALI", 5, "I"},
                        Case{"ANNALI", 59, "I"}, Case{"ANNALI", 60, "-"}, Case{"ANNALI", -1, "-"},
                        Case{"MARIEDURAND", 76, "D"}, Case{"MARIEDURAND", 77, "M"}, Case{"", 0, "-"}}) {
    EXPECT_EQ(TransitLetter(c.letters, c.age), c.letter) << c.letters << " " << c.age;
  }
}

TEST(CurrentYear, NameLettersAreThePlainCapitalsOfBothNames) {
  struct Case {
    const char* first;
    const char* last;
    const char* letters;
  };
  for (const Case& c :
       {Case{"MARIE", "DURAND", "MARIEDURAND"}, Case{"ÉLODIE"_cp1252, "D'ARC", "LODIEDARC"},
        Case{"éMILE"_cp1252, "ZOLA", "MILEZOLA"}, Case{"JEAN-PIERRE 2", "LE GOFF", "JEANPIERRELEGOFF"},
        Case{"FRANçOIS"_cp1252, "", "FRANOIS"}}) {
    EXPECT_EQ(NameLetters(subject(c.first, c.last, "", "")), c.letters) << c.first;
  }
}

TEST(CurrentYear, TransitLetterReadings) {
  struct Case {
    const char* letter;
    const char* reading;
  };
  for (const Case& c : {Case{"C", "Lettre positive : Réussite. Voyages. bonheur affectif."_cp1252},
                        Case{"H", "Lettre neutre : Hauts et bas rapides dans tous les domaines"},
                        Case{"L", "Lettre positive : Année heureuse sur tous les plans."_cp1252},
                        Case{"-", "Aucune lettre de passage pour cette date."}}) {
    EXPECT_EQ(TransitLetterReading(c.letter), c.reading) << c.letter;
  }
}

TEST(CurrentYear, Failures) {
  struct Case {
    const char* birthDate;
    const char* studyDate;
    bool missing;  // else a conversion error
    const char* message;
  };
  for (const Case& c : {
           Case{"", "08/12/2026", true, "Date de naissance manquante"},
           Case{"19/04/1950", "", true, "Date de naissance manquante"},
           Case{"19/04/1950", "8/12/2026", true, "Date de naissance manquante"},
           Case{"1x/04/1950", "08/12/2026", false, "'1x' n'est pas une valeur entière correcte"_cp1252},
           Case{"19/04/19x0", "08/12/2026", false, "'19x0' n'est pas une valeur entière correcte"_cp1252},
           Case{"19/04/1950", "08/12/20x6", false, "'20x6' n'est pas une valeur entière correcte"_cp1252},
           // The study month and day are converted last, after the personal year and the age.
           Case{"19/04/19x0", "08/1x/2026", false, "'19x0' n'est pas une valeur entière correcte"_cp1252},
           Case{"19/04/1950", "08/1x/2026", false, "'1x' n'est pas une valeur entière correcte"_cp1252},
           Case{"19/04/1950", "x8/12/2026", false, "'x8' n'est pas une valeur entière correcte"_cp1252},
       }) {
    const Text when = Text(c.birthDate) + " " + c.studyDate;
    try {
      computeCurrentYear(subject("MARIE", "DURAND", c.birthDate, c.studyDate));
      ADD_FAILURE() << "no error for " << when;
    } catch (const UserMessage& e) {
      EXPECT_TRUE(c.missing) << when;
      EXPECT_EQ(e.message(), c.message) << when;
    } catch (const ConversionError& e) {
      EXPECT_FALSE(c.missing) << when;
      EXPECT_EQ(e.message(), c.message) << when;
    }
  }
}

}  // namespace
}  // namespace tessaro
