#pragma once

#include <QString>

namespace nivo {
class TMemTable;
}

// The details and payloads of one message, copied from its record when the details page opens, so
// that a list load while the page is shown changes neither what it shows nor what a resend sends.
struct TMessageDetails
{
    QString messageKey; // em_id
    QString endPoint;
    QString responseCode;
    QString sentAt;
    QString respondedAt;
    QString key;
    QString keyName;
    QString sentPayload;
    QString responsePayload;
};

// Makes current the first record of AMessages whose em_id is exactly AMessageKey (letter case
// significant). False, and the current record left alone, when there is none, the key is empty (a
// message not yet sent has no em_id) or the table is not open.
bool LocateMessage(nivo::TMemTable &AMessages, const QString &AMessageKey);

// The current record's values as the details page shows them, the dates as the list shows them.
// Raises nivo::EConvertError when a date is not ISO 8601.
TMessageDetails ReadMessageDetails(const nivo::TMemTable &AMessages);
