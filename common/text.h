// Windows-1252 text: the one text type of the core, and the byte-level rules every subsystem shares.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// Core text holds Windows-1252 bytes, one byte per character.
using Text = std::string;

// Only a-z become A-Z: accented letters keep the case they were typed in, which the letter
// tables rely on.
Text upperAscii(std::string_view text);

// True for the bytes that trimming removes: blanks, tabs and every control character.
constexpr bool isBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 32; }

// Removes leading and trailing bytes of code 32 or less.
Text trim(std::string_view text);

// Leaves out every blank (code 32); tabs and other characters stay.
Text removeBlanks(std::string_view text);

// Splits at each CR LF. A text that ends with CR LF ends with an empty line; the empty text
// gives one empty line.
std::vector<Text> splitCrLf(std::string_view text);

inline constexpr std::string_view CrLf = "\r\n";

// The lines splitCrLf gives, handed to visit(line) one by one without copying them.
template <class Visit>
void forEachCrLfLine(std::string_view text, Visit&& visit) {
  size_t start = 0;
  for (size_t end = text.find(CrLf); end != std::string_view::npos; end = text.find(CrLf, start)) {
    visit(text.substr(start, end - start));
    start = end + CrLf.size();
  }
  visit(text.substr(start));
}

// The lines of a text file: CR LF, a lone CR or a lone LF ends a line; a final line break adds
// no empty line.
std::vector<Text> splitLines(std::string_view bytes);

// Replaces every "%s" of a message pattern with the argument.
Text formatMessage(std::string_view pattern, std::string_view argument);

}  // namespace tessaro
