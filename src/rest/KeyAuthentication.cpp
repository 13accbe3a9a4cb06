#include "rest/KeyAuthentication.h"

#include "rest/SharedText.h"

namespace nivo {

namespace {
TSharedText &KeyText()
{
    static TSharedText text{QString::fromUtf16(KeyAuthenticationPlaceholder)};
    return text;
}
} // namespace

QString KeyAuthentication()
{
    return KeyText().Get();
}

void SetKeyAuthentication(const QString &AValue)
{
    KeyText().Set(AValue);
}

} // namespace nivo
