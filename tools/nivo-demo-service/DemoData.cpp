#include "DemoData.h"

#include <QFile>
#include <QJsonDocument>

using namespace Qt::StringLiterals;

namespace {
const QStringList DateMembers = {u"date_pendency_registration"_s, u"em_dt_send"_s, u"em_dt_response"_s};

QDate DateOf(const QJsonValue &value)
{
    return QDate::fromString(value.toString().left(10), Qt::ISODate);
}
} // namespace

std::optional<DemoData> DemoData::load(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = u"Não foi possível abrir %1: %2"_s.arg(path, file.errorString());
        return std::nullopt;
    }
    QJsonParseError parseError;
    const QJsonObject root = QJsonDocument::fromJson(file.readAll(), &parseError).object();
    if (parseError.error != QJsonParseError::NoError) {
        *error = u"%1 não é um JSON válido: %2"_s.arg(path, parseError.errorString());
        return std::nullopt;
    }
    const QJsonObject user = root.value(u"user"_s).toObject();
    DemoData data;
    data.userName = user.value(u"name"_s).toString();
    data.password = user.value(u"password"_s).toString();
    if (data.userName.isEmpty() || data.password.isEmpty()) {
        *error = u"%1 não traz o usuário de demonstração (user.name, user.password)."_s.arg(path);
        return std::nullopt;
    }
    for (const QJsonValue &id : root.value(u"resendRefusedFor"_s).toArray())
        data.resendRefusedFor.append(id.toString());
    data.externalApplications = root.value(u"externalApplications"_s).toArray();
    for (const QJsonValue &message : root.value(u"messages"_s).toArray())
        data.messages.append(message.toObject());
    return data;
}

void DemoData::moveDatesTo(const QDate &today)
{
    QDate latest;
    for (const QJsonObject &message : std::as_const(messages)) {
        const QDate registered = DateOf(message.value(u"date_pendency_registration"_s));
        if (registered.isValid() && (!latest.isValid() || registered > latest))
            latest = registered;
    }
    if (!latest.isValid())
        return;
    const qint64 days = latest.daysTo(today);
    for (QJsonObject &message : messages) {
        for (const QString &member : DateMembers) {
            const QString text = message.value(member).toString();
            const QDate date = DateOf(text);
            if (date.isValid())
                message.insert(member, QString(date.addDays(days).toString(Qt::ISODate) + text.mid(10)));
        }
    }
}
