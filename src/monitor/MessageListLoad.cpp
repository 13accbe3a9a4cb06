#include "monitor/MessageListLoad.h"

#include "monitor/DisplayDateTime.h"
#include "rest/MonitorApi.h"
#include "rest/RESTRequest.h"
#include "rest/RESTRequestError.h"

using namespace Qt::StringLiterals;

void AddListBoxItemMonitor(std::vector<TMessageRow> &AListBox, const nivo::TMemTable &AFields)
{
    TMessageRow row;
    row.detailtop = FormatDisplayDateTime(AFields.FieldAsString(u"em_dt_send"_s));
    row.responsedate = FormatDisplayDateTime(AFields.FieldAsString(u"em_dt_response"_s));
    row.text = AFields.FieldAsString(u"et_description"_s);
    row.detail = AFields.FieldAsString(u"es_key"_s);
    row.imageIndex = AFields.FieldByName(u"imageIndex"_s).AsInteger();
    row.messageKey = AFields.FieldAsString(u"em_id"_s);
    AListBox.push_back(std::move(row));
}

TMessageListOutcome RunMessageListLoad(const QString &AEndPoint, const QString &AKeyAuthentication,
                                       const nivo::TRequestParameterList &AParams)
{
    TMessageListOutcome outcome{nivo::TMemTable(nivo::DataMessagesFields()), {}, TMessageListOutcome::None};
    nivo::TMemTable &table = outcome.table;
    try {
        nivo::ExecuteRESTRequestToDataSet(AEndPoint, nivo::rmGET, AKeyAuthentication, &AParams, nivo::ROOT_ITEMS,
                                          table, QString());
        if (table.Active() && !table.IsEmpty()) {
            outcome.rows.reserve(static_cast<size_t>(table.RecordCount()));
            for (table.First(); !table.Eof(); table.Next())
                AddListBoxItemMonitor(outcome.rows, table);
        } else {
            outcome.failure = TMessageListOutcome::NoRecords;
        }
    } catch (const nivo::ERESTRequestError &) {
        outcome.failure = TMessageListOutcome::SessionExpired;
    } catch (const std::exception &) {
        outcome.failure = TMessageListOutcome::Dropped;
    }
    table.First();
    return outcome;
}
