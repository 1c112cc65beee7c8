#include "files/document_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "common/cp1252_literal.h"
#include "common/errors.h"
#include "common/file_io.h"
#include "files/rich_text_fixtures.h"

namespace tessaro {
namespace {
namespace fs = std::filesystem;
using fixtures::format;
using fixtures::paragraph;
using fixtures::texts;

class DocumentFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("tessaro-document-" + std::to_string(::getpid()) + "-" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string path(const std::string& name) const { return (dir / name).string(); }
  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path(name), std::ios::binary) << bytes;
  }
  fs::path dir;
};

const RichDocument Portrait{format(U"Arial", 10),
                            {paragraph({{U"Nombre intime", format(U"Arial", 14, true)}}, {Alignment::Centre}),
                             paragraph({{U"7: r\u00E9flexion", format(U"Arial", 10)}})}};

TEST_F(DocumentFileTest, SavesAndLoadsInBothFormats) {
  saveDocumentFile(path("p.rtf"), Portrait, DocumentFormat::Rtf);
  EXPECT_EQ(loadDocumentFile(path("p.rtf")), Portrait);
  saveDocumentFile(path("p.txt"), Portrait, DocumentFormat::PlainText);
  EXPECT_EQ(readWholeFile(path("p.txt")), "Nombre intime\r\n7: réflexion\r\n"_cp1252);
  EXPECT_EQ(texts(loadDocumentFile(path("p.txt"))), texts(Portrait));
  // Only the named files are left: no temporary beside them.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}

TEST_F(DocumentFileTest, ModeAndContentDecideHowAFileIsRead) {
  const CharFormat editorFont = format(U"Times New Roman", 13);
  write("rich.rtf", "{\\rtf1 {\\b x}}");
  write("plain.rtf", "not {\\rtf at the start");
  write("empty.rtf", "");
  struct Case {
    const char* file;
    DocumentFormat mode;
    std::vector<std::u32string> paragraphs;
  };
  const Case cases[] = {
      {"rich.rtf", DocumentFormat::Rtf, {U"x"}},
      {"rich.rtf", DocumentFormat::PlainText, {U"{\\rtf1 {\\b x}}"}},
      {"plain.rtf", DocumentFormat::Rtf, {U"not {\\rtf at the start"}},
      {"empty.rtf", DocumentFormat::Rtf, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(texts(loadDocumentFile(path(c.file), c.mode, editorFont)), c.paragraphs) << c.file;
  }
  EXPECT_EQ(loadDocumentFile(path("plain.rtf"), DocumentFormat::Rtf, editorFont).defaults, editorFont);
  EXPECT_TRUE(
      loadDocumentFile(path("rich.rtf"), DocumentFormat::Rtf, editorFont).paragraphs[0].runs[0].format.bold);
}

TEST_F(DocumentFileTest, FailuresAreReportedWithThePath) {
  const auto message = [](const auto& action) -> std::string {
    try {
      action();
    } catch (const FileError& e) {
      return e.message();
    }
    return "no error";
  };
  EXPECT_EQ(message([&] { loadDocumentFile(path("absent.rtf")); }),
            "Ne peut ouvrir le fichier " + path("absent.rtf") + "\nfichier introuvable");
  EXPECT_EQ(message([&] { loadDocumentFile(dir.string()); }),
            "Ne peut ouvrir le fichier " + dir.string() + "\nce n'est pas un fichier");
  write("huge.txt", std::string(MaxDocumentParts + 1, '\n'));
  EXPECT_EQ(message([&] { loadDocumentFile(path("huge.txt")); }),
            "Ne peut ouvrir le fichier " + path("huge.txt") + "\nfichier trop volumineux");
  const std::string missingFolder = path("no-such-folder/p.rtf");
  EXPECT_EQ(message([&] { saveDocumentFile(missingFolder, Portrait, DocumentFormat::Rtf); }),
            "Ne peut créer le fichier "_cp1252 + missingFolder + "\ndossier introuvable");
  // A failed save leaves the previous file as it was.
  saveDocumentFile(path("keep.rtf"), Portrait, DocumentFormat::Rtf);
  fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
  if (::access(dir.c_str(), W_OK) != 0) {  // root writes anywhere
    EXPECT_NE(message([&] { saveDocumentFile(path("keep.rtf"), RichDocument{}, DocumentFormat::Rtf); }),
              "no error");
  }
  fs::permissions(dir, fs::perms::owner_all);
  EXPECT_EQ(loadDocumentFile(path("keep.rtf")), Portrait);
}

TEST(DocumentFormatForPath, TxtIsPlainTextAndEverythingElseRtf) {
  struct Case {
    const char* path;
    DocumentFormat format;
  };
  for (const Case& c : {Case{"a.txt", DocumentFormat::PlainText},
                        {"/x/A.TXT", DocumentFormat::PlainText},
                        {"a.rtf", DocumentFormat::Rtf},
                        {"/x.txt/a", DocumentFormat::Rtf},
                        {"a.txt.rtf", DocumentFormat::Rtf},
                        {"txt", DocumentFormat::Rtf}}) {
    EXPECT_EQ(documentFormatForPath(c.path), c.format) << c.path;
  }
}

TEST(ReadDocument, WriteDocumentGivesBytesThatReadBack) {
  for (DocumentFormat f : {DocumentFormat::Rtf, DocumentFormat::PlainText}) {
    EXPECT_EQ(texts(readDocument(writeDocument(Portrait, f), f)), texts(Portrait));
  }
}

}  // namespace
}  // namespace tessaro
