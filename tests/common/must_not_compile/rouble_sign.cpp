// Must not compile: a French text holding a character that Windows-1252 cannot hold.
#include "common/cp1252_literal.h"

namespace tessaro {

constexpr const char* Price = "Coût : 3 ₽"_cp1252;

}  // namespace tessaro
