// libFuzzer target: reads arbitrary bytes as a tree file, as `solve --tree` does. A file is
// either a complete strategy of its board, which `tree --json` writes back as a file that
// reads as the same tree, or refused in one short line that a terminal cannot obey.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "lab/report/tree_file.hpp"
#include "lab/report/tree_report.hpp"
#include "solver/codes.hpp"
#include "solver/decision_tree_check.hpp"

namespace {

// Longer than any refusal: a quoted value is cut after 40 characters, a library's message after
// 160, each character escaped in at most 6 bytes.
constexpr std::size_t longestRefusal = 1400;

[[noreturn]] void fail(const char* what, const std::string& detail) {
  std::fprintf(stderr, "tree_file_fuzzer: %s\n  %s\n", what, detail.substr(0, 400).c_str());
  std::abort();
}

void checkRefusal(const std::string& error) {
  if (!error.starts_with("not a tree written by tree --json: ")) fail("an odd refusal", error);
  if (error.size() > longestRefusal) fail("a refusal too long for a line", error);
  for (const char c : error) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f) fail("a control byte in a refusal", error);
  }
}

void checkTree(const codebreaker::lab::TreeFile& read) {
  const codebreaker::solver::Codes codes(read.board);
  const std::string fault = codebreaker::solver::checkStrategy(read.tree, codes);
  if (!fault.empty()) fail("a tree read that is no strategy", fault);
  const std::string written = codebreaker::lab::formatJson(
      {codebreaker::solver::nameOf(read.strategy), &codes, &read.tree,
       codebreaker::solver::guessesPerCode(read.tree, codes), std::nullopt});
  const auto again = codebreaker::lab::readTree(written);
  if (!again.value) fail("a tree written back does not read", again.error);
  const std::string rewritten = codebreaker::lab::formatJson(
      {codebreaker::solver::nameOf(again.value->strategy), &codes, &again.value->tree,
       codebreaker::solver::guessesPerCode(again.value->tree, codes), std::nullopt});
  if (rewritten != written) fail("a tree written back reads as another", written);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto read = codebreaker::lab::readTree(text);
  if (read.value) {
    checkTree(*read.value);
  } else {
    checkRefusal(read.error);
  }
  return 0;
}
