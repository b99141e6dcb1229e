#include "Hoofdletters.h"

#include <algorithm>

namespace db {

namespace {

char16_t groot(char16_t c)
{
    if (c >= u'a' && c <= u'z')
        return static_cast<char16_t>(c - 32);
    if (c < 0xE0)
        return c;
    if (c <= 0xFE)
        return c == 0xF7 ? c : static_cast<char16_t>(c - 32);
    switch (c) {
    case 0xFF:
        return 0x178; // ÿ Ÿ
    case 0x161:
        return 0x160; // š Š
    case 0x153:
        return 0x152; // œ Œ
    case 0x17E:
        return 0x17D; // ž Ž
    default:
        return c;
    }
}

char16_t klein(char16_t c)
{
    if (c >= u'A' && c <= u'Z')
        return static_cast<char16_t>(c + 32);
    if (c >= 0xC0 && c <= 0xDE)
        return c == 0xD7 ? c : static_cast<char16_t>(c + 32);
    switch (c) {
    case 0x178:
        return 0xFF;
    case 0x160:
        return 0x161;
    case 0x152:
        return 0x153;
    case 0x17D:
        return 0x17E;
    default:
        return c;
    }
}

template <typename Omzetting>
QString omzetten(const QString& tekst, Omzetting om)
{
    QString uit = tekst;
    char16_t* p = reinterpret_cast<char16_t*>(uit.data());
    for (qsizetype i = 0; i < uit.size(); ++i)
        p[i] = om(p[i]);
    return uit;
}

} // namespace

QString hoofdletters(const QString& tekst)
{
    return omzetten(tekst, groot);
}

QString kleineLetters(const QString& tekst)
{
    return omzetten(tekst, klein);
}

int vergelijkZonderHoofdletters(QStringView a, QStringView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = groot(a[i].unicode());
        const char16_t y = groot(b[i].unicode());
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

} // namespace db
