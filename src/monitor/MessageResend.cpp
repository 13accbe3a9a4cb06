#include "monitor/MessageResend.h"

#include "rest/MonitorApi.h"
#include "rest/RESTRequest.h"
#include "rest/RESTRequestError.h"

using namespace Qt::StringLiterals;

TMessageResendOutcome RunMessageResend(const QString &AEndPoint, const QString &AKeyAuthentication,
                                       const QString &AMessageKey)
{
    TMessageResendOutcome outcome;
    nivo::TMemTable &table = outcome.memTableResendMessage;
    try {
        const nivo::TRequestParameterList params = nivo::ResendParams(AMessageKey);
        nivo::ExecuteRESTRequestToDataSet(AEndPoint, nivo::rmPOST, AKeyAuthentication, &params,
                                          nivo::ROOT_MESSAGES, table, QString());
        if (!table.Active())
            return outcome;
        // Only the first message is judged and shown, however many the reply holds. A reply without
        // either field is a failure with nothing to tell.
        table.First();
        const QString message = table.FieldAsString(u"message"_s);
        const QString detailedMessage = table.FieldAsString(u"detailedMessage"_s);
        outcome.verdict = nivo::IsResendSuccessful(message) ? TMessageResendOutcome::Resent
                                                            : TMessageResendOutcome::Refused;
        outcome.detailedMessage = detailedMessage;
    } catch (const nivo::ERESTRequestError &) {
        outcome.verdict = TMessageResendOutcome::SessionExpired;
    } catch (const std::exception &) {
        outcome.verdict = TMessageResendOutcome::Nothing;
    }
    return outcome;
}
