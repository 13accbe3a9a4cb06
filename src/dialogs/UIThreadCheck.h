#pragma once

#include "core/Exception.h"

namespace nivo {

// A dialog was asked for outside the UI thread.
class EThreadError : public Exception
{
public:
    using Exception::Exception;
};

// Raises EThreadError unless called on the thread that runs the application's event loop.
void CheckUIThread();

} // namespace nivo
