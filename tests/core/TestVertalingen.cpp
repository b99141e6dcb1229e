#include "core/Vertalingen.h"

#include "core/Algemeen.h"
#include "core/FolderOpenen.h"
#include "ui/TestMeldingenScope.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace core;
using db::TypeWoord::Tekst;

namespace {

class Vertalingen : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_map.isValid());
        db::Database d = db::Database::maken(m_map.filePath("test.mdb"));
        d.tabelMaken({"Vertalingen", {{"Nr", db::TypeWoord::Long}, {"E", Tekst}, {"N", Tekst}, {"F", Tekst}}, {}});
        d.uitvoeren("INSERT INTO Vertalingen VALUES (762, 'Province', 'Provincie', 'Province')");
        d.uitvoeren("INSERT INTO Vertalingen VALUES (895, 'No date', 'Geen datum', NULL)");
        algemeen().dbGegevens = d;
    }

    void TearDown() override { algemeenHerstellen(); }

    QTemporaryDir m_map;
};

} // namespace

TEST_F(Vertalingen, KolomVolgtSoortEnTaal)
{
    const struct
    {
        const char* taal;
        db::Waarde nummer;
        int soort;
        const char* tekst;
    } gevallen[] = {
        {"N", 762, 1, "Provincie"},
        {"n", 762, 1, "Province"},
        {"F", 895, 1, ""},
        {"N", 895, 0, "No date"},
        {"F", 895, 0, "No date"},
        {"N", "895", 1, "Geen datum"},
        {"N", 1, 1, ""},
        {"N", "", 0, ""},
        {"N", "762; DROP TABLE Vertalingen", 1, ""},
    };
    for (const auto& g : gevallen) {
        algemeen().strTaal = g.taal;
        EXPECT_EQ(Vertaling(g.nummer, g.soort), g.tekst) << g.taal << " " << g.nummer.tekst().toStdString();
    }
    EXPECT_TRUE(algemeen().dbGegevens.bestaatTabel("Vertalingen"));
}

TEST(FolderOpenen, MapKiezen)
{
    ui::TestMeldingenScope meldingen;
    meldingen->verwachtMapAnnuleren();
    meldingen->verwachtMapAnnuleren();
    meldingen->verwachtMap("/home/club/Export");
    meldingen->verwachtMap("/home/club/Export/");
    meldingen->verwachtMap("/");

    EXPECT_EQ(MapKiezen("Kies een map", "/data/uitwisseling/"), "/data/uitwisseling/");
    EXPECT_EQ(MapKiezen("Kies een map", "/data/uitwisseling"), "/data/uitwisseling");
    EXPECT_EQ(MapKiezen("Kies een map", "/data/"), "/home/club/Export/");
    EXPECT_EQ(MapKiezen("Kies een map", "/data/"), "/home/club/Export/");
    EXPECT_EQ(MapKiezen("Kies een map", "/data/"), "/");

    EXPECT_EQ(meldingen->getoond().first().titel, "Kies een map");
    EXPECT_TRUE(meldingen->inOrde()) << meldingen->verslag().toStdString();
}
