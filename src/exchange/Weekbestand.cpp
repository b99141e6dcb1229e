#include "Weekbestand.h"

#include "Uitslagen.h"

#include "core/Algemeen.h"
#include "core/AlgemeneFuncties.h"
#include "core/AlgemeneProcedures.h"
#include "core/Ansi.h"
#include "core/FrmWedstrijdInput.h"
#include "core/Matchkolommen.h"
#include "core/Tekst.h"
#include "core/Voortgang.h"
#include "ui/Meldingen.h"

#include <QListWidget>

using core::algemeen;

namespace exchange {

namespace {

QString inhoud(const db::Waarde& w)
{
    return core::objAlgemeneFuncties().Inhoud(w).tekst();
}

bool gevuld(const db::Recordset& rij, const QString& veld)
{
    return !inhoud(rij.veld(veld)).isEmpty();
}

QString noemen(const db::Recordset& rij)
{
    return QStringLiteral("- Wedstrijd \"") + rij.veld(QStringLiteral("wedstrnr")).tekst() + QStringLiteral(": ")
           + rij.veld(QStringLiteral("nmthuis")).tekst() + QStringLiteral(" - ") + rij.veld(QStringLiteral("nmuit")).tekst()
           + u'"';
}

} // namespace

Weekverslag WeekResultatenSchrijven(const QString& datum, const QString& seizoen, const QString& clubNr,
                                    const QString& map)
{
    db::Database& d = algemeen().dbGegevens;
    // A date has a row per division's week (a national and a provincial one on the same day): the row
    // that carries a provincial week comes first.
    db::Recordset week = d.openRecordset(
        QStringLiteral("SELECT WeekNrP, WeekNrQ FROM Datums WHERE Datum = ? "
                       "ORDER BY (WeekNrP IS NULL OR trim(WeekNrP) = ''), rowid"),
        {core::DatumTekst(datum)});
    if (week.eof() || inhoud(week.veld(0)).isEmpty())
        throw core::ActieFout(QStringLiteral("Voor de speeldatum %1 is geen provinciaal weeknummer bekend.\r\n\r\n"
                                             "Er werd niets geëxporteerd.")
                                  .arg(datum));
    Weekverslag verslag;
    verslag.pad = map + clubNr + u'-' + week.veld(0).tekst() + QStringLiteral(".ttr");

    QStringList regels;
    // A division is read once, however many of its matches the week has.
    ReeksZoeker reeksen;
    for (int kolom = 0; kolom < 2; ++kolom) {
        const QString weekNr = inhoud(week.veld(kolom));
        if (weekNr.isEmpty())
            continue;
        db::Recordset rij = d.openRecordset(
            QStringLiteral("SELECT * FROM Matchen WHERE Seizoen = ? AND SoortComp = 'P' AND WeekNr = ? ORDER BY rowid"),
            {seizoen, weekNr});
        for (; !rij.eof(); rij.moveNext()) {
            if (rij.veld(QStringLiteral("LKThuis")).tekst() != clubNr)
                continue;
            const Reeks reeks = reeksen.zoeken(rij);
            if (!reeks.gevonden) {
                verslag.nietGemaakt << noemen(rij) + QStringLiteral(" (de reeks staat niet in de tabel Reeksen)");
                continue;
            }
            const int a = reeks.spelers;
            const int spellen = a == 3 ? 10 : a == 2 ? 7 : 16;

            bool compleet = true;
            for (int k = 1; k <= a; ++k)
                compleet = compleet && PlaatsGevuld(rij, true, k);
            const bool forfait = rij.veld(QStringLiteral("forfaitth")).tekst() == u"J"
                                 || rij.veld(QStringLiteral("forfaituit")).tekst() == u"J";
            const bool bye = core::Left(rij.veld(QStringLiteral("nmuit")).tekst(), 4) == u"BYE ";
            if (compleet && !forfait && !bye) {
                for (int k = 1; k <= a; ++k)
                    compleet = compleet && PlaatsGevuld(rij, false, k);
                for (int g = 1; g <= spellen; ++g)
                    compleet = compleet && gevuld(rij, core::SpelKolom(g));
            }
            if (!compleet) {
                verslag.onvolledig << noemen(rij);
                continue;
            }
            regels << rij.veld(QStringLiteral("wedstrnr")).tekst() << rij.veld(QStringLiteral("forfaitth")).tekst()
                   << rij.veld(QStringLiteral("forfaituit")).tekst();
            for (int k = 1; k <= a; ++k) {
                const QString lid = inhoud(rij.veld(QStringLiteral("THUISSP%1").arg(k)));
                regels << (lid.isEmpty() ? QStringLiteral(" ") : lid) << inhoud(rij.veld(QStringLiteral("AFWTH%1").arg(k)));
            }
            for (int k = 1; k <= a; ++k)
                regels << inhoud(rij.veld(QStringLiteral("UITSP%1").arg(k)))
                       << inhoud(rij.veld(QStringLiteral("AFWUIT%1").arg(k)));
            for (int g = 1; g <= spellen; ++g)
                regels << inhoud(rij.veld(core::SpelKolom(g)));
            ++verslag.geschreven;
        }
    }
    QString fout;
    if (!core::ansiBestandSchrijven(verslag.pad, regels, &fout))
        throw core::ActieFout(fout + QStringLiteral("\r\n\r\nEr werd niets geëxporteerd."));
    return verslag;
}

QString WeekMelding(const Weekverslag& verslag, const QString& datum)
{
    const QString n = QStringLiteral("\r\n");
    QString tekst = QStringLiteral("De pagina \"") + verslag.pad + QStringLiteral("\" (week van ") + datum
                    + QStringLiteral(") werd opgeslagen.") + n + QStringLiteral("Stuur deze door naar de interclubleider.");
    if (!verslag.onvolledig.isEmpty())
        tekst += n + n
                 + QStringLiteral("Volgende wedstrijd(en) werden niet geëxporteerd omdat niet alle gegevens ingevuld zijn:")
                 + n + n + verslag.onvolledig.join(n) + n + n;
    if (!verslag.nietGemaakt.isEmpty())
        tekst += n + n + QStringLiteral("Volgende wedstrijd(en) konden niet geëxporteerd worden:") + n + n
                 + verslag.nietGemaakt.join(n) + n;
    return tekst;
}

void WeekResultatenExporteren()
{
    core::Algemeen& a = algemeen();
    FrmWedstrijdInput& f = FrmWedstrijdInput::standaard();
    const QString datum = f.LstSpeelweek->currentItem() ? f.LstSpeelweek->currentItem()->text() : QString();
    if (!core::IsDatum(datum))
        return;
    const QString titel = QStringLiteral("Exporteren");
    if (a.strPadOpslaan.isEmpty()) {
        ui::meldingen().kritiek(titel, QStringLiteral("In de opties staat geen map 'Import/Export'.\r\n\r\n"
                                                      "Er werd niets geëxporteerd."));
        return;
    }
    try {
        const Weekverslag verslag = WeekResultatenSchrijven(datum, a.strGekozenSeizoen, a.strClubNr, a.strPadOpslaan);
        ui::meldingen().informatie(titel, WeekMelding(verslag, datum));
    } catch (const core::ActieFout& fout) {
        ui::meldingen().kritiek(titel, fout.tekst());
    } catch (const db::DbFout& fout) {
        ui::meldingen().kritiek(titel, QStringLiteral("De export werd afgebroken:\n\n") + fout.tekst());
    }
    f.lijstTekstKiezen(f.LstSpeelweek, datum);
}

} // namespace exchange
