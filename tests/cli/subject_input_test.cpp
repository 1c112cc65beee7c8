#include "cli/subject_input.h"

#include <gtest/gtest.h>

#include "cli/analysis_json.h"
#include "common/errors.h"

namespace tessaro::cli {
namespace {

TEST(CliSubject, OptionsAreNormalisedLikeTheNewStudyDialog) {
  SubjectOptions o;
  o.first = "  jean pierre ";
  o.last = "dupont";
  o.birth = " 07/03/1962";
  o.address = " 12 rue des lilas ";
  o.company = "Caf\xC3\xA9 \xE2\x82\xAC";  // UTF-8 "Café €"
  o.partnerFirst = "marie";
  const CliSubject s = subjectFromOptions(o);
  EXPECT_EQ(s.subject.FirstName, "JEAN PIERRE");
  EXPECT_EQ(s.subject.LastName, "DUPONT");
  EXPECT_EQ(s.subject.BirthDate, " 07/03/1962");
  EXPECT_EQ(s.subject.Address, "12 RUE DES LILAS");
  EXPECT_EQ(s.subject.Company, "CAF\xE9 \x80");
  EXPECT_FALSE(s.partner.has_value());  // no partner last name
}

// A client list in ordinary mixed case gives the numbers of the same names typed in capitals.
TEST(CliSubject, BatchLinesAreTakenAsTheNewStudyDialogTakesThem) {
  struct Case {
    const char* line;
    StudySubject subject;
    bool partner;
  };
  const Case cases[] = {
      {"jean\tdupont\t07/03/1962\t05/01/2024",
       {"DUPONT", "JEAN", "07/03/1962", "05/01/2024", "", "", ""},
       false},
      {" \xC3\xA9mile \tZola\t 1\t2\t a \t b\t c \tmarie\tDurand",
       {"ZOLA", "\xE9MILE", " 1", "2", "A", "B", "C"},
       true},
      {"", {}, false},
      {"No\xEBl\tCaf\xC3\xA9",
       {"CAF\xC3\xA9", "NO\xEBL", "", "", "", "", ""},
       false},  // not UTF-8: Windows-1252
      {"A\tB\t\t\t\t\t\t\t\t\xD0\x96",
       {"B", "A", "", "", "", "", ""},
       false},  // after the ninth field: ignored
  };
  for (const Case& c : cases) {
    const CliSubject s = subjectFromBatchLine(c.line);
    EXPECT_EQ(s.subject, c.subject) << c.line;
    EXPECT_EQ(s.partner.has_value(), c.partner) << c.line;
  }
}

// What a study cannot hold is refused, never stored as "?", whichever field holds it.
TEST(CliSubject, TypedTextThatAStudyCannotHoldIsRefused) {
  const struct {
    const char* line;
    std::string message;
  } cases[] = {
      {"\xC5\x81ukasz\tNOWAK",
       "\xC2\xAB \xC5\x81 \xC2\xBB ne peut pas \xC3\xAAtre enregistr\xC3\xA9 dans une \xC3\xA9tude : tapez "
       "une autre lettre."},
      {"A\tB\t\t\t\t\t\xE6\x9D\x8E SA",
       "\xC2\xAB \xE6\x9D\x8E \xC2\xBB ne peut pas \xC3\xAAtre enregistr\xC3\xA9 dans une \xC3\xA9tude : "
       "tapez une autre lettre."},
      {"A\tB\t\t\t\t\t\t\t\xD0\x96",
       "\xC2\xAB \xD0\x96 \xC2\xBB ne peut pas \xC3\xAAtre enregistr\xC3\xA9 dans une \xC3\xA9tude : tapez "
       "une autre lettre."},
  };
  for (const auto& c : cases) {
    try {
      subjectFromBatchLine(c.line);
      ADD_FAILURE() << "accepted: " << c.line;
    } catch (const UserMessage& refusal) {
      EXPECT_EQ(refusal.utf8Message(), c.message) << c.line;
    }
  }
  SubjectOptions o;
  o.first = "\xC5\x81ukasz";
  EXPECT_THROW(subjectFromOptions(o), UserMessage);
}

TEST(CliSubject, MissingStudyFileIsAnError) {
  EXPECT_THROW(subjectFromStudyFile("/nonexistent/x.tsr", {}), FileError);
}

TEST(CliJson, FailedAnalysesCarryTheirFrenchMessages) {
  CliSubject input;
  input.subject.FirstName = "JEAN";
  input.subject.LastName = "DUPONT";
  const auto json = analysisJson(input, nullptr);
  EXPECT_EQ(json["birth_date"], (nlohmann::ordered_json{{"message", "Date de naissance manquante"}}));
  EXPECT_EQ(json["current_life"], (nlohmann::ordered_json{{"message", "Adresse manquante"}}));
  EXPECT_EQ(json["unique_number"],
            (nlohmann::ordered_json{{"error", "'' n'est pas une valeur enti\xC3\xA8re correcte"}}));
  EXPECT_TRUE(json["compatibility"].is_null());
  EXPECT_EQ(json["portrait"]["error"], "'' n'est pas une valeur enti\xC3\xA8re correcte");
  EXPECT_EQ(json["venus"]["counts"], (nlohmann::ordered_json{10, 2, 1, 1, 1, 3, 1, 1, 0, 0}));
}

}  // namespace
}  // namespace tessaro::cli
