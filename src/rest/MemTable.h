#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

class QJsonValue;

namespace nivo {

// A text field of a table: its name and its width in characters.
struct TFieldDef
{
    QString name;
    int size = 255;

    friend bool operator==(const TFieldDef &, const TFieldDef &) = default;
};

class TMemTable;

// One field of a table, for reading; each call reads the table's current row at that moment. Valid
// until the table is loaded again, closed or gone.
class TField final
{
public:
    const QString &FieldName() const;
    int Size() const;
    // NULL: the reply gave no value (null or missing member), or the table has no current row.
    bool IsNull() const;
    // NULL reads as an empty text.
    QString AsString() const;
    // Raises EConvertError when the text is empty or not an integer.
    int AsInteger() const;

private:
    friend class TMemTable;
    TField(const TMemTable &ATable, int AIndex);

    const TMemTable *m_table;
    int m_index;
};

// An in-memory table of text fields, filled from one reply at a time (ExecuteRESTRequestToDataSet).
// It either declares its fields (name, width), which it keeps for good, or takes from each reply one
// 255-wide field per member name. It is open (fields and zero or more rows) or not open, and has a
// current row. Field names are looked up without regard to letter case.
//
// A value reads as text: a JSON string as its text, a number or a nested object or array as its
// compact JSON text, true/false as their words; null or a missing member is NULL, read as an empty
// text. A text longer than its field's width is cut to the width.
//
// The rows stay in the parsed reply, which the table shares, with the place of each field's member
// resolved once per load; texts are made when they are read. So loading costs little beyond parsing,
// however large the payloads. Not thread-safe: one thread at a time fills and reads a table; it is a
// value type, so a worker may fill its own and hand it over.
class TMemTable final
{
public:
    static constexpr int ReplyFieldSize = 255;

    // A table that takes its fields from each reply.
    TMemTable() = default;
    // A table with declared fields.
    explicit TMemTable(QList<TFieldDef> AFieldDefs);

    bool HasDeclaredFields() const { return m_hasDeclaredFields; }
    // The declared fields, or, for a table without, the fields of the loaded reply (none when not open).
    const QList<TFieldDef> &Fields() const { return m_fields; }

    bool Active() const { return m_active; }
    // Not open and no rows; declared fields stay.
    void Close();

    // Replaces the content with the rows of a reply value and opens the table on its first row: an
    // array gives one row per element, in order (an element that is not an object gives a row of
    // NULLs), an object gives one row, anything else none. Declared fields take the member of the same
    // name (letter case ignored) and drop the others. A table without declared fields takes one field
    // per member name (row by row, each row's names in the parser's order, which sorts them) and stays
    // not open when the rows have no member at all.
    void LoadJSON(const QJsonValue &ARows);

    int RecordCount() const { return int(m_rows.size()); }
    bool IsEmpty() const { return m_rows.isEmpty(); }
    void First() { m_current = 0; }
    void Next();
    // Past the last row (at once on an empty table).
    bool Eof() const { return m_current >= m_rows.size(); }

    // Index in Fields(), or -1.
    int FindField(const QString &AFieldName) const;
    // Raises EDatabaseError for a field that the table does not have.
    TField FieldByName(const QString &AFieldName) const;
    QString FieldAsString(const QString &AFieldName) const { return FieldByName(AFieldName).AsString(); }

    // Makes current the first row whose field holds exactly AValue (or equal but for letter case);
    // false, and the current row unchanged, when there is none. NULL matches nothing. Raises
    // EDatabaseError for a field that the table does not have.
    bool Locate(const QString &AFieldName, const QString &AValue, Qt::CaseSensitivity ACase = Qt::CaseSensitive);

private:
    friend class TField;
    qsizetype MemberAt(qsizetype ARow, int AField) const;
    QString TextAt(qsizetype ARow, int AField) const;

    bool m_hasDeclaredFields = false;
    bool m_active = false;
    QList<TFieldDef> m_fields;
    QList<QJsonObject> m_rows;
    // For each row and field, row after row: where the field's member sits in the row object, or -1.
    QList<qint32> m_members;
    qsizetype m_current = 0;
};

} // namespace nivo
