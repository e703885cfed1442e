#include "lab/commands/shared_options.hpp"

#include "game/glibc_rand.hpp"
#include "game/seed.hpp"
#include "lab/cli/instant.hpp"

namespace codebreaker::lab {

SeedOption::SeedOption(CommandWords& words, const std::string& help)
    : given_(words.option("--seed", "N", std::string(seedAccepts), help)) {}

Parsed<unsigned> SeedOption::value(unsigned fallback) const {
  if (!given_.present()) return {fallback, {}};
  return parseSeed(given_.name(), given_.value());
}

Parsed<unsigned> SeedOption::valueOrNow() const {
  return given_.present() ? value(0) : value(seedOf(currentSecond()));
}

JobsOption::JobsOption(CommandWords& words)
    : given_(words.option("--jobs", "N", std::string(jobsAccepts),
                          "Threads to play on, 1 to " + std::to_string(maxJobs) +
                              " (default: all " + std::to_string(allCores()) + " cores)")) {}

Parsed<unsigned> JobsOption::threads() const {
  if (!given_.present()) return {allCores(), {}};
  return parseJobs(given_.name(), given_.value());
}

RunPlan JobsOption::plan(unsigned threads) {
  return planRun(threads, glibcRandMatchesStdRand(), stderr);
}

const bool& jsonFlag(CommandWords& words) {
  return words.flag("--json", "Print one JSON object instead of text");
}

EveryCodeOptions::EveryCodeOptions(CommandWords& words, const std::string& seedHelp)
    : seed_(words, seedHelp), jobs_(words), json_(jsonFlag(words)) {}

Parsed<EveryCodeOptions::Choice> EveryCodeOptions::choice() const {
  const auto seed = seed_.value(1);
  if (!seed.value) return {std::nullopt, seed.error};
  const auto threads = jobs_.threads();
  if (!threads.value) return {std::nullopt, threads.error};
  return {Choice{*seed.value, *threads.value}, {}};
}

}  // namespace codebreaker::lab
