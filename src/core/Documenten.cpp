#include "core/Documenten.h"

#include "core/Algemeen.h"
#include "ui/Bureaublad.h"
#include "ui/Meldingen.h"
#include "word/Document.h"

#include <QDir>

namespace core {

QString DocumentBewaren(word::Document& document, const QString& bestandsnaam)
{
    const Algemeen& a = algemeen();
    // Without the folder the document would land wherever the program happens to run.
    if (a.strPadOpslaan.trimmed().isEmpty())
        throw word::WordFout("De map voor import en export (Pad Opslaan) is niet ingesteld: het document kan niet "
                             "bewaard worden. Stel ze in bij de opties.");
    const QString pad = metScheidingsteken(a.strPadOpslaan) + bestandsnaam;
    document.SaveAs(pad);
    return pad;
}

void DocumentAanbieden(const QString& pad, int afdrukken, int sluiten, const QString& titel)
{
    const QString bewaard = QStringLiteral("Het document is bewaard als:\n") + QDir::toNativeSeparators(pad);
    if (afdrukken == 1) {
        switch (ui::bureaublad().afdrukken(pad)) {
        case ui::Bureaublad::Afdruk::Gelukt:
            break;
        case ui::Bureaublad::Afdruk::GeenLibreOffice:
            ui::meldingen().waarschuwing(
                titel, QStringLiteral("Het document is niet afgedrukt: LibreOffice is niet geïnstalleerd.\n") + bewaard);
            break;
        case ui::Bureaublad::Afdruk::GeenPrinter:
            ui::meldingen().waarschuwing(
                titel, QStringLiteral("Het document is niet afgedrukt: er is geen printer ingesteld.\n") + bewaard);
            break;
        case ui::Bureaublad::Afdruk::Mislukt:
            ui::meldingen().waarschuwing(titel, QStringLiteral("Het afdrukken van het document is mislukt.\n") + bewaard);
            break;
        }
    }
    // Printed and closed: nothing is opened, also when printing failed (the message names the file).
    if (afdrukken == 1 && sluiten == 1)
        return;
    if (!ui::bureaublad().openen(pad)) {
        ui::meldingen().waarschuwing(
            titel, QStringLiteral("Er is geen programma gevonden dat het document kan openen.\n") + bewaard);
    }
}

} // namespace core
