// The document model: its structure, character positions, lines, and the edits the members make.

#include "word/Model.h"

#include <algorithm>

namespace word::detail {

int Alinea::lengte() const
{
    int n = 0;
    for (const Stuk& s : stukken)
        n += s.lengte();
    return n;
}

QString Alinea::tekst() const
{
    QString t;
    for (const Stuk& s : stukken) {
        if (!s.isRuw())
            t += s.tekst;
    }
    return t;
}

Model::Model() = default;

QStringList regelsVan(const QString& tekst)
{
    QStringList regels;
    qsizetype begin = 0;
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        if (tekst[i] == u'\r' || tekst[i] == u'\n') {
            regels << tekst.mid(begin, i - begin);
            if (tekst[i] == u'\r' && i + 1 < tekst.size() && tekst[i + 1] == u'\n')
                ++i;
            begin = i + 1;
        }
    }
    regels << tekst.mid(begin);
    return regels;
}

QList<Alinea*> Model::alleAlineas() const
{
    QList<Alinea*> lijst;
    for (const Blok& b : blokken) {
        if (b.alinea) {
            lijst.append(b.alinea.get());
        } else if (b.tabel) {
            for (const auto& rij : b.tabel->rijen)
                for (const auto& cel : rij->cellen)
                    for (const auto& a : cel->alineas)
                        lijst.append(a.get());
        }
    }
    return lijst;
}

QList<Tabel*> Model::tabellen() const
{
    QList<Tabel*> lijst;
    for (const Blok& b : blokken) {
        if (b.tabel)
            lijst.append(b.tabel.get());
    }
    return lijst;
}

Alinea* Model::eersteAlinea() const
{
    for (const Blok& b : blokken) {
        if (b.alinea)
            return b.alinea.get();
        if (b.tabel)
            return b.tabel->rijen.front()->cellen.front()->alineas.front().get();
    }
    return nullptr;
}

std::pair<int, int> Model::celPlaats(const Cel* cel)
{
    const Rij* rij = cel->rij;
    const Tabel* tabel = rij->tabel;
    int r = 0;
    while (tabel->rijen[static_cast<size_t>(r)].get() != rij)
        ++r;
    int c = 0;
    while (rij->cellen[static_cast<size_t>(c)].get() != cel)
        ++c;
    return {r + 1, c + 1};
}

Cel* Model::cel(Tabel* tabel, int rij, int kolom)
{
    if (!tabel || rij < 1 || rij > static_cast<int>(tabel->rijen.size()))
        return nullptr;
    Rij* r = tabel->rijen[static_cast<size_t>(rij - 1)].get();
    if (kolom < 1 || kolom > static_cast<int>(r->cellen.size()))
        return nullptr;
    return r->cellen[static_cast<size_t>(kolom - 1)].get();
}

int Model::blokIndex(const Alinea* alinea) const
{
    for (size_t i = 0; i < blokken.size(); ++i) {
        if (blokken[i].alinea.get() == alinea)
            return static_cast<int>(i);
    }
    return -1;
}

int Model::blokIndex(const Tabel* tabel) const
{
    for (size_t i = 0; i < blokken.size(); ++i) {
        if (blokken[i].tabel.get() == tabel)
            return static_cast<int>(i);
    }
    return -1;
}

// Positions count every character, one for each paragraph end and one for each row end, as the word
// processor counts them (the end of a cell's last paragraph is the cell's end mark).
int Model::positie(const Plaats& p) const
{
    int pos = 0;
    for (const Blok& b : blokken) {
        if (b.alinea) {
            if (b.alinea.get() == p.alinea)
                return pos + p.teken;
            pos += b.alinea->lengte() + 1;
        } else if (b.tabel) {
            for (const auto& rij : b.tabel->rijen) {
                for (const auto& cel : rij->cellen) {
                    for (const auto& a : cel->alineas) {
                        if (a.get() == p.alinea)
                            return pos + p.teken;
                        pos += a->lengte() + 1;
                    }
                }
                pos += 1;
            }
        }
    }
    return pos;
}

Plaats Model::plaatsBij(int positie) const
{
    int pos = 0;
    Alinea* vorige = nullptr;
    const auto bekijk = [&](Alinea* a) -> std::optional<Plaats> {
        if (positie < pos && vorige)
            return Plaats{vorige, vorige->lengte()};
        const int lengte = a->lengte();
        if (positie <= pos + lengte)
            return Plaats{a, std::max(0, positie - pos)};
        pos += lengte + 1;
        vorige = a;
        return std::nullopt;
    };
    for (const Blok& b : blokken) {
        if (b.alinea) {
            if (auto p = bekijk(b.alinea.get()))
                return *p;
        } else if (b.tabel) {
            for (const auto& rij : b.tabel->rijen) {
                for (const auto& cel : rij->cellen) {
                    for (const auto& a : cel->alineas) {
                        if (auto p = bekijk(a.get()))
                            return *p;
                    }
                }
                pos += 1;
            }
        }
    }
    return vorige ? Plaats{vorige, vorige->lengte()} : Plaats{};
}

int Model::celBegin(const Cel* cel) const
{
    return positie({cel->alineas.front().get(), 0});
}

int Model::celEinde(const Cel* cel) const
{
    Alinea* laatste = cel->alineas.back().get();
    return positie({laatste, laatste->lengte()}) + 1;
}

namespace {

Alinea* eersteVanafBlok(const std::vector<Blok>& blokken, size_t vanaf)
{
    for (size_t i = vanaf; i < blokken.size(); ++i) {
        if (blokken[i].alinea)
            return blokken[i].alinea.get();
        if (blokken[i].tabel)
            return blokken[i].tabel->rijen.front()->cellen.front()->alineas.front().get();
    }
    return nullptr;
}

} // namespace

Alinea* Model::volgendeRegel(Alinea* a) const
{
    if (Cel* c = a->cel) {
        for (size_t i = 0; i + 1 < c->alineas.size(); ++i) {
            if (c->alineas[i].get() == a)
                return c->alineas[i + 1].get();
        }
        const auto [r, k] = celPlaats(c);
        Tabel* t = c->rij->tabel;
        if (r < static_cast<int>(t->rijen.size())) {
            Rij* onder = t->rijen[static_cast<size_t>(r)].get();
            const int kolom = std::min(k, static_cast<int>(onder->cellen.size()));
            return onder->cellen[static_cast<size_t>(kolom - 1)]->alineas.front().get();
        }
        return eersteVanafBlok(blokken, static_cast<size_t>(blokIndex(t) + 1));
    }
    return eersteVanafBlok(blokken, static_cast<size_t>(blokIndex(a) + 1));
}

Alinea* Model::vorigeInVerhaal(Alinea* a) const
{
    const QList<Alinea*> alle = alleAlineas();
    const qsizetype i = alle.indexOf(a);
    return i > 0 ? alle[i - 1] : nullptr;
}

Alinea* Model::volgendeInVerhaal(Alinea* a) const
{
    const QList<Alinea*> alle = alleAlineas();
    const qsizetype i = alle.indexOf(a);
    return i >= 0 && i + 1 < alle.size() ? alle[i + 1] : nullptr;
}

bool Model::voor(const Plaats& a, const Plaats& b) const
{
    if (a.alinea == b.alinea)
        return a.teken < b.teken;
    const QList<Alinea*> alle = alleAlineas();
    return alle.indexOf(a.alinea) < alle.indexOf(b.alinea);
}

RunOpmaak Model::opmaakBij(const Plaats& p) const
{
    const Alinea* a = p.alinea;
    if (!a)
        return {};
    int pos = 0;
    const Stuk* eerste = nullptr;
    for (const Stuk& s : a->stukken) {
        if (s.isRuw() || s.tekst.isEmpty())
            continue;
        if (!eerste)
            eerste = &s;
        if (p.teken > pos && p.teken <= pos + s.lengte())
            return s.opmaak;
        pos += s.lengte();
    }
    return eerste ? eerste->opmaak : a->teken;
}

namespace {

// Makes a boundary between pieces at the character and gives the index at which text typed there goes:
// after the kept elements that stand at that character, before the text that follows it.
qsizetype grensMaken(Alinea* a, int teken)
{
    int pos = 0;
    for (qsizetype i = 0; i < a->stukken.size(); ++i) {
        Stuk& s = a->stukken[i];
        if (s.isRuw())
            continue;
        const int lengte = s.lengte();
        if (pos >= teken)
            return i;
        if (teken < pos + lengte) {
            Stuk rest = s;
            rest.tekst = s.tekst.mid(teken - pos);
            s.tekst.truncate(teken - pos);
            a->stukken.insert(i + 1, rest);
            return i + 1;
        }
        pos += lengte;
    }
    return a->stukken.size();
}

void samenvoegen(Alinea* a)
{
    for (qsizetype i = a->stukken.size() - 1; i >= 0; --i) {
        Stuk& s = a->stukken[i];
        if (!s.isRuw() && s.tekst.isEmpty()) {
            a->stukken.removeAt(i);
            continue;
        }
        if (i > 0) {
            Stuk& v = a->stukken[i - 1];
            if (!s.isRuw() && !v.isRuw() && v.opmaak.zelfdeAls(s.opmaak)) {
                v.tekst += s.tekst;
                a->stukken.removeAt(i);
            }
        }
    }
}

} // namespace

Plaats Model::invoegen(const Plaats& p, const QString& tekst, const RunOpmaak& opmaak)
{
    if (tekst.isEmpty())
        return p;
    Alinea* a = p.alinea;
    const qsizetype i = grensMaken(a, p.teken);
    Stuk s;
    s.tekst = tekst;
    s.opmaak = opmaak;
    a->stukken.insert(i, s);
    samenvoegen(a);
    return {a, p.teken + static_cast<int>(tekst.size())};
}

Plaats Model::splitsen(const Plaats& p)
{
    Alinea* a = p.alinea;
    const qsizetype i = grensMaken(a, p.teken);
    auto nieuw = std::make_unique<Alinea>();
    nieuw->pPr = a->pPr;
    nieuw->teken = a->teken;
    nieuw->cel = a->cel;
    nieuw->stukken = a->stukken.mid(i);
    a->stukken.remove(i, a->stukken.size() - i);
    Alinea* n = nieuw.get();
    if (Cel* c = a->cel) {
        auto it = std::find_if(c->alineas.begin(), c->alineas.end(), [a](const auto& x) { return x.get() == a; });
        c->alineas.insert(it + 1, std::move(nieuw));
    } else {
        Blok b;
        b.alinea = std::move(nieuw);
        blokken.insert(blokken.begin() + blokIndex(a) + 1, std::move(b));
    }
    return {n, 0};
}

namespace {

void tekstWeghalen(Alinea* a, int van, int tot)
{
    if (tot <= van)
        return;
    const qsizetype i = grensMaken(a, van);
    grensMaken(a, tot);
    int pos = van;
    for (qsizetype j = i; j < a->stukken.size() && pos < tot;) {
        Stuk& s = a->stukken[j];
        if (s.isRuw()) {
            ++j;
            continue;
        }
        pos += s.lengte();
        a->stukken.removeAt(j);
    }
    samenvoegen(a);
}

} // namespace

Plaats Model::verwijderen(Plaats van, Plaats tot)
{
    if (van.alinea == tot.alinea) {
        tekstWeghalen(van.alinea, van.teken, tot.teken);
        return van;
    }
    if (van.alinea->cel != tot.alinea->cel)
        throw WordFout("Tekst over verschillende cellen kan niet als één stuk verwijderd worden.");
    Alinea* a = van.alinea;
    Alinea* b = tot.alinea;
    tekstWeghalen(a, van.teken, a->lengte());
    tekstWeghalen(b, 0, tot.teken);
    // The paragraphs between go, the rest of the last joins the first.
    const auto weg = [&](std::vector<std::unique_ptr<Alinea>>* lijst) {
        auto it = std::find_if(lijst->begin(), lijst->end(), [a](const auto& x) { return x.get() == a; });
        auto eind = std::find_if(it, lijst->end(), [b](const auto& x) { return x.get() == b; });
        a->stukken += b->stukken;
        lijst->erase(it + 1, eind + 1);
    };
    if (Cel* c = a->cel) {
        weg(&c->alineas);
    } else {
        const int i = blokIndex(a);
        const int j = blokIndex(b);
        for (int k = i + 1; k < j; ++k) {
            if (blokken[static_cast<size_t>(k)].tabel)
                throw WordFout("Tekst met een tabel erin kan niet als één stuk verwijderd worden.");
        }
        a->stukken += b->stukken;
        blokken.erase(blokken.begin() + i + 1, blokken.begin() + j + 1);
    }
    samenvoegen(a);
    return van;
}

void Model::opmaken(Plaats van, Plaats tot, const std::function<void(Opmaak&)>& wijziging)
{
    if (voor(tot, van))
        std::swap(van, tot);
    const QList<Alinea*> alle = alleAlineas();
    const qsizetype eerste = alle.indexOf(van.alinea);
    const qsizetype laatste = alle.indexOf(tot.alinea);
    for (qsizetype k = eerste; k <= laatste && k >= 0; ++k) {
        Alinea* a = alle[k];
        const int begin = k == eerste ? van.teken : 0;
        const int einde = k == laatste ? tot.teken : a->lengte();
        const qsizetype i = grensMaken(a, begin);
        grensMaken(a, einde);
        int pos = begin;
        for (qsizetype j = i; j < a->stukken.size() && pos < einde; ++j) {
            Stuk& s = a->stukken[j];
            if (s.isRuw())
                continue;
            wijziging(s.opmaak.opmaak);
            pos += s.lengte();
        }
        samenvoegen(a);
    }
}

void Model::celLeegmaken(Cel* cel)
{
    Alinea* eerste = cel->alineas.front().get();
    eerste->stukken.removeIf([](const Stuk& s) { return !s.isRuw(); });
    cel->alineas.erase(cel->alineas.begin() + 1, cel->alineas.end());
}

Opmaak Model::effectief(const Opmaak& o) const
{
    Opmaak e = standaard;
    if (o.naam)
        e.naam = o.naam;
    if (o.grootte)
        e.grootte = o.grootte;
    if (o.vet)
        e.vet = o.vet;
    if (o.cursief)
        e.cursief = o.cursief;
    if (o.onderstreept)
        e.onderstreept = o.onderstreept;
    if (o.kleur)
        e.kleur = o.kleur;
    return e;
}

} // namespace word::detail
