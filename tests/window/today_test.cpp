// Taking today's date into the view state, including a clock that fails or runs past the
// calendar's years.
#include <gtest/gtest.h>
#include "window/today.h"

namespace {

struct TodayCase {
    const char *what;
    ViewState before;
    int32_t dateRead;
    LocalDate date;
    ViewState after;
};

// Fields: shownMonth, shownYear, currentMonth, currentYear, todayDay, hideTodayMark.
const TodayCase todayCases[] = {
    {"an ordinary day replaces a stepped view", {7, 1999, 2, 2024, 14, 0}, 1, {3, 5, 2025},
     {5, 2025, 5, 2025, 3, 0}},
    {"the first covered day", {0, 0, 0, 0, 0, 0}, 1, {1, 1, 1900}, {1, 1900, 1, 1900, 1, 0}},
    {"the last covered day", {0, 0, 0, 0, 0, 0}, 1, {31, 12, 2099}, {12, 2099, 12, 2099, 31, 0}},
    {"the mark stays hidden during a copy", {2, 2024, 2, 2024, 14, 1}, 1, {15, 2, 2024},
     {2, 2024, 2, 2024, 15, 1}},
    {"a year after the calendar shows its last month", {2, 2024, 2, 2024, 14, 0}, 1,
     {1, 1, 2100}, {12, 2099, 1, 2100, 1, 0}},
    {"a far later year as well", {2, 2024, 2, 2024, 14, 0}, 1, {19, 1, 2038 + 1000},
     {12, 2099, 1, 3038, 19, 0}},
    {"a year before the calendar shows its first month", {2, 2024, 2, 2024, 14, 0}, 1,
     {31, 12, 1899}, {1, 1900, 12, 1899, 31, 0}},
    {"an unreadable clock keeps the shown month", {8, 2020, 8, 2020, 31, 0}, 0, {0, 0, 0},
     {8, 2020, 0, 0, 0, 0}},
    {"an unreadable clock at start shows January 2000", {0, 0, 0, 0, 0, 0}, 0, {0, 0, 0},
     {1, 2000, 0, 0, 0, 0}},
    {"an unreadable clock ignores whatever the reading holds", {0, 0, 0, 0, 0, 0}, 0,
     {14, 2, 2024}, {1, 2000, 0, 0, 0, 0}},
    {"an unreadable clock after an out-of-range shown year", {5, 2150, 5, 2150, 1, 0}, 0,
     {0, 0, 0}, {1, 2000, 0, 0, 0, 0}},
    {"a month that no calendar has counts as unreadable", {6, 2010, 6, 2010, 9, 0}, 1,
     {9, 13, 2010}, {6, 2010, 0, 0, 0, 0}},
};

void ExpectSameView(const ViewState &expected, const ViewState &actual, const char *what)
{
    SCOPED_TRACE(what);
    EXPECT_EQ(expected.shownMonth, actual.shownMonth);
    EXPECT_EQ(expected.shownYear, actual.shownYear);
    EXPECT_EQ(expected.currentMonth, actual.currentMonth);
    EXPECT_EQ(expected.currentYear, actual.currentYear);
    EXPECT_EQ(expected.todayDay, actual.todayDay);
    EXPECT_EQ(expected.hideTodayMark, actual.hideTodayMark);
}

TEST(TakeTodayIntoView, Cases)
{
    for (const TodayCase &c : todayCases) {
        ViewState view = c.before;
        TakeTodayIntoView(&view, c.dateRead, &c.date);
        ExpectSameView(c.after, view, c.what);
    }
}

// Whatever the clock gives, the month handed on to the rendering is one the calendar covers.
TEST(TakeTodayIntoView, ShownMonthAlwaysCovered)
{
    const int32_t years[] = {INT32_MIN, -1, 0, 99, 1899, 1900, 2099, 2100, 9999, INT32_MAX};
    for (int32_t dateRead = 0; dateRead <= 1; dateRead++) {
        for (int32_t year : years) {
            for (int32_t month = -1; month <= 14; month++) {
                ViewState view = {0, 0, 0, 0, 0, 0};
                LocalDate date = {1, month, year};
                TakeTodayIntoView(&view, dateRead, &date);
                SCOPED_TRACE(testing::Message() << dateRead << " " << month << "/" << year);
                EXPECT_GE(view.shownMonth, 1);
                EXPECT_LE(view.shownMonth, 12);
                EXPECT_GE(view.shownYear, FirstYear);
                EXPECT_LE(view.shownYear, LastYear);
            }
        }
    }
}

}  // namespace
