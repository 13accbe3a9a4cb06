#include "core/Exception.h"
#include "settings/NivoRC4.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;
using nivo::TNivoRC4;

namespace {
const QString ProgramKey = u"Kq7!mZ#p3Lw&Xv9*Rb2%Hn5^Jd8+"_s;

QString randomLatin1(QRandomGenerator &rng, int length, char16_t lowest = 0)
{
    QString text;
    for (int i = 0; i < length; ++i)
        text += QChar(char16_t(rng.bounded(int(lowest), 256)));
    return text;
}
} // namespace

class CipherTest : public QObject
{
    Q_OBJECT

private slots:
    // Stored forms worked out by hand from the key schedule and the RC4 keystream.
    void encrypt_knownTexts_givesKnownStoredForms_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("stored");
        QTest::newRow("eleven digits") << ProgramKey << u"12345678901"_s << u"3F7492B6308928B60DB677"_s;
        QTest::newRow("password") << ProgramKey << u"senha"_s << u"7D23CFEA64"_s;
        QTest::newRow("accented") << ProgramKey << u"Usuário"_s << u"5B35D46377D670"_s;
        QTest::newRow("one-unit key") << u"k"_s << u"abc"_s << u"40AB0B"_s;
        QTest::newRow("empty text") << ProgramKey << QString() << QString();
    }
    void encrypt_knownTexts_givesKnownStoredForms()
    {
        QFETCH(QString, key);
        QFETCH(QString, plain);
        QFETCH(QString, stored);
        QCOMPARE(TNivoRC4::Encrypt(key, plain), stored);
        QCOMPARE(TNivoRC4::Decrypt(key, stored), plain);
    }

    void roundTrip_latin1UnderRandomKeys_givesTextBack()
    {
        QRandomGenerator rng(20261211);
        for (int round = 0; round < 200; ++round) {
            const QString key = randomLatin1(rng, rng.bounded(1, 40), 1);
            const QString plain = randomLatin1(rng, rng.bounded(0, 64));
            const QString stored = TNivoRC4::Encrypt(key, plain);
            QCOMPARE(stored.size(), 2 * plain.size());
            QCOMPARE(stored, stored.toUpper());
            QCOMPARE(TNivoRC4::Decrypt(key, stored), plain);
            QCOMPARE(TNivoRC4::Decrypt(key, stored.toLower()), plain);
        }
    }

    void decrypt_oddLength_dropsLastDigit()
    {
        const QString stored = TNivoRC4::Encrypt(ProgramKey, u"senha"_s);
        QCOMPARE(TNivoRC4::Decrypt(ProgramKey, stored + u'7'), u"senha"_s);
        QCOMPARE(TNivoRC4::Decrypt(ProgramKey, u"7"_s), QString());
    }

    void encrypt_sameInput_isRepeatable_andFieldsShareKeystreamStart()
    {
        QCOMPARE(TNivoRC4::Encrypt(ProgramKey, u"abc"_s), TNivoRC4::Encrypt(ProgramKey, u"abc"_s));
        QVERIFY(TNivoRC4::Encrypt(ProgramKey, u"abcdef"_s).startsWith(TNivoRC4::Encrypt(ProgramKey, u"abc"_s)));
    }

    void keySchedule_pairExchangedInEvenKey_givesSameState()
    {
        TNivoRC4::SBox a{};
        TNivoRC4::SBox b{};
        TNivoRC4::InitKeySBox(u"ab"_s, a);
        TNivoRC4::InitKeySBox(u"ba"_s, b);
        QCOMPARE(a, b);
        TNivoRC4::InitKeySBox(ProgramKey, a);
        QString swapped = ProgramKey;
        std::swap(swapped[4], swapped[5]);
        TNivoRC4::InitKeySBox(swapped, b);
        QCOMPARE(a, b);
        QCOMPARE(TNivoRC4::Encrypt(swapped, u"senha"_s), TNivoRC4::Encrypt(ProgramKey, u"senha"_s));
    }

    void keySchedule_isPermutation()
    {
        TNivoRC4::SBox s{};
        TNivoRC4::InitKeySBox(ProgramKey, s);
        TNivoRC4::SBox sorted = s;
        std::sort(sorted.begin(), sorted.end());
        for (int i = 0; i < 256; ++i)
            QCOMPARE(sorted[i], i);
    }

    void decrypt_invalidPair_raisesConversionError_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("plain text") << u"senha1"_s;
        QTest::newRow("blank in pair") << u"7D 3"_s;
        QTest::newRow("sign") << u"7D-3"_s;
        QTest::newRow("prefix") << u"0x7D"_s;
        QTest::newRow("non-ASCII digit") << u"7D٣3"_s;
    }
    void decrypt_invalidPair_raisesConversionError()
    {
        QFETCH(QString, stored);
        QVERIFY_THROWS_EXCEPTION(nivo::EConvertError, TNivoRC4::Decrypt(ProgramKey, stored));
    }

    void emptyKey_isRefused()
    {
        QVERIFY_THROWS_EXCEPTION(nivo::EArgumentError, TNivoRC4::Encrypt(QString(), u"a"_s));
        QVERIFY_THROWS_EXCEPTION(nivo::EArgumentError, TNivoRC4::Decrypt(QString(), u"6F"_s));
    }

    // A code unit above 255 would be written with more than two digits and not read back.
    void encrypt_codeUnitAbove255_isRefused()
    {
        QVERIFY_THROWS_EXCEPTION(nivo::EConvertError, TNivoRC4::Encrypt(ProgramKey, u"preço€"_s));
        QVERIFY_THROWS_EXCEPTION(nivo::EConvertError, TNivoRC4::Encrypt(ProgramKey, u"a😀"_s));
        QCOMPARE(TNivoRC4::Encrypt(ProgramKey, u"ÿ"_s).size(), 2);
    }
};

QTEST_APPLESS_MAIN(CipherTest)
#include "CipherTest.moc"
