// Creation of the program's windows, in the order the start-up gives.
#include "app/app_windows.h"

#include "app/about_box.h"
#include "app/main_form.h"
#include "app/new_study_dialog.h"
#include "app/study_window.h"
#include "engine/ui/entente_dialog.h"
#include "engine/ui/result_dialogs.h"
#include "engine/ui/second_person_dialog.h"
#include "help/ui/help_viewer.h"
#include "names/ui/first_name_viewer.h"
#include "names/ui/first_names_browser.h"
#include "utilities/ui/calendar_window.h"
#include "utilities/ui/clock_window.h"
#include "utilities/ui/pocket_window.h"

namespace tessaro {
namespace {

AppWindows windows;

}  // namespace

const AppWindows& appWindows() { return windows; }

ProgramWindows::ProgramWindows() : main(std::make_unique<TMainForm>()) {
  // The main window owns every other window, so they all go with it.
  TMainForm* owner = main.get();
  windows.MainForm = owner;
  windows.AboutBox = new TAboutBox(owner);
  windows.Nouveau = new TNouveau(owner);
  windows.Tessaro = new TTessaro();
  owner->adoptStudyWindow(windows.Tessaro);
  windows.Inter = new TInter(owner);
  windows.Chance = new TChance(owner);
  windows.Lnom = new TLnom(owner);
  windows.Chemin = new TChemin(owner);
  windows.Unique = new TUnique(owner);
  windows.Annee = new TAnnee(owner);
  windows.Graphique = new TGraphique(owner);
  windows.Vie = new TVie(owner);
  windows.Entente = new TEntente(owner);
  windows.Deux = new TDeux(owner);
  windows.Prenoms = new TPrenoms(owner);
  windows.VPrenom = new TVPrenom(owner);
  windows.Calendrier = new TCalendrier(owner);
  windows.Horloge = new THorloge(owner);
  windows.Pocket = new TPocket(owner);
  windows.Help = new HelpViewer(owner);
}

ProgramWindows::~ProgramWindows() {
  main.reset();
  windows = AppWindows{};
}

TMainForm& ProgramWindows::mainForm() const { return *main; }

}  // namespace tessaro
