// Files the lab writes, such as a page: written whole or not at all, and without taking away
// what protected the file they replace.
#pragma once

#include <optional>
#include <string>

namespace codebreaker::lab {

// Writes `text` to the file `path` whole or not at all: into a temporary file beside it,
// flushed to the disk, which is then renamed over `path`, and the folder flushed after it.
// A file it replaces keeps its permissions and, where the process may set them, its owner and
// group; a file the user may not write is not replaced (as a shell's > would refuse it).
// Written in place instead, since a rename would break what they are:
//   - a device, a pipe or a terminal (/dev/stdout, /dev/null);
//   - a file with more than one name (a hard link): every name keeps showing the same file,
//     at the cost of a failed write leaving it cut short.
// A symbolic link keeps pointing at the file it names. Returns what failed and why
// ("creating a temporary file beside it: No such file or directory"), or nothing once the file
// is in place; a failure leaves no temporary file behind.
std::optional<std::string> writeFileAtomically(const std::string& path, const std::string& text);

}  // namespace codebreaker::lab
