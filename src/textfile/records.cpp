// Names and records as the three files write them.
#include <cstring>

#include "textfile/textfile.h"

void AppendName(std::string &out, const char *row, size_t n) {
  size_t start = out.size();
  out.append(row, strnlen(row, n));
  for (size_t i = start; i < out.size(); i++) out[i] = NameChar(out[i]);
}

void AppendNumberRecord(std::string &out, const char *key, const float *v, int n, int decimals,
                        int lastDecimals) {
  out += key;
  for (int i = 0; i < n; i++) {
    out += '\t';
    AppendFixed(out, v[i], i == n - 1 && lastDecimals >= 0 ? lastDecimals : decimals);
  }
  out += '\n';
}

void AppendIntRecord(std::string &out, const char *key, long v) {
  out += key;
  out += '\t';
  AppendInt(out, v);
  out += '\n';
}

void AppendNameRecord(std::string &out, const char *key, const char *row, size_t n) {
  out += key;
  out += '\t';
  AppendName(out, row, n);
  out += '\n';
}
