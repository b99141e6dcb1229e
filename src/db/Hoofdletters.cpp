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

void NamenIndex::wissen()
{
    m_namen.clear();
    m_plaatsen.clear();
}

size_t NamenIndex::hash(QStringView naam)
{
    // FNV-1a over the capitals.
    quint64 h = 14695981039346656037ULL;
    for (const QChar c : naam) {
        h ^= groot(c.unicode());
        h *= 1099511628211ULL;
    }
    return static_cast<size_t>(h ^ (h >> 29));
}

void NamenIndex::herverdelen()
{
    size_t grootte = 16;
    while (grootte < m_namen.size() * 2)
        grootte *= 2;
    m_plaatsen.assign(grootte, -1);
    for (size_t i = 0; i < m_namen.size(); ++i) {
        size_t p = hash(m_namen[i].first) & (grootte - 1);
        while (m_plaatsen[p] >= 0)
            p = (p + 1) & (grootte - 1);
        m_plaatsen[p] = static_cast<int>(i);
    }
}

void NamenIndex::toevoegen(QStringView naam, int nummer)
{
    if (!m_plaatsen.empty()) {
        const size_t masker = m_plaatsen.size() - 1;
        for (size_t p = hash(naam) & masker; m_plaatsen[p] >= 0; p = (p + 1) & masker) {
            auto& [bestaand, waarde] = m_namen[static_cast<size_t>(m_plaatsen[p])];
            if (gelijkZonderHoofdletters(bestaand, naam)) {
                waarde = nummer;
                return;
            }
        }
    }
    m_namen.emplace_back(naam.toString(), nummer);
    if (m_namen.size() * 2 > m_plaatsen.size())
        herverdelen();
    else {
        const size_t masker = m_plaatsen.size() - 1;
        size_t p = hash(naam) & masker;
        while (m_plaatsen[p] >= 0)
            p = (p + 1) & masker;
        m_plaatsen[p] = static_cast<int>(m_namen.size() - 1);
    }
}

int NamenIndex::zoek(QStringView naam) const
{
    if (m_plaatsen.empty())
        return -1;
    const size_t masker = m_plaatsen.size() - 1;
    for (size_t p = hash(naam) & masker; m_plaatsen[p] >= 0; p = (p + 1) & masker) {
        const auto& [bestaand, nummer] = m_namen[static_cast<size_t>(m_plaatsen[p])];
        if (gelijkZonderHoofdletters(bestaand, naam))
            return nummer;
    }
    return -1;
}

} // namespace db
