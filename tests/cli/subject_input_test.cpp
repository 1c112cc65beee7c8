#include <gtest/gtest.h>

#include "cli/analysis_json.h"
#include "cli/subject_input.h"
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

TEST(CliSubject, BatchLinesAreTakenAsAStudyFileHoldsThem) {
  struct Case { const char* line; StudySubject subject; bool partner; };
  const Case cases[] = {
      {"jean\tdupont\t07/03/1962\t05/01/2024", {"dupont", "jean", "07/03/1962", "05/01/2024", "", "", ""}, false},
      {" \xC3\xA9mile \tZOLA\t 1\t2\t a \t b\t c \tMARIE\tDURAND", {"ZOLA", "\xE9mile", " 1", "2", "a", "b", "c"}, true},
      {"", {}, false},
      {"\xD0\x96\t\t\t\t\t\t\tX\t ", {"", "?", "", "", "", "", ""}, false},
      {"No\xEBl\tCaf\xC3\xA9", {"Caf\xC3\xA9", "No\xEBl", "", "", "", "", ""}, false},  // not UTF-8: Windows-1252
  };
  for (const Case& c : cases) {
    const CliSubject s = subjectFromBatchLine(c.line);
    EXPECT_EQ(s.subject, c.subject) << c.line;
    EXPECT_EQ(s.partner.has_value(), c.partner) << c.line;
  }
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
  EXPECT_EQ(json["unique_number"], (nlohmann::ordered_json{{"error", "'' n'est pas une valeur enti\xC3\xA8re correcte"}}));
  EXPECT_TRUE(json["compatibility"].is_null());
  EXPECT_EQ(json["portrait"]["error"], "'' n'est pas une valeur enti\xC3\xA8re correcte");
  EXPECT_EQ(json["venus"]["counts"], (nlohmann::ordered_json{10, 2, 1, 1, 1, 3, 1, 1, 0, 0}));
}

}  // namespace
}  // namespace tessaro::cli
