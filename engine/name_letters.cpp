// Initials, first vowel, letter classes and the reading of the letters of the name.
#include "engine/name_letters.h"

#include <array>
#include <cstdint>

#include "common/integer.h"
#include "engine/text_table.h"
#include "engine/texts/name_letters_texts.h"

namespace tessaro {
namespace {

constexpr std::string_view Vowels = "AEIOUY";

// The work text keeps at most this many characters after each separator, as it always has.
constexpr size_t PartTextLimit = 255;

bool isCapital(char c) { return c >= 'A' && c <= 'Z'; }

// The first character of the name and of every part after a space or hyphen, each with ".".
void appendInitials(std::string_view name, Text& initials) {
  std::string_view work = name;
  initials += work.substr(0, 1);
  initials += '.';
  for (size_t separator = work.find_first_of(" -"); separator != std::string_view::npos;
       separator = work.find_first_of(" -")) {
    work = work.substr(separator + 1, PartTextLimit);
    initials += work.substr(0, 1);
    initials += '.';
  }
}

Text countText(int32_t count) { return count == 0 ? Text("-") : integerText(count); }

// The initials followed by "= " and their number.
Text initialsLineOf(const Text& initials) {
  return initials + "= " + ReduceKeepMasters(LettersToDigits(initials));
}

// The class of each byte: 0 cerebral, 1 physical, 2 emotional, 3 intuitive, 4 none. Each capital
// A-Z is in exactly one class.
struct LetterClasses {
  std::array<uint8_t, 256> classOf{};

  constexpr LetterClasses() {
    classOf.fill(4);
    constexpr std::string_view ClassLetters[] = {"AGHJLNP", "DEMW", "BIORSTXZ", "CFKQUVY"};
    for (uint8_t k = 0; k < 4; ++k) {
      for (char c : ClassLetters[k]) classOf[static_cast<unsigned char>(c)] = k;
    }
  }
};
constexpr LetterClasses Classes;

}  // namespace

Text Initials(const StudySubject& subject) {
  Text initials;
  appendInitials(subject.FirstName, initials);
  appendInitials(subject.LastName, initials);
  return initials;
}

NumberText InitialsNumber(const StudySubject& subject) {
  return ReduceKeepMasters(LettersToDigits(Initials(subject)));
}

Text InitialsLine(const StudySubject& subject) { return initialsLineOf(Initials(subject)); }

Text FirstVowel(const StudySubject& subject) {
  const size_t at = subject.LastName.find_first_of(Vowels);
  return at == Text::npos ? Text() : subject.LastName.substr(at, 1);
}

int32_t firstVowelKey(std::string_view firstVowel) {
  if (firstVowel.size() != 1) return 0;
  const size_t at = Vowels.find(firstVowel.front());
  return at == std::string_view::npos ? 0 : static_cast<int32_t>(at) + 1;
}

LetterClassCountTexts LetterClassCounts(const StudySubject& subject) {
  int32_t counts[5] = {};
  for (const Text* name : {&subject.FirstName, &subject.LastName}) {
    for (char c : *name) ++counts[Classes.classOf[static_cast<unsigned char>(c)]];
  }
  return {countText(counts[0]), countText(counts[1]), countText(counts[2]), countText(counts[3])};
}

NameLettersResult computeNameLetters(const StudySubject& subject) {
  NameLettersResult result;
  result.initials = Initials(subject);
  result.initialsLine = initialsLineOf(result.initials);
  result.initialsNumber = result.initialsLine.substr(result.initials.size() + 2);
  result.firstVowel = FirstVowel(subject);
  const LetterClassCountTexts counts = LetterClassCounts(subject);
  result.cerebral = counts.cerebral;
  result.physical = counts.physical;
  result.emotional = counts.emotional;
  result.intuitive = counts.intuitive;

  // The number is read back from the line's last two characters: " 3" for one digit, "11", or
  // "= " when no initial has a value, which is where the analysis stops.
  const std::string_view numberField =
      std::string_view(result.initialsLine).substr(result.initialsLine.size() - 2);
  Text& reading = result.reading;
  reading.reserve(ReadingReserve);
  appendReadingLine(reading, numberField, tableRow(InitialsNumberTexts, numberField));
  for (char c : result.initialsLine) {
    if (isCapital(c)) appendReadingLine(reading, std::string_view(&c, 1), tableRow(LetterTexts, c - 'A' + 1));
  }
  reading += tableRow(FirstVowelTexts, firstVowelKey(result.firstVowel));
  reading += CrLf;
  return result;
}

}  // namespace tessaro
