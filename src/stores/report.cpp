// What a store or recall says on the status line when a file could not be read or replaced.
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#include "status/status.h"
#include "stores/stores.h"
#include "textfile/textfile.h"

void ReportReplaceFailure(const char *name, int result) {
  int err = errno;
  struct stat st;
  switch (result) {
    case WRITE_OPEN_FAILED:
      ReportStoreError("Could not store %s: cannot write in this folder: %s", name, strerror(err));
      break;
    case WRITE_TOO_LARGE:
      ReportStoreError("%s would be larger than a recall reads (%zu MiB), so it was not stored", name,
                       MaxFileSize >> 20);
      break;
    case WRITE_FOLDER: ReportStoreError("%s is a folder", name); break;
    case WRITE_NOT_REGULAR:
      stat(name, &st);
      ReportStoreError("%s is %s, not a file: nothing was stored", name,
                       S_ISFIFO(st.st_mode)   ? "a FIFO"
                       : S_ISSOCK(st.st_mode) ? "a socket"
                                              : "a device");
      break;
    case WRITE_READ_ONLY: ReportStoreError("%s is read-only", name); break;
    case WRITE_DANGLING:
      ReportStoreError("%s links into a folder that does not exist", name);
      break;
    case WRITE_UNREAD: RefuseChanged(name); break;
    default: ReportStoreError("Could not write %s: %s", name, err ? strerror(err) : "short write");
  }
  errno = err;
}

bool LoadTextFile(const char *name, std::string &text) {
  switch (ReadTextFile(name, text, true)) {
    case FILE_OK: return true;
    case FILE_MISSING: return false;
    case FILE_TOO_LARGE: ReportStoreError("%s is too large to read", name); return false;
    case FILE_NOT_TEXT: ReportStoreError("%s is not a text file Corvessa can read (UTF-16?)", name); return false;
    default: ReportStoreError("Could not read %s", name); return false;
  }
}

bool StoreTextFile(const char *name, const std::string &text) {
  size_t written;
  errno = 0;
  int result = ReplaceFile(name, text.data(), text.size(), &written, !ReplaceAnyway(name));
  if (result == WRITE_OK) {
    StoredFile(name);
    return true;
  }
  ReportReplaceFailure(name, result);
  return false;
}

