#pragma once

// The after-match sheet's fixture: the window tests' province with the document templates in the application
// folder, a desktop that records instead of opening, and matches filled in as after a match.

#include "../gui/BladTest.h"
#include "ui/Bureaublad.h"
#include "word/Document.h"

#include <QFile>
#include <QGuiApplication>

namespace testhulp {

class NaAfloopTest : public BladTest
{
protected:
    void SetUp() override
    {
        BladTest::SetUp();
        for (const char* naam : {"WedstrijdSponsors.dotx", "WedstrijdGelijnd.dotx", "Eindcontrole.dotx"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(INTERCLUB_SHIPPED_DIR "/") + naam, m_map.filePath(naam)));
        lidToevoegen(m_db, "500009", "Scheids Karel", "003", 1);
        lidToevoegen(m_db, "500010", "Zaal Piet", "001", 1);
    }

    /**
     * A match of the given division with full line-ups (home 500001.., visitors 500005..), captains, officials,
     * an end time, and every game won 3-0 or 3-1: the odd games by the home player, the even ones by the visitor.
     */
    static Wedstrijd volledig(const QString& nr, const QString& reeks, int spelen)
    {
        Wedstrijd w = wedstrijd(nr, reeks);
        w.extra << qMakePair(QStringLiteral("Zaal"), db::Waarde(7));
        for (int i = 1; i <= 4; ++i) {
            w.extra << qMakePair(QStringLiteral("THUISSP%1").arg(i), db::Waarde(QString::number(500000 + i)));
            w.extra << qMakePair(QStringLiteral("UITSP%1").arg(i), db::Waarde(QString::number(500004 + i)));
            w.extra << qMakePair(QStringLiteral("AFWTH%1").arg(i), db::Waarde("N"));
            w.extra << qMakePair(QStringLiteral("AFWUIT%1").arg(i), db::Waarde("N"));
        }
        const Velden vast = {
            {"KapiteinT", db::Waarde("500002")},       {"KapiteinU", db::Waarde("500006")},
            {"HoofdSchNaam", db::Waarde("Scheids Karel")}, {"HoofdschProv", db::Waarde("A")},
            {"HoofdschCompnr", db::Waarde("500009")},  {"HoofdschClubNaam", db::Waarde("TTC Derde")},
            {"HoofdschClubNr", db::Waarde("003")},     {"ZaalCommNaam", db::Waarde("Zaal Piet")},
            {"ZaalCommProv", db::Waarde("A")},         {"ZaalcommCompnr", db::Waarde("500010")},
            {"Einduur", db::Waarde("22.15")},          {"Akkoord2aan2", db::Waarde("J")},
            {"forfaitth", db::Waarde("N")},            {"forfaituit", db::Waarde("N")}};
        w.extra << vast;
        for (int g = 1; g <= spelen; ++g) {
            if (g % 2 == 1)
                w.extra << sets(g, {"11-5", "9-11", "11-7", "11-9"});
            else
                w.extra << sets(g, {"5-11", "8-11", "9-11"});
        }
        return w;
    }

    /** Replaces or adds fields of a match. */
    static void zetten(Wedstrijd& w, const Velden& velden)
    {
        for (const auto& v : velden) {
            auto it = std::find_if(w.extra.begin(), w.extra.end(), [&](const auto& e) { return e.first == v.first; });
            if (it != w.extra.end())
                it->second = v.second;
            else
                w.extra << v;
        }
    }

    /** A member's name, in the members' table and the strength lists alike. */
    void naamZetten(const QString& compNr, const QString& naam)
    {
        const QList<db::Waarde> p{db::Waarde(naam), db::Waarde(compNr)};
        m_db.uitvoeren(QStringLiteral("UPDATE Leden SET Naam = ? WHERE CompNr = ?"), p);
        m_db.uitvoeren(QStringLiteral("UPDATE Sterktelijst SET Naam = ? WHERE Computernummer = ?"), p);
    }

    FrmWedstrijdInput& tonen(const Wedstrijd& w)
    {
        wedstrijdToevoegen(m_db, w);
        FrmWedstrijdInput& f = starten();
        kiezen(f, w.wedstrNr);
        return f;
    }

    /** Chooses the menu item of the after-match sheet; the document it saved and asked to open. */
    word::Document afdrukken(FrmWedstrijdInput& f, int variant = 0)
    {
        f.menu(variant == 0 ? "MnuAfdrWedstrijdbladNaOff" : "MnuAfdrWedstrijdbladNaWit")->trigger();
        if (m_bureaublad.geopend.size() != 1)
            throw std::runtime_error("the sheet was not opened once");
        return word::Document::Open(m_bureaublad.geopend.first());
    }

    /** The window is usable again and the pointer is the default one. */
    static void nietBezig(const FrmWedstrijdInput& f)
    {
        EXPECT_FALSE(f.testAttribute(Qt::WA_Disabled));
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }

    QString opgeslagenPad(const QString& nr) const
    {
        return m_map.filePath("wissel") + QStringLiteral("/Wedstrijdblad ") + nr + QStringLiteral(".docx");
    }

    ui::TestBureaublad m_bureaublad;
};

/** The papers before the match: the same fixture, with the templates of the sheet before the match and the slips. */
class VoorAanvangTest : public NaAfloopTest
{
protected:
    void SetUp() override
    {
        NaAfloopTest::SetUp();
        for (const char* naam :
             {"WedstrijdbladVoorAanvang.dotx", "Scheidsrechtersblaadjes.dotx", "ScheidsrechtersblaadjesTeKnippen.dotx"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(INTERCLUB_SHIPPED_DIR "/") + naam, m_map.filePath(naam)));
    }
};

/** The text of a cell of a table. */
inline QString cel(word::Document& d, int tabel, int rij, int kolom)
{
    return d.Tables(tabel).Cell(rij, kolom).Range().Text();
}

/** Whether a text in a cell is bold. */
inline bool vet(word::Document& d, int tabel, int rij, int kolom, const QString& tekst)
{
    return *d.Tables(tabel).Cell(rij, kolom).Range().opmaakVan(tekst).vet;
}

} // namespace testhulp
