#include "Tabelinhoud.h"

namespace testhulp {

QStringList inhoud(db::Database& d, const QString& tabel, const QString& kolommen, const QString& waar)
{
    db::Recordset rs = d.openRecordset("SELECT " + kolommen + " FROM " + db::sqlNaam(tabel)
                                       + (waar.isEmpty() ? QString() : " WHERE " + waar));
    QStringList rijen;
    for (; !rs.eof(); rs.moveNext()) {
        QStringList waarden;
        for (int i = 0; i < rs.aantalVelden(); ++i)
            waarden << (rs.veld(i).isNull() ? QStringLiteral("<null>") : rs.veld(i).tekst());
        rijen << waarden.join(u'|');
    }
    rijen.sort();
    return rijen;
}

QMap<QString, QStringList> alles(db::Database& d, const QStringList& tabellen)
{
    QMap<QString, QStringList> m;
    for (const QString& tabel : tabellen.isEmpty() ? d.tabellen() : tabellen)
        m.insert(tabel, inhoud(d, tabel));
    return m;
}

QString matchVeld(db::Database& d, const QString& wedstrNr, const QString& kolom, const QString& nullAls)
{
    db::Recordset rs = d.openRecordset("SELECT " + kolom + " FROM Matchen WHERE WedstrNr = ?", {wedstrNr});
    return rs.eof() ? QStringLiteral("<geen>") : rs.veld(0).isNull() ? nullAls : rs.veld(0).tekst();
}

} // namespace testhulp
