#pragma once
// Dates as the radio-module files write them. Month names are the English abbreviations
// ("Mar"), so a file reads back whatever the locale; a date written with the user's own month
// names is read too.
#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

namespace radiodate {

// "2024-Mar-05 14:07.09": date and time of writing an MCF file; the text through which the
// factory write passes its date.
QString stampText(const QDateTime& when);
std::optional<QDateTime> fromStampText(const QString& text);

// "05 Mar 2024": the date of an EPROM image.
QString dayText(const QDate& day);
std::optional<QDate> fromDayText(const QString& text);

// "05-03-24": the day of an MCF file; true when the text is such a date.
QString shortDayText(const QDate& day);
bool isShortDayText(const QString& text);

} // namespace radiodate
