#include "EindcontroleVerslag.h"

#include "core/Algemeen.h"
#include "core/AlgemeneFuncties.h"
#include "core/Documenten.h"
#include "core/FunctiesQJ.h"
#include "db/Database.h"
#include "ui/Meldingen.h"


using core::algemeen;

namespace lineup {

namespace {

const QString Tab = QStringLiteral("\t");

// The insertion point with the report's fonts: Arial throughout, headings 14 pt bold and underlined,
// entries 12 pt, every text black.
class Schrijver
{
public:
    explicit Schrijver(word::Selectie& s)
        : m_s(s)
    {
    }

    void kop(const QString& tekst)
    {
        word::Lettertype& f = m_s.Font();
        f.Name(QStringLiteral("Arial"));
        f.Size(14);
        f.Bold(1);
        f.Italic(0);
        f.Underline(word::wdUnderlineSingle);
        f.ColorIndex(word::wdBlack);
        m_s.TypeText(tekst);
        gewoneLetter();
        m_s.TypeParagraph();
        m_s.TypeParagraph();
    }

    void gewoneLetter(bool onderstreept = false)
    {
        word::Lettertype& f = m_s.Font();
        f.Name(QStringLiteral("Arial"));
        f.Size(12);
        f.Bold(0);
        f.Italic(0);
        f.Underline(onderstreept ? word::wdUnderlineSingle : word::wdUnderlineNone);
        f.ColorIndex(word::wdBlack);
    }

    void typ(const QString& tekst, bool vet = false, bool onderstreept = false, bool cursief = false)
    {
        word::Lettertype& f = m_s.Font();
        f.Bold(vet ? 1 : 0);
        f.Underline(onderstreept ? word::wdUnderlineSingle : word::wdUnderlineNone);
        f.Italic(cursief ? 1 : 0);
        m_s.TypeText(tekst);
    }

    void onderstreept(const QString& tekst) { typ(tekst, false, true); }
    void vet(const QString& tekst) { typ(tekst, true); }
    void regelEinde() { m_s.TypeParagraph(); }

    // "Club:" and the club's name, the first line of every entry.
    void club(const QString& naam)
    {
        gewoneLetter(true);
        m_s.TypeText(Tab + QStringLiteral("Club"));
        typ(QStringLiteral(":") + Tab);
        vet(naam);
        regelEinde();
    }

    void wedstrijdnummer(const QString& nr)
    {
        typ(Tab + Tab);
        vet(QStringLiteral("(Wedstrijdnummer ") + nr + u')');
        regelEinde();
    }

private:
    word::Selectie& m_s;
};

QString veld(const db::Recordset& rs, const char* naam)
{
    return core::objAlgemeneFuncties().Inhoud(rs.veld(QString::fromLatin1(naam))).tekst();
}

// A player as the report names him: province, member number, ranking, index and name.
QString speler(const db::Recordset& rs, const char* nr)
{
    const QString n = QString::fromLatin1(nr);
    const auto v = [&](const char* naam) { return veld(rs, (QByteArray(naam) + n.toLatin1()).constData()); };
    return algemeen().strProvincieAfkorting + u' ' + v("CompNr") + QStringLiteral(", ") + v("Klassering")
           + QStringLiteral(", Index ") + v("Index") + QStringLiteral(", ") + v("Naam");
}

void hogerLagerSchrijven(Schrijver& w, const db::Recordset& rs)
{
    w.club(veld(rs, "ClubNaam"));
    w.typ(Tab);
    w.onderstreept(QStringLiteral("Voorlaatste Speler "));
    w.typ(veld(rs, "Ploegnaam1"), false, true, true);
    w.typ(QStringLiteral(":") + Tab);
    w.vet(speler(rs, "1"));
    w.regelEinde();
    w.wedstrijdnummer(veld(rs, "Wedstrijdnummer1"));
    w.typ(Tab);
    w.onderstreept(QStringLiteral("Eerste Speler "));
    w.typ(veld(rs, "Ploegnaam2"), false, true, true);
    w.typ(QStringLiteral(":") + Tab);
    w.vet(speler(rs, "2"));
    w.regelEinde();
    w.wedstrijdnummer(veld(rs, "Wedstrijdnummer2"));
    w.regelEinde();
}

void dubbelSchrijven(Schrijver& w, const db::Recordset& rs)
{
    w.club(veld(rs, "ClubNaam"));
    w.typ(Tab);
    w.onderstreept(QStringLiteral("Dubbel Opgestelde Speler"));
    w.typ(QStringLiteral(":") + Tab);
    w.vet(speler(rs, "1"));
    w.regelEinde();
    for (const char* n : {"1", "2"}) {
        const QByteArray nr(n);
        w.typ(Tab);
        w.onderstreept(nr == "1" ? QStringLiteral("Ploeg Eerste Opstelling") : QStringLiteral("Ploeg Tweede Opstelling"));
        w.typ(QStringLiteral(":") + Tab);
        const QString opmerking = veld(rs, ("OpmPloeg" + nr).constData());
        w.vet(veld(rs, ("Ploegnaam" + nr).constData())
              + (opmerking.isEmpty() ? QString() : QStringLiteral(" (") + opmerking + u')'));
        w.regelEinde();
        w.wedstrijdnummer(veld(rs, ("Wedstrijdnummer" + nr).constData()));
    }
}

// The findings of one kind in the order of the index Soort, or the line that says there are none.
// A table that cannot be read ends this part of the report: it is not reported as empty.
template<typename Schrijven>
void bevindingenSchrijven(Schrijver& w, const QString& aard, const QString& geen, Schrijven schrijven)
{
    try {
        db::Recordset rs = algemeen().dbGegevens.openTabel(QStringLiteral("Eindcontrole"));
        rs.setIndex(QStringLiteral("Soort"));
        rs.seek(QStringLiteral("="), {aard});
        if (rs.noMatch()) {
            w.typ(geen);
            w.regelEinde();
            w.regelEinde();
            return;
        }
        for (; !rs.eof() && veld(rs, "Aard") == aard; rs.moveNext())
            schrijven(w, rs);
    } catch (const db::DbFout&) {
    }
}

} // namespace

word::Document EindcontroleVerslagMaken(const QString& sjabloon, const QString& weekNr)
{
    word::Document doc = word::Document::Add(sjabloon);
    word::Selectie& s = doc.Selection();
    if (doc.heeftBladwijzer(QStringLiteral("Week")))
        s.GoTo(word::wdGoToBookmark, word::wdGoToNext, 1, QStringLiteral("Week"));
    s.TypeText(weekNr);
    s.MoveDown(word::wdLine, 1);
    s.TypeParagraph();

    Schrijver w(s);
    w.kop(QStringLiteral("Index voorlaatste speler is kleiner dan deze van de eerste speler in de lagere ploeg:"));
    bevindingenSchrijven(w, QStringLiteral("HogerLager"), QStringLiteral("Geen spelers op een verkeerde plaats."),
                         hogerLagerSchrijven);
    w.kop(QStringLiteral("Dubbel opgestelde spelers:"));
    bevindingenSchrijven(w, QStringLiteral("Dubbel"), QStringLiteral("Geen dubbel opgestelde spelers."),
                         dubbelSchrijven);
    return doc;
}

void EindControleAfdrukken(const QString& weekNr)
{
    const QString titel = QStringLiteral("Eindcontrole");
    QString week = weekNr.trimmed();
    const QString naam = QStringLiteral("Eindcontrole week ") + core::objFunctiesQJ().BeginNulToevoegen(week, 2)
                         + QStringLiteral(".docx");
    QString pad;
    try {
        word::Document doc = EindcontroleVerslagMaken(algemeen().strSysteemmap + QStringLiteral("Eindcontrole.dotx"), weekNr);
        pad = core::DocumentBewaren(doc, naam);
    } catch (const word::WordFout& fout) {
        ui::meldingen().kritiek(titel, QStringLiteral("Het verslag kan niet gemaakt worden.\n") + fout.tekst());
        return;
    }
    core::DocumentAanbieden(pad, 0, 0, titel);
}

} // namespace lineup
