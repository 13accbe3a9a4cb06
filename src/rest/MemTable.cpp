#include "rest/MemTable.h"

#include "core/Exception.h"

#include <QCborValue>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

using namespace Qt::StringLiterals;

namespace nivo {

namespace {

QString ValueText(const QJsonValue &AValue)
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

void CutToWidth(QString &AText, qsizetype AWidth)
{
    if (AText.size() <= AWidth)
        return;
    // A character outside the basic plane is never split in two.
    if (AWidth > 0 && AText.at(AWidth - 1).isHighSurrogate() && AText.at(AWidth).isLowSurrogate())
        --AWidth;
    AText.truncate(AWidth);
}

// Maps member names to field indexes; each spelling is looked up once per load.
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

QList<QJsonObject> RowsOf(const QJsonValue &AValue)
{
    QList<QJsonObject> rows;
    if (AValue.isArray()) {
        const QJsonArray array = AValue.toArray();
        rows.reserve(array.size());
        for (const QJsonValue &element : array)
            rows.append(element.toObject());
    } else if (AValue.isObject()) {
        rows.append(AValue.toObject());
    }
    return rows;
}

} // namespace

TField::TField(const TMemTable &ATable, int AIndex)
    : m_table(&ATable)
    , m_index(AIndex)
{
}

const QString &TField::FieldName() const
{
    return m_table->m_fields.at(m_index).name;
}

int TField::Size() const
{
    return m_table->m_fields.at(m_index).size;
}

bool TField::IsNull() const
{
    return m_table->Eof() || m_table->MemberAt(m_table->m_current, m_index) < 0;
}

QString TField::AsString() const
{
    return m_table->Eof() ? QString() : m_table->TextAt(m_table->m_current, m_index);
}

int TField::AsInteger() const
{
    const QString text = AsString();
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        throw EConvertError(u"'%1' não é um valor inteiro válido."_s.arg(text));
    return value;
}

TMemTable::TMemTable(QList<TFieldDef> AFieldDefs)
    : m_hasDeclaredFields(true)
    , m_fields(std::move(AFieldDefs))
{
}

void TMemTable::Close()
{
    m_active = false;
    if (!m_hasDeclaredFields)
        m_fields.clear();
    m_rows.clear();
    m_members.clear();
    m_current = 0;
}

void TMemTable::LoadJSON(const QJsonValue &ARows)
{
    Close();
    QList<QJsonObject> rows = RowsOf(ARows);
    TFieldResolver resolver(m_fields, !m_hasDeclaredFields);
    if (!m_hasDeclaredFields) {
        for (const QJsonObject &row : std::as_const(rows)) {
            for (auto member = row.constBegin(); member != row.constEnd(); ++member)
                resolver.IndexOf(member.key());
        }
        if (m_fields.isEmpty()) {
            Close();
            return;
        }
    }

    const qsizetype fieldCount = m_fields.size();
    QList<qint32> members(rows.size() * fieldCount, -1);
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const QJsonObject &row = rows.at(r);
        qint32 position = 0;
        for (auto member = row.constBegin(); member != row.constEnd(); ++member, ++position) {
            const int field = resolver.IndexOf(member.key());
            if (field >= 0)
                members[r * fieldCount + field] = member->isNull() ? -1 : position;
        }
    }

    m_rows = std::move(rows);
    m_members = std::move(members);
    m_active = true;
}

void TMemTable::Next()
{
    if (m_current < m_rows.size())
        ++m_current;
}

int TMemTable::FindField(const QString &AFieldName) const
{
    for (qsizetype i = 0; i < m_fields.size(); ++i) {
        if (m_fields.at(i).name.compare(AFieldName, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

TField TMemTable::FieldByName(const QString &AFieldName) const
{
    const int index = FindField(AFieldName);
    if (index < 0)
        throw EDatabaseError(u"Campo '%1' não encontrado."_s.arg(AFieldName));
    return TField(*this, index);
}

bool TMemTable::Locate(const QString &AFieldName, const QString &AValue, Qt::CaseSensitivity ACase)
{
    const int field = FieldByName(AFieldName).m_index;
    for (qsizetype row = 0; row < m_rows.size(); ++row) {
        if (MemberAt(row, field) >= 0 && TextAt(row, field).compare(AValue, ACase) == 0) {
            m_current = row;
            return true;
        }
    }
    return false;
}

qsizetype TMemTable::MemberAt(qsizetype ARow, int AField) const
{
    return m_members.at(ARow * m_fields.size() + AField);
}

QString TMemTable::TextAt(qsizetype ARow, int AField) const
{
    const qsizetype position = MemberAt(ARow, AField);
    if (position < 0)
        return QString();
    const QJsonObject &row = m_rows.at(ARow);
    QString text = ValueText((row.constBegin() + position).value());
    CutToWidth(text, m_fields.at(AField).size);
    return text;
}

} // namespace nivo
