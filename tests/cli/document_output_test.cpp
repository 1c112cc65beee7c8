#include "cli/document_output.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/cp1252_literal.h"
#include "common/errors.h"
#include "common/file_io.h"
#include "files/document_file.h"

namespace tessaro::cli {
namespace {
namespace fs = std::filesystem;

TEST(PortraitDocument, OneParagraphPerLineInTheEditorsFont) {
  const Portrait portrait{{"Graphique de ÉMILE\t\tNé(e)"_cp1252, "", "x"}, {}, {}};
  const RichDocument document = portraitDocument(portrait);
  ASSERT_EQ(document.paragraphs.size(), 3u);
  EXPECT_EQ(document.paragraphs[0].text(), U"Graphique de \u00C9MILE\t\tN\u00E9(e)");
  EXPECT_TRUE(document.paragraphs[1].runs.empty());
  EXPECT_EQ(document.paragraphs[0].runs.at(0).format.font, FontName(U"Times New Roman"));
  EXPECT_EQ(document.paragraphs[0].runs.at(0).format.size, 13);
  // What the RTF carries is what the editor reads back.
  EXPECT_EQ(readDocument(writeDocument(document, DocumentFormat::Rtf)), document);
}

TEST(ConvertDocument, OutputFormatFollowsTheExtension) {
  const fs::path dir = fs::temp_directory_path() / ("tessaro-convert-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const std::string rtf = (dir / "in.rtf").string();
  std::ofstream(rtf) << "{\\rtf1\\ansi{\\b Gras} et \\'e9t\\'e9\\par Fin}";
  convertDocumentFile(rtf, (dir / "out.TXT").string());
  EXPECT_EQ(readWholeFile((dir / "out.TXT").string()), "Gras et été\r\nFin\r\n"_cp1252);
  convertDocumentFile(rtf, (dir / "out.rtf").string());
  EXPECT_EQ(readDocument(readWholeFile((dir / "out.rtf").string())), loadDocumentFile(rtf));
  EXPECT_THROW(convertDocumentFile((dir / "absent.rtf").string(), (dir / "x.rtf").string()), FileError);
  EXPECT_FALSE(fs::exists(dir / "x.rtf"));
  fs::remove_all(dir);
}

}  // namespace
}  // namespace tessaro::cli
