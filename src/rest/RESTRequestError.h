#pragma once

#include "core/Exception.h"

namespace nivo {

// The one failure of a request that the screens tell apart from every other: no reply (host not found,
// connection refused, malformed address, time-out), a status of 500 or above, a body that is not JSON,
// or a reply without the expected root element. The monitor screen reads it as an expired session.
class ERESTRequestError : public Exception
{
public:
    using Exception::Exception;
};

} // namespace nivo
