// A strategy's tree as `tree` writes it, and read back as `solve --tree` reads it.
#include "lab/report/tree_report.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "lab/batch/strategy_trees.hpp"
#include "lab/report/comparison_report.hpp"
#include "lab/report/tree_file.hpp"
#include "solver/codes.hpp"
#include "solver/decision_tree_check.hpp"
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

// A tree as `tree` prints it, so that two trees compare as one string.
std::string treeText(const solver::Codes& codes, const DecisionTree& tree, Strategy strategy) {
  return formatText(
      {solver::nameOf(strategy), &codes, &tree, solver::guessesPerCode(tree, codes), std::nullopt});
}

// Every tree the lab writes reads back as the same tree, compact or pretty-printed with its keys
// in another order (the library sorts them: "children" before "guess").
TEST(TreeFile, ReadsBackEveryTreeTheLabWrites) {
  const Board boards[] = {{2, 3, true}, {3, 4, true}, {3, 5, false}, {4, 4, true}};
  for (const Board& board : boards) {
    const solver::Codes codes(board);
    for (const Strategy strategy : deterministic) {
      SCOPED_TRACE(std::string(solver::nameOf(strategy)) + " on " + std::to_string(board.pegs) +
                   "x" + std::to_string(board.colours));
      const StrategyTree found = strategyTree(codes, strategy, 1, {});
      const std::string written = writtenTree(codes, strategy);
      for (const std::string& text : {written, json::parse(written).dump(2)}) {
        const auto read = readTree(text);
        ASSERT_TRUE(read.value) << read.error;
        EXPECT_EQ(read.value->board, board);
        EXPECT_EQ(read.value->strategy, strategy);
        EXPECT_EQ(treeText(codes, read.value->tree, strategy),
                  treeText(codes, found.tree, strategy));
      }
    }
  }
}

// The tree `tree worst --board 3x3 --json` writes, changed by `change`, then read back.
std::string readError(const std::function<void(json&)>& change) {
  const solver::Codes codes(Board{3, 3, true});
  json file = json::parse(writtenTree(codes, Strategy::worst));
  change(file);
  const auto read = readTree(file.dump());
  return read.value ? "(read)" : read.error;
}

// Every refusal is one line that names what is wrong, each value from the file quoted and cut.
TEST(TreeFile, RefusesWhatIsNotACompleteTreeOfABoardInOneLine) {
  const std::string prefix = "not a tree written by tree --json: ";
  const auto firstAnswer = [](json& f) -> json& { return f["tree"]["children"][0]["answer"]; };
  const struct {
    const char* what;
    std::function<void(json&)> change;
    std::string error;
  } cases[] = {
      {"another command's report", [](json& f) { f["command"] = "compare"; }, "it has no tree"},
      {"no command", [](json& f) { f.erase("command"); }, "it has no tree"},
      {"no tree", [](json& f) { f.erase("tree"); }, "it has no tree"},
      {"a board past the limits", [](json& f) { f["board"] = "7x3"; },
       "it names no board the strategies play: \"7x3\""},
      {"a board of text", [](json& f) { f["board"] = "three by three"; },
       "it names no board the strategies play: \"three by three\""},
      {"more pegs than colours without repeats",
       [](json& f) {
         f["board"] = "3x2";
         f["repeats"] = false;
       },
       "it names no board the strategies play: 3x2 without repeats"},
      {"the engine as strategy", [](json& f) { f["strategy"] = "engine"; },
       "it names no strategy that tree writes: \"engine\""},
      {"a strategy that writes a line of its own",
       [](json& f) { f["strategy"] = "\x1b[31mred\nfake line"; },
       R"(it names no strategy that tree writes: "\x1b[31mred\nfake line")"},
      {"a strategy of 100,000 characters",
       [](json& f) { f["strategy"] = std::string(100000, 'w'); },
       "it names no strategy that tree writes: \"" + std::string(40, 'w') + "\"..."},
      {"no strategy", [](json& f) { f.erase("strategy"); }, "it names no strategy"},
      {"a guess of another board", [](json& f) { f["tree"]["guess"] = "1234"; },
       "\"1234\" is no code of the board"},
      {"a colour past the board", [](json& f) { f["tree"]["guess"] = "124"; },
       "\"124\" is no code of the board"},
      {"a guess with a NUL", [](json& f) { f["tree"]["guess"] = std::string("1\0", 2); },
       R"("1\x00" is no code of the board)"},
      {"a guess as a number", [](json& f) { f["tree"]["guess"] = 112; },
       "\"guess\" is not a code in quotes"},
      {"an answer no code gives",
       [&](json& f) {
         firstAnswer(f) = {{"exact", 2}, {"colourOnly", 1}};
       },
       "an answer of 2 exact and 1 colour-only cannot be"},
      {"a count that would wrap", [&](json& f) { firstAnswer(f)["exact"] = 4294967296U; },
       R"(an answer's "exact" is "4294967296", not a whole number from 0 to 3)"},
      {"a count below zero", [&](json& f) { firstAnswer(f)["colourOnly"] = -1; },
       R"(an answer's "colourOnly" is "-1", not a whole number from 0 to 3)"},
      {"half a count", [&](json& f) { firstAnswer(f)["exact"] = 0.5; },
       R"(an answer's "exact" is "0.5", not a whole number from 0 to 3)"},
      {"a count past every integer", [&](json& f) { firstAnswer(f)["exact"] = 1e300; },
       R"(an answer's "exact" is "1e+300", not a whole number from 0 to 3)"},
      {"a count missing", [&](json& f) { firstAnswer(f).erase("colourOnly"); },
       "an answer without \"colourOnly\""},
      {"a lost branch", [](json& f) { f["tree"]["children"].erase(0); },
       "it does not solve every code: node 0: the branches differ from the answers of its codes"},
      {"a code solved under another guess",
       [](json& f) {
         json& solved = f["tree"]["children"].back();
         solved["solved"] = "222";
       },
       R"(the code solved under "112" is "222")"},
      {"a code solved under an answer that is not every peg",
       [](json& f) {
         json& solved = f["tree"]["children"].back();
         solved["answer"] = {{"exact", 1}, {"colourOnly", 0}};
       },
       "a code is solved under an answer of 1 exact and 0 colour-only"},
      {"a branch both solved and guessing",
       [](json& f) { f["tree"]["children"][0]["solved"] = "112"; },
       "a branch has both \"solved\" and a guess"},
      {"children that are no list", [](json& f) { f["tree"]["children"] = "none"; },
       "\"children\" is not a list"},
  };
  for (const auto& each : cases) {
    SCOPED_TRACE(each.what);
    EXPECT_EQ(readError(each.change), prefix + each.error);
  }
}

// What only the text shows: keys twice, bytes after the JSON, numbers of any length, JSON that
// is broken where it can show raw bytes.
TEST(TreeFile, RefusesTheTextAroundAndInsideItsValues) {
  const std::string prefix = "not a tree written by tree --json: ";
  const std::string written = writtenTree(solver::Codes(Board{3, 3, true}), Strategy::worst);
  const auto replaced = [&](std::string_view from, const std::string& to) {
    std::string text = written;
    text.replace(text.find(from), from.size(), to);
    return text;
  };
  const struct {
    const char* what;
    std::string text;
    std::string error;
  } cases[] = {
      {"a key given twice", replaced(R"("board")", R"("board":"3x3","board")"),
       "\"board\" is given twice in one object"},
      {"a trailing NUL", written + std::string(1, '\0'), "it holds a NUL byte"},
      {"text after the JSON", written + "{}",
       "its JSON is broken (parse error at line 2, column 1: syntax error while parsing value - "
       "unexpected '{'; expected end of "
       "input)"},
      {"a number of 100,000 digits",
       replaced("\"exact\":0", "\"exact\":" + std::string(100000, '1')),
       "its JSON is broken (number overflow parsing '" + std::string(135, '1') + "...)"},
      {"a number of 23 digits", replaced("\"exact\":0", "\"exact\":12345678901234567890123"),
       R"(an answer's "exact" is "12345678901234567890123", not a whole number from 0 to 3)"},
      {"the tree before its board", replaced(R"("board")", R"("tree":{},"board")"),
       R"(its "board" and "repeats" must come before its "tree")"},
      {"a control byte in a string", replaced("\"worst\"", "\"wo\x1brst\""),
       "its JSON is broken (parse error at line 1, column 33: syntax error while parsing value - "
       "invalid string: control character U+001B (ESC) must be escaped to \\\\u001B; last read: "
       "'\"wo<U...)"},
      {"an unterminated string of 100,000 bytes", R"({"command":")" + std::string(100000, 'x'),
       "its JSON is broken (parse error at line 1, column 100013: syntax error while parsing "
       "value - invalid string: missing closing quote; last read: '\"" +
           std::string(35, 'x') + "...)"},
      {"nothing", "",
       "its JSON is broken (parse error at line 1, column 1: syntax error while parsing value - "
       "unexpected end of input; expected '[', '{', or a literal)"},
      {"a list", "[1, 2]", "it has no tree"},
  };
  for (const auto& each : cases) {
    SCOPED_TRACE(each.what);
    const auto read = readTree(each.text);
    EXPECT_EQ(read.error, prefix + each.error);
  }
}

// A tree as deep as the stack allows no check, or with more guesses than codes, is refused as
// it is read, before it takes memory or stack.
TEST(TreeFile, RefusesATreeDeeperOrLargerThanAnyStrategyAsItReads) {
  // 100,000 nested nodes, each guessing the same code: far deeper than the stack would allow.
  std::string text = R"({"command":"tree","strategy":"worst","board":"3x4","repeats":true,"tree":)"
                     R"({"guess":"111","children":[)";
  constexpr int depth = 100000;
  for (int d = 0; d < depth; ++d) {
    text += R"({"answer":{"exact":0,"colourOnly":0},"guess":"111","children":[)";
  }
  text += R"({"answer":{"exact":3,"colourOnly":0},"solved":"111"})";
  for (int d = 0; d <= depth; ++d) text += "]}";
  text += "}";
  EXPECT_EQ(readTree(text).error,
            "not a tree written by tree --json: it is more than 100 guesses deep");

  // A 2x2 board has four codes, so no strategy of it guesses eight times.
  std::string wide = R"({"command":"tree","strategy":"worst","board":"2x2","repeats":true,"tree":)"
                     R"({"guess":"11","children":[)";
  for (int k = 0; k < 7; ++k) {
    wide += std::string(k > 0 ? "," : "") +
            R"({"answer":{"exact":0,"colourOnly":0},"guess":"22","children":[]})";
  }
  wide += "]}}";
  EXPECT_EQ(readTree(wide).error,
            "not a tree written by tree --json: it holds more guesses than a strategy for the 4 "
            "codes of its board can");
}

// A file is read in pieces: no value or gap longer than its limit, no more bytes than the
// file's limit; a tree split over many pieces reads as one.
TEST(TreeFile, ReadsAFileInPiecesWithinItsLimits) {
  const solver::Codes codes(Board{3, 4, true});
  const std::string written = writtenTree(codes, Strategy::entropy);
  const std::string path = ::testing::TempDir() + "tree_file_test.json";
  const auto readFile = [&](const std::string& text, std::size_t limit) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
    auto buffer = FileBuffer::open(path, limit);
    EXPECT_TRUE(buffer.value) << buffer.error;
    const auto read = readTree(**buffer.value);
    const std::string failure = (*buffer.value)->failure();
    return read.value ? "(read)" : failure.empty() ? read.error : "cannot read: " + failure;
  };
  // The piece of 64 KiB that is read when a value starts comes on top of the limit.
  const std::string gap(treeValueLimit + (std::size_t{1} << 17), ' ');
  const std::size_t mib = std::size_t{1} << 20;
  // Far more than one piece of 64 KiB, with gaps of a few KiB between the values.
  std::string spread;
  for (const char c : written)
    spread += c == ',' ? ",\n" + std::string(4000, ' ') : std::string(1, c);
  ASSERT_GT(spread.size(), mib);
  EXPECT_EQ(readFile(spread, 64 * mib), "(read)");
  EXPECT_EQ(readFile(written + gap, 64 * mib),
            "not a tree written by tree --json: it holds a value, or a gap between two, longer "
            "than 1 MiB");
  EXPECT_EQ(readFile(spread, mib), "cannot read: it is larger than 1 MiB");
  std::remove(path.c_str());
  EXPECT_EQ(FileBuffer::open(path, mib).error, "No such file or directory");
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
