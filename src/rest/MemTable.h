#pragma once

#include <QList>
#include <QString>

namespace nivo {

// A text field of a table: its name and its width in characters.
struct TFieldDef
{
    QString name;
    int size = 255;

    friend bool operator==(const TFieldDef &, const TFieldDef &) = default;
};

class TMemTable;

// One field of a table's current row, for reading. Valid while the table is neither reloaded nor gone.
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
// current row. Field names are looked up without regard to letter case; a value longer than its
// field's width is cut to the width. Not thread-safe: one thread fills and reads a table at a time;
// it is a value type, so a worker may fill its own and hand it over.
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

    // Replace the content and open the table on its first row. ACells holds the rows one after the
    // other, one text per field in the order of Fields(); a null text is NULL. A table without
    // declared fields takes AReplyFields first; a table with declared fields refuses them
    // (EArgumentError). Either raises EArgumentError when ACells does not fill whole rows.
    void LoadRows(QList<QString> ACells);
    void LoadRows(QList<TFieldDef> AReplyFields, QList<QString> ACells);

    int RecordCount() const { return m_recordCount; }
    bool IsEmpty() const { return m_recordCount == 0; }
    void First() { m_current = 0; }
    void Next();
    // Past the last row (at once on an empty table).
    bool Eof() const { return m_current >= m_recordCount; }

    // Index in Fields(), or -1.
    int FindField(const QString &AFieldName) const;
    // Raises EDatabaseError for a field that the table does not have.
    TField FieldByName(const QString &AFieldName) const;
    QString FieldAsString(const QString &AFieldName) const { return FieldByName(AFieldName).AsString(); }

    // Makes current the first row whose field holds exactly AValue (or equal but for letter case);
    // false, and the current row unchanged, when there is none. Raises EDatabaseError for a field that
    // the table does not have.
    bool Locate(const QString &AFieldName, const QString &AValue, Qt::CaseSensitivity ACase = Qt::CaseSensitive);

private:
    friend class TField;
    const QString *CurrentCell(int AField) const;
    void Fill(QList<QString> ACells);

    bool m_hasDeclaredFields = false;
    bool m_active = false;
    QList<TFieldDef> m_fields;
    QList<QString> m_cells;
    int m_recordCount = 0;
    int m_current = 0;
};

} // namespace nivo
