#include "rest/JSONDataSetAdapter.h"

#include "rest/MemTable.h"
#include "rest/RESTRequestError.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>

#include <optional>

using namespace Qt::StringLiterals;

namespace nivo {

namespace {

// Null for an empty body.
std::optional<QJsonDocument> ParseBody(const QByteArray &ABody, const QByteArray &ACharset)
{
    const std::optional<QStringConverter::Encoding> named = QStringConverter::encodingForName(ACharset.constData());
    const QStringConverter::Encoding encoding = named.value_or(QStringConverter::Utf8);

    QJsonParseError error;
    if (encoding == QStringConverter::Utf8) {
        // The parser reads UTF-8 itself; decoding first gives the same result whenever it succeeds,
        // so that slower road is only taken for bodies it refuses (broken bytes, a lone byte-order mark).
        if (ABody.isEmpty())
            return std::nullopt;
        QJsonDocument document = QJsonDocument::fromJson(ABody, &error);
        if (error.error == QJsonParseError::NoError)
            return document;
    }

    QStringDecoder decoder(encoding);
    const QString text = decoder.decode(ABody);
    if (text.isEmpty())
        return std::nullopt;
    QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError)
        throw ERESTRequestError(u"A resposta do serviço não é um JSON válido: %1."_s.arg(error.errorString()));
    return document;
}

QJsonValue SelectRows(const QJsonDocument &ADocument, const QString &ARootElement)
{
    if (ARootElement.isEmpty())
        return ADocument.isArray() ? QJsonValue(ADocument.array()) : QJsonValue(ADocument.object());
    const QJsonObject top = ADocument.object();
    const auto member = top.constFind(ARootElement);
    if (!ADocument.isObject() || member == top.constEnd())
        throw ERESTRequestError(u"A resposta do serviço não tem o elemento '%1'."_s.arg(ARootElement));
    return *member;
}

} // namespace

void LoadJSONToDataSet(const QByteArray &ABody, const QByteArray &ACharset, const QString &ARootElement,
                       TMemTable &ADataSet)
{
    const std::optional<QJsonDocument> document = ParseBody(ABody, ACharset);
    if (!document) {
        ADataSet.Close();
        return;
    }
    ADataSet.LoadJSON(SelectRows(*document, ARootElement));
}

} // namespace nivo
