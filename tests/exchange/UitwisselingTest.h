#pragma once

// The file exchange tests' fixture: installations (application folders from the shipped files) of
// which one at a time is the program's open database, with the maintenance service wired for the
// table structure, and ways to fill a match's sheet.

#include "Proefgegevens.h"
#include "QtAfdruk.h"
#include "Tabelinhoud.h"
#include "TestDatabase.h"
#include "core/Algemeen.h"
#include "core/Ansi.h"
#include "core/Diensten.h"
#include "core/Opstart.h"
#include "core/Voortgang.h"
#include "maintenance/Onderhoud.h"
#include "ui/TestMeldingen.h"
#include "ui/TestMeldingenScope.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace testhulp {

struct Voortgangsopnemer : core::IVoortgang
{
    QStringList opschriften;
    QList<int> standen;
    void opschriftZetten(const QString& t) override { opschriften << t; }
    void UpdateProgress(int p) override { standen << p; }
};

/** An application folder with the shipped files, and its folder for exchange files. */
struct Installatie
{
    QTemporaryDir map;
    QString wissel;

    Installatie()
    {
        applicatiemapVullen(map.path());
        QDir(map.path()).mkdir("wissel");
        wissel = map.filePath("wissel") + "/";
    }
};

class UitwisselingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        core::diensten().onderhoud = &m_onderhoud;
        openen(m_eerste);
    }

    void TearDown() override
    {
        core::algemeenHerstellen();
        core::zetApplicatiemap(QString());
        core::diensten().onderhoud = nullptr;
        EXPECT_TRUE(m_meldingen->inOrde()) << m_meldingen->verslag().toStdString();
    }

    /** Makes the installation the program's own, as a start-up does. */
    void openen(Installatie& i)
    {
        core::algemeenHerstellen();
        core::zetApplicatiemap(i.map.path());
        core::DatabaseOpenen();
        core::TabellenOpenen();
        core::Algemeen& a = core::algemeen();
        a.strHuidigSeizoen = a.strGekozenSeizoen = "2010-2011";
        a.intAantalKaraktersCompNr = 6;
        a.strPadOpslaan = i.wissel;
    }

    db::Database& d() { return core::algemeen().dbGegevens; }

    qint64 aantal(const QString& tabel, const QString& waar = QString())
    {
        return d().openRecordset("SELECT COUNT(*) FROM " + db::sqlNaam(tabel) + (waar.isEmpty() ? "" : " WHERE " + waar))
            .veld(0)
            .geheel();
    }

    /** Every row of a table as text, in the order of the given columns, sorted. */
    QStringList inhoud(const QString& tabel, const QString& kolommen = "*", const QString& waar = QString())
    {
        return testhulp::inhoud(d(), tabel, kolommen, waar);
    }

    /** Every table of the open database, row for row. */
    QMap<QString, QStringList> alles() { return testhulp::alles(d()); }

    static void schrijven(const QString& pad, const QByteArray& inhoud)
    {
        QFile f(pad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhoud);
    }

    /** A field of the match with this number. */
    QString matchVeld(const QString& wedstrNr, const QString& veld) { return testhulp::matchVeld(d(), wedstrNr, veld); }

    /** The sets of one game as the sheet stores them: "11-7 9-11 ...". */
    static Velden spel(int nummer, const QString& markering, const QList<QPair<int, int>>& sets)
    {
        const QString w = QStringLiteral("W%1").arg(nummer, 2, 10, QLatin1Char('0'));
        Velden v{{w, markering}};
        for (int s = 0; s < sets.size(); ++s) {
            v << qMakePair(w + QStringLiteral("Set%1T").arg(s + 1), db::Waarde(QString::number(sets[s].first)));
            v << qMakePair(w + QStringLiteral("Set%1U").arg(s + 1), db::Waarde(QString::number(sets[s].second)));
        }
        return v;
    }

    /** A sheet of a team of the given size filled in completely: line-ups and every game won 3-0 at home. */
    static Velden volledigBlad(int spelers, const QString& thuisBasis = "5123", const QString& uitBasis = "4981")
    {
        Velden v;
        // A team of two fills three places: two singles players and the doubles player.
        for (int p = 1; p <= (spelers == 2 ? 3 : spelers); ++p) {
            v << qMakePair(QStringLiteral("THUISSP%1").arg(p), db::Waarde(thuisBasis + QStringLiteral("%1").arg(p, 2, 10, QLatin1Char('0'))));
            v << qMakePair(QStringLiteral("UITSP%1").arg(p), db::Waarde(uitBasis + QStringLiteral("%1").arg(p, 2, 10, QLatin1Char('0'))));
            v << qMakePair(QStringLiteral("AFWTH%1").arg(p), db::Waarde("N"));
            v << qMakePair(QStringLiteral("AFWUIT%1").arg(p), db::Waarde("N"));
        }
        const int spellen = spelers == 4 ? 16 : spelers == 3 ? 10 : 7;
        for (int g = 1; g <= spellen; ++g)
            v << spel(g, "+", {{11, 3}, {11, 4}, {11, 6}});
        return v;
    }

    maintenance::Onderhoud m_onderhoud;
    Installatie m_eerste;
    ui::TestMeldingenScope m_meldingen;
    Voortgangsopnemer m_voortgang;
};

} // namespace testhulp
