// Every analysis of a subject as one JSON object, texts in UTF-8.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "cli/subject_input.h"

namespace tessaro {
class FirstNameDictionary;
class TessaroError;
}  // namespace tessaro

namespace tessaro::cli {

// Appends the object to out, compact and on one line, as the batch writes it. The first-name
// reading is added to the portrait when a dictionary is given.
void appendAnalysisJson(const CliSubject& input, FirstNameDictionary* firstNameDictionary, std::string& out);

// Appends an object holding only an error, for a line that cannot be analysed at all.
void appendErrorJson(const TessaroError& error, std::string& out);

// The same object as a JSON value.
nlohmann::ordered_json analysisJson(const CliSubject& input, FirstNameDictionary* firstNameDictionary);

}  // namespace tessaro::cli
