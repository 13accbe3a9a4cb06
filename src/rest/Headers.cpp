#include "rest/Headers.h"

using namespace Qt::StringLiterals;

namespace nivo {

void ConfigHeaders(TRequestParameterList &AParams, const QString &AKeyAuthentication)
{
    AParams.append({u"KeyAuthentication"_s, AKeyAuthentication});
    AParams.append({u"access-control-allow-headers"_s, u"*"_s});
    AParams.append({u"access-control-allow-methods"_s, u"GET,PUT,POST,DELETE,PATCH,OPTIONS"_s});
    AParams.append({u"access-control-allow-origin"_s, u"*"_s});
    AParams.append({u"content-type"_s, u"application/json"_s});
}

} // namespace nivo
