// Developer's tool: fills the QJ-Deel7.mdb of an installed application folder with an invented
// province's season (2010-2011), so that the program can be tried by hand on realistic data.
// Run: build/bin/proefseizoen ~/Interclub [clubs wedstrijden leden sterktelijst]

#include "Proefgegevens.h"

#include "db/Database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2 && args.size() != 6) {
        std::fprintf(stderr, "Gebruik: proefseizoen <applicatiemap> [clubs wedstrijden leden sterktelijst]\n");
        return 2;
    }
    const QString pad = QDir(args.at(1)).filePath(QStringLiteral("QJ-Deel7.mdb"));
    if (!QFileInfo::exists(pad)) {
        std::fprintf(stderr, "Geen database gevonden: %s\n", qPrintable(pad));
        return 1;
    }
    testhulp::Provinciegrootte grootte;
    if (args.size() == 6) {
        grootte.clubs = args.at(2).toInt();
        grootte.wedstrijden = args.at(3).toInt();
        grootte.leden = args.at(4).toInt();
        grootte.sterktelijst = args.at(5).toInt();
    }
    try {
        db::Database d = db::Database::openen(pad);
        testhulp::provincieSeizoenMaken(d, grootte);
        d.sluiten();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Mislukt: %s\n", e.what());
        return 1;
    }
    std::printf("Proefseizoen 2010-2011 geschreven in %s\n", qPrintable(pad));
    return 0;
}
