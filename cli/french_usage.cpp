// The parser's English labels and errors replaced by the program's French ones.
#include "cli/french_usage.h"

#include <string_view>
#include <vector>

namespace tessaro::cli {
namespace {

// French typography puts a space before the colon that the help adds after a group's name.
constexpr const char* OptionsGroup = "Options ";
constexpr const char* CommandsGroup = "Commandes ";

void frenchHelpTexts(CLI::App& app) {
  app.set_help_flag("-h,--help", "Afficher cette aide et quitter");
  for (CLI::Option* option : app.get_options()) {
    if (option->get_group() == "Options") option->group(OptionsGroup);
  }
  for (CLI::App* command : app.get_subcommands({})) {
    command->group(CommandsGroup);
    frenchHelpTexts(*command);
  }
}

// The text after the first ": " of the parser's message, where it names what was refused.
std::string detailOf(std::string_view message) {
  const size_t colon = message.find(": ");
  return colon == std::string_view::npos ? std::string() : std::string(message.substr(colon + 2));
}

// The option named at the start of the parser's message ("--day: ...").
std::string optionOf(std::string_view message) {
  const size_t end = message.find_first_of(": ");
  return std::string(message.substr(0, end));
}

std::string commandList(const CLI::App& app) {
  std::string list;
  const std::vector<const CLI::App*> commands = app.get_subcommands([](const CLI::App*) { return true; });
  for (size_t i = 0; i < commands.size(); ++i) {
    if (i > 0) list += i + 1 == commands.size() ? " ou " : ", ";
    list += commands[i]->get_name();
  }
  return list;
}

template <class Kind>
bool is(const CLI::ParseError& error) {
  return dynamic_cast<const Kind*>(&error) != nullptr;
}

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

void useFrenchUsage(CLI::App& app) {
  const std::shared_ptr<CLI::FormatterBase> formatter = app.get_formatter();
  formatter->label("Usage", "Utilisation ");
  formatter->label("OPTIONS", "OPTIONS");
  formatter->label("SUBCOMMAND", "COMMANDE");
  formatter->label("SUBCOMMANDS", "COMMANDES");
  formatter->label("Positionals", "Arguments ");
  formatter->label("REQUIRED", "OBLIGATOIRE");
  formatter->label("TEXT", "TEXTE");
  formatter->label("INT", "ENTIER");
  formatter->label("UINT", "ENTIER");
  formatter->label("Needs", "Demande");
  formatter->label("Excludes", "Exclut");
  frenchHelpTexts(app);
}

std::string frenchParseError(const CLI::App& app, const CLI::ParseError& error) {
  // Matched by type: the parser names some errors after the command they happened in.
  const std::string_view message = error.what();
  if (is<CLI::ExtrasError>(error)) {
    const std::string extras = detailOf(message);
    return (extras.find(' ') == std::string::npos ? "argument inattendu : " : "arguments inattendus : ") +
           extras;
  }
  if (is<CLI::RequiredError>(error)) {
    if (startsWith(message, "A subcommand")) return "indiquer une commande : " + commandList(app);
    const size_t required = message.find(" is required");
    if (required != std::string_view::npos)
      return std::string(message.substr(0, required)) + " est obligatoire";
    return "il manque des options obligatoires";
  }
  if (is<CLI::ArgumentMismatch>(error)) return optionOf(message) + " : valeur manquante ou en trop";
  if (is<CLI::ValidationError>(error)) return optionOf(message) + " : valeur refusée";
  if (is<CLI::ConversionError>(error)) return "valeur incorrecte : " + detailOf(message);
  return "ligne de commande incorrecte";
}

}  // namespace tessaro::cli
