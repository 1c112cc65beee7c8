// A streaming JSON writer for the command-line output: Windows-1252 texts written as escaped UTF-8.
#pragma once

#include <cstring>
#include <string>
#include <string_view>

namespace tessaro::cli {

// Appends compact JSON to a string, laid out as nlohmann's dump() lays it out: no blanks, control
// characters as \b \f \n \r \t or \u00xx, every other character as UTF-8. The caller pairs the
// begin and end calls and gives each member of an object its key first.
//
// While the writer works, the string runs ahead of what is written (room is made in large steps,
// not byte by byte); it holds exactly the JSON once the writer is gone.
class JsonWriter {
 public:
  explicit JsonWriter(std::string& out) : out(out), used(out.size()) {}
  ~JsonWriter() { out.resize(used); }
  JsonWriter(const JsonWriter&) = delete;
  JsonWriter& operator=(const JsonWriter&) = delete;

  void beginObject();
  void endObject();
  void beginArray();
  void endArray();
  // Keys are ASCII names of this program's own, given as literals (so the copy is inlined).
  void key(std::string_view name) {
    beforeValue();
    char* const p = room(name.size() + 3);
    p[0] = '"';
    std::memcpy(p + 1, name.data(), name.size());
    p[name.size() + 1] = '"';
    p[name.size() + 2] = ':';
    used += name.size() + 3;
    afterValue = false;
  }
  void text(std::string_view cp1252);
  void number(long long value);
  void null();

 private:
  // Where the next `size` bytes go: at least that much room after what is written.
  char* room(size_t size) {
    if (out.size() - used < size) grow(size);
    return out.data() + used;
  }
  void grow(size_t size);
  void put(char c) {
    *room(1) = c;
    ++used;
  }
  void put(std::string_view bytes);
  void beforeValue() {
    if (afterValue) put(',');
  }

  std::string& out;
  size_t used;  // the bytes of out written so far
  // A value has been written at this level, so the next member needs a comma first.
  bool afterValue = false;
};

}  // namespace tessaro::cli
