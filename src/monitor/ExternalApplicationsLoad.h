#pragma once

#include "rest/MemTable.h"

#include <QStringList>

// What the external applications request brought: its table and the names for the selector, in
// reply order.
struct TExternalApplicationsOutcome
{
    nivo::TMemTable table;
    QStringList names;           // the names read before any failure stay
    bool sessionExpired = false; // the request raised a REST-request error
};

// The request and the walk over its records, on the calling worker thread. A failure of another kind
// than the REST-request error ends the walk without a word.
TExternalApplicationsOutcome RunExternalApplicationsLoad(const QString &AEndPoint, const QString &AKeyAuthentication);
