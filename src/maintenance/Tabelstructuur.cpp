#include "Tabelstructuur.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

using db::Database;
using db::IndexDef;
using db::IndexVeldDef;
using db::Recordset;
using db::TabelDef;
using db::VeldDef;
using db::Waarde;

namespace maintenance {

namespace {

bool isTypeWoord(const QString& woord)
{
    static const QStringList woorden{db::TypeWoord::Tekst,   db::TypeWoord::Memo,   db::TypeWoord::Datum,
                                     db::TypeWoord::Integer, db::TypeWoord::Long,   db::TypeWoord::Double,
                                     db::TypeWoord::Boolean};
    return woorden.contains(woord);
}

} // namespace

QList<TabelDef> structuurBronLezen(const QString& bron, QString* fout)
{
    QList<TabelDef> tabellen;
    const QStringList regels = bron.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    auto mislukt = [&](int nr, const QString& reden) {
        if (fout)
            *fout = QStringLiteral("Regel %1: %2").arg(nr).arg(reden);
        return QList<TabelDef>();
    };
    for (int i = 0; i < regels.size(); ++i) {
        const QString regel = regels[i].trimmed();
        const int nr = i + 1;
        if (regel.isEmpty() || regel.startsWith(u'#'))
            continue;
        if (regel.startsWith(QStringLiteral("tabel ")) || regel == u"tabel") {
            const QString naam = regel.mid(6).trimmed();
            if (naam.isEmpty())
                return mislukt(nr, QStringLiteral("een tabel zonder naam"));
            tabellen << TabelDef{naam, {}, {}};
            continue;
        }
        if (tabellen.isEmpty())
            return mislukt(nr, QStringLiteral("een veld of index staat voor de eerste tabel"));
        TabelDef& tabel = tabellen.last();
        if (regel.startsWith(QStringLiteral("index "))) {
            const int is = regel.indexOf(u'=');
            if (is < 0)
                return mislukt(nr, QStringLiteral("een index zonder '='"));
            IndexDef index;
            index.naam = regel.mid(6, is - 6).trimmed();
            for (const QString& deel : regel.mid(is + 1).split(u',')) {
                const QStringList woorden = deel.simplified().split(u' ', Qt::SkipEmptyParts);
                if (woorden.isEmpty() || woorden.size() > 2 || (woorden.size() == 2 && woorden[1] != u"aflopend"))
                    return mislukt(nr, QStringLiteral("onleesbaar indexveld '%1'").arg(deel.trimmed()));
                const bool bestaat = std::any_of(tabel.velden.cbegin(), tabel.velden.cend(), [&](const VeldDef& v) {
                    return v.naam.compare(woorden[0], Qt::CaseInsensitive) == 0;
                });
                if (!bestaat)
                    return mislukt(nr, QStringLiteral("de index gebruikt het onbekende veld '%1'").arg(woorden[0]));
                index.velden << IndexVeldDef{woorden[0], woorden.size() == 2};
            }
            if (index.naam.isEmpty())
                return mislukt(nr, QStringLiteral("een index zonder naam"));
            tabel.indexen << index;
            continue;
        }
        const QStringList woorden = regel.simplified().split(u' ');
        if (woorden.size() != 2 || !isTypeWoord(woorden[1]))
            return mislukt(nr, QStringLiteral("verwacht een veldnaam en een typewoord: '%1'").arg(regel));
        tabel.velden << VeldDef{woorden[0], woorden[1]};
    }
    if (fout)
        fout->clear();
    return tabellen;
}

void structuurTabelMaken(Database& tabellen, const QString& naam)
{
    // Volgorde numbers the rows as they are added, which keeps every table's fields in order.
    tabellen.tabelMaken(
        {naam,
         {{QStringLiteral("NaamTabel"), db::TypeWoord::Tekst},
          {QStringLiteral("Aard"), db::TypeWoord::Tekst},
          {QStringLiteral("Naam"), db::TypeWoord::Tekst},
          {QStringLiteral("Type"), db::TypeWoord::Tekst},
          {QStringLiteral("Indexveld"), db::TypeWoord::Tekst},
          {QStringLiteral("Sorteervolgorde"), db::TypeWoord::Tekst},
          {QStringLiteral("Volgorde"), db::TypeWoord::Long, true}},
         {{QStringLiteral("VeldZoeken"), {{QStringLiteral("NaamTabel")}, {QStringLiteral("Aard")}, {QStringLiteral("Volgorde")}}},
          {QStringLiteral("IndexVeldZoeken"),
           {{QStringLiteral("NaamTabel")}, {QStringLiteral("Aard")}, {QStringLiteral("Naam")}, {QStringLiteral("Volgorde")}}}}});
}

void structuurRijenSchrijven(Database& tabellen, const QString& naam, const QList<TabelDef>& beschrijving)
{
    db::Transactie transactie(tabellen);
    Recordset rs = tabellen.openTabel(naam);
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        rs.remove();
    for (const TabelDef& tabel : beschrijving) {
        rs.addNew();
        rs["NaamTabel"] = tabel.naam;
        rs["Aard"] = "AtlV";
        rs["Naam"] = QString::number(tabel.velden.size());
        rs.update();
        rs.addNew();
        rs["NaamTabel"] = tabel.naam;
        rs["Aard"] = "AtlI";
        rs["Naam"] = QString::number(tabel.indexen.size());
        rs.update();
        for (const VeldDef& veld : tabel.velden) {
            rs.addNew();
            rs["NaamTabel"] = tabel.naam;
            rs["Type"] = veld.typeWoord;
            rs["Aard"] = "Veld";
            rs["Naam"] = veld.naam;
            rs.update();
        }
        for (const IndexDef& index : tabel.indexen) {
            for (const IndexVeldDef& veld : index.velden) {
                rs.addNew();
                rs["NaamTabel"] = tabel.naam;
                rs["Aard"] = "Index";
                rs["Naam"] = index.naam;
                rs["Indexveld"] = veld.naam;
                rs["Sorteervolgorde"] = veld.aflopend ? "D" : "A";
                rs.update();
            }
        }
    }
    transactie.vastleggen();
}

QList<TabelDef> structuurLezen(Database& tabellen, const QString& naam)
{
    QList<TabelDef> uit;
    Recordset rs = tabellen.openRecordset(QStringLiteral("SELECT NaamTabel, Aard, Naam, Type, Indexveld, Sorteervolgorde FROM ")
                                          + db::sqlNaam(naam) + QStringLiteral(" ORDER BY Volgorde"));
    auto tabelVan = [&](const QString& tabelNaam) -> TabelDef& {
        for (TabelDef& t : uit) {
            if (t.naam.compare(tabelNaam, Qt::CaseInsensitive) == 0)
                return t;
        }
        uit << TabelDef{tabelNaam, {}, {}};
        return uit.last();
    };
    for (; !rs.eof(); rs.moveNext()) {
        const QString tabelNaam = rs.veld("NaamTabel").tekst();
        const QString aard = rs.veld("Aard").tekst();
        TabelDef& tabel = tabelVan(tabelNaam);
        if (aard.compare(u"Veld", Qt::CaseInsensitive) == 0) {
            const QString type = rs.veld("Type").tekst().trimmed();
            tabel.velden << VeldDef{rs.veld("Naam").tekst(), type};
        } else if (aard.compare(u"Index", Qt::CaseInsensitive) == 0) {
            const QString indexNaam = rs.veld("Naam").tekst();
            IndexDef* index = nullptr;
            for (IndexDef& i : tabel.indexen) {
                if (i.naam.compare(indexNaam, Qt::CaseInsensitive) == 0)
                    index = &i;
            }
            if (!index) {
                tabel.indexen << IndexDef{indexNaam, {}};
                index = &tabel.indexen.last();
            }
            index->velden << IndexVeldDef{rs.veld("Indexveld").tekst(),
                                          rs.veld("Sorteervolgorde").tekst().trimmed() == u"D"};
        }
    }
    return uit;
}

QList<TabelDef> structuurVan(Database& database)
{
    QList<TabelDef> uit;
    for (const QString& naam : database.tabellen()) {
        if (naam.contains(QStringLiteral("msys"), Qt::CaseInsensitive))
            continue;
        uit << database.tabelDef(naam);
    }
    return uit;
}

void DatabaseMaken(const QString& bestand, const QString& map)
{
    const QString pad = map + bestand;
    if (QFile::exists(pad) && !QFile::remove(pad))
        throw db::DbFout(db::DbFout::Soort::Engine,
                         QStringLiteral("Het bestand %1 kan niet verwijderd worden.").arg(QDir::toNativeSeparators(pad)));
    Database::maken(pad).sluiten();
}

void tabellenMaken(Database& doel, const QList<TabelDef>& beschrijving)
{
    db::Transactie transactie(doel);
    for (const TabelDef& tabel : beschrijving)
        doel.tabelMaken(tabel);
    transactie.vastleggen();
}

} // namespace maintenance
