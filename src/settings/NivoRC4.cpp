#include "settings/NivoRC4.h"

#include "core/Exception.h"

using namespace Qt::StringLiterals;

namespace nivo {

namespace {

class Keystream
{
public:
    explicit Keystream(const QString &key) { TNivoRC4::InitKeySBox(key, m_s); }

    int next()
    {
        m_i = (m_i + 1) % 256;
        m_j = (m_j + m_s[m_i]) % 256;
        std::swap(m_s[m_i], m_s[m_j]);
        return m_s[(m_s[m_i] + m_s[m_j]) % 256];
    }

private:
    TNivoRC4::SBox m_s{};
    int m_i = 0;
    int m_j = 0;
};

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

} // namespace

void TNivoRC4::InitKeySBox(const QString &AKey, SBox &A_s)
{
    const qsizetype length = AKey.size();
    if (length == 0)
        throw EArgumentError(u"A chave de cifra não pode ser vazia."_s);

    for (int i = 0; i < 256; ++i)
        A_s[i] = i;
    int j = 0;
    for (int i = 0; i < 256; ++i) {
        const int k = AKey.at((2 * i) % length).unicode() + AKey.at((2 * i + 1) % length).unicode();
        j = (j + A_s[i] + k) % 256;
        std::swap(A_s[i], A_s[j]);
    }
}

QString TNivoRC4::Encrypt(const QString &AKey, const QString &AText)
{
    for (const QChar c : AText) {
        if (c.unicode() > 0xFF)
            throw EConvertError(u"O caractere '%1' não pode ser guardado no dispositivo."_s.arg(c));
    }
    Keystream keystream(AKey);
    QString result;
    result.reserve(AText.size() * 2);
    for (const QChar c : AText)
        result += QString::number(c.unicode() ^ keystream.next(), 16).toUpper().rightJustified(2, u'0');
    return result;
}

QString TNivoRC4::Decrypt(const QString &AKey, const QString &AText)
{
    Keystream keystream(AKey);
    QString result;
    result.reserve(AText.size() / 2);
    for (qsizetype p = 0; p + 1 < AText.size(); p += 2) {
        const int high = hexDigit(AText.at(p));
        const int low = hexDigit(AText.at(p + 1));
        if (high < 0 || low < 0)
            throw EConvertError(u"'%1' não é um valor hexadecimal válido."_s.arg(AText.mid(p, 2)));
        result += QChar(char16_t((high * 16 + low) ^ keystream.next()));
    }
    return result;
}

} // namespace nivo
