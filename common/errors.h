// The error model: every failure the user sees is a TessaroError carrying its French message.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "common/cp1252_literal.h"
#include "common/text.h"

namespace tessaro {

// Message texts are Windows-1252, like every core text. The message is kept whole beside what():
// a text quoted in it may hold any byte, NUL included, where what() would stop.
class TessaroError : public std::runtime_error {
 public:
  explicit TessaroError(const Text& message) : std::runtime_error(message), wholeMessage(message) {}
  // A message that names a character Windows-1252 cannot hold carries its exact UTF-8 form too.
  TessaroError(const Text& message, std::string utf8)
      : std::runtime_error(message), wholeMessage(message), exactUtf8(std::move(utf8)) {}
  Text message() const { return wholeMessage; }
  // What the user reads: the windows and the command line show this one.
  std::string utf8Message() const;

 private:
  Text wholeMessage;
  std::string exactUtf8;
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
inline constexpr std::string_view NotAnIntegerPattern = "'%s' n'est pas une valeur entière correcte"_cp1252;
inline constexpr std::string_view CannotOpenFilePattern = "Ne peut ouvrir le fichier %s";
inline constexpr std::string_view CannotCreateFilePattern = "Ne peut créer le fichier %s"_cp1252;

// Why a file could not be read or written: the second line of its message.
inline constexpr std::string_view PermissionDeniedReason = "permission refusée"_cp1252;
inline constexpr std::string_view DiskFullReason = "disque plein";
inline constexpr std::string_view FolderNotFoundReason = "dossier introuvable";
inline constexpr std::string_view FileNotFoundReason = "fichier introuvable";
inline constexpr std::string_view FileTooLargeReason = "fichier trop volumineux";
inline constexpr std::string_view NotAFileReason = "ce n'est pas un fichier";
inline constexpr std::string_view OutOfMemoryReason = "mémoire insuffisante"_cp1252;

// The reason of a system error number (errno), in French.
Text systemErrorReason(int errorNumber);

// The message, then the reason on a line of its own when there is one.
Text withReason(std::string_view message, std::string_view reason);

[[noreturn]] void throwCannotOpen(std::string_view path, std::string_view reason = {});
[[noreturn]] void throwCannotCreate(std::string_view path, std::string_view reason = {});

}  // namespace tessaro
