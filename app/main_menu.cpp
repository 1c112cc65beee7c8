// The main window's menu bar and command groups.
#include "app/main_menu.h"

#include "common/cp1252_literal.h"

namespace tessaro {

const std::vector<MenuDefinition>& mainMenus() {
  static const std::vector<MenuDefinition> menus = {
      {"fileMenu",
       "&Fichier",
       3,
       {
           // "éude" in the hint is kept on purpose.
           {"newStudyAction", "&Nouveau thème..."_cp1252, "Nouveau thème, pour commencer une éude"_cp1252,
            "F2", true, false},
           {"openAction", "&Ouvrir...", "Ouvrir un fichier", "Ctrl+O", false, false},
           {"closeAction", "&Fermer", "Fermer la fenêtre"_cp1252, "", true, false},
           {"saveAction", "&Enregistrer", "Enregistrer le fichier en cours", "Ctrl+S", false, false},
           {"saveAsAction", "Enregistrer &sous...", "enregistrer sous un autre nom", "", false, false},
           {"exportAction", "E&xporter...", "Exporter le portrait", "", false, false},
           {"exportPdfAction", "Exporter en &PDF...", "Exporter le portrait en PDF", "", true, false},
           {"printAction", "&Imprimer...", "Imprimer", "", false, false},
           {"printerSetupAction", "&Configurer l'imprimante...", "Configuration de l'impression", "", true,
            false},
           {"quitAction", "&Quitter", "Quitter l'application", "Alt+X", false, false},
       }},
      {"editMenu",
       "&Edition",
       4,
       {
           {"copyAction", "C&opier", "Copier", "Ctrl+C", false, false},
           {"pasteAction", "Co&ller", "Coller", "Ctrl+V", true, false},
           {"findAction", "&Rechercher...", "Rechercher", "", true, false},
           {"selectAllAction", "&Sélectionner tout"_cp1252, "Sélectionner tout"_cp1252, "", true, false},
           {"bulletsAction", "&Puces", "Puces", "", false, true},
       }},
      {"tessaroMenu",
       "&Tessaro",
       5,
       {
           {"etudeAction", "&Nouveau thème..."_cp1252, "Nouveau thème, pour commencer une étude"_cp1252, "F2",
            true, false},
           // The lower-case "vénus" of the caption and "d el'Etoile" of the next hint are kept on purpose.
           {"venusStarAction", "E&toile de vénus"_cp1252, "Etoile de Vénus"_cp1252, "", false, false},
           {"venusInterpretationAction", "&Interprétation"_cp1252,
            "Interprétation d el'Etoile de Vénus"_cp1252, "", true, false},
           {"fullChartAction", "&Graphique complet", "Graphique complet", "", false, false},
           {"nameLettersAction", "&Lettres du nom", "Lettres du nom", "", false, false},
           {"birthDateAction", "&Date de naissance", "Date de naissance", "", false, false},
           {"singleNumberAction", "Nombre &unique", "Nombre Unique", "", true, false},
           {"currentYearAction", "&Année en cours"_cp1252, "Année en cours"_cp1252, "", false, false},
           {"chanceAction", "&Chance", "Chance", "", false, false},
           {"everydayLifeAction", "&Vie courante", "Vie courante", "", false, false},
           {"firstNameAction", "P&rénom"_cp1252, "Prénom"_cp1252, "", false, false},
           {"ententeAction", "&Entente à deux..."_cp1252, "Entente à deux"_cp1252, "", true, false},
           {"portraitAction", "&Portrait général"_cp1252, "Portrait général"_cp1252, "", false, false},
       }},
      {"firstNamesMenu",
       "&Prénoms"_cp1252,
       6,
       {
           {"consultFirstNamesAction", "&Consulter", "Consulter", "", false, false},
           {"includeFirstNameAction", "&Inclure le prénom"_cp1252, "Inclure le prénom"_cp1252, "", false,
            true},
       }},
      {"utilitiesMenu",
       "&Utilitaires",
       7,
       {
           {"calendarAction", "&Calendrier", "Calendrier", "", false, false},
           {"calculatorAction", "C&alculatrice", "Calculatrice", "", false, false},
           {"clockAction", "&Horloge", "Horloge", "", false, false},
       }},
      {"helpMenu",
       "&Aide",
       8,
       {
           {"helpContentsAction", "&Sommaire", "sommaire de l'aide", "", false, false},
           {"helpSearchAction", "&Rechercher...", "Rechercher", "", false, false},
           {"helpOnHelpAction", "&Utiliser l'aide", "Utiliser l'aide", "", true, false},
           {"aboutAction", "&A propos", "Informations sur le logiciel, la version", "", false, false},
       }},
  };
  return menus;
}

const std::vector<const char*>& subjectCommandNames() {
  static const std::vector<const char*> names = {"venusStarAction",    "venusInterpretationAction",
                                                 "fullChartAction",    "nameLettersAction",
                                                 "birthDateAction",    "singleNumberAction",
                                                 "saveAction",         "saveAsAction",
                                                 "currentYearAction",  "chanceAction",
                                                 "everydayLifeAction", "ententeAction",
                                                 "portraitAction",     "firstNameAction"};
  return names;
}

const std::vector<const char*>& textCommandNames() {
  static const std::vector<const char*> names = {
      "copyAction",      "pasteAction",     "closeAction",        "findAction",       "selectAllAction",
      "bulletsAction",   "printAction",     "printerSetupAction", "exportAction",     "exportPdfAction",
      "copyButton",      "pasteButton",     "printButton",        "boldButton",       "italicButton",
      "underlineButton", "alignLeftButton", "centerButton",       "alignRightButton", "fontNameBox",
      "fontSizeBox"};
  return names;
}

}  // namespace tessaro
