#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "base/Utf.h"
#include "tools/qxskin/QxFiles.h"

namespace qw {

namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path, int error) {
  throw EQxFileError(what + " \"" + path + "\": " + std::strerror(error));
}

}  // namespace

std::vector<uint8_t> ReadWholeFile(const std::u16string& path16) {
  const std::string path = Utf16ToUtf8(path16);
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) Fail("cannot open", path, errno);
  std::vector<uint8_t> data;
  uint8_t buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      ::close(fd);
      Fail("cannot read", path, error);
    }
    data.insert(data.end(), buffer, buffer + n);
  }
  ::close(fd);
  return data;
}

void WriteFileReplacing(const std::u16string& path16, std::string_view bytes) {
  const std::string path = Utf16ToUtf8(path16);
  const std::string temp = path + ".tmp-" + std::to_string(::getpid());
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) Fail("cannot create", temp, errno);
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const int error = n < 0 ? errno : EIO;
      ::close(fd);
      ::unlink(temp.c_str());
      Fail("cannot write", temp, error);
    }
    done += static_cast<size_t>(n);
  }
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(temp.c_str());
    Fail("cannot write", temp, error);
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temp.c_str());
    Fail("cannot replace", path, error);
  }
}

}  // namespace qw
