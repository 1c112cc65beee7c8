// tessaro-cli: the analyses of a subject as JSON, the portrait as a file, batches of subjects, and
// document conversion.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <csignal>
#include <iostream>
#include <new>
#include <optional>
#include <sstream>
#include <string>

#include "cli/analysis_json.h"
#include "cli/batch_input.h"
#include "cli/document_output.h"
#include "cli/forecast_command.h"
#include "cli/french_usage.h"
#include "cli/names_command.h"
#include "cli/pdf_library.h"
#include "cli/standard_output.h"
#include "cli/subject_input.h"
#include "common/cp1252.h"
#include "common/cp1252_literal.h"
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
  command.add_option("ETUDE.tsr", o.studyFile, "Fichier d'étude à lire à la place des options");
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
    writeStandardOutput(bytes);
  } else {
    writeFileAtomically(path, bytes);
  }
}

int runAnalyse(const Options& o, const CliSubject& input) {
  std::optional<FirstNameDictionary> dictionary = loadDictionary(o);
  writeStandardOutput(analysisJson(input, pointerTo(dictionary)).dump(2) + '\n');
  return 0;
}

int runPortrait(const Options& o, const StudySubject& subject) {
  std::optional<FirstNameDictionary> dictionary = loadDictionary(o);
  const Portrait portrait = buildPortrait(subject, o.includeFirstName, pointerTo(dictionary));
  if (portrait.error) throw ConversionError(*portrait.error);
  if (o.format == "pdf") {
    savePortraitPdf(o.output, portrait, subject);
    return 0;
  }
  writeOutput(o.output, o.format == "rtf" ? writeDocument(portraitDocument(portrait), DocumentFormat::Rtf)
                                          : portraitPlainText(portrait));
  return 0;
}

// One object per line, whatever the line holds: a line that cannot be analysed gets an error
// object, and the batch goes on.
void appendBatchResult(const BatchLine& line, FirstNameDictionary* dictionary, std::string& out) {
  const size_t start = out.size();
  try {
    if (line.tooLong) {
      appendErrorJson(TessaroError("Ligne de plus de " + std::to_string(MaxBatchLineBytes) + " octets"), out);
    } else {
      appendAnalysisJson(subjectFromBatchLine(line.bytes), dictionary, out);
    }
  } catch (const UserMessage& refusal) {
    out.resize(start);
    appendErrorJson(refusal, out);
  } catch (const std::bad_alloc&) {
    out.resize(start);
    appendErrorJson(TessaroError("Mémoire insuffisante pour cette ligne"_cp1252), out);
  }
  out += '\n';
}

int runBatch(const Options& o) {
  std::optional<FirstNameDictionary> dictionary = loadDictionary(o);
  std::string block;
  // The results finished are written before the input is waited on, so that a reader sees each
  // result as soon as its line is in, and a failing input loses none of them; a large input is
  // written in blocks.
  constexpr size_t BlockSize = 1 << 16;
  const auto writeBlock = [&block] {
    writeStandardOutput(block);
    block.clear();
  };
  BatchInput input(STDIN_FILENO, writeBlock);
  while (const std::optional<BatchLine> line = input.next()) {
    appendBatchResult(*line, pointerTo(dictionary), block);
    if (block.size() >= BlockSize) writeBlock();
  }
  writeBlock();
  return 0;
}

// The input format, for the batch's help.
std::string batchInputFormat() {
  return "Entrée : un sujet par ligne ; CR LF, LF ou CR seul termine une ligne.\n"
         "Champs séparés par des tabulations : prénom, nom, date de naissance, date de l'étude,\n"
         "adresse, code postal et ville, société, prénom et nom de la seconde personne ;\n"
         "les champs absents sont vides.\n"
         "Une ligne en UTF-8 valide est lue en UTF-8, toute autre en Windows-1252 ; une marque\n"
         "d'ordre des octets (BOM) en tête de la première ligne est ignorée.\n"
         "Les noms, l'adresse, la ville et la société sont mis en majuscules (a-z) et sans blancs\n"
         "autour, comme dans « Nouveau thème » ; un caractère que Windows-1252 ne peut pas\n"
         "enregistrer donne {\"error\": ...}.\n"
         "Une ligne de plus de " +
         std::to_string(MaxBatchLineBytes) +
         " octets donne {\"error\": ...} et la suite est lue.\n"
         "Sortie : un objet JSON par ligne, dans l'ordre des lignes.";
}

int reportFailure(const TessaroError& error) {
  std::cerr << error.utf8Message() << '\n';
  return Failure;
}

// Help asked for goes to standard output, checked like any output.
int writeHelp(const CLI::App& app, const CLI::ParseError& request) {
  std::ostringstream help;
  const int code = app.exit(request, help);
  try {
    writeStandardOutput(help.str());
  } catch (const TessaroError& error) {
    return reportFailure(error);
  }
  return code;
}

}  // namespace

int main(int argc, char* argv[]) {
  // A reader that has gone and a file-size limit are failures to report in French, as every other
  // failed write is, rather than signals that end the program without a word.
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
  CLI::App app{"Orv Tessaro en ligne de commande : analyses numérologiques d'un sujet.", "tessaro-cli"};
  app.require_subcommand(1);
  Options o;

  CLI::App* analyse = app.add_subcommand("analyse", "Toutes les analyses d'un sujet, en JSON");
  addSubjectOptions(*analyse, o);
  addFirstNameOptions(*analyse, o);

  CLI::App* portrait = app.add_subcommand("portrait", "Le portrait général en texte, RTF ou PDF");
  addSubjectOptions(*portrait, o);
  addFirstNameOptions(*portrait, o);
  portrait->add_option("--format", o.format, "Format de sortie : txt, rtf, ou pdf (avec -o)")
      ->check(CLI::IsMember({"txt", "rtf", "pdf"}));
  portrait->add_option("-o", o.output, "Fichier de sortie (sortie standard par défaut, sauf en pdf)");

  CLI::App* batch = app.add_subcommand("batch",
                                       "Un sujet par ligne sur l'entrée standard (champs séparés par des "
                                       "tabulations), un objet JSON par ligne");
  addFirstNameOptions(*batch, o);
  batch->footer(batchInputFormat());
  app.footer("Le format des lignes de batch : tessaro-cli batch --help");

  std::string convertInput;
  CLI::App* convert = app.add_subcommand(
      "convert",
      "Lit un fichier RTF ou texte comme l'éditeur et l'écrit en RTF, ou en texte pour un nom en .txt");
  convert->add_option("FICHIER", convertInput, "Fichier à lire")->required();
  convert->add_option("-o", o.output, "Fichier à écrire (.rtf ou .txt)")->required();
  const Command commandsOfTheirOwn[] = {addNamesCommand(app), addForecastCommand(app)};
  useFrenchUsage(app);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    if (error.get_exit_code() == 0) return writeHelp(app, error);
    std::cerr << "tessaro-cli: " << frenchParseError(app, error) << "\n"
              << app.help("", CLI::AppFormatMode::Normal);
    return BadUsage;
  }
  for (const Command& command : commandsOfTheirOwn) {
    if (command.parser->parsed()) return command.run();
  }
  if (!o.studyFile.empty() && hasSubjectOptions(o.subject)) {
    std::cerr << "tessaro-cli: donner soit un fichier d'étude, soit les options du sujet, pas les deux\n";
    return BadUsage;
  }
  if (o.format == "pdf" && (o.output.empty() || o.output == "-")) {
    std::cerr << "tessaro-cli: un PDF s'écrit dans un fichier : donner -o FICHIER.pdf\n";
    return BadUsage;
  }

  try {
    if (analyse->parsed() || portrait->parsed()) {
      std::optional<CliSubject> input;
      try {
        input = readSubject(o);
      } catch (const UserMessage& refusal) {
        // Typed text that a study could not hold is bad usage, like a bad option.
        std::cerr << refusal.utf8Message() << '\n';
        return BadUsage;
      }
      return analyse->parsed() ? runAnalyse(o, *input) : runPortrait(o, input->subject);
    }
    if (convert->parsed()) {
      convertDocumentFile(convertInput, o.output);
      return 0;
    }
    return runBatch(o);
  } catch (const TessaroError& error) {
    return reportFailure(error);
  } catch (const std::bad_alloc&) {
    return reportFailure(TessaroError("Mémoire insuffisante"_cp1252));
  }
}
