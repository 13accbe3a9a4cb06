#pragma once

#include "rest/MemTable.h"

#include <QString>

// What one resend brought: the service's verdict on the first message of its reply, with that reply.
struct TMessageResendOutcome
{
    enum Verdict {
        Nothing,        // no reply table, or a failure other than a REST-request error: nothing to tell
        Resent,         // the first message says "SUCESSO" in any letter case
        Refused,        // any other word, empty included
        SessionExpired, // the request raised a REST-request error
    };

    nivo::TMemTable memTableResendMessage;
    Verdict verdict = Nothing;
    QString detailedMessage; // of the first message, for Resent and Refused
};

// The resend request for the message AMessageKey (its em_id), on the calling worker thread.
TMessageResendOutcome RunMessageResend(const QString &AEndPoint, const QString &AKeyAuthentication,
                                       const QString &AMessageKey);
