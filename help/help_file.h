// The help file "OrvTsr.hlp": its topics, chapters, context numbers, keywords and linked text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/text.h"

namespace tessaro {

inline constexpr const char* HelpFileName = "OrvTsr.hlp";
// Two hundred times the shipped file: a help file is text written by hand.
inline constexpr size_t MaxHelpFileBytes = size_t{4} << 20;

// A run of text; a link names the topic it leads to.
struct HelpSpan {
  Text text;
  std::optional<size_t> target;  // index of the linked topic
  bool operator==(const HelpSpan&) const = default;
};

struct HelpParagraph {
  bool bullet = false;
  std::vector<HelpSpan> spans;
  bool operator==(const HelpParagraph&) const = default;
};

struct HelpTopic {
  Text title;
  Text chapter;  // the contents book the topic belongs to; empty at the top level
  std::vector<int32_t> contexts;
  std::vector<Text> keywords;
  std::vector<HelpParagraph> paragraphs;
};

// Something in the file that the reader skipped or could not resolve; the rest is still read.
struct HelpProblem {
  size_t line;  // 1-based
  Text description;
};

class HelpFile {
 public:
  // Never fails: what cannot be understood is left out and listed in problems().
  static HelpFile parse(std::string_view bytes);
  // Throws FileError "Ne peut ouvrir le fichier <path>" with the reason when the file cannot be
  // read or is larger than MaxHelpFileBytes.
  static HelpFile load(const std::string& path);

  const std::vector<HelpTopic>& topics() const { return topicList; }
  const std::vector<HelpProblem>& problems() const { return problemList; }
  bool empty() const { return topicList.empty(); }

  std::optional<size_t> topicOfContext(int32_t context) const;
  std::optional<size_t> topicTitled(std::string_view title) const;

 private:
  std::vector<HelpTopic> topicList;
  std::vector<HelpProblem> problemList;
};

}  // namespace tessaro
