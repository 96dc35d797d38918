// Number text must match the C library in the C locale, bit for bit.
#include <cmath>
#include <random>

#include "filetest.h"

namespace {

std::string printed(double v, int d) {
  char buf[400];
  snprintf(buf, sizeof buf, "%.*f", d, v);
  return buf;
}

std::string fixed(double v, int d) {
  std::string s;
  AppendFixed(s, v, d);
  return s;
}

}  // namespace

// Edge values, then random floats printed as the files print them and read back
// as strtod reads them.
TEST(AppendFixed, MatchesPrintfAndParseNumberReadsItBack) {
  for (double v : {0.0, -0.0, 0.5, 1.5, 2.5, -0.5, 0.125, 0.0625, 1e-6, -1e-6, 0.0005, 0.0015,
                   (double)12.345f, -144.0, 12.0, 1e15, 3.4e38, 1e300, -1e300, 2.675, (double)INFINITY,
                   (double)-INFINITY, (double)NAN, (double)-NAN, 4.94e-324})
    for (int d = 0; d <= 3; d++) EXPECT_EQ(fixed(v, d), printed(v, d)) << v << " " << d;
  std::mt19937 rng(7);
  std::uniform_int_distribution<uint32_t> bits;
  std::uniform_real_distribution<float> small(-20000, 20000);
  for (int i = 0; i < 200000; i++) {
    uint32_t b = bits(rng);
    float f;
    memcpy(&f, &b, sizeof f);
    if (i % 2) f = small(rng);
    if (i % 3 == 0) f = std::round(f * 1000) / 1000;
    for (int d = 0; d <= 3; d++) {
      const std::string s = printed(f, d);
      ASSERT_EQ(fixed(f, d), s) << f << " " << d;
      if (i % 2) {  // finite
        ASSERT_EQ((float)ParseNumber(s.c_str()), (float)strtod(s.c_str(), nullptr)) << s;
      }
    }
  }
}

TEST(ParseNumber, MatchesStrtod) {
  for (const char *t : {"0", "-0", "1.5", " \t 12.25xyz", "-144.00", "0.1", "1e40", "inf", "-inf", "nan",
                        "0x1p3", ".5", "-.5", "5.", "", "abc", "+3", "1,5", "1234567890123456789.25",
                        "0.000000000000000000000000001", "99999999999999999999999", "3.4028235e38",
                        "1e-400", "-"}) {
    char *end;
    const char *got_end;
    double want = strtod(t, &end), got = ParseNumber(t, &got_end);
    EXPECT_TRUE(std::isnan(want) ? std::isnan(got) : memcmp(&want, &got, sizeof got) == 0) << t << " " << got;
    EXPECT_EQ(got_end, end) << t;
  }
}

TEST(Integers, AppendIntPrintsAndParseIntSaturates) {
  std::string s;
  for (long v : {0L, -2147483648L, 127L}) AppendInt(s, v), s += ' ';
  EXPECT_EQ(s, "0 -2147483648 127 ");
  // Leading space and sign as atoi takes them, the number as far as it goes.
  const struct { const char *text; long want; } cases[] = {
      {"12\tx", 12}, {"-1", -1}, {"G", 0}, {" \v+7", 7}, {"\r\n-0012x", -12}, {"-", 0}, {"+ 5", 0},
      {"123456789012345678", 123456789012345678L}, {"-1234567890123456789", -1234567890123456789L}};
  for (auto &c : cases) EXPECT_EQ(ParseInt(c.text), c.want) << c.text;
  EXPECT_GT(ParseInt("2147483648"), 2147483647L);
  EXPECT_GT(ParseInt("99999999999999999999999"), 0);
}
