// Files the lab writes, such as a page: written whole or not at all.
#pragma once

#include <optional>
#include <string>

namespace codebreaker::lab {

// Writes `text` to the file `path` whole or not at all: into a temporary file beside it, which
// is then renamed over `path`. Returns the reason it failed ("No such file or directory"), or
// nothing once the file is in place. A failure leaves no temporary file behind. A path that
// names a device or a pipe (/dev/stdout, /dev/null) is written to in place, since renaming
// over it would replace it; a symbolic link keeps pointing at the file it names.
std::optional<std::string> writeFileAtomically(const std::string& path, const std::string& text);

}  // namespace codebreaker::lab
