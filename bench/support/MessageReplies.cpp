#include "MessageReplies.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QRandomGenerator>
#include <QTimeZone>

using namespace Qt::StringLiterals;

namespace {

constexpr int PayloadChars = 2000;

struct Application
{
    QString id;
    QString name;
    QString addressBase;
};

struct MessageKind
{
    QString description;
    QString endpoint;
    QString pendency;
    QString keyName;
};

const QList<Application> &Applications()
{
    static const QList<Application> list = {
        {u"1"_s, u"Faturamento ERP"_s, u"http://erp.exemplo.com.br/api/v2"_s},
        {u"2"_s, u"Portal de Fornecedores"_s, u"https://fornecedores.exemplo.com.br/"_s},
        {u"3"_s, u"Alfa Logística"_s, u"http://alfa-logistica.exemplo.com.br/ws"_s},
        {u"5"_s, u"Gateway de Pagamentos"_s, u"https://pagamentos.exemplo.com.br/v1"_s},
        {u"6"_s, u"CRM Vendas"_s, u"http://crm.exemplo.com.br/rest"_s},
    };
    return list;
}

const QList<MessageKind> &Kinds()
{
    static const QList<MessageKind> list = {
        {u"Pedido de compra"_s, u"/pedidos"_s, u"Pedidos de compra aprovados"_s, u"Número do pedido"_s},
        {u"Emissão de nota fiscal"_s, u"/notas-fiscais"_s, u"Notas fiscais autorizadas"_s,
         u"Chave de acesso da NF-e"_s},
        {u"Atualização de cliente"_s, u"/clientes"_s, u"Cadastro de clientes"_s, u"Código do cliente"_s},
        {u"Confirmação de entrega"_s, u"/entregas/confirmacao"_s, u"Entregas concluídas"_s,
         u"Número da remessa"_s},
        {u"Baixa de título"_s, u"/financeiro/titulos/baixa"_s, u"Títulos liquidados"_s, u"Número do título"_s},
    };
    return list;
}

const QList<QString> &Customers()
{
    static const QList<QString> list = {
        u"Construtora Horizonte"_s, u"Mercado Boa Vista"_s, u"Padaria São João"_s,
        u"Farmácia Saúde & Vida"_s, u"Transportes Araújo Ltda."_s, u"Cooperativa Agrícola Sul"_s,
    };
    return list;
}

QString Money(QRandomGenerator &random)
{
    return QString::number(random.bounded(100, 100000) / 100.0, 'f', 2);
}

QString Iso(const QDateTime &when, bool withOffset)
{
    return withOffset ? when.toOffsetFromUtc(-3 * 3600).toString(Qt::ISODateWithMs)
                      : when.toUTC().toString(u"yyyy-MM-ddTHH:mm:ss.zzz"_s);
}

// Items are added while the next one still fits, so the text stays within `chars`.
template <typename MakeItem>
QString Fill(const QString &head, const QString &tail, int chars, MakeItem makeItem)
{
    QString body;
    for (int n = 1;; ++n) {
        const QString item = makeItem(n);
        if (head.size() + body.size() + item.size() + tail.size() > chars)
            break;
        body += item;
    }
    return head + body + tail;
}

QString XmlOrder(QRandomGenerator &random, const QString &kind, const QString &key, int chars)
{
    const QString head = uR"(<?xml version="1.0" encoding="UTF-8"?><documento tipo=")"_s + kind
        + u"\"><identificador>"_s + key + u"</identificador><cliente><nome>"_s
        + Customers().at(random.bounded(Customers().size())).toHtmlEscaped()
        + u"</nome><cnpj>00.000.000/0001-00</cnpj></cliente><itens>"_s;
    const QString tail = u"</itens><total>"_s + Money(random) + u"</total></documento>"_s;
    return Fill(head, tail, chars, [&random](int n) -> QString {
        return u"<item><sku>SKU-"_s + QString::number(random.bounded(1000, 9999)) + u"</sku><descricao>Produto "_s
            + QString::number(n) + u" – linha padrão</descricao><quantidade>"_s
            + QString::number(random.bounded(1, 40)) + u"</quantidade><valorUnitario>"_s + Money(random)
            + u"</valorUnitario></item>"_s;
    });
}

QString JsonOrder(QRandomGenerator &random, const QString &kind, const QString &key, int chars)
{
    const QString head = uR"({"tipo":")"_s + kind + uR"(","identificador":")"_s + key
        + uR"(","cliente":{"nome":")"_s + Customers().at(random.bounded(Customers().size()))
        + uR"(","cnpj":"00.000.000/0001-00"},"itens":[)"_s;
    const QString tail = uR"(],"total":)"_s + Money(random) + u"}"_s;
    return Fill(head, tail, chars, [&random](int n) -> QString {
        return QString(n > 1 ? u","_s : QString()) + uR"({"sku":"SKU-)"_s
            + QString::number(random.bounded(1000, 9999)) + uR"(","descricao":"Produto )"_s + QString::number(n)
            + uR"( – linha padrão","quantidade":)"_s + QString::number(random.bounded(1, 40))
            + uR"(,"valorUnitario":)"_s + Money(random) + u"}"_s;
    });
}

QString XmlResponse(QRandomGenerator &random, const QString &key, bool ok, int chars)
{
    const QString head = u"<?xml version=\"1.0\"?><retorno><situacao>"_s
        + (ok ? u"processado"_s : u"rejeitado"_s) + u"</situacao><identificador>"_s + key
        + u"</identificador><protocolo>"_s + QString::number(random.bounded(1000000, 9999999))
        + u"</protocolo><ocorrencias>"_s;
    const QString tail = u"</ocorrencias></retorno>"_s;
    return Fill(head, tail, chars, [ok](int n) -> QString {
        return u"<ocorrencia><linha>"_s + QString::number(n) + u"</linha><codigo>"_s
            + (ok ? u"100"_s : u"539"_s) + u"</codigo><descricao>"_s
            + (ok ? u"Item aceito sem restrições"_s : u"Duplicidade de registro com diferença na chave"_s)
            + u"</descricao></ocorrencia>"_s;
    });
}

QString JsonResponse(QRandomGenerator &random, const QString &key, bool ok, int chars)
{
    const QString head = uR"({"status":")"_s + (ok ? u"recebido"_s : u"erro"_s) + uR"(","identificador":")"_s
        + key + uR"(","protocolo":")"_s + QString::number(random.bounded(1000000, 9999999))
        + uR"(","ocorrencias":[)"_s;
    const QString tail = u"]}"_s;
    return Fill(head, tail, chars, [ok](int n) -> QString {
        return QString(n > 1 ? u","_s : QString()) + uR"({"linha":)"_s + QString::number(n)
            + uR"(,"codigo":")"_s + (ok ? u"100"_s : u"539"_s) + uR"(","descricao":")"_s
            + (ok ? u"Item aceito sem restrições"_s : u"Duplicidade de registro com diferença na chave"_s)
            + u"\"}"_s;
    });
}

QJsonObject Message(QRandomGenerator &random, int index, const QDateTime &newest)
{
    const Application &application = Applications().at(index % Applications().size());
    const MessageKind &kind = Kinds().at((index / Applications().size()) % Kinds().size());
    const QString key = QString::number(100000 + index);
    // About one in ten still pending, one in five answered with an error.
    const int roll = int(random.bounded(10));
    const int status = roll == 0 ? 0 : roll <= 2 ? 1 : 2;
    const bool xml = random.bounded(2) == 0;
    const bool withOffset = random.bounded(2) == 0;
    const QDateTime registered = newest.addSecs(-qint64(index) * 37 - random.bounded(30));

    QJsonObject message{
        {u"eea_id"_s, application.id},
        {u"eea_name"_s, application.name},
        {u"eea_address_base"_s, application.addressBase},
        {u"et_description"_s, kind.description},
        {u"et_address_endpoint"_s, kind.endpoint},
        {u"ea_description"_s, kind.pendency},
        {u"ea_key_description"_s, kind.keyName},
        {u"es_key"_s, key},
        {u"date_pendency_registration"_s, Iso(registered, withOffset)},
        {u"es_status"_s, status == 0 ? u"Pendente"_s : status == 1 ? u"Erro"_s : u"Sucesso"_s},
        {u"em_message_send"_s, xml ? XmlOrder(random, kind.pendency, key, PayloadChars)
                                   : JsonOrder(random, kind.pendency, key, PayloadChars)},
        {u"imageIndex"_s, status},
    };
    if (status == 0) {
        for (const QString &absent : {u"em_id"_s, u"em_dt_send"_s, u"em_dt_response"_s,
                                      u"em_message_response"_s, u"em_response_code"_s})
            message.insert(absent, QJsonValue::Null);
        return message;
    }
    const QDateTime sent = registered.addMSecs(random.bounded(500, 60000));
    message.insert(u"em_id"_s, 7000 + index);
    message.insert(u"em_dt_send"_s, Iso(sent, withOffset));
    message.insert(u"em_dt_response"_s, Iso(sent.addMSecs(random.bounded(200, 15000)), withOffset));
    message.insert(u"em_message_response"_s, xml ? XmlResponse(random, key, status == 2, PayloadChars)
                                                 : JsonResponse(random, key, status == 2, PayloadChars));
    message.insert(u"em_response_code"_s, status == 2 ? u"200"_s : u"422"_s);
    return message;
}

} // namespace

QByteArray MessagesReply(int count)
{
    QRandomGenerator random{quint32(count)};
    const QDateTime newest(QDate(2024, 5, 20), QTime(18, 30), QTimeZone::utc());
    QByteArray reply = "{\"items\":[";
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            reply += ',';
        reply += QJsonDocument(Message(random, i, newest)).toJson(QJsonDocument::Compact);
    }
    reply += "]}";
    return reply;
}

QString XmlPayload(int chars)
{
    QRandomGenerator random(1);
    return XmlOrder(random, u"Pedidos de compra aprovados"_s, u"100001"_s, chars);
}

QString JsonPayload(int chars)
{
    QRandomGenerator random(2);
    return JsonOrder(random, u"Pedidos de compra aprovados"_s, u"100001"_s, chars);
}
