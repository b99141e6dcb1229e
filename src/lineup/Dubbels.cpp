#include "Dubbels.h"

#include "core/AlgemeneProcedures.h"
#include "core/FunctiesQJ.h"
#include "core/Tekst.h"

#include <QPair>

namespace lineup {

namespace {

QString aangevuld(qint64 nr, int breedte)
{
    return core::objFunctiesQJ().BeginNulToevoegen(db::Waarde(nr), breedte);
}

// Places 1 to 3 of a side.
QList<core::Opstellingsplaats> opstelling(const QStringList& compNrs, const QStringList& namen)
{
    QList<core::Opstellingsplaats> r;
    for (int i = 0; i < 3; ++i)
        r.append({compNrs.value(i), namen.value(i)});
    return r;
}

// The chosen players in the order of the boxes.
QList<qint64> gekozen(const Dubbelkeuze& k)
{
    QList<qint64> spelers;
    for (int i = 0; i < 3; ++i) {
        if (k.naam[i])
            spelers << k.ploeg[i];
    }
    if (k.naam[3] && k.comboGekozen)
        spelers << k.combo;
    return spelers;
}

} // namespace

QPair<QString, QString> PaarSplitsen(const QString& paar, int breedte)
{
    if (paar.isEmpty())
        return {};
    return {core::Left(paar, breedte), core::Right(paar, breedte)};
}

QString PaarNaWissel(const QString& paar, const QString& vorig, const QStringList& compNrs, int breedte)
{
    if (paar.trimmed().isEmpty() || vorig.trimmed().isEmpty())
        return paar;
    // Member numbers are compared as padded to the width: a place may hold one without its leading zeros.
    const auto gelijk = [breedte](const QString& a, const QString& b) { return core::ZelfdeCompNr(a, b, breedte); };
    const auto [eerste, tweede] = PaarSplitsen(paar, breedte);
    const bool eersteWeg = gelijk(vorig, eerste);
    const bool tweedeWeg = gelijk(vorig, tweede);
    if (!eersteWeg && !tweedeWeg)
        return paar;
    const auto plaatsVan = [&](const QString& lid) {
        for (int i = 0; i < 3 && i < compNrs.size(); ++i) {
            if (!compNrs[i].trimmed().isEmpty() && gelijk(compNrs[i], lid))
                return i;
        }
        return -1;
    };
    const int p1 = plaatsVan(eerste);
    const int p2 = plaatsVan(tweede);
    if ((eersteWeg && p1 < 0) || (tweedeWeg && p2 < 0))
        return QString();
    if (p1 >= 0 && p2 >= 0 && p2 < p1)
        return tweede + eerste;
    return paar;
}

std::pair<int, int> CombinatiePlaatsen(int combinatie)
{
    static const std::pair<int, int> plaatsen[3] = {{0, 1}, {0, 2}, {1, 2}};
    return combinatie >= 0 && combinatie <= 2 ? plaatsen[combinatie] : std::pair{-1, -1};
}

QString CombinatieTekst(int combinatie, const QStringList& compNrs, const QStringList& namen)
{
    const auto [a, b] = CombinatiePlaatsen(combinatie);
    if (a < 0)
        return QString();
    return core::PaarMetNamen(compNrs.value(a), compNrs.value(b), namen.value(a) + QStringLiteral(" - ") + namen.value(b),
                              opstelling(compNrs, namen));
}

QString SpelerTekst(int plaats, const QStringList& compNrs, const QStringList& namen)
{
    const QString naam = namen.value(plaats);
    if (!core::Naamgenoot(compNrs.value(plaats), naam, opstelling(compNrs, namen)))
        return naam;
    return QString::number(plaats + 1) + QStringLiteral("  ") + naam;
}

int CombinatieVanPaar(const QString& paar, const QStringList& compNrs, int breedte)
{
    if (paar.isEmpty())
        return 0;
    const auto [eerste, tweede] = PaarSplitsen(paar, breedte);
    if (eerste != compNrs.value(0))
        return 2;
    return tweede == compNrs.value(1) ? 0 : 1;
}

QString PaarVanCombinatie(int combinatie, const QStringList& compNrs)
{
    const auto [a, b] = CombinatiePlaatsen(combinatie);
    if (a < 0)
        return QString();
    return compNrs.value(a) + compNrs.value(b);
}

int TelDubbelspelers(const Dubbelkeuze& keuze)
{
    const QList<qint64> spelers = gekozen(keuze);
    if (spelers.size() == 2 && spelers[0] == spelers[1])
        return -1;
    return int(spelers.size());
}

QString CmpNrDubbelspelers(const Dubbelkeuze& keuze, int breedte)
{
    const QList<qint64> spelers = gekozen(keuze);
    if (spelers.size() != 2 || spelers[0] == spelers[1])
        return QString();
    return aangevuld(spelers[0], breedte) + aangevuld(spelers[1], breedte);
}

QString DubbelMelding(int aantal)
{
    switch (aantal) {
    case 0:
        return QStringLiteral("U heeft geen dubbelspelers geselecteerd. Selecteer twee spelers.");
    case -1:
        return QStringLiteral("U heeft twee maal dezelfde speler geselecteerd. Selecteer twee verschillende spelers.");
    case 1:
        return QStringLiteral("U heeft slechts 1 dubbelspeler geselecteerd. Selecteer twee spelers.");
    default:
        return QStringLiteral("U heeft te veel dubbelspelers geselecteerd. Selecteer slechts twee spelers.");
    }
}

} // namespace lineup
