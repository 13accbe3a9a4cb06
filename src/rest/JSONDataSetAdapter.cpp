#include "rest/JSONDataSetAdapter.h"

#include "rest/MemTable.h"
#include "rest/RESTRequestError.h"

#include <QCborValue>
#include <QHash>
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

QString CellText(const QJsonValue &AValue)
{
    switch (AValue.type()) {
    case QJsonValue::String:
        return AValue.toString();
    case QJsonValue::Double: {
        // Written as the JSON writer writes numbers: integers exactly, others shortest round-trip.
        const QCborValue number = QCborValue::fromJsonValue(AValue);
        if (number.isInteger())
            return QString::number(number.toInteger());
        return QString::number(AValue.toDouble(), 'g', QLocale::FloatingPointShortest);
    }
    case QJsonValue::Bool:
        return AValue.toBool() ? u"true"_s : u"false"_s;
    case QJsonValue::Array:
        return QString::fromUtf8(QJsonDocument(AValue.toArray()).toJson(QJsonDocument::Compact));
    case QJsonValue::Object:
        return QString::fromUtf8(QJsonDocument(AValue.toObject()).toJson(QJsonDocument::Compact));
    case QJsonValue::Null:
    case QJsonValue::Undefined:
        break;
    }
    return QString();
}

// Maps member names to field indexes; each spelling is resolved once per load.
class TFieldResolver final
{
public:
    TFieldResolver(QList<TFieldDef> &AFields, bool AMayAddFields)
        : m_fields(AFields)
        , m_mayAddFields(AMayAddFields)
    {
    }

    // -1 for a member that has no field.
    int IndexOf(const QString &AMemberName)
    {
        const auto known = m_byName.constFind(AMemberName);
        if (known != m_byName.cend())
            return *known;
        int index = -1;
        for (qsizetype i = 0; i < m_fields.size() && index < 0; ++i) {
            if (m_fields.at(i).name.compare(AMemberName, Qt::CaseInsensitive) == 0)
                index = int(i);
        }
        if (index < 0 && m_mayAddFields) {
            index = int(m_fields.size());
            m_fields.append({AMemberName, TMemTable::ReplyFieldSize});
        }
        m_byName.insert(AMemberName, index);
        return index;
    }

private:
    QList<TFieldDef> &m_fields;
    bool m_mayAddFields;
    QHash<QString, int> m_byName;
};

QList<QJsonObject> SelectRows(const QJsonDocument &ADocument, const QString &ARootElement)
{
    QJsonValue selected;
    if (ARootElement.isEmpty()) {
        selected = ADocument.isArray() ? QJsonValue(ADocument.array()) : QJsonValue(ADocument.object());
    } else {
        const QJsonObject top = ADocument.object();
        const auto member = top.constFind(ARootElement);
        if (!ADocument.isObject() || member == top.constEnd())
            throw ERESTRequestError(u"A resposta do serviço não tem o elemento '%1'."_s.arg(ARootElement));
        selected = *member;
    }

    QList<QJsonObject> rows;
    if (selected.isArray()) {
        const QJsonArray array = selected.toArray();
        rows.reserve(array.size());
        for (const QJsonValue &element : array)
            rows.append(element.toObject());
    } else if (selected.isObject()) {
        rows.append(selected.toObject());
    }
    return rows;
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
    const QList<QJsonObject> rows = SelectRows(*document, ARootElement);

    QList<TFieldDef> fields = ADataSet.HasDeclaredFields() ? ADataSet.Fields() : QList<TFieldDef>();
    TFieldResolver resolver(fields, !ADataSet.HasDeclaredFields());
    if (!ADataSet.HasDeclaredFields()) {
        for (const QJsonObject &row : rows) {
            for (auto member = row.constBegin(); member != row.constEnd(); ++member)
                resolver.IndexOf(member.key());
        }
        if (fields.isEmpty()) {
            ADataSet.Close();
            return;
        }
    }

    const qsizetype fieldCount = fields.size();
    QList<QString> cells(rows.size() * fieldCount);
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const QJsonObject &row = rows.at(r);
        for (auto member = row.constBegin(); member != row.constEnd(); ++member) {
            const int index = resolver.IndexOf(member.key());
            if (index >= 0)
                cells[r * fieldCount + index] = CellText(member.value());
        }
    }

    if (ADataSet.HasDeclaredFields())
        ADataSet.LoadRows(std::move(cells));
    else
        ADataSet.LoadRows(std::move(fields), std::move(cells));
}

} // namespace nivo
