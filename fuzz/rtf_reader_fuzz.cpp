// Fuzz target of the RTF reader: any input reads without failing, and what it reads, written and
// read again, comes back the same.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/rtf_reader.h"
#include "files/rtf_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  tessaro::RichDocument document;
  try {
    document = tessaro::readRtf(input);
  } catch (const tessaro::DocumentTooLarge&) {
    return 0;
  }
  for (const tessaro::Paragraph& paragraph : document.paragraphs) {
    for (size_t i = 0; i < paragraph.runs.size(); ++i) {
      if (paragraph.runs[i].text.empty()) std::abort();
      if (i > 0 && paragraph.runs[i].format == paragraph.runs[i - 1].format) std::abort();
    }
  }
  if (!(tessaro::readRtf(tessaro::writeRtf(document)) == document)) std::abort();
  return 0;
}
