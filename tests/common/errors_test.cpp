// The French messages of failures reach the user whole.
#include "common/errors.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "common/clock.h"
#include "common/cp1252_literal.h"
#include "common/integer.h"

namespace tessaro {
namespace {

TEST(Errors, MessagesQuoteTheOffendingTextWhole) {
  // Batch input can put any byte into a date; the message must not stop at a NUL.
  const std::string nulYear(
      "\0"
      "903",
      4);
  const struct {
    std::string text;
    std::string message;
  } cases[] = {
      {nulYear, "'" + nulYear + "' n'est pas une valeur entière correcte"_cp1252},
      {"1é"_cp1252, "'1é' n'est pas une valeur entière correcte"_cp1252},
      {"", "'' n'est pas une valeur entière correcte"_cp1252},
  };
  for (const auto& c : cases) {
    try {
      toInteger(c.text);
      ADD_FAILURE() << "no error for " << c.text;
    } catch (const TessaroError& error) {
      EXPECT_EQ(error.message(), c.message);
    }
  }
}

// Every reason a file error can give, from the system's number of it.
TEST(Errors, SystemErrorsHaveTheirFrenchReasons) {
  const struct {
    int number;
    std::string reason;
  } cases[] = {
      {EACCES, "permission refusée"_cp1252},
      {EPERM, "permission refusée"_cp1252},
      {ENOSPC, "disque plein"},
      {EDQUOT, "disque plein"},
      {ENOENT, "dossier introuvable"},
      {ENOTDIR, "dossier introuvable"},
      {EFBIG, "fichier trop volumineux"},
      {EISDIR, "ce n'est pas un fichier"},
      {ENOMEM, "mémoire insuffisante"_cp1252},
      {EROFS, "disque en lecture seule"},
      {EIO, "erreur d'entrée-sortie"_cp1252},
      {EPIPE, "plus personne ne lit à l'autre bout"_cp1252},
      {ENXIO, "personne ne lit à l'autre bout"_cp1252},
      {ENAMETOOLONG, "nom trop long"},
      {ELOOP, "trop de liens symboliques"},
      {ETXTBSY, "fichier en cours d'utilisation"},
      {EBUSY, "fichier en cours d'utilisation"},
      {EMFILE, "trop de fichiers ouverts"},
      {ENFILE, "trop de fichiers ouverts"},
      {ECONNRESET, "erreur du système ECONNRESET"_cp1252},
  };
  for (const auto& c : cases) EXPECT_EQ(systemErrorReason(c.number), c.reason) << c.number;
}

// The system says "Operation not permitted"; the user reads why in French. Tried by a process
// that may not set the clock: the superuser's child gives its rights up first.
TEST(Errors, TheClockRefusalIsSaidInFrench) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (::geteuid() == 0 && ::setuid(65534) != 0) _exit(3);
    // The time it would set is the time it is, should the refusal ever not come.
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    try {
      currentClock().setUniversalTime(fromCalendarFields(utc));
    } catch (const TessaroError& refusal) {
      _exit(refusal.message() == PermissionDeniedReason ? 0 : 1);
    }
    _exit(2);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

}  // namespace
}  // namespace tessaro
