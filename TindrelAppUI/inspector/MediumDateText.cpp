#include "TindrelAppUI/inspector/MediumDateText.h"

#include <QDateTime>
#include <QLocale>

namespace tindrel::MediumDateText {
namespace {

// The locale's long date without the weekday and with the month abbreviated: "dddd, MMMM d, yyyy"
// becomes "MMM d, yyyy", "dddd, d. MMMM yyyy" becomes "d. MMM yyyy".
QString mediumPattern(const QLocale& locale) {
    QString pattern = locale.dateFormat(QLocale::LongFormat);
    const qsizetype weekday = pattern.indexOf(QStringLiteral("dddd"));
    if (weekday >= 0) {
        qsizetype end = weekday + 4;
        while (end < pattern.size() && (pattern[end] == QLatin1Char(',') || pattern[end].isSpace()))
            ++end;
        pattern.remove(weekday, end - weekday);
    }
    pattern.replace(QStringLiteral("MMMM"), QStringLiteral("MMM"));
    return pattern.trimmed();
}

} // namespace

MediumDateFormatter formatter() {
    return [](std::int64_t secondsSince1970) -> std::optional<std::string> {
        const QDateTime instant = QDateTime::fromSecsSinceEpoch(secondsSince1970).toLocalTime();
        if (!instant.isValid()) return std::nullopt;
        const QLocale locale;
        return locale.toString(instant.date(), mediumPattern(locale)).toStdString();
    };
}

} // namespace tindrel::MediumDateText
