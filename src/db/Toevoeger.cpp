#include "Toevoeger.h"

#include "Hoofdletters.h"
#include "Verbinding.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace db {

using detail::VeldSoort;

struct Toevoeger::Impl
{
    std::shared_ptr<detail::Verbinding> v;
    sqlite3_stmt* s = nullptr;
    QStringList namen;
    std::vector<VeldSoort> soorten;
    std::vector<char> gezet;
    detail::Bindbuffer teksten;

    ~Impl()
    {
        if (s)
            sqlite3_finalize(s);
    }

    detail::Verbinding& verbinding() const
    {
        if (!v->db)
            v->controleerOpen();
        return *v;
    }

    // A text for a text field (most values of a row) bound as zet binds it, without its checks for
    // a value the field may refuse; false for any other field.
    bool alsTekst(int i, QStringView tekst)
    {
        if (i < 0 || i >= static_cast<int>(soorten.size()))
            return false;
        const VeldSoort soort = soorten[static_cast<size_t>(i)];
        if (soort != VeldSoort::Tekst && soort != VeldSoort::Onbekend)
            return false;
        verbinding();
        teksten.tekst(s, i + 1, tekst);
        gezet[static_cast<size_t>(i)] = 1;
        return true;
    }

    void plaatsNagaan(int i) const
    {
        if (i < 0 || i >= static_cast<int>(soorten.size()))
            throw DbFout(DbFout::Soort::OnbekendVeld, QStringLiteral("Er is geen veld met nummer %1.").arg(i));
    }

    // A value in the form voorOpslag gives it, bound; on a refusal the field stays empty.
    void opslaan(int i, const Waarde& w)
    {
        try {
            const Waarde opgeslagen = detail::voorOpslag(namen[i], soorten[static_cast<size_t>(i)], w);
            if (opgeslagen.isTekst())
                teksten.tekst(s, i + 1, opgeslagen.tekst());
            else
                detail::binden(s, i + 1, opgeslagen);
        } catch (const DbFout&) {
            sqlite3_bind_null(s, i + 1);
            gezet[static_cast<size_t>(i)] = 1;
            throw;
        }
        gezet[static_cast<size_t>(i)] = 1;
    }
};

Toevoeger::Toevoeger(std::shared_ptr<detail::Verbinding> v, const QString& tabel, const QStringList& velden)
    : d(std::make_unique<Impl>())
{
    d->v = std::move(v);
    const TabelDef def = Database::vanVerbinding(d->v).tabelDef(tabel);
    // Of two fields that differ only in case, the later one counts.
    NamenIndex index;
    for (int i = 0; i < def.velden.size(); ++i)
        index.toevoegen(def.velden[i].naam, i);
    QStringList kolommen;
    QStringList vragen;
    for (const QString& naam : velden) {
        const int nummer = index.zoek(naam);
        const VeldDef* veld = nummer >= 0 ? &def.velden[nummer] : nullptr;
        if (!veld)
            throw DbFout(DbFout::Soort::OnbekendVeld,
                         QStringLiteral("Het veld '%1' bestaat niet in '%2'.").arg(naam, def.naam));
        d->namen << veld->naam;
        d->soorten.push_back(detail::veldSoortVan(veld->typeWoord));
        kolommen << sqlNaam(veld->naam);
        vragen << QStringLiteral("?");
    }
    d->gezet.assign(d->soorten.size(), 0);
    d->s = d->verbinding().voorbereiden(
        kolommen.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(sqlNaam(def.naam))
                           : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                 .arg(sqlNaam(def.naam), kolommen.join(u','), vragen.join(u',')));
}

Toevoeger::~Toevoeger() = default;
Toevoeger::Toevoeger(Toevoeger&&) noexcept = default;
Toevoeger& Toevoeger::operator=(Toevoeger&&) noexcept = default;

void Toevoeger::zet(int i, QStringView tekst)
{
    d->verbinding();
    d->plaatsNagaan(i);
    switch (d->soorten[static_cast<size_t>(i)]) {
    case VeldSoort::Tekst:
    case VeldSoort::Onbekend:
        // A text is stored as it is.
        d->teksten.tekst(d->s, i + 1, tekst);
        d->gezet[static_cast<size_t>(i)] = 1;
        return;
    case VeldSoort::Integer:
    case VeldSoort::Long: {
        // A whole number of up to 9 digits is in range or not at once; any other text as zet reads it.
        const bool min = tekst.startsWith(u'-');
        const QStringView cijfers = min ? tekst.sliced(1) : tekst;
        if (!cijfers.isEmpty() && cijfers.size() <= 9
            && std::all_of(cijfers.begin(), cijfers.end(), [](QChar c) { return c >= u'0' && c <= u'9'; })) {
            qint64 getal = 0;
            for (QChar c : cijfers)
                getal = getal * 10 + (c.unicode() - u'0');
            if (min)
                getal = -getal;
            const qint64 grens = d->soorten[static_cast<size_t>(i)] == VeldSoort::Integer ? 32767 : 2147483647;
            if (getal <= grens && getal >= -grens - 1) {
                sqlite3_bind_int64(d->s, i + 1, getal);
                d->gezet[static_cast<size_t>(i)] = 1;
                return;
            }
        }
        break;
    }
    default:
        break;
    }
    d->opslaan(i, Waarde(tekst));
}

bool Toevoeger::zetOfLeeg(int i, QStringView tekst)
{
    if (d->alsTekst(i, tekst))
        return true;
    try {
        zet(i, tekst);
        return true;
    } catch (const DbFout& fout) {
        if (fout.soort() != DbFout::Soort::Conversie)
            throw;
        return false;
    }
}

void Toevoeger::zet(int i, const Waarde& waarde)
{
    d->verbinding();
    d->plaatsNagaan(i);
    d->opslaan(i, waarde);
}

void Toevoeger::toevoegen()
{
    detail::Verbinding& c = d->verbinding();
    char* gezet = d->gezet.data();
    const size_t aantal = d->gezet.size();
    for (size_t i = 0; i < aantal; ++i) {
        if (!gezet[i])
            sqlite3_bind_null(d->s, static_cast<int>(i) + 1);
    }
    std::fill_n(gezet, aantal, char(0));
    c.voorSchrijven();
    const int rc = sqlite3_step(d->s);
    sqlite3_reset(d->s);
    d->teksten.legen();
    if (rc != SQLITE_DONE)
        c.fout(QString::fromUtf8(sqlite3_sql(d->s)));
}

} // namespace db
