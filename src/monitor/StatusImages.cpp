#include "monitor/StatusImages.h"

using namespace Qt::StringLiterals;

namespace StatusImages {

Picture Status(int AImageIndex)
{
    const QSize size(100, 90);
    switch (AImageIndex) {
    case 0: return {u":/icons/status-pending.svg"_s, size};
    case 1: return {u":/icons/status-error.svg"_s, size};
    case 2: return {u":/icons/status-success.svg"_s, size};
    default: return {};
    }
}

Picture Accessory(int AImageIndex)
{
    switch (AImageIndex) {
    case 0: return {u":/icons/accessory-detail.svg"_s, QSize(17, 15)};
    case 1: return {u":/icons/accessory-more.svg"_s, QSize(11, 16)};
    case 2: return {u":/icons/accessory-checkmark.svg"_s, QSize(17, 17)};
    default: return {};
    }
}

} // namespace StatusImages
