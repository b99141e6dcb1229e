#include "Opstart.h"

#include "core/Algemeen.h"
#include "core/AlgemeneFuncties.h"
#include "core/AlgemeneProcedures.h"
#include "core/Ansi.h"
#include "core/FunctiesQJ.h"
#include "core/Provinciebestand.h"
#include "core/Tekst.h"
#include "ui/Meldingen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace core {

namespace {

QString& applicatiemapInstelling()
{
    static QString map;
    return map;
}

// The tables that start-up and the update read; a database without one of them cannot be used.
const QStringList BenodigdeTabellen{QStringLiteral("Leden"),      QStringLiteral("Clubs"),
                                    QStringLiteral("Opties"),     QStringLiteral("Datums"),
                                    QStringLiteral("Matchen"),    QStringLiteral("Reeksen"),
                                    QStringLiteral("Ploegen"),    QStringLiteral("Provincies"),
                                    QStringLiteral("Sterktelijst"), QStringLiteral("Volgorde Wedstrijden"),
                                    QStringLiteral("Alternatief"), QStringLiteral("Klassering"),
                                    QStringLiteral("Vertalingen")};

const QStringList BenodigdeOpties{QStringLiteral("Aantal Karakters CompNr"), QStringLiteral("Provincie"),
                                  QStringLiteral("ClubNr"), QStringLiteral("ClubProv"),
                                  QStringLiteral("PaswoordBeheer")};

// Checked before anything is written, so that a database that cannot be used is left as it was.
void databaseControleren(db::Database& db, const QString& pad)
{
    QStringList ontbreekt;
    const QStringList tabellen = db.tabellen();
    for (const QString& t : BenodigdeTabellen) {
        if (!tabellen.contains(t, Qt::CaseInsensitive))
            ontbreekt << QStringLiteral("de tabel '%1' ontbreekt").arg(t);
    }
    if (tabellen.contains(QStringLiteral("Opties"), Qt::CaseInsensitive)) {
        for (const QString& soort : BenodigdeOpties) {
            db::Recordset rs = db.openRecordset(QStringLiteral("SELECT Item FROM Opties WHERE Soort = ?"), {soort});
            if (rs.eof()) {
                ontbreekt << QStringLiteral("de optie '%1' ontbreekt in de tabel Opties").arg(soort);
            } else if (soort == BenodigdeOpties.first() && !IsNumeric(rs.veld(0))) {
                ontbreekt << QStringLiteral("de optie '%1' is geen getal").arg(soort);
            }
        }
    }
    if (!ontbreekt.isEmpty())
        throw OpstartFout(QStringLiteral("De database %1 kan niet gebruikt worden:\n- %2.\n\nHet programma wordt afgesloten.")
                              .arg(QDir::toNativeSeparators(pad), ontbreekt.join(QStringLiteral(";\n- "))));
}

} // namespace

db::Waarde OptieItem(const QString& soort)
{
    Algemeen& a = algemeen();
    a.strSQL = QStringLiteral("SELECT Item From Opties WHERE Soort = '%1';").arg(SqlTekst(soort));
    db::Recordset rs = a.dbGegevens.openRecordset(a.strSQL);
    if (rs.eof())
        return db::Waarde::null();
    rs.moveFirst();
    return rs.veld(QStringLiteral("Item"));
}

QString SuperDubbelOptie()
{
    db::Recordset& rs = algemeen().rsOpties;
    rs.setIndex(QStringLiteral("Soort"));
    rs.seek(QStringLiteral("="), {db::Waarde(QStringLiteral("SuperDubbelSpelen"))});
    return rs.noMatch() ? QString() : rs.veld(QStringLiteral("Item")).tekst().trimmed().toUpper();
}

QString applicatiemap()
{
    const QString& ingesteld = applicatiemapInstelling();
    if (!ingesteld.isEmpty())
        return ingesteld;
    return QCoreApplication::applicationDirPath();
}

void zetApplicatiemap(const QString& map)
{
    applicatiemapInstelling() = map;
}

QString bestandZoeken(const QString& map, const QString& naam)
{
    const QDir dir(map);
    for (const QString& bestand : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (bestand.compare(naam, Qt::CaseInsensitive) == 0)
            return dir.filePath(bestand);
    }
    return QString();
}

void DatabaseOpenen()
{
    Algemeen& a = algemeen();
    a.strSysteemmap = metScheidingsteken(applicatiemap());

    const QString temp = bestandZoeken(a.strSysteemmap, TempDatabaseNaam);
    if (!temp.isEmpty() && bestandZoeken(a.strSysteemmap, DatabaseNaam).isEmpty()) {
        // The end of a renewal that was interrupted after the old file was gone. Only a database
        // that can be used takes the name, and only while no other program holds it; otherwise
        // both stay as they are.
        bool hernoemd = false;
        try {
            db::Bestandsslot slot(temp);
            db::Database nieuw = db::Database::openen(temp);
            databaseControleren(nieuw, temp);
            nieuw.sluiten();
            slot.alleenHouden();
            hernoemd = QFile::rename(temp, a.strSysteemmap + DatabaseNaam);
        } catch (const db::DbFout& fout) {
            throw OpstartFout(QStringLiteral("De database %1 kan niet geopend worden:\n%2\n\nHet programma wordt afgesloten.")
                                  .arg(QDir::toNativeSeparators(temp), fout.tekst()));
        }
        if (!hernoemd)
            throw OpstartFout(QStringLiteral("%1 kan niet hernoemd worden tot %2 in de map %3.\n\nHet programma wordt afgesloten.")
                                  .arg(TempDatabaseNaam, DatabaseNaam, QDir::toNativeSeparators(a.strSysteemmap)));
        a.blnTempHernoemd = true;
    }

    const QString pad = bestandZoeken(a.strSysteemmap, DatabaseNaam);
    if (pad.isEmpty())
        throw OpstartFout(QStringLiteral("De database %1 staat niet in de map %2.\n\nHet programma wordt afgesloten.")
                              .arg(DatabaseNaam, QDir::toNativeSeparators(a.strSysteemmap)));
    try {
        a.dbGegevens = db::Database::openen(pad);
        databaseControleren(a.dbGegevens, pad);
    } catch (const db::DbFout& fout) {
        a.dbGegevens.sluiten();
        throw OpstartFout(QStringLiteral("De database %1 kan niet geopend worden:\n%2\n\nHet programma wordt afgesloten.")
                              .arg(QDir::toNativeSeparators(pad), fout.tekst()));
    } catch (const OpstartFout&) {
        a.dbGegevens.sluiten();
        throw;
    }
    try {
        DatabaseBijwerken();
    } catch (const db::DbFout& fout) {
        // Another program holding the file, for one: the update is rolled back whole.
        a.dbGegevens.sluiten();
        throw OpstartFout(QStringLiteral("De database %1 kan niet bijgewerkt worden:\n%2\n\nHet programma wordt afgesloten.")
                              .arg(QDir::toNativeSeparators(pad), fout.tekst()));
    }
}

void TabellenOpenen()
{
    Algemeen& a = algemeen();
    db::Database& d = a.dbGegevens;
    a.rsLeden = d.openTabel(QStringLiteral("Leden"));
    a.rsClubs = d.openTabel(QStringLiteral("Clubs"));
    a.rsOpties = d.openTabel(QStringLiteral("Opties"));
    a.rsDatums = d.openTabel(QStringLiteral("Datums"));
    a.rsMatchen = d.openTabel(QStringLiteral("Matchen"));
    a.rsReeksen = d.openTabel(QStringLiteral("Reeksen"));
    a.rsPloegen = d.openTabel(QStringLiteral("Ploegen"));
    a.rsProvincies = d.openTabel(QStringLiteral("Provincies"));
    a.rsSterktelijst = d.openTabel(QStringLiteral("Sterktelijst"));
    a.rsVolgordeWedstrijden = d.openTabel(QStringLiteral("Volgorde Wedstrijden"));
    a.rsAlternatief = d.openTabel(QStringLiteral("Alternatief"));
    a.rsKlassering = d.openTabel(QStringLiteral("Klassering"));
}

void DatabaseBijwerken()
{
    Algemeen& a = algemeen();
    db::Database& d = a.dbGegevens;
    // A database that needs none of the changes below is left alone, without taking the write lock:
    // the program then also starts while another program (a database tool) has the file open to read.
    const auto aantal = [&d](const char* sql) {
        return d.openRecordset(QString::fromLatin1(sql)).veld(0).geheel();
    };
    if (aantal("SELECT COUNT(*) FROM Opties WHERE Soort = 'update20100807' AND Item = '1'") > 0
        && aantal("SELECT COUNT(*) FROM Opties WHERE Soort = 'statussen'") == 1
        && aantal("SELECT COUNT(*) FROM Opties WHERE Soort = 'statussen' AND Item = 'A,S,V,D,T' COLLATE BINARY") == 1
        && aantal("SELECT COUNT(*) FROM Opties WHERE Soort = 'SuperDubbelSpelen'") > 0)
        return;
    // All or nothing: a start that fails half-way leaves the database as it was.
    db::Transactie transactie(d);

    a.strSQL = QStringLiteral("SELECT COUNT(*) as atl FROM Opties WHERE Soort = 'update20100807' and item = '1';");
    if (d.openRecordset(a.strSQL).veld(QStringLiteral("atl")).geheel() == 0) {
        static const char* const oudeTeksten[] = {"vrij", "A.", "H.", "LK.", "L.", "LX.",
                                                  "N.",   "O.", "VB.", "B.", "W.Vl.", "Ext."};
        for (int i = 0; i <= 11; ++i) {
            const QString t = QString::fromLatin1(oudeTeksten[i]);
            a.strSQL = QStringLiteral("UPDATE matchen SET PROVTHUIS = '%1' where PROVTHUIS = '%2'").arg(i).arg(t);
            d.uitvoeren(a.strSQL);
            a.strSQL = QStringLiteral("UPDATE matchen SET PROVUIT = '%1' where PROVUIT = '%2'").arg(i).arg(t);
            d.uitvoeren(a.strSQL);
        }

        const QString bestand = bestandZoeken(a.strSysteemmap, ProvinciebestandNaam);
        QStringList regels;
        QString fout;
        if (bestand.isEmpty() || !ansiBestandLezen(bestand, regels, &fout)) {
            ui::meldingen().kritiek(QStringLiteral("Update 20100807"),
                                    QStringLiteral("Update 20100807 cannot be executed !\n"
                                                   "File update20100807.txt is missing.\n\n"
                                                   "Copy this file to the system directory and restart the program."));
        } else {
            for (const QString& regel : std::as_const(regels)) {
                // A short or malformed line (an empty last line, say) is passed over.
                const std::optional<ProvincieRegel> p = provincieRegelLezen(regel);
                if (!p)
                    continue;
                // The texts are bound as they stand in the file: a "%" or a quote in them is plain text.
                a.strSQL = QStringLiteral("SELECT COUNT(*) as atl FROM Provincies WHERE Nr = ?;");
                if (d.openRecordset(a.strSQL, {p->nr}).veld(QStringLiteral("atl")).geheel() == 0) {
                    a.strSQL = QStringLiteral("INSERT INTO Provincies (Provincie, Province, Afkorting, TabT, Nr) "
                                              "VALUES (?, ?, ?, ?, ?)");
                } else {
                    a.strSQL = QStringLiteral("UPDATE Provincies SET Provincie = ?, Province = ?, "
                                              "Afkorting = ?, TabT = ? where Nr = ?");
                }
                d.uitvoeren(a.strSQL, {p->provincie, p->province, p->afkorting, p->tabT, p->nr});
            }
            a.strSQL = QStringLiteral("INSERT INTO Opties (Soort, Item) VALUES ('update20100807', '1');");
            d.uitvoeren(a.strSQL);
        }
    }

    a.strSQL = QStringLiteral("SELECT COUNT(*) as atl FROM Opties WHERE Soort = 'statussen'");
    if (d.openRecordset(a.strSQL).veld(QStringLiteral("atl")).geheel() == 0)
        a.strSQL = QStringLiteral("INSERT INTO Opties (Soort, Item) VALUES ('statussen', 'A,S,V,D,T');");
    else
        a.strSQL = QStringLiteral("UPDATE Opties SET Item = 'A,S,V,D,T' where Soort = 'statussen'");
    d.uitvoeren(a.strSQL);

    a.strSQL = QStringLiteral("SELECT COUNT(*) as atl FROM Opties WHERE Soort = 'SuperDubbelSpelen'");
    if (d.openRecordset(a.strSQL).veld(QStringLiteral("atl")).geheel() == 0) {
        a.strSQL = QStringLiteral("INSERT INTO Opties (Soort, Item) VALUES ('SuperDubbelSpelen', 'N');");
        d.uitvoeren(a.strSQL);
    }
    transactie.vastleggen();
}

OptieStand OptiesLezen()
{
    Algemeen& a = algemeen();
    const AlgemeneFuncties& f = objAlgemeneFuncties();
    OptieStand stand;

    a.intAantalKaraktersCompNr = CInt(OptieItem(QStringLiteral("Aantal Karakters CompNr")));

    ProvincieEnClubNrLezen();

    // Whatever goes wrong with the folder (no row, an empty or odd path, a folder gone since),
    // the outcome is the same: the folder is asked for when the main window first shows.
    try {
        const QString pad = OptieItem(QStringLiteral("Pad Opslaan")).tekst();
        if (!pad.isEmpty() && QFileInfo(pad).isDir())
            a.strPadOpslaan = metScheidingsteken(pad);
        else
            stand.padNietIngesteld = true;
    } catch (const std::exception&) {
        stand.padNietIngesteld = true;
    }
    if (stand.padNietIngesteld)
        a.strPadOpslaan.clear();

    stand.paswoordBeheer = !f.Inhoud(OptieItem(QStringLiteral("PaswoordBeheer"))).tekst().isEmpty();
    return stand;
}

void ProvincieEnClubNrLezen()
{
    Algemeen& a = algemeen();
    const AlgemeneFuncties& f = objAlgemeneFuncties();
    const double provincie = Val(f.Inhoud(OptieItem(QStringLiteral("Provincie"))));
    a.strProvincie = ProvincieNaam(db::Waarde(provincie));
    a.strProvincieAfkorting = ProvincieAfkorting(db::Waarde(provincie));

    const db::Waarde clubNr = OptieItem(QStringLiteral("ClubNr"));
    a.strClubNr = f.Inhoud(clubNr).tekst().isEmpty() ? QStringLiteral("000") : clubNr.tekst();

    const double clubProv = Val(f.Inhoud(OptieItem(QStringLiteral("ClubProv"))));
    // A club province never set is the user's own province.
    a.strClubProv = clubProv == 0 ? QString::number(ProvincieNr(a.strProvincie, 0)) : db::Waarde(clubProv).tekst();
    a.strClubProvAfkorting = ProvincieAfkorting(a.strClubProv);
}

QString HuidigSeizoen()
{
    const int jaar = objFunctiesQJ().BeginDitSeizoen().year();
    return QStringLiteral("%1-%2").arg(jaar).arg(objFunctiesQJ().BeginDitSeizoen().year() + 1);
}

QStringList SeizoenenLijst(const QString& huidig)
{
    Algemeen& a = algemeen();
    QStringList lijst{huidig};
    a.strSQL = QStringLiteral("SELECT DISTINCT Seizoen From Matchen ORDER BY Seizoen DESC;");
    db::Recordset rs = a.dbGegevens.openRecordset(a.strSQL);
    for (; !rs.eof(); rs.moveNext()) {
        const QString seizoen = rs.veld(QStringLiteral("Seizoen")).tekst();
        // A calendar row without a season gives no entry.
        if (objAlgemeneFuncties().Inhoud(seizoen).tekst().isEmpty())
            continue;
        if (seizoen != huidig)
            lijst << seizoen;
    }
    return lijst;
}

} // namespace core
