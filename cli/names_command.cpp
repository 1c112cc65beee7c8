// The "names" command of tessaro-cli.
#include "cli/names_command.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "cli/json_writer.h"
#include "cli/standard_output.h"
#include "cli/subject_input.h"
#include "common/cp1252.h"
#include "common/data_paths.h"
#include "common/errors.h"
#include "names/dictionary.h"
#include "names/workshop.h"

namespace tessaro::cli {
namespace {

constexpr int Success = 0;
constexpr int Failure = 1;
constexpr int BadUsage = 2;

struct NamesOptions {
  std::string studyFile;
  std::string first;
  std::string last;
  std::string dictionaryPath;
  std::vector<std::string> candidates;
  std::string intimate, expression, realisation, active;
  std::string fills;
};

class BadUsageError : public TessaroError {
 public:
  using TessaroError::TessaroError;
};

StudySubject currentName(const NamesOptions& o) {
  if (!o.studyFile.empty()) {
    if (!o.first.empty() || !o.last.empty()) {
      throw BadUsageError("donner soit un fichier d'étude, soit --last, pas les deux"_cp1252);
    }
    return subjectFromStudyFile(o.studyFile, {}).subject;
  }
  NewStudyInput typed;
  typed.firstName = storableText(o.first);
  typed.lastName = storableText(o.last);
  return subjectFromNewStudy(typed);
}

CandidateFilter filterOf(const NamesOptions& o) {
  CandidateFilter filter{o.intimate, o.expression, o.realisation, o.active, {}};
  if (!parseDigitList(o.fills, filter.mustFill)) {
    throw BadUsageError(
        "--fills attend des chiffres de 1 à 9 séparés par des espaces, par exemple \"2 7\""_cp1252);
  }
  return filter;
}

void appendCandidate(const CandidateNumbers& n, std::string& out) {
  {  // the writer gives back the room it ran ahead with when it goes, before the line ends
    JsonWriter json(out);
    json.beginObject();
    const std::pair<std::string_view, const Text*> members[] = {{"first_name", &n.firstName},
                                                                {"intimate", &n.intimate},
                                                                {"expression", &n.expression},
                                                                {"realisation", &n.realisation},
                                                                {"active", &n.active},
                                                                {"missing", &n.missing},
                                                                {"fills", &n.fills}};
    for (const auto& [key, value] : members) {
      json.key(key);
      json.text(*value);
    }
    json.endObject();
  }
  out += '\n';
}

int runNames(const NamesOptions& o) {
  // Everything typed is checked before any work, so a refusal leaves no partial output.
  const StudySubject current = currentName(o);
  if (current.LastName.empty()) throw UserMessage(MissingLastNameMessage);
  const CandidateFilter filter = filterOf(o);
  std::vector<Text> typedCandidates;
  for (const std::string& typed : o.candidates) {
    typedCandidates.push_back(storedFirstName(storableText(typed)));
    if (typedCandidates.back().empty()) throw UserMessage(MissingFirstNameMessage);
  }
  FirstNameDictionary dictionary;
  dictionary.ChargePrenoms(o.dictionaryPath.empty() ? findDataFile(DictionaryFileName) : o.dictionaryPath);

  const NameWorkshop workshop(current);
  std::string out;
  const auto add = [&](const Text& firstName) {
    const CandidateNumbers numbers = workshop.numbersFor(firstName);
    if (filter.accepts(numbers)) appendCandidate(numbers, out);
  };
  for (const DictionaryCandidate& candidate : dictionaryCandidates(dictionary.lines()))
    add(candidate.firstName);
  for (const Text& candidate : typedCandidates) add(candidate);
  writeStandardOutput(out);
  return Success;
}

int runReported(const NamesOptions& o) {
  try {
    return runNames(o);
  } catch (const BadUsageError& error) {
    std::cerr << "tessaro-cli: " << error.utf8Message() << '\n';
    return BadUsage;
  } catch (const TessaroError& error) {
    std::cerr << error.utf8Message() << '\n';
  } catch (const std::bad_alloc&) {
    std::cerr << TessaroError("Mémoire insuffisante"_cp1252).utf8Message() << '\n';
  }
  return Failure;
}

}  // namespace

Command addNamesCommand(CLI::App& app) {
  auto options = std::make_shared<NamesOptions>();
  CLI::App* names = app.add_subcommand(
      "names",
      "Les nombres du nom avec chaque prénom du dictionnaire et chaque candidat, un objet JSON par ligne");
  names->add_option("ETUDE.tsr", options->studyFile, "Fichier d'étude qui donne le prénom et le nom actuels");
  names->add_option("--last", options->last, "Nom");
  names->add_option("--first", options->first, "Prénom actuel");
  names->add_option("--dictionary", options->dictionaryPath, "Dictionnaire des prénoms (Prenoms.pre)");
  names->add_option("--candidate", options->candidates, "Prénom à essayer en plus du dictionnaire")
      ->expected(1)
      ->take_all();
  const auto number = CLI::IsMember({"1", "2", "3", "4", "5", "6", "7", "8", "9", "11", "22"});
  names->add_option("--intimate", options->intimate, "Nombre intime voulu")
      ->type_name("NOMBRE")
      ->check(number);
  names->add_option("--expression", options->expression, "Nombre d'expression voulu")
      ->type_name("NOMBRE")
      ->check(number);
  names->add_option("--realisation", options->realisation, "Nombre de réalisation voulu")
      ->type_name("NOMBRE")
      ->check(number);
  names->add_option("--active", options->active, "Nombre actif voulu")->type_name("NOMBRE")->check(number);
  names->add_option("--fills", options->fills,
                    "Chiffres manquants que le prénom doit apporter, par exemple \"2 7\"");
  names->footer(
      "Sortie : un objet par prénom, ceux du dictionnaire dans l'ordre du fichier puis les candidats :\n"
      "first_name, intimate, expression, realisation, active, missing (chiffres manquants) et fills\n"
      "(chiffres manquants au nom actuel que ce prénom apporte). Les filtres doivent tous être vrais.");
  return {names, [options] { return runReported(*options); }};
}

}  // namespace tessaro::cli
