// The main window's commands, one row each: the menus, the toolbar, the keys, the enabling and
// the test of every command are all made from this table.
#pragma once

#include <span>
#include <vector>

namespace tessaro {

struct Workbench;

// Every command by name: a command that is not in the table cannot be named.
enum class CommandId {
  NewStudy,
  Open,
  Close,
  Save,
  SaveAs,
  Export,
  ExportPdf,
  Print,
  PrintPreview,
  PrinterSetup,
  Quit,
  Undo,
  Redo,
  Cut,
  Copy,
  Paste,
  Find,
  FindNext,
  ZoomIn,
  ZoomOut,
  ZoomReset,
  SelectAll,
  Bullets,
  Etude,
  VenusStar,
  VenusInterpretation,
  FullChart,
  NameLetters,
  BirthDate,
  SingleNumber,
  CurrentYear,
  LifeCycles,
  Chance,
  EverydayLife,
  FirstName,
  Entente,
  Portrait,
  PersonalCalendar,
  ConsultFirstNames,
  FirstNameWorkshop,
  IncludeFirstName,
  Calendar,
  Calculator,
  Clock,
  HelpContents,
  HelpSearch,
  HelpOnHelp,
  About,
  PrintAgain,
  Bold,
  Italic,
  Underline,
  AlignLeft,
  Center,
  AlignRight,
};

enum class Menu { None, File, Edit, Tessaro, FirstNames, Utilities, Help };

// The commands enabled and disabled together: always, once a study has a subject, while a
// document is shown.
enum class Group { Always, Subject, Text };

enum class Look { Button, Toggle, Alignment };

struct ToolbarPlace {
  const char* name = nullptr;  // the control's object name; null: not on the toolbar
  int x = 0;
  const char* hint = nullptr;  // Windows-1252: "short|long", or one text serving as both
  Look look = Look::Button;
  const char* icon = nullptr;   // a picture of the program's resources
  Group group = Group::Always;  // the button's own: "Enregistrer" is always on the toolbar
};

struct Command {
  CommandId id;
  const char* name;  // the menu item's object name, or the toolbar control's when off the menus
  Menu menu = Menu::None;
  const char* caption = nullptr;  // Windows-1252, "&" before the access key
  const char* hint = nullptr;     // Windows-1252: "short|long", or one text serving as both
  const char* keys = "";          // portable key sequence text, "; " between two keys of one command
  Group group = Group::Always;
  ToolbarPlace toolbar = {};
  bool separatorAfter = false;
  bool checkable = false;
  // Runs the command; checked is the state of a checkable item or toggle after the click.
  void (*handler)(Workbench& workbench, bool checked) = nullptr;
};

struct MenuRow {
  Menu menu;
  const char* name;
  const char* caption;  // Windows-1252
  int helpContext;      // topic of the help file
};

std::span<const Command> commands();
const Command& command(CommandId id);
std::span<const MenuRow> menus();

// The object names of the menu items and toolbar controls enabled together.
std::vector<const char*> commandNames(Group group);
const std::vector<const char*>& subjectCommandNames();
const std::vector<const char*>& textCommandNames();

}  // namespace tessaro
