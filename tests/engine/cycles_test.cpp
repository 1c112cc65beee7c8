// The cycles of a life, worked out by hand for subjects that between them meet every rule.
#include "engine/cycles.h"

#include <gtest/gtest.h>

#include "common/cp1252_literal.h"
#include "common/errors.h"
#include "engine/birth_date.h"
#include "engine/current_year.h"
#include "engine/named_subject.h"
#include "engine/texts/cycles_texts.h"

namespace tessaro {
namespace {

Text spanText(const AgeSpan& ages) {
  return std::to_string(ages.from) + "-" + (ages.to ? std::to_string(*ages.to) : "");
}

// "realisation/challenge@from-to" for each period.
Text periodsText(const CyclesResult& r) {
  Text text;
  for (const RealisationPeriod& p : r.periods) {
    text += (text.empty() ? "" : " ") + p.realisation + "/" + p.challenge + "@" + spanText(p.ages);
  }
  return text;
}

// "number@from-to" for each life cycle, after checking its name.
Text lifeCyclesText(const CyclesResult& r) {
  Text text;
  for (size_t i = 0; i < r.lifeCycles.size(); ++i) {
    EXPECT_EQ(r.lifeCycles[i].name, LifeCycleNames[i]);
    text += (text.empty() ? "" : " ") + r.lifeCycles[i].number + "@" + spanText(r.lifeCycles[i].ages);
  }
  return text;
}

Text debtsText(const CyclesResult& r) {
  Text text;
  for (const KarmicDebt& d : r.karmicDebts) {
    text +=
        (text.empty() ? "" : ", ") + Text(DebtSourceNames[size_t(d.source)]) + " " + std::to_string(d.debt);
  }
  return text;
}

TEST(Cycles, HandWorkedSubjects) {
  struct Case {
    StudySubject subject;
    int32_t age;
    const char* periods;
    const char* lifeCycles;
    const char* maturity;
    const char* debts;
    int currentPeriod;  // 1-4, 0 for none
    int currentCycle;   // 1-3, 0 for none
  };
  for (const Case& c : {
           // d 6, m 5, y 1949 -> 23 -> 5; life path 7 (1969 -> 25 -> 7), A = 29. 5+6 = 11 and 6+5 = 11
           // are kept, 11+11 = 22 too, 5+5 = 10 gives 1. Challenges |5-6|, |6-5|, 0, 0. Maturity
           // 7+11 = 18 -> 9. The consonants of JEAN-PIERRE DUPONT add up to 49, then 13.
           Case{subject("JEAN-PIERRE", "DUPONT", "15/05/1949", "08/12/2026"), 77,
                "11/1@0-29 11/1@29-38 22/0@38-47 1/0@47-", "5@0-29 6@29-56 5@56-", "9",
                "réalisation 13"_cp1252, 4, 3},
           // d 19 -> 10 -> 1, m 4, y 6; life path 11 gives A = 36 - 2 = 34. 4+1, 1+6, 5+7 = 12 -> 3,
           // 4+6 = 10 -> 1; challenges 3, 5, 2, 2. Expression 54 -> 9, maturity 11+9 = 20 -> 2. The
           // day is 19, and the vowels of MARIE DURAND add up to 19 (then 10, 1).
           Case{subject("MARIE", "DURAND", "19/04/1950", "08/12/2026"), 76,
                "5/3@0-34 7/5@34-43 3/2@43-52 1/2@52-", "4@0-34 1@34-61 6@61-", "2", "jour 19, intime 19", 4,
                3},
           // d 4, m 5, y 1992 -> 21 -> 3; life path 3 (2001), A = 33. 9, 7, 16 -> 7 (a period's sum
           // is no debt), 8; challenges 1, 1, 0, 2. Expression 24 -> 6, maturity 9; consonants N N L
           // add up to 13.
           Case{subject("ANNA", "LI", "04/05/1992", "15/06/2007"), 15, "9/1@0-33 7/1@33-42 7/0@42-51 8/2@51-",
                "5@0-33 4@33-60 3@60-", "9", "réalisation 13"_cp1252, 1, 1},
           // A hand-edited date: d 0, m 13 -> 4, y 1990 -> 19 -> 10 -> 1; life path 5 (2003 and
           // 00131990 -> 23 -> 5), A = 31. Age 40 is where the third period starts. ELSA KAST's
           // letters add up to 16 (then 7): maturity 5+7 = 12 -> 3.
           Case{subject("ELSA", "KAST", "00/13/1990", "01/01/2030"), 40,
                "4/4@0-31 1/1@31-40 5/3@40-49 5/3@49-", "4@0-31 0@31-58 1@58-", "3", "expression 16", 3, 2},
           // Every part 0: life path 0, so A = 36 and every period is 0.
           Case{subject("ELSA", "KAST", "00/00/0000", "01/01/2000"), 2000,
                "0/0@0-36 0/0@36-45 0/0@45-54 0/0@54-", "0@0-36 0@36-63 0@63-", "7", "expression 16", 4, 3},
           // No letter of value (the vowels ë ë ü add up to 13, but the name gives no debts) and a
           // study ten years before the birth. d 13 -> 4, m 1, y 1; life path 6 (2004), A = 30.
           Case{subject("ÉÈ"_cp1252, "ëëü"_cp1252, "13/01/1990", "01/01/1980"), -10,
                "5/3@0-30 5/3@30-39 1/0@39-48 2/0@48-", "1@0-30 4@30-57 1@57-", "", "jour 13", 0, 0},
           // 1958 + 1 + 1 = 1960 -> 16 -> 7, while the digits give 25 -> 7: the debt comes from the sum
           // alone. Life path 7, A = 29; age 29 is the first year of the second period.
           Case{subject("JEAN", "DUPONT", "01/01/1958", "01/01/1987"), 29,
                "2/0@0-29 6/4@29-38 8/4@38-47 6/4@47-", "1@0-29 1@29-56 5@56-", "1", "chemin de vie 16", 2,
                2},
           // Day 29: d 11 (2 for the challenges), m 2, y 1944 -> 18 -> 9; 1975 -> 22 makes the life
           // path 22, A = 32. 2+11 = 13 -> 4, 11+9 = 20 -> 2, 6, 2+9 = 11 kept; challenges 0, 7, 7, 7.
           // Maturity 22+11 = 33 -> 6: only a sum of 11 or 22 stays.
           Case{subject("JEAN-PIERRE", "DUPONT", "29/02/1944", "08/12/2026"), 82,
                "4/0@0-32 2/7@32-41 6/7@41-50 11/7@50-", "2@0-32 11@32-59 9@59-", "6",
                "réalisation 13"_cp1252, 4, 3},
           // 10 + 10 + 1970 = 1990 -> 19 and 10101970 -> 19: one debt for the source.
           Case{subject("JEAN", "DUPONT", "10/10/1970", "10/10/1970"), 0,
                "2/0@0-35 9/7@35-44 11/7@44-53 9/7@53-", "1@0-35 1@35-62 8@62-", "4", "chemin de vie 19", 1,
                1},
       }) {
    const Text who = c.subject.FirstName + " " + c.subject.BirthDate + " " + c.subject.StudyDate;
    const CyclesResult r = computeCycles(c.subject);
    EXPECT_EQ(r.age, c.age) << who;
    EXPECT_EQ(periodsText(r), c.periods) << who;
    EXPECT_EQ(lifeCyclesText(r), c.lifeCycles) << who;
    EXPECT_EQ(r.maturity, c.maturity) << who;
    EXPECT_EQ(debtsText(r), c.debts) << who;
    EXPECT_EQ(r.currentPeriod ? int(*r.currentPeriod) + 1 : 0, c.currentPeriod) << who;
    EXPECT_EQ(r.currentCycle ? int(*r.currentCycle) + 1 : 0, c.currentCycle) << who;
  }
}

TEST(Cycles, ReadingGivesTheCurrentPartsThenMaturityAndDebts) {
  struct Case {
    StudySubject subject;
    std::vector<Text> lineOpenings;
  };
  for (const Case& c : {
           Case{subject("MARIE", "DURAND", "19/04/1950", "08/12/2026"),
                {"1: Période de réalisation 4 (à partir de 52 ans). Affirmation de soi."_cp1252,
                 "2: Défi 4 (à partir de 52 ans). La sensibilité."_cp1252,
                 "6: Cycle moisson (à partir de 61 ans). Sous le signe de la famille."_cp1252,
                 "2: Nombre de maturité. Maturité paisible"_cp1252,
                 "19: Dette karmique (jour, intime). Dette de pouvoir.", ""}},
           // The third challenge is the main one; a number without a row keeps its heading.
           Case{subject("ELSA", "KAST", "00/13/1990", "01/01/2030"),
                {"5: Période de réalisation 3 (de 40 à 49 ans). Changements et liberté."_cp1252,
                 "3: Défi 3, défi principal (de 40 à 49 ans). L'expression."_cp1252,
                 "0: Cycle productif (de 31 à 58 ans)."_cp1252,
                 "3: Nombre de maturité. Maturité sociable"_cp1252,
                 "16: Dette karmique (expression). Dette d'orgueil.", ""}},
           Case{subject("ÉÈ"_cp1252, "ëëü"_cp1252, "13/01/1990", "01/01/1980"),
                {"Aucune période en cours : l'année de l'étude précède celle de la naissance."_cp1252,
                 "Pas de nombre de maturité : le nom n'a aucune lettre qui compte."_cp1252,
                 "13: Dette karmique (jour). Dette de travail.", ""}},
           Case{subject("JEAN", "DUPONT", "15/05/1949", "08/12/1950"),
                {"11: Période de réalisation 1 (de 0 à 29 ans)."_cp1252, "1: Défi 1 (de 0 à 29 ans)."_cp1252,
                 "5: Cycle formatif (de 0 à 29 ans)."_cp1252, "1: Nombre de maturit"_cp1252,
                 "Aucune dette karmique.", ""}},
       }) {
    const std::vector<Text> lines = splitCrLf(computeCycles(c.subject).reading);
    ASSERT_EQ(lines.size(), c.lineOpenings.size()) << c.subject.BirthDate;
    for (size_t i = 0; i < lines.size(); ++i) {
      EXPECT_TRUE(lines[i].starts_with(c.lineOpenings[i])) << lines[i];
      if (c.lineOpenings[i].empty()) {
        EXPECT_EQ(lines[i], "");
      }
    }
  }
}

// The birth date stops the analysis as "Date de naissance" does, then the study date as "Année en
// cours" does: same words, same part named.
TEST(Cycles, FailsAsTheAnalysisOfTheFaultyDate) {
  struct Case {
    const char* birthDate;
    const char* studyDate;
    bool birthDateFaulty;
    const char* message;
  };
  for (const Case& c : {
           Case{"", "08/12/2026", true, "Date de naissance manquante"},
           Case{"19/04/1950 ", "08/12/2026", true, "Date de naissance manquante"},
           Case{"1x/04/1950", "", true, "'1x' n'est pas une valeur entière correcte"_cp1252},
           Case{"19/04/19x0", "08/12/2026", true, "'19x0' n'est pas une valeur entière correcte"_cp1252},
           Case{"+9/04/1950", "08/12/2026", true, "'+' n'est pas une valeur entière correcte"_cp1252},
           Case{"19/04/1950", "", false, "Date de naissance manquante"},
           Case{"19/04/1950", "08/12/20x6", false, "'20x6' n'est pas une valeur entière correcte"_cp1252},
           // Only the year gives the age, but a study date the current year refuses is refused here.
           Case{"19/04/1950", "x8/12/2026", false, "'x8' n'est pas une valeur entière correcte"_cp1252},
           Case{"19/04/1950", "08/-9/2026", false, "'-' n'est pas une valeur entière correcte"_cp1252},
       }) {
    const StudySubject s = subject("MARIE", "DURAND", c.birthDate, c.studyDate);
    const auto messageOf = [](auto analysis) -> Text {
      try {
        analysis();
      } catch (const TessaroError& e) {
        return e.message();
      }
      return "no failure";
    };
    const Text message = messageOf([&] { computeCycles(s); });
    EXPECT_EQ(message, c.message) << c.birthDate << " " << c.studyDate;
    EXPECT_EQ(message, c.birthDateFaulty ? messageOf([&] { computeBirthDate(s); })
                                         : messageOf([&] { computeCurrentYear(s); }))
        << c.birthDate << " " << c.studyDate;
    bool userMessage = false;
    try {
      computeCycles(s);
    } catch (const UserMessage&) {
      userMessage = true;
    } catch (const ConversionError&) {
    }
    EXPECT_EQ(userMessage, Text(c.message) == "Date de naissance manquante")
        << c.birthDate << " " << c.studyDate;
  }
}

TEST(Cycles, CycleSumKeepsOnlyElevenAndTwentyTwo) {
  struct Case {
    long long sum;
    const char* number;
  };
  for (const Case& c :
       {Case{0, "0"}, Case{7, "7"}, Case{10, "1"}, Case{11, "11"}, Case{13, "4"}, Case{16, "7"},
        Case{20, "2"}, Case{22, "22"}, Case{29, "11"}, Case{33, "6"}, Case{44, "8"}}) {
    EXPECT_EQ(cycleSum(c.sum), c.number) << c.sum;
  }
}

// Every number the rules can give from a real date has its reading, and nothing else has one.
TEST(Cycles, EveryTableHasExactlyItsKeys) {
  struct Case {
    std::span<const TableRow> rows;
    std::vector<int32_t> keys;
  };
  for (const Case& c :
       {Case{RealisationPeriodTexts, {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22}},
        Case{ChallengeTexts, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
        Case{LifeCycleTexts, {1, 2, 3, 4, 5, 6, 7, 8, 9, 11}}, Case{KarmicDebtTexts, {13, 14, 16, 19}},
        Case{MaturityTexts, {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22}}}) {
    std::vector<int32_t> keys;
    for (const TableRow& row : c.rows) {
      keys.push_back(row.key);
      EXPECT_GT(row.text.size(), 40u) << row.key;
    }
    EXPECT_EQ(keys, c.keys);
  }
}

}  // namespace
}  // namespace tessaro
