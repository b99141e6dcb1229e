// The section of filled-in matches as Export.ttr carries it: one result line per match whose sheet
// is complete.

#include "IngevuldeWedstrijden.h"

#include "Uitslagen.h"
#include "Wedstrijdrecord.h"

#include "core/Algemeen.h"
#include "core/AlgemeneProcedures.h"
#include "core/Tekst.h"

using core::algemeen;

namespace exchange {

IngevuldeSectie IngevuldeWedstrijdenExporteren(core::IVoortgang& voortgang, const QString& seizoen)
{
    IngevuldeSectie sectie;
    // The matches that cannot be judged are named with their reason, not again as incomplete.
    QSet<qint64> nietBeoordeeld;
    sectie.overgeslagen = IngevuldeWedstrijdenMarkeren(&nietBeoordeeld);
    sectie.onvolledig = OnvolledigeWedstrijden(seizoen, nietBeoordeeld);

    db::Database& d = algemeen().dbGegevens;
    db::Recordset rij = d.openRecordset(QStringLiteral("SELECT * FROM Matchen WHERE Ingeput = 'J' ORDER BY SoortComp ASC, rowid"));
    if (rij.eof())
        return sectie;
    // The first match decides for the whole section whether every provincial match is coded POVL.
    const bool povl = core::Val(rij.veld(QStringLiteral("ProvThuis"))) == 8 && core::Val(rij.veld(QStringLiteral("LKThuis"))) == 247;
    const Recordgegevens gegevens = Recordgegevens::lezen(d);
    const qint64 aantal = rij.recordCount();
    core::Voortgangsmarkering markering(static_cast<double>(aantal), 5, 5);
    QStringList records;
    qint64 teller = 0;
    ReeksZoeker reeksen;
    for (; !rij.eof(); rij.moveNext()) {
        ++teller;
        const Reeks reeks = reeksen.zoeken(rij);
        if (!reeks.gevonden) {
            sectie.overgeslagen << WedstrijdNoemen(rij) + QStringLiteral(" (de reeks staat niet in de tabel Reeksen)");
        } else {
            Recordkenmerken k;
            k.spelersPerPloeg = static_cast<qint16>(reeks.spelers);
            ReeksKenmerkenZetten(reeks.naam, k);
            k.forfait = rij.veld(QStringLiteral("forfaitth")).tekst() == u"J" || rij.veld(QStringLiteral("forfaituit")).tekst() == u"J";
            k.vrijePlaats = IsVrijePlaats(rij.veld(QStringLiteral("nmthuis")).tekst())
                            || IsVrijePlaats(rij.veld(QStringLiteral("nmuit")).tekst());
            k.povl = povl;
            try {
                // As many places as the results file writes: a Super match without its doubles has four.
                k.plaatsen = Plaatsen(k.spelersPerPloeg,
                                      SuperDubbelWaarde(rij.veld(QStringLiteral("SoortComp")).tekst(),
                                                        rij.veld(QStringLiteral("HerDam")).tekst(),
                                                        rij.veld(QStringLiteral("Soort")), gegevens.superDubbel));
                records << WedstrijdRecordMaken(rij, k, gegevens);
                sectie.verlorenLetters << VerlorenLettersVanRecord(records.last(), rij, gegevens);
            } catch (const RecordFout& fout) {
                sectie.overgeslagen << WedstrijdNoemen(rij) + QStringLiteral(" (") + fout.reden() + u')';
            }
        }
        const int teken = markering.bij(teller);
        if (teken >= 0)
            voortgang.UpdateProgress(teken);
    }
    if (records.isEmpty())
        return sectie;
    sectie.wedstrijden = static_cast<int>(records.size());
    sectie.regels << QStringLiteral("###ingevulde Wedstrijden") << u' ' + QString::number(records.size()) + u' ';
    sectie.regels << records;
    sectie.regels << QStringLiteral("###");
    return sectie;
}

} // namespace exchange
