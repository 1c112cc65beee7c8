// Where the program finds the data files it ships with (Prenoms.pre, OrvTsr.hlp).
#pragma once

#include <string>

namespace tessaro {

// The current directory first, then the install prefix's share/tessaro (beside the running
// executable, then the configured prefix), then the source tree's data/ when run from a build
// tree. Returns the bare name when the file is nowhere, so that opening it reports that name.
std::string findDataFile(const std::string& name);

}  // namespace tessaro
