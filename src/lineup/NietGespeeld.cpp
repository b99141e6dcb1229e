#include "NietGespeeld.h"

#include "core/AlgemeneFuncties.h"
#include "core/Algemeen.h"
#include "core/Matchkolommen.h"
#include "core/Spelschema.h"
#include "core/Tekst.h"
#include "core/Wedstrijdblad.h"
#include "db/Database.h"

#include <QLabel>
#include <QLineEdit>

using core::algemeen;

namespace lineup {

namespace {

// Whether a mask holds box k, and whether k lies in the range the scheme knows.
bool maskerBevat(int laatste, int m, int k, bool& binnen)
{
    if (laatste == 15) {
        binnen = k >= 1 && k <= 4;
        return binnen && m >= 0 && m <= 113 && (m & ~(1 | 16 | 32 | 64)) == 0 && (m & core::BeurtWaarde(k)) != 0;
    }
    binnen = k >= 1 && k <= 3;
    // Only masks made of the scheme's own boxes count; one that also holds 64 holds no box here.
    return binnen && (m == 1 || m == 16 || m == 17 || m == 32 || m == 33 || m == 48 || m == 49)
           && (m & core::BeurtWaarde(k)) != 0;
}

// Runs the row writes as one edit of the match, given up when something fails.
template <typename F>
void bewerken(F&& schrijven)
{
    db::Recordset& m = algemeen().rsMatchen;
    m.edit();
    try {
        schrijven(m);
        m.update();
    } catch (...) {
        m.cancelUpdate();
        throw;
    }
}

} // namespace

QList<int> RijenVanVak(int laatste, int k)
{
    const auto reeks = [](int van, int tot) {
        QList<int> r;
        for (int i = van; i <= tot; ++i)
            r << i;
        return r;
    };
    if (laatste == 15)
        return k >= 1 && k <= 4 ? reeks(4 * (k - 1), 4 * (k - 1) + 3) : QList<int>();
    if (laatste == 6) {
        if (k == 1)
            return reeks(0, 2);
        if (k == 2)
            return reeks(4, 6);
        return {};
    }
    if (k == 1)
        return reeks(0, 2);
    if (k == 2)
        return reeks(3, 5);
    if (k == 3)
        return reeks(7, 9);
    return {};
}

int VakVanRij(int laatste, int r)
{
    for (int k = 1; k <= 4; ++k) {
        if (RijenVanVak(laatste, k).contains(r))
            return k;
    }
    return 0;
}

QList<int> VakkenVanMasker(int masker)
{
    if (masker < 1 || masker > 113 || (masker & ~(1 | 16 | 32 | 64)) != 0)
        return {};
    QList<int> vakken;
    for (int k = 1; k <= 4; ++k) {
        if (masker & core::BeurtWaarde(k))
            vakken << k - 1;
    }
    return vakken;
}

int Masker(const bool aangevinkt[4], int laatste)
{
    int m = 0;
    for (int k = 1; k <= 4; ++k) {
        if (aangevinkt[k - 1] && !RijenVanVak(laatste, k).isEmpty())
            m += core::BeurtWaarde(k);
    }
    return m;
}

QString BijForfaitResultaat(const QString& kant, bool speeltNiet, int k, const QString& tegenAfwezig,
                            const QString& tegenMasker, int laatste)
{
    const bool thuis = kant == u"T";
    const QString beide = QStringLiteral("=");
    const QString eigen = thuis ? QStringLiteral("/") : QStringLiteral("*");
    const QString tegen = thuis ? QStringLiteral("*") : QStringLiteral("/");
    const QString leeg = QStringLiteral(" ");
    if (tegenAfwezig != u"N")
        return speeltNiet ? beide : tegen;
    const int m = static_cast<int>(core::Val(core::objAlgemeneFuncties().Inhoud(tegenMasker).tekst()));
    if (m == 0)
        return speeltNiet ? eigen : leeg;
    bool binnen = false;
    const bool bevat = maskerBevat(laatste, m, k, binnen);
    if (!binnen)
        return QString();
    if (bevat)
        return speeltNiet ? beide : tegen;
    return speeltNiet ? eigen : leeg;
}

NietGespeeld::NietGespeeld(core::Wedstrijdblad& blad, const QString& kant, int plaats)
    : m_blad(blad)
    , m_kant(kant)
    , m_plaats(plaats)
{
}

QString NietGespeeld::veld(const QString& naam) const
{
    return algemeen().rsMatchen.veld(naam).tekst();
}

QList<int> NietGespeeld::spelerRijen(const QList<int>& rijen) const
{
    const QList<QLabel*>& labels = m_kant == u"T" ? m_blad.LabThuisspeler : m_blad.LabUitspeler;
    QList<int> gevonden;
    for (int r : rijen) {
        if (r < 0 || r >= labels.size())
            continue;
        // The doubles row ("Dubb." at home, empty away) reads as 0 and is nobody's game.
        if (static_cast<int>(core::Val(labels[r]->text())) == m_plaats)
            gevonden << r;
    }
    return gevonden;
}

QList<int> NietGespeeld::alleSpelerRijen() const
{
    QList<int> rijen;
    for (int r = 0; r <= algemeen().intLaatsteWedstrijd && r < core::Wedstrijdblad::AantalWedstrijden; ++r)
        rijen << r;
    return spelerRijen(rijen);
}

bool NietGespeeld::resultatenAanwezig(const QList<int>& rijen) const
{
    for (int r : spelerRijen(rijen)) {
        const QString set1 = core::objAlgemeneFuncties().Inhoud(algemeen().rsMatchen.veld(core::SetKolom(r + 1, 1, true))).tekst();
        if (!set1.isEmpty() && set1 != u"w")
            return true;
    }
    return false;
}

QString NietGespeeld::tegenstander(int rij) const
{
    return (m_kant == u"T" ? m_blad.LabUitspeler : m_blad.LabThuisspeler)[rij]->text();
}

QString NietGespeeld::markering(int rij, bool speeltNiet) const
{
    const QString q = QString::number(static_cast<int>(core::Val(tegenstander(rij))));
    const bool thuis = m_kant == u"T";
    const QString afw = (thuis ? QStringLiteral("AFWUIT") : QStringLiteral("AFWTH")) + q;
    const QString wo = (thuis ? QStringLiteral("WOU") : QStringLiteral("WOT")) + q;
    const db::Recordset& m = algemeen().rsMatchen;
    const bool bestaat = m.heeftVeld(afw);
    return BijForfaitResultaat(m_kant, speeltNiet, VakVanRij(algemeen().intLaatsteWedstrijd, rij),
                               bestaat ? m.veld(afw).tekst() : QString(), bestaat ? m.veld(wo).tekst() : QString(),
                               algemeen().intLaatsteWedstrijd);
}

void NietGespeeld::woSchrijven(int rij)
{
    db::Recordset& m = algemeen().rsMatchen;
    {
        // The boxes keep digits only while the events are on: the marks go in with them off.
        core::EventsUit uit;
        for (int s = 1; s <= core::Wedstrijdblad::AantalSets; ++s) {
            m_blad.set(rij, s, true)->setText(s <= 3 ? QStringLiteral("w") : QString());
            m_blad.set(rij, s, false)->setText(s <= 3 ? QStringLiteral("o") : QString());
        }
    }
    for (int s = 1; s <= core::Wedstrijdblad::AantalSets; ++s) {
        m_blad.set(rij, s, true)->setEnabled(false);
        m_blad.set(rij, s, false)->setEnabled(false);
    }
    for (int s = 1; s <= core::Wedstrijdblad::AantalSets; ++s) {
        m.zet(core::SetKolom(rij + 1, s, true), s <= 3 ? QStringLiteral("w") : QStringLiteral(" "));
        m.zet(core::SetKolom(rij + 1, s, false), s <= 3 ? QStringLiteral("o") : QStringLiteral(" "));
    }
}

void NietGespeeld::wissen(int rij)
{
    db::Recordset& m = algemeen().rsMatchen;
    for (int s = 1; s <= 3; ++s) {
        m.zet(core::SetKolom(rij + 1, s, true), QStringLiteral(" "));
        m.zet(core::SetKolom(rij + 1, s, false), QStringLiteral(" "));
    }
    core::EventsUit uit;
    for (int s = 1; s <= core::Wedstrijdblad::AantalSets; ++s) {
        if (s <= 3) {
            m_blad.set(rij, s, true)->clear();
            m_blad.set(rij, s, false)->clear();
        }
        m_blad.set(rij, s, true)->setEnabled(true);
        m_blad.set(rij, s, false)->setEnabled(true);
    }
}

void NietGespeeld::terugzetten(int rij)
{
    db::Recordset& m = algemeen().rsMatchen;
    m.zet(core::SpelKolom(rij + 1), markering(rij, false));
    if (core::objAlgemeneFuncties().Inhoud(m.veld(core::SpelKolom(rij + 1))).tekst().isEmpty())
        wissen(rij);
    else
        woSchrijven(rij); // the game stays a walk-over, in the database as on the sheet
}

void NietGespeeld::vakAangevinkt(int k, int masker)
{
    const QList<int> rijen = spelerRijen(RijenVanVak(algemeen().intLaatsteWedstrijd, k));
    if (rijen.isEmpty())
        return;
    bewerken([&](db::Recordset& m) {
        for (int r : rijen) {
            woSchrijven(r);
            m.zet(QStringLiteral("WO") + m_kant + QString::number(m_plaats), QString::number(masker));
            m.zet(core::SpelKolom(r + 1), markering(r, true));
        }
    });
}

void NietGespeeld::vakUitgevinkt(int k, int masker)
{
    const QList<int> rijen = spelerRijen(RijenVanVak(algemeen().intLaatsteWedstrijd, k));
    if (rijen.isEmpty())
        return;
    bewerken([&](db::Recordset& m) {
        for (int r : rijen) {
            m.zet(QStringLiteral("WO") + m_kant + QString::number(m_plaats), QString::number(masker));
            terugzetten(r);
        }
    });
}

void NietGespeeld::afwezigAan()
{
    const QList<int> rijen = alleSpelerRijen();
    bewerken([&](db::Recordset& m) {
        m.zet(QStringLiteral("WO") + m_kant + QString::number(m_plaats), QStringLiteral(" "));
        m.zet((m_kant == u"T" ? QStringLiteral("AFWTH") : QStringLiteral("AFWUIT")) + QString::number(m_plaats),
              QStringLiteral("J"));
        for (int r : rijen) {
            woSchrijven(r);
            m.zet(core::SpelKolom(r + 1), markering(r, true));
        }
    });
}

void NietGespeeld::afwezigUit()
{
    const QList<int> rijen = alleSpelerRijen();
    bewerken([&](db::Recordset& m) {
        m.zet((m_kant == u"T" ? QStringLiteral("AFWTH") : QStringLiteral("AFWUIT")) + QString::number(m_plaats),
              QStringLiteral("N"));
        for (int r : rijen)
            terugzetten(r);
    });
}

void NietGespeeld::walkoversHerstellen()
{
    const bool thuis = m_kant == u"T";
    const QString afwezig = (thuis ? QStringLiteral("AFWTH") : QStringLiteral("AFWUIT")) + QString::number(m_plaats);
    QList<int> rijen;
    if (core::UCase(veld(afwezig)) == u"J") {
        rijen = alleSpelerRijen();
    } else {
        const db::Waarde wo = algemeen().rsMatchen.veld(QStringLiteral("WO") + m_kant + QString::number(m_plaats));
        const int masker = static_cast<int>(core::Val(core::objAlgemeneFuncties().Inhoud(wo).tekst()));
        for (int vak : VakkenVanMasker(masker))
            rijen << spelerRijen(RijenVanVak(algemeen().intLaatsteWedstrijd, vak + 1));
    }
    if (rijen.isEmpty())
        return;
    bewerken([&](db::Recordset& m) {
        for (int r : rijen) {
            woSchrijven(r);
            m.zet(core::SpelKolom(r + 1), markering(r, true));
        }
    });
}

void WalkoversHerstellen(core::Wedstrijdblad& blad)
{
    for (const QString& kant : {QStringLiteral("T"), QStringLiteral("U")}) {
        for (int plaats = 1; plaats <= 4; ++plaats)
            NietGespeeld(blad, kant, plaats).walkoversHerstellen();
    }
}

} // namespace lineup
