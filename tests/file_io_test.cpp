// Writing a file never replaces what is not a regular file of the player's; the table of targets
// run through the real program is in cli_write_targets.sh, and this covers what a shell cannot
// make: a socket.

#include "files/file_io.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

TEST(FileWriting, SocketAtTheTargetIsRefusedAndKept) {
  std::string pattern = (fs::temp_directory_path() / "talvenne-io-XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  const std::string path = pattern + "/s";
  const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(listener, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(path.size(), sizeof address.sun_path);
  std::strcpy(address.sun_path, path.c_str());
  ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

  std::string error;
  const uint8_t bytes[] = {1, 2, 3};
  EXPECT_FALSE(WriteFileAtomically(path, bytes, &error));
  EXPECT_EQ(error, path + ": is a socket, not a regular file; it is left alone");
  EXPECT_TRUE(fs::is_socket(path));
  EXPECT_EQ(std::distance(fs::directory_iterator(pattern), fs::directory_iterator()), 1)
      << "no temporary left";
  close(listener);
  fs::remove_all(pattern);
}

}  // namespace
