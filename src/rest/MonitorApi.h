#pragma once

#include "rest/MemTable.h"
#include "rest/RequestParameter.h"

#include <QDate>
#include <QString>

// The four requests of the monitoring service, as the screens make them. Each screen still calls
// ExecuteRESTRequestToDataSet itself, with GetBaseUrl() + the path, the method, the key, the
// arguments built here, the root element and its table:
//
//   sign-in                POST GetBaseUrl() + ENDPOINT_AUTHENTICATION, the current key, no params,
//                          root "", memTableLogin (LoginFields), body AuthenticationBody(user, password)
//   external applications  GET  GetBaseUrl() + lEXTERNAL_APPLICATIONS_ENDPOINT, KeyAuthentication(),
//                          no params, ROOT_ITEMS, a table without declared fields, no body
//   messages               GET  GetBaseUrl() + lMESSAGES_END_POINT, KeyAuthentication(),
//                          MessagesParams(filter), ROOT_ITEMS, memTableDataMessages
//                          (DataMessagesFields), no body
//   resend                 POST GetBaseUrl() + lMESSAGES_END_POINT, KeyAuthentication(),
//                          ResendParams(em_id), ROOT_MESSAGES, a table without declared fields, no body
//
// and judges the reply with IsAuthenticationRefused or IsResendSuccessful.
namespace nivo {

inline const QString ENDPOINT_AUTHENTICATION = QStringLiteral("/authentication");
inline const QString lEXTERNAL_APPLICATIONS_ENDPOINT = QStringLiteral("/eai/monitor/v1/external-applications");
inline const QString lMESSAGES_END_POINT = QStringLiteral("/eai/monitor/v1/messages");

inline const QString ROOT_ITEMS = QStringLiteral("items");
inline const QString ROOT_MESSAGES = QStringLiteral("_messages");

// The sign-in body: { "login": "USER.PASSWORD"} with USER the Base64 of "c" + user name and PASSWORD
// the Base64 of the password, both as typed, on their UTF-8 bytes. After each complete group of 57
// bytes the Base64 line break is written as the JSON escape \r\n, so the body stays valid JSON.
QString AuthenticationBody(const QString &AUserName, const QString &APassword);

// The declared fields of the sign-in reply table and of the message list table.
QList<TFieldDef> LoginFields();
QList<TFieldDef> DataMessagesFields();

enum TMessageOrder { moSendDate, moResponseDate };

// What the message list asks for. At least one status is asked for (the filter drawer keeps one).
struct TMessagesFilter
{
    QString externalApplicationCode;
    bool listarPendente = true;
    bool listarSucesso = true;
    bool listarErro = true;
    QDate periodoInicial;
    QDate periodoFinal;
    TMessageOrder order = moSendDate;
};

// The seven parameters of the messages request, in their order.
TRequestParameterList MessagesParams(const TMessagesFilter &AFilter);

// The period's ends as the service takes them: the local calendar values followed by "Z", not turned
// into UTC, e.g. 2020-10-10T00:00:00.000Z and 2020-10-15T23:59:59.000Z.
QString PeriodStartText(const QDate &ADate);
QString PeriodEndText(const QDate &ADate);

// The one parameter of the resend: messageCode = the message's em_id.
TRequestParameterList ResendParams(const QString &AMessageKey);

// The sign-in reply's value, lower-cased by the default locale, is the refusal text.
bool IsAuthenticationRefused(const QString &AValue);
// The resend reply's message, upper-cased by the default locale, is "SUCESSO".
bool IsResendSuccessful(const QString &AMessage);

} // namespace nivo
