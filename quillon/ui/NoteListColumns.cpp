// SPDX-License-Identifier: MIT
#include "NoteListColumns.h"

#include "ControlIds.h"

#include <QDate>
#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTreeWidget>
#include <algorithm>
#include <cmath>

namespace {

// The widths at the original dialog font, whose average character width in
// dialog base units is 6 pixels.
constexpr std::array<int, 3> kOriginalWidths{175, 80, 80};
constexpr double kOriginalBaseUnit = 6.0;

// The horizontal dialog base unit of a font: the rounded average width of
// the letters.
double BaseUnit(const QFontMetrics& metrics)
{
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return std::round(metrics.horizontalAdvance(letters) / 52.0);
}

// What a cell adds around its text: the item view's text margin on each side.
int CellWidth(const QTreeWidget& list, const QFontMetrics& metrics, const QString& text)
{
    const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    return metrics.horizontalAdvance(text) + 2 * margin;
}

// The widest date that the short format can give: every month, with days of
// two digits, in this year and in a year of wide digits.
int WidestDate(const QTreeWidget& list, const QFontMetrics& metrics, const QLocale& locale)
{
    int widest = 0;
    for (const int year : {QDate::currentDate().year(), 2088}) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 10; day <= QDate(year, month, 1).daysInMonth(); ++day) {
                const QString text = locale.toString(QDate(year, month, day), QLocale::ShortFormat);
                widest = std::max(widest, CellWidth(list, metrics, text));
            }
        }
    }
    return widest;
}

} // namespace

std::array<int, 3> NoteListColumnWidths(const QTreeWidget& list, const QLocale& locale)
{
    const QFontMetrics metrics(list.font());
    const double scale = std::max(BaseUnit(metrics), 1.0) / kOriginalBaseUnit;
    const int dateWidth = WidestDate(list, metrics, locale);
    const std::array<int, 3> fitted{
        CellWidth(list, metrics, QString::fromLatin1(kClipboardRowText)), dateWidth, dateWidth};
    std::array<int, 3> widths{};
    for (std::size_t column = 0; column < widths.size(); ++column) {
        const int header = list.header()->sectionSizeHint(static_cast<int>(column));
        const int scaled = static_cast<int>(std::lround(kOriginalWidths[column] * scale));
        widths[column] = std::max({scaled, fitted[column], header});
    }
    return widths;
}

void SizeNoteListColumns(QTreeWidget& list, const QLocale& locale)
{
    const std::array<int, 3> widths = NoteListColumnWidths(list, locale);
    QHeaderView& header = *list.header();
    header.setStretchLastSection(true);
    int total = 0;
    for (std::size_t column = 0; column < widths.size(); ++column) {
        list.setColumnWidth(static_cast<int>(column), widths[column]);
        total += widths[column];
    }
    const int scrollBar = list.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &list);
    list.setMinimumWidth(total + scrollBar + 2 * list.frameWidth());
}
