#pragma once

#include <QString>

enum class TSignInResult {
    // Anything but the refusal text, an empty or missing value included: the value is the new key.
    Accepted,
    // The service sent its refusal text, in any letter case.
    Refused,
    // The request could not be made or its reply not read; the reason is not shown.
    Failed
};

struct TSignInReply
{
    TSignInResult result = TSignInResult::Failed;
    // The reply's value as the service sent it.
    QString value;
};

// Posts the credentials, as typed, to the service at ABaseUrl with the given key, and judges the reply.
// Blocks until the reply is in: run it on a worker.
TSignInReply RequestSignIn(const QString &ABaseUrl, const QString &AUserName, const QString &APassword,
                           const QString &AKeyAuthentication);
