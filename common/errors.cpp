// Builders of the file errors, so every subsystem words them, and their reasons, the same way.
#include "common/errors.h"

#include <cerrno>
#include <cstring>

#include "common/cp1252.h"
#include "common/cp1252_literal.h"

namespace tessaro {

std::string TessaroError::utf8Message() const { return exactUtf8.empty() ? toUtf8(wholeMessage) : exactUtf8; }

Text systemErrorReason(int errorNumber) {
  switch (errorNumber) {
    case EACCES:
    case EPERM:
      return Text(PermissionDeniedReason);
    case ENOSPC:
    case EDQUOT:
      return Text(DiskFullReason);
    case ENOENT:
    case ENOTDIR:
      return Text(FolderNotFoundReason);
    case EFBIG:
      return Text(FileTooLargeReason);
    case EISDIR:
      return Text(NotAFileReason);
    case ENOMEM:
      return Text(OutOfMemoryReason);
    case EROFS:
      return "disque en lecture seule";
    case EIO:
      return "erreur d'entrée-sortie"_cp1252;
    case EPIPE:
      return "plus personne ne lit à l'autre bout"_cp1252;
    case ENXIO:
      return "personne ne lit à l'autre bout"_cp1252;
    case ENAMETOOLONG:
      return "nom trop long";
    case ELOOP:
      return "trop de liens symboliques";
    case ETXTBSY:
    case EBUSY:
      return "fichier en cours d'utilisation";
    case EMFILE:
    case ENFILE:
      return "trop de fichiers ouverts";
    default: {
      // The system's own texts are English; its name of the error is at least exact.
      const char* name = strerrorname_np(errorNumber);
      return "erreur du système "_cp1252 + (name != nullptr ? Text(name) : std::to_string(errorNumber));
    }
  }
}

Text withReason(std::string_view message, std::string_view reason) {
  Text text(message);
  if (!reason.empty()) (text += '\n') += reason;
  return text;
}

// Paths are the system's UTF-8 bytes; the message, like every core text, is Windows-1252.
void throwCannotOpen(std::string_view path, std::string_view reason) {
  throw FileError(withReason(formatMessage(CannotOpenFilePattern, fromUtf8(path)), reason));
}

void throwCannotCreate(std::string_view path, std::string_view reason) {
  throw FileError(withReason(formatMessage(CannotCreateFilePattern, fromUtf8(path)), reason));
}

}  // namespace tessaro
