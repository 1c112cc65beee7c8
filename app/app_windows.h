// Every window of the program: created once at start-up, in a fixed order, and reached through
// one reference each.
#pragma once

#include <memory>

#include "names/dictionary.h"
#include "study/ui/study.h"

namespace tessaro {

class TMainForm;
class TAboutBox;
class TNouveau;
class TTessaro;
class TInter;
class TChance;
class TLnom;
class TChemin;
class TUnique;
class TAnnee;
class TGraphique;
class TVie;
class TEntente;
class TDeux;
class TPrenoms;
class TVPrenom;
class WorkshopWindow;
class TCalendrier;
class THorloge;
class TPocket;
class HelpViewer;

struct AppWindows {
  TMainForm* MainForm = nullptr;
  TAboutBox* AboutBox = nullptr;
  TNouveau* Nouveau = nullptr;
  TTessaro* Tessaro = nullptr;
  TInter* Inter = nullptr;
  TChance* Chance = nullptr;
  TLnom* Lnom = nullptr;
  TChemin* Chemin = nullptr;
  TUnique* Unique = nullptr;
  TAnnee* Annee = nullptr;
  TGraphique* Graphique = nullptr;
  TVie* Vie = nullptr;
  TEntente* Entente = nullptr;
  TDeux* Deux = nullptr;
  TPrenoms* Prenoms = nullptr;
  TVPrenom* VPrenom = nullptr;
  WorkshopWindow* Workshop = nullptr;
  TCalendrier* Calendrier = nullptr;
  THorloge* Horloge = nullptr;
  TPocket* Pocket = nullptr;
  HelpViewer* Help = nullptr;  // the help viewer that the help commands open
};

// The windows of the running program; every reference is null outside the life of ProgramWindows.
const AppWindows& appWindows();

// Creates the windows in order (main window first) and frees them all when destroyed. One at a
// time: the program makes one, and each test makes its own.
class ProgramWindows {
 public:
  ProgramWindows();
  ~ProgramWindows();
  ProgramWindows(const ProgramWindows&) = delete;
  ProgramWindows& operator=(const ProgramWindows&) = delete;

  TMainForm& mainForm() const;

 private:
  // The program's own, given to the windows that use them; they outlive every window.
  Study study;
  FirstNameDictionary firstNames;
  std::unique_ptr<TMainForm> main;
};

}  // namespace tessaro
