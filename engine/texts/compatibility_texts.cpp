// Readings of the compatibility of two people (Windows-1252).
#include "engine/texts/compatibility_texts.h"

namespace tessaro {
namespace {

// "D\xE9sacord" and the lower-case "souvent" of row 15 are the program's own and stay as they are.
constexpr TableRow compatibilityRows[] = {
    {11, "Entente \xE9lectrique. Ni l'un ni l'autre ne fait de concession."},
    {12,
     "Bonne relation, id\xE9"
     "ale. Caract\xE8res qui s'harmonisent."},
    {13, "Ambiance chaleureuse. Accord dans tous les domaines."},
    {14,
     "Bonne entente. R\xE9"
     "alisations communes constructives."},
    {15, "Amour fou, mais peu durable. souvent le coup de foudre."},
    {16, "Entente excellente. Une certaine magie dans les rapports."},
    {17, "Bonne vibration pour l'amiti\xE9. Par ailleurs, bon contact."},
    {18, "Caract\xE8res qui s'affrontent. Rivalit\xE9 constante, mais respect mutuel possible."},
    {19, "Relations souvent tendues. Caract\xE8res tr\xE8s diff\xE9rents."},
    {22, "Entente moyenne. Manque de dynamisme. Des efforts en perspective."},
    {23, "Harmonie du coeur. Climat favorable au tr\xE8s grand amour."},
    {24, "Bonne entente g\xE9n\xE9rale. Equilibre s'affirmant avec le temps."},
    {25,
     "Grande attirance. Sensualit\xE9 forte. Relations mouvement\xE9"
     "es."},
    {26, "Relations harmonieuses. Amour qui favorise la stabilit\xE9."},
    {27, "Entente fragile, c\xF4t\xE9 coeur, mais satisfaction en amiti\xE9."},
    {28, "Excellent. Vibration positive en amour et en affaires."},
    {29, "D\xE9sacord. Beaucoup de tension et d'\xE9motivit\xE9. Du calme !"},
    {33,
     "Relation id\xE9"
     "ale dans tous les domaines de la vie. Gaiet\xE9 et complicit\xE9 au quotidien."},
    {34, "Ambiance tumultueuse. Des efforts \xE0 faire des deux c\xF4t\xE9s."},
    {35, "Bonne vibration d'accord. Rapports enrichissants et vari\xE9s."},
    {36,
     "Harmonie en amour. Associations artistiques favoris\xE9"
     "es."},
    {37,
     "Equilibre pr\xE9"
     "caire. Rythmes de vie tr\xE8s diff\xE9rents."},
    {38, "Bonne entente sous le signe de l'originalit\xE9. Projets communs audacieux et inattendus."},
    {39, "Accord total. Complicit\xE9 pour des projets d'envergure."},
    {44, "Entente surtout dans le travail. Plus difficile en amour."},
    {45, "Relations tumultueuses, passionnelles et riches en \xE9motions."},
    {46,
     "Relations agr\xE9"
     "ables et constructives. Sentiments durables."},
    {47, "Rapports excellents. Collaboration fructueuse et solide."},
    {48,
     "Entente b\xE9n\xE9"
     "fique. Expansion mat\xE9rielle commune favoris\xE9"
     "e."},
    {49, "Accord sans limite en perp\xE9tuelle \xE9volution. Le vertige !"},
    {55, "Tr\xE8s bonne entente. Go\xFBt commun pour les voyages."},
    {56, "Relations parfois tendues, mais positives dans le temps."},
    {57,
     "Attirance r\xE9"
     "ciproque. Mais ind\xE9pendance \xE0 pr\xE9server."},
    {58, "Rapports enrichissants. Entente sous le signe de l'expansion."},
    {59, "Rapports difficiles. Attention \xE0 l'\xE9gocentrisme de chacun."},
    {66, "Relations harmonieuses entre natures conciliantes."},
    {67,
     "Entente pouvant \xEAtre perturb\xE9"
     "e par le doute et l'h\xE9sitation."},
    {68, "Accord dans l'ensemble. Epanouissement dans des activit\xE9s."},
    {69, "Rapports teint\xE9s de myst\xE8re. Attirance magn\xE9tique. Sans limite."},
    {77, "Entente excellente. Aspects intellectuels tr\xE8s favoris\xE9s."},
    {78, "Bons rapports. Union stable sous le signe de la puissance."},
    {79, "Rapports positifs malgr\xE9 des caract\xE8res diff\xE9rents. De l'espoir."},
    {88, "Sentimentalement difficile mais bon dans l'amiti\xE9 amoureuse."},
    {89, "Accord profond. Capacit\xE9 constructive importante."},
    {99,
     "Beaucoup de compr\xE9hension. Merveilleux et id\xE9"
     "al partag\xE9."},
};

}  // namespace

const std::span<const TableRow> CompatibilityTexts = compatibilityRows;

}  // namespace tessaro
