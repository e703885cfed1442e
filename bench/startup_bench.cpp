// What a whole process of the game costs, beside an empty C program: each run is spawned with
// its output to /dev/null, and the CPU time of the finished children (user and system, from
// getrusage) is what a run costs, loading and start-up included.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>  // environ

namespace {

double childCpuMicroseconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  const auto micros = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_usec);
  };
  return micros(usage.ru_utime) + micros(usage.ru_stime);
}

bool runOnce(const char* path) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  char* argv[] = {const_cast<char*>(path), nullptr};
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, path, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  return spawned == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
         WEXITSTATUS(status) == 0;
}

void processStart(benchmark::State& bench, const char* path) {
  const double before = childCpuMicroseconds();
  for (auto _ : bench) {
    if (!runOnce(path)) {
      bench.SkipWithError("the program did not run to a zero exit");
      return;
    }
  }
  bench.counters["cpuPerRun_us"] =
      (childCpuMicroseconds() - before) / static_cast<double>(bench.iterations());
}

BENCHMARK_CAPTURE(processStart, emptyC, CODEBREAKER_EMPTY_C_BINARY)
    ->Iterations(200)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(processStart, game, CODEBREAKER_GAME_BINARY)
    ->Iterations(200)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace
