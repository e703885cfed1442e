// Files the lab reads, such as a strategy's tree: read whole, up to a size that no file of the
// lab's own comes near.
#pragma once

#include <cstddef>
#include <string>

#include "lab/text/parsed.hpp"

namespace codebreaker::lab {

// The whole of the file at `path`, or why it cannot be read ("No such file or directory", "it
// is larger than 64 MiB"): a device that never ends, such as /dev/zero, is refused at
// `limit` bytes instead of filling the memory.
Parsed<std::string> readWholeFile(const std::string& path, std::size_t limit);

}  // namespace codebreaker::lab
