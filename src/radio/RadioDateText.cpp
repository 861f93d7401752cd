#include "radio/RadioDateText.h"

#include <QLocale>

namespace radiodate {
namespace {

const QString& stampFormat()
{
    static const QString f = QStringLiteral("yyyy-MMM-dd hh:mm.ss");
    return f;
}

const QString& dayFormat()
{
    static const QString f = QStringLiteral("dd MMM yyyy");
    return f;
}

const QString& shortDayFormat()
{
    static const QString f = QStringLiteral("dd-MM-yy");
    return f;
}

template <class T, class Parse>
std::optional<T> parsed(const QString& text, Parse parse)
{
    for (const QLocale& locale : {QLocale::c(), QLocale::system()}) {
        const T value = parse(locale, text.trimmed());
        if (value.isValid())
            return value;
    }
    return std::nullopt;
}

} // namespace

QString stampText(const QDateTime& when) { return QLocale::c().toString(when, stampFormat()); }

std::optional<QDateTime> fromStampText(const QString& text)
{
    return parsed<QDateTime>(text, [](const QLocale& l, const QString& t) { return l.toDateTime(t, stampFormat()); });
}

QString dayText(const QDate& day) { return QLocale::c().toString(day, dayFormat()); }

std::optional<QDate> fromDayText(const QString& text)
{
    return parsed<QDate>(text, [](const QLocale& l, const QString& t) { return l.toDate(t, dayFormat()); });
}

QString shortDayText(const QDate& day) { return QLocale::c().toString(day, shortDayFormat()); }

bool isShortDayText(const QString& text) { return QLocale::c().toDate(text.trimmed(), shortDayFormat()).isValid(); }

} // namespace radiodate
