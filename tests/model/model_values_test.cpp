#include <gtest/gtest.h>

#include "base/clock_seconds.h"
#include "base/utf8_text.h"
#include "model/frame_rate.h"
#include "model/unsaved_changes.h"

namespace pictavo {
namespace {

TEST(ClockSeconds, HoursMinutesAndSeconds) {
  EXPECT_EQ(ClockSeconds().text(), "00:00:00");
  EXPECT_EQ(ClockSeconds(4).text(), "00:00:04");
  EXPECT_EQ(ClockSeconds(3725).text(), "01:02:05");
  EXPECT_EQ(ClockSeconds(360000).text(), "100:00:00");
  EXPECT_EQ(ClockSeconds(59).seconds(), 59);
}

TEST(FrameRate, SinglePrecisionRatesAndAnyOtherValueIsPal) {
  EXPECT_EQ(frame_rate(0), 29.97f);
  EXPECT_EQ(frame_rate(1), 25.0f);
  EXPECT_EQ(frame_rate(7), 25.0f);
  EXPECT_EQ(frame_rate(-1), 25.0f);
  // The single-precision value is what lengths are computed with: 5 s at NTSC is
  // 149.85 frames, truncated to 149.
  EXPECT_EQ(static_cast<int>(5 * frame_rate(0)), 149);
  EXPECT_NE(static_cast<double>(kFrameRates[0]), 29.97);
}

TEST(UnsavedChanges, OneFlagForTheWholeProcess) {
  clear_unsaved();
  EXPECT_FALSE(has_unsaved_changes());
  mark_unsaved();
  mark_unsaved();
  EXPECT_TRUE(has_unsaved_changes());
  clear_unsaved();
  EXPECT_FALSE(has_unsaved_changes());
}

TEST(Utf8Prefix, CountsCharactersAndNeverSplitsOne) {
  EXPECT_EQ(utf8_prefix("abc", 2), "ab");
  EXPECT_EQ(utf8_prefix("abc", 5), "abc");
  EXPECT_EQ(utf8_prefix("", 3), "");
  EXPECT_EQ(utf8_prefix("\xC3\xA4\xC3\xB6\xC3\xBC", 2), "\xC3\xA4\xC3\xB6");
  EXPECT_EQ(utf8_prefix("a\xE2\x82\xAC"
                        "b",
                        2),
            "a\xE2\x82\xAC");
  EXPECT_EQ(utf8_prefix("\xF0\x9F\x8C\x8A!", 1), "\xF0\x9F\x8C\x8A");
  // Broken sequences count byte by byte, so the cut stays inside the text.
  EXPECT_EQ(utf8_prefix("\xE2\x82", 1), "\xE2");
  EXPECT_EQ(utf8_prefix("\x80\x80x", 2), "\x80\x80");
  EXPECT_EQ(utf8_prefix("\xC3", 4), "\xC3");
}

}  // namespace
}  // namespace pictavo
