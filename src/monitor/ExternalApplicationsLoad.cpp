#include "monitor/ExternalApplicationsLoad.h"

#include "rest/MonitorApi.h"
#include "rest/RESTRequest.h"
#include "rest/RESTRequestError.h"

using namespace Qt::StringLiterals;

TExternalApplicationsOutcome RunExternalApplicationsLoad(const QString &AEndPoint, const QString &AKeyAuthentication)
{
    TExternalApplicationsOutcome outcome;
    nivo::TMemTable &table = outcome.table;
    try {
        nivo::ExecuteRESTRequestToDataSet(AEndPoint, nivo::rmGET, AKeyAuthentication, nullptr, nivo::ROOT_ITEMS, table,
                                          QString());
        if (table.Active()) {
            for (table.First(); !table.Eof(); table.Next())
                outcome.names.append(table.FieldAsString(u"eea_name"_s));
        }
    } catch (const nivo::ERESTRequestError &) {
        outcome.sessionExpired = true;
    } catch (const std::exception &) {
    }
    table.First();
    return outcome;
}
