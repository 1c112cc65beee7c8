// The lines of batch input, read from a descriptor with a cap on each line.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace tessaro::cli {

// Room for nine fields far longer than any name, date or address; a longer line is refused
// rather than held, so that no input can exhaust memory.
inline constexpr size_t MaxBatchLineBytes = size_t{64} << 10;

struct BatchLine {
  std::string bytes;     // without its end; empty when the line was too long
  bool tooLong = false;  // longer than MaxBatchLineBytes
};

class BatchInput {
 public:
  // beforeReading runs before each read of the descriptor, which may wait for more input.
  BatchInput(int descriptor, std::function<void()> beforeReading)
      : descriptor(descriptor), beforeReading(std::move(beforeReading)) {}

  // The next line: CR LF, LF or a lone CR ends one, and a last line needs no end; a UTF-8
  // byte-order mark that starts the input is not part of the first line. Empty at the end of the
  // input. Throws FileError "Ne peut lire l'entrée standard" with the reason when the input cannot
  // be read.
  std::optional<BatchLine> next();

 private:
  std::optional<BatchLine> nextWithMark();
  // Reads more input into the buffer; false at its end.
  bool fill();

  int descriptor;
  std::function<void()> beforeReading;
  bool firstLine = true;
  std::string buffer;
  size_t position = 0;
  bool ended = false;
  bool afterCr = false;  // the last line ended at a CR, so a LF right after it belongs to it
};

}  // namespace tessaro::cli
