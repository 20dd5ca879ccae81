// The four steps: ordinary moves, both wraps and the turn of the century, each undone exactly
// by its reverse step.
#include <gtest/gtest.h>

#include "window/steps.h"

namespace {

typedef void (*Step)(ViewState *view);

struct StepCase {
    const char *name;
    Step step;
    Step reverse;
    int32_t fromMonth, fromYear;
    int32_t toMonth, toYear;
};

const StepCase stepCases[] = {
    {"YearUp",                 StepYearUp,    StepYearDown,   3, 2024,  3, 2025},
    {"YearUpWraps",            StepYearUp,    StepYearDown,   7, 2099,  7, 1900},
    {"YearDown",               StepYearDown,  StepYearUp,     3, 2024,  3, 2023},
    {"YearDownWraps",          StepYearDown,  StepYearUp,     1, 1900,  1, 2099},
    {"MonthUp",                StepMonthUp,   StepMonthDown,  3, 2024,  4, 2024},
    {"MonthUpIntoNewYear",     StepMonthUp,   StepMonthDown, 12, 1999,  1, 2000},
    {"MonthUpWraps",           StepMonthUp,   StepMonthDown, 12, 2099,  1, 1900},
    {"MonthUpInLastYear",      StepMonthUp,   StepMonthDown, 11, 2099, 12, 2099},
    {"MonthDown",              StepMonthDown, StepMonthUp,    3, 2024,  2, 2024},
    {"MonthDownIntoOldYear",   StepMonthDown, StepMonthUp,    1, 2000, 12, 1999},
    {"MonthDownWraps",         StepMonthDown, StepMonthUp,    1, 1900, 12, 2099},
    {"MonthDownInFirstYear",   StepMonthDown, StepMonthUp,    2, 1900,  1, 1900},
};

class StepTest : public testing::TestWithParam<StepCase> {};

ViewState ViewOn(int32_t month, int32_t year)
{
    // Today's fields are distinctive so that a step touching them shows.
    ViewState view = {month, year, 8, 2031, 17, 1};
    return view;
}

void ExpectOnlyShownChanged(const ViewState &view, int32_t month, int32_t year)
{
    EXPECT_EQ(month, view.shownMonth);
    EXPECT_EQ(year, view.shownYear);
    EXPECT_EQ(8, view.currentMonth);
    EXPECT_EQ(2031, view.currentYear);
    EXPECT_EQ(17, view.todayDay);
    EXPECT_EQ(1, view.hideTodayMark);
}

TEST_P(StepTest, MovesOneStepAndReverseTakesItBack)
{
    const StepCase &c = GetParam();
    ViewState view = ViewOn(c.fromMonth, c.fromYear);

    c.step(&view);
    ExpectOnlyShownChanged(view, c.toMonth, c.toYear);

    c.reverse(&view);
    ExpectOnlyShownChanged(view, c.fromMonth, c.fromYear);
}

INSTANTIATE_TEST_SUITE_P(Steps, StepTest, testing::ValuesIn(stepCases),
                         [](const testing::TestParamInfo<StepCase> &info) {
                             return std::string(info.param.name);
                         });

// Twelve month steps are one year step, and 200 year steps come round to the start, so the
// wrap neither skips nor repeats a year.
TEST(StepCycleTest, MonthsAddUpToYearsAndYearsCycleThroughTheRange)
{
    ViewState byMonths = ViewOn(5, 2099);
    ViewState byYear = byMonths;
    for (int i = 0; i < 12; ++i)
        StepMonthUp(&byMonths);
    StepYearUp(&byYear);
    EXPECT_EQ(byYear.shownMonth, byMonths.shownMonth);
    EXPECT_EQ(byYear.shownYear, byMonths.shownYear);

    ViewState view = ViewOn(5, 1950);
    for (int i = 0; i < LastYear - FirstYear + 1; ++i) {
        StepYearDown(&view);
        ASSERT_GE(view.shownYear, FirstYear);
        ASSERT_LE(view.shownYear, LastYear);
    }
    ExpectOnlyShownChanged(view, 5, 1950);
}

}  // namespace
