#pragma once

#include <QString>

// The text the screen shows for a date-time that the service wrote as ISO 8601: the value moved to
// UTC, in the default locale's short date and long time, the time left out at exactly midnight.
// An empty text stays empty; a text that is not ISO 8601 raises nivo::EConvertError.
QString FormatDisplayDateTime(const QString &AIsoText);
