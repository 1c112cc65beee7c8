// The help viewer's own page, written in the help file's format.
#include "help/help_on_help.h"

#include "common/cp1252_literal.h"

namespace tessaro {

const HelpFile& helpOnHelp() {
  static const HelpFile page = HelpFile::parse(
      "# Utiliser l'aide\n"
      "La fenêtre d'aide a deux volets : à gauche le sommaire et l'index, à droite le\n"
      "texte du sujet choisi. Les boutons du haut mènent au sommaire, à l'index, au sujet\n"
      "lu juste avant et à cette page.\n"
      "\n"
      "- Sommaire : les sujets sont rangés par chapitres. Cliquez sur un chapitre pour\n"
      "  l'ouvrir ou le refermer, puis sur un sujet pour le lire.\n"
      "- Index : tapez les premières lettres du mot cherché ; la liste des mots-clés se\n"
      "  place sur le premier qui commence ainsi. Choisissez un mot-clé : les sujets qui\n"
      "  en parlent s'affichent dessous ; cliquez sur l'un d'eux pour le lire. Majuscules\n"
      "  et accents ne comptent pas.\n"
      "- Liens : dans le texte d'un sujet, les mots soulignés mènent à un autre sujet. Le\n"
      "  bouton Précédent revient au sujet lu avant.\n"
      "- Menus : dans la fenêtre principale, mettez un menu en surbrillance et appuyez\n"
      "  sur F1 ; l'aide s'ouvre sur le sujet de ce menu.\n"
      "\n"
      "Le menu Aide donne le sommaire, la recherche par mot-clé et cette page. La touche\n"
      "Echap ferme la fenêtre d'aide.\n"_cp1252);
  return page;
}

}  // namespace tessaro
