// The capacity table of the Venus star.
#include "engine/texts/interpretation_texts.h"

#include <string_view>

#include "common/cp1252_literal.h"

namespace tessaro {
namespace {

// Row 9 carries a continuation of its title between the title and "Manquant"; it is never shown.
constexpr TableRow CapacityRows[] = {
    {1,
     "MAITRISE. Capacité de se réaliser par soi-même."
     "|   Manquant : Insuffisance d'assurance."
     "|   Dominant : Autorité, volonté."_cp1252},
    {2,
     "ASSOCIATION. Capacité de collaboration et d'union."
     "|   Manquant : Association difficile."
     "|   Dominant : Esprit de coopération."_cp1252},
    {3,
     "SOCIABILITE. Capacité de s'exprimer et goût du contact."
     "|   Manquant : Manque de souplesse."
     "|   Dominant : A l'aise en société."_cp1252},
    // "persévérence" is kept on purpose.
    {4,
     "REALISATION. Capacité de travailler et de construire."
     "|   Manquant : Difficultés à organiser, manque de stabilité."
     "|   Dominant : Qualité d'ordre et de persévérence."_cp1252},
    // The capital of "Esprit" is kept on purpose.
    {5,
     "MOBILITE. Capacité de changer et de bouger."
     "|   Manquant : N'aime pas le changement."
     "|   Dominant : Voyage, Esprit large."_cp1252},
    // No stop between "famille" and "Amour": kept on purpose.
    {6,
     "HARMONIE. Capacité d'adaptation et de collaboration."
     "|   Manquant : Mariage difficile."
     "|   Dominant : Sens de la famille Amour et amitié."_cp1252},
    {7,
     "VIE INTERIEURE. Capacité de réflexion et d'analyse."
     "|   Manquant : Manque de compréhension."
     "|   Dominant : Qualités d'invention et de recherche."_cp1252},
    {8,
     "EXPANSION MATERIELLE. Capacité de s'assumer."
     "|   Manquant : Difficulté à maintenir l'équilibre."
     "|   Dominant : Recherche de la réussite. Chance."_cp1252},
    // No full stop after "les autres": kept on purpose.
    {9,
     "ALTRUISME. Capacité de se dévouer."
     "|   et de s'intéresser à autrui."
     "|   Manquant : Manque d'intérêt pour les autres"
     "|   Dominant : Qualités de dévouement et d'altruisme."_cp1252},
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
