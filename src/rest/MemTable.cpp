#include "rest/MemTable.h"

#include "core/Exception.h"

using namespace Qt::StringLiterals;

namespace nivo {

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
    const QString *cell = m_table->CurrentCell(m_index);
    return !cell || cell->isNull();
}

QString TField::AsString() const
{
    const QString *cell = m_table->CurrentCell(m_index);
    return cell ? *cell : QString();
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
    m_cells.clear();
    m_recordCount = 0;
    m_current = 0;
}

void TMemTable::LoadRows(QList<QString> ACells)
{
    Fill(std::move(ACells));
}

void TMemTable::LoadRows(QList<TFieldDef> AReplyFields, QList<QString> ACells)
{
    if (m_hasDeclaredFields)
        throw EArgumentError(u"A tabela já declara os seus campos."_s);
    m_fields = std::move(AReplyFields);
    Fill(std::move(ACells));
}

void TMemTable::Fill(QList<QString> ACells)
{
    const qsizetype fieldCount = m_fields.size();
    if (fieldCount == 0 ? !ACells.isEmpty() : ACells.size() % fieldCount != 0)
        throw EArgumentError(u"Os valores não formam linhas inteiras da tabela."_s);

    for (qsizetype i = 0; i < ACells.size(); ++i) {
        QString &cell = ACells[i];
        qsizetype width = m_fields.at(i % fieldCount).size;
        if (cell.size() <= width)
            continue;
        // A character outside the basic plane is never split in two.
        if (width > 0 && cell.at(width - 1).isHighSurrogate() && cell.at(width).isLowSurrogate())
            --width;
        cell.truncate(width);
    }

    m_cells = std::move(ACells);
    m_recordCount = fieldCount == 0 ? 0 : int(m_cells.size() / fieldCount);
    m_current = 0;
    m_active = true;
}

void TMemTable::Next()
{
    if (m_current < m_recordCount)
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
    const qsizetype fieldCount = m_fields.size();
    for (int row = 0; row < m_recordCount; ++row) {
        const QString &cell = m_cells.at(row * fieldCount + field);
        if (!cell.isNull() && cell.compare(AValue, ACase) == 0) {
            m_current = row;
            return true;
        }
    }
    return false;
}

const QString *TMemTable::CurrentCell(int AField) const
{
    if (!m_active || Eof())
        return nullptr;
    return &m_cells.at(qsizetype(m_current) * m_fields.size() + AField);
}

} // namespace nivo
