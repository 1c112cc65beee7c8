// The tables of the complete name chart.
#include "engine/texts/name_chart_texts.h"

#include <string_view>

#include "common/cp1252_literal.h"

namespace tessaro {
namespace {

constexpr TableRow IntimateRows[] = {
    {1, "Désir de réussir et de se réaliser par soi-même."_cp1252},
    {2, "Désir de s'associer et de s'unir (amour-mariage)."_cp1252},
    {3, "Désir de s'exprimer et de rechercher des contacts."_cp1252},
    {4, "Travail et stabilité. Désir de vivre de façon constructive."_cp1252},
    {5, "Changements et liberté. Désir de vivre une existence variée."_cp1252},
    // The lower-case "désir" is kept on purpose.
    {6, "Intérêts artistiques. désir d'harmonie et d'équilibre."_cp1252},
    {7, "Vie intérieure. Désir d'indépendance et d'action individuelle."_cp1252},
    {8, "Volonté d'acquérir. Désir de réalisations concrètes et de réussite matérielle."_cp1252},
    {9, "Désir de réaliser un idéal ou une vocation. Besoin de se dévouer. Ouverture aux autres."_cp1252},
    {11, "Désir de s'imposer en réalisant ses ambitions ou un idéal. Inspiration."_cp1252},
    // The lower-case "désir" is kept on purpose.
    {22, "désir d'élévation et aspirations universelles. Travail ambitieux."_cp1252},
};

constexpr TableRow ExpressionRows[] = {
    // "Volonté autorité. confiance" is kept on purpose.
    {1,
     "Volonté autorité. confiance en soi. Ambition. "
     "Amour : Fidèle mais exigeant, aime protéger et guider le couple. "
     "Travail : Réussit dans les postes de commandement et les entreprises personnelles. "
     "Santé : Coeur, circulation du sang, yeux."_cp1252},
    {2,
     "Equilibre, diplomatie, tendance à la passivité. "
     "Amour : Tendre et dévoué, a besoin d'une vie de couple paisible. "
     "Travail : Excelle dans la collaboration, la médiation et le conseil. "
     "Santé : Estomac, digestion, nervosité."_cp1252},
    {3,
     "Créativité, sociabilité, générosité, dispersion. "
     "Amour : Séduisant et enjoué, aime plaire et être entouré. "
     "Travail : Brille dans la communication, les arts et les métiers de contact. "
     "Santé : Gorge, foie, système nerveux."_cp1252},
    {4,
     "Patience, stabilité, persévérance, tendance à la routine. "
     "Amour : Sincère et constant, recherche la sécurité d'un foyer solide. "
     "Travail : Méthodique et consciencieux, bâtit sa réussite pas à pas. "
     "Santé : Os, articulations, dos."_cp1252},
    {5,
     "Adaptation, souplesse, mobilité, tendance à l'instabilité. "
     "Amour : Passionné mais volage, craint de perdre sa liberté. "
     "Travail : S'épanouit dans les métiers du mouvement, du voyage et de la vente. "
     "Santé : Système nerveux, poumons, mains."_cp1252},
    // The missing blank in "conciliant,tendance" is kept on purpose.
    {6,
     "Charme, esprit conciliant,tendance à la facilité. "
     "Amour : Affectueux et attentif, place la famille au premier rang. "
     "Travail : Réussit dans les métiers de l'aide, du soin et de la décoration. "
     "Santé : Gorge, reins, circulation."_cp1252},
    {7,
     "Analyse, goût de l'étude, culte de l'amitié. "
     "Amour : Réservé et pudique, se livre lentement mais profondément. "
     "Travail : Doué pour la recherche, l'enseignement et les métiers de réflexion. "
     "Santé : Système nerveux, intestins, sommeil."_cp1252},
    {8,
     "Energie, courage, esprit entreprenant. "
     "Amour : Ardent et possessif, aime avec force et fidélité. "
     "Travail : Fait preuve d'un grand sens des affaires et de l'argent. "
     "Santé : Foie, vésicule, tension artérielle."_cp1252},
    {9,
     "Altruisme, dévouement, tendance au désordre. "
     "Amour : Généreux et idéaliste, donne beaucoup sans compter. "
     "Travail : Trouve sa voie dans les métiers humanitaires, artistiques ou de conseil. "
     "Santé : Sang, peau, fatigue nerveuse."_cp1252},
    {11,
     "Force morale et physique, inspiration, ascendant. "
     "Amour : Intense et exigeant, recherche un partenaire à sa hauteur. "
     "Travail : Capable de grandes réalisations lorsqu'il suit son inspiration. "
     "Santé : Système nerveux, coeur, surmenage."_cp1252},
    {22,
     "Maîtrise, esprit constructif, inspiration. "
     "Amour : Loyal et protecteur, partage de grands projets avec l'être aimé. "
     "Travail : Bâtit de vastes entreprises au service du plus grand nombre. "
     "Santé : Système nerveux, ossature, épuisement."_cp1252},
};

constexpr TableRow RealisationRows[] = {
    {1, "Initiatives et action personnelle. Veut briller et diriger."_cp1252},
    {2, "Travail en association ou en équipe. Collaborations."_cp1252},
    {3, "Vie de contacts et d'échanges. Ouverture vers autrui."_cp1252},
    {4, "Travail constructif et patient. Réussite progressive."_cp1252},
    {5, "Changements, mutations. Rencontres variées et fugaces."_cp1252},
    {6, "Choix à faire qui ne sont pas toujours faciles. Vie sociale."_cp1252},
    // "(inventions) vie" without a stop between is kept on purpose.
    {7, "Initiatives originales (inventions) vie active indépendante."_cp1252},
    {8, "Attitude franche et directe. Autorité et maîtrise."_cp1252},
    {9, "Dévouement et sensibilité dans les rapports avec autrui."_cp1252},
    {11, "Ambitions. Activité intense. Se soumet difficilement."_cp1252},
    {22, "Réalisation concrète de grands projets. Réussite sociale."_cp1252},
};

constexpr TableRow ActiveRows[] = {
    {1, "Invention, nervosité, opportunisme."_cp1252},
    {2, "Contacts humains, sensibilité, calme apparent."_cp1252},
    {3, "Originalité, intelligence, habileté."_cp1252},
    {4, "Organisation, travail, ordre."_cp1252},
    {5, "Mouvement, curiosité, dynamisme."_cp1252},
    {6, "Bonheur, générosité, ironie."_cp1252},
    {7, "Mystère, observation, mélancolie."_cp1252},
    {8, "Entêtement, action, impulsivité."_cp1252},
    {9, "Altruisme, émotivité, sensualité."_cp1252},
    {11, "Force, maîtrise, nervosité."_cp1252},
    {22, "Idéal, aspirations élevées, réalisation."_cp1252},
};

constexpr TableRow HereditaryRows[] = {
    {1, "Courage, assurance."_cp1252},
    {2, "Equilibre, sociabilité."_cp1252},
    {3, "Créativité, adaptabilité."_cp1252},
    {4, "Méthode, ordre."_cp1252},
    {5, "Combativité, ardeur."_cp1252},
    {6, "Justice, générosité."_cp1252},
    {7, "Raison, sagesse."_cp1252},
    {8, "Autorité, détermination."_cp1252},
    // No comma in "Dignité fierté": kept on purpose.
    {9, "Dignité fierté."_cp1252},
    {11, "Inspiration, force."_cp1252},
    {22, "Construction, élévation."_cp1252},
};

void breakBefore(Text& text, std::string_view marker) {
  const size_t at = text.find(marker);
  if (at != Text::npos) text.insert(at, CrLf);
}

}  // namespace

const std::span<const TableRow> IntimateNumberTexts = IntimateRows;
const std::span<const TableRow> ExpressionNumberTexts = ExpressionRows;
const std::span<const TableRow> RealisationNumberTexts = RealisationRows;
const std::span<const TableRow> ActiveNumberTexts = ActiveRows;
const std::span<const TableRow> HereditaryNumberTexts = HereditaryRows;

Text ExpressionNumberText(int32_t number) {
  const std::string_view row = tableRow(ExpressionNumberTexts, number);
  Text text;
  text.reserve(row.size() + 3 * CrLf.size());  // room for the three line breaks
  text += row;
  breakBefore(text, "Amour");
  breakBefore(text, "Travail");
  breakBefore(text, "Santé"_cp1252);
  return text;
}

}  // namespace tessaro
