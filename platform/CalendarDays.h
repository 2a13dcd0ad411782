// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCalendarWidget;

/// Has a screen reader meet the grid of days in `calendar` as a list of dates: each day it
/// moves to is read as one date in words ("Tuesday, 8 December 2026"). As the toolkit gives it,
/// the grid is a table of bare numbers, and a reader says a whole week at each step to another
/// week, as it does for the rows of any table.
void ReadDaysAsDates(QCalendarWidget *calendar);
