#include "lab/text/file_reader.hpp"

#include <cerrno>
#include <cstdio>
#include <memory>

#include "lab/text/output.hpp"

namespace codebreaker::lab {

Parsed<std::string> readWholeFile(const std::string& path, std::size_t limit) {
  errno = 0;
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                             &std::fclose);
  if (!file) return {std::nullopt, reasonOf(errno)};
  std::string text;
  char buffer[1 << 16];
  for (;;) {
    const std::size_t read = std::fread(buffer, 1, sizeof buffer, file.get());
    if (read == 0) break;
    if (text.size() + read > limit) {
      return {std::nullopt, "it is larger than " + std::to_string(limit >> 20) + " MiB"};
    }
    text.append(buffer, read);
  }
  if (std::ferror(file.get()) != 0) return {std::nullopt, reasonOf(errno)};
  return {std::move(text), {}};
}

}  // namespace codebreaker::lab
