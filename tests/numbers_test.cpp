// Number text must match the C library in the C locale, bit for bit.
#include <cmath>
#include <random>

#include "filetest.h"

// Edge values, then random floats printed as the files print them and read back
// as strtod reads them.
TEST(AppendFixed, MatchesPrintfAndParseNumberReadsItBack) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<uint32_t> bits;
  std::uniform_real_distribution<float> small(-20000, 20000);
  const double edges[] = {-0.0, 0.125, 0.0625, -1e-6, 0.0015, 2.675, 1e300, 3.4e38, 4.94e-324, INFINITY, NAN};
  for (int i = 0; i < 200000; i++) {
    uint32_t b = bits(rng);
    float f;
    memcpy(&f, &b, sizeof f);
    if (i % 2) f = small(rng);
    if (i % 3 == 0) f = std::round(f * 1000) / 1000;
    const double v = i < 11 ? edges[i] : f;
    for (int d = 0; d <= 3; d++) {
      char want[400];
      snprintf(want, sizeof want, "%.*f", d, v);
      std::string got;
      AppendFixed(got, v, d);
      ASSERT_EQ(got, want) << v << " " << d;
      if (i % 2 && std::isfinite(v)) {
        ASSERT_EQ((float)ParseNumber(want), (float)strtod(want, nullptr)) << want;
      }
    }
  }
}

TEST(ParseNumber, MatchesStrtod) {
  for (const char *t : {"-0", " \t 12.25xyz", "0.1", "1e40", "-inf", "nan", "0x1p3", "-.5", "5.", "", "abc",
                        "+3", "1,5", "1234567890123456789.25", "99999999999999999999999", "1e-400", "-"}) {
    char *end;
    const char *got_end;
    double want = strtod(t, &end), got = ParseNumber(t, &got_end);
    EXPECT_TRUE(std::isnan(want) ? std::isnan(got) : memcmp(&want, &got, sizeof got) == 0) << t << " " << got;
    EXPECT_EQ(got_end, end) << t;
  }
}
