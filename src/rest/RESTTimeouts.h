#pragma once

#include <chrono>

namespace nivo {

// How long a request may take to connect, and how long it may then go without any data moving.
struct TRESTTimeouts
{
    std::chrono::milliseconds connect{30000};
    std::chrono::milliseconds idle{30000};
};

// A seam for tests, which cannot wait 30 s: the program never calls SetRESTTimeouts and always runs
// with the defaults above. Any thread may call these.
TRESTTimeouts RESTTimeouts();
void SetRESTTimeouts(const TRESTTimeouts &ATimeouts);

} // namespace nivo
