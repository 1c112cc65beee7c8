#include <gtest/gtest.h>

#include <filesystem>

#include "files/document_file.h"
#include "files/rich_text_fixtures.h"

namespace tessaro {
namespace {
using fixtures::format;
using fixtures::paragraph;

// Files written by LibreOffice Writer and pandoc from tests/files/data/rich-sample.*
// (scripts/make-rtf-samples makes them again).
std::string sample(const char* name) {
  // Not __FILE__: a compiler cache may compile this file under a relative name.
  return (std::filesystem::path(TESSARO_TEST_DATA_DIR).parent_path() / "files" / "data" / name).string();
}

TEST(RtfSamples, LibreOfficeWriter) {
  const CharFormat serif = format(U"Liberation Serif");
  const ParagraphFormat listItem{Alignment::Left, -14.15, 35.45, 0, false};
  ParagraphFormat bullet = listItem;
  bullet.bullet = true;
  const RichDocument expected{
      serif,
      {paragraph({{U"Texte ", serif},
                  {U"gras", format(U"Liberation Serif", 12, true)},
                  {U", ", serif},
                  {U"italique", format(U"Liberation Serif", 12, false, true)},
                  {U", ", serif},
                  {U"soulign\u00E9", format(U"Liberation Serif", 12, false, false, true)},
                  {U" et ", serif},
                  {U"les trois", format(U"Liberation Serif", 12, true, true, true)},
                  {U".", serif}}),
       paragraph({{U"Nombre intime 7", format(U"Liberation Sans", 18, true)}}, {Alignment::Centre}),
       paragraph({{U"\u00C0 droite, en petit", format(U"Liberation Mono", 9)}}, {Alignment::Right}),
       paragraph(
           {{U"Justifi\u00E9 et en retrait : les accents \u00E9\u00E8\u00EA\u00E0\u00E7\u0153\u20AC, le grec "
             U"\u0391\u03BB\u03C6\u03B1, le russe \u0420\u0443\u0441\u0441\u043A\u0438\u0439, le japonais "
             U"\u65E5\u672C.",
             serif}},
           {Alignment::Justified, 18, 72, 36}),
       paragraph({{U"Premier point", serif}}, bullet), paragraph({{U"Second point", serif}}, bullet),
       paragraph({{U" 1.\tUn", serif}}, listItem), paragraph({{U" 2.\tDeux", serif}}, listItem),
       paragraph({{U"Nombre\tLecture", serif}}), paragraph({{U"7\tr\u00E9flexion", serif}}),
       paragraph({{U"Fin.", serif}})}};
  EXPECT_EQ(loadDocumentFile(sample("rich-sample-libreoffice.rtf")), expected);
}

TEST(RtfSamples, Pandoc) {
  const CharFormat helvetica = format(U"Helvetica");
  const ParagraphFormat hanging{Alignment::Left, -18, 18, 0, false};
  const RichDocument expected{
      helvetica,
      {paragraph({{U"Texte ", helvetica},
                  {U"gras", format(U"Helvetica", 12, true)},
                  {U", ", helvetica},
                  {U"italique", format(U"Helvetica", 12, false, true)},
                  {U", ", helvetica},
                  {U"soulign\u00E9", format(U"Helvetica", 12, false, false, true)},
                  {U" et ", helvetica},
                  {U"les trois", format(U"Helvetica", 12, true, true, true)},
                  {U".", helvetica}}),
       paragraph(
           {{U"Les accents \u00E9\u00E8\u00EA\u00E0\u00E7\u0153\u20AC, le grec \u0391\u03BB\u03C6\u03B1, le "
             U"russe "
             U"\u0420\u0443\u0441\u0441\u043A\u0438\u0439, le japonais \u65E5\u672C, un visage \U0001F600.",
             helvetica}}),
       // Pandoc writes bullets and numbers as text.
       paragraph({{U"\u2022\tPremier point", helvetica}}, hanging),
       paragraph({{U"\u2022\tSecond point", helvetica}}, hanging),
       paragraph({{U"1.\tUn", helvetica}}, hanging), paragraph({{U"2.\tDeux", helvetica}}, hanging),
       paragraph({{U"Nombre\tLecture", helvetica}}), paragraph({{U"7\tr\u00E9flexion", helvetica}}),
       paragraph({}), paragraph({{U"Fin.", helvetica}})}};
  EXPECT_EQ(loadDocumentFile(sample("rich-sample-pandoc.rtf")), expected);
}

}  // namespace
}  // namespace tessaro
