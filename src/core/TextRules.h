#pragma once

#include <QString>

namespace nivo {

// A typed or given text counts as empty when nothing is left once leading and trailing blanks and
// control characters (every code unit up to U+0020) are removed. The text itself is used untrimmed.
bool IsBlank(const QString &AText);

} // namespace nivo
