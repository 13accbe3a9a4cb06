#include "ServiceTexts.h"

#include "rest/BaseUrl.h"
#include "rest/KeyAuthentication.h"

void ResetServiceTexts()
{
    nivo::SetIpHost(QString());
    nivo::SetPort(QString());
    nivo::SetKeyAuthentication(QString::fromUtf16(nivo::KeyAuthenticationPlaceholder));
}
