// Files written whole or not at all, without losing what protected the file they replace.
#include "lab/text/file_writer.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace codebreaker::lab {
namespace {

namespace fs = std::filesystem;

// A scratch folder anyone may write into, removed with what is left in it.
class Folder {
 public:
  Folder() {
    std::string pattern = ::testing::TempDir() + "writer-XXXXXX";
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    ::chmod(path_.c_str(), 01777);
  }
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;
  ~Folder() { fs::remove_all(path_); }

  [[nodiscard]] std::string file(const std::string& name) const { return path_ + "/" + name; }
  [[nodiscard]] std::size_t entries() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(path_), {}));
  }

 private:
  std::string path_;
};

std::string contents(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void make(const std::string& path, const std::string& text, mode_t mode) {
  std::ofstream(path) << text;
  ::chmod(path.c_str(), mode);
}

struct stat statOf(const std::string& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info;
}

// Runs `work` in a child process as the user nobody, and returns its exit status.
template <typename Work>
int asNobody(Work work) {
  const pid_t child = fork();
  if (child == 0) {
    const bool dropped = setgid(65534) == 0 && setuid(65534) == 0;
    _exit(dropped ? work() : 99);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(FileWriter, AReplacedFileKeepsItsPermissions) {
  const Folder folder;
  for (const mode_t mode : {0600U, 0644U, 0666U, 0755U, 0640U}) {
    const std::string page = folder.file("page.html");
    make(page, "old", mode);
    ASSERT_EQ(writeFileAtomically(page, "new"), std::nullopt);
    EXPECT_EQ(contents(page), "new");
    EXPECT_EQ(statOf(page).st_mode & 07777U, mode) << std::oct << mode;
  }
  EXPECT_EQ(folder.entries(), 1U);  // no temporary file left
}

// Where the process may (as root), a file owned by another user stays theirs.
TEST(FileWriter, AReplacedFileKeepsItsOwnerWhereTheProcessMay) {
  if (geteuid() != 0) GTEST_SKIP() << "only root may give a file away";
  const Folder folder;
  const std::string page = folder.file("theirs.html");
  make(page, "old", 0640);
  ASSERT_EQ(::chown(page.c_str(), 65534, 65534), 0);
  ASSERT_EQ(writeFileAtomically(page, "new"), std::nullopt);
  EXPECT_EQ(contents(page), "new");
  EXPECT_EQ(statOf(page).st_uid, 65534U);
  EXPECT_EQ(statOf(page).st_gid, 65534U);
  EXPECT_EQ(statOf(page).st_mode & 07777U, 0640U);
}

// Every name of a file with several keeps showing it: it is written in place.
TEST(FileWriter, AFileWithSeveralNamesIsWrittenInPlace) {
  const Folder folder;
  const std::string page = folder.file("page.html");
  make(page, "old", 0644);
  fs::create_hard_link(page, folder.file("other-name.html"));
  ASSERT_EQ(writeFileAtomically(page, "new and longer"), std::nullopt);
  EXPECT_EQ(contents(page), "new and longer");
  EXPECT_EQ(contents(folder.file("other-name.html")), "new and longer");
  EXPECT_EQ(statOf(page).st_nlink, 2U);
}

// A file its user may not write is not replaced, however writable its folder; root may, as a
// shell's > would.
TEST(FileWriter, AWriteProtectedFileIsRefusedToThoseWhoMayNotWriteIt) {
  const Folder folder;
  const std::string page = folder.file("protected.html");
  make(page, "old", 0444);
  if (geteuid() == 0) {
    const int status = asNobody([&] {
      const auto failure = writeFileAtomically(page, "new");
      return failure == std::optional<std::string>("it may not be written: Permission denied") ? 0
                                                                                               : 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(contents(page), "old");
    EXPECT_EQ(folder.entries(), 1U);
    EXPECT_EQ(writeFileAtomically(page, "root's"), std::nullopt);
    EXPECT_EQ(contents(page), "root's");
    EXPECT_EQ(statOf(page).st_mode & 07777U, 0444U);
  } else {
    EXPECT_EQ(writeFileAtomically(page, "new"), "it may not be written: Permission denied");
    EXPECT_EQ(contents(page), "old");
  }
}

// What failed is named: the folder of /proc/version takes no new file.
TEST(FileWriter, AFailureNamesTheStepThatFailed) {
  if (::access("/proc/version", W_OK) == 0) {
    EXPECT_EQ(writeFileAtomically("/proc/version", "x"),
              "creating a temporary file beside it: No such file or directory");
  } else {
    EXPECT_EQ(writeFileAtomically("/proc/version", "x"),
              "it may not be written: Permission denied");
  }
  const Folder folder;
  EXPECT_EQ(writeFileAtomically(folder.file("missing/page.html"), "x"),
            "creating a temporary file beside it: No such file or directory");
  EXPECT_EQ(folder.entries(), 0U);
}

}  // namespace
}  // namespace codebreaker::lab
