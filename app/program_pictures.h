// The program's pictures (icon, splash, toolbar), compiled into the program as resources.
#pragma once

namespace tessaro {

// Makes them reachable under ":/icons/"; safe to call more than once.
void loadProgramPictures();

}  // namespace tessaro
