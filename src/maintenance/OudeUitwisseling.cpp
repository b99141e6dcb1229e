#include "OudeUitwisseling.h"

#include "core/AlgemeneFuncties.h"
#include "core/Algemeen.h"
#include "core/Tekst.h"
#include "ui/Meldingen.h"

#include <QFileInfo>
#include <cmath>
#include <stdexcept>

using core::algemeen;

namespace maintenance {

namespace {

QString importOpschrift(const QString& omschrijving)
{
    return QStringLiteral("Bezig met het importeren van ") + omschrijving + QStringLiteral(" - Even Geduld.....");
}

QString exportOpschrift(const QString& omschrijving)
{
    return QStringLiteral("Bezig met het exporteren van ") + omschrijving + QStringLiteral(" - Even Geduld.....");
}

void opschrift(core::IVoortgang* voortgang, const QString& tekst)
{
    if (voortgang)
        voortgang->opschriftZetten(tekst);
}

// A source value that is copied: neither missing nor the empty text.
bool heeftWaarde(const db::Waarde& w)
{
    return !w.isNull() && !w.isLeeg() && !(w.isTekst() && w.tekst().isEmpty());
}

// The fields of the list copied from the current source row into the target row being written.
// A field that either table lacks is passed over (the older tables differ from the own ones).
void veldenKopieren(db::Recordset& bron, db::Recordset& doel, const QList<StructuurVeld>& velden)
{
    for (const StructuurVeld& veld : velden) {
        if (!bron.heeftVeld(veld.naam) || !doel.heeftVeld(veld.naam))
            continue;
        const db::Waarde w = bron.veld(veld.naam);
        if (heeftWaarde(w))
            doel.zet(veld.naam, w);
    }
}

QString inhoud(const db::Waarde& w)
{
    return core::objAlgemeneFuncties().Inhoud(w).tekst();
}

// Walks the source from its first row, taking each row up for the progress marks, and hands every
// row to the step.
template <typename Stap>
void bronWandelen(db::Recordset& bron, int stap, core::IVoortgang* voortgang, Stap rijVerwerken)
{
    core::Voortgangsteller teller(voortgang, stap);
    for (bron.moveFirst(); !bron.eof();) {
        teller.rij();
        rijVerwerken();
        bron.moveNext();
        teller.verder(bron.recordCount());
    }
}

// The other database must not have the table yet: appending to a table that was there is no export.
bool tabelBestaatAl(db::Database& ander, const QString& tabel)
{
    if (!ander.bestaatTabel(tabel))
        return false;
    ui::meldingen().kritiek(QStringLiteral("Exporteren"),
                            QStringLiteral("De tabel '%1' bestaat al in %2. Er werd niets geëxporteerd !")
                                .arg(tabel, QFileInfo(ander.pad()).fileName()));
    return true;
}

// Copies the source rows that pass the filter into a new table of text columns.
template <typename Filter>
void exporteren(db::Database& ander, const QString& tabel, const QString& omschrijving, db::Recordset& bron, int stap,
                core::IVoortgang* voortgang, const QList<StructuurVeld>& velden, const QList<db::IndexDef>& indexen,
                Filter filter)
{
    db::TabelDef def;
    def.naam = tabel;
    for (const StructuurVeld& veld : velden)
        def.velden << db::VeldDef{veld.naam, db::TypeWoord::Tekst};
    def.indexen = indexen;
    db::Transactie t(ander);
    ander.tabelMaken(def);
    db::Recordset doel = ander.openTabel(tabel);
    opschrift(voortgang, exportOpschrift(omschrijving));
    bronWandelen(bron, stap, voortgang, [&] {
        if (!filter(bron))
            return;
        doel.addNew();
        veldenKopieren(bron, doel, velden);
        doel.update();
    });
    t.vastleggen();
}

} // namespace

QList<StructuurVeld> VeldenVolgensStructuur(const QString& structuurTabel, const QString& tabel)
{
    db::Database tabellen = db::Database::openen(algemeen().strSysteemmap + QStringLiteral("Tabellen.mdb"));
    db::Recordset rs = tabellen.openTabel(structuurTabel);
    rs.setIndex(QStringLiteral("VeldZoeken"));
    rs.seek(QStringLiteral("="), {tabel, QStringLiteral("AtlV")});
    if (rs.noMatch())
        throw db::DbFout(db::DbFout::Soort::OnbekendeTabel,
                         QStringLiteral("De tabelstructuur '%1' beschrijft de tabel '%2' niet.").arg(structuurTabel, tabel));
    const int aantal = static_cast<int>(std::lround(core::Val(rs.veld(QStringLiteral("Naam")))));
    QList<StructuurVeld> velden;
    rs.seek(QStringLiteral("="), {tabel, QStringLiteral("Veld")});
    for (int i = 0; i < aantal && !rs.noMatch() && !rs.eof(); ++i) {
        velden << StructuurVeld{rs.veld(QStringLiteral("Naam")).tekst(), inhoud(rs.veld(QStringLiteral("Type")))};
        rs.moveNext();
    }
    return velden;
}

void Importeren(db::Database& ander, const QString& structuurTabel, const QString& tabel, const QString& omschrijving,
                db::Recordset& doel, int stap, core::IVoortgang* voortgang)
{
    const QList<StructuurVeld> velden = VeldenVolgensStructuur(structuurTabel, tabel);
    db::Recordset bron = ander.openTabel(tabel);
    opschrift(voortgang, importOpschrift(omschrijving));
    db::Transactie t(algemeen().dbGegevens);
    bronWandelen(bron, stap, voortgang, [&] {
        doel.addNew();
        veldenKopieren(bron, doel, velden);
        doel.update();
    });
    t.vastleggen();
    if (voortgang)
        voortgang->UpdateProgress(100);
}

void ImporterenDatums(db::Database& ander, const QString& bronTabel, const QString& omschrijving,
                      db::Recordset& doel, int stap, const QString& niveau, core::IVoortgang* voortgang)
{
    static const QStringList weken{QStringLiteral("WeekNrJeugd"), QStringLiteral("WeekNrProv"),
                                   QStringLiteral("WeekNrLand"), QStringLiteral("WeekNrNat"),
                                   QStringLiteral("WeekNrSuper")};
    const qsizetype eigen = QStringList({"J", "P", "L", "N", "S"}).indexOf(niveau);
    if (eigen < 0)
        throw std::invalid_argument("onbekend niveau voor de speeldatums");
    const QString eigenWeek = weken[eigen];

    db::Recordset bron = ander.openTabel(bronTabel);
    opschrift(voortgang, importOpschrift(omschrijving));
    db::Transactie t(algemeen().dbGegevens);

    // The level's week numbers go; a date that no other level plays on goes with them.
    for (doel.moveFirst(); !doel.eof(); doel.moveNext()) {
        bool anderNiveau = false;
        for (const QString& week : weken) {
            if (week != eigenWeek && !inhoud(doel.veld(week)).isEmpty())
                anderNiveau = true;
        }
        if (anderNiveau) {
            doel.edit();
            doel.zet(eigenWeek, QStringLiteral(" "));
            doel.update();
        } else {
            doel.remove();
        }
    }

    bronWandelen(bron, stap, voortgang, [&] {
        const db::Waarde datum = bron.veld(QStringLiteral("Datum"));
        doel.setIndex(QStringLiteral("Datum"));
        doel.seek(QStringLiteral("="), {datum.datum().isValid() ? db::Waarde(datum.datum().date()) : datum});
        if (doel.noMatch())
            doel.addNew();
        else
            doel.edit();
        doel.zet(QStringLiteral("Seizoen"), bron.veld(QStringLiteral("Seizoen")));
        doel.zet(eigenWeek, bron.veld(QStringLiteral("WeekNr")));
        doel.zet(QStringLiteral("Datum"), core::objAlgemeneFuncties().DatumVorm(datum));
        doel.update();
    });
    t.vastleggen();
    if (voortgang)
        voortgang->UpdateProgress(100);
}

void ImporterenMatchen(db::Database& ander, const QString& bronTabel, const QString& omschrijving,
                       db::Recordset& doel, int stap, core::IVoortgang* voortgang)
{
    core::Algemeen& a = algemeen();
    db::Recordset bron = ander.openTabel(bronTabel);
    opschrift(voortgang, importOpschrift(omschrijving));
    if (bron.eof() && bron.bof())
        return;

    // The own club's venue goes with its home matches: without the club there is nothing to write.
    a.rsClubs.setIndex(QStringLiteral("ClubNr"));
    a.rsClubs.seek(QStringLiteral("="), {a.strClubProv, a.strClubNr});
    if (a.rsClubs.noMatch()) {
        ui::meldingen().kritiek(QStringLiteral("Importeren"),
                                QStringLiteral("De eigen club %1 (provincie %2) staat niet in de tabel Clubs. De "
                                               "wedstrijden werden niet geïmporteerd !")
                                    .arg(a.strClubNr, a.strClubProv));
        return;
    }
    const QString zaalnaam = a.rsClubs.veld(QStringLiteral("NaamLokaal")).tekst();
    const QString zaalStraat = a.rsClubs.veld(QStringLiteral("Straat")).tekst();
    const QString zaalPlaats = a.rsClubs.veld(QStringLiteral("Gemeente")).tekst();

    db::Transactie t(a.dbGegevens);
    const QStringList overgenomen{"HeenTerug", "ReeksNr", "HerDam", "Dag", "Datum", "Uur",
                                  "LKThuis",   "nmthuis", "LKUIT",  "nmuit"};
    bronWandelen(bron, stap, voortgang, [&] {
        const QString lkThuis = bron.veld(QStringLiteral("LKThuis")).tekst();
        const QString lkUit = bron.veld(QStringLiteral("LKUIT")).tekst();
        if (lkThuis != a.strClubNr && lkUit != a.strClubNr)
            return; // a match between two other clubs, counted all the same
        {
            const db::Waarde wedstrNr = bron.veld(QStringLiteral("wedstrnr"));
            doel.setIndex(QStringLiteral("WedstrNr"));
            doel.seek(QStringLiteral("="), {a.strHuidigSeizoen, QStringLiteral("P") + wedstrNr.tekst()});
            const bool nieuw = doel.noMatch();
            if (nieuw) {
                doel.addNew();
                doel.zet(QStringLiteral("Seizoen"), a.strHuidigSeizoen);
            } else {
                doel.edit();
            }
            for (const QString& kolom : overgenomen) {
                const db::Waarde w = bron.veld(kolom);
                if (heeftWaarde(w))
                    doel.zet(kolom, w);
            }
            if (heeftWaarde(wedstrNr)) {
                doel.zet(QStringLiteral("WeekNrP"), wedstrNr.tekst().left(2));
                doel.zet(QStringLiteral("wedstrnr"), QStringLiteral("P") + wedstrNr.tekst());
            }
            doel.zet(QStringLiteral("Soort"), bron.veld(QStringLiteral("HerDam")).tekst() == u"D" ? QStringLiteral("2")
                                                                                               : QStringLiteral("1"));
            if (heeftWaarde(bron.veld(QStringLiteral("LKThuis"))))
                doel.zet(QStringLiteral("ProvThuis"), a.strProvincieAfkorting);
            if (heeftWaarde(bron.veld(QStringLiteral("LKUIT"))))
                doel.zet(QStringLiteral("ProvUIT"), a.strProvincieAfkorting);
            if (lkThuis == a.strClubNr) {
                doel.zet(QStringLiteral("Zaalnaam"), zaalnaam);
                doel.zet(QStringLiteral("ZaalStraat"), zaalStraat);
                doel.zet(QStringLiteral("ZaalPlaats"), zaalPlaats);
            }
            if (nieuw) {
                for (const char* kolom : {"Afwth1", "Afwth2", "Afwth3", "Afwth4", "Afwuit1", "Afwuit2", "afwuit3",
                                          "afwuit4", "forfaitth", "forfaituit", "ingeput"})
                    doel.zet(QString::fromLatin1(kolom), QStringLiteral("N"));
                doel.zet(QStringLiteral("Akkoord2aan2"), QStringLiteral("J"));
            }
            doel.update();
        }
    });
    t.vastleggen();
    if (voortgang)
        voortgang->UpdateProgress(100);
}

void ImporterenOpties(db::Database& ander, const QString& optiesTabel, const QString& omschrijving,
                      db::Recordset& doel, core::IVoortgang* voortgang)
{
    db::Recordset bron = ander.openTabel(optiesTabel);
    opschrift(voortgang, importOpschrift(omschrijving));
    db::Transactie t(algemeen().dbGegevens);
    const QList<QPair<QString, bool>> opties{{"Provincie", true},
                                             {"Munteenheid", true},
                                             {"Aantal Ploegen", false},
                                             {"Aantal reeksen", false},
                                             {"Laagste Reeks", false}};
    for (const auto& [soort, metAfkorting] : opties) {
        bron.setIndex(QStringLiteral("Soort"));
        bron.seek(QStringLiteral("="), {soort});
        doel.setIndex(QStringLiteral("Soort"));
        doel.seek(QStringLiteral("="), {soort});
        // An option either side lacks is passed over: no row is added.
        if (bron.noMatch() || doel.noMatch())
            continue;
        doel.edit();
        doel.zet(QStringLiteral("Item"), bron.veld(QStringLiteral("Item")));
        if (metAfkorting)
            doel.zet(QStringLiteral("Afkorting"), bron.veld(QStringLiteral("Afkorting")));
        doel.update();
    }
    t.vastleggen();
}

void UpdateTabelReeksen()
{
    core::Algemeen& a = algemeen();
    db::Transactie t(a.dbGegevens);
    a.rsReeksen.setIndex(QStringLiteral("Import"));
    a.rsReeksen.seek(QStringLiteral("="), {a.strGekozenSeizoen, QStringLiteral("P")});
    while (!a.rsReeksen.noMatch()) {
        a.rsReeksen.remove();
        a.rsReeksen.seek(QStringLiteral("="), {a.strGekozenSeizoen, QStringLiteral("P")});
    }
    t.vastleggen();
}

void ImporterenReeksen(db::Database& ander, const QString& structuurTabel, const QString& tabel,
                       const QString& omschrijving, db::Recordset& doel, int stap, core::IVoortgang* voortgang)
{
    const QList<StructuurVeld> velden = VeldenVolgensStructuur(structuurTabel, tabel);
    db::Recordset bron = ander.openTabel(tabel);
    opschrift(voortgang, importOpschrift(omschrijving));
    db::Transactie t(algemeen().dbGegevens);
    bronWandelen(bron, stap, voortgang, [&] {
        doel.addNew();
        veldenKopieren(bron, doel, velden);
        doel.zet(QStringLiteral("Soort"), QStringLiteral("P"));
        const bool dames = bron.heeftVeld(QStringLiteral("HerDam")) && bron.veld(QStringLiteral("HerDam")).tekst() == u"D";
        doel.zet(QStringLiteral("Soort1"), dames ? QStringLiteral("2") : QStringLiteral("1"));
        doel.update();
    });
    t.vastleggen();
    if (voortgang)
        voortgang->UpdateProgress(100);
}

void HuidigeSterktelijstKopieren()
{
    core::Algemeen& a = algemeen();
    const auto optie = [&a](const QString& soort) {
        a.rsOpties.setIndex(QStringLiteral("Soort"));
        a.rsOpties.seek(QStringLiteral("="), {soort});
        if (a.rsOpties.noMatch())
            throw db::DbFout(db::DbFout::Soort::GeenHuidigRecord,
                             QStringLiteral("De optie '%1' ontbreekt.").arg(soort));
        return a.rsOpties.veld(QStringLiteral("Item")).tekst();
    };
    const QString clubNr = optie(QStringLiteral("ClubNr"));
    const double provincie = core::Val(optie(QStringLiteral("ClubProv")));

    static const QStringList kolommen{"Clubnummer", "Computernummer", "Index",   "Klassering", "LeeftijdsReeks",
                                      "Naam",       "OpSterktelijst", "Provincie", "Recreant",  "Seizoen",
                                      "Soort",      "Volgnummer",     "Volgorde"};
    db::Transactie t(a.dbGegevens);
    db::Recordset huidig = a.dbGegevens.openTabel(QStringLiteral("SterktelijstHuidig"));
    for (a.rsSterktelijst.moveFirst(); !a.rsSterktelijst.eof(); a.rsSterktelijst.moveNext()) {
        if (a.rsSterktelijst.veld(QStringLiteral("Clubnummer")).tekst() != clubNr
            || a.rsSterktelijst.veld(QStringLiteral("Provincie")).isNull()
            || a.rsSterktelijst.veld(QStringLiteral("Provincie")).getal() != provincie)
            continue;
        huidig.addNew();
        for (const QString& kolom : kolommen)
            huidig.zet(kolom, a.rsSterktelijst.veld(kolom));
        huidig.update();
    }
    t.vastleggen();
}

void ExporterenOpties(db::Database& ander, const QString& structuurTabel, const QString& tabel,
                      const QString& omschrijving, db::Recordset& bron, int stap, core::IVoortgang* voortgang)
{
    const QList<StructuurVeld> velden = VeldenVolgensStructuur(structuurTabel, tabel);
    if (tabelBestaatAl(ander, tabel))
        return;
    static const QStringList gekozen{"AANTAL PLOEGEN", "AANTAL REEKSEN", "LAAGSTE REEKS",
                                     "MUNTEENHEID",    "PERCENTAGE",     "PROVINCIE"};
    exporteren(ander, tabel, omschrijving, bron, stap, voortgang, velden,
               {db::IndexDef{QStringLiteral("Soort"), {{QStringLiteral("Soort")}}}}, [](db::Recordset& rs) {
                   return gekozen.contains(core::UCase(rs.veld(QStringLiteral("Soort")).tekst()));
               });
}

void ExporterenNaarClubProgrammaInterclub(db::Database& ander, const QString& structuurTabel, const QString& tabel,
                                          const QString& omschrijving, db::Recordset& bron, int stap,
                                          core::IVoortgang* voortgang)
{
    static const QStringList zeven{"CompNr", "Naam", "Geboortedatum", "Geslacht", "KlasDames", "KlasHeren", "Clubnummer"};
    QList<StructuurVeld> velden;
    for (const StructuurVeld& veld : VeldenVolgensStructuur(structuurTabel, tabel)) {
        if (zeven.contains(veld.naam))
            velden << veld;
    }
    if (tabelBestaatAl(ander, tabel))
        return;
    exporteren(ander, tabel, omschrijving, bron, stap, voortgang, velden, {}, [](db::Recordset& rs) {
        return core::UCase(rs.veld(QStringLiteral("RecInt")).tekst()) == u"I";
    });
}

} // namespace maintenance
