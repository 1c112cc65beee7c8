#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "common/file_io.h"
#include "files/document_file.h"
#include "files/rich_text_fixtures.h"

namespace tessaro {
namespace {
namespace fs = std::filesystem;
using fixtures::format;
using fixtures::paragraph;

// Runs only where LibreOffice is installed: the tests never need it.
class LibreOfficeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::system("command -v soffice >/dev/null 2>&1") != 0) GTEST_SKIP() << "soffice is not installed";
    dir = fs::temp_directory_path() / ("tessaro-soffice-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "out");
  }
  void TearDown() override {
    if (!dir.empty()) fs::remove_all(dir);
  }
  // Converts a file with LibreOffice Writer, in a profile of its own so that no other instance
  // is disturbed; the converted file's path.
  fs::path convert(const fs::path& file, const std::string& filter, const std::string& extension) {
    const std::string command = "timeout 300 soffice -env:UserInstallation=file://" +
                                (dir / "profile").string() + " --headless --convert-to '" + filter +
                                "' --outdir '" + (dir / "out").string() + "' '" + file.string() +
                                "' >/dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return dir / "out" / (file.stem().string() + extension);
  }
  fs::path dir;
};

TEST_F(LibreOfficeTest, OpensTheWrittenRtfWithTheSameTextAndFormat) {
  const CharFormat serif = format(U"Liberation Serif", 12);
  const RichDocument written{
      serif,
      {paragraph({{U"Nombre intime ", format(U"Liberation Sans", 18, true)},
                  {U"\u00E9t\u00E9 \u0416\u65E5 \U0001F600", format(U"Liberation Serif", 12, false, true)}},
                 {Alignment::Centre}),
       paragraph({{U"Premier", serif}}, {Alignment::Left, -18, 36, 0, true}),
       paragraph({{U"Second", format(U"Liberation Serif", 12, false, false, true)}},
                 {Alignment::Left, -18, 36, 0, true}),
       paragraph({{U"Justifi\u00E9\tavec tabulation\u2028et saut de ligne", serif}},
                 {Alignment::Justified, 18, 72, 36}),
       paragraph({{U"\u00C0 droite", format(U"Liberation Mono", 9.5)}}, {Alignment::Right})}};
  const fs::path file = dir / "portrait.rtf";
  saveDocumentFile(file.string(), written, DocumentFormat::Rtf);

  EXPECT_EQ(loadDocumentFile(convert(file, "rtf", ".rtf").string()), written);
  EXPECT_EQ(readWholeFile(convert(file, "txt:Text (encoded):UTF8", ".txt").string()),
            "\xEF\xBB\xBFNombre intime \xC3\xA9t\xC3\xA9 \xD0\x96\xE6\x97\xA5 \xF0\x9F\x98\x80\n"
            "    \xE2\x80\xA2 Premier\n    \xE2\x80\xA2 Second\n"
            "Justifi\xC3\xA9\tavec tabulation\net saut de ligne\n\xC3\x80 droite\n");
}

}  // namespace
}  // namespace tessaro
