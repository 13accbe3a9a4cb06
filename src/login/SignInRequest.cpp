#include "login/SignInRequest.h"

#include "rest/MemTable.h"
#include "rest/MonitorApi.h"
#include "rest/RESTRequest.h"

using namespace Qt::StringLiterals;
using namespace nivo;

TSignInReply RequestSignIn(const QString &ABaseUrl, const QString &AUserName, const QString &APassword,
                           const QString &AKeyAuthentication)
{
    TSignInReply reply;
    try {
        TMemTable memTableLogin(LoginFields());
        ExecuteRESTRequestToDataSet(ABaseUrl + ENDPOINT_AUTHENTICATION, rmPOST, AKeyAuthentication, nullptr,
                                    QString(), memTableLogin, AuthenticationBody(AUserName, APassword));
        reply.value = memTableLogin.FieldAsString(u"value"_s);
        reply.result = IsAuthenticationRefused(reply.value) ? TSignInResult::Refused : TSignInResult::Accepted;
    } catch (...) {
        // Whatever went wrong stays on the worker: the screen shows only that the sign-in failed.
        reply.result = TSignInResult::Failed;
        reply.value.clear();
    }
    return reply;
}
