// tree STRATEGY [--board PxC] [--no-repeats] [--max-guesses D] [--time-limit SECONDS] [--jobs N]
// [--json] [--html FILE]: a strategy as a decision tree a person can follow at the table.

#include "lab/batch/strategy_trees.hpp"
#include "lab/commands/commands.hpp"
#include "lab/commands/shared_options.hpp"
#include "lab/report/tree_page.hpp"
#include "lab/report/tree_report.hpp"
#include "lab/text/code_text.hpp"
#include "lab/text/file_writer.hpp"
#include "lab/text/quote.hpp"

namespace codebreaker::lab {
namespace {

constexpr std::string_view treeStrategies = "worst, size, parts, entropy or optimal";

class Tree final : public Command {
  const Given& strategy_ = words_.positional("STRATEGY", std::string(treeStrategies),
                                             "worst, size, parts, entropy or optimal", true);
  BoardOptions board_{words_};
  SearchOptions search_{words_};
  JobsOption jobs_{words_};
  const bool& json_ = jsonFlag(words_);
  const Given& html_ = words_.option("--html", "FILE", "a file name, or - for standard output",
                                     "Also write the tree as a printable page; - prints only it");

 public:
  using Command::Command;

  int run() override {
    const auto strategy = solver::strategyNamed(strategy_.value());
    if (!strategy || *strategy == solver::Strategy::random) {
      return refuse(expected(strategy_.name(), treeStrategies, strategy_.value()));
    }
    const auto board = board_.board();
    if (refused(board)) return exitUsage;
    if (const auto problem = strategyBoardProblem(*board.value, *strategy)) return refuse(*problem);
    if (*strategy != solver::Strategy::optimal) {
      const std::string tail = "the optimal strategy, not to " + strategy_.value();
      if (const auto problem =
              inapplicable({&search_.maxGuesses(), &search_.timeLimit(), &jobs_.given()}, tail)) {
        return refuse(*problem);
      }
    }
    if (json_ && html_.present() && html_.value() == "-") {
      return refuse("give --json or --html -, not both: each prints on standard output");
    }
    const auto threads = jobs_.threads();
    if (refused(threads)) return exitUsage;
    const auto limits = search_.limits(board.value->codeCount(), *threads.value);
    if (refused(limits)) return exitUsage;
    nowDoing((*strategy == solver::Strategy::optimal
                  ? "search the optimal strategy of "
                  : "write the " + strategy_.value() + " strategy's tree of ") +
             boardWords(*board.value));
    const solver::Codes codes(*board.value);
    const StrategyTree found = strategyTreeWithProgress(codes, *strategy, 1, *limits.value);
    nowDoing("write the tree of " + boardWords(*board.value));
    return show({solver::nameOf(*strategy), &codes,
                 found.tree.nodes.empty() ? nullptr : &found.tree, found.guesses, found.search});
  }

 private:
  [[nodiscard]] int show(const TreeReport& report) const {
    if (html_.present()) {
      const std::string page = treePage(report);
      if (html_.value() == "-") return writeOut(page);
      if (const auto failure = writeFileAtomically(html_.value(), page)) {
        std::fprintf(stderr, "%s: tree: cannot write %s: %s\n", programName,
                     quote(html_.value()).c_str(), failure->c_str());
        return exitOutputFailure;
      }
    }
    return writeOut(json_ ? formatJson(report) : formatText(report));
  }
};

}  // namespace

std::unique_ptr<Command> makeTree(CLI::App& lab) {
  return std::make_unique<Tree>(lab, "tree",
                                "A strategy as a decision tree to follow at the table");
}

}  // namespace codebreaker::lab
