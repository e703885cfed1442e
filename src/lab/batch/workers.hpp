// How a batch of games is spread over the cores: on how many threads, and with which draws.
#pragma once

#include <cstdio>

namespace codebreaker::lab {

// The lab's own copy of std::rand is exact on the C library it was checked against; on another
// one its draws would not be the game's, so the batch falls back to std::rand itself, which is
// one global generator and so allows one thread only.
struct RunPlan {
  unsigned jobs = 1;
  bool ownDraws = true;
};

// The cores of this machine (1 when the system does not tell).
unsigned allCores();

// The plan for `jobs` threads, given whether the lab's own draws match std::rand's here
// (glibcRandMatchesStdRand). When they do not, says so in one line on `err` and plans one
// thread with std::rand.
RunPlan planRun(unsigned jobs, bool ownDrawsMatch, std::FILE* err);

}  // namespace codebreaker::lab
