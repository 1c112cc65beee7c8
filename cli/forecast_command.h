// tessaro-cli forecast: a subject's personal calendar over a range of dates, one JSON object a date.
#pragma once

#include "cli/command.h"

namespace tessaro::cli {

// Adds the "forecast" command. Its status: 0, 1 when the study file cannot be read or the output
// cannot be written, 2 when the dates are refused.
Command addForecastCommand(CLI::App& app);

}  // namespace tessaro::cli
