#include "sheet/Uitslag.h"

#include "core/Tekst.h"

#include <algorithm>
#include <initializer_list>

namespace sheet {

namespace {

const QString dubbel = QStringLiteral("Dubb.");

bool isJa(const QString& veld)
{
    return core::UCase(veld) == QStringLiteral("J");
}

bool isGelijk(const QString& veld)
{
    return core::UCase(veld) == QStringLiteral("=");
}

// A place's field, "" for a place outside 1..4.
const QString& plaatsVeld(const std::array<QString, 4>& velden, const QString& plaats)
{
    static const QString leeg;
    const double p = core::Val(plaats);
    if (p < 1 || p > 4)
        return leeg;
    return velden[static_cast<int>(p) - 1];
}

// The index of a place written exactly as "1".."4", or -1.
int plaatsIndex(const QString& plaats)
{
    for (int i = 0; i < 4; ++i)
        if (plaats == QString::number(i + 1))
            return i;
    return -1;
}

struct Telling
{
    int thuis = 0;
    int uit = 0;
};

Telling telSets(const SetTeksten& sets)
{
    Telling t;
    for (int set = 0; set < 5; ++set) {
        const double thuis = core::Val(sets[2 * set]);
        const double uit = core::Val(sets[2 * set + 1]);
        if (thuis > uit)
            ++t.thuis;
        else if (thuis < uit)
            ++t.uit;
    }
    return t;
}

bool gevuld(const SetTeksten& sets, int set)
{
    return !sets[2 * (set - 1)].isEmpty() && !sets[2 * (set - 1) + 1].isEmpty();
}

bool leeg(const SetTeksten& sets, int set)
{
    return sets[2 * (set - 1)].isEmpty() && sets[2 * (set - 1) + 1].isEmpty();
}

} // namespace

bool PositieInCombinatie(double code, int positie, int laatste)
{
    auto in = [code](std::initializer_list<int> lijst) {
        return std::any_of(lijst.begin(), lijst.end(), [code](int c) { return code == c; });
    };
    if (laatste != 9) {
        switch (positie) {
        case 1:
            return in({1, 17, 33, 49, 65, 81, 97, 113});
        case 2:
            return in({16, 17, 48, 49, 80, 81, 112, 113});
        case 3:
            return in({32, 33, 48, 49, 96, 97, 112, 113});
        case 4:
            return in({64, 65, 80, 81, 96, 97, 112, 113});
        default:
            return false;
        }
    }
    switch (positie) {
    case 1:
        return in({1, 17, 33, 49});
    case 2:
        return in({16, 17, 48, 49});
    case 3:
        return in({32, 33, 48, 49});
    default:
        return false;
    }
}

bool SetsGewonnen(const SetTeksten& sets)
{
    const Telling t = telSets(sets);
    return !(t.thuis <= 2 && t.uit <= 2);
}

bool WalkOverSpel(const SetTeksten& sets)
{
    return core::UCase(sets[0]) == QStringLiteral("W");
}

QList<SetVerschuiving> SetsAanschuiven(SetTeksten& sets)
{
    QList<SetVerschuiving> verschuivingen;
    for (int keer = 0; keer < 5; ++keer) {
        for (int j = 4; j >= 1; --j) {
            if (!gevuld(sets, j + 1) || !leeg(sets, j))
                continue;
            sets[2 * (j - 1)] = sets[2 * j];
            sets[2 * (j - 1) + 1] = sets[2 * j + 1];
            sets[2 * j].clear();
            sets[2 * j + 1].clear();
            verschuivingen.append({j, j + 1});
        }
    }
    return verschuivingen;
}

WalkOverUitkomst WalkOverBeslissen(const WalkOverGegevens& g)
{
    const auto dekt = [&g](const QString& code) {
        return !code.isEmpty() && PositieInCombinatie(core::Val(code), g.beurt, g.laatste);
    };
    const WalkOverUitkomst thuisWint{3, 0, false};
    const WalkOverUitkomst uitWint{0, 3, false};
    const WalkOverUitkomst nietGespeeld{0, 0, true};

    if (isJa(g.forfaitT))
        return uitWint;
    if (isJa(g.forfaitU))
        return thuisWint;
    if (g.thuisPlaats == dubbel)
        return nietGespeeld;
    const bool afwT = isJa(g.afwT);
    const bool afwU = isJa(g.afwU);
    if (afwT && afwU)
        return nietGespeeld;
    if (afwT)
        return dekt(g.woU) ? nietGespeeld : uitWint;
    if (afwU)
        return dekt(g.woT) ? nietGespeeld : thuisWint;
    if (dekt(g.woT) && dekt(g.woU))
        return nietGespeeld;
    if (dekt(g.woT))
        return uitWint;
    if (dekt(g.woU))
        return thuisWint;
    return {};
}

UitslagResultaat UitslagBerekenen(const UitslagInvoer& in)
{
    UitslagResultaat uit;
    const int aantal = std::clamp(in.laatste + 1, 0, MaxWedstrijden);

    // The sets of every game; games no longer decided lose their marker.
    for (int i = 0; i < aantal; ++i) {
        const UitslagRij& rij = in.rijen[i];
        UitslagRijResultaat& r = uit.rijen[i];
        Telling t;
        bool nietGespeeld = false;
        if (!WalkOverSpel(rij.sets)) {
            t = telSets(rij.sets);
        } else {
            WalkOverGegevens g;
            g.thuisPlaats = rij.thuisPlaats;
            g.beurt = Beurt(i, in.laatste);
            g.laatste = in.laatste;
            g.forfaitT = in.forfaitT;
            g.forfaitU = in.forfaitU;
            g.afwT = plaatsVeld(in.afwT, rij.thuisPlaats);
            g.afwU = plaatsVeld(in.afwU, rij.uitPlaats);
            g.woT = plaatsVeld(in.woT, rij.thuisPlaats);
            g.woU = plaatsVeld(in.woU, rij.uitPlaats);
            const WalkOverUitkomst w = WalkOverBeslissen(g);
            t = {w.setsThuis, w.setsUit};
            nietGespeeld = w.nietGespeeld;
        }

        if (t.thuis <= 0 && t.uit <= 0 && !nietGespeeld) {
            r.setsThuis.clear();
            r.setsUit.clear();
        } else {
            r.setsThuis = QString::number(t.thuis);
            r.setsUit = QString::number(t.uit);
        }
        if (t.thuis > 3 || t.uit > 3)
            uit.teveelSets = true;
        const bool beslist = t.thuis >= 3 || t.uit >= 3;
        if (!beslist && rij.markering && !isGelijk(*rij.markering))
            r.markering = Markering::Blanco;
    }

    // The games won, in order, as the sheet shows them.
    int thuisGewonnen = 0;
    int uitGewonnen = 0;
    for (int i = 0; i < aantal; ++i) {
        UitslagRijResultaat& r = uit.rijen[i];
        const double thuis = core::Val(r.setsThuis);
        const double uitSets = core::Val(r.setsUit);
        Markering gewonnen = Markering::Geen;
        if (thuis > 2 && uitSets < thuis) {
            ++thuisGewonnen;
            gewonnen = Markering::Thuis;
        } else if (uitSets > 2 && thuis < uitSets) {
            ++uitGewonnen;
            gewonnen = Markering::Uit;
        }
        if (gewonnen != Markering::Geen && in.opslaan) {
            r.markering = gewonnen;
            SetTeksten sets = in.rijen[i].sets;
            r.verschuivingen = SetsAanschuiven(sets);
            r.nieuweSets = sets;
        }
        if (!r.setsThuis.isEmpty() && !r.setsUit.isEmpty()) {
            r.wedstrThuis = QString::number(thuisGewonnen);
            r.wedstrUit = QString::number(uitGewonnen);
        }
    }
    if (thuisGewonnen != 0 || uitGewonnen != 0) {
        uit.resT = QString::number(thuisGewonnen);
        uit.resU = QString::number(uitGewonnen);
    }

    // The players' own wins; walk-over games do not count for them.
    uit.indOverwT.fill(QStringLiteral("0"));
    uit.indOverwU.fill(QStringLiteral("0"));
    auto spelerTellen = [](std::array<QString, 4>& teller, const std::array<QString, 4>& afwezig,
                           const QString& plaats, bool walkOver, double eigen, double ander) {
        const double p = core::Val(plaats);
        if (p >= 1 && p <= 4 && isJa(afwezig[static_cast<int>(p) - 1])) {
            teller[static_cast<int>(p) - 1] = QStringLiteral("FF");
            return;
        }
        const int index = plaatsIndex(plaats);
        if (index >= 0 && !walkOver && eigen > 2 && ander < eigen)
            teller[index] = QString::number(core::Val(teller[index]) + 1);
    };
    for (int i = 0; i < aantal; ++i) {
        const UitslagRij& rij = in.rijen[i];
        const UitslagRijResultaat& r = uit.rijen[i];
        const bool walkOver = WalkOverSpel(rij.sets);
        const double thuis = core::Val(r.setsThuis);
        const double uitSets = core::Val(r.setsUit);
        if (rij.thuisPlaats != dubbel)
            spelerTellen(uit.indOverwT, in.afwT, rij.thuisPlaats, walkOver, thuis, uitSets);
        if (!rij.uitPlaats.isEmpty())
            spelerTellen(uit.indOverwU, in.afwU, rij.uitPlaats, walkOver, uitSets, thuis);
    }
    return uit;
}

} // namespace sheet
