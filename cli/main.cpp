// tessaro-cli: the analyses of a subject as JSON, the portrait as a file, and batches of subjects.
#include <CLI/CLI.hpp>
#include <iostream>
#include <optional>
#include <string>

#include "cli/analysis_json.h"
#include "cli/document_output.h"
#include "cli/subject_input.h"
#include "common/cp1252.h"
#include "common/data_paths.h"
#include "common/errors.h"
#include "common/file_io.h"
#include "files/document_file.h"
#include "names/dictionary.h"
#include "reports/portrait.h"

namespace {

using namespace tessaro;
using namespace tessaro::cli;

constexpr int Failure = 1;
constexpr int BadUsage = 2;

struct Options {
  SubjectOptions subject;
  std::string studyFile;
  bool includeFirstName = false;
  std::string dictionaryPath;
  std::string format = "txt";
  std::string output;
};

void addSubjectOptions(CLI::App& command, Options& o) {
  command.add_option("--first", o.subject.first, "Prénom");
  command.add_option("--last", o.subject.last, "Nom");
  command.add_option("--birth", o.subject.birth, "Date de naissance (jj/mm/aaaa)");
  command.add_option("--study", o.subject.study, "Date de l'étude (jj/mm/aaaa)");
  command.add_option("--address", o.subject.address, "Adresse");
  command.add_option("--city", o.subject.city, "Code postal et ville");
  command.add_option("--company", o.subject.company, "Société");
  command.add_option("--partner-first", o.subject.partnerFirst, "Prénom de la seconde personne");
  command.add_option("--partner-last", o.subject.partnerLast, "Nom de la seconde personne");
  command.add_option("FILE.tsr", o.studyFile, "Fichier d'étude à lire à la place des options");
}

void addFirstNameOptions(CLI::App& command, Options& o) {
  command.add_flag("--include-first-name", o.includeFirstName, "Terminer le portrait par le prénom");
  command.add_option("--dictionary", o.dictionaryPath, "Dictionnaire des prénoms (Prenoms.pre)");
}

bool hasSubjectOptions(const SubjectOptions& s) {
  return !(s.first.empty() && s.last.empty() && s.birth.empty() && s.study.empty() && s.address.empty() &&
           s.city.empty() && s.company.empty());
}

CliSubject readSubject(const Options& o) {
  if (!o.studyFile.empty()) return subjectFromStudyFile(o.studyFile, o.subject);
  return subjectFromOptions(o.subject);
}

// The dictionary is read only when the portrait ends with the first name.
std::optional<FirstNameDictionary> loadDictionary(const Options& o) {
  if (!o.includeFirstName) return std::nullopt;
  FirstNameDictionary dictionary;
  dictionary.ChargePrenoms(o.dictionaryPath.empty() ? findDataFile(DictionaryFileName) : o.dictionaryPath);
  return dictionary;
}

FirstNameDictionary* pointerTo(std::optional<FirstNameDictionary>& dictionary) {
  return dictionary ? &*dictionary : nullptr;
}

void writeOutput(const std::string& path, const std::string& bytes) {
  if (path.empty() || path == "-") {
    std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    std::cout.flush();
  } else {
    writeFileAtomically(path, bytes);
  }
}

int runAnalyse(const Options& o) {
  std::optional<FirstNameDictionary> dictionary = loadDictionary(o);
  std::cout << analysisJson(readSubject(o), pointerTo(dictionary)).dump(2) << '\n';
  return 0;
}

int runPortrait(const Options& o) {
  std::optional<FirstNameDictionary> dictionary = loadDictionary(o);
  const Portrait portrait = buildPortrait(readSubject(o).subject, o.includeFirstName, pointerTo(dictionary));
  if (portrait.error) throw ConversionError(*portrait.error);
  writeOutput(o.output, o.format == "rtf" ? writeDocument(portraitDocument(portrait), DocumentFormat::Rtf)
                                          : portraitPlainText(portrait));
  return 0;
}

int runBatch(const Options& o) {
  std::optional<FirstNameDictionary> dictionary = loadDictionary(o);
  // Lines are gathered and written in large blocks; the C streams are not used alongside.
  std::ios::sync_with_stdio(false);
  constexpr size_t BlockSize = 1 << 16;
  std::string line;
  std::string block;
  while (std::getline(std::cin, line)) {
    appendAnalysisJson(subjectFromBatchLine(line), pointerTo(dictionary), block);
    block += '\n';
    if (block.size() >= BlockSize) {
      std::cout.write(block.data(), static_cast<std::streamsize>(block.size()));
      block.clear();
    }
  }
  std::cout.write(block.data(), static_cast<std::streamsize>(block.size()));
  std::cout.flush();
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  CLI::App app{"Orv Tessaro en ligne de commande : analyses numérologiques d'un sujet.", "tessaro-cli"};
  app.require_subcommand(1);
  Options o;

  CLI::App* analyse = app.add_subcommand("analyse", "Toutes les analyses d'un sujet, en JSON");
  addSubjectOptions(*analyse, o);
  addFirstNameOptions(*analyse, o);

  CLI::App* portrait = app.add_subcommand("portrait", "Le portrait général en texte");
  addSubjectOptions(*portrait, o);
  addFirstNameOptions(*portrait, o);
  portrait->add_option("--format", o.format, "Format de sortie")->check(CLI::IsMember({"txt", "rtf"}));
  portrait->add_option("-o", o.output, "Fichier de sortie (sortie standard par défaut)");

  CLI::App* batch = app.add_subcommand(
      "batch", "Un sujet par ligne sur l'entrée standard (champs séparés par des tabulations), un objet JSON par ligne");
  addFirstNameOptions(*batch, o);

  std::string convertInput;
  CLI::App* convert = app.add_subcommand(
      "convert", "Lit un fichier RTF ou texte comme l'éditeur et l'écrit en RTF, ou en texte pour un nom en .txt");
  convert->add_option("INPUT", convertInput, "Fichier à lire")->required();
  convert->add_option("-o", o.output, "Fichier à écrire (.rtf ou .txt)")->required();

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    if (error.get_exit_code() == 0) return app.exit(error);
    std::cerr << "tessaro-cli: " << error.what() << "\n" << app.help("", CLI::AppFormatMode::Normal);
    return BadUsage;
  }
  if (!o.studyFile.empty() && hasSubjectOptions(o.subject)) {
    std::cerr << "tessaro-cli: donner soit un fichier d'étude, soit les options du sujet, pas les deux\n";
    return BadUsage;
  }

  try {
    if (analyse->parsed()) return runAnalyse(o);
    if (portrait->parsed()) return runPortrait(o);
    if (convert->parsed()) {
      convertDocumentFile(convertInput, o.output);
      return 0;
    }
    return runBatch(o);
  } catch (const TessaroError& error) {
    std::cerr << toUtf8(error.message()) << '\n';
    return Failure;
  }
}
