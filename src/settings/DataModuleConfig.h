#pragma once

#include "settings/CachedQuery.h"

#include <QObject>
#include <QString>

// The settings module: the SQLite settings file and the two queries over its tables.
class TDataModuleConfig final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TDataModuleConfig)

    // Declared first: the queries are made on this connection.
    QString m_connectionName;

public:
    explicit TDataModuleConfig(QObject *parent = nullptr);
    ~TDataModuleConfig() override;

    // The module's create handler: opens (or creates) the settings file and its tables. Raises on failure.
    void DataModuleCreate();

    TCachedQuery qryAPI_ACCESS_CONFIG;
    TCachedQuery qryAPI_AUTHENTICATION;

    QString connectionName() const { return m_connectionName; }

private:
    void connectionOrvelAfterConnect();
};
