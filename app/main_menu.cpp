// The main window's menu bar and command groups.
#include "app/main_menu.h"

namespace tessaro {

const std::vector<MenuDefinition>& mainMenus() {
  static const std::vector<MenuDefinition> menus = {
      {"FileMenu",
       "&Fichier",
       3,
       {
           {"Nouveauthme1", "&Nouveau th\xE8me...", "Nouveau th\xE8me, pour commencer une \xE9ude", "F2",
            true, false},
           {"OpenItem", "&Ouvrir...", "Ouvrir un fichier", "Ctrl+O", false, false},
           {"Fermer1", "&Fermer", "Fermer la fen\xEAtre", "", true, false},
           {"SaveItem", "&Enregistrer", "Enregistrer le fichier en cours", "Ctrl+S", false, false},
           {"Enregistrersous1", "Enregistrer &sous...", "enregistrer sous un autre nom", "", false, false},
           {"Exporter1", "E&xporter...", "Exporter le portrait", "", false, false},
           {"exportPdfAction", "Exporter en &PDF...", "Exporter le portrait en PDF", "", true, false},
           {"Imprimer1", "&Imprimer...", "Imprimer", "", false, false},
           {"Configurerlimprimante1", "&Configurer l'imprimante...", "Configuration de l'impression", "",
            true, false},
           {"ExitItem", "&Quitter", "Quitter l'application", "Alt+X", false, false},
       }},
      {"Edition1",
       "&Edition",
       4,
       {
           {"Copier1", "C&opier", "Copier", "Ctrl+C", false, false},
           {"Coller1", "Co&ller", "Coller", "Ctrl+V", true, false},
           {"Rechercher1", "&Rechercher...", "Rechercher", "", true, false},
           {"Slectionnertout1", "&S\xE9lectionner tout", "S\xE9lectionner tout", "", true, false},
           {"Puces1", "&Puces", "Puces", "", false, true},
       }},
      {"Tessaro1",
       "&Tessaro",
       5,
       {
           {"Etude1", "&Nouveau th\xE8me...", "Nouveau th\xE8me, pour commencer une \xE9tude", "F2", true,
            false},
           {"Etoiledevnus1", "E&toile de v\xE9nus", "Etoile de V\xE9nus", "", false, false},
           {"Interprtation1", "&Interpr\xE9tation", "Interpr\xE9tation d el'Etoile de V\xE9nus", "", true,
            false},
           {"Graphiquecomplet1", "&Graphique complet", "Graphique complet", "", false, false},
           {"Lettresdunom1", "&Lettres du nom", "Lettres du nom", "", false, false},
           {"Datedenaissance1", "&Date de naissance", "Date de naissance", "", false, false},
           {"Nombreunique1", "Nombre &unique", "Nombre Unique", "", true, false},
           {"Anneencours1",
            "&Ann\xE9"
            "e en cours",
            "Ann\xE9"
            "e en cours",
            "", false, false},
           {"Chance1", "&Chance", "Chance", "", false, false},
           {"Viecourante1", "&Vie courante", "Vie courante", "", false, false},
           {"Prnom1", "P&r\xE9nom", "Pr\xE9nom", "", false, false},
           {"Ententedeux1", "&Entente \xE0 deux...", "Entente \xE0 deux", "", true, false},
           {"Portraitgnral1", "&Portrait g\xE9n\xE9ral", "Portrait g\xE9n\xE9ral", "", false, false},
       }},
      {"Prnoms1",
       "&Pr\xE9noms",
       6,
       {
           {"Consulter1", "&Consulter", "Consulter", "", false, false},
           {"Inclureleprnom1", "&Inclure le pr\xE9nom", "Inclure le pr\xE9nom", "", false, true},
       }},
      {"Utilitaires1",
       "&Utilitaires",
       7,
       {
           {"Calendrier1", "&Calendrier", "Calendrier", "", false, false},
           {"Calculatrice1", "C&alculatrice", "Calculatrice", "", false, false},
           {"Horloge1", "&Horloge", "Horloge", "", false, false},
       }},
      {"Help1",
       "&Aide",
       8,
       {
           {"Sommaire1", "&Sommaire", "sommaire de l'aide", "", false, false},
           {"Rechercher2", "&Rechercher...", "Rechercher", "", false, false},
           {"Utiliserlaide1", "&Utiliser l'aide", "Utiliser l'aide", "", true, false},
           {"About1", "&A propos", "Informations sur le logiciel, la version", "", false, false},
       }},
  };
  return menus;
}

const std::vector<const char*>& subjectCommandNames() {
  static const std::vector<const char*> names = {
      "Etoiledevnus1", "Interprtation1", "Graphiquecomplet1", "Lettresdunom1", "Datedenaissance1",
      "Nombreunique1", "SaveItem",       "Enregistrersous1",  "Anneencours1",  "Chance1",
      "Viecourante1",  "Ententedeux1",   "Portraitgnral1",    "Prnom1"};
  return names;
}

const std::vector<const char*>& textCommandNames() {
  static const std::vector<const char*> names = {
      "Copier1",          "Coller1",         "Fermer1",      "Rechercher1",
      "Slectionnertout1", "Puces1",          "Imprimer1",    "Configurerlimprimante1",
      "Exporter1",        "exportPdfAction", "SpeedButton2", "SpeedButton3",
      "SpeedButton4",     "BoldButton",      "ItalButton",   "UnderButton",
      "LeftButton",       "CenterButton",    "RightButton",  "ComboBox1",
      "SpinEdit1"};
  return names;
}

}  // namespace tessaro
