#include "settings/DataModuleConfig.h"

#include "core/Exception.h"
#include "settings/SettingsPaths.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

using nivo::EDatabaseError;
using namespace Qt::StringLiterals;

namespace {

QString nextConnectionName()
{
    static QAtomicInt counter;
    return u"orvel-settings-%1"_s.arg(counter.fetchAndAddRelaxed(1));
}

constexpr auto OwnerOnlyFolder = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
constexpr auto OwnerOnlyFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

} // namespace

TDataModuleConfig::TDataModuleConfig(QObject *parent)
    : QObject(parent)
    , m_connectionName(nextConnectionName())
    , qryAPI_ACCESS_CONFIG(m_connectionName, u"API_ACCESS_CONFIG"_s)
    , qryAPI_AUTHENTICATION(m_connectionName, u"API_AUTHENTICATION"_s)
{
}

TDataModuleConfig::~TDataModuleConfig()
{
    qryAPI_ACCESS_CONFIG.Close();
    qryAPI_AUTHENTICATION.Close();
    if (QSqlDatabase::contains(m_connectionName)) {
        QSqlDatabase::database(m_connectionName, false).close();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
}

void TDataModuleConfig::DataModuleCreate()
{
    if (QSqlDatabase::contains(m_connectionName)) {
        QSqlDatabase::database(m_connectionName, false).close();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
    qryAPI_ACCESS_CONFIG.Close();
    qryAPI_AUTHENTICATION.Close();

    const QString folder = SettingsFolderPath();
    const QString file = SettingsFilePath();
    if (!QFileInfo::exists(folder) && !QDir().mkpath(folder))
        throw EDatabaseError(u"Não foi possível criar a pasta de configurações \"%1\"."_s.arg(folder));
    // The credentials live here: only the owner may enter the folder and read the file.
    QFile::setPermissions(folder, OwnerOnlyFolder);
    if (!QFileInfo::exists(file)) {
        QFile created(file);
        if (!created.open(QIODevice::ReadWrite | QIODevice::NewOnly, OwnerOnlyFile))
            throw EDatabaseError(u"Não foi possível criar o arquivo de configurações \"%1\": %2"_s.arg(
                file, created.errorString()));
    }
    QFile::setPermissions(file, OwnerOnlyFile);

    QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_connectionName);
    db.setDatabaseName(file);
    if (!db.open())
        throw EDatabaseError(u"Não foi possível abrir o arquivo de configurações \"%1\": %2"_s.arg(
            file, db.lastError().text()));
    connectionOrvelAfterConnect();
}

void TDataModuleConfig::connectionOrvelAfterConnect()
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    for (const QString &statement : {u"CREATE TABLE IF NOT EXISTS API_ACCESS_CONFIG (ip_host TEXT, port TEXT)"_s,
                                     u"CREATE TABLE IF NOT EXISTS API_AUTHENTICATION (user TEXT, password TEXT)"_s}) {
        QSqlQuery query(db);
        if (!query.exec(statement))
            throw EDatabaseError(u"Não foi possível preparar o arquivo de configurações \"%1\": %2"_s.arg(
                db.databaseName(), query.lastError().text()));
    }
}
