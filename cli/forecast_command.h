// tessaro-cli forecast: a subject's personal calendar over a range of dates, one JSON object a date.
#pragma once

namespace CLI {
class App;
}

namespace tessaro::cli {

// Adds the "forecast" command. Once its arguments are read, the command runs and ends the
// program itself, so that registering it is all the tool's main has to do: status 0, 1 when the
// study file cannot be read or the output cannot be written, 2 when the dates are refused.
void addForecastCommand(CLI::App& app);

}  // namespace tessaro::cli
