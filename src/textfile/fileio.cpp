// Whole-file reads and atomic replacement, and the load and store of a text file
// that report on the status line.
#include "textfile/textfile.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "status/status.h"

int ReadWholeFile(const char *name, std::string &text, size_t limit) {
  // Never wait on a pipe or device put in the file's place.
  int fd = open(name, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return errno == ENOENT ? FILE_MISSING : FILE_UNREADABLE;
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return FILE_UNREADABLE;
  }
  if ((unsigned long long)st.st_size > limit) {
    close(fd);
    return FILE_TOO_LARGE;
  }
  std::string buf(st.st_size, '\0');
  size_t got = 0;
  while (got < buf.size()) {
    ssize_t n = read(fd, &buf[got], buf.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += n;
  }
  close(fd);
  if (got < buf.size()) return FILE_UNREADABLE;
  text.swap(buf);
  return FILE_OK;
}

int ReplaceFile(const char *name, const char *data, size_t len, size_t *written) {
  // A file-size limit must make write() fail, not end the program.
  static bool once = (signal(SIGXFSZ, SIG_IGN), true);
  (void)once;
  *written = 0;

  // A symbolic link is followed: the file it names is the one replaced.
  std::string target = name;
  struct stat lst;
  if (lstat(name, &lst) == 0 && S_ISLNK(lst.st_mode)) {
    if (char *real = realpath(name, nullptr)) {
      target = real;
      free(real);
    }
  }
  name = target.c_str();

  std::string tmp = target + ".XXXXXX";
  int fd = mkstemp(&tmp[0]);
  if (fd < 0) return WRITE_OPEN_FAILED;
  // Keep the old file's permissions; a new file gets the usual ones.
  struct stat st;
  mode_t mode;
  if (stat(name, &st) == 0 && S_ISREG(st.st_mode)) {
    mode = st.st_mode & 07777;
  } else {
    mode_t mask = umask(0);
    umask(mask);
    mode = 0666 & ~mask;
  }
  fchmod(fd, mode);

  while (*written < len) {
    ssize_t n = write(fd, data + *written, len - *written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    *written += n;
  }
  int result = WRITE_OK;
  if (*written < len) result = WRITE_SHORT;
  if (close(fd) != 0 && result == WRITE_OK) result = WRITE_SHORT;
  if (result == WRITE_OK && rename(tmp.c_str(), name) != 0) result = WRITE_RENAME_FAILED;
  if (result != WRITE_OK) unlink(tmp.c_str());
  return result;
}

bool LoadTextFile(const char *name, std::string &text) {
  switch (ReadWholeFile(name, text, MaxFileSize)) {
    case FILE_OK: return true;
    case FILE_MISSING: return false;
    case FILE_TOO_LARGE: SetStatus("%s is too large to read", name); return false;
    default: SetStatus("Could not read %s", name); return false;
  }
}

bool StoreTextFile(const char *name, const std::string &text) {
  size_t written;
  errno = 0;
  int result = ReplaceFile(name, text.data(), text.size(), &written);
  if (result == WRITE_OK) return true;
  int err = errno;
  ReportStoreError("Could not write %s: %s", name, err ? strerror(err) : "short write");
  return false;
}
