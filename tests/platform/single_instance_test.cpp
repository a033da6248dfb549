// The single-instance lock of two users: each holds a lock of their own, and a lock that cannot
// be taken never reads as another copy. The processes change user, so this needs root.

#ifndef _WIN32

#include "platform/single_instance.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "tests/platform/scoped_environment.hpp"
#include "tests/platform/scratch_directory.hpp"

namespace pelcon::platform {
namespace {

constexpr uid_t kOtherUser = 65534;  // nobody

// Takes the lock in a child process running as uid and returns the outcome. With keep (a pipe),
// the child holds the lock until the pipe's write end is closed.
InstanceLock AcquireAs(uid_t uid, const int* keep = nullptr) {
  int ready[2];
  if (::pipe(ready) != 0) return InstanceLock::kUnavailable;
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(ready[0]);
    if (uid != 0 && (::setgid(uid) != 0 || ::setuid(uid) != 0)) ::_exit(100);
    SingleInstanceGuard guard;
    const auto outcome = static_cast<char>(guard.Acquire("Tarvel Pelcon"));
    if (::write(ready[1], &outcome, 1) != 1) ::_exit(101);
    if (keep != nullptr) {
      ::close(keep[1]);
      char ignored;
      while (::read(keep[0], &ignored, 1) > 0) {
      }
    }
    ::_exit(0);
  }
  ::close(ready[1]);
  char outcome = 100;
  if (::read(ready[0], &outcome, 1) != 1) outcome = 100;
  ::close(ready[0]);
  if (keep == nullptr) ::waitpid(child, nullptr, 0);
  EXPECT_LT(outcome, 100) << "the child could not run as " << uid;
  return static_cast<InstanceLock>(outcome);
}

class TwoUsers : public ::testing::Test {
 protected:
  void SetUp() override {
    if (::geteuid() != 0) GTEST_SKIP() << "changing user needs root";
    // A temporary folder like /tmp: everyone may create entries, only owners remove them.
    std::filesystem::permissions(scratch.Path(), std::filesystem::perms(01777));
  }

  testing::ScratchDirectory scratch;
  testing::ScopedEnvironment runtime{"XDG_RUNTIME_DIR", std::nullopt};
  testing::ScopedEnvironment temporary{"TMPDIR", scratch.Path().string()};
};

TEST_F(TwoUsers, EachHoldsALockOfTheirOwn) {
  int keep[2];
  ASSERT_EQ(::pipe(keep), 0);
  EXPECT_EQ(AcquireAs(0, keep), InstanceLock::kAcquired);
  // The other user is not stopped by root's copy; root's second copy is.
  EXPECT_EQ(AcquireAs(kOtherUser), InstanceLock::kAcquired);
  EXPECT_EQ(AcquireAs(0), InstanceLock::kHeldByAnother);
  ::close(keep[1]);
  ::close(keep[0]);
  ::wait(nullptr);

  struct stat folder {};
  ASSERT_EQ(::lstat(scratch.File("tarvel-pelcon-65534").c_str(), &folder), 0);
  EXPECT_TRUE(S_ISDIR(folder.st_mode));
  EXPECT_EQ(folder.st_uid, kOtherUser);
  EXPECT_EQ(folder.st_mode & 0777, 0700u);
}

TEST_F(TwoUsers, AFolderThatIsNotTheUsersOwnIsUnavailableNotHeld) {
  // Made by another user in the user's place, and a link to a folder of the user's own.
  const std::string place = scratch.File("tarvel-pelcon-65534");
  ASSERT_EQ(::mkdir(place.c_str(), 0700), 0);
  EXPECT_EQ(AcquireAs(kOtherUser), InstanceLock::kUnavailable);

  ASSERT_EQ(::rmdir(place.c_str()), 0);
  const std::string own = scratch.File("own");
  ASSERT_EQ(::mkdir(own.c_str(), 0700), 0);
  ASSERT_EQ(::chown(own.c_str(), kOtherUser, kOtherUser), 0);
  ASSERT_EQ(::symlink(own.c_str(), place.c_str()), 0);
  EXPECT_EQ(AcquireAs(kOtherUser), InstanceLock::kUnavailable);
}

}  // namespace
}  // namespace pelcon::platform

#endif
