// replay SECOND: the exact bytes codebreaker printed when started at that second, given as
// Unix seconds or as a UTC date and time.

#include "game/state.hpp"
#include "lab/commands/commands.hpp"
#include "lab/cli/values.hpp"
#include "lab/text/output.hpp"
#include "lab/batch/runs.hpp"

namespace codebreaker::lab {
namespace {

class ReplayCommand final : public Command {
 public:
  explicit ReplayCommand(CLI::App& lab)
      : Command(lab, "replay", "Print the trace codebreaker prints when started at SECOND"),
        second_(words_.positional("SECOND", std::string(instantAccepts),
                                  "Unix seconds or UTC date, e.g. 2027-01-01T12:30:00", true)) {}

  int run() override {
    const auto second = parseInstant(second_.name(), second_.value());
    if (!second.value) return usageError(words_.name(), second.error);
    return playTraced(seedOf(*second.value), nullptr);
  }

 private:
  const Given& second_;
};

}  // namespace

std::unique_ptr<Command> makeReplayCommand(CLI::App& lab) {
  return std::make_unique<ReplayCommand>(lab);
}

}  // namespace codebreaker::lab
