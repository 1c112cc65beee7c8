// The help index: every keyword of the help file in alphabetical order, found by its first letters.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "common/text.h"
#include "help/help_file.h"

namespace tessaro {

struct KeywordEntry {
  Text keyword;                // as first written in the file
  std::vector<size_t> topics;  // indexes of the topics that carry it, in file order
};

// The form under which keywords are sorted and compared: capitals without accents, so that
// "été", "Ete" and "ETE" are one keyword and sort among the E.
Text keywordKey(std::string_view keyword);

// Keywords that share a key are one entry.
std::vector<KeywordEntry> buildKeywordIndex(const std::vector<HelpTopic>& topics);

// The first entry whose keyword begins with the partial key (blanks around the key ignored; the
// empty key matches the first entry), or nothing when no keyword begins with it.
std::optional<size_t> findPartialKey(const std::vector<KeywordEntry>& index, std::string_view partialKey);

}  // namespace tessaro
