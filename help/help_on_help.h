// The help viewer's page about itself, which needs no help file.
#pragma once

#include "help/help_file.h"

namespace tessaro {

// One topic, "Utiliser l'aide".
const HelpFile& helpOnHelp();

}  // namespace tessaro
