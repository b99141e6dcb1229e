#include "OptieBeheer.h"

#include "core/Algemeen.h"
#include "core/AlgemeneFuncties.h"
#include "core/AlgemeneProcedures.h"
#include "core/Vertalingen.h"
#include "core/Tekst.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace masterdata {

const QList<OptieRegel>& optieRegels()
{
    static const QList<OptieRegel> regels{
        {PadOmschrijving, QStringLiteral("Pad Opslaan"), Invoer::Map},
        {QStringLiteral("Provincie"), QStringLiteral("Provincie"), Invoer::Provincie},
        {QStringLiteral("Clubnummer"), QStringLiteral("ClubNr"), Invoer::Clubnummer},
        {QStringLiteral("Provincie van de club"), QStringLiteral("ClubProv"), Invoer::Provincie},
        {QStringLiteral("Weergave van de wedstrijden"), QStringLiteral("Weergave Wedstrijden"), Invoer::Weergave},
        {QStringLiteral("Strenge controle van de ploegopstelling"), QStringLiteral("Streng"), Invoer::JaNee},
        {QStringLiteral("Aantal karakters van het computernummer"), QStringLiteral("Aantal Karakters CompNr"),
         Invoer::Breedte},
        {QStringLiteral("Adres van de webdienst"), QStringLiteral("Adres Webdienst"), Invoer::Adres},
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
    case Invoer::Adres:
        if (!t.isEmpty() && !t.startsWith(u"https://", Qt::CaseInsensitive) && !t.startsWith(u"http://", Qt::CaseInsensitive))
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
