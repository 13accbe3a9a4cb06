#pragma once

#include "DemoData.h"
#include "HttpMessages.h"

#include <QByteArray>

// The monitoring service over the demo data, in the forms the viewer uses:
//   POST /api/nivo/authentication                    sign-in; the demo user gets the key
//   GET  /api/nivo/eai/monitor/v1/external-applications
//   GET  /api/nivo/eai/monitor/v1/messages           filtered by application, status and the period
//                                                    (on the registration date, as wall-clock time),
//                                                    ordered by the order parameter
//   POST /api/nivo/eai/monitor/v1/messages           resend: the message becomes a success
// Every request but the sign-in must carry the key; without it the answer is a 401 without a root
// element, which the viewer reads as an expired session. Runs on one thread at a time.
class DemoService final
{
public:
    DemoService(DemoData data, QByteArray key);

    HttpReply handle(const HttpRequest &request);

    const DemoData &data() const { return m_data; }

private:
    HttpReply signIn(const QByteArray &body) const;
    HttpReply externalApplications() const;
    HttpReply messages(const QByteArray &query) const;
    HttpReply resend(const QByteArray &body);

    DemoData m_data;
    QByteArray m_key;
};
