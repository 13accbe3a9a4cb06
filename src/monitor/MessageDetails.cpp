#include "monitor/MessageDetails.h"

#include "monitor/DisplayDateTime.h"
#include "rest/MemTable.h"

using namespace Qt::StringLiterals;

bool LocateMessage(nivo::TMemTable &AMessages, const QString &AMessageKey)
{
    // Several pending messages may all carry an empty em_id; an empty key must not pick one of them.
    if (AMessageKey.isEmpty() || !AMessages.Active() || AMessages.FindField(u"em_id"_s) < 0)
        return false;
    return AMessages.Locate(u"em_id"_s, AMessageKey, Qt::CaseSensitive);
}

TMessageDetails ReadMessageDetails(const nivo::TMemTable &AMessages)
{
    const auto field = [&AMessages](const QString &name) { return AMessages.FieldAsString(name); };
    TMessageDetails details;
    details.messageKey = field(u"em_id"_s);
    details.responseCode = field(u"em_response_code"_s);
    details.sentAt = FormatDisplayDateTime(field(u"em_dt_send"_s));
    details.respondedAt = FormatDisplayDateTime(field(u"em_dt_response"_s));
    details.key = field(u"es_key"_s);
    details.keyName = field(u"ea_key_description"_s);
    // Joined as they come: the service's base and path already carry their own separators.
    details.endPoint = field(u"eea_address_base"_s) + field(u"et_address_endpoint"_s);
    details.sentPayload = field(u"em_message_send"_s);
    details.responsePayload = field(u"em_message_response"_s);
    return details;
}
