#pragma once

#include <QString>

namespace nivo {

// A payload laid out for reading: well-formed XML re-indented, else a JSON object or array
// re-indented, else the text as it came (top-level JSON scalars included: there is nothing to lay out).
QString FormatPayload(const QString &text);

} // namespace nivo
