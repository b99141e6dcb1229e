// Build step: makes the shipped data files from the readable sources in data/.
//
//   maakdatabase <data folder> <output folder>
//
// Writes Tabellen.mdb (the table structure), QJ-Deel7.mdb (an empty database with its reference
// data: provinces, game order, translations, options) and update20100807.txt (the provinces file,
// Windows-1252 with CR LF). Files of those names in the output folder are replaced.

#include "core/Ansi.h"
#include "core/Provinciebestand.h"
#include "db/Database.h"
#include "maintenance/Tabelstructuur.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <cstdio>

namespace {

QString utf8Lezen(const QString& pad)
{
    QFile f(pad);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error(QStringLiteral("%1 kan niet gelezen worden").arg(pad).toStdString());
    return QString::fromUtf8(f.readAll());
}

// The data lines of a source file: blank lines and lines starting with '#' left out.
QStringList dataRegels(const QString& pad)
{
    QStringList uit;
    for (const QString& regel : utf8Lezen(pad).split(u'\n')) {
        QString r = regel;
        if (r.endsWith(u'\r'))
            r.chop(1);
        if (r.trimmed().isEmpty() || r.trimmed().startsWith(u'#'))
            continue;
        uit << r;
    }
    return uit;
}

void verwijder(const QString& pad)
{
    if (QFile::exists(pad) && !QFile::remove(pad))
        throw std::runtime_error(QStringLiteral("%1 kan niet vervangen worden").arg(pad).toStdString());
}

void provinciebestandSchrijven(const QString& data, const QString& uit)
{
    QString fout;
    if (!core::ansiBestandSchrijven(uit + core::ProvinciebestandNaam, dataRegels(data + "provincies.txt"), &fout))
        throw std::runtime_error(fout.toStdString());
}

void referentiegegevensSchrijven(db::Database& db, const QString& data, const QString& uit)
{
    db::Transactie t(db);
    // The provinces come from the shipped file itself, as a database update reads them.
    QStringList regels;
    QString fout;
    if (!core::ansiBestandLezen(uit + core::ProvinciebestandNaam, regels, &fout))
        throw std::runtime_error(fout.toStdString());
    for (const QString& regel : regels) {
        const auto p = core::provincieRegelLezen(regel);
        if (!p)
            throw std::runtime_error(QStringLiteral("onleesbare provincie: %1").arg(regel).toStdString());
        db.uitvoeren("INSERT INTO Provincies (Nr, Provincie, Province, Afkorting, TabT) VALUES (?, ?, ?, ?, ?)",
                     {p->nr, p->provincie, p->province, p->afkorting, p->tabT});
    }
    for (const QString& regel : dataRegels(data + "volgorde-wedstrijden.txt")) {
        const QStringList v = regel.split(u';');
        if (v.size() != 5)
            throw std::runtime_error(QStringLiteral("onleesbare speelvolgorde: %1").arg(regel).toStdString());
        db.uitvoeren("INSERT INTO [Volgorde Wedstrijden] (AantalSpelers, Wedstrijd, thuis, uit, Volgnummer) "
                     "VALUES (?, ?, ?, ?, ?)",
                     {v[0], v[1], v[2], v[3], v[4]});
    }
    for (const QString& regel : dataRegels(data + "vertalingen.txt")) {
        const QStringList v = regel.split(u'\t');
        if (v.size() != 4)
            throw std::runtime_error(QStringLiteral("onleesbare vertaling: %1").arg(regel).toStdString());
        db.uitvoeren("INSERT INTO Vertalingen (Nr, E, N, F) VALUES (?, ?, ?, ?)", {v[0], v[1], v[2], v[3]});
    }
    for (const QString& regel : dataRegels(data + "opties.txt")) {
        const QStringList v = regel.split(u';');
        if (v.size() != 3)
            throw std::runtime_error(QStringLiteral("onleesbare optie: %1").arg(regel).toStdString());
        // An empty value is stored as one blank, as the program stores empty texts.
        auto waarde = [](const QString& s) { return s.isEmpty() ? db::Waarde(" ") : db::Waarde(s); };
        db.uitvoeren("INSERT INTO Opties (Soort, Item, Afkorting) VALUES (?, ?, ?)", {v[0], waarde(v[1]), waarde(v[2])});
    }
    // The provinces are in place already: the one-time update need not run.
    db.uitvoeren("INSERT INTO Opties (Soort, Item) VALUES ('update20100807', '1')");
    t.vastleggen();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "gebruik: maakdatabase <datamap> <uitvoermap>\n");
        return 2;
    }
    const QString data = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + u'/';
    const QString uit = QDir(QString::fromLocal8Bit(argv[2])).absolutePath() + u'/';
    try {
        QDir().mkpath(uit);
        QString fout;
        const QList<db::TabelDef> structuur = maintenance::structuurBronLezen(utf8Lezen(data + "tabelstructuur.txt"), &fout);
        if (structuur.isEmpty())
            throw std::runtime_error(("tabelstructuur.txt: " + fout).toStdString());

        verwijder(uit + "Tabellen.mdb");
        db::Database tabellen = db::Database::maken(uit + "Tabellen.mdb");
        maintenance::structuurTabelMaken(tabellen, maintenance::StructuurTabel);
        maintenance::structuurRijenSchrijven(tabellen, maintenance::StructuurTabel, structuur);

        provinciebestandSchrijven(data, uit);

        maintenance::DatabaseMaken("QJ-Deel7.mdb", uit);
        db::Database db = db::Database::openen(uit + "QJ-Deel7.mdb");
        maintenance::tabellenMaken(db, maintenance::structuurLezen(tabellen, maintenance::StructuurTabel));
        referentiegegevensSchrijven(db, data, uit);
        db.sluiten();
        tabellen.sluiten();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "maakdatabase: %s\n", e.what());
        return 1;
    }
    return 0;
}
