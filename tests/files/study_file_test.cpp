#include "files/study_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/cp1252_literal.h"
#include "common/errors.h"
#include "common/file_io.h"

namespace tessaro {
namespace {
namespace fs = std::filesystem;

class StudyFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("tessaro-study-" + std::to_string(::getpid()) + "-" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override {
    fs::permissions(dir, fs::perms::owner_all);
    fs::remove_all(dir);
  }
  std::string path(const std::string& name) const { return (dir / name).string(); }
  fs::path dir;
};

StudySubject dupont() {
  StudySubject s;
  s.FirstName = "JEANPIERRE";
  s.LastName = "DUPONT";
  s.BirthDate = "07/03/1962";
  s.StudyDate = "05/01/2024";
  return s;
}

TEST_F(StudyFileTest, WritesTheFiftyByteFileAndReadsItBack) {
  const std::string file = path("dupont.tsr");
  writeStudyFile(file, dupont());
  EXPECT_EQ(readWholeFile(file), "JEANPIERRE\r\nDUPONT\r\n07/03/1962\r\n05/01/2024\r\n\r\n\r\n\r\n");
  EXPECT_EQ(fs::file_size(file), 50u);
  EXPECT_EQ(readStudyFile(file), dupont());
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);  // no temporary left
}

TEST(StudyFileDecode, ReadingVariants) {
  struct Case {
    std::string bytes;
    StudySubject expected;
  };
  const Case cases[] = {
      // Line feeds alone do not end a line: the whole text is the first name.
      {"A\nB\nC\n", {"", "A\nB\nC\n", "", "", "", "", ""}},
      // Four lines only.
      {"F\r\nL\r\nB\r\nS\r\n", {"L", "F", "B", "S", "", "", ""}},
      // A lone CR ends a line; one LF after a CR is skipped, a second one stays.
      {"F\rL\r\n\nB", {"L", "F", "\nB", "", "", "", ""}},
      // Byte 26 ends the file; lines after the seventh are ignored.
      {"F\r\nL\x1Aignored\r\n", {"L", "F", "", "", "", "", ""}},
      {"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n", {"2", "1", "3", "4", "5", "6", "7"}},
      {"", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(decodeStudyFile(c.bytes), c.expected) << c.bytes;
}

TEST_F(StudyFileTest, OpeningTrimsNamesButNotDates) {
  const std::string file = path("trim.tsr");
  std::ofstream(file) << "  JEAN \t\r\n DUPONT\r\n 07/03/1962 \r\n05/01/2024\r\n  RUE \r\n";
  const StudySubject s = *readStudyFile(file);
  EXPECT_EQ(s.FirstName, "JEAN");
  EXPECT_EQ(s.LastName, "DUPONT");
  EXPECT_EQ(s.BirthDate, " 07/03/1962 ");
  EXPECT_EQ(s.Address, "RUE");
}

TEST_F(StudyFileTest, MissingFileIsNotAnErrorButAnUnreadableOneIs) {
  EXPECT_FALSE(readStudyFile(path("absent.tsr")).has_value());
  // A file that exists but whose reading fails, even for root.
  try {
    readStudyFile("/proc/self/mem");
    FAIL() << "an unreadable file was read";
  } catch (const FileError& e) {
    EXPECT_EQ(e.message(), "Ne peut ouvrir le fichier /proc/self/mem\nerreur d'entrée-sortie"_cp1252);
  }
}

TEST(StudyFileContent, OnlyWhatCanBeAStudyIsReadAsOne) {
  const std::string notAStudy = "ce n'est pas une étude Tessaro"_cp1252;
  struct Case {
    std::string bytes;
    std::optional<std::string> reason;
  };
  const Case cases[] = {
      // The lenient reading of real files stays: line feeds alone, tabs, the end byte, any length
      // up to the cap, letters of Windows-1252.
      {"JEAN\nDUPONT\n", {}},
      {"JEAN\tPIERRE\r\nDUPONT\r\n\x1A\x1A", {}},
      {std::string(LargestStudyFile, 'A'), {}},
      {"André\r\nHÉLÈNE\r\n"_cp1252, {}},
      {std::string(LargestStudyFile + 1, 'A'), "fichier trop volumineux"},
      {std::string("JEAN\0DUPONT", 11), notAStudy},
      {"JEAN\r\nDUPONT\x1B[0m\r\n", notAStudy},
      {"JEAN\x1F\r\nDUPONT\r\n", notAStudy},  // the last control byte
      {"{\\rtf1\\ansi JEAN\\par}", notAStudy},
  };
  for (const Case& c : cases) EXPECT_EQ(notAStudyReason(c.bytes), c.reason) << c.bytes.substr(0, 30);
}

TEST_F(StudyFileTest, FailedSaveKeepsThePreviousFileAndIsReported) {
  const std::string file = path("keep.tsr");
  writeStudyFile(file, dupont());
  try {
    writeStudyFile(path("no-such-folder/x.tsr"), dupont());
    FAIL() << "a save into a missing folder succeeded";
  } catch (const FileError& e) {
    EXPECT_EQ(e.message(),
              "Ne peut créer le fichier "_cp1252 + path("no-such-folder/x.tsr") + "\ndossier introuvable");
  }
  EXPECT_EQ(readStudyFile(file), dupont());
}

TEST(StudyFileNames, DefaultExtensionLooksAtTheFileNameOnly) {
  struct Case {
    const char* in;
    const char* out;
  };
  for (const Case& c : {Case{"/etudes/dupont", "/etudes/dupont.tsr"},
                        {"/mes.etudes/dupont", "/mes.etudes/dupont.tsr"},
                        {"/etudes/dupont.txt", "/etudes/dupont.txt"},
                        {"/home/u/.local/a", "/home/u/.local/a.tsr"},
                        {"Dupont", "Dupont.tsr"}}) {
    EXPECT_EQ(withDefaultExtension(c.in, ".tsr"), c.out);
  }
}

TEST(StudyFileNames, RichTextIsDecidedByTheExtension) {
  struct Case {
    const char* path;
    bool rich;
  };
  for (const Case& c : {Case{"a.rtf", true},
                        {"/x/A.RTF", true},
                        {"/x/a.Rtf", true},
                        {"/x/NOTES.RTF.TSR", false},
                        {"/x.rtf/a.tsr", false},
                        {"/x/rtf", false},
                        {"/x/a.rtfx", false}}) {
    EXPECT_EQ(isRichTextPath(c.path), c.rich) << c.path;
  }
}

}  // namespace
}  // namespace tessaro
