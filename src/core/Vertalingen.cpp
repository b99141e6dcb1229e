#include "Vertalingen.h"

#include "core/Algemeen.h"

namespace core {

QString Vertaling(const db::Waarde& nummer, const db::Waarde& soort)
{
    // The number is bound, never spliced into the statement, so an odd argument cannot break it.
    const QString sql = QStringLiteral("SELECT E,N,F FROM Vertalingen WHERE Nr = ?;");
    db::Recordset rs = algemeen().dbGegevens.openRecordset(sql, {nummer});
    if (rs.eof())
        return QString();
    rs.moveFirst();
    if (soort.getal() == 0)
        return rs.veld(QStringLiteral("E")).tekst();
    if (algemeen().strTaal == u"N")
        return rs.veld(QStringLiteral("N")).tekst();
    return rs.veld(QStringLiteral("F")).tekst();
}

} // namespace core
