#pragma once

#include <QString>

#include <optional>

namespace nivo {

// Re-indents a JSON object or array, one member or element per line, four spaces a level. Members
// keep their order, and strings and numbers are copied as written, so duplicate names, escapes and
// integers beyond double precision show as they came. Nothing when the text is not a JSON object or
// array.
std::optional<QString> FormatJson(const QString &text);

} // namespace nivo
