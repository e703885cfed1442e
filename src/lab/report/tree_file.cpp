#include "lab/report/tree_file.hpp"

#include <algorithm>
#include <iterator>
#include <memory>
#include <new>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "lab/text/code_text.hpp"
#include "lab/text/quote.hpp"
#include "solver/answer_slots.hpp"
#include "solver/codes.hpp"
#include "solver/decision_tree_check.hpp"

namespace codebreaker::lab {
namespace {

using nlohmann::json;
using solver::DecisionTree;

// Deeper than any tree the lab writes (at most 20 guesses with --max-guesses, far fewer
// without); the limit keeps a hostile file from exhausting the stack of the tree's check.
constexpr std::int32_t deepestGuess = 100;
// Objects and lists inside one another, in the values the reader passes over: each guess takes
// two (its object and its list of children), so this leaves room for every tree it reads.
constexpr std::size_t deepestNesting = 2 * deepestGuess + 16;
// How much of a library message a refusal quotes.
constexpr std::size_t messageCharacters = 160;

Parsed<TreeFile> refuse(const std::string& why) {
  return {std::nullopt, "not a tree written by tree --json: " + why};
}

// The characters of a byte stream, for the JSON library's iterator input: it ends at the end
// of the stream or at a NUL byte, which no JSON text holds (the library would take it for the
// end of the text and ignore what follows).
class Bytes {
 public:
  using iterator_category = std::input_iterator_tag;
  using value_type = char;
  using difference_type = std::ptrdiff_t;
  using pointer = const char*;
  using reference = char;

  Bytes() = default;
  Bytes(std::streambuf& in, bool& sawNul) : in_(&in), sawNul_(&sawNul) {}

  char operator*() const { return std::streambuf::traits_type::to_char_type(in_->sgetc()); }
  Bytes& operator++() {
    in_->sbumpc();
    return *this;
  }
  bool operator==(const Bytes& other) const { return ended() == other.ended(); }

 private:
  [[nodiscard]] bool ended() const {
    if (in_ == nullptr) return true;
    const auto next = in_->sgetc();
    if (next == std::streambuf::traits_type::eof()) return true;
    if (next == 0) *sawNul_ = true;
    return next == 0;
  }

  std::streambuf* in_ = nullptr;
  bool* sawNul_ = nullptr;
};

// A read-only stream buffer over text already in memory.
class TextBuffer final : public std::streambuf {
 public:
  explicit TextBuffer(std::string_view text) {
    // The buffer is only ever read: the cast lets std::streambuf point into the text.
    char* const begin =
        const_cast<char*>(text.data());  // NOLINT(cppcoreguidelines-pro-type-const-cast)
    setg(begin, begin, begin + text.size());
  }
};

// The JSON of a tree file, event by event (the library's SAX interface), built into the tree
// as it comes; the first fault found stops the reading and is kept.
class TreeEvents {
 public:
  explicit TreeEvents(FileBuffer* file) : file_(file) {}

  // After the library has read the whole text: the tree, or why the file is none.
  Parsed<TreeFile> result(bool parsed) {
    if (!fault_.empty()) return refuse(fault_);
    if (!parsed) return refuse("its JSON is broken");
    TreeFile read{*board_, *strategy_, std::move(tree_)};
    if (const std::string fault = solver::checkStrategy(read.tree, *codes_); !fault.empty()) {
      return refuse("it does not solve every code: " + fault);
    }
    return {std::move(read), {}};
  }

  // The library's events. Each returns false to stop the reading.
  bool null() { return value(Kind::null, {}); }
  bool boolean(bool truth) { return value(Kind::boolean, truth ? "true" : "false"); }
  bool number_integer(std::int64_t number) { return value(Kind::number, std::to_string(number)); }
  bool number_unsigned(std::uint64_t number) { return value(Kind::whole, std::to_string(number)); }
  bool number_float(double /*number*/, const std::string& text) {
    return value(Kind::number, text);
  }
  // cppcheck-suppress constParameter ; the library's interface takes a mutable string
  bool string(std::string& text) { return value(Kind::text, text); }
  bool binary(json::binary_t& /*bytes*/) { return value(Kind::null, {}); }
  bool start_object(std::size_t /*elements*/) { return open(true); }
  bool key(std::string& name);
  bool end_object() { return close(); }
  bool start_array(std::size_t /*elements*/) { return open(false); }
  bool end_array() { return close(); }
  bool parse_error(std::size_t /*position*/, const std::string& /*token*/,
                   const json::exception& e) {
    // Without the library's own tag, "[json.exception.parse_error.101] ".
    const std::string_view what = e.what();
    const std::size_t tag = what.starts_with("[json.") ? what.find("] ") : std::string_view::npos;
    return fail("its JSON is broken (" +
                escapedUpTo(tag == std::string_view::npos ? what : what.substr(tag + 2),
                            messageCharacters) +
                ")");
  }

  bool fail(std::string fault) {
    if (fault_.empty()) fault_ = std::move(fault);
    return false;
  }

 private:
  enum class Kind { null, boolean, whole, number, text };
  // What an object or a list of the file is to the reader.
  enum class Role { file, node, children, answer, passed };

  struct Pending {
    solver::AnswerSlot answer = 0;
    std::uint32_t next = DecisionTree::solved;
    std::optional<solver::CodeIndex> solved;  // the code a solved branch names
  };
  struct Level {
    Role role = Role::passed;
    bool object = false;
    std::string key;  // the key of the value to come
    std::set<std::string> keys;
    std::int32_t depth = 0;  // a node's guess number, the root's 1
    // A node's:
    std::optional<solver::CodeIndex> guess;
    std::optional<solver::CodeIndex> solved;
    std::optional<solver::AnswerSlot> answer;
    std::optional<std::uint32_t> index;
    bool children = false;
    std::vector<Pending> branches;
    // An answer's:
    std::optional<std::int32_t> exact;
    std::optional<std::int32_t> colourOnly;
  };

  // Called at every event, so that no one value may take more than its limit.
  void mark() {
    if (file_ != nullptr) file_->allowAhead(treeValueLimit);
  }

  bool open(bool object);
  bool openWithin(Level& outer, Level& inner);
  bool close();
  bool value(Kind kind, const std::string& text);
  bool fileValue(const Level& level, Kind kind, const std::string& text);
  bool nodeValue(Level& level, Kind kind, const std::string& text);
  bool answerValue(Level& level, Kind kind, const std::string& text);
  bool closeNode(Level& node);
  bool closeFile();
  bool startNode(Level& node);
  bool startTree();
  [[nodiscard]] std::optional<solver::CodeIndex> code(const std::string& text);

  FileBuffer* file_;
  std::vector<Level> levels_;
  std::string fault_;
  bool commandSeen_ = false;
  std::optional<solver::Board> board_;
  std::optional<bool> repeats_;
  std::optional<solver::Strategy> strategy_;
  std::unique_ptr<const solver::Codes> codes_;
  bool treeSeen_ = false;
  DecisionTree tree_;
  std::size_t solvedBranches_ = 0;
};

bool TreeEvents::key(std::string& name) {
  mark();
  Level& level = levels_.back();
  if (!level.keys.insert(name).second) return fail(quote(name) + " is given twice in one object");
  level.key = name;
  return true;
}

bool TreeEvents::open(bool object) {
  mark();
  if (levels_.size() >= deepestNesting) {
    return fail("it is nested more than " + std::to_string(deepestNesting) + " deep");
  }
  Level inner;
  inner.object = object;
  if (levels_.empty()) {
    if (!object) return fail("it has no tree");
    inner.role = Role::file;
  } else if (!openWithin(levels_.back(), inner)) {
    return false;
  }
  levels_.push_back(std::move(inner));
  return true;
}

// What an object or list opened inside `outer` is; false when it cannot stand there.
bool TreeEvents::openWithin(Level& outer, Level& inner) {
  const std::string& field = outer.key;
  switch (outer.role) {
    case Role::file:
      if (field != "tree") return true;
      if (!inner.object) return fail("\"tree\" is not an object");
      if (!startTree()) return false;
      inner.role = Role::node;
      inner.depth = 1;
      return true;
    case Role::node:
      if (field == "answer") {
        if (!inner.object) return fail("\"answer\" is not an object");
        if (outer.depth == 1) return fail("the first guess has an \"answer\"");
        inner.role = Role::answer;
      } else if (field == "children") {
        if (inner.object) return fail("\"children\" is not a list");
        outer.children = true;
        if (!startNode(outer)) return false;
        inner.role = Role::children;
      } else if (field == "guess" || field == "solved") {
        return fail(quote(field) + " is not a code in quotes");
      }
      return true;
    case Role::children:
      if (!inner.object) return fail("a child of a guess is not an object");
      inner.role = Role::node;
      inner.depth = levels_[levels_.size() - 2].depth + 1;
      if (inner.depth > deepestGuess) {
        return fail("it is more than " + std::to_string(deepestGuess) + " guesses deep");
      }
      return true;
    case Role::answer:
      if (field == "exact" || field == "colourOnly") {
        return fail("an answer's " + quote(field) + " is not a whole number");
      }
      return true;
    case Role::passed:
      return true;
  }
  return true;
}

bool TreeEvents::startTree() {
  treeSeen_ = true;
  if (!board_ || !repeats_) return fail(R"(its "board" and "repeats" must come before its "tree")");
  board_->repeats = *repeats_;
  if ((!board_->repeats && board_->colours < board_->pegs) ||
      board_->codeCount() > solver::strategyCodeLimit) {
    return fail("it names no board the strategies play: " + boardWords(*board_));
  }
  codes_ = std::make_unique<const solver::Codes>(*board_);
  return true;
}

// Gives `node` its place in the tree once it is known to be a guess (not a code solved).
bool TreeEvents::startNode(Level& node) {
  if (node.solved) return fail("a branch has both \"solved\" and a guess");
  if (node.index) return true;
  // Every guess of a strategy splits its codes in two parts at least, or solves the one it has:
  // so a strategy for n codes has at most n solved branches and 2n - 1 guesses.
  if (tree_.nodes.size() >= 2 * codes_->size() - 1) {
    return fail("it holds more guesses than a strategy for the " + std::to_string(codes_->size()) +
                " codes of its board can");
  }
  node.index = static_cast<std::uint32_t>(tree_.nodes.size());
  tree_.nodes.emplace_back();
  return true;
}

bool TreeEvents::close() {
  mark();
  Level level = std::move(levels_.back());
  levels_.pop_back();
  switch (level.role) {
    case Role::file:
      return closeFile();
    case Role::node:
      return closeNode(level);
    case Role::answer: {
      if (!level.exact || !level.colourOnly) {
        return fail(std::string("an answer without ") +
                    (level.exact ? "\"colourOnly\"" : "\"exact\""));
      }
      const solver::Answer answer{*level.exact, *level.colourOnly};
      const std::int32_t pegs = board_->pegs;
      if (!solver::possibleAnswer(answer, pegs)) {
        return fail("an answer of " + std::to_string(answer.exact) + " exact and " +
                    std::to_string(answer.colourOnly) + " colour-only cannot be");
      }
      levels_.back().answer = solver::slotOf(answer, pegs);
      return true;
    }
    case Role::children:
    case Role::passed:
      return true;
  }
  return true;
}

bool TreeEvents::closeNode(Level& node) {
  const bool root = node.depth == 1;
  const solver::AnswerSlot solvedAnswer = solver::solvedSlot(board_->pegs);
  Pending branch;
  if (!root) {
    if (!node.answer) return fail("a branch without \"answer\"");
    branch.answer = *node.answer;
  }
  if (node.solved) {
    if (root) return fail("the tree has no first guess");
    if (branch.answer != solvedAnswer) {
      const solver::Answer answer = solver::answerOfSlot(branch.answer, board_->pegs);
      return fail("a code is solved under an answer of " + std::to_string(answer.exact) +
                  " exact and " + std::to_string(answer.colourOnly) + " colour-only");
    }
    branch.solved = node.solved;
  } else {
    if (!node.guess) return fail(root ? "the tree has no first guess" : "a branch has no guess");
    if (!node.children) return fail("a guess without \"children\"");
    const auto elsewhere = std::find_if(
        node.branches.begin(), node.branches.end(),
        [&node](const Pending& below) { return below.solved && *below.solved != *node.guess; });
    if (elsewhere != node.branches.end()) {
      return fail("the code solved under " + quote(compactCode(codes_->colours(*node.guess))) +
                  " is " + quote(compactCode(codes_->colours(*elsewhere->solved))));
    }
    tree_.nodes[*node.index] = {*node.guess, static_cast<std::uint32_t>(tree_.branches.size()),
                                static_cast<std::uint32_t>(node.branches.size())};
    for (const Pending& below : node.branches) tree_.branches.push_back({below.answer, below.next});
    branch.next = *node.index;
  }
  if (root) return true;
  // Every other branch leads to a guess of its own, so only these could outgrow the guesses.
  if (branch.solved && ++solvedBranches_ > codes_->size()) {
    return fail("it solves more codes than the " + std::to_string(codes_->size()) +
                " of its board");
  }
  // The node's branch goes to the guess above it, beyond the list of children.
  levels_[levels_.size() - 2].branches.push_back(branch);
  return true;
}

bool TreeEvents::closeFile() {
  if (!commandSeen_ || !treeSeen_) return fail("it has no tree");
  if (!strategy_) return fail("it names no strategy");
  return true;
}

bool TreeEvents::value(Kind kind, const std::string& text) {
  mark();
  if (levels_.empty()) return fail("it has no tree");
  Level& level = levels_.back();
  switch (level.role) {
    case Role::file:
      return fileValue(level, kind, text);
    case Role::node:
      return nodeValue(level, kind, text);
    case Role::answer:
      return answerValue(level, kind, text);
    case Role::children:
      return fail("a child of a guess is not an object");
    case Role::passed:
      return true;
  }
  return true;
}

bool TreeEvents::fileValue(const Level& level, Kind kind, const std::string& text) {
  const std::string& field = level.key;
  if (field == "command") {
    if (kind != Kind::text || text != "tree") return fail("it has no tree");
    commandSeen_ = true;
  } else if (field == "strategy") {
    const auto strategy = kind == Kind::text ? solver::strategyNamed(text) : std::nullopt;
    if (!strategy || *strategy == solver::Strategy::random) {
      return fail("it names no strategy that tree writes: " + quote(text));
    }
    strategy_ = strategy;
  } else if (field == "board") {
    board_ = kind == Kind::text ? boardNamed(text) : std::nullopt;
    if (!board_) return fail("it names no board the strategies play: " + quote(text));
  } else if (field == "repeats") {
    if (kind != Kind::boolean) return fail("\"repeats\" is not true or false");
    repeats_ = text == "true";
  } else if (field == "tree") {
    return fail("\"tree\" is not an object");
  }
  return true;
}

bool TreeEvents::nodeValue(Level& level, Kind kind, const std::string& text) {
  const std::string& field = level.key;
  if (field == "answer") return fail("\"answer\" is not an object");
  if (field == "children") return fail("\"children\" is not a list");
  if (field != "guess" && field != "solved") return true;
  if (kind != Kind::text) return fail(quote(field) + " is not a code in quotes");
  const auto index = code(text);
  if (!index) return false;
  if (field == "guess") {
    level.guess = index;
    return startNode(level);
  }
  if (level.depth == 1) return fail("the tree has no first guess");
  if (level.index) return fail("a branch has both \"solved\" and a guess");
  level.solved = index;
  return true;
}

bool TreeEvents::answerValue(Level& level, Kind kind, const std::string& text) {
  const std::string& field = level.key;
  if (field != "exact" && field != "colourOnly") return true;
  const std::int32_t pegs = board_->pegs;
  std::int32_t count = -1;
  if (kind == Kind::whole && text.size() == 1) count = text[0] - '0';
  if (count < 0 || count > pegs) {
    return fail("an answer's " + quote(field) + " is " + quote(text) +
                ", not a whole number from 0 to " + std::to_string(pegs));
  }
  (field == "exact" ? level.exact : level.colourOnly) = count;
  return true;
}

std::optional<solver::CodeIndex> TreeEvents::code(const std::string& text) {
  solver::Pegs pegs{};
  bool valid = text.size() == static_cast<std::size_t>(board_->pegs);
  for (std::size_t p = 0; valid && p < std::min(text.size(), pegs.size()); ++p) {
    pegs[p] = static_cast<std::uint8_t>(colourOfDigit(text[p]));
  }
  const auto index = valid ? codes_->indexOf(pegs) : std::nullopt;
  if (!index) {
    fail(quote(text) + " is no code of the board");
    return std::nullopt;
  }
  return static_cast<solver::CodeIndex>(*index);
}

Parsed<TreeFile> readFrom(std::streambuf& in, FileBuffer* file) {
  TreeEvents events(file);
  bool sawNul = false;
  const bool parsed = json::sax_parse(Bytes(in, sawNul), Bytes(), &events);
  // Where the bytes ended early, that is the fault, not what the library made of the end.
  if (file != nullptr && !file->failure().empty()) return {std::nullopt, file->failure()};
  if (file != nullptr && file->overran()) {
    return refuse("it holds a value, or a gap between two, longer than " +
                  std::to_string(treeValueLimit >> 20) + " MiB");
  }
  if (sawNul) return refuse("it holds a NUL byte");
  return events.result(parsed);
}

}  // namespace

Parsed<TreeFile> readTree(std::string_view text) {
  TextBuffer in(text);
  return readFrom(in, nullptr);
}

Parsed<TreeFile> readTree(FileBuffer& file) { return readFrom(file, &file); }

}  // namespace codebreaker::lab
