// What the commands of the main window act on, given to it when the program starts.
#pragma once

namespace tessaro {

class HelpViewer;
class TAboutBox;
class TCalendrier;
class THorloge;
class TMainForm;
class TPocket;
class TPrenoms;
class TTessaro;
class WorkshopWindow;

struct Workbench {
  TMainForm& mainForm;
  TTessaro& study;
  TCalendrier& calendar;
  TPocket& pocket;
  THorloge& clock;
  HelpViewer& help;
  TAboutBox& about;
  TPrenoms& firstNames;
  WorkshopWindow& workshop;
};

}  // namespace tessaro
