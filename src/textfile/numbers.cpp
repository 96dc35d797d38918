// Number text without the C library's locale: exact, and fast on the common forms.
#include "textfile/textfile.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>

namespace {

locale_t cLocale() {
  static locale_t loc = newlocale(LC_ALL_MASK, "C", (locale_t)0);
  return loc;
}

const uint64_t pow10u[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
const double pow10d[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                         1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

void appendDigits(std::string &out, uint64_t n, int minDigits) {
  char buf[24];
  int i = sizeof buf;
  do {
    buf[--i] = char('0' + n % 10);
    n /= 10;
    minDigits--;
  } while (n || minDigits > 0);
  out.append(buf + i, sizeof buf - i);
}

// The slow path: printf in the C locale.
void appendPrintf(std::string &out, double v, int decimals) {
  locale_t old = uselocale(cLocale());
  char buf[400];
  snprintf(buf, sizeof buf, "%.*f", decimals, v);
  uselocale(old);
  out += buf;
}

}  // namespace

void AppendInt(std::string &out, long n) {
  if (n < 0) {
    out += '-';
    appendDigits(out, 0 - (unsigned long)n, 1);
  } else {
    appendDigits(out, (unsigned long)n, 1);
  }
}

void AppendFixed(std::string &out, double v, int decimals) {
  if (!std::isfinite(v) || decimals < 0 || decimals > 6) return appendPrintf(out, v, decimals);
  // v = m * 2^e exactly, m an integer below 2^53, taken from the bits of v;
  // round m * 10^d / 2^-e half to even.
  uint64_t bits;
  memcpy(&bits, &v, sizeof bits);
  int biased = int(bits >> 52) & 0x7ff, e;
  uint64_t m = bits & ((uint64_t(1) << 52) - 1);
  if (biased) {
    m |= uint64_t(1) << 52;
    e = biased - 1075;
  } else {
    e = m ? -1074 : 0;  // subnormal, or zero
  }
  uint64_t q;
  if (__builtin_mul_overflow(m, pow10u[decimals], &q)) return appendPrintf(out, v, decimals);
  uint64_t ip;
  if (e >= 0) {
    if (e >= 64 || (q >> (63 - e)) != 0) return appendPrintf(out, v, decimals);
    ip = q << e;
  } else {
    int s = -e;
    if (s >= 64) {
      ip = 0;  // q < 2^63 <= half of 2^s: rounds to zero
    } else {
      ip = q >> s;
      uint64_t r = q & ((uint64_t(1) << s) - 1), half = uint64_t(1) << (s - 1);
      if (r > half || (r == half && (ip & 1))) ip++;
    }
  }
  // The digits, from the last one back, then one append.
  char buf[32];  // sign, 20 digits, point, 6 decimals
  char *end = buf + sizeof buf, *p = end;
  uint64_t whole = ip / pow10u[decimals], frac = ip - whole * pow10u[decimals];
  if (decimals) {
    for (int i = 0; i < decimals; i++, frac /= 10) *--p = char('0' + frac % 10);
    *--p = '.';
  }
  do {
    *--p = char('0' + whole % 10);
    whole /= 10;
  } while (whole);
  if (bits >> 63) *--p = '-';
  out.append(p, end - p);
}

double ParseNumber(const char *s, const char **end) {
  const char *p = s;
  while (*p == ' ' || (*p >= '\t' && *p <= '\r')) p++;
  bool neg = *p == '-';
  if (*p == '-' || *p == '+') p++;
  uint64_t n = 0;
  int digits = 0, scale = 0;
  bool any = false;
  while (*p >= '0' && *p <= '9') {
    if (n || *p != '0') digits++;
    n = n * 10 + (*p++ - '0');
    any = true;
    if (digits > 15) goto slow;
  }
  if (*p == '.') {
    p++;
    while (*p >= '0' && *p <= '9') {
      if (n || *p != '0') digits++;
      n = n * 10 + (*p++ - '0');
      scale++;
      any = true;
      if (digits > 15 || scale > 22) goto slow;
    }
  }
  if (!any) goto slow;  // no digits: "inf", "nan", ".", or nothing
  if (*p == 'e' || *p == 'E' || *p == 'x' || *p == 'X') goto slow;
  {
    double v = (double)n / pow10d[scale];  // both exact, so correctly rounded
    if (end) *end = p;
    return neg ? -v : v;
  }
slow:
  char *stop;
  double v = strtod_l(s, &stop, cLocale());
  if (end) *end = stop;
  return v;
}

std::string NumberText(double v) {
  locale_t old = uselocale(cLocale());
  char buf[64];
  snprintf(buf, sizeof buf, "%g", v);
  uselocale(old);
  return buf;
}

double ParseNumberAtLength(const char *s, const char *e, const char **end) {
  std::string copy(s, e);
  const char *stop;
  double v = ParseNumber(copy.c_str(), &stop);
  if (end) *end = s + (stop - copy.c_str());
  return v;
}

long ParseInt(const char *s) {
  // The common short forms directly; anything longer through strtol, which
  // saturates at LONG_MIN and LONG_MAX.
  const char *p = s;
  while (*p == ' ' || (*p >= '\t' && *p <= '\r')) p++;
  bool neg = *p == '-';
  if (*p == '-' || *p == '+') p++;
  long n = 0;
  int digits = 0;
  for (; *p >= '0' && *p <= '9'; p++) {
    if (++digits > 18) goto slow;
    n = n * 10 + (*p - '0');
  }
  return neg ? -n : n;
slow:
  errno = 0;
  return strtol(s, nullptr, 10);
}

int TruncateToInt(double v) {
  if (std::isnan(v)) return 0;
  if (v <= INT_MIN) return INT_MIN;
  if (v >= INT_MAX) return INT_MAX;
  return (int)v;
}
