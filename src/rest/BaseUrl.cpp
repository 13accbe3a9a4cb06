#include "rest/BaseUrl.h"

#include "rest/SharedText.h"

using namespace Qt::StringLiterals;

namespace nivo {

namespace {
TSharedText &HostText()
{
    static TSharedText text{QString()};
    return text;
}

TSharedText &PortText()
{
    static TSharedText text{QString()};
    return text;
}
} // namespace

QString IpHost()
{
    return HostText().Get();
}

void SetIpHost(const QString &AValue)
{
    HostText().Set(AValue);
}

QString Port()
{
    return PortText().Get();
}

void SetPort(const QString &AValue)
{
    PortText().Set(AValue);
}

QString GetBaseUrl()
{
    return u"http://"_s + IpHost() + u':' + Port() + u"/api/nivo"_s;
}

} // namespace nivo
