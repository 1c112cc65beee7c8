// Readings of the compatibility of two people (Windows-1252).
#include "engine/texts/compatibility_texts.h"

#include "common/cp1252_literal.h"

namespace tessaro {
namespace {

constexpr TableRow compatibilityRows[] = {
    {11, "Entente électrique. Ni l'un ni l'autre ne fait de concession."_cp1252},
    {12, "Bonne relation, idéale. Caractères qui s'harmonisent."_cp1252},
    {13, "Ambiance chaleureuse. Accord dans tous les domaines."_cp1252},
    {14, "Bonne entente. Réalisations communes constructives."_cp1252},
    // The lower-case "souvent" is kept on purpose.
    {15, "Amour fou, mais peu durable. souvent le coup de foudre."_cp1252},
    {16, "Entente excellente. Une certaine magie dans les rapports."_cp1252},
    {17, "Bonne vibration pour l'amitié. Par ailleurs, bon contact."_cp1252},
    {18, "Caractères qui s'affrontent. Rivalité constante, mais respect mutuel possible."_cp1252},
    {19, "Relations souvent tendues. Caractères très différents."_cp1252},
    {22, "Entente moyenne. Manque de dynamisme. Des efforts en perspective."_cp1252},
    {23, "Harmonie du coeur. Climat favorable au très grand amour."_cp1252},
    {24, "Bonne entente générale. Equilibre s'affirmant avec le temps."_cp1252},
    {25, "Grande attirance. Sensualité forte. Relations mouvementées."_cp1252},
    {26, "Relations harmonieuses. Amour qui favorise la stabilité."_cp1252},
    {27, "Entente fragile, côté coeur, mais satisfaction en amitié."_cp1252},
    {28, "Excellent. Vibration positive en amour et en affaires."_cp1252},
    // "Désacord" is kept on purpose.
    {29, "Désacord. Beaucoup de tension et d'émotivité. Du calme !"_cp1252},
    {33, "Relation idéale dans tous les domaines de la vie. Gaieté et complicité au quotidien."_cp1252},
    {34, "Ambiance tumultueuse. Des efforts à faire des deux côtés."_cp1252},
    {35, "Bonne vibration d'accord. Rapports enrichissants et variés."_cp1252},
    {36, "Harmonie en amour. Associations artistiques favorisées."_cp1252},
    {37, "Equilibre précaire. Rythmes de vie très différents."_cp1252},
    {38, "Bonne entente sous le signe de l'originalité. Projets communs audacieux et inattendus."_cp1252},
    {39, "Accord total. Complicité pour des projets d'envergure."_cp1252},
    {44, "Entente surtout dans le travail. Plus difficile en amour."_cp1252},
    {45, "Relations tumultueuses, passionnelles et riches en émotions."_cp1252},
    {46, "Relations agréables et constructives. Sentiments durables."_cp1252},
    {47, "Rapports excellents. Collaboration fructueuse et solide."_cp1252},
    {48, "Entente bénéfique. Expansion matérielle commune favorisée."_cp1252},
    {49, "Accord sans limite en perpétuelle évolution. Le vertige !"_cp1252},
    {55, "Très bonne entente. Goût commun pour les voyages."_cp1252},
    {56, "Relations parfois tendues, mais positives dans le temps."_cp1252},
    {57, "Attirance réciproque. Mais indépendance à préserver."_cp1252},
    {58, "Rapports enrichissants. Entente sous le signe de l'expansion."_cp1252},
    {59, "Rapports difficiles. Attention à l'égocentrisme de chacun."_cp1252},
    {66, "Relations harmonieuses entre natures conciliantes."_cp1252},
    {67, "Entente pouvant être perturbée par le doute et l'hésitation."_cp1252},
    {68, "Accord dans l'ensemble. Epanouissement dans des activités."_cp1252},
    {69, "Rapports teintés de mystère. Attirance magnétique. Sans limite."_cp1252},
    {77, "Entente excellente. Aspects intellectuels très favorisés."_cp1252},
    {78, "Bons rapports. Union stable sous le signe de la puissance."_cp1252},
    {79, "Rapports positifs malgré des caractères différents. De l'espoir."_cp1252},
    {88, "Sentimentalement difficile mais bon dans l'amitié amoureuse."_cp1252},
    {89, "Accord profond. Capacité constructive importante."_cp1252},
    {99, "Beaucoup de compréhension. Merveilleux et idéal partagé."_cp1252},
};

}  // namespace

const std::span<const TableRow> CompatibilityTexts = compatibilityRows;

}  // namespace tessaro
