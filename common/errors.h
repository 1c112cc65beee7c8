// The error model: every failure the user sees is a TessaroError carrying its French message.
#pragma once

#include <stdexcept>
#include <string_view>

#include "common/text.h"

namespace tessaro {

// Message texts are Windows-1252, like every core text. The message is kept whole beside what():
// a text quoted in it may hold any byte, NUL included, where what() would stop.
class TessaroError : public std::runtime_error {
 public:
  explicit TessaroError(const Text& message) : std::runtime_error(message), wholeMessage(message) {}
  Text message() const { return wholeMessage; }

 private:
  Text wholeMessage;
};

// A failure the user can correct ("Date de naissance manquante", "Il manque le nom"...).
class UserMessage : public TessaroError {
 public:
  using TessaroError::TessaroError;
};

// A text that should have been a number was not; the operation ends where it was converted.
class ConversionError : public TessaroError {
 public:
  using TessaroError::TessaroError;
};

// A file could not be opened, created or written.
class FileError : public TessaroError {
 public:
  using TessaroError::TessaroError;
};

// The patterns below are Windows-1252 and take the offending text or path in place of %s.
inline constexpr std::string_view NotAnIntegerPattern = "'%s' n'est pas une valeur enti\xE8re correcte";
inline constexpr std::string_view CannotOpenFilePattern = "Ne peut ouvrir le fichier %s";
inline constexpr std::string_view CannotCreateFilePattern =
    "Ne peut cr\xE9"
    "er le fichier %s";

[[noreturn]] void throwCannotOpen(std::string_view path);
[[noreturn]] void throwCannotCreate(std::string_view path);

}  // namespace tessaro
