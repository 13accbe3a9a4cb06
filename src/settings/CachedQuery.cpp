#include "settings/CachedQuery.h"

#include "core/Exception.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

using nivo::EDatabaseError;
using namespace Qt::StringLiterals;

TCachedQuery::TCachedQuery(QString connectionName, QString tableName)
    : m_connectionName(std::move(connectionName))
    , m_tableName(std::move(tableName))
{
}

QString TCachedQuery::SQL() const
{
    return u"select * from "_s + m_tableName;
}

void TCachedQuery::Close()
{
    m_active = false;
    m_hasRow = false;
    m_rowid = 0;
    m_fieldNames.clear();
    m_values.clear();
    m_changed.clear();
    m_state = State::Browse;
    m_changeLog.clear();
}

void TCachedQuery::Open()
{
    Close();
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (!db.isOpen())
        throw EDatabaseError(u"O banco de configurações não está aberto."_s);

    QSqlQuery query(db);
    query.setForwardOnly(true);
    // The rowid comes along so that a posted row can be written back to the same row.
    if (!query.exec(u"select rowid as orvel_rowid, * from "_s + quoted(m_tableName)))
        throw EDatabaseError(u"Não foi possível ler a tabela %1: %2"_s.arg(m_tableName, query.lastError().text()));

    const QSqlRecord record = query.record();
    for (int i = 1; i < record.count(); ++i)
        m_fieldNames.append(record.fieldName(i));
    if (query.next()) {
        m_hasRow = true;
        m_rowid = query.value(0).toLongLong();
        for (int i = 1; i < record.count(); ++i)
            m_values.append(query.value(i));
    } else {
        for (int i = 1; i < record.count(); ++i)
            m_values.append(QVariant());
    }
    m_active = true;
}

QString TCachedQuery::FieldAsString(const QString &fieldName) const
{
    const int i = fieldIndex(fieldName);
    if (!m_hasRow && m_state != State::Insert)
        return QString();
    const QVariant &v = m_values.at(i);
    return v.isNull() ? QString() : v.toString();
}

void TCachedQuery::Edit()
{
    requireActive();
    if (m_state != State::Browse)
        return;
    m_changed.clear();
    if (m_hasRow) {
        m_state = State::Edit;
    } else {
        m_state = State::Insert;
        for (QVariant &v : m_values)
            v = QVariant();
    }
}

void TCachedQuery::SetField(const QString &fieldName, const QString &value)
{
    const int i = fieldIndex(fieldName);
    requireEditing();
    m_values[i] = value;
    m_changed.insert(i);
}

void TCachedQuery::ClearField(const QString &fieldName)
{
    const int i = fieldIndex(fieldName);
    requireEditing();
    m_values[i] = QVariant();
    m_changed.insert(i);
}

void TCachedQuery::Post()
{
    requireEditing();
    const bool insert = m_state == State::Insert;
    m_state = State::Browse;
    m_hasRow = true;

    // A row still waiting to be written takes the new values into its pending change.
    if (!m_changeLog.isEmpty() && m_changeLog.last().rowid == m_rowid) {
        PendingChange &last = m_changeLog.last();
        last.values = m_values;
        last.changed.unite(m_changed);
    } else {
        m_changeLog.append(PendingChange{insert, m_rowid, m_values, m_changed});
    }
    m_changed.clear();
}

int TCachedQuery::ApplyUpdates()
{
    requireActive();
    int failed = 0;
    QList<PendingChange> stillPending;
    for (const PendingChange &change : std::as_const(m_changeLog)) {
        qint64 inserted = 0;
        if (writeChange(change, &inserted)) {
            if (change.insert && change.rowid == m_rowid)
                m_rowid = inserted;
        } else {
            ++failed;
            stillPending.append(change);
        }
    }
    m_changeLog = stillPending;
    return failed;
}

bool TCachedQuery::writeChange(const PendingChange &change, qint64 *insertedRowid) const
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (!db.isOpen())
        return false;
    QSqlQuery query(db);
    QList<int> columns(change.changed.cbegin(), change.changed.cend());
    std::sort(columns.begin(), columns.end());

    if (change.insert) {
        QStringList names;
        QStringList marks;
        for (int i : std::as_const(columns)) {
            names.append(quoted(m_fieldNames.at(i)));
            marks.append(u"?"_s);
        }
        QString sql = u"insert into "_s + quoted(m_tableName);
        if (names.isEmpty())
            sql += u" default values"_s;
        else
            sql += u" ("_s + names.join(u", "_s) + u") values ("_s + marks.join(u", "_s) + u")"_s;
        if (!query.prepare(sql))
            return false;
    } else {
        if (columns.isEmpty())
            return true;
        QStringList sets;
        for (int i : std::as_const(columns))
            sets.append(quoted(m_fieldNames.at(i)) + u" = ?"_s);
        if (!query.prepare(u"update "_s + quoted(m_tableName) + u" set "_s + sets.join(u", "_s)
                           + u" where rowid = ?"_s))
            return false;
    }
    for (int i : std::as_const(columns)) {
        const QVariant &v = change.values.at(i);
        query.addBindValue(v.isNull() ? QVariant(QMetaType::fromType<QString>()) : v);
    }
    if (!change.insert)
        query.addBindValue(change.rowid);
    if (!query.exec())
        return false;
    if (change.insert)
        *insertedRowid = query.lastInsertId().toLongLong();
    return true;
}

int TCachedQuery::fieldIndex(const QString &fieldName) const
{
    requireActive();
    for (int i = 0; i < m_fieldNames.size(); ++i) {
        if (m_fieldNames.at(i).compare(fieldName, Qt::CaseInsensitive) == 0)
            return i;
    }
    throw EDatabaseError(u"Campo '%1' não encontrado na tabela %2."_s.arg(fieldName, m_tableName));
}

void TCachedQuery::requireActive() const
{
    if (!m_active)
        throw EDatabaseError(u"A consulta da tabela %1 não está aberta."_s.arg(m_tableName));
}

void TCachedQuery::requireEditing() const
{
    if (m_state == State::Browse)
        throw EDatabaseError(u"A tabela %1 não está em modo de edição."_s.arg(m_tableName));
}

QString TCachedQuery::quoted(const QString &identifier) const
{
    QString escaped = identifier;
    escaped.replace(u'"', u"\"\""_s);
    return u'"' + escaped + u'"';
}
