// The "names" command: the name numbers a last name takes with each first name of the dictionary
// and with the candidates given, one JSON object per line.
#pragma once

namespace CLI {
class App;
}

namespace tessaro::cli {

// Adds the command to the tool. When it is the command given, it runs as soon as the command
// line is read and ends the process with its own exit status, so the tool's main needs no other
// line for it.
void addNamesCommand(CLI::App& app);

}  // namespace tessaro::cli
