// A streaming JSON writer for the command-line output: Windows-1252 texts written as escaped UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace tessaro::cli {

// Appends compact JSON to a string, laid out as nlohmann's dump() lays it out: no blanks, control
// characters as \b \f \n \r \t or \u00xx, every other character as UTF-8. The caller pairs the
// begin and end calls and gives each member of an object its key first.
class JsonWriter {
 public:
  explicit JsonWriter(std::string& out) : out(out) {}

  void beginObject();
  void endObject();
  void beginArray();
  void endArray();
  // Keys are ASCII names of this program's own.
  void key(std::string_view name);
  void text(std::string_view cp1252);
  void number(long long value);
  void null();

 private:
  void beforeValue();

  std::string& out;
  // A value has been written at this level, so the next member needs a comma first.
  bool afterValue = false;
};

}  // namespace tessaro::cli
