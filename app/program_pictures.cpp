// Registration of the program's pictures.
#include "app/program_pictures.h"

#include <QtGlobal>

// The resources sit in a static library, where nothing else would pull them into a program.
// Q_INIT_RESOURCE must be used outside any namespace.
static void registerTessaroResources() { Q_INIT_RESOURCE(tessaro); }

namespace tessaro {

void loadProgramPictures() { registerTessaroResources(); }

}  // namespace tessaro
