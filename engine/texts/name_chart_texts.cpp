// The tables of the complete name chart.
#include "engine/texts/name_chart_texts.h"

#include <string_view>

namespace tessaro {
namespace {

constexpr TableRow IntimateRows[] = {
    {1,
     "D\xE9sir de r\xE9ussir et de se r\xE9"
     "aliser par soi-m\xEAme."},
    {2, "D\xE9sir de s'associer et de s'unir (amour-mariage)."},
    {3, "D\xE9sir de s'exprimer et de rechercher des contacts."},
    {4, "Travail et stabilit\xE9. D\xE9sir de vivre de fa\xE7on constructive."},
    {5,
     "Changements et libert\xE9. D\xE9sir de vivre une existence vari\xE9"
     "e."},
    {6, "Int\xE9r\xEAts artistiques. d\xE9sir d'harmonie et d'\xE9quilibre."},
    {7, "Vie int\xE9rieure. D\xE9sir d'ind\xE9pendance et d'action individuelle."},
    {8,
     "Volont\xE9 d'acqu\xE9rir. D\xE9sir de r\xE9"
     "alisations concr\xE8tes et de r\xE9ussite mat\xE9rielle."},
    {9,
     "D\xE9sir de r\xE9"
     "aliser un id\xE9"
     "al ou une vocation. Besoin de se d\xE9vouer. Ouverture aux autres."},
    {11,
     "D\xE9sir de s'imposer en r\xE9"
     "alisant ses ambitions ou un id\xE9"
     "al. Inspiration."},
    {22, "d\xE9sir d'\xE9l\xE9vation et aspirations universelles. Travail ambitieux."},
};

constexpr TableRow ExpressionRows[] = {
    {1,
     "Volont\xE9 autorit\xE9. confiance en soi. Ambition. "
     "Amour : Fid\xE8le mais exigeant, aime prot\xE9ger et guider le couple. "
     "Travail : R\xE9ussit dans les postes de commandement et les entreprises personnelles. "
     "Sant\xE9 : Coeur, circulation du sang, yeux."},
    {2,
     "Equilibre, diplomatie, tendance \xE0 la passivit\xE9. "
     "Amour : Tendre et d\xE9vou\xE9, a besoin d'une vie de couple paisible. "
     "Travail : Excelle dans la collaboration, la m\xE9"
     "diation et le conseil. "
     "Sant\xE9 : Estomac, digestion, nervosit\xE9."},
    {3,
     "Cr\xE9"
     "ativit\xE9, sociabilit\xE9, g\xE9n\xE9rosit\xE9, dispersion. "
     "Amour : S\xE9"
     "duisant et enjou\xE9, aime plaire et \xEAtre entour\xE9. "
     "Travail : Brille dans la communication, les arts et les m\xE9tiers de contact. "
     "Sant\xE9 : Gorge, foie, syst\xE8me nerveux."},
    {4,
     "Patience, stabilit\xE9, pers\xE9v\xE9rance, tendance \xE0 la routine. "
     "Amour : Sinc\xE8re et constant, recherche la s\xE9"
     "curit\xE9 d'un foyer solide. "
     "Travail : M\xE9thodique et consciencieux, b\xE2tit sa r\xE9ussite pas \xE0 pas. "
     "Sant\xE9 : Os, articulations, dos."},
    {5,
     "Adaptation, souplesse, mobilit\xE9, tendance \xE0 l'instabilit\xE9. "
     "Amour : Passionn\xE9 mais volage, craint de perdre sa libert\xE9. "
     "Travail : S'\xE9panouit dans les m\xE9tiers du mouvement, du voyage et de la vente. "
     "Sant\xE9 : Syst\xE8me nerveux, poumons, mains."},
    {6,
     "Charme, esprit conciliant,tendance \xE0 la facilit\xE9. "
     "Amour : Affectueux et attentif, place la famille au premier rang. "
     "Travail : R\xE9ussit dans les m\xE9tiers de l'aide, du soin et de la d\xE9"
     "coration. "
     "Sant\xE9 : Gorge, reins, circulation."},
    {7,
     "Analyse, go\xFBt de l'\xE9tude, culte de l'amiti\xE9. "
     "Amour : R\xE9serv\xE9 et pudique, se livre lentement mais profond\xE9ment. "
     "Travail : Dou\xE9 pour la recherche, l'enseignement et les m\xE9tiers de r\xE9"
     "flexion. "
     "Sant\xE9 : Syst\xE8me nerveux, intestins, sommeil."},
    {8,
     "Energie, courage, esprit entreprenant. "
     "Amour : Ardent et possessif, aime avec force et fid\xE9lit\xE9. "
     "Travail : Fait preuve d'un grand sens des affaires et de l'argent. "
     "Sant\xE9 : Foie, v\xE9sicule, tension art\xE9rielle."},
    {9,
     "Altruisme, d\xE9vouement, tendance au d\xE9sordre. "
     "Amour : G\xE9n\xE9reux et id\xE9"
     "aliste, donne beaucoup sans compter. "
     "Travail : Trouve sa voie dans les m\xE9tiers humanitaires, artistiques ou de conseil. "
     "Sant\xE9 : Sang, peau, fatigue nerveuse."},
    {11,
     "Force morale et physique, inspiration, ascendant. "
     "Amour : Intense et exigeant, recherche un partenaire \xE0 sa hauteur. "
     "Travail : Capable de grandes r\xE9"
     "alisations lorsqu'il suit son inspiration. "
     "Sant\xE9 : Syst\xE8me nerveux, coeur, surmenage."},
    {22,
     "Ma\xEEtrise, esprit constructif, inspiration. "
     "Amour : Loyal et protecteur, partage de grands projets avec l'\xEAtre aim\xE9. "
     "Travail : B\xE2tit de vastes entreprises au service du plus grand nombre. "
     "Sant\xE9 : Syst\xE8me nerveux, ossature, \xE9puisement."},
};

constexpr TableRow RealisationRows[] = {
    {1, "Initiatives et action personnelle. Veut briller et diriger."},
    {2, "Travail en association ou en \xE9quipe. Collaborations."},
    {3,
     "Vie de contacts et d'\xE9"
     "changes. Ouverture vers autrui."},
    {4, "Travail constructif et patient. R\xE9ussite progressive."},
    {5,
     "Changements, mutations. Rencontres vari\xE9"
     "es et fugaces."},
    {6, "Choix \xE0 faire qui ne sont pas toujours faciles. Vie sociale."},
    {7, "Initiatives originales (inventions) vie active ind\xE9pendante."},
    {8, "Attitude franche et directe. Autorit\xE9 et ma\xEEtrise."},
    {9, "D\xE9vouement et sensibilit\xE9 dans les rapports avec autrui."},
    {11, "Ambitions. Activit\xE9 intense. Se soumet difficilement."},
    {22,
     "R\xE9"
     "alisation concr\xE8te de grands projets. R\xE9ussite sociale."},
};

constexpr TableRow ActiveRows[] = {
    {1, "Invention, nervosit\xE9, opportunisme."},
    {2, "Contacts humains, sensibilit\xE9, calme apparent."},
    {3, "Originalit\xE9, intelligence, habilet\xE9."},
    {4, "Organisation, travail, ordre."},
    {5, "Mouvement, curiosit\xE9, dynamisme."},
    {6, "Bonheur, g\xE9n\xE9rosit\xE9, ironie."},
    {7, "Myst\xE8re, observation, m\xE9lancolie."},
    {8, "Ent\xEAtement, action, impulsivit\xE9."},
    {9, "Altruisme, \xE9motivit\xE9, sensualit\xE9."},
    {11, "Force, ma\xEEtrise, nervosit\xE9."},
    {22,
     "Id\xE9"
     "al, aspirations \xE9lev\xE9"
     "es, r\xE9"
     "alisation."},
};

constexpr TableRow HereditaryRows[] = {
    {1, "Courage, assurance."},
    {2, "Equilibre, sociabilit\xE9."},
    {3,
     "Cr\xE9"
     "ativit\xE9, adaptabilit\xE9."},
    {4, "M\xE9thode, ordre."},
    {5, "Combativit\xE9, ardeur."},
    {6, "Justice, g\xE9n\xE9rosit\xE9."},
    {7, "Raison, sagesse."},
    {8, "Autorit\xE9, d\xE9termination."},
    {9, "Dignit\xE9 fiert\xE9."},
    {11, "Inspiration, force."},
    {22, "Construction, \xE9l\xE9vation."},
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
  breakBefore(text, "Sant\xE9");
  return text;
}

}  // namespace tessaro
