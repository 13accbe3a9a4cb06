#include "rest/RequestShutdown.h"

#include <atomic>

namespace nivo {

namespace {

std::atomic<bool> g_refused = false;

} // namespace

TRequestShutdown &TRequestShutdown::Instance()
{
    static TRequestShutdown instance;
    return instance;
}

bool TRequestShutdown::Refused()
{
    return g_refused.load();
}

void AbortRequests()
{
    g_refused.store(true);
    emit TRequestShutdown::Instance().abortRequested();
}

void AllowRequests()
{
    g_refused.store(false);
}

} // namespace nivo
