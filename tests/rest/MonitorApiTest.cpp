#include "rest/MonitorApi.h"

#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace nivo;

class MonitorApiTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void isAuthenticationRefused_comparesLowerCasedWholeText_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("refused");

        QTest::newRow("the refusal text") << u"pt_BR"_s << u"acesso negado pelo sistema"_s << true;
        QTest::newRow("capitals") << u"pt_BR"_s << u"ACESSO NEGADO PELO SISTEMA"_s << true;
        QTest::newRow("capitalised words") << u"pt_BR"_s << u"Acesso Negado Pelo Sistema"_s << true;
        QTest::newRow("final full stop") << u"pt_BR"_s << u"acesso negado pelo sistema."_s << false;
        QTest::newRow("surrounding blanks") << u"pt_BR"_s << u" acesso negado pelo sistema "_s << false;
        QTest::newRow("empty") << u"pt_BR"_s << QString() << false;
        QTest::newRow("a key") << u"pt_BR"_s << u"a/b+c=="_s << false;
        // The user's locale decides: a Turkish capital I lower-cases to a dotless i.
        QTest::newRow("capitals, Turkish locale") << u"tr_TR"_s << u"ACESSO NEGADO PELO SISTEMA"_s << false;
    }
    void isAuthenticationRefused_comparesLowerCasedWholeText()
    {
        QFETCH(QString, locale);
        QFETCH(QString, value);
        QFETCH(bool, refused);

        QLocale::setDefault(QLocale(locale));
        QCOMPARE(IsAuthenticationRefused(value), refused);
    }

    void isResendSuccessful_comparesUpperCasedWholeText_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("done");

        QTest::newRow("capitals") << u"SUCESSO"_s << true;
        QTest::newRow("lower case") << u"sucesso"_s << true;
        QTest::newRow("capitalised") << u"Sucesso"_s << true;
        QTest::newRow("leading blank") << u" SUCESSO"_s << false;
        QTest::newRow("other word") << u"ERRO"_s << false;
        QTest::newRow("empty") << QString() << false;
    }
    void isResendSuccessful_comparesUpperCasedWholeText()
    {
        QFETCH(QString, message);
        QFETCH(bool, done);
        QCOMPARE(IsResendSuccessful(message), done);
    }
};

QTEST_GUILESS_MAIN(MonitorApiTest)
#include "MonitorApiTest.moc"
