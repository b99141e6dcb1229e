// The main window's season data actions that run in the preparation window: importing Export.ttr,
// initialising the database for a new season (with its archive copy), re-indexing, renewing, and
// wiping every strength list.

#include "FrmWedstrijdInput.h"

#include "bestand/Schrijver.h"
#include "core/Algemeen.h"
#include "core/AlgemeneFuncties.h"
#include "core/AlgemeneProcedures.h"
#include "core/Diensten.h"
#include "core/FolderOpenen.h"
#include "core/Opstart.h"
#include "core/Tekst.h"
#include "ui/Meldingen.h"

#include <QFile>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <optional>

using core::algemeen;

namespace {

const QString TitelInitialiseren = QStringLiteral("Database Initialiseren");

QHash<QString, qint64> rijenPerTabel(db::Database& d)
{
    QHash<QString, qint64> aantallen;
    for (const QString& tabel : d.tabellen())
        aantallen.insert(tabel, d.openRecordset(QStringLiteral("SELECT COUNT(*) FROM ") + db::sqlNaam(tabel)).veld(0).geheel());
    return aantallen;
}

/**
 * Copies the database to the archive while the program holds its write lock and has written
 * nothing yet. The copy is written beside the archive, checked (it opens and holds the same rows) and
 * only then takes the archive's name, replacing an older archive; whatever fails leaves an older
 * archive as it was.
 * @return empty when the archive is in place, else what went wrong
 */
QString archiefMaken(const QString& bron, const QString& archief, const QHash<QString, qint64>& aantallen)
{
    bestand::Schrijver kopie(archief);
    QFile database(bron);
    if (kopie.ok() && !database.open(QIODevice::ReadOnly))
        kopie.afbreken(QStringLiteral("De database kan niet gelezen worden"));
    while (kopie.ok()) {
        const QByteArray blok = database.read(1024 * 1024);
        if (blok.isEmpty()) {
            if (database.error() != QFileDevice::NoError)
                kopie.afbreken(QStringLiteral("De database kan niet gelezen worden"));
            break;
        }
        kopie.schrijven(blok);
    }
    if (!kopie.afsluiten())
        return kopie.oorzaakTekst();
    QString fout;
    try {
        db::Database d = db::Database::openen(kopie.tijdelijkPad());
        const QHash<QString, qint64> gekopieerd = rijenPerTabel(d);
        d.sluiten();
        if (gekopieerd != aantallen)
            fout = QStringLiteral("de kopie bevat niet dezelfde gegevens als de database");
    } catch (const db::DbFout& f) {
        fout = f.tekst();
    }
    if (!fout.isEmpty()) {
        kopie.afbreken(fout);
        return fout;
    }
    if (!kopie.vervangen())
        return kopie.oorzaakTekst();
    return {};
}

} // namespace

void FrmWedstrijdInput::MnuBeheerGegevensImport_Click()
{
    core::Algemeen& a = algemeen();
    core::IUitwisseling* u = uitwisseling();
    if (!u)
        return;
    if (!ui::meldingen().vraagJaNee(QStringLiteral("Importeren"),
                                    QStringLiteral("De gegevens uit 'Export.ttr' worden geïmporteerd. Doorgaan ?")))
        return;
    const QString map = core::ExportMapKiezen();
    // No folder at all (none chosen, none in the options) is not the working folder.
    if (map.isEmpty() || core::bestandZoeken(map, QStringLiteral("Export.ttr")).isEmpty()) {
        ui::meldingen().kritiek(QStringLiteral("Import Interclubgegevens"),
                                QStringLiteral("Het bestand \"Export.ttr\" werd niet gevonden in de map \"") + map
                                    + QStringLiteral("\" !"));
        return;
    }
    LabX1->setText(map);
    LabX->setText(QStringLiteral("Import"));
    uitschakelen();
    // Refused, the import left the database as it was (and said why): nothing is to be read anew.
    if (!u->VoorbereidenUitvoeren())
        return;

    // The options that the file may have replaced, read as at start-up.
    core::ProvincieEnClubNrLezen();

    // A season that the file brought is in the list at once; the season chosen stays chosen.
    const QStringList seizoenen = core::SeizoenenLijst(a.strHuidigSeizoen);
    const QListWidgetItem* gekozen = LstSeizoen->currentItem();
    const int rij = gekozen ? static_cast<int>(seizoenen.indexOf(gekozen->text())) : -1;
    {
        const QSignalBlocker stil(LstSeizoen);
        LstSeizoen->clear();
        LstSeizoen->addItems(seizoenen);
        LstSeizoen->setCurrentRow(rij);
    }
    if (rij >= 0) {
        lijstKiezen(LstSeizoen, rij);
    } else {
        a.blnEventsActief = false;
        if (core::IWedstrijdblad* b = core::diensten().wedstrijdblad)
            b->Blanco();
        bladVergrendelen(false);
        a.blnEventsActief = true;
    }
}

void FrmWedstrijdInput::MnuBeheerInitialiseren_Click()
{
    core::Algemeen& a = algemeen();
    core::IUitwisseling* u = core::diensten().uitwisseling;
    if (!u)
        return;
    a.rsOpties.setIndex(QStringLiteral("Soort"));
    a.rsOpties.seek(QStringLiteral("="), {QStringLiteral("ClubNr")});
    // The club number as stored; without the option row, the one read at start-up.
    const QString clubNr = a.rsOpties.noMatch() ? a.strClubNr : a.rsOpties.veld(QStringLiteral("Item")).tekst();
    const QString archief = a.strPadOpslaan + QStringLiteral("archief") + clubNr + QStringLiteral(".mdb");
    if (!ui::meldingen().vraagJaNee(
            TitelInitialiseren,
            QStringLiteral("De database wordt nu leeggemaakt en voorbereid voor een volgend seizoen. De gegevens worden "
                           "opgeslagen in volgend archiefbestand:\n\n\"")
                + archief + QStringLiteral("\"\n\nDeze handeling kan niet ongedaan gemaakt worden. Doorgaan ?")))
        return;

    // Nobody else may write from the copy until the season tables are emptied: the archive holds
    // what is emptied, and nothing that another program (a second copy of this one, a database
    // tool) writes meanwhile goes unarchived. One that is writing already stops the action here.
    // Nothing is written before the copy, so the file is complete as it stands.
    std::optional<db::Transactie> transactie;
    try {
        transactie.emplace(a.dbGegevens);
    } catch (const db::DbFout& f) {
        ui::meldingen().kritiek(TitelInitialiseren, QStringLiteral("Het initialiseren werd afgebroken:\n\n") + f.tekst()
                                                        + QStringLiteral("\n\nDe database werd niet leeggemaakt."));
        return;
    }
    const QHash<QString, qint64> aantallen = rijenPerTabel(a.dbGegevens);
    const QString fout = archiefMaken(a.dbGegevens.pad(), archief, aantallen);
    if (!fout.isEmpty()) {
        ui::meldingen().kritiek(TitelInitialiseren, QStringLiteral("Het archiefbestand \"") + archief
                                                        + QStringLiteral("\" kon niet gemaakt worden:\n") + fout
                                                        + QStringLiteral("\n\nDe database werd niet leeggemaakt."));
        return;
    }

    // The season shown is emptied with the tables. Refused at the end, nothing was emptied: the season,
    // play date and match shown before are shown again.
    keuzeBehouden([&] {
        a.blnEventsActief = false;
        if (core::IWedstrijdblad* b = core::diensten().wedstrijdblad)
            b->Blanco();
        bladVergrendelen(false);
        {
            const QSignalBlocker stil1(LstSpeelweek);
            const QSignalBlocker stil2(LstWedstrijden);
            LstSpeelweek->clear();
            LstWedstrijden->clear();
        }
        a.blnEventsActief = true;

        LabX->setText(QStringLiteral("Initialiseren"));
        uitschakelen();
        u->VoorbereidenUitvoeren();
        bool geweigerd = false;
        try {
            transactie->vastleggen();
        } catch (const db::DbFout& f) {
            transactie.reset();
            geweigerd = true;
            ui::meldingen().kritiek(TitelInitialiseren, QStringLiteral("Het initialiseren werd afgebroken:\n\n")
                                                            + f.tekst()
                                                            + QStringLiteral("\n\nDe database werd niet leeggemaakt."));
        }
        setEnabled(true);
        if (geweigerd && LstSeizoen->currentItem())
            lijstKiezen(LstSeizoen, LstSeizoen->currentRow());
    });
}

void FrmWedstrijdInput::MnuBeheerDBHerindexeren_Click()
{
    core::Algemeen& a = algemeen();
    core::IUitwisseling* u = core::diensten().uitwisseling;
    if (!u)
        return;
    LabX->setText(QStringLiteral("Herindexeren"));
    u->VoorbereidenUitvoeren();
    setEnabled(true);
    // Refused (another program holds the database, and the preparation window said so): the shared
    // recordsets are open as they were, on the match on the sheet, and nothing needs to be read anew.
    // A reload would only stop the program at the other program's hold.
    if (a.rsMatchen.isOpen())
        return;
    // Unloaded and shown again: the whole load runs once more and opens the recordsets that
    // re-indexing closed. Only the reload keeps the program going; closing the window afterwards
    // ends it as before.
    a.blnHerladen = true;
    bool geladen = true;
    // The reload shows the season, play date and match that were shown.
    keuzeBehouden([&] {
        close();
        try {
            toon();
        } catch (const core::OpstartFout& f) {
            ui::meldingen().kritiek(QStringLiteral("Herindexeren"), f.tekst());
            geladen = false;
        }
    });
    if (!geladen) {
        a.blnHerladen = false;
        close();
        return;
    }
    a.blnHerladen = false;
}

void FrmWedstrijdInput::MnuBeheerDBVernieuwen_Click()
{
    core::Algemeen& a = algemeen();
    core::IUitwisseling* u = core::diensten().uitwisseling;
    core::IOnderhoud* o = core::diensten().onderhoud;
    if (!u || !o)
        return;
    const QString titel = QStringLiteral("Database Vernieuwen");
    if (!ui::meldingen().vraagJaNee(titel, QStringLiteral("Database nu vernieuwen ?")))
        return;
    try {
        o->StructuurOpslaan(QStringLiteral("QJ-Deel7"));
    } catch (const db::DbFout& f) {
        ui::meldingen().kritiek(titel, QStringLiteral("De structuur van de database kon niet opgeslagen worden:\n\n")
                                           + f.tekst() + QStringLiteral("\n\nDe database werd niet vernieuwd."));
        return;
    }
    LabX->setText(QStringLiteral("DatabaseVernieuwen"));
    u->VoorbereidenUitvoeren();
    // The recordsets are new: the match on the sheet is sought again, so that what is typed on the
    // sheet goes to its own row.
    if (a.dbGegevens.isOpen() && LstWedstrijden->currentRow() >= 0)
        lijstKiezen(LstWedstrijden, LstWedstrijden->currentRow());
}

void FrmWedstrijdInput::MnuBeheerSterktelijstenWissen_Click()
{
    core::IUitwisseling* u = core::diensten().uitwisseling;
    if (!u)
        return;
    const QString tekst = QStringLiteral(
        "Alle sterktelijsten zullen nu gewist worden.\r\n\r\nOPGELET !!\r\n\r\nAlle voorgaande sterktelijsten worden "
        "gewist, ook deze die geïmporteerd werden van de interclubleider of deze die door u aangepast werden.\r\n\r\n"
        "Wanneer u alle sterktelijsten wist, zal u geen spelers meer kunnen opstellen in de ploegen zonder melding dat "
        "ze niet op de sterktelijst staan.\r\n\r\nAlle sterktelijsten worden automatisch opnieuw gemaakt wanneer u "
        "kiest voor \"Beheer - Sterktelijsten Bekijken\".\r\nZij worden samengesteld met alle spelers die een geldige "
        "spelerslicentie hebben (medische keuring !).\r\n\r\nBent u zeker dat u alle sterktelijsten wilt wissen ?");
    if (!ui::meldingen().vraagNeeJa(QStringLiteral("Alle Sterktelijsten Wissen"), tekst))
        return;
    LabX->setText(QStringLiteral("Alle Sterktelijsten Wissen"));
    u->VoorbereidenUitvoeren();
}
