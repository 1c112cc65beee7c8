// The general portrait: every number of a study and its reading, as the paragraphs of a document.
#pragma once

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "common/study_subject.h"
#include "engine/primitives.h"

namespace tessaro {

class FirstNameDictionary;

struct Portrait {
  // One entry per paragraph; an empty entry is a blank line. Layout rests on tabs only.
  std::vector<Text> paragraphs;
  // The digit counts of the whole name (the study window keeps them as its DigitCounts).
  DigitCountArray digitCounts{};
  // The French message of the conversion error that stopped the portrait, if one did; the
  // paragraphs then hold what was written before it.
  std::optional<Text> error;
};

// Writes the portrait of the subject. With includeFirstName, it ends with the first-name reading,
// which selects the name in the dictionary as the first-name command does.
Portrait buildPortrait(const StudySubject& subject, bool includeFirstName, FirstNameDictionary* dictionary);

// Receives the portrait's paragraphs one by one, in order; the text lives only during the call.
using ParagraphSink = std::function<void(std::string_view paragraph)>;

// What a portrait leaves besides its paragraphs.
struct PortraitOutcome {
  DigitCountArray digitCounts{};
  std::optional<Text> error;
};

// The same portrait handed over paragraph by paragraph, for a reader that keeps no copy of them.
PortraitOutcome writePortraitParagraphs(const StudySubject& subject, bool includeFirstName,
                                        FirstNameDictionary* dictionary, const ParagraphSink& paragraph);

// The portrait as plain text: Windows-1252, CR LF after every paragraph.
Text portraitPlainText(const Portrait& portrait);

}  // namespace tessaro
