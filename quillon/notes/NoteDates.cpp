// SPDX-License-Identifier: MIT
#include "NoteDates.h"

#include "StatusError.h"

#include <QDate>
#include <cmath>

namespace {

// The automation date range: 0100-01-01 to the end of 9999-12-31.
constexpr double FirstDate = -657434.0;
constexpr double LastDay = 2958465.0;

// A value that grows with time across the whole range, also where the
// fraction counts away from zero.
double TimeOrder(double date)
{
    const double day = std::trunc(date);
    return date >= 0.0 ? date : day + (day - date);
}

} // namespace

std::string NoteDateText(double date, const QLocale& locale)
{
    const double day = std::trunc(date);
    if (!(day >= FirstDate && day <= LastDay))
        throw CStatusError(E_INVALIDARG);
    const QDate shown = QDate(1899, 12, 30).addDays(static_cast<qint64>(day));
    return locale.toString(shown, QLocale::ShortFormat).toStdString();
}

std::string NoteDateText(double date)
{
    return NoteDateText(date, QLocale());
}

int CompareNoteDates(double first, double second)
{
    const double a = TimeOrder(first);
    const double b = TimeOrder(second);
    if (a > b)
        return -1;
    return b > a ? 1 : 0;
}
