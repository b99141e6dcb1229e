#include "AlgemeneFuncties.h"

#include "core/Algemeen.h"
#include "core/Tekst.h"
#include "core/Vertalingen.h"
#include "ui/Meldingen.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace core {

namespace {

bool isLegeTekst(const db::Waarde& waarde)
{
    return waarde.isLeeg() || (waarde.isTekst() && waarde.tekst().isEmpty());
}

// The empty text, the empty value and the mask of an empty date box.
bool isLegeDatum(const db::Waarde& waarde)
{
    return isLegeTekst(waarde) || (waarde.isTekst() && waarde.tekst() == AlgemeneFuncties::LegeDatumMasker);
}

// Cuts the text at every scheiding, drops the empty pieces, shapes the others and joins them again.
template<typename Vorm>
QString perStuk(const QString& tekst, QChar scheiding, Vorm vorm)
{
    QStringList stukken;
    for (const QString& stuk : tekst.split(scheiding, Qt::SkipEmptyParts))
        stukken << vorm(stuk);
    return stukken.join(scheiding);
}

} // namespace

db::Waarde AlgemeneFuncties::BeginHoofdletters(const db::Waarde& waarde) const
{
    if (isLegeTekst(waarde))
        return db::Waarde();
    const QString woorden = perStuk(waarde.tekst(), u' ', [](const QString& woord) {
        return UCase(Left(woord, 1)) + LCase(Mid(woord, 2));
    });
    return db::Waarde(perStuk(woorden, u'-', [](const QString& deel) {
        return UCase(Left(deel, 1)) + Mid(deel, 2);
    }));
}

db::Waarde AlgemeneFuncties::DatumVorm(const db::Waarde& waarde) const
{
    if (waarde.isNull() || isLegeDatum(waarde))
        return db::Waarde();
    const QDateTime datum = waarde.datum();
    if (!datum.isValid()) {
        const QString tekst = Vertaling(895, 1);
        const QString titel = Vertaling(896, 1);
        ui::meldingen().waarschuwing(titel, tekst);
        return waarde;
    }
    return db::Waarde(datum.date().toString(QStringLiteral("dd-MM-yyyy")));
}

bool AlgemeneFuncties::CtlDatum(db::Waarde& waarde) const
{
    if (isLegeDatum(waarde))
        return true;
    const QDateTime datum = waarde.datum();
    if (!datum.isValid())
        return false;
    waarde = db::Waarde(datum);
    return true;
}

db::Waarde AlgemeneFuncties::GemeenteInvullen(const db::Waarde& postcode, const db::Waarde& gemeente,
                                              db::Recordset& postcodes, [[maybe_unused]] int& links,
                                              [[maybe_unused]] int& boven,
                                              [[maybe_unused]] int achtergrondKleur) const
{
    QStringList gemeenten;
    if (!isLegeTekst(postcode)) {
        const QString code = postcode.tekst();
        const QString gezocht = UCase(gemeente.tekst());
        postcodes.setIndex(QStringLiteral("Postcode1"));
        postcodes.seek(QStringLiteral("="), {postcode});
        while (!postcodes.noMatch() && !postcodes.eof() && postcodes.veld(QStringLiteral("Postcode")).tekst() == code) {
            const QString gevonden = UCase(postcodes.veld(QStringLiteral("Gemeente")).tekst());
            if (gevonden == gezocht)
                return gemeente;
            gemeenten << gevonden;
            postcodes.moveNext();
        }
    }
    if (gemeenten.isEmpty())
        return db::Waarde();
    // A postcode with several towns would let the user choose in a town-choice window, which this
    // program does not have (nothing calls this look-up); the first town in the postcode table's
    // order is taken instead, so no window is shown and no user settings are read or left behind.
    return db::Waarde(gemeenten.first());
}

QString AlgemeneFuncties::PadMaken(QString& pad) const
{
    pad = metScheidingsteken(pad);
    const QString map = QString(pad).replace(u'\\', u'/');
    if (!QFileInfo(map).isDir())
        QDir().mkpath(map);
    return pad;
}

QString AlgemeneFuncties::EnkelNumeriekeInhoudToelaten(QString& tekst) const
{
    if (!tekst.isEmpty()) {
        const QChar laatste = tekst.back();
        if (laatste < u'0' || laatste > u'9')
            tekst.chop(1);
    }
    return tekst;
}

bool AlgemeneFuncties::IsNumeriek(const db::Waarde& waarde) const
{
    const QString tekst = waarde.tekst();
    return !tekst.isEmpty() && tekst.front() >= u'0' && tekst.front() <= u'9';
}

AlgemeneFuncties& objAlgemeneFuncties()
{
    static AlgemeneFuncties instantie;
    return instantie;
}

} // namespace core
