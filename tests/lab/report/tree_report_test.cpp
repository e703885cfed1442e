// A strategy's tree as `tree` writes it, and read back as `solve --tree` reads it.
#include "lab/report/tree_report.hpp"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "lab/batch/strategy_trees.hpp"
#include "lab/report/comparison_report.hpp"
#include "lab/report/tree_file.hpp"
#include "solver/codes.hpp"
#include "solver/strategy.hpp"

namespace codebreaker::lab {
namespace {

using nlohmann::json;
using solver::Board;
using solver::DecisionTree;
using solver::Strategy;

constexpr Strategy deterministic[] = {Strategy::worst, Strategy::size, Strategy::parts,
                                      Strategy::entropy, Strategy::optimal};

// The tree of `strategy` on `codes`' board as `tree --json` writes it.
std::string writtenTree(const solver::Codes& codes, Strategy strategy,
                        const SearchLimits& limits = {}) {
  const StrategyTree found = strategyTree(codes, strategy, 1, limits);
  return formatJson({solver::nameOf(strategy), &codes,
                     found.tree.nodes.empty() ? nullptr : &found.tree, found.guesses,
                     found.search});
}

void expectSameTree(const DecisionTree& read, const DecisionTree& written) {
  ASSERT_EQ(read.nodes.size(), written.nodes.size());
  ASSERT_EQ(read.branches.size(), written.branches.size());
  for (std::size_t n = 0; n < read.nodes.size(); ++n) {
    EXPECT_EQ(read.nodes[n].guess, written.nodes[n].guess) << "node " << n;
    EXPECT_EQ(read.nodes[n].firstBranch, written.nodes[n].firstBranch) << "node " << n;
    EXPECT_EQ(read.nodes[n].branchCount, written.nodes[n].branchCount) << "node " << n;
  }
  for (std::size_t b = 0; b < read.branches.size(); ++b) {
    EXPECT_EQ(read.branches[b].answer, written.branches[b].answer) << "branch " << b;
    EXPECT_EQ(read.branches[b].next, written.branches[b].next) << "branch " << b;
  }
}

TEST(TreeFile, ReadsBackEveryTreeTheLabWrites) {
  const Board boards[] = {{2, 3, true}, {3, 4, true}, {3, 5, false}, {4, 4, true}};
  for (const Board& board : boards) {
    const solver::Codes codes(board);
    for (const Strategy strategy : deterministic) {
      SCOPED_TRACE(std::string(solver::nameOf(strategy)) + " on " + std::to_string(board.pegs) +
                   "x" + std::to_string(board.colours));
      const StrategyTree found = strategyTree(codes, strategy, 1, {});
      const auto read = readTree(writtenTree(codes, strategy));
      ASSERT_TRUE(read.value) << read.error;
      EXPECT_EQ(read.value->board, board);
      EXPECT_EQ(read.value->strategy, solver::nameOf(strategy));
      expectSameTree(read.value->tree, found.tree);
    }
  }
}

// A written tree of 3 pegs of 3 colours, changed by `change`, then read back.
std::string readError(const std::function<void(json&)>& change) {
  const solver::Codes codes(Board{3, 3, true});
  json file = json::parse(writtenTree(codes, Strategy::worst));
  change(file);
  const auto read = readTree(file.dump());
  return read.value ? "(read)" : read.error;
}

TEST(TreeFile, RefusesWhatIsNotACompleteTreeOfABoardInOneLine) {
  const std::string prefix = "not a tree written by tree --json: ";
  const struct {
    const char* what;
    std::function<void(json&)> change;
    std::string error;
  } cases[] = {
      {"another command's report", [](json& f) { f["command"] = "compare"; }, "it has no tree"},
      {"no tree", [](json& f) { f.erase("tree"); }, "it has no tree"},
      {"a board past the limits", [](json& f) { f["board"] = "7x3"; },
       "it names no board the strategies play"},
      {"a board of text", [](json& f) { f["board"] = "three by three"; },
       "it names no board the strategies play"},
      {"more pegs than colours without repeats",
       [](json& f) {
         f["board"] = "3x2";
         f["repeats"] = false;
       },
       "it names no board the strategies play"},
      {"a guess of another board", [](json& f) { f["tree"]["guess"] = "1234"; },
       "\"1234\" is no code of the board"},
      {"a colour past the board", [](json& f) { f["tree"]["guess"] = "124"; },
       "\"124\" is no code of the board"},
      {"an answer no code gives",
       [](json& f) {
         f["tree"]["children"][0]["answer"] = {{"exact", 2}, {"colourOnly", 2}};
       },
       "an answer of 2 exact and 2 colour-only cannot be"},
      {"a lost branch", [](json& f) { f["tree"]["children"].erase(0); },
       "it does not solve every code: "},
      {"a guess as a number", [](json& f) { f["tree"]["guess"] = 112; }, "its JSON is broken ("},
  };
  for (const auto& each : cases) {
    SCOPED_TRACE(each.what);
    const std::string error = readError(each.change);
    EXPECT_EQ(error.substr(0, prefix.size() + each.error.size()), prefix + each.error);
    EXPECT_EQ(error.find('\n'), std::string::npos);
  }
  const std::string broken = prefix + "its JSON is broken (";
  EXPECT_EQ(readTree("").error.substr(0, broken.size()), broken);
  EXPECT_EQ(readTree("[1, 2]").error, prefix + "it has no tree");
}

TEST(TreeFile, RefusesATreeDeeperThanAnyGameInsteadOfExhaustingTheStack) {
  // 100,000 nested nodes, each guessing the same code: far deeper than the stack would allow.
  std::string text = R"({"command":"tree","strategy":"worst","board":"2x2","repeats":true,"tree":)"
                     R"({"guess":"11","children":[)";
  constexpr int depth = 100000;
  for (int d = 0; d < depth; ++d) {
    text += R"({"answer":{"exact":0,"colourOnly":0},"guess":"11","children":[)";
  }
  text += R"({"answer":{"exact":2,"colourOnly":0},"solved":"11"})";
  for (int d = 0; d <= depth; ++d) text += "]}";
  text += "}";
  EXPECT_EQ(readTree(text).error,
            "not a tree written by tree --json: it is more than 100 guesses deep");
}

TEST(TreeReport, SaysWhatTheSearchProvedAndNothingMore) {
  EXPECT_EQ(searchText("optimal", {true, true, 5625, 5625, 0}),
            "optimal: proved optimal, 5,625 guesses in total");
  EXPECT_EQ(searchText("optimal", {true, true, 5626, 5626, 5}),
            "optimal: proved optimal within 5 guesses, 5,626 guesses in total");
  EXPECT_EQ(searchText("optimal", {true, false, 20400, 20671, 0}),
            "optimal: at most 20,671, at least 20,400 guesses in total (not proved: the time "
            "ran out)");
  EXPECT_EQ(searchText("optimal", {false, true, 0, 0, 4}),
            "optimal: no strategy solves every code within 4 guesses");
  EXPECT_EQ(searchText("optimal", {false, false, 0, 0, 5}),
            "optimal: no strategy found that solves every code within 5 guesses before the time "
            "ran out");
}

TEST(TreeReport, JsonCarriesTheBoundsAndTheFiguresOfTheTree) {
  const solver::Codes codes(Board{3, 4, true});
  const json optimal = json::parse(writtenTree(codes, Strategy::optimal));
  EXPECT_EQ(optimal["proved"], true);
  EXPECT_EQ(optimal["lowerBound"], optimal["upperBound"]);
  EXPECT_EQ(optimal["upperBound"], optimal["totalGuesses"]);
  EXPECT_EQ(optimal["codes"], 64);
  const json worst = json::parse(writtenTree(codes, Strategy::worst));
  EXPECT_FALSE(worst.contains("proved"));
  EXPECT_LE(optimal["totalGuesses"].get<int>(), worst["totalGuesses"].get<int>());

  // Within 2 guesses no strategy solves 27 codes: the search says so and writes no tree.
  const solver::Codes three(Board{3, 3, true});
  const json none = json::parse(writtenTree(three, Strategy::optimal, {2, 0, 1}));
  EXPECT_EQ(none["feasible"], false);
  EXPECT_EQ(none["proved"], true);
  EXPECT_EQ(none["maxGuesses"], 2);
  EXPECT_FALSE(none.contains("tree"));
}

// A search stopped by its time limit: its row is marked and its bounds are said under the table,
// in the text and in the JSON.
TEST(ComparisonReport, MarksTheRowOfASearchThatDidNotFinish) {
  Comparison comparison{Board{2, 3, true}, 1, {}, {}};
  StrategyFigures figures{"optimal", "12", {}, SearchFigures{true, false, 19, 21, 0}};
  for (const std::int32_t guesses : {1, 2, 2, 2, 2, 3, 3, 3, 3})
    figures.histogram.add(true, guesses);
  comparison.figures.push_back(figures);
  EXPECT_EQ(formatText(comparison),
            "compare: 2x3, 9 codes, seed 1\n"
            "\n"
            "         first  mean median p90 worst    1    2    3\n"
            "optimal?    12  2.33      2   3     3    1    4    4\n"
            "optimal: at most 21, at least 19 guesses in total (not proved: the time ran out)\n"
            "\n"
            "codes solved in each number of guesses, one scale for all\n"
            "guesses optimal\n"
            "      1 ####\n"
            "      2 #############\n"
            "      3 #############\n");
  const json report = json::parse(formatJson(comparison));
  const json& row = report["strategies"][0];
  EXPECT_EQ(row["proved"], false);
  EXPECT_EQ(row["lowerBound"], 19);
  EXPECT_EQ(row["upperBound"], 21);
  EXPECT_EQ(row["totalGuesses"], 21);
}

}  // namespace
}  // namespace codebreaker::lab
