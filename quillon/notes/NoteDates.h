// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <string>

// Automation dates count days since 1899-12-30 with the time of day as the
// fraction; before that day the fraction counts away from zero.

// The date part only, in the locale's short date format. A value outside the
// automation date range cannot be shown and throws CStatusError.
std::string NoteDateText(double date, const QLocale& locale);
// The same in the program's locale: the user's own, unless the program
// chose another as the default.
std::string NoteDateText(double date);

// -1 when the first moment is the later one, 1 when the second is, else 0:
// the newest-first order of the date columns, to the full date and time.
int CompareNoteDates(double first, double second);
