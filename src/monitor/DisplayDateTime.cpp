#include "monitor/DisplayDateTime.h"

#include "core/Exception.h"

#include <QDateTime>
#include <QLocale>

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

    QDateTime value = QDateTime::fromString(AIsoText, Qt::ISODateWithMs);
    if (!value.isValid())
        throw nivo::EConvertError(u"'%1' não é uma data e hora ISO 8601 válida."_s.arg(AIsoText));
    // A text without an offset already means UTC; only a written offset moves the value.
    if (value.timeSpec() == Qt::LocalTime)
        value.setTimeSpec(Qt::UTC);
    else
        value = value.toUTC();

    const QLocale locale;
    const QString date = locale.toString(value.date(), QLocale::ShortFormat);
    if (value.time() == QTime(0, 0))
        return date;
    return date + u' ' + locale.toString(value.time(), LongTimeFormatWithoutZone(locale));
}
