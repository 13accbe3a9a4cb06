#pragma once

#include <QString>

#include <array>

namespace nivo {

// The cipher of the remembered user name and password: RC4 whose key schedule adds two key code units
// per step, over UTF-16 code units, with the stored form written as upper-case hexadecimal.
//
// Only texts whose code units are all below 256 can be stored: the stored form of a larger code unit
// has more than two digits and would not read back, so Encrypt refuses such texts instead of storing
// something that comes back changed.
class TNivoRC4 final
{
public:
    using SBox = std::array<int, 256>;

    TNivoRC4() = delete;

    static QString Encrypt(const QString &AKey, const QString &AText);
    static QString Decrypt(const QString &AKey, const QString &AText);
    static void InitKeySBox(const QString &AKey, SBox &A_s);
};

} // namespace nivo
