#include "rest/PercentEncoding.h"

namespace nivo {

namespace {
enum class Form { Header, QueryValue };

bool IsKeptAsIs(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.'
        || c == '_';
}

QByteArray PercentEncode(const QString &AText, Form AForm)
{
    static constexpr char HexDigits[] = "0123456789ABCDEF";
    const QByteArray utf8 = AText.toUtf8();
    // Never null: an empty header value still has to go out.
    QByteArray out("");
    out.reserve(utf8.size() * 3);
    for (const char c : utf8) {
        if (IsKeptAsIs(c) || (AForm == Form::QueryValue && c == '*')) {
            out += c;
        } else if (AForm == Form::QueryValue && c == ' ') {
            out += '+';
        } else {
            const auto byte = static_cast<unsigned char>(c);
            out += '%';
            out += HexDigits[byte >> 4];
            out += HexDigits[byte & 0xF];
        }
    }
    return out;
}
} // namespace

QByteArray PercentEncodeHeader(const QString &AText)
{
    return PercentEncode(AText, Form::Header);
}

QByteArray PercentEncodeQueryValue(const QString &AText)
{
    return PercentEncode(AText, Form::QueryValue);
}

} // namespace nivo
