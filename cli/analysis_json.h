// Every analysis of a subject as one JSON object, texts in UTF-8.
#pragma once

#include <nlohmann/json.hpp>

#include "cli/subject_input.h"

namespace tessaro {
class FirstNameDictionary;
}

namespace tessaro::cli {

// The first-name reading is added to the portrait when a dictionary is given.
nlohmann::ordered_json analysisJson(const CliSubject& input, FirstNameDictionary* firstNameDictionary);

}  // namespace tessaro::cli
