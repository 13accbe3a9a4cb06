#pragma once

#include "rest/RequestParameter.h"

namespace nivo {

// Appends the five headers that go with every request, in their order and letter case:
// KeyAuthentication (the given key), access-control-allow-headers, access-control-allow-methods,
// access-control-allow-origin and content-type. Names and values are kept as text here; the request
// routine sends each in the header form of PercentEncoding.h.
void ConfigHeaders(TRequestParameterList &AParams, const QString &AKeyAuthentication);

} // namespace nivo
