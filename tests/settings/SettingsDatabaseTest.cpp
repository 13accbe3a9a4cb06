#include "TestEnvironment.h"

#include "core/Exception.h"
#include "settings/DataModuleConfig.h"
#include "settings/SettingsPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// Reads the settings file behind the program's back, on a connection of its own.
class FileReader
{
public:
    explicit FileReader(const QString &path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_name);
        db.setDatabaseName(path);
        db.open();
    }
    ~FileReader() { QSqlDatabase::removeDatabase(m_name); }

    QList<QStringList> rows(const QString &sql) const
    {
        QSqlQuery q(QSqlDatabase::database(m_name));
        if (!q.exec(sql))
            qFatal("%s", qPrintable(q.lastError().text()));
        QList<QStringList> result;
        while (q.next()) {
            QStringList row;
            for (int i = 0; i < q.record().count(); ++i)
                row.append(q.value(i).isNull() ? u"<NULL>"_s : q.value(i).toString());
            result.append(row);
        }
        return result;
    }

    void exec(const QString &sql) const
    {
        QSqlQuery q(QSqlDatabase::database(m_name));
        if (!q.exec(sql))
            qFatal("%s", qPrintable(q.lastError().text()));
    }

private:
    QString m_name = u"reader"_s;
};

int modeBits(const QString &path)
{
    struct stat st{};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return int(st.st_mode & 0777);
}

void saveAddress(TDataModuleConfig &dm, const QString &host, const QString &port)
{
    dm.qryAPI_ACCESS_CONFIG.Edit();
    dm.qryAPI_ACCESS_CONFIG.SetField(u"ip_host"_s, host);
    dm.qryAPI_ACCESS_CONFIG.SetField(u"port"_s, port);
    dm.qryAPI_ACCESS_CONFIG.Post();
    QCOMPARE(dm.qryAPI_ACCESS_CONFIG.ApplyUpdates(), 0);
}

} // namespace

class SettingsDatabaseTest : public QObject
{
    Q_OBJECT

private slots:
    void paths_followProfileVariable_data()
    {
        QTest::addColumn<bool>("set");
        QTest::addColumn<QString>("profile");
        QTest::addColumn<QString>("folder");
        QTest::newRow("profile") << true << u"/home/ana"_s << u"/home/ana/Documents/OrvelViewer"_s;
        QTest::newRow("trailing separator") << true << u"/home/ana/"_s << u"/home/ana/Documents/OrvelViewer"_s;
        QTest::newRow("empty: relative") << true << QString() << u"Documents/OrvelViewer"_s;
        QTest::newRow("unset: home") << false << QString() << QDir::homePath() + u"/Documents/OrvelViewer"_s;
    }
    void paths_followProfileVariable()
    {
        QFETCH(bool, set);
        QFETCH(QString, profile);
        QFETCH(QString, folder);
        TemporaryProfile restore;
        if (set)
            qputenv("USERPROFILE", profile.toLocal8Bit());
        else
            qunsetenv("USERPROFILE");
        QCOMPARE(SettingsFolderPath(), folder);
        QCOMPARE(SettingsFilePath(), folder + u"/orvelconfig.s3db"_s);
    }

    void create_noFolder_makesOwnerOnlyFileWithBothTables()
    {
        TemporaryProfile profile;
        QVERIFY(!QFileInfo::exists(SettingsFolderPath()));
        TDataModuleConfig dm;
        dm.DataModuleCreate();

        QVERIFY(QFileInfo(SettingsFilePath()).isFile());
        QCOMPARE(modeBits(SettingsFolderPath()), 0700);
        QCOMPARE(modeBits(SettingsFilePath()), 0600);

        FileReader file(SettingsFilePath());
        QCOMPARE(file.rows(u"select sql from sqlite_master order by name"_s),
                 (QList<QStringList>{{u"CREATE TABLE API_ACCESS_CONFIG (ip_host TEXT, port TEXT)"_s},
                                     {u"CREATE TABLE API_AUTHENTICATION (user TEXT, password TEXT)"_s}}));

        dm.qryAPI_ACCESS_CONFIG.Open();
        QVERIFY(dm.qryAPI_ACCESS_CONFIG.IsEmpty());
        QCOMPARE(dm.qryAPI_ACCESS_CONFIG.FieldAsString(u"ip_host"_s), QString());
        QCOMPARE(dm.qryAPI_ACCESS_CONFIG.SQL(), u"select * from API_ACCESS_CONFIG"_s);
    }

    void create_existingFile_keepsRowsAndOtherTables()
    {
        TemporaryProfile profile;
        QDir().mkpath(SettingsFolderPath());
        {
            FileReader file(SettingsFilePath());
            file.exec(u"create table API_ACCESS_CONFIG (ip_host TEXT, port TEXT)"_s);
            file.exec(u"insert into API_ACCESS_CONFIG values ('srv', '8080')"_s);
            file.exec(u"create table NOTES (n TEXT)"_s);
            file.exec(u"insert into NOTES values ('keep me')"_s);
        }
        TDataModuleConfig dm;
        dm.DataModuleCreate();
        dm.qryAPI_ACCESS_CONFIG.Open();
        QCOMPARE(dm.qryAPI_ACCESS_CONFIG.FieldAsString(u"IP_HOST"_s), u"srv"_s);

        FileReader file(SettingsFilePath());
        QCOMPARE(file.rows(u"select * from NOTES"_s), (QList<QStringList>{{u"keep me"_s}}));
        QCOMPARE(file.rows(u"select count(*) from API_AUTHENTICATION"_s), (QList<QStringList>{{u"0"_s}}));
    }

    void save_twiceInOneRun_leavesOneRowWithLastValues()
    {
        TemporaryProfile profile;
        TDataModuleConfig dm;
        dm.DataModuleCreate();
        dm.qryAPI_ACCESS_CONFIG.Open();
        saveAddress(dm, u"first "_s, u"1"_s);
        saveAddress(dm, u"second"_s, u"2"_s);

        FileReader file(SettingsFilePath());
        QCOMPARE(file.rows(u"select * from API_ACCESS_CONFIG"_s), (QList<QStringList>{{u"second"_s, u"2"_s}}));

        dm.qryAPI_ACCESS_CONFIG.Close();
        dm.qryAPI_ACCESS_CONFIG.Open();
        QCOMPARE(dm.qryAPI_ACCESS_CONFIG.FieldAsString(u"ip_host"_s), u"second"_s);
    }

    void clear_keepsRowAsNulls_data()
    {
        QTest::addColumn<bool>("rowBefore");
        QTest::newRow("existing row") << true;
        QTest::newRow("empty table") << false;
    }
    void clear_keepsRowAsNulls()
    {
        QFETCH(bool, rowBefore);
        TemporaryProfile profile;
        TDataModuleConfig dm;
        dm.DataModuleCreate();
        if (rowBefore) {
            FileReader file(SettingsFilePath());
            file.exec(u"insert into API_AUTHENTICATION values ('AA', 'BB')"_s);
        }
        TCachedQuery &q = dm.qryAPI_AUTHENTICATION;
        q.Open();
        q.Edit();
        q.ClearField(u"user"_s);
        q.ClearField(u"password"_s);
        q.Post();
        QCOMPARE(q.ApplyUpdates(), 0);
        QCOMPARE(q.FieldAsString(u"user"_s), QString());

        FileReader file(SettingsFilePath());
        QCOMPARE(file.rows(u"select * from API_AUTHENTICATION"_s), (QList<QStringList>{{u"<NULL>"_s, u"<NULL>"_s}}));
    }

    void severalRows_onlyFirstIsReadAndWritten()
    {
        TemporaryProfile profile;
        TDataModuleConfig dm;
        dm.DataModuleCreate();
        {
            FileReader file(SettingsFilePath());
            file.exec(u"insert into API_ACCESS_CONFIG values ('one', '1'), ('two', '2'), ('three', '3')"_s);
        }
        dm.qryAPI_ACCESS_CONFIG.Open();
        QCOMPARE(dm.qryAPI_ACCESS_CONFIG.FieldAsString(u"ip_host"_s), u"one"_s);
        saveAddress(dm, u"uno"_s, u"10"_s);

        FileReader file(SettingsFilePath());
        QCOMPARE(file.rows(u"select * from API_ACCESS_CONFIG"_s),
                 (QList<QStringList>{{u"uno"_s, u"10"_s}, {u"two"_s, u"2"_s}, {u"three"_s, u"3"_s}}));
    }

    void apply_failingRow_isCountedAndStaysPending()
    {
        TemporaryProfile profile;
        TDataModuleConfig dm;
        dm.DataModuleCreate();
        TCachedQuery &q = dm.qryAPI_ACCESS_CONFIG;
        q.Open();
        q.Edit();
        q.SetField(u"ip_host"_s, u"srv"_s);
        q.SetField(u"port"_s, u"80"_s);
        q.Post();

        FileReader file(SettingsFilePath());
        file.exec(u"drop table API_ACCESS_CONFIG"_s);
        QCOMPARE(q.ApplyUpdates(), 1);
        file.exec(u"create table API_ACCESS_CONFIG (ip_host TEXT, port TEXT)"_s);
        QCOMPARE(q.ApplyUpdates(), 0);
        QCOMPARE(file.rows(u"select * from API_ACCESS_CONFIG"_s), (QList<QStringList>{{u"srv"_s, u"80"_s}}));
    }

    void misuse_raisesDatabaseError()
    {
        TemporaryProfile profile;
        TDataModuleConfig dm;
        QVERIFY_THROWS_EXCEPTION(nivo::EDatabaseError, dm.qryAPI_ACCESS_CONFIG.Open());
        dm.DataModuleCreate();
        dm.qryAPI_ACCESS_CONFIG.Open();
        QVERIFY_THROWS_EXCEPTION(nivo::EDatabaseError, dm.qryAPI_ACCESS_CONFIG.FieldAsString(u"user"_s));
        QVERIFY_THROWS_EXCEPTION(nivo::EDatabaseError, dm.qryAPI_ACCESS_CONFIG.SetField(u"ip_host"_s, u"x"_s));
    }

    void create_fileNotSqlite_raisesDatabaseError()
    {
        TemporaryProfile profile;
        QDir().mkpath(SettingsFolderPath());
        QFile junk(SettingsFilePath());
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(4096, 'x'));
        junk.close();

        TDataModuleConfig dm;
        QVERIFY_THROWS_EXCEPTION(nivo::EDatabaseError, dm.DataModuleCreate());
        QVERIFY_THROWS_EXCEPTION(nivo::EDatabaseError, dm.qryAPI_ACCESS_CONFIG.Open());
    }
};

QTEST_GUILESS_MAIN(SettingsDatabaseTest)
#include "SettingsDatabaseTest.moc"
