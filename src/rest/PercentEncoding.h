#pragma once

#include <QByteArray>
#include <QString>

namespace nivo {

// The two percent-encodings of the wire, both on the UTF-8 bytes of the text, with upper-case
// hexadecimal digits. Letters, digits, "-", "." and "_" always go out unchanged.
//
// Header form: used for header names and values, query parameter names, and the names and values of
// a form body. Every other byte is encoded (a space is %20).
QByteArray PercentEncodeHeader(const QString &AText);

// Query-value form: like the header form, except that a space becomes "+" and "*" goes out unchanged.
QByteArray PercentEncodeQueryValue(const QString &AText);

} // namespace nivo
