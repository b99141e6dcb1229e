// The main window's menu items: printing, the windows of the other subsystems, the results export
// and the administrator's log-in. Each item reaches its subsystem through the services in Diensten.h;
// an item whose service is not wired does nothing.

#include "FrmWedstrijdInput.h"

#include "core/Algemeen.h"
#include "core/Diensten.h"
#include "ui/Meldingen.h"
#include "ui/Menus.h"
#include "ui/Toepassing.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>

using core::algemeen;

void FrmWedstrijdInput::menuHandlersVerbinden()
{
    const auto bij = [this](const char* naam, void (FrmWedstrijdInput::*handler)()) {
        menuVerbinden(QString::fromLatin1(naam), this, [this, handler] { (this->*handler)(); });
    };
    bij("MnuAfdrScheidsrechtersblaadjes2", &FrmWedstrijdInput::MnuAfdrScheidsrechtersblaadjes2_Click);
    bij("MnuAfdrScheidsrechtersblaadjes1", &FrmWedstrijdInput::MnuAfdrScheidsrechtersblaadjes1_Click);
    bij("MnuAfdrScheidsblaadjesApart2blzOpenen", &FrmWedstrijdInput::MnuAfdrScheidsblaadjesApart2blzOpenen_Click);
    bij("MnuAfdrScheidsblaadjesApart2blzAfdrukken", &FrmWedstrijdInput::MnuAfdrScheidsblaadjesApart2blzAfdrukken_Click);
    bij("MnuAfdrScheidsblaadjesApart2blzTeKnippenOpenen",
        &FrmWedstrijdInput::MnuAfdrScheidsblaadjesApart2blzTeKnippenOpenen_Click);
    bij("MnuAfdrScheidsblaadjesApart2blzTeKnippenAfdrukken",
        &FrmWedstrijdInput::MnuAfdrScheidsblaadjesApart2blzTeKnippenAfdrukken_Click);
    bij("MnuAfdrWedstrijdbladVoorAanvangOpenen", &FrmWedstrijdInput::MnuAfdrWedstrijdbladVoorAanvangOpenen_Click);
    bij("MnuAfdrWedstrijdbladVoorAanvangAfdrukken", &FrmWedstrijdInput::MnuAfdrWedstrijdbladVoorAanvangAfdrukken_Click);
    bij("MnuAfdrWedstrijdbladNaOff", &FrmWedstrijdInput::MnuAfdrWedstrijdbladNaOff_Click);
    bij("MnuAfdrWedstrijdbladNaWit", &FrmWedstrijdInput::MnuAfdrWedstrijdbladNaWit_Click);
    bij("MnuAfdrSterktelijst", &FrmWedstrijdInput::MnuAfdrSterktelijst_Click);
    bij("MnuBeheerSterktelijst", &FrmWedstrijdInput::MnuBeheerSterktelijst_Click);
    bij("MnuAfdrPloegopstelling", &FrmWedstrijdInput::nietBeschikbaar);
    bij("MnuBeheerPloegopstelling", &FrmWedstrijdInput::nietBeschikbaar);
    bij("MnuBeheerProvincies", &FrmWedstrijdInput::nietBeschikbaar);
    bij("MnuBeheerClubs", &FrmWedstrijdInput::MnuBeheerClubs_Click);
    bij("MnuBeheerWedstrijdToevoegen", &FrmWedstrijdInput::MnuBeheerWedstrijdToevoegen_Click);
    bij("MnuGegevensImportKorvat", &FrmWedstrijdInput::MnuGegevensImportKorvat_Click);
    bij("MnuBeheerOpties", &FrmWedstrijdInput::MnuBeheerOpties_Click);
    bij("MnuBeheerGegevensExport", &FrmWedstrijdInput::MnuBeheerGegevensExport_Click);
    bij("MnuBeheerGegevensExportTTR", &FrmWedstrijdInput::MnuBeheerGegevensExportTTR_Click);
    bij("MnuBeheerGegevensImport", &FrmWedstrijdInput::MnuBeheerGegevensImport_Click);
    bij("MnuBeheerInloggen", &FrmWedstrijdInput::MnuBeheerInloggen_Click);
    bij("MnuBeheerUitloggen", &FrmWedstrijdInput::MnuBeheerUitloggen_Click);
    bij("MnuBeheerPaswoordWijzigen", &FrmWedstrijdInput::MnuBeheerPaswoordWijzigen_Click);
    bij("MnuBeheerInitialiseren", &FrmWedstrijdInput::MnuBeheerInitialiseren_Click);
    bij("MnuBeheerDBHerindexeren", &FrmWedstrijdInput::MnuBeheerDBHerindexeren_Click);
    bij("MnuBeheerDBVernieuwen", &FrmWedstrijdInput::MnuBeheerDBVernieuwen_Click);
    bij("MnuBeheerSterktelijstenWissen", &FrmWedstrijdInput::MnuBeheerSterktelijstenWissen_Click);
}

// Without a printing service every print item says that it is not available yet.
void FrmWedstrijdInput::AfdrukkenScheidsrechtersblaadjes(int afdrukken, int sluiten, int teKnippen)
{
    if (core::IAfdrukken* p = core::diensten().afdrukken)
        p->AfdrukkenScheidsrechtersblaadjes(afdrukken, sluiten, teKnippen);
    else
        nietBeschikbaar();
}

void FrmWedstrijdInput::AfdrukkenWedstrijdbladVoorAanvang(int afdrukken, int sluiten)
{
    if (core::IAfdrukken* p = core::diensten().afdrukken)
        p->AfdrukkenWedstrijdbladVoorAanvang(afdrukken, sluiten);
    else
        nietBeschikbaar();
}

void FrmWedstrijdInput::AfdrukkenWedstrijdbladNaAfloop(int variant)
{
    if (core::IAfdrukken* p = core::diensten().afdrukken)
        p->AfdrukkenWedstrijdbladNaAfloop(variant);
    else
        nietBeschikbaar();
}

void FrmWedstrijdInput::MnuAfdrScheidsrechtersblaadjes2_Click()
{
    if (!core::diensten().afdrukken)
        return nietBeschikbaar();
    AfdrukkenScheidsrechtersblaadjes(1, 1, 0);
    AfdrukkenWedstrijdbladVoorAanvang(1, 1);
}

void FrmWedstrijdInput::MnuAfdrScheidsrechtersblaadjes1_Click()
{
    if (!core::diensten().afdrukken)
        return nietBeschikbaar();
    AfdrukkenScheidsrechtersblaadjes(1, 1, 1);
    AfdrukkenWedstrijdbladVoorAanvang(1, 1);
}

void FrmWedstrijdInput::MnuAfdrScheidsblaadjesApart2blzOpenen_Click()
{
    AfdrukkenScheidsrechtersblaadjes(0, 0, 0);
}

void FrmWedstrijdInput::MnuAfdrScheidsblaadjesApart2blzAfdrukken_Click()
{
    AfdrukkenScheidsrechtersblaadjes(1, 1, 0);
}

void FrmWedstrijdInput::MnuAfdrScheidsblaadjesApart2blzTeKnippenOpenen_Click()
{
    AfdrukkenScheidsrechtersblaadjes(0, 0, 1);
}

void FrmWedstrijdInput::MnuAfdrScheidsblaadjesApart2blzTeKnippenAfdrukken_Click()
{
    AfdrukkenScheidsrechtersblaadjes(1, 1, 1);
}

void FrmWedstrijdInput::MnuAfdrWedstrijdbladVoorAanvangOpenen_Click()
{
    AfdrukkenWedstrijdbladVoorAanvang(0, 0);
}

void FrmWedstrijdInput::MnuAfdrWedstrijdbladVoorAanvangAfdrukken_Click()
{
    AfdrukkenWedstrijdbladVoorAanvang(1, 1);
}

void FrmWedstrijdInput::MnuAfdrWedstrijdbladNaOff_Click()
{
    AfdrukkenWedstrijdbladNaAfloop(0);
}

void FrmWedstrijdInput::MnuAfdrWedstrijdbladNaWit_Click()
{
    AfdrukkenWedstrijdbladNaAfloop(1);
}

void FrmWedstrijdInput::MnuAfdrSterktelijst_Click()
{
    sterktelijstTonen(QStringLiteral("SterktelijstAfdrukken"));
}

void FrmWedstrijdInput::MnuBeheerSterktelijst_Click()
{
    sterktelijstTonen(QStringLiteral("SterktelijstAanpassen"));
}

void FrmWedstrijdInput::sterktelijstTonen(const QString& woord)
{
    core::IOpstelling* o = core::diensten().opstelling;
    if (!o)
        return;
    LabX->setText(woord);
    uitschakelen();
    o->SterktelijstTonen();
}

void FrmWedstrijdInput::nietBeschikbaar()
{
    ui::meldingen().waarschuwing(QStringLiteral("Programma Wedstrijden"),
                                 QStringLiteral("Dit onderdeel is voorlopig nog niet beschikbaar."));
}

void FrmWedstrijdInput::MnuBeheerClubs_Click()
{
    if (core::IStamgegevens* s = core::diensten().stamgegevens)
        s->ClubsTonen();
}

void FrmWedstrijdInput::MnuBeheerWedstrijdToevoegen_Click()
{
    if (core::IStamgegevens* s = core::diensten().stamgegevens)
        s->WedstrijdToevoegenTonen();
}

void FrmWedstrijdInput::MnuGegevensImportKorvat_Click()
{
    if (core::IWebImport* w = core::diensten().webImport)
        w->ImportKorvatTonen();
}

void FrmWedstrijdInput::MnuBeheerOpties_Click()
{
    core::IStamgegevens* s = core::diensten().stamgegevens;
    if (!s)
        return;
    uitschakelen();
    LabX->setText(QStringLiteral("Opties"));
    s->OptiesTonen();
}

QString FrmWedstrijdInput::clubcode()
{
    const core::Algemeen& a = algemeen();
    QString afkorting = a.strClubProvAfkorting;
    afkorting.remove(u'.');
    return afkorting + a.strClubNr;
}

core::IUitwisseling* FrmWedstrijdInput::uitwisseling()
{
    core::IUitwisseling* u = core::diensten().uitwisseling;
    if (u)
        return u;
    nietBeschikbaar();
    return nullptr;
}

void FrmWedstrijdInput::MnuBeheerGegevensExport_Click()
{
    if (core::IUitwisseling* u = uitwisseling())
        u->UitslagenExporteren(clubcode(), 1);
}

void FrmWedstrijdInput::MnuBeheerGegevensExportTTR_Click()
{
    core::IUitwisseling* u = uitwisseling();
    if (!u)
        return;
    if (!ui::meldingen().vraagJaNee(QStringLiteral("Importeren"),
                                    QStringLiteral("De gegevens worden geëxporteerd naar 'Export.ttr'. Doorgaan ?")))
        return;
    LabX->setText(QStringLiteral("ClubProgrammaInterclub"));
    // Broken off (and said why), the export has left the match on the sheet where it was: seeking it
    // again could only meet what broke the export off a second time.
    if (!u->VoorbereidenUitvoeren())
        return;
    if (LstWedstrijden->currentRow() >= 0)
        lijstKiezen(LstWedstrijden, LstWedstrijden->currentRow());
}

void FrmWedstrijdInput::MnuBeheerInloggen_Click()
{
    if (core::IStamgegevens* s = core::diensten().stamgegevens)
        s->PaswoordTonen();
}

void FrmWedstrijdInput::MnuBeheerUitloggen_Click()
{
    beheerderAangemeld(false);
}

void FrmWedstrijdInput::beheerderAangemeld(bool aangemeld)
{
    ui::menuInschakelen(MnuBeheerInloggen, !aangemeld);
    for (QAction* m : {MnuBeheerUitloggen, MnuBeheerPaswoordWijzigen, MnuBeheerGegevens, MnuBeheerClubs,
                       MnuBeheerOpties})
        ui::menuInschakelen(m, aangemeld);
}

void FrmWedstrijdInput::MnuBeheerPaswoordWijzigen_Click()
{
    core::IStamgegevens* s = core::diensten().stamgegevens;
    if (!s)
        return;
    uitschakelen();
    LabX->setText(QStringLiteral("Paswoord"));
    s->OptiesTonen();
}
