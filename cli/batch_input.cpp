// Batch input read in blocks and cut into lines, each held only up to its cap.
#include "cli/batch_input.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

#include "common/cp1252_literal.h"
#include "common/errors.h"

namespace tessaro::cli {
namespace {

constexpr std::string_view CannotReadInputMessage = "Ne peut lire l'entrée standard"_cp1252;

}  // namespace

bool BatchInput::fill() {
  if (ended) return false;
  buffer.resize(size_t{1} << 16);
  position = 0;
  beforeReading();
  while (true) {
    const ssize_t n = ::read(descriptor, buffer.data(), buffer.size());
    if (n > 0) {
      buffer.resize(static_cast<size_t>(n));
      return true;
    }
    if (n == 0) break;
    if (errno == EINTR) continue;
    if (errno == EAGAIN) {
      // An input left in non-blocking mode by whoever handed it over: wait for it.
      pollfd ready{descriptor, POLLIN, 0};
      ::poll(&ready, 1, -1);
      continue;
    }
    throw FileError(withReason(CannotReadInputMessage, systemErrorReason(errno)));
  }
  buffer.clear();
  ended = true;
  return false;
}

std::optional<BatchLine> BatchInput::next() {
  std::optional<BatchLine> line = nextWithMark();
  // Editors that save UTF-8 with a mark would otherwise make it part of the first name.
  constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
  if (firstLine && line && line->bytes.starts_with(ByteOrderMark)) line->bytes.erase(0, ByteOrderMark.size());
  firstLine = false;
  return line;
}

std::optional<BatchLine> BatchInput::nextWithMark() {
  BatchLine line;
  bool started = false;
  while (position < buffer.size() || fill()) {
    if (afterCr) {
      afterCr = false;
      if (buffer[position] == '\n') {
        ++position;
        continue;
      }
    }
    const size_t end = buffer.find_first_of("\r\n", position);
    const size_t stop = end == std::string::npos ? buffer.size() : end;
    started = true;
    if (!line.tooLong && stop - position > MaxBatchLineBytes - line.bytes.size()) {
      line.tooLong = true;
      std::string().swap(line.bytes);
    }
    if (!line.tooLong) line.bytes.append(buffer, position, stop - position);
    position = stop;
    if (end != std::string::npos) {
      afterCr = buffer[end] == '\r';
      ++position;
      return line;
    }
  }
  if (!started) return std::nullopt;
  return line;
}

}  // namespace tessaro::cli
