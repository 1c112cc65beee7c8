// The capacity table of the Venus star.
#include "engine/texts/interpretation_texts.h"

#include <string_view>

namespace tessaro {
namespace {

// Row 9 carries a continuation of its title between the title and "Manquant"; it is never shown.
constexpr TableRow CapacityRows[] = {
    {1,
     "MAITRISE. Capacit\xE9 de se r\xE9"
     "aliser par soi-m\xEAme."
     "|   Manquant : Insuffisance d'assurance."
     "|   Dominant : Autorit\xE9, volont\xE9."},
    {2,
     "ASSOCIATION. Capacit\xE9 de collaboration et d'union."
     "|   Manquant : Association difficile."
     "|   Dominant : Esprit de coop\xE9ration."},
    {3,
     "SOCIABILITE. Capacit\xE9 de s'exprimer et go\xFBt du contact."
     "|   Manquant : Manque de souplesse."
     "|   Dominant : A l'aise en soci\xE9t\xE9."},
    {4,
     "REALISATION. Capacit\xE9 de travailler et de construire."
     "|   Manquant : Difficult\xE9s \xE0 organiser, manque de stabilit\xE9."
     "|   Dominant : Qualit\xE9 d'ordre et de pers\xE9v\xE9rence."},
    {5,
     "MOBILITE. Capacit\xE9 de changer et de bouger."
     "|   Manquant : N'aime pas le changement."
     "|   Dominant : Voyage, Esprit large."},
    {6,
     "HARMONIE. Capacit\xE9 d'adaptation et de collaboration."
     "|   Manquant : Mariage difficile."
     "|   Dominant : Sens de la famille Amour et amiti\xE9."},
    {7,
     "VIE INTERIEURE. Capacit\xE9 de r\xE9"
     "flexion et d'analyse."
     "|   Manquant : Manque de compr\xE9hension."
     "|   Dominant : Qualit\xE9s d'invention et de recherche."},
    {8,
     "EXPANSION MATERIELLE. Capacit\xE9 de s'assumer."
     "|   Manquant : Difficult\xE9 \xE0 maintenir l'\xE9quilibre."
     "|   Dominant : Recherche de la r\xE9ussite. Chance."},
    {9,
     "ALTRUISME. Capacit\xE9 de se d\xE9vouer."
     "|   et de s'int\xE9resser \xE0 autrui."
     "|   Manquant : Manque d'int\xE9r\xEAt pour les autres"
     "|   Dominant : Qualit\xE9s de d\xE9vouement et d'altruisme."},
};

}  // namespace

const std::span<const TableRow> VenusCapacityTexts = CapacityRows;

Text VenusCapacityText(int32_t digit, int32_t mode) {
  Text result;
  appendVenusCapacityText(result, digit, mode);
  return result;
}

void appendVenusCapacityText(Text& out, int32_t digit, int32_t mode) {
  std::string_view rest = tableRow(VenusCapacityTexts, digit);
  const size_t bar = rest.find('|');
  if (bar != std::string_view::npos) {
    out += rest.substr(0, bar);
    out += CrLf;
    rest = rest.substr(bar + 1);
  }
  if (mode == DominantReading) {
    const size_t at = rest.find("Dominant");
    if (at != std::string_view::npos) {
      out += rest.substr(at);
      out += CrLf;
    }
  } else if (mode == MissingReading) {
    const size_t at = rest.find("Manquant");
    if (at != std::string_view::npos) {
      const std::string_view piece = rest.substr(at);
      const size_t end = piece.find('|');
      if (end != std::string_view::npos) out += piece.substr(0, end);
    }
  }
}

}  // namespace tessaro
