#include "rest/MonitorApi.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace nivo {

namespace {
// Base64 with its line break after each complete group of 57 bytes, written as a JSON escape.
QString Base64WithEscapedBreaks(const QString &AText)
{
    constexpr qsizetype GroupBytes = 57;
    const QByteArray bytes = AText.toUtf8();
    QString out;
    for (qsizetype at = 0; at < bytes.size(); at += GroupBytes) {
        const QByteArray group = bytes.mid(at, GroupBytes);
        out += QString::fromLatin1(group.toBase64());
        if (group.size() == GroupBytes)
            out += u"\\r\\n"_s;
    }
    return out;
}
} // namespace

QString AuthenticationBody(const QString &AUserName, const QString &APassword)
{
    return u"{ \"login\": \""_s + Base64WithEscapedBreaks(u'c' + AUserName) + u'.'
        + Base64WithEscapedBreaks(APassword) + u"\"}"_s;
}

QList<TFieldDef> LoginFields()
{
    return {{u"value"_s, 8000}};
}

QList<TFieldDef> DataMessagesFields()
{
    return {
        {u"eea_name"_s, 255},
        {u"eea_address_base"_s, 255},
        {u"et_description"_s, 255},
        {u"et_address_endpoint"_s, 255},
        {u"ea_description"_s, 255},
        {u"ea_key_description"_s, 255},
        {u"es_key"_s, 255},
        {u"date_pendency_registration"_s, 255},
        {u"es_status"_s, 255},
        {u"em_id"_s, 255},
        {u"em_dt_send"_s, 255},
        {u"em_message_send"_s, 32000},
        {u"em_dt_response"_s, 255},
        {u"em_message_response"_s, 32000},
        {u"em_response_code"_s, 255},
        {u"imageIndex"_s, 255},
    };
}

TRequestParameterList MessagesParams(const TMessagesFilter &AFilter)
{
    const auto flag = [](bool AValue) { return AValue ? u"true"_s : u"false"_s; };
    return {
        {u"externalApplicationCode"_s, AFilter.externalApplicationCode},
        {u"listarPendente"_s, flag(AFilter.listarPendente)},
        {u"listarSucesso"_s, flag(AFilter.listarSucesso)},
        {u"listarErro"_s, flag(AFilter.listarErro)},
        {u"periodoInicial"_s, PeriodStartText(AFilter.periodoInicial)},
        {u"periodoFinal"_s, PeriodEndText(AFilter.periodoFinal)},
        {u"order"_s, AFilter.order == moSendDate ? u"-(NULL_FIRST)em_dt_send"_s : u"-(NULL_FIRST)em_dt_response"_s},
    };
}

QString PeriodStartText(const QDate &ADate)
{
    return ADate.toString(Qt::ISODate) + u"T00:00:00.000Z"_s;
}

QString PeriodEndText(const QDate &ADate)
{
    return ADate.toString(Qt::ISODate) + u"T23:59:59.000Z"_s;
}

TRequestParameterList ResendParams(const QString &AMessageKey)
{
    return {{u"messageCode"_s, AMessageKey}};
}

bool IsAuthenticationRefused(const QString &AValue)
{
    return QLocale().toLower(AValue) == u"acesso negado pelo sistema"_s;
}

bool IsResendSuccessful(const QString &AMessage)
{
    return QLocale().toUpper(AMessage) == u"SUCESSO"_s;
}

} // namespace nivo
