// The main window's menu bar and command groups.
#include "app/main_menu.h"

namespace tessaro {

const std::vector<MenuDefinition>& mainMenus() {
  static const std::vector<MenuDefinition> menus = {
      {"FileMenu",
       "&Fichier",
       3,
       {
           {"newStudyAction", "&Nouveau th\xE8me...", "Nouveau th\xE8me, pour commencer une \xE9ude", "F2",
            true, false},
           {"OpenItem", "&Ouvrir...", "Ouvrir un fichier", "Ctrl+O", false, false},
           {"closeAction", "&Fermer", "Fermer la fen\xEAtre", "", true, false},
           {"SaveItem", "&Enregistrer", "Enregistrer le fichier en cours", "Ctrl+S", false, false},
           {"saveAsAction", "Enregistrer &sous...", "enregistrer sous un autre nom", "", false, false},
           {"exportAction", "E&xporter...", "Exporter le portrait", "", false, false},
           {"exportPdfAction", "Exporter en &PDF...", "Exporter le portrait en PDF", "", true, false},
           {"printAction", "&Imprimer...", "Imprimer", "", false, false},
           {"printerSetupAction", "&Configurer l'imprimante...", "Configuration de l'impression", "", true,
            false},
           {"ExitItem", "&Quitter", "Quitter l'application", "Alt+X", false, false},
       }},
      {"editMenu",
       "&Edition",
       4,
       {
           {"copyAction", "C&opier", "Copier", "Ctrl+C", false, false},
           {"pasteAction", "Co&ller", "Coller", "Ctrl+V", true, false},
           {"findAction", "&Rechercher...", "Rechercher", "", true, false},
           {"selectAllAction", "&S\xE9lectionner tout", "S\xE9lectionner tout", "", true, false},
           {"bulletsAction", "&Puces", "Puces", "", false, true},
       }},
      {"tessaroMenu",
       "&Tessaro",
       5,
       {
           {"etudeAction", "&Nouveau th\xE8me...", "Nouveau th\xE8me, pour commencer une \xE9tude", "F2",
            true, false},
           {"venusStarAction", "E&toile de v\xE9nus", "Etoile de V\xE9nus", "", false, false},
           {"venusInterpretationAction", "&Interpr\xE9tation", "Interpr\xE9tation d el'Etoile de V\xE9nus",
            "", true, false},
           {"fullChartAction", "&Graphique complet", "Graphique complet", "", false, false},
           {"nameLettersAction", "&Lettres du nom", "Lettres du nom", "", false, false},
           {"birthDateAction", "&Date de naissance", "Date de naissance", "", false, false},
           {"singleNumberAction", "Nombre &unique", "Nombre Unique", "", true, false},
           {"currentYearAction",
            "&Ann\xE9"
            "e en cours",
            "Ann\xE9"
            "e en cours",
            "", false, false},
           {"chanceAction", "&Chance", "Chance", "", false, false},
           {"everydayLifeAction", "&Vie courante", "Vie courante", "", false, false},
           {"firstNameAction", "P&r\xE9nom", "Pr\xE9nom", "", false, false},
           {"ententeAction", "&Entente \xE0 deux...", "Entente \xE0 deux", "", true, false},
           {"portraitAction", "&Portrait g\xE9n\xE9ral", "Portrait g\xE9n\xE9ral", "", false, false},
       }},
      {"firstNamesMenu",
       "&Pr\xE9noms",
       6,
       {
           {"consultFirstNamesAction", "&Consulter", "Consulter", "", false, false},
           {"includeFirstNameAction", "&Inclure le pr\xE9nom", "Inclure le pr\xE9nom", "", false, true},
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
                                                 "SaveItem",           "saveAsAction",
                                                 "currentYearAction",  "chanceAction",
                                                 "everydayLifeAction", "ententeAction",
                                                 "portraitAction",     "firstNameAction"};
  return names;
}

const std::vector<const char*>& textCommandNames() {
  static const std::vector<const char*> names = {
      "copyAction",          "pasteAction",         "closeAction",      "findAction",
      "selectAllAction", "bulletsAction",          "printAction",    "printerSetupAction",
      "exportAction",        "exportPdfAction", "copyButton", "pasteButton",
      "printButton",     "BoldButton",      "ItalButton",   "UnderButton",
      "LeftButton",       "CenterButton",    "RightButton",  "fontNameBox",
      "fontSizeBox"};
  return names;
}

}  // namespace tessaro
