// The rows of the command table.
#include "app/commands.h"

#include <array>

#include "app/about_box.h"
#include "app/main_form.h"
#include "app/workbench.h"
#include "common/clock.h"
#include "common/cp1252_literal.h"
#include "engine/ui/cycles_window.h"
#include "engine/ui/personal_calendar_window.h"
#include "help/ui/help_key.h"
#include "help/ui/help_viewer.h"
#include "names/ui/workshop_window.h"
#include "study/ui/study_window.h"
#include "ui/interaction.h"
#include "ui/print_job.h"
#include "utilities/ui/calendar_window.h"
#include "utilities/ui/clock_window.h"
#include "utilities/ui/pocket_window.h"

namespace tessaro {
namespace {

using enum CommandId;

void newStudy(Workbench& w, bool) { w.study.Etude(); }

// The printer the user chose for the program, which the windows print on.
PrinterSource programPrinter(Workbench& w) {
  return [&owner = w.mainForm]() -> QPrinter& { return owner.currentPrinter(); };
}

// The two windows below compute from the subject as they are made, and a subject they cannot
// compute from is refused by their constructor: each opening makes its own, under the command's
// error handler, so a refusal is a message and no window.
void showLifeCycles(Workbench& w) {
  TCycles window(w.study.subject(), interaction(), programPrinter(w), &w.mainForm);
  setHelpContext(&window, CyclesHelpContext);
  interaction().execDialog(window);
}

void showPersonalCalendar(Workbench& w) {
  PersonalCalendarWindow window(w.study.subject(), interaction(), programPrinter(w), currentClock(),
                                &w.mainForm);
  setHelpContext(&window, PersonalCalendarHelpContext);
  interaction().execDialog(window);
}

// The rows in menu order, then the commands that only the toolbar offers. Odd spellings of the
// captions and hints ("éude", "érude", "vénus", "d el'Etoile") are kept on purpose.
constexpr Command rows[] = {
    {.id = NewStudy,
     .name = "newStudyAction",
     .menu = Menu::File,
     .caption = "&Nouveau thème..."_cp1252,
     .hint = "Nouveau thème, pour commencer une éude"_cp1252,
     .keys = "F2",
     .toolbar = {"newStudyButton", 8, "Nouvelle érude"_cp1252, Look::Button, "document-new"},
     .separatorAfter = true,
     .handler = newStudy},
    {.id = Open,
     .name = "openAction",
     .menu = Menu::File,
     .caption = "&Ouvrir...",
     .hint = "Ouvrir un fichier",
     .keys = "Ctrl+O",
     .toolbar = {"openButton", 33, "Ouvrir", Look::Button, "document-open"},
     .handler = [](Workbench& w, bool) { w.mainForm.OpenItemClick(); }},
    {.id = Close,
     .name = "closeAction",
     .menu = Menu::File,
     .caption = "&Fermer",
     .hint = "Fermer la fenêtre"_cp1252,
     .group = Group::Text,
     .separatorAfter = true,
     .handler =
         [](Workbench& w, bool) {
           if (!w.study.document().documentMayGo()) return;
           w.study.document().Fermer();
           w.mainForm.Invalidtxt();
         }},
    {.id = Save,
     .name = "saveAction",
     .menu = Menu::File,
     .caption = "&Enregistrer",
     .hint = "Enregistrer le fichier en cours",
     .keys = "Ctrl+S",
     .group = Group::Subject,
     .toolbar = {"saveButton", 58, "Enregistrer|", Look::Button, "document-save"},
     // The work on screen: a file's text opened on its own, otherwise the study and its portrait.
     .handler =
         [](Workbench& w, bool) {
           if (!w.study.document().saveOpenedFile()) w.study.Sauver();
         }},
    {.id = SaveAs,
     .name = "saveAsAction",
     .menu = Menu::File,
     .caption = "Enregistrer &sous...",
     .hint = "enregistrer sous un autre nom",
     .group = Group::Subject,
     .handler =
         [](Workbench& w, bool) {
           if (w.study.SaveAs()) w.study.Sauver();
         }},
    {.id = Export,
     .name = "exportAction",
     .menu = Menu::File,
     .caption = "E&xporter...",
     .hint = "Exporter le portrait",
     .group = Group::Text,
     .handler = [](Workbench& w, bool) { w.study.document().Exporter(); }},
    {.id = ExportPdf,
     .name = "exportPdfAction",
     .menu = Menu::File,
     .caption = "Exporter en &PDF...",
     .hint = "Exporter le portrait en PDF",
     .group = Group::Text,
     .separatorAfter = true,
     .handler = [](Workbench& w, bool) { w.study.document().ExporterPdf(); }},
    {.id = Print,
     .name = "printAction",
     .menu = Menu::File,
     .caption = "&Imprimer...",
     .hint = "Imprimer",
     .keys = "Ctrl+P",
     .group = Group::Text,
     .handler = [](Workbench& w, bool) { w.mainForm.printCopies(); }},
    {.id = PrintPreview,
     .name = "printPreviewAction",
     .menu = Menu::File,
     .caption = "Aperçu a&vant impression..."_cp1252,
     .hint = "Aperçu avant impression"_cp1252,
     .group = Group::Text,
     .handler = [](Workbench& w, bool) { w.mainForm.printPreview(); }},
    {.id = PrinterSetup,
     .name = "printerSetupAction",
     .menu = Menu::File,
     .caption = "&Configurer l'imprimante...",
     .hint = "Configuration de l'impression",
     .group = Group::Text,
     .separatorAfter = true,
     .handler = [](Workbench& w,
                   bool) { interaction().printerSetup(&w.mainForm, w.mainForm.currentPrinter()); }},
    {.id = Quit,
     .name = "quitAction",
     .menu = Menu::File,
     .caption = "&Quitter",
     .hint = "Quitter l'application",
     .keys = "Alt+X",
     .handler = [](Workbench& w, bool) { w.mainForm.close(); }},

    {.id = Undo,
     .name = "undoAction",
     .menu = Menu::Edit,
     .caption = "&Annuler",
     .hint = "Annuler la dernière modification"_cp1252,
     .keys = "Ctrl+Z",
     .group = Group::Text,
     .handler = [](Workbench& w, bool) { w.study.document().Annuler(); }},
    {.id = Redo,
     .name = "redoAction",
     .menu = Menu::Edit,
     .caption = "Réta&blir"_cp1252,
     .hint = "Rétablir la modification annulée"_cp1252,
     .keys = "Ctrl+Y; Ctrl+Shift+Z",
     .group = Group::Text,
     .separatorAfter = true,
     .handler = [](Workbench& w, bool) { w.study.document().Retablir(); }},
    {.id = Cut,
     .name = "cutAction",
     .menu = Menu::Edit,
     .caption = "Co&uper",
     .hint = "Couper",
     .keys = "Ctrl+X",
     .group = Group::Text,
     .handler = [](Workbench& w, bool) { w.study.document().Couper(); }},
    {.id = Copy,
     .name = "copyAction",
     .menu = Menu::Edit,
     .caption = "C&opier",
     .hint = "Copier",
     .keys = "Ctrl+C",
     .group = Group::Text,
     .toolbar = {"copyButton", 114, "Copier", Look::Button, "edit-copy", Group::Text},
     .handler = [](Workbench& w, bool) { w.study.document().Copier(); }},
    {.id = Paste,
     .name = "pasteAction",
     .menu = Menu::Edit,
     .caption = "Co&ller",
     .hint = "Coller",
     .keys = "Ctrl+V",
     .group = Group::Text,
     .toolbar = {"pasteButton", 139, "Coller", Look::Button, "edit-paste", Group::Text},
     .separatorAfter = true,
     .handler = [](Workbench& w, bool) { w.study.document().Coller(); }},
    {.id = Find,
     .name = "findAction",
     .menu = Menu::Edit,
     .caption = "&Rechercher...",
     .hint = "Rechercher",
     .keys = "Ctrl+F",
     .group = Group::Text,
     .handler = [](Workbench& w, bool) { w.study.document().Rechercher(); }},
    {.id = FindNext,
     .name = "findNextAction",
     .menu = Menu::Edit,
     .caption = "Sui&vant",
     .hint = "Rechercher le suivant",
     .keys = "F3",
     .group = Group::Text,
     .separatorAfter = true,
     .handler = [](Workbench& w, bool) { w.study.document().Suivant(); }},
    // The zoom enlarges the text on the screen only: the document keeps its sizes.
    {.id = ZoomIn,
     .name = "zoomInAction",
     .menu = Menu::Edit,
     .caption = "&Zoom avant",
     .hint = "Agrandir le texte à l'écran"_cp1252,
     .keys = "Ctrl++; Ctrl+=",
     .group = Group::Text,
     .handler = [](Workbench& w, bool) { w.study.document().zoomBy(1); }},
    {.id = ZoomOut,
     .name = "zoomOutAction",
     .menu = Menu::Edit,
     .caption = "Zoo&m arrière"_cp1252,
     .hint = "Réduire le texte à l'écran"_cp1252,
     .keys = "Ctrl+-",
     .group = Group::Text,
     .handler = [](Workbench& w, bool) { w.study.document().zoomBy(-1); }},
    {.id = ZoomReset,
     .name = "zoomResetAction",
     .menu = Menu::Edit,
     .caption = "&Taille réelle"_cp1252,
     .hint = "Le texte à sa taille réelle"_cp1252,
     .keys = "Ctrl+0",
     .group = Group::Text,
     .separatorAfter = true,
     .handler = [](Workbench& w, bool) { w.study.document().zoomReset(); }},
    {.id = SelectAll,
     .name = "selectAllAction",
     .menu = Menu::Edit,
     .caption = "&Sélectionner tout"_cp1252,
     .hint = "Sélectionner tout"_cp1252,
     .group = Group::Text,
     .separatorAfter = true,
     .handler = [](Workbench& w, bool) { w.study.document().Selection(); }},
    {.id = Bullets,
     .name = "bulletsAction",
     .menu = Menu::Edit,
     .caption = "&Puces",
     .hint = "Puces",
     .group = Group::Text,
     .checkable = true,
     .handler = [](Workbench& w, bool checked) { w.study.document().Bullets(checked); }},

    {.id = Etude,
     .name = "etudeAction",
     .menu = Menu::Tessaro,
     .caption = "&Nouveau thème..."_cp1252,
     .hint = "Nouveau thème, pour commencer une étude"_cp1252,
     .keys = "F2",
     .separatorAfter = true,
     .handler = newStudy},
    {.id = VenusStar,
     .name = "venusStarAction",
     .menu = Menu::Tessaro,
     .caption = "E&toile de vénus"_cp1252,
     .hint = "Etoile de Vénus"_cp1252,
     .group = Group::Subject,
     .handler = [](Workbench& w, bool) { w.study.Venus(); }},
    {.id = VenusInterpretation,
     .name = "venusInterpretationAction",
     .menu = Menu::Tessaro,
     .caption = "&Interprétation"_cp1252,
     .hint = "Interprétation d el'Etoile de Vénus"_cp1252,
     .group = Group::Subject,
     .separatorAfter = true,
     .handler = [](Workbench& w, bool) { w.study.Interp(); }},
    {.id = FullChart,
     .name = "fullChartAction",
     .menu = Menu::Tessaro,
     .caption = "&Graphique complet",
     .hint = "Graphique complet",
     .group = Group::Subject,
     .handler = [](Workbench& w, bool) { w.study.Complet(); }},
    {.id = NameLetters,
     .name = "nameLettersAction",
     .menu = Menu::Tessaro,
     .caption = "&Lettres du nom",
     .hint = "Lettres du nom",
     .group = Group::Subject,
     .handler = [](Workbench& w, bool) { w.study.Lettres(); }},
    {.id = BirthDate,
     .name = "birthDateAction",
     .menu = Menu::Tessaro,
     .caption = "&Date de naissance",
     .hint = "Date de naissance",
     .group = Group::Subject,
     .handler = [](Workbench& w, bool) { w.study.CheminVie(); }},
    {.id = SingleNumber,
     .name = "singleNumberAction",
     .menu = Menu::Tessaro,
     .caption = "Nombre &unique",
     .hint = "Nombre Unique",
     .group = Group::Subject,
     .separatorAfter = true,
     .handler = [](Workbench& w, bool) { w.study.NombreUnique(); }},
    {.id = CurrentYear,
     .name = "currentYearAction",
     .menu = Menu::Tessaro,
     .caption = "&Année en cours"_cp1252,
     .hint = "Année en cours"_cp1252,
     .group = Group::Subject,
     .handler = [](Workbench& w, bool) { w.study.Anneecours(); }},
    {.id = LifeCycles,
     .name = "lifeCyclesAction",
     .menu = Menu::Tessaro,
     .caption = "C&ycles de vie",
     .hint = "Cycles de vie",
     .group = Group::Subject,
     .handler = [](Workbench& w, bool) { showLifeCycles(w); }},
    {.id = Chance,
     .name = "chanceAction",
     .menu = Menu::Tessaro,
     .caption = "&Chance",
     .hint = "Chance",
     .group = Group::Subject,
     .handler = [](Workbench& w, bool) { w.study.Nombres(); }},
    {.id = EverydayLife,
     .name = "everydayLifeAction",
     .menu = Menu::Tessaro,
     .caption = "&Vie courante",
     .hint = "Vie courante",
     .group = Group::Subject,
     .handler = [](Workbench& w, bool) { w.study.VieCourante(); }},
    {.id = FirstName,
     .name = "firstNameAction",
     .menu = Menu::Tessaro,
     .caption = "P&rénom"_cp1252,
     .hint = "Prénom"_cp1252,
     .group = Group::Subject,
     .handler = [](Workbench& w, bool) { w.study.ViePrenom(); }},
    {.id = Entente,
     .name = "ententeAction",
     .menu = Menu::Tessaro,
     .caption = "&Entente à deux..."_cp1252,
     .hint = "Entente à deux"_cp1252,
     .group = Group::Subject,
     .separatorAfter = true,
     .handler = [](Workbench& w, bool) { w.study.EntenteDeux(); }},
    {.id = Portrait,
     .name = "portraitAction",
     .menu = Menu::Tessaro,
     .caption = "&Portrait général"_cp1252,
     .hint = "Portrait général"_cp1252,
     .group = Group::Subject,
     .separatorAfter = true,
     .handler =
         [](Workbench& w, bool) {
           if (!w.study.document().documentMayGo()) return;
           w.mainForm.Validtxt();
           w.study.Portrait();
         }},
    {.id = PersonalCalendar,
     .name = "personalCalendarAction",
     .menu = Menu::Tessaro,
     .caption = "Calendrier per&sonnel",
     .hint = "Calendrier personnel",
     .group = Group::Subject,
     .handler = [](Workbench& w, bool) { showPersonalCalendar(w); }},

    {.id = ConsultFirstNames,
     .name = "consultFirstNamesAction",
     .menu = Menu::FirstNames,
     .caption = "&Consulter",
     .hint = "Consulter",
     .handler = [](Workbench& w, bool) { w.study.Consulter(); }},
    {.id = FirstNameWorkshop,
     .name = "firstNameWorkshopAction",
     .menu = Menu::FirstNames,
     .caption = "&Atelier des prénoms"_cp1252,
     .hint = "Atelier des prénoms"_cp1252,
     .handler = [](Workbench& w, bool) { interaction().execDialog(w.workshop); }},
    {.id = IncludeFirstName,
     .name = "includeFirstNameAction",
     .menu = Menu::FirstNames,
     .caption = "&Inclure le prénom"_cp1252,
     .hint = "Inclure le prénom"_cp1252,
     .checkable = true,
     .handler = [](Workbench& w, bool checked) { w.study.IncPre(checked); }},

    // Each utility opens through its own showModal, which sets it up for that opening.
    {.id = Calendar,
     .name = "calendarAction",
     .menu = Menu::Utilities,
     .caption = "&Calendrier",
     .hint = "Calendrier",
     .handler = [](Workbench& w, bool) { w.calendar.showModal(); }},
    {.id = Calculator,
     .name = "calculatorAction",
     .menu = Menu::Utilities,
     .caption = "C&alculatrice",
     .hint = "Calculatrice",
     .handler = [](Workbench& w, bool) { w.pocket.showModal(); }},
    {.id = Clock,
     .name = "clockAction",
     .menu = Menu::Utilities,
     .caption = "&Horloge",
     .hint = "Horloge",
     .handler = [](Workbench& w, bool) { w.clock.showModal(); }},

    {.id = HelpContents,
     .name = "helpContentsAction",
     .menu = Menu::Help,
     .caption = "&Sommaire",
     .hint = "sommaire de l'aide",
     .handler = [](Workbench& w, bool) { w.help.showContents(); }},
    {.id = HelpSearch,
     .name = "helpSearchAction",
     .menu = Menu::Help,
     .caption = "&Rechercher...",
     .hint = "Rechercher",
     .handler = [](Workbench& w, bool) { w.help.showSearch(); }},
    {.id = HelpOnHelp,
     .name = "helpOnHelpAction",
     .menu = Menu::Help,
     .caption = "&Utiliser l'aide",
     .hint = "Utiliser l'aide",
     .separatorAfter = true,
     .handler = [](Workbench& w, bool) { w.help.showHelpOnHelp(); }},
    {.id = About,
     .name = "aboutAction",
     .menu = Menu::Help,
     .caption = "&A propos",
     .hint = "Informations sur le logiciel, la version",
     .handler = [](Workbench& w, bool) { interaction().execDialog(w.about); }},

    // The toolbar's own: printing again on the printer chosen last, and the formatting.
    {.id = PrintAgain,
     .name = "printButton",
     .group = Group::Text,
     .toolbar = {"printButton", 84, "Imprimer", Look::Button, "document-print", Group::Text},
     .handler =
         [](Workbench& w, bool) {
           if (printerChosen(&w.mainForm, w.mainForm.currentPrinter())) w.study.document().Imprimer();
         }},
    {.id = Bold,
     .name = "boldButton",
     .keys = "Ctrl+G",
     .group = Group::Text,
     .toolbar = {"boldButton", 430, "Gras", Look::Toggle, "format-text-bold", Group::Text},
     .handler = [](Workbench& w, bool checked) { w.study.document().Bold(checked); }},
    {.id = Italic,
     .name = "italicButton",
     .keys = "Ctrl+I",
     .group = Group::Text,
     .toolbar = {"italicButton", 455, "Italique", Look::Toggle, "format-text-italic", Group::Text},
     .handler = [](Workbench& w, bool checked) { w.study.document().Ital(checked); }},
    {.id = Underline,
     .name = "underlineButton",
     .keys = "Ctrl+U",
     .group = Group::Text,
     .toolbar = {"underlineButton", 480, "Souligné"_cp1252, Look::Toggle, "format-text-underline",
                 Group::Text},
     .handler = [](Workbench& w, bool checked) { w.study.document().Under(checked); }},
    {.id = AlignLeft,
     .name = "alignLeftButton",
     .keys = "Ctrl+Shift+G",
     .group = Group::Text,
     .toolbar = {"alignLeftButton", 510, "Gauche", Look::Alignment, "format-justify-left", Group::Text},
     .handler = [](Workbench& w, bool) { w.study.document().Justif(Qt::AlignLeft); }},
    {.id = Center,
     .name = "centerButton",
     .keys = "Ctrl+E",
     .group = Group::Text,
     .toolbar = {"centerButton", 535, "Centre", Look::Alignment, "format-justify-center", Group::Text},
     .handler = [](Workbench& w, bool) { w.study.document().Justif(Qt::AlignHCenter); }},
    {.id = AlignRight,
     .name = "alignRightButton",
     .keys = "Ctrl+Shift+D",
     .group = Group::Text,
     .toolbar = {"alignRightButton", 560, "Droite", Look::Alignment, "format-justify-right", Group::Text},
     .handler = [](Workbench& w, bool) { w.study.document().Justif(Qt::AlignRight); }},
};

constexpr MenuRow menuRows[] = {
    {Menu::File, "fileMenu", "&Fichier", 3},
    {Menu::Edit, "editMenu", "&Edition", 4},
    {Menu::Tessaro, "tessaroMenu", "&Tessaro", 5},
    {Menu::FirstNames, "firstNamesMenu", "&Prénoms"_cp1252, 6},
    {Menu::Utilities, "utilitiesMenu", "&Utilitaires", 7},
    {Menu::Help, "helpMenu", "&Aide", 8},
};

// The table is looked up by identifier: each row must stand at its identifier's place.
constexpr bool inIdentifierOrder() {
  for (size_t i = 0; i < std::size(rows); ++i) {
    if (static_cast<size_t>(rows[i].id) != i) return false;
  }
  return std::size(rows) == static_cast<size_t>(AlignRight) + 1;
}
static_assert(inIdentifierOrder(), "the command rows must follow the order of CommandId");

}  // namespace

std::span<const Command> commands() { return rows; }

const Command& command(CommandId id) { return rows[static_cast<size_t>(id)]; }

std::span<const MenuRow> menus() { return menuRows; }

std::vector<const char*> commandNames(Group group) {
  std::vector<const char*> names;
  for (const Command& row : rows) {
    if (row.menu != Menu::None && row.group == group) names.push_back(row.name);
    if (row.toolbar.name != nullptr && row.toolbar.group == group) names.push_back(row.toolbar.name);
  }
  // The font and size boxes format the document as the toolbar's buttons do.
  if (group == Group::Text) names.insert(names.end(), {"fontNameBox", "fontSizeBox"});
  return names;
}

const std::vector<const char*>& subjectCommandNames() {
  static const std::vector<const char*> names = commandNames(Group::Subject);
  return names;
}

const std::vector<const char*>& textCommandNames() {
  static const std::vector<const char*> names = commandNames(Group::Text);
  return names;
}

}  // namespace tessaro
