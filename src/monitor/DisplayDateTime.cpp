#include "monitor/DisplayDateTime.h"

#include "core/Exception.h"

#include <QDateTime>
#include <QLocale>
#include <QTimeZone>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The locale's long time format without its time-zone designators: the value shown is UTC, and Qt
// would print the machine's zone name next to it.
QString LongTimeFormatWithoutZone(const QLocale &locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        if (!quoted && c == u't')
            continue;
        result.append(c);
    }
    return result.trimmed();
}

} // namespace

QString FormatDisplayDateTime(const QString &AIsoText)
{
    if (AIsoText.isEmpty())
        return {};

    // A text without a written offset already means UTC: read it so, never as the machine's local
    // time (which would move it, or refuse it inside a daylight-saving gap).
    const qsizetype dateLength = 10;
    const QStringView afterDate = QStringView(AIsoText).mid(qMin(dateLength, AIsoText.size()));
    const bool hasOffset = std::any_of(afterDate.begin(), afterDate.end(),
                                       [](QChar c) { return c == u'Z' || c == u'+' || c == u'-'; });
    const QString utcText = hasOffset ? AIsoText : QString(AIsoText + u'Z');
    QDateTime value = QDateTime::fromString(utcText, Qt::ISODateWithMs);
    if (!value.isValid() && AIsoText.size() == dateLength) {
        const QDate date = QDate::fromString(AIsoText, Qt::ISODate);
        if (date.isValid())
            value = QDateTime(date, QTime(0, 0), QTimeZone::utc());
    }
    if (!value.isValid())
        throw nivo::EConvertError(u"'%1' não é uma data e hora ISO 8601 válida."_s.arg(AIsoText));
    value = value.toUTC();

    const QLocale locale;
    const QString date = locale.toString(value.date(), QLocale::ShortFormat);
    if (value.time() == QTime(0, 0))
        return date;
    return date + u' ' + locale.toString(value.time(), LongTimeFormatWithoutZone(locale));
}
