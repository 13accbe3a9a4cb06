#pragma once

#include "monitor/MessageRow.h"
#include "rest/MemTable.h"
#include "rest/RequestParameter.h"

#include <vector>

// Appends to AListBox one row made from the current record of AFields. Raises, adding nothing, when
// a date is not ISO 8601 or imageIndex is not an integer.
void AddListBoxItemMonitor(std::vector<TMessageRow> &AListBox, const nivo::TMemTable &AFields);

// What one message list load brought: its table and the rows made from it, ready for the screen.
struct TMessageListOutcome
{
    enum Failure {
        None,
        NoRecords,      // the reply had no record
        SessionExpired, // the request raised a REST-request error
        Dropped,        // any other failure; the rows made before it stay
    };

    nivo::TMemTable table;
    std::vector<TMessageRow> rows;
    Failure failure = None;
};

// The whole load, on the calling worker thread: the messages request into a table of its own, then one
// row per record.
TMessageListOutcome RunMessageListLoad(const QString &AEndPoint, const QString &AKeyAuthentication,
                                       const nivo::TRequestParameterList &AParams);
