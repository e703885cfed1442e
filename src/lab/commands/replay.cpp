// replay SECOND: the exact bytes codebreaker printed when started at that second, given as
// Unix seconds or as a UTC date and time.

#include "game/seed.hpp"
#include "lab/batch/player.hpp"
#include "lab/cli/instant.hpp"
#include "lab/commands/commands.hpp"

namespace codebreaker::lab {
namespace {

class Replay final : public Command {
  const Given& second_ =
      words_.positional("SECOND", std::string(instantAccepts),
                        "Unix seconds or UTC date, e.g. 2027-01-01T12:30:00", true);

 public:
  using Command::Command;

  int run() override {
    const auto second = parseInstant(second_.name(), second_.value());
    if (refused(second)) return exitUsage;
    return playTraced(seedOf(*second.value), nullptr);
  }
};

}  // namespace

std::unique_ptr<Command> makeReplay(CLI::App& lab) {
  return std::make_unique<Replay>(lab, "replay",
                                  "Print the trace codebreaker prints when started at SECOND");
}

}  // namespace codebreaker::lab
