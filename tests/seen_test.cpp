// What the windows show, as text: cue times.
#include <gtest/gtest.h>

#include "model/model.h"

TEST(Seen, CueTimesReadAsTheThreeFields) {
  const struct {
    float min, sec, msec;
    const char *text;
  } cases[] = {{0, 15, 0, "0:15.000"}, {1, 30, 250, "1:30.250"}, {0, 12.5f, 250, "0:12.750"},
               {2, 5, 7, "2:05.007"},  {0, 75, 0, "0:75.000"}};  // nothing carried into the minutes
  for (auto &c : cases) EXPECT_EQ(CueTimeText(c.min, c.sec, c.msec), c.text);
}
