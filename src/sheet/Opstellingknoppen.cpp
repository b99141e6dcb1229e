#include "Opstellingknoppen.h"

#include "WedstrijdLaden.h"

#include "core/Algemeen.h"
#include "core/Diensten.h"
#include "core/FrmWedstrijdInput.h"
#include "core/Tekst.h"
#include "db/Database.h"
#include "ui/Toepassing.h"
#include "ui/Opschriften.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

using core::algemeen;

namespace sheet {

namespace {

// The common end of every opener: the main window waits until the picker gives it back.
void kiezerOpenen(FrmWedstrijdInput& f, const QString& woord, const QString& waarde)
{
    core::IOpstelling* o = core::diensten().opstelling;
    if (!o)
        return;
    f.LabX->setText(woord);
    f.LabX1->setText(waarde);
    f.uitschakelen();
    o->SpelersKiezenTonen();
}

void CmdCompNr_Click(FrmWedstrijdInput& f, bool thuis, int Index)
{
    const core::Wedstrijdblad& b = f.blad;
    const QString kant = thuis ? QStringLiteral("T") : QStringLiteral("U");
    const QLabel* nrLabel = (thuis ? b.LabTNrSpeler : b.LabUNrSpeler)[4];
    const QString woord = Index == 4 && !nrLabel->isHidden() ? kant + QStringLiteral("Dubb.")
                                                              : kant + QString::number(Index + 1);
    kiezerOpenen(f, woord, ui::gegevensTekst((thuis ? b.CmdCompNrT : b.CmdCompNrU)[Index]));
}

void CmdKapitein_Click(FrmWedstrijdInput& f, bool thuis)
{
    const core::Wedstrijdblad& b = f.blad;
    const db::Waarde opgeslagen =
        algemeen().rsMatchen.veld(thuis ? QStringLiteral("KapiteinT") : QStringLiteral("KapiteinU"));
    QStringList knoppen;
    for (const QPushButton* k : thuis ? b.CmdCompNrT : b.CmdCompNrU)
        knoppen << ui::gegevensTekst(k);
    kiezerOpenen(f, thuis ? QStringLiteral("Kap-T") : QStringLiteral("Kap-U"),
                 KapiteinWaarde(opgeslagen.isNull() ? QString() : opgeslagen.tekst(), knoppen));
}

void OptKapitein_Click(FrmWedstrijdInput& f, bool thuis, int Index)
{
    core::Algemeen& a = algemeen();
    core::Wedstrijdblad& b = f.blad;
    const QString nr = ui::gegevensTekst((thuis ? b.CmdCompNrT : b.CmdCompNrU)[Index]);
    if (a.blnEventsActief && !nr.isEmpty()) {
        a.rsMatchen.edit();
        a.rsMatchen.zet(thuis ? QStringLiteral("KapiteinT") : QStringLiteral("KapiteinU"), nr);
        a.rsMatchen.update();
        // The options of a side exclude one another only through this.
        KapiteinAanduiden(b, thuis, Index);
    }
    if (nr.isEmpty()) {
        {
            core::EventsUit uit;
            (thuis ? b.OptTKapitein : b.OptUKapitein)[Index]->setChecked(false);
        }
        if (QListWidgetItem* regel = f.LstWedstrijden->currentItem())
            f.lijstTekstKiezen(f.LstWedstrijden, regel->text());
    }
}

} // namespace

QString KapiteinWaarde(const QString& opgeslagen, const QStringList& knoppen)
{
    if (opgeslagen.isEmpty())
        return QString();
    if (opgeslagen.size() == 6)
        return opgeslagen;
    const int plaats = static_cast<int>(std::lround(core::Val(opgeslagen)));
    return plaats >= 0 && plaats < knoppen.size() ? knoppen[plaats] : QString();
}

void OpstellingknoppenVerbinden(FrmWedstrijdInput& venster)
{
    const char* verbonden = "opstellingknoppenVerbonden";
    if (venster.property(verbonden).toBool())
        return;
    venster.setProperty(verbonden, true);
    FrmWedstrijdInput* f = &venster;
    core::Wedstrijdblad& b = venster.blad;
    for (const bool thuis : {true, false}) {
        const QList<QPushButton*>& knoppen = thuis ? b.CmdCompNrT : b.CmdCompNrU;
        for (int i = 0; i < knoppen.size(); ++i)
            ui::verbinden(knoppen[i], &QPushButton::clicked, f, [f, thuis, i] { CmdCompNr_Click(*f, thuis, i); });
        const QList<QRadioButton*>& opties = thuis ? b.OptTKapitein : b.OptUKapitein;
        for (int i = 0; i < opties.size(); ++i)
            ui::verbinden(opties[i], &QRadioButton::clicked, f, [f, thuis, i] { OptKapitein_Click(*f, thuis, i); });
        ui::verbinden(thuis ? b.CmdTKapitein : b.CmdUKapitein, &QPushButton::clicked, f,
                         [f, thuis] { CmdKapitein_Click(*f, thuis); });
        venster.menuVerbinden(thuis ? QStringLiteral("MnuWedstrijdKapiteinThuisploeg")
                                    : QStringLiteral("MnuWedstrijdKapiteinBezoekers"),
                              f, [f, thuis] { CmdKapitein_Click(*f, thuis); });
    }
    ui::verbinden(b.CmdCompNrHoofdscheidsrechter, &QPushButton::clicked, f, [f] {
        kiezerOpenen(*f, QStringLiteral("HS"), ui::gegevensTekst(f->blad.CmdCompNrHoofdscheidsrechter));
    });
    ui::verbinden(b.CmdCompNrZaalcommissaris, &QPushButton::clicked, f, [f] {
        kiezerOpenen(*f, QStringLiteral("ZC"), ui::gegevensTekst(f->blad.CmdCompNrZaalcommissaris));
    });
    const struct
    {
        const char* menu;
        QPushButton* knop;
    } officials[] = {{"MnuWedstrijdHoofdscheidsrechter", b.CmdCompNrHoofdscheidsrechter},
                     {"MnuWedstrijdZaalcommissaris", b.CmdCompNrZaalcommissaris}};
    for (const auto& o : officials) {
        QPushButton* knop = o.knop;
        venster.menuVerbinden(QString::fromLatin1(o.menu), knop, [knop] { knop->click(); });
    }
}

} // namespace sheet
