#pragma once

#include <QObject>

namespace nivo {

// At exit nobody should wait for a service that is slow to answer: AbortRequests ends every request in
// flight at once and refuses new ones (they fail as a REST-request error) until AllowRequests.
void AbortRequests();
void AllowRequests();

// What each request listens to while it waits for its reply.
class TRequestShutdown final : public QObject
{
    Q_OBJECT

public:
    static TRequestShutdown &Instance();
    static bool Refused();

signals:
    void abortRequested();
};

} // namespace nivo
