// Reading the help file.
//
// The help file is Windows-1252 text; CR LF, a lone CR or a lone LF ends a line. What a line
// means depends on its first character:
//
//   ; remark         a comment, skipped
//   = Chapter        the topics that follow belong to this book of the contents ("=" alone
//                    goes back to the top level)
//   # Title          starts a topic; every title is different
//   @contexte 3 5    the context numbers that open this topic (F1 on a menu); a number belongs
//                    to one topic only
//   @index a; b      the topic's keywords for the index, separated by ";"
//   - text           starts a bulleted paragraph
//   (blank line)     ends the paragraph in progress
//   anything else    continues the paragraph in progress (joined with one space) or starts one
//
// Inside a paragraph, {Title} is a link to the topic of that title; braces have no other use.
// Nothing in the file stops the reading: a line that cannot be understood is left out and
// recorded as a problem, so a damaged file still shows what it can.
#include "help/help_file.h"

#include "common/errors.h"
#include "common/file_io.h"
#include "common/integer.h"

namespace tessaro {
namespace {

struct PendingParagraph {
  bool bullet;
  Text text;
  size_t line;
};

struct PendingTopic {
  size_t line;
  std::vector<PendingParagraph> paragraphs;
};

std::vector<Text> splitAt(std::string_view text, char separator) {
  std::vector<Text> parts;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(separator, start);
    if (end == std::string_view::npos) end = text.size();
    Text part = trim(text.substr(start, end - start));
    if (!part.empty()) parts.push_back(std::move(part));
    start = end + 1;
  }
  return parts;
}

void appendPlain(std::vector<HelpSpan>& spans, std::string_view text) {
  if (text.empty()) return;
  if (!spans.empty() && !spans.back().target) {
    spans.back().text += text;
  } else {
    spans.push_back({Text(text), std::nullopt});
  }
}

}  // namespace

HelpFile HelpFile::parse(std::string_view bytes) {
  HelpFile file;
  std::vector<PendingTopic> pending;
  Text chapter;
  bool paragraphOpen = false;
  size_t number = 0;
  auto problem = [&](Text description) { file.problemList.push_back({number, std::move(description)}); };

  for (const Text& line : splitLines(bytes)) {
    ++number;
    const Text text = trim(line);
    if (text.empty()) {
      paragraphOpen = false;
      continue;
    }
    const char mark = line[0];
    if (mark == ';') continue;
    if (mark == '=') {
      chapter = trim(line.substr(1));
      paragraphOpen = false;
      continue;
    }
    if (mark == '#') {
      HelpTopic topic;
      topic.title = trim(line.substr(1));
      topic.chapter = chapter;
      if (topic.title.empty()) problem("topic without a title");
      if (file.topicTitled(topic.title)) problem("second topic titled '" + topic.title + "'");
      file.topicList.push_back(std::move(topic));
      pending.push_back({number, {}});
      paragraphOpen = false;
      continue;
    }
    if (file.topicList.empty()) {
      problem("text before the first topic");
      continue;
    }
    HelpTopic& topic = file.topicList.back();
    if (mark == '@') {
      const size_t blank = text.find(' ');
      const Text name = text.substr(0, blank);
      const Text arguments = blank == Text::npos ? Text() : trim(text.substr(blank));
      if (name == "@contexte") {
        const std::vector<Text> numbers = splitAt(arguments, ' ');
        if (numbers.empty()) problem("@contexte without a number");
        for (const Text& word : numbers) {
          try {
            const int32_t context = toInteger(word);
            if (const auto owner = file.topicOfContext(context)) {
              problem("context " + word + " already opens '" + file.topicList[*owner].title + "'");
            } else {
              topic.contexts.push_back(context);
            }
          } catch (const ConversionError&) {
            problem("context number expected, not '" + word + "'");
          }
        }
      } else if (name == "@index") {
        const std::vector<Text> keywords = splitAt(arguments, ';');
        if (keywords.empty()) problem("@index without a keyword");
        topic.keywords.insert(topic.keywords.end(), keywords.begin(), keywords.end());
      } else {
        problem("unknown directive " + name);
      }
      continue;
    }
    std::vector<PendingParagraph>& paragraphs = pending.back().paragraphs;
    const bool bullet = line.size() >= 2 && line[0] == '-' && line[1] == ' ';
    if (bullet || !paragraphOpen) {
      paragraphs.push_back({bullet, bullet ? trim(line.substr(2)) : text, number});
      paragraphOpen = true;
    } else {
      paragraphs.back().text += ' ';
      paragraphs.back().text += text;
    }
  }

  // Links are resolved once every title is known, so a topic may point to a later one.
  for (size_t t = 0; t < pending.size(); ++t) {
    number = pending[t].line;
    if (pending[t].paragraphs.empty()) problem("topic '" + file.topicList[t].title + "' has no text");
    for (const PendingParagraph& raw : pending[t].paragraphs) {
      number = raw.line;
      HelpParagraph paragraph{raw.bullet, {}};
      size_t position = 0;
      while (position < raw.text.size()) {
        const size_t open = raw.text.find('{', position);
        const size_t close = open == Text::npos ? Text::npos : raw.text.find('}', open + 1);
        if (close == Text::npos) {
          if (open != Text::npos) problem("link not closed by '}'");
          break;
        }
        appendPlain(paragraph.spans, std::string_view(raw.text).substr(position, open - position));
        const Text title = trim(std::string_view(raw.text).substr(open + 1, close - open - 1));
        // An empty link names no topic, not even one whose title is missing.
        if (const auto target = title.empty() ? std::nullopt : file.topicTitled(title)) {
          paragraph.spans.push_back({title, target});
        } else {
          problem("link to no topic: '" + title + "'");
          appendPlain(paragraph.spans, title);
        }
        position = close + 1;
      }
      if (position < raw.text.size())
        appendPlain(paragraph.spans, std::string_view(raw.text).substr(position));
      file.topicList[t].paragraphs.push_back(std::move(paragraph));
    }
  }
  return file;
}

HelpFile HelpFile::load(const std::string& path) { return parseWholeFile(path, MaxHelpFileBytes, parse); }

std::optional<size_t> HelpFile::topicOfContext(int32_t context) const {
  for (size_t i = 0; i < topicList.size(); ++i) {
    for (int32_t own : topicList[i].contexts) {
      if (own == context) return i;
    }
  }
  return std::nullopt;
}

std::optional<size_t> HelpFile::topicTitled(std::string_view title) const {
  for (size_t i = 0; i < topicList.size(); ++i) {
    if (topicList[i].title == title) return i;
  }
  return std::nullopt;
}

}  // namespace tessaro
