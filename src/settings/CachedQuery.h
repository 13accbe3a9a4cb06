#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>

// A query over one settings table with cached updates. It stands on the table's first row (its natural
// order); edits are kept in a change log until ApplyUpdates writes them, identifying the row by rowid.
class TCachedQuery final
{
public:
    TCachedQuery(QString connectionName, QString tableName);

    // The statement the query shows its rows from.
    QString SQL() const;

    void Close();
    void Open();
    bool Active() const { return m_active; }
    bool IsEmpty() const { return !m_hasRow; }

    // NULL and an empty table read as an empty text; an unknown field raises.
    QString FieldAsString(const QString &fieldName) const;

    // Puts the current row into edit mode; on an empty table starts a new row instead.
    void Edit();
    void SetField(const QString &fieldName, const QString &value);
    void ClearField(const QString &fieldName);
    void Post();

    // Writes the change log to the file; returns the number of rows that failed (and stay pending).
    int ApplyUpdates();

private:
    enum class State { Browse, Edit, Insert };
    struct PendingChange
    {
        bool insert = false;
        qint64 rowid = 0;
        QList<QVariant> values;
        QSet<int> changed;
    };

    int fieldIndex(const QString &fieldName) const;
    void requireActive() const;
    void requireEditing() const;
    bool writeChange(const PendingChange &change, qint64 *insertedRowid) const;
    QString quoted(const QString &identifier) const;

    QString m_connectionName;
    QString m_tableName;
    bool m_active = false;
    bool m_hasRow = false;
    qint64 m_rowid = 0;
    QStringList m_fieldNames;
    QList<QVariant> m_values;
    QSet<int> m_changed;
    State m_state = State::Browse;
    QList<PendingChange> m_changeLog;
};
