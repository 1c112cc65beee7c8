// A command of the tool declared in a file of its own: the parser's part and how it runs.
#pragma once

#include <functional>

namespace CLI {
class App;
}

namespace tessaro::cli {

struct Command {
  CLI::App* parser = nullptr;
  // Runs once the command line is read, reports its own failures and gives the exit status.
  std::function<int()> run;
};

}  // namespace tessaro::cli
