// The "names" command: the name numbers a last name takes with each first name of the dictionary
// and with the candidates given, one JSON object per line.
#pragma once

#include "cli/command.h"

namespace tessaro::cli {

// Adds the "names" command to the tool.
Command addNamesCommand(CLI::App& app);

}  // namespace tessaro::cli
