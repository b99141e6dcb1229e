// Errors that leave a handler: stopped where the event is delivered, cleaned up and reported.

#include "QtAfdruk.h"
#include "ui/Gebeurtenissen.h"
#include "ui/TestMeldingen.h"
#include "ui/TestMeldingenScope.h"
#include "ui/Toepassing.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

class Toepassing : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_venster.setWindowTitle("Proefvenster");
        auto* indeling = new QVBoxLayout(&m_venster);
        m_vak = new QLineEdit(&m_venster);
        m_vak->setAccessibleName("naam");
        m_ander = new QLineEdit(&m_venster);
        indeling->addWidget(m_vak);
        indeling->addWidget(m_ander);
        m_venster.show();
        QApplication::setActiveWindow(&m_venster);
        ui::zetHerstel([this] { m_hersteld.append(m_meldingen->getoond().size()); });
    }
    void TearDown() override
    {
        ui::zetHerstel(nullptr);
        m_meldingen->wis();
    }

    QString melding()
    {
        return m_meldingen->getoond().isEmpty() ? QString() : m_meldingen->getoond().last().tekst;
    }

    QWidget m_venster;
    QLineEdit* m_vak = nullptr;
    QLineEdit* m_ander = nullptr;
    QList<qsizetype> m_hersteld;
    ui::TestMeldingenScope m_meldingen;
};

TEST_F(Toepassing, AFailedHandlerIsReportedWithWhatTheUserDidAndTheCauseAfterTheCleanUp)
{
    // Leaving a box whose handler fails.
    {
        m_ander->setFocus(Qt::TabFocusReason);
        ui::Gebeurtenissen gebeurtenissen;
        gebeurtenissen.registreer(m_vak, 0);
        m_vak->setFocus(Qt::TabFocusReason);
        gebeurtenissen.zetLostFocus([](int) { throw std::runtime_error("Het bestand is weg."); });
        QTest::keyClick(m_vak, Qt::Key_Tab);
    }
    ASSERT_EQ(m_meldingen->getoond().size(), 1);
    EXPECT_EQ(m_meldingen->getoond()[0].soort, ui::TestMeldingen::Soort::Kritiek);
    EXPECT_EQ(m_meldingen->getoond()[0].titel, "Onverwachte fout");
    EXPECT_EQ(melding(), "Het verlaten van het vak \"naam\" in het venster \"Proefvenster\" is mislukt.\n\n"
                         "Oorzaak: Het bestand is weg.\n\nWat nog niet bewaard was, is niet bewaard.");
    EXPECT_EQ(m_hersteld, QList<qsizetype>({0})) << "the clean-up comes before the report";
    EXPECT_TRUE(m_ander->hasFocus()) << "the focus went on where the user sent it";

    // A menu command reached by its shortcut, failing with something that is no standard exception.
    auto* opdracht = new QAction("&Openen", &m_venster);
    opdracht->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    m_venster.addAction(opdracht);
    ui::verbinden(opdracht, &QAction::triggered, opdracht, [] { throw 42; });
    QTest::keyClick(m_ander, Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(melding(), "De opdracht \"Openen\" is mislukt.\n\nOorzaak: Een onbekende fout.\n\n"
                         "Wat nog niet bewaard was, is niet bewaard.");

    // A box without a name.
    ui::verbinden(m_ander, &QLineEdit::textEdited, m_ander, [] { throw std::logic_error(""); });
    QTest::keyClick(m_ander, Qt::Key_A);
    EXPECT_EQ(melding(), "Een toets in een vak in het venster \"Proefvenster\" is mislukt.\n\n"
                         "Oorzaak: Een onbekende fout.\n\nWat nog niet bewaard was, is niet bewaard.");
    EXPECT_EQ(m_hersteld.size(), 3);
    EXPECT_EQ(ui::foutenDoorQt(), 0) << "stopped before Qt's own code";
}

} // namespace
