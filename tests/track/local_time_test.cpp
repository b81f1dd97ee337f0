#include "track/local_time.h"

#include <gtest/gtest.h>

#include "support/test_support.h"
#include "track/date_format.h"

namespace wl {
namespace {

double At(int y, int mo, int d, int h, int mi, int s) {
  return static_cast<double>(DaysFromCivil(y, mo, d)) + (h * 3600 + mi * 60 + s) / 86400.0;
}

// TimeOffsetDays and ParseTrtTime are in text_cases.tsv.
// 30 March and 26 October are the last Sundays of 2008; summertime starts at 00:00 of the first.
TEST(CTToUTC, SummertimeNoticeAndConversion) {
  const std::string before = "date is before start summertime, check time difference: 02:00:00",
                    after = "date is after end summertime, check time difference: 02:00:00",
                    during = "date is during summertime, check time difference ";
  const std::tuple<const char*, const char*, bool, std::string, double> cases[] = {
      {"20080503 12:00:00 CT", "02:00:00", false, "", At(2008, 5, 3, 10, 0, 0)},
      {"20080115 12:00:00 CT", "02:00:00", false, before, At(2008, 1, 15, 10, 0, 0)},
      {"20081115 08:00:00CT", "01:00:00", false, "", At(2008, 11, 15, 7, 0, 0)},
      {"20081115 08:00:00CT", "02:00:00", false, after, At(2008, 11, 15, 6, 0, 0)},
      {"20080330 00:00:00 CT", "02:00:00", false, "", At(2008, 3, 29, 22, 0, 0)},
      {"20080329 23:59:59 CT", "01:00:00", false, "", At(2008, 3, 29, 22, 59, 59)},
      {"20081025 23:59:59 CT", "02:00:00", false, "", At(2008, 10, 25, 21, 59, 59)},
      {"20081026 00:00:00 CT", "01:00:00", false, "", At(2008, 10, 25, 23, 0, 0)},
      {"20080711 12:31:44 CT", "01:00:00", false, during + "01:00:00", At(2008, 7, 11, 11, 31, 44)},
      {"20080503 12:00:00 CT", "02:00:00", true, during + "02:00:00", At(2008, 5, 3, 14, 0, 0)}};
  for (const auto& [field, offset, minus, message, expected] : cases) {
    test::ScriptedPrompts prompts;
    bool done = false;
    EXPECT_DOUBLE_EQ(CTToUTC(field, true, {offset, minus}, done, prompts), expected) << field;
    EXPECT_TRUE(done) << field;
    EXPECT_EQ(prompts.Texts(), message.empty() ? std::vector<std::string>{} : std::vector{message}) << field;
    for (const auto& shown : prompts.shown) EXPECT_EQ(shown.icon, Icon::None);
  }
}

TEST(CTToUTC, OnlyTheFirstValidCtPointIsTested) {
  test::ScriptedPrompts prompts;
  bool done = false;
  EXPECT_EQ(CTToUTC("20080503 12:00:00", true, {"01:00:00", false}, done, prompts), At(2008, 5, 3, 12, 0, 0));
  EXPECT_EQ(CTToUTC("20080503 12:00 CT", true, {"01:00:00", false}, done, prompts), 0);
  EXPECT_FALSE(done);  // UTC and invalid fields are not tested
  CTToUTC("20080503 12:00:00 CT", true, {"02:00:00", false}, done, prompts);
  ASSERT_TRUE(done);
  EXPECT_EQ(CTToUTC("20080115 12:00:00 CT", true, {"02:00:00", false}, done, prompts), At(2008, 1, 15, 10, 0, 0));
  EXPECT_TRUE(prompts.shown.empty());
}

}  // namespace
}  // namespace wl
