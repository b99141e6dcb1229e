#include "OptieBeheer.h"

#include "core/Algemeen.h"
#include "core/AlgemeneFuncties.h"
#include "core/AlgemeneProcedures.h"
#include "core/Ansi.h"
#include "core/Vertalingen.h"
#include "core/Tekst.h"
#include "soap/Adres.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace masterdata {

const QList<OptieRegel>& optieRegels()
{
    static const QList<OptieRegel> regels{
        {PadOmschrijving, QStringLiteral("Pad Opslaan"), Invoer::Map,
         QStringLiteral("De map waarin de import- en exportbestanden staan.")},
        {QStringLiteral("Provincie"), QStringLiteral("Provincie"), Invoer::Provincie,
         QStringLiteral("De provincie van de gebruiker.")},
        {QStringLiteral("Clubnummer"), QStringLiteral("ClubNr"), Invoer::Clubnummer,
         QStringLiteral("Het nummer van de eigen club (3 cijfers).")},
        {QStringLiteral("Provincie van de club"), QStringLiteral("ClubProv"), Invoer::Provincie,
         QStringLiteral("De provincie van de eigen club.")},
        {QStringLiteral("Weergave van de wedstrijden"), QStringLiteral("Weergave Wedstrijden"), Invoer::Weergave,
         QStringLiteral("Welke wedstrijden de lijst toont.")},
        {QStringLiteral("Strenge controle van de ploegopstelling"), QStringLiteral("Streng"), Invoer::JaNee,
         QStringLiteral("Een ploegopstelling die de regels niet volgt, weigeren.")},
        {QStringLiteral("Dubbelspel bij ploegen van twee"), QStringLiteral("SuperDubbelSpelen"), Invoer::JaNee,
         QStringLiteral("Ploegen van twee spelers spelen ook het dubbelspel.")},
        {QStringLiteral("Aantal karakters van het computernummer"), QStringLiteral("Aantal Karakters CompNr"),
         Invoer::Breedte, QStringLiteral("Het aantal karakters van een computernummer.")},
        {QStringLiteral("Comiténummer"), QStringLiteral("Comité Nummer"), Invoer::Getal,
         QStringLiteral("Het nummer van het bevoegde comité.")},
        {QStringLiteral("Munteenheid"), QStringLiteral("Munteenheid"), Invoer::Tekst,
         QStringLiteral("De munteenheid (bijvoorbeeld EUR).")},
        {PaswoordOmschrijving, QStringLiteral("PaswoordBeheer"), Invoer::Paswoord,
         QStringLiteral("Het paswoord waarmee de beheerder inlogt; leeg: geen paswoord.")},
        {QStringLiteral("Adres van de webdienst"), QStringLiteral("Adres Webdienst"), Invoer::Adres,
         QStringLiteral("Het adres van de webdienst van de competitie (https://...); leeg: niet ingesteld.")},
    };
    return regels;
}

const OptieRegel* optieRegel(const QString& soort)
{
    for (const OptieRegel& r : optieRegels()) {
        if (r.soort.compare(soort, Qt::CaseInsensitive) == 0)
            return &r;
    }
    return nullptr;
}

QString optieWaarde(const QString& soort)
{
    db::Recordset rs = core::algemeen().dbGegevens.openRecordset(
        QStringLiteral("SELECT Item FROM Opties WHERE Soort = ?"), {soort});
    if (rs.eof())
        return QString();
    return core::objAlgemeneFuncties().Inhoud(rs.veld(0)).tekst();
}

Controle optieControleren(const OptieRegel& regel, const QString& invoer)
{
    const QString t = invoer.trimmed();
    static const QRegularExpression cijfers(QStringLiteral("^[0-9]+$"));
    switch (regel.invoer) {
    case Invoer::Map:
        if (t.isEmpty())
            return {true, QString(), QString()};
        if (!QFileInfo(t).isDir())
            return {false, QString(), QStringLiteral("De map %1 bestaat niet !").arg(QDir::toNativeSeparators(t))};
        return {true, core::metScheidingsteken(t), QString()};
    case Invoer::Clubnummer: {
        if (t.isEmpty())
            return {true, QString(), QString()};
        if (!cijfers.match(t).hasMatch() || t.size() > 3)
            return {false, QString(), QStringLiteral("Het clubnummer bestaat uit hoogstens 3 cijfers !")};
        QString nr = t;
        return {true, nr.rightJustified(3, u'0'), QString()};
    }
    case Invoer::Provincie: {
        if (!cijfers.match(t).hasMatch() || t.toInt() > 11)
            return {false, QString(), QStringLiteral("Kies een provincie uit de lijst !")};
        return {true, QString::number(t.toInt()), QString()};
    }
    case Invoer::Breedte:
        if (!cijfers.match(t).hasMatch() || t.toInt() < 1 || t.toInt() > 12)
            return {false, QString(), QStringLiteral("Het aantal karakters is een getal van 1 tot 12 !")};
        return {true, QString::number(t.toInt()), QString()};
    case Invoer::Weergave:
        if (t != u"0" && t != u"1")
            return {false, QString(), QStringLiteral("Kies een weergave uit de lijst !")};
        return {true, t, QString()};
    case Invoer::JaNee:
        if (t.compare(u"J", Qt::CaseInsensitive) != 0 && t.compare(u"N", Qt::CaseInsensitive) != 0)
            return {false, QString(), QStringLiteral("Kies J of N !")};
        return {true, t.toUpper(), QString()};
    case Invoer::Getal:
        if (!t.isEmpty() && (!cijfers.match(t).hasMatch() || t.size() > 9))
            return {false, QString(), QStringLiteral("Vul een getal in (alleen cijfers) !")};
        return {true, t, QString()};
    case Invoer::Tekst:
        if (t.size() > 50)
            return {false, QString(), QStringLiteral("De tekst mag hoogstens 50 tekens lang zijn !")};
        return {true, t, QString()};
    case Invoer::Paswoord: {
        // The password is kept as typed, blanks included; it is stored in its coded form, which works
        // on the codes of the Windows code page only.
        for (const QChar c : invoer) {
            if (c.unicode() < 32 || core::vanAnsi(core::naarAnsi(QString(c))) != QString(c))
                return {false, QString(),
                        QStringLiteral("Het paswoord mag alleen letters, cijfers en gewone leestekens bevatten !")};
        }
        const QString gecodeerd = core::PaswoordCoderen(invoer);
        // One blank is how an empty option is stored: this password would read back as none.
        if (gecodeerd == u" ")
            return {false, QString(), QStringLiteral("Dit paswoord kan niet gebruikt worden !")};
        return {true, gecodeerd, QString()};
    }
    case Invoer::Adres:
        // The credentials travel with every request: a secure address only, plain http to this machine.
        if (!t.isEmpty() && !soap::adresWeigering(t).isEmpty())
            return {false, QString(), QStringLiteral("Het adres van de webdienst begint met https:// !")};
        return {true, t, QString()};
    }
    return {false, QString(), QString()};
}

void optieOpslaan(const QString& soort, const QString& waarde)
{
    db::Database& d = core::algemeen().dbGegevens;
    const db::Waarde opgeslagen = core::objAlgemeneFuncties().GeenLegeInhoud(waarde);
    if (d.uitvoeren(QStringLiteral("UPDATE Opties SET Item = ? WHERE Soort = ?"), {opgeslagen, soort}) == 0)
        d.uitvoeren(QStringLiteral("INSERT INTO Opties (Soort, Item) VALUES (?, ?)"), {soort, opgeslagen});
}

QStringList optiesOpslaan(const QHash<QString, QString>& waarden)
{
    QStringList gewijzigd;
    db::Transactie t(core::algemeen().dbGegevens);
    for (auto it = waarden.constBegin(); it != waarden.constEnd(); ++it) {
        if (optieWaarde(it.key()) != core::objAlgemeneFuncties().Inhoud(it.value()).tekst())
            gewijzigd << it.key();
        optieOpslaan(it.key(), it.value());
    }
    t.vastleggen();
    return gewijzigd;
}

bool paswoordJuist(const QString& getypt)
{
    return core::PaswoordDecoderen(optieWaarde(QStringLiteral("PaswoordBeheer"))) == getypt;
}

QList<std::pair<int, QString>> provinciesVoorKeuze()
{
    QList<std::pair<int, QString>> uit;
    const QString kolom = core::Vertaling(762, 1).isEmpty() ? QStringLiteral("Provincie") : core::Vertaling(762, 1);
    db::Recordset rs = core::algemeen().dbGegevens.openRecordset(QStringLiteral("SELECT * FROM Provincies"));
    QList<std::pair<QString, int>> opNaam;
    for (; !rs.eof(); rs.moveNext()) {
        const QString naam = rs.heeftVeld(kolom) ? rs.veld(kolom).tekst() : rs.veld(QStringLiteral("Provincie")).tekst();
        opNaam << std::pair{naam, static_cast<int>(rs.veld(QStringLiteral("Nr")).geheel())};
    }
    std::sort(opNaam.begin(), opNaam.end(),
              [](const auto& a, const auto& b) { return a.first.compare(b.first, Qt::CaseInsensitive) < 0; });
    for (const auto& [naam, nr] : opNaam)
        uit << std::pair{nr, naam};
    return uit;
}

} // namespace masterdata
