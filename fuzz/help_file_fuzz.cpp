// Fuzz target of the help file reader and its keyword index: any bytes parse, every link leads to
// an existing topic, every context opens one topic, and every keyword is found by its own key.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "help/help_file.h"
#include "help/keyword_index.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const tessaro::HelpFile help = tessaro::HelpFile::parse(input);
  const auto& topics = help.topics();
  for (size_t t = 0; t < topics.size(); ++t) {
    for (int32_t context : topics[t].contexts) check(help.topicOfContext(context) == t);
    for (const tessaro::HelpParagraph& paragraph : topics[t].paragraphs) {
      for (const tessaro::HelpSpan& span : paragraph.spans) {
        check(!span.text.empty());
        if (span.target) check(*span.target < topics.size() && topics[*span.target].title == span.text);
      }
    }
  }
  const std::vector<tessaro::KeywordEntry> index = tessaro::buildKeywordIndex(topics);
  for (const tessaro::KeywordEntry& entry : index) {
    check(!entry.topics.empty());
    for (size_t topic : entry.topics) check(topic < topics.size());
    const auto found = tessaro::findPartialKey(index, entry.keyword);
    check(found && tessaro::keywordKey(index[*found].keyword) == tessaro::keywordKey(entry.keyword));
  }
  tessaro::findPartialKey(index, input.substr(0, 16));
  return 0;
}
