// The help viewer's own page, written in the help file's format.
#include "help/help_on_help.h"

namespace tessaro {

const HelpFile& helpOnHelp() {
  static const HelpFile page = HelpFile::parse(
      "# Utiliser l'aide\n"
      "La fen\xEAtre d'aide a deux volets : \xE0 gauche le sommaire et l'index, \xE0 droite le\n"
      "texte du sujet choisi. Les boutons du haut m\xE8nent au sommaire, \xE0 l'index, au sujet\n"
      "lu juste avant et \xE0 cette page.\n"
      "\n"
      "- Sommaire : les sujets sont rang\xE9s par chapitres. Cliquez sur un chapitre pour\n"
      "  l'ouvrir ou le refermer, puis sur un sujet pour le lire.\n"
      "- Index : tapez les premi\xE8res lettres du mot cherch\xE9 ; la liste des mots-cl\xE9s se\n"
      "  place sur le premier qui commence ainsi. Choisissez un mot-cl\xE9 : les sujets qui\n"
      "  en parlent s'affichent dessous ; cliquez sur l'un d'eux pour le lire. Majuscules\n"
      "  et accents ne comptent pas.\n"
      "- Liens : dans le texte d'un sujet, les mots soulign\xE9s m\xE8nent \xE0 un autre sujet. Le\n"
      "  bouton Pr\xE9"
      "c\xE9"
      "dent revient au sujet lu avant.\n"
      "- Menus : dans la fen\xEAtre principale, mettez un menu en surbrillance et appuyez\n"
      "  sur F1 ; l'aide s'ouvre sur le sujet de ce menu.\n"
      "\n"
      "Le menu Aide donne le sommaire, la recherche par mot-cl\xE9 et cette page. La touche\n"
      "Echap ferme la fen\xEAtre d'aide.\n");
  return page;
}

}  // namespace tessaro
