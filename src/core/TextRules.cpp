#include "core/TextRules.h"

#include <algorithm>

namespace nivo {

bool IsBlank(const QString &AText)
{
    return std::all_of(AText.cbegin(), AText.cend(), [](QChar c) { return c.unicode() <= 0x20; });
}

} // namespace nivo
