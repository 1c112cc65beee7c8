// The French messages of failures reach the user whole.
#include "common/errors.h"

#include <gtest/gtest.h>

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
      {nulYear, "'" + nulYear + "' n'est pas une valeur enti\xE8re correcte"},
      {"1\xE9", "'1\xE9' n'est pas une valeur enti\xE8re correcte"},
      {"", "'' n'est pas une valeur enti\xE8re correcte"},
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

}  // namespace
}  // namespace tessaro
