// The main window's menus as data: captions, hints, shortcuts, separators and help contexts.
#pragma once

#include <vector>

namespace tessaro {

struct MenuCommand {
  const char* name;      // the object name, e.g. "venusStarAction"
  const char* caption;   // Windows-1252, "&" before the access key
  const char* hint;      // Windows-1252: "short|long", or one text serving as both
  const char* shortcut;  // key sequence in portable text, "" for none
  bool separatorAfter;
  bool checkable;
};

struct MenuDefinition {
  const char* name;
  const char* caption;  // Windows-1252
  int helpContext;      // topic of the help file
  std::vector<MenuCommand> commands;
};

const std::vector<MenuDefinition>& mainMenus();

// The two command groups of the main window, by object name.
const std::vector<const char*>& subjectCommandNames();
const std::vector<const char*>& textCommandNames();

}  // namespace tessaro
