// Creation of the program's windows, in the order the start-up gives.
#include "app/app_windows.h"

#include <cstdint>
#include <memory>
#include <utility>

#include "app/about_box.h"
#include "app/main_form.h"
#include "engine/ui/entente_dialog.h"
#include "engine/ui/result_dialogs.h"
#include "engine/ui/second_person_dialog.h"
#include "help/ui/help_key.h"
#include "help/ui/help_viewer.h"
#include "names/ui/first_name_viewer.h"
#include "names/ui/first_names_browser.h"
#include "names/ui/workshop_window.h"
#include "study/ui/document_editor.h"
#include "study/ui/find_dialog.h"
#include "study/ui/new_study_dialog.h"
#include "study/ui/study_window.h"
#include "ui/guarded.h"
#include "ui/interaction.h"
#include "utilities/ui/calendar_window.h"
#include "utilities/ui/clock_window.h"
#include "utilities/ui/pocket_window.h"

namespace tessaro {
namespace {

AppWindows windows;

// The context numbers of the windows' topics in the help file (the menus have 3 to 8).
void tieHelpTopics(const AppWindows& w) {
  const std::pair<QWidget*, int32_t> topics[] = {
      {w.MainForm, 10},  {w.Tessaro, 11}, {w.Nouveau, 12},  {w.Inter, 13},
      {w.Graphique, 14}, {w.Lnom, 15},    {w.Chemin, 16},   {w.Unique, 17},
      {w.Annee, 18},     {w.Chance, 19},  {w.Vie, 20},      {w.Deux, 21},
      {w.Entente, 22},   {w.Prenoms, 23}, {w.VPrenom, 24},  {w.Calendrier, 25},
      {w.Pocket, 26},    {w.Horloge, 27}, {w.AboutBox, 28}, {w.Tessaro->findChild<FindDialog*>(), 29},
  };
  for (const auto& [window, context] : topics) setHelpContext(window, context);
}

// A first name tried from the workshop starts a new study as "Nouveau thème" does; once the study
// has it, the workshop makes way for it.
WorkshopWindow* createWorkshop(TMainForm& owner, TTessaro& study, FirstNameDictionary& firstNames) {
  // The workshop is made with the callback, which needs it: the callback finds it here afterwards.
  auto made = std::make_shared<WorkshopWindow*>(nullptr);
  const auto tryFirstName = [&study, made](const StudySubject& tried) {
    WorkshopWindow* workshop = *made;
    runGuarded(workshop, [&] {
      if (study.Etude(tried)) workshop->accept();
    });
  };
  *made = new WorkshopWindow({firstNames, interaction(), [&study] { return study.subject(); }, tryFirstName},
                             &owner);
  setHelpContext(*made, WorkshopHelpContext);
  return *made;
}

// The main window owns every other window, so they all go with it. Each window is given what it
// uses; the study and the dictionary are the program's.
Workbench createWindows(TMainForm& owner, Study& study, FirstNameDictionary& firstNames) {
  windows.MainForm = &owner;
  windows.AboutBox = new TAboutBox(&owner);
  windows.Nouveau = new TNouveau(&owner);
  windows.Inter = new TInter(&owner);
  windows.Chance = new TChance(&owner);
  windows.Lnom = new TLnom(&owner);
  windows.Chemin = new TChemin(&owner);
  windows.Unique = new TUnique(&owner);
  windows.Annee = new TAnnee(&owner);
  windows.Graphique = new TGraphique(&owner);
  windows.Vie = new TVie(&owner);
  const auto printer = [&owner]() -> QPrinter& { return owner.currentPrinter(); };
  windows.Entente = new TEntente(printer, &owner);
  windows.Deux = new TDeux(&owner);
  windows.Prenoms = new TPrenoms(firstNames, &owner);
  windows.VPrenom = new TVPrenom(&owner);
  auto* document = new DocumentEditor(printer);
  const StudyDialogs dialogs{*windows.Nouveau, *windows.Inter,  *windows.Graphique, *windows.Lnom,
                             *windows.Chemin,  *windows.Unique, *windows.Annee,     *windows.Chance,
                             *windows.Vie,     *windows.Deux,   *windows.Entente,   *windows.Prenoms,
                             *windows.VPrenom, firstNames};
  windows.Tessaro = new TTessaro(study, dialogs, document);
  owner.adoptStudyWindow(windows.Tessaro);
  QObject::connect(windows.Tessaro, &TTessaro::subjectChosen, &owner, &TMainForm::Valide);
  QObject::connect(document, &DocumentEditor::stylesChanged, &owner, &TMainForm::SetStyles);
  QObject::connect(document, &DocumentEditor::notice, &owner, &TMainForm::showNotice);
  QObject::connect(document, &DocumentEditor::shown, &owner, [&owner](bool shown) {
    if (shown) {
      owner.Validtxt();
    } else {
      owner.Invalidtxt();
    }
  });
  windows.Workshop = createWorkshop(owner, *windows.Tessaro, firstNames);
  windows.Calendrier = new TCalendrier(&owner);
  windows.Horloge = new THorloge(&owner);
  windows.Pocket = new TPocket(&owner);
  windows.Help = new HelpViewer(&owner);
  tieHelpTopics(windows);
  // The grid of a subject, or a document, is the study window's work.
  installHelpKey(&owner, *windows.Help, [&study, document]() -> const QWidget* {
    const bool working = !study.Subject.LastName.empty() || document->isVisibleTo(windows.Tessaro);
    return working ? windows.Tessaro : nullptr;
  });
  return {owner,         *windows.Tessaro,  *windows.Calendrier, *windows.Pocket,  *windows.Horloge,
          *windows.Help, *windows.AboutBox, *windows.Prenoms,    *windows.Workshop};
}

}  // namespace

const AppWindows& appWindows() { return windows; }

ProgramWindows::ProgramWindows()
    : main(std::make_unique<TMainForm>(
          [this](TMainForm& owner) { return createWindows(owner, study, firstNames); })) {}

ProgramWindows::~ProgramWindows() {
  main.reset();
  windows = AppWindows{};
}

TMainForm& ProgramWindows::mainForm() const { return *main; }

}  // namespace tessaro
