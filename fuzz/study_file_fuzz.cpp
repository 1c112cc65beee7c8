// Fuzz target of the study file reader: any bytes decode into fields that hold no line end or
// end-of-file mark, and a decoded subject written and read again comes back the same.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/study_file.h"

namespace {

bool holdsLineBreakOrEnd(const tessaro::Text& field) {
  return field.find('\r') != tessaro::Text::npos || field.find('\x1A') != tessaro::Text::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const tessaro::StudySubject subject = tessaro::decodeStudyFile(input);
  for (const tessaro::Text* field :
       {&subject.FirstName, &subject.LastName, &subject.BirthDate, &subject.StudyDate, &subject.Address,
        &subject.PostcodeCity, &subject.Company}) {
    if (holdsLineBreakOrEnd(*field) || field->size() > size) std::abort();
  }
  if (!(tessaro::decodeStudyFile(tessaro::encodeStudyFile(subject)) == subject)) std::abort();
  const tessaro::StudySubject trimmed = tessaro::trimmedSubject(subject);
  if (!(tessaro::trimmedSubject(trimmed) == trimmed)) std::abort();
  return 0;
}
