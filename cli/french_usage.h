// tessaro-cli's usage, help and command-line errors in French, like every other message it writes.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace tessaro::cli {

// Puts the help texts of the command and of all its subcommands into French. Called once every
// option and subcommand is declared.
void useFrenchUsage(CLI::App& app);

// The French line for a refused command line (without the program's name).
std::string frenchParseError(const CLI::App& app, const CLI::ParseError& error);

}  // namespace tessaro::cli
