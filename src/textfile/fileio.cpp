// Whole-file reads, the safe and durable replacement of a file, and the memory
// of the files this session read or wrote.
#include "textfile/textfile.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <map>
#include <unistd.h>


namespace {

// A hash of bytes, four words at a time: quick enough for every read and write.
uint64_t hashOf(const char *p, size_t n) {
  const uint64_t k = 0x9E3779B97F4A7C15ull;
  uint64_t h[4] = {n * k, n + k, n ^ k, ~n * k}, w;
  for (; n >= 32; p += 32, n -= 32)  // four lanes, so that the multiplies overlap
    for (int l = 0; l < 4; l++) {
      memcpy(&w, p + 8 * l, 8);
      h[l] = (h[l] ^ w) * k;
      h[l] ^= h[l] >> 32;
    }
  uint64_t r = h[0] ^ (h[1] * 3) ^ (h[2] * 5) ^ (h[3] * 7);
  for (; n; n--) r = (r ^ (unsigned char)*p++) * k;
  return r ^ (r >> 29);
}

// By the name stores and recalls use: the hash of the file's bytes as last read or written.
std::map<std::string, uint64_t> known;

int readWhole(const char *name, std::string &text, size_t limit, struct stat *st) {
  // Never wait on a pipe or device put in the file's place.
  int fd = open(name, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return errno == ENOENT ? FILE_MISSING : FILE_UNREADABLE;
  if (fstat(fd, st) != 0 || !S_ISREG(st->st_mode)) {
    close(fd);
    return FILE_UNREADABLE;
  }
  if ((unsigned long long)st->st_size > limit) {
    close(fd);
    return FILE_TOO_LARGE;
  }
  std::string buf(st->st_size, '\0');
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

}  // namespace

bool WriteAll(int fd, const char *data, size_t len, off_t at, size_t *written) {
  *written = 0;
  while (*written < len) {
    ssize_t n = at < 0 ? write(fd, data + *written, len - *written)
                       : pwrite(fd, data + *written, len - *written, at + *written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    *written += n;
  }
  return true;
}

void SyncFolder(const std::string &folder) {
  int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);  // some file systems cannot sync a folder; the rename stands either way
  close(fd);
}

namespace {

// Temporary files of a store that was killed before it ended: named exactly as a
// store names them, the prefix and six letters or digits, and no other file.
void removeLeftovers(const std::string &folder, const std::string &prefix) {
  DIR *d = opendir(folder.c_str());
  if (!d) return;
  while (dirent *e = readdir(d)) {
    const char *rest = e->d_name + prefix.size();
    if (strncmp(e->d_name, prefix.c_str(), prefix.size()) || strlen(rest) != 6) continue;
    bool ours = true;
    for (const char *c = rest; *c; c++) ours = ours && isalnum((unsigned char)*c);
    if (ours) unlinkat(dirfd(d), e->d_name, 0);
  }
  closedir(d);
}

// The extended attributes of the file at path, given to the file open at fd.
void copyAttributes(const char *path, int fd) {
  ssize_t n = listxattr(path, nullptr, 0);
  if (n <= 0) return;
  std::string names(n, '\0'), value;
  n = listxattr(path, &names[0], names.size());
  for (ssize_t i = 0; i < n; i += strlen(&names[i]) + 1) {
    ssize_t size = getxattr(path, &names[i], nullptr, 0);
    if (size < 0) continue;
    value.resize(size);
    if (getxattr(path, &names[i], &value[0], value.size()) == size)
      fsetxattr(fd, &names[i], value.data(), value.size(), 0);  // one the system keeps to itself may fail
  }
}

// Writes data over the file target from its start and syncs it; on failure the
// old bytes are written back.
int writeInPlace(const std::string &target, const char *data, size_t len, const std::string &old,
                 size_t *written) {
  int fd = open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return WRITE_OPEN_FAILED;
  int result = !WriteAll(fd, data, len, 0, written) ? WRITE_SHORT
               : ftruncate(fd, len) != 0 || fsync(fd) != 0 ? WRITE_SYNC_FAILED
                                                           : WRITE_OK;
  if (result != WRITE_OK) {
    int err = errno;
    size_t back;
    WriteAll(fd, old.data(), old.size(), 0, &back);
    if (ftruncate(fd, old.size()) == 0) fsync(fd);
    errno = err;
  }
  close(fd);
  return result;
}

}  // namespace

size_t LineAt(const char *p, const char *end, const char **next) {
  // Window by window, so that a file of CR lines is not searched to its end for LF.
  for (const char *q = p; q < end;) {
    size_t w = end - q < 256 ? end - q : 256;
    const char *lf = static_cast<const char *>(memchr(q, '\n', w));
    const char *cr = static_cast<const char *>(memchr(q, '\r', lf ? lf - q : w));
    if (const char *e = cr ? cr : lf) {
      *next = e + (cr && e + 1 < end && e[1] == '\n' ? 2 : 1);
      return e - p;
    }
    q += w;
  }
  *next = end;
  return end - p;
}

int ReadWholeFile(const char *name, std::string &text, size_t limit) {
  struct stat st;
  return readWhole(name, text, limit, &st);
}

bool LooksBinary(const char *p, size_t n) {
  const unsigned char *u = reinterpret_cast<const unsigned char *>(p);
  if (n >= 2 && ((u[0] == 0xFF && u[1] == 0xFE) || (u[0] == 0xFE && u[1] == 0xFF))) return true;
  size_t head = n < 4096 ? n : 4096;
  // UTF-16 without a mark: a NUL in every other byte.
  if (head >= 8) {
    size_t pairs = (head < 256 ? head : 256) / 2, even = 0, odd = 0;
    for (size_t i = 0; i < pairs; i++) even += !u[2 * i], odd += !u[2 * i + 1];
    if (even == pairs || odd == pairs) return true;
  }
  // Another binary file: more than a quarter of its bytes are control bytes
  // (besides tab and line ends) or bytes that make no UTF-8 character.
  size_t odd = 0;
  for (size_t i = 0; i < head;) {
    unsigned char c = u[i];
    size_t len = c < 0x80 ? 1 : c >= 0xC2 && c < 0xE0 ? 2 : c >= 0xE0 && c < 0xF0 ? 3 : c >= 0xF0 && c < 0xF5 ? 4 : 0;
    size_t k = 1;
    while (k < len && i + k < head && (u[i + k] & 0xC0) == 0x80) k++;
    if (len == 0 || (k < len && i + k < head)) {
      odd++, i++;
    } else {
      odd += c < 32 && c != '\t' && c != '\n' && c != '\r';
      i += k;
    }
  }
  return head >= 8 && odd * 4 > head;
}

int ReadTextFile(const char *name, std::string &text, bool remember) {
  std::string buf;
  struct stat st;
  int got = readWhole(name, buf, MaxFileSize, &st);
  if (got != FILE_OK) return got;
  if (LooksBinary(buf.data(), buf.size())) return FILE_NOT_TEXT;
  if (remember) known[name] = hashOf(buf.data(), buf.size());
  if (!buf.compare(0, 3, "\xEF\xBB\xBF")) buf.erase(0, 3);
  text.swap(buf);
  return FILE_OK;
}

void ForgetFiles() { known.clear(); }
void ForgetFile(const char *name) { known.erase(name); }

void (*KeepReplaced)(const char *, const char *, bool, const char *, size_t);

int ReplaceFile(const char *name, const char *data, size_t len, size_t *written, bool keepUnread) {
  // A file-size limit must make write() fail, not end the program.
  static bool once = (signal(SIGXFSZ, SIG_IGN), true);
  (void)once;
  *written = 0;
  if (len > MaxFileSize) return WRITE_TOO_LARGE;

  // A symbolic link is followed: the file it names is the one replaced, and a
  // link to nothing yet creates its target.
  std::string target = name;
  struct stat st;
  bool exists = lstat(name, &st) == 0;
  if (!exists && errno != ENOENT) return WRITE_OPEN_FAILED;
  if (exists && S_ISLNK(st.st_mode)) {
    if (stat(name, &st) == 0) {
      char *real = realpath(name, nullptr);
      if (!real) return WRITE_OPEN_FAILED;
      target = real;
      free(real);
    } else {
      char to[PATH_MAX];
      ssize_t n = readlink(name, to, sizeof to - 1);
      if (n <= 0) return WRITE_OPEN_FAILED;
      to[n] = 0;
      const char *slash = strrchr(name, '/');
      target = to[0] == '/' || !slash ? std::string(to) : std::string(name, slash + 1 - name) + to;
      size_t cut = target.rfind('/');
      struct stat dst;
      if (cut != std::string::npos && (stat(target.substr(0, cut + 1).c_str(), &dst) != 0 ||
                                       !S_ISDIR(dst.st_mode)))
        return WRITE_DANGLING;
      exists = false;
    }
  }
  if (exists) {
    if (S_ISDIR(st.st_mode)) return WRITE_FOLDER;
    if (!S_ISREG(st.st_mode)) return WRITE_NOT_REGULAR;
    if (!(st.st_mode & 0222) || faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
      return WRITE_READ_ONLY;
  }

  // A file is only replaced when it holds the bytes this session last read or
  // wrote, whatever its time says, or the new text already.
  std::string old;
  if (exists && keepUnread) {
    auto k = known.find(name);
    bool kept = readWhole(target.c_str(), old, MaxFileSize, &st) == FILE_OK &&
                ((old.size() == len && !memcmp(old.data(), data, len)) ||
                 (k != known.end() && k->second == hashOf(old.data(), old.size())));
    if (!kept) return WRITE_UNREAD;
  }

  size_t cut = target.rfind('/');
  std::string folder = cut == std::string::npos ? "." : target.substr(0, cut + 1);
  std::string prefix = "." + target.substr(cut + 1) + ".corvessa-";
  removeLeftovers(folder, prefix);
  std::string tmp = (cut == std::string::npos ? "" : folder) + prefix + "XXXXXX";
  int fd = mkstemp(&tmp[0]);
  if (fd < 0) return WRITE_OPEN_FAILED;

  // Keep the old file's owner, group and permissions; a new file gets the usual
  // ones. Where the owner cannot be kept, or other names link to the file, the
  // old file is written over in place.
  bool inPlace = exists && st.st_nlink > 1;
  mode_t mode;
  if (exists) {
    mode = st.st_mode & 07777;
    if ((st.st_uid != geteuid() || st.st_gid != getegid()) && fchown(fd, st.st_uid, st.st_gid) != 0)
      inPlace = true;
  } else {
    mode_t mask = umask(0);
    umask(mask);
    mode = 0666 & ~mask;
  }
  fchmod(fd, mode);
  if (exists) copyAttributes(target.c_str(), fd);

  int result = !WriteAll(fd, data, len, -1, written) ? WRITE_SHORT
               : fsync(fd) != 0                      ? WRITE_SYNC_FAILED
                                                     : WRITE_OK;
  if (close(fd) != 0 && result == WRITE_OK) result = WRITE_SHORT;
  if (result == WRITE_OK && exists && KeepReplaced) KeepReplaced(name, target.c_str(), inPlace, data, len);
  if (result == WRITE_OK && inPlace) {
    // The old bytes as they are, to be written back if the new ones fail.
    errno = 0;
    if (readWhole(target.c_str(), old, MaxFileSize, &st) != FILE_OK)
      result = WRITE_RENAME_FAILED;
    else
      result = writeInPlace(target, data, len, old, written);
  } else if (result == WRITE_OK && rename(tmp.c_str(), target.c_str()) != 0) {
    result = WRITE_RENAME_FAILED;
  }
  int err = errno;
  if (result != WRITE_OK || inPlace) unlink(tmp.c_str());
  SyncFolder(folder);
  if (result == WRITE_OK) known[name] = hashOf(data, len);
  errno = err;
  return result;
}

