#include "FrmImportKorvat.h"

#include "frmLogin.h"
#include "webimport/Antwoorden.h"

#include "core/Algemeen.h"
#include "core/AlgemeneFuncties.h"
#include "core/AlgemeneProcedures.h"
#include "core/FrmWedstrijdInput.h"
#include "core/FunctiesQJ.h"
#include "core/MDIFrm.h"
#include "core/Opstart.h"
#include "core/Vertalingen.h"
#include "db/Database.h"
#include "ui/Keuzelijst.h"
#include "ui/Meldingen.h"
#include "ui/Twips.h"
#include "ui/Vensters.h"
#include "ui/Zandloper.h"
#include "ui/Toepassing.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>

using core::Vertaling;

namespace {

QString vertaald(int nummer)
{
    return Vertaling(nummer, 1);
}

QString adresOptie()
{
    db::Recordset rs = core::algemeen().dbGegevens.openRecordset(QStringLiteral("SELECT Item FROM Opties WHERE Soort = ?"),
                                                                 {FrmImportKorvat::AdresOptie});
    return rs.eof() ? QString() : core::objAlgemeneFuncties().Inhoud(rs.veld(0)).tekst().trimmed();
}

// What the storing procedures fetch, through the window's client and account.
class VensterBron : public webimport::Bron
{
public:
    explicit VensterBron(FrmImportKorvat& venster)
        : m_v(venster)
    {
    }
    bool verbinding() override { return m_v.TestVerbinding(); }
    std::optional<QList<webimport::Club>> club(const QString& clubcode) override
    {
        try {
            return lees(m_v.client().GetClubsOneClub(m_v.seizoensnummer(), clubcode), webimport::clubsLezen);
        } catch (const soap::SoapFout& f) {
            m_fout = f.beschrijving();
            return std::nullopt;
        }
    }
    std::optional<QList<webimport::Club>> clubs(int categorie) override
    {
        try {
            return lees(m_v.client().GetClubs(categorie, m_v.seizoensnummer()), webimport::clubsLezen);
        } catch (const soap::SoapFout& f) {
            m_fout = f.beschrijving();
            return std::nullopt;
        }
    }
    std::optional<QList<webimport::Lid>> leden(const QString& clubcode, int categorie) override
    {
        return lees(m_v.client().GetMembers(m_v.strAccount, m_v.strPaswoord, clubcode, categorie, m_v.seizoensnummer(), true),
                    webimport::ledenLezen);
    }
    QString fout() const override { return m_fout; }
    void voortgang(int label, const QString& tekst) override
    {
        m_v.LabINfo[label]->setText(tekst);
        // Shown twenty times a second at most: painting the window for every member stored took
        // most of an import's time, and the eye cannot follow it anyway.
        if (m_getekend.isValid() && m_getekend.elapsed() < 50)
            return;
        m_v.LabINfo[label]->repaint();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        m_getekend.start();
    }

    template <typename T>
    std::optional<T> lees(const std::optional<soap::Knooplijst>& antwoord,
                          std::optional<T> (*lezer)(const soap::Knooplijst&))
    {
        if (!antwoord) {
            m_fout = m_v.client().laatsteFout().tekst;
            return std::nullopt;
        }
        auto uit = lezer(*antwoord);
        if (!uit)
            m_fout = QStringLiteral("Het antwoord van de webdienst is onvolledig.");
        return uit;
    }

private:
    FrmImportKorvat& m_v;
    QString m_fout;
    QElapsedTimer m_getekend;
};

} // namespace

QString codeVan(const QString& regel)
{
    const qsizetype i = regel.indexOf(QStringLiteral(" | "));
    return i < 0 ? regel : regel.left(i);
}

FrmImportKorvat::Verbindingsinstellingen& FrmImportKorvat::verbindingsinstellingen()
{
    static Verbindingsinstellingen instellingen;
    return instellingen;
}

std::unique_ptr<soap::clsws_TabTAPIService> FrmImportKorvat::clientMaken()
{
    const Verbindingsinstellingen& i = verbindingsinstellingen();
    return std::make_unique<soap::clsws_TabTAPIService>(adresOptie(), i.tijdslimietMs, i.extraCertificaten);
}

FrmImportKorvat::FrmImportKorvat()
    : QWidget(MDIFrm::bestaat() ? &MDIFrm::standaard() : nullptr, ui::KindvensterVlaggen)
{
    setObjectName(QStringLiteral("FrmImportKorvat"));
    ontwerpBouwen();
}

void FrmImportKorvat::ontwerpBouwen()
{
    setWindowTitle(QStringLiteral("Import uit Competitie ZELM (Systeem Korvat)"));

    Menubalk = new QMenuBar(this);
    Menubalk->setObjectName(QStringLiteral("Menubalk"));
    ui::menuSneltoetsenVoorrang(this);
    QMenu* inloggen = Menubalk->addMenu(QStringLiteral("Inloggen"));
    MnuInloggen = inloggen->menuAction();
    MnuInloggen->setObjectName(QStringLiteral("MnuInloggen"));
    MnuInloggenLogin = inloggen->addAction(QStringLiteral("Login"));
    MnuInloggenLogin->setObjectName(QStringLiteral("MnuInloggenLogin"));
    ui::verbinden(MnuInloggenLogin, &QAction::triggered, this, &FrmImportKorvat::MnuInloggenLogin_Click);

    auto label = [this](const QString& naam, const QString& tekst, int l, int t, int w, int h) {
        auto* lab = new QLabel(tekst, this);
        lab->setObjectName(naam);
        lab->setWordWrap(true);
        ui::zetGeometrie(lab, l, t, w, h);
        return lab;
    };
    auto lijst = [this](const QString& naam, int l, int t, int w, int h) {
        auto* lst = new ui::Keuzelijst(this);
        lst->setObjectName(naam);
        ui::zetGeometrie(lst, l, t, w, h);
        return lst;
    };

    LabUitleg[0] = label(QStringLiteral("LabUitleg_0"), QStringLiteral("Provincies"), 120, 360, 3000, 255);
    for (int i = 1; i <= 5; ++i)
        LabUitleg[i] = label(QStringLiteral("LabUitleg_%1").arg(i), QString(), 12600, 360 + (i - 1) * 900, 3360, 855);
    LstProvincies = lijst(QStringLiteral("LstProvincies"), 120, 660, 3000, 3000);
    LstProvincies->hide();
    LabClubs = label(QStringLiteral("LabClubs"), QStringLiteral("Clubs"), 3240, 360, 4500, 255);
    LstClubs = lijst(QStringLiteral("LstClubs"), 3240, 660, 4500, 3000);
    LabLeden = label(QStringLiteral("LabLeden"), QStringLiteral("Leden"), 7860, 360, 4600, 255);
    LstLeden = lijst(QStringLiteral("LstLeden"), 7860, 660, 4600, 3000);
    LabReeksen = label(QStringLiteral("LabReeksen"), QStringLiteral("Reeksen"), 3240, 3780, 9220, 255);
    LstReeksen = lijst(QStringLiteral("LstReeksen"), 3240, 4080, 9220, 1500);

    FraSelectie = new QGroupBox(QStringLiteral("Selectie"), this);
    FraSelectie->setObjectName(QStringLiteral("FraSelectie"));
    ui::zetGeometrie(FraSelectie, 120, 3780, 3000, 2700);
    const QString selectie[] = {QString(), QString(), QStringLiteral("Geselecteerde club"),
                                QStringLiteral("Geselecteerd lid"), QStringLiteral("Geselecteerde reeks")};
    for (int i = 2; i <= 4; ++i) {
        OptSelectie[i] = new QRadioButton(selectie[i], FraSelectie);
        OptSelectie[i]->setObjectName(QStringLiteral("OptSelectie_%1").arg(i));
        OptSelectie[i]->setAutoExclusive(false);
        OptSelectie[i]->setEnabled(false);
        ui::zetGeometrie(OptSelectie[i], 120, 300 + (i - 2) * 330, 2700, 300);
        ui::verbinden(OptSelectie[i], &QRadioButton::toggled, this, [this, i](bool aan) {
            if (!aan)
                return;
            for (int j = 2; j <= 4; ++j) {
                if (j != i) {
                    const QSignalBlocker stil(OptSelectie[j]);
                    OptSelectie[j]->setChecked(false);
                }
            }
        });
    }
    ChkEnkelSterktelijsten = new QCheckBox(QStringLiteral("Enkel sterktelijsten van thuisclub importeren"), FraSelectie);
    ChkEnkelSterktelijsten->setObjectName(QStringLiteral("ChkEnkelSterktelijsten"));
    ui::zetGeometrie(ChkEnkelSterktelijsten, 120, 1320, 2760, 600);
    ChkEnkelSterktelijsten->hide();
    CmdReeksen[0] = new QPushButton(QStringLiteral("Spelers &Importeren"), FraSelectie);
    CmdReeksen[0]->setObjectName(QStringLiteral("CmdReeksen_0"));
    ui::zetGeometrie(CmdReeksen[0], 120, 2040, 2760, 495);

    FraSpelerZoeken = new QGroupBox(QStringLiteral("Speler Zoeken"), this);
    FraSpelerZoeken->setObjectName(QStringLiteral("FraSpelerZoeken"));
    ui::zetGeometrie(FraSpelerZoeken, 120, 6600, 12340, 2280);
    const QString zoeken[] = {QStringLiteral("Computernummer"), QStringLiteral("Naam en voornaam (of gedeelte)")};
    for (int i = 0; i < 2; ++i) {
        OptSpelerZoeken[i] = new QRadioButton(zoeken[i], FraSpelerZoeken);
        OptSpelerZoeken[i]->setObjectName(QStringLiteral("OptSpelerZoeken_%1").arg(i));
        ui::zetGeometrie(OptSpelerZoeken[i], 120, 300 + i * 330, 3000, 300);
        ui::verbinden(OptSpelerZoeken[i], &QRadioButton::toggled, this, [this, i](bool aan) {
            if (aan)
                OptSpelerZoeken_Click(i);
        });
        TxtTeZoeken[i] = new QLineEdit(FraSpelerZoeken);
        TxtTeZoeken[i]->setObjectName(QStringLiteral("TxtTeZoeken_%1").arg(i));
        ui::zetGeometrie(TxtTeZoeken[i], 120, 1020, 3000, 315);
        ui::verbinden(TxtTeZoeken[i], &QLineEdit::textChanged, this, [this, i] { TxtTeZoeken_Change(i); });
    }
    {
        const QSignalBlocker stil(OptSpelerZoeken[0]);
        OptSpelerZoeken[0]->setChecked(true);
    }
    TxtTeZoeken[1]->hide();
    LabWildcard = new QLabel(QStringLiteral("Wildcard symbool: %"), FraSpelerZoeken);
    LabWildcard->setObjectName(QStringLiteral("LabWildcard"));
    ui::zetGeometrie(LabWildcard, 120, 1400, 3000, 255);
    LabWildcard->hide();
    LstZoekresultaten = new ui::Keuzelijst(FraSpelerZoeken);
    LstZoekresultaten->setObjectName(QStringLiteral("LstZoekresultaten"));
    ui::zetGeometrie(LstZoekresultaten, 3240, 300, 6000, 1860);
    CmdReeksen[1] = new QPushButton(QStringLiteral("Spelers &Importeren"), FraSpelerZoeken);
    CmdReeksen[1]->setObjectName(QStringLiteral("CmdReeksen_1"));
    ui::zetGeometrie(CmdReeksen[1], 9360, 1660, 2760, 495);
    CmdReeksen[1]->setEnabled(false);

    const QString login[] = {QStringLiteral("Login"), QString(), QString()};
    for (int i = 0; i < 3; ++i) {
        LabLogin[i] = label(QStringLiteral("LabLogin_%1").arg(i), login[i], 12600, 5000 + i * 300, 3360, 255);
        LabLogin[i]->hide();
    }
    const QString info[] = {QStringLiteral("Bezig met het importeren van ..."), QStringLiteral("Reeks"),
                            QStringLiteral("Ploeg"), QStringLiteral("Speler")};
    for (int i = 0; i < 4; ++i) {
        LabINfo[i] = label(QStringLiteral("LabINfo_%1").arg(i), info[i], 120, 8960 + i * 0, 12340, 255);
        LabINfo[i]->hide();
    }
    for (int i = 1; i < 4; ++i)
        ui::zetGeometrie(LabINfo[i], 120 + (i - 1) * 4200, 9200, 4100, 255);
    CmdSluiten = new QPushButton(QStringLiteral("&Sluiten"), this);
    CmdSluiten->setObjectName(QStringLiteral("CmdSluiten"));
    ui::zetGeometrie(CmdSluiten, 14400, 8400, 1400, 435);
    CmdTest = new QPushButton(QStringLiteral("Test"), this);
    CmdTest->setObjectName(QStringLiteral("CmdTest"));
    CmdTest->hide();
    CmdLeden = new QPushButton(QStringLiteral("Ledenlijst"), this);
    CmdLeden->setObjectName(QStringLiteral("CmdLeden"));
    CmdLeden->hide();

    ui::verbinden(LstProvincies, &QListWidget::currentRowChanged, this, [this](int r) {
        if (r >= 0 && !m_vullen)
            LstProvincies_Click();
    });
    ui::verbinden(LstClubs, &QListWidget::currentRowChanged, this, [this](int r) {
        if (r >= 0 && !m_vullen)
            LstClubs_Click();
    });
    ui::verbinden(LstLeden, &QListWidget::currentRowChanged, this, [this](int r) {
        if (r >= 0 && !m_vullen)
            LstLeden_Click();
    });
    ui::verbinden(LstReeksen, &QListWidget::currentRowChanged, this, [this](int r) {
        if (r >= 0 && !m_vullen)
            LstReeksen_Click();
    });
    ui::verbinden(LstZoekresultaten, &QListWidget::currentRowChanged, this, [this](int r) {
        if (r >= 0 && !m_vullen)
            LstZoekresultaten_Click();
    });
    for (int i = 0; i < 2; ++i)
        ui::verbinden(CmdReeksen[i], &QPushButton::clicked, this, [this, i] { CmdReeksen_Click(i); });
    ui::verbinden(CmdSluiten, &QPushButton::clicked, this, &FrmImportKorvat::CmdSluiten_Click);
}

void FrmImportKorvat::toon()
{
    if (!m_geladen)
        Form_Load();
    show();
    raise();
    activateWindow();
}

soap::clsws_TabTAPIService& FrmImportKorvat::client()
{
    // Made on first use; made again when the address changed or the service could not be reached.
    const QString adres = adresOptie();
    if (!m_client || adres != m_clientAdres || !m_client->client().isKlaar()) {
        m_client = clientMaken();
        m_clientAdres = adres;
    }
    return *m_client;
}

void FrmImportKorvat::lijstLeegmaken(QListWidget* lijst)
{
    m_vullen = true;
    lijst->clear();
    m_vullen = false;
}

void FrmImportKorvat::lijstTekstKiezen(QListWidget* lijst, int rij)
{
    m_vullen = true;
    lijst->setCurrentRow(rij);
    m_vullen = false;
}

void FrmImportKorvat::ontwerpHerstellen()
{
    // The controls of the last opening go, with their contents and states; the window's own state
    // (account, password, client) stays.
    for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        delete w;
    ontwerpBouwen();
}

void FrmImportKorvat::Form_Load()
{
    ui::Zandloper zandloper;
    core::Algemeen& a = core::algemeen();
    // Every opening starts from the design: no choice, search or login result of an earlier one.
    if (m_ooitGeladen)
        ontwerpHerstellen();
    m_ooitGeladen = true;
    ui::vensterPlaatsen(this, 0, 0, 16110, 9585);
    setWindowTitle(vertaald(380));
    LabUitleg[0]->setText(vertaald(382) + u':');
    for (int i = 1; i <= 5; ++i)
        LabUitleg[i]->setText(vertaald(382 + i));
    LabClubs->setText(vertaald(390) + u':');
    LabLeden->setText(vertaald(391) + u':');
    FraSelectie->setTitle(vertaald(394));
    OptSelectie[2]->setText(vertaald(397));
    OptSelectie[3]->setText(vertaald(398));
    OptSelectie[4]->setText(vertaald(919));
    CmdReeksen[0]->setText(vertaald(381));
    CmdReeksen[1]->setText(vertaald(381));
    FraSpelerZoeken->setTitle(vertaald(399));
    OptSpelerZoeken[0]->setText(vertaald(400));
    OptSpelerZoeken[1]->setText(vertaald(401));
    LabWildcard->setText(vertaald(408));
    LabLogin[0]->setText(vertaald(403));
    const int info[] = {388, 92, 97, 96};
    for (int i = 0; i < 4; ++i)
        LabINfo[i]->setText(vertaald(info[i]));
    CmdSluiten->setText(vertaald(215));
    MnuInloggen->setText(vertaald(349));
    MnuInloggenLogin->setText(vertaald(403));

    if (!strAccount.isEmpty()) {
        LabLogin[0]->show();
        LabLogin[1]->show();
        LabLogin[1]->setText(strAccount);
    }
    webimport::importMarkeringenWissen();
    blnImporterenNaLogin = false;
    m_seizoen = core::SeizoenNr(QString::number(core::objFunctiesQJ().BeginDitSeizoen().year()));
    m_geladen = true;

    lijstLeegmaken(LstProvincies);
    db::Recordset& p = a.rsProvincies;
    if (!p.isOpen() || (p.moveFirst(), p.eof())) {
        CmdReeksen[0]->setEnabled(false);
    } else {
        m_vullen = true;
        for (p.moveFirst(); !p.eof(); p.moveNext()) {
            auto* item = new QListWidgetItem(
                p.veld(a.strTaal == u"N" ? QStringLiteral("Provincie") : QStringLiteral("Province")).tekst());
            item->setData(Qt::UserRole, p.veld(QStringLiteral("Nr")).geheel());
            LstProvincies->addItem(item);
        }
        m_vullen = false;
        for (int i = 0; i < LstProvincies->count(); ++i) {
            if (LstProvincies->item(i)->text() == a.strProvincie) {
                lijstTekstKiezen(LstProvincies, i);
                LstProvincies_Click();
                break;
            }
        }
        CmdReeksen[0]->setEnabled(true);
    }
    LstProvincies->show();

    // The own club, when the club list holds it.
    QString code = core::ProvincieTabT(core::ProvincieNaam(a.strClubProv.toInt())).toUpper();
    if (code == u"VLB")
        code = QStringLiteral("VL-B");
    for (int i = 0; i < LstClubs->count(); ++i) {
        if (codeVan(LstClubs->item(i)->text()).toUpper() == code + a.strClubNr) {
            lijstTekstKiezen(LstClubs, i);
            LstClubs_Click();
            break;
        }
    }
}

bool FrmImportKorvat::TestVerbinding()
{
    ui::Zandloper zandloper;
    return client().test().has_value();
}

void FrmImportKorvat::GeenVerbinding()
{
    if (adresOptie().isEmpty()) {
        ui::meldingen().kritiek(vertaald(380),
                                QStringLiteral("Het adres van de webdienst is niet ingesteld.\r\n"
                                               "Vul het in bij Opties, onder \"Adres van de webdienst\"."));
        return;
    }
    // A refused address is no failed connection: checking the connection would not help.
    if (m_client && m_client->laatsteFout().soort == soap::Fout::Soort::Adres) {
        ui::meldingen().kritiek(vertaald(380), m_client->laatsteFout().tekst);
        return;
    }
    QString tekst = vertaald(383) + QStringLiteral("\r\n") + vertaald(389);
    const QString reden = m_client ? m_client->laatsteFout().tekst : QString();
    if (!reden.isEmpty())
        tekst += QStringLiteral("\r\n\r\n") + reden;
    ui::meldingen().kritiek(vertaald(380), tekst);
}

void FrmImportKorvat::foutTonen(const QString& tekst)
{
    ui::meldingen().kritiek(vertaald(380), tekst);
}

void FrmImportKorvat::LstProvincies_Click()
{
    lijstLeegmaken(LstClubs);
    lijstLeegmaken(LstLeden);
    lijstLeegmaken(LstReeksen);
    OptSelectie[2]->setEnabled(false);
    OptSelectie[3]->setEnabled(false);
    ChkEnkelSterktelijsten->hide();
    if (!TestVerbinding()) {
        GeenVerbinding();
        return;
    }
    QListWidgetItem* gekozen = LstProvincies->currentItem();
    const int categorie = webimport::NrProvOmzettenNaarNrKorvat(gekozen ? gekozen->data(Qt::UserRole).toInt() : 0);
    std::optional<soap::Knooplijst> antwoord;
    try {
        antwoord = client().GetClubs(categorie, m_seizoen);
    } catch (const soap::SoapFout& f) {
        foutTonen(QStringLiteral("De clubs konden niet opgehaald worden: %1").arg(f.beschrijving()));
        return;
    }
    int n = 0;
    if (antwoord) {
        m_vullen = true;
        for (const soap::Element* c : soap::alleVan(*antwoord, u"ClubEntries")) {
            const QString code = c->kindTekst(u"UniqueIndex");
            const QString naam = c->kindTekst(u"Name");
            if (naam.isEmpty())
                continue;
            LstClubs->addItem(code.isEmpty() ? naam : code + QStringLiteral(" | ") + naam);
            ++n;
        }
        m_vullen = false;
    }
    if (n == 0)
        ui::meldingen().informatie(vertaald(390), vertaald(392));
}

void FrmImportKorvat::LstClubs_Click()
{
    core::Algemeen& a = core::algemeen();
    OptSelectie[2]->setEnabled(true);
    OptSelectie[2]->setChecked(true);
    lijstLeegmaken(LstLeden);
    lijstLeegmaken(LstReeksen);
    OptSelectie[3]->setEnabled(false);
    OptSelectie[4]->setEnabled(false);
    const QString code = codeVan(LstClubs->currentItem() ? LstClubs->currentItem()->text() : QString());
    const QString zonder = QString(code).remove(u'-');
    const bool eigen = zonder.right(3) == a.strClubNr && webimport::provincieVanClubcode(zonder) == a.strClubProv.toInt();
    ChkEnkelSterktelijsten->setVisible(eigen);
    if (!TestVerbinding()) {
        GeenVerbinding();
        return;
    }
    const auto leden = client().GetMembers(strAccount, strPaswoord, code, 0, m_seizoen, false);
    int n = 0;
    if (leden) {
        m_vullen = true;
        for (const soap::Element* l : soap::alleVan(*leden, u"MemberEntries")) {
            LstLeden->addItem(QStringLiteral("%1 | %2 | %3 %4")
                                  .arg(l->kindTekst(u"UniqueIndex"), l->kindTekst(u"Ranking"), l->kindTekst(u"LastName"),
                                       l->kindTekst(u"FirstName")));
            ++n;
        }
        m_vullen = false;
    }
    if (n == 0)
        ui::meldingen().informatie(vertaald(391), vertaald(393));
    const auto ploegen = client().GetClubTeams(strAccount, strPaswoord, code, m_seizoen);
    if (ploegen) {
        m_vullen = true;
        for (const soap::Element* p : soap::alleVan(*ploegen, u"TeamEntries")) {
            auto* item = new QListWidgetItem(p->kindTekst(u"Team") + QStringLiteral(" | ") + p->kindTekst(u"DivisionName"));
            item->setData(Qt::UserRole, p->kindTekst(u"DivisionId").toLongLong());
            LstReeksen->addItem(item);
        }
        m_vullen = false;
    }
}

void FrmImportKorvat::LstLeden_Click()
{
    OptSelectie[3]->setEnabled(true);
    OptSelectie[3]->setChecked(true);
}

void FrmImportKorvat::LstReeksen_Click()
{
    OptSelectie[4]->setEnabled(true);
    OptSelectie[4]->setChecked(true);
}

void FrmImportKorvat::LstZoekresultaten_Click()
{
    CmdReeksen[1]->setEnabled(true);
}

void FrmImportKorvat::OptSpelerZoeken_Click(int index)
{
    TxtTeZoeken[0]->setVisible(index == 0);
    TxtTeZoeken[1]->setVisible(index == 1);
    LabWildcard->setVisible(index == 1);
    TxtTeZoeken[index]->setFocus();
    TxtTeZoeken[index]->selectAll();
}

void FrmImportKorvat::TxtTeZoeken_Change(int index)
{
    lijstLeegmaken(LstZoekresultaten);
    CmdReeksen[1]->setEnabled(false);
    const QString tekst = TxtTeZoeken[index]->text();
    // Only a text that can be searched asks anything of the service.
    if (index == 0 ? tekst.size() != 6 : tekst.size() <= 3)
        return;
    if (index == 0 && tekst.toLongLong() <= 0)
        return;
    if (!TestVerbinding()) {
        GeenVerbinding();
        return;
    }
    const bool metLogin = !strAccount.isEmpty() && !strPaswoord.isEmpty();
    std::optional<soap::Knooplijst> antwoord;
    try {
        if (index == 1) {
            antwoord = client().GetOneMemberNameSearch(metLogin ? strAccount : QString(), metLogin ? strPaswoord : QString(),
                                                       tekst, m_seizoen, metLogin);
        } else {
            antwoord = client().GetOneMemberUniqueIndex(metLogin ? strAccount : QString(),
                                                        metLogin ? strPaswoord : QString(), tekst.toLongLong(),
                                                        m_seizoen, metLogin, 1);
        }
    } catch (const soap::SoapFout& f) {
        foutTonen(QStringLiteral("Zoeken lukte niet: %1").arg(f.beschrijving()));
        return;
    }
    if (!antwoord)
        return;
    m_vullen = true;
    for (const soap::Element* l : soap::alleVan(*antwoord, u"MemberEntries")) {
        LstZoekresultaten->addItem(QStringLiteral("%1 | %2 | %3 | %4 %5")
                                       .arg(l->kindTekst(u"UniqueIndex"), l->kindTekst(u"Club"), l->kindTekst(u"Ranking"),
                                            l->kindTekst(u"LastName"), l->kindTekst(u"FirstName")));
    }
    m_vullen = false;
}

void FrmImportKorvat::CmdReeksen_Click(int index)
{
    m_knop = index;
    if (!strAccount.isEmpty() && !strPaswoord.isEmpty()) {
        APIGegevensImporteren();
    } else {
        blnImporterenNaLogin = true;
        frmLogin::standaard().toon();
    }
}

void FrmImportKorvat::MnuInloggenLogin_Click()
{
    frmLogin::standaard().toon();
}

void FrmImportKorvat::CmdSluiten_Click()
{
    close();
}

void FrmImportKorvat::closeEvent(QCloseEvent* event)
{
    ui::afgeschermd([&] {
        if (m_bezig) {
            // An import is running; the window closes when it has ended.
            event->ignore();
            return;
        }
        Form_QueryUnload();
        event->accept();
    });
}

void FrmImportKorvat::Form_QueryUnload()
{
    m_geladen = false;
    if (FrmWedstrijdInput::bestaat()) {
        FrmWedstrijdInput& hoofd = FrmWedstrijdInput::standaard();
        hoofd.teruggeven();
        if (hoofd.LstSeizoen->currentItem())
            hoofd.LijstHerselecteren(hoofd.LstSeizoen);
    }
}

// ---------------------------------------------------------------------------------------------
// The import driver

void FrmImportKorvat::APIGegevensImporteren()
{
    if (m_bezig)
        return;
    m_bezig = true;
    setEnabled(false);
    // Whatever ends the import, also a failure of a kind not caught below, the window is ready again.
    auto klaar = qScopeGuard([this] {
        setEnabled(true);
        m_bezig = false;
    });
    if (!TestVerbinding()) {
        GeenVerbinding();
        return;
    }
    // Every press imports what it says: a club that an earlier press brought in is fetched again, as
    // the service has it now (only within one press is each club fetched once).
    webimport::importMarkeringenWissen();
    for (QLabel* l : LabINfo)
        l->show();
    auto verbergen = qScopeGuard([this] {
        for (QLabel* l : LabINfo)
            l->hide();
    });
    for (int i = 1; i < 4; ++i)
        LabINfo[i]->setText(QString());

    VensterBron bron(*this);
    webimport::Opslag opslag(bron);
    try {
        if (m_knop == 1)
            zoekBranch(opslag);
        else if (OptSelectie[2]->isChecked())
            clubBranch(opslag);
        else if (OptSelectie[3]->isChecked())
            lidBranch(opslag);
        else if (OptSelectie[4]->isChecked())
            reeksBranch(opslag);
    } catch (const webimport::ImportFout& f) {
        foutTonen(f.tekst());
    } catch (const soap::SoapFout& f) {
        foutTonen(QStringLiteral("De webdienst meldde een fout (%1): %2\r\nEr werd niets gewijzigd.")
                      .arg(f.bron(), f.beschrijving()));
    } catch (const db::DbFout& f) {
        foutTonen(QStringLiteral("De gegevens konden niet opgeslagen worden: %1\r\nEr werd niets gewijzigd.").arg(f.tekst()));
    }
}

void FrmImportKorvat::reeksImporteren(webimport::Opslag& opslag, qint64 reeksId)
{
    VensterBron lezer(*this);
    const auto wedstrijden =
        lezer.lees(client().GetMatchesPerReeks(strAccount, strPaswoord, QString::number(reeksId), m_seizoen),
                   webimport::wedstrijdenLezen);
    if (!wedstrijden) {
        throw webimport::ImportFout(
            QStringLiteral("De wedstrijden van reeks %1 konden niet opgehaald worden: %2\r\nEr werd niets gewijzigd.")
                .arg(reeksId)
                .arg(lezer.fout()));
    }
    opslag.APIMatchenOpslaan(*wedstrijden, reeksId);
}

void FrmImportKorvat::clubBranch(webimport::Opslag& opslag)
{
    core::Algemeen& a = core::algemeen();
    LabINfo[1]->setText(vertaald(413) + QStringLiteral(": ") + (LstProvincies->currentItem() ? LstProvincies->currentItem()->text() : QString()));
    LabINfo[2]->setText(vertaald(101) + QStringLiteral(": ") + (LstClubs->currentItem() ? LstClubs->currentItem()->text() : QString()));
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    const QString code = codeVan(LstClubs->currentItem() ? LstClubs->currentItem()->text() : QString()).remove(u'-');
    if (code.size() < 4)
        throw webimport::ImportFout(QStringLiteral("Gelieve eerst een club te selecteren."));
    const QString clubNr = code.right(3);
    const int provincie = webimport::provincieVanClubcode(code);

    // The whole club is imported or nothing of it: a failure part-way (the service, the database)
    // leaves the database and the own club in memory as they were.
    db::Transactie t(a.dbGegevens);
    const QString vorigClubNr = a.strClubNr;
    const QString vorigeClubProv = a.strClubProv;
    auto terug = qScopeGuard([&a, vorigClubNr, vorigeClubProv] {
        a.strClubNr = vorigClubNr;
        a.strClubProv = vorigeClubProv;
    });

    // The first club imported becomes the own club.
    bool eersteEigenClub = false;
    db::Recordset rs = a.dbGegevens.openRecordset(QStringLiteral("SELECT Item FROM Opties WHERE Soort = 'ClubNr'"));
    if (rs.eof())
        throw webimport::ImportFout(QStringLiteral("De optie 'ClubNr' ontbreekt in de database."));
    if (core::objAlgemeneFuncties().Inhoud(rs.veld(0)).tekst().isEmpty()) {
        a.strClubNr = clubNr;
        a.strClubProv = QString::number(provincie);
        a.dbGegevens.uitvoeren(QStringLiteral("UPDATE Opties SET Item = ? WHERE Soort = 'ClubNr'"), {a.strClubNr});
        a.dbGegevens.uitvoeren(QStringLiteral("UPDATE Opties SET Item = ? WHERE Soort = 'ClubProv'"), {a.strClubProv});
        a.dbGegevens.uitvoeren(QStringLiteral("UPDATE Opties SET Item = ? WHERE Soort = 'Provincie'"), {a.strClubProv});
        eersteEigenClub = true;
    }
    const bool eigen = a.strClubNr == clubNr && a.strClubProv.toInt() == provincie;
    if (eigen && !ChkEnkelSterktelijsten->isChecked()) {
        for (int i = 0; i < LstReeksen->count(); ++i)
            reeksImporteren(opslag, LstReeksen->item(i)->data(Qt::UserRole).toLongLong());
    } else {
        opslag.SpelersVanClubImporteren(clubNr, provincie, code);
    }
    t.vastleggen();
    terug.dismiss();
    // The own province and the club's province, with their names and abbreviations, as stored now.
    if (eersteEigenClub)
        core::ProvincieEnClubNrLezen();
}

void FrmImportKorvat::lidBranch(webimport::Opslag& opslag)
{
    LabINfo[1]->setText(vertaald(413) + QStringLiteral(": ") + (LstProvincies->currentItem() ? LstProvincies->currentItem()->text() : QString()));
    LabINfo[2]->setText(vertaald(101) + QStringLiteral(": ") + (LstClubs->currentItem() ? LstClubs->currentItem()->text() : QString()));
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const QString clubcode = codeVan(LstClubs->currentItem() ? LstClubs->currentItem()->text() : QString());
    if (!LstLeden->currentItem()) {
        ui::meldingen().kritiek(vertaald(398), vertaald(409));
        return;
    }
    const qint64 lidnummer = codeVan(LstLeden->currentItem()->text()).toLongLong();

    // Fetched in full first; only then is anything changed.
    static const int categorieen[] = {1, 2, 3, 27};
    QList<QList<webimport::Lid>> antwoorden;
    VensterBron lezer(*this);
    for (int cat : categorieen) {
        const auto leden = lezer.lees(client().GetOneMemberUniqueIndex(strAccount, strPaswoord, lidnummer, m_seizoen, true, cat),
                                      webimport::ledenLezen);
        if (!leden) {
            throw webimport::ImportFout(QStringLiteral("Lid %1 kon niet opgehaald worden: %2\r\nEr werd niets gewijzigd.")
                                            .arg(lidnummer)
                                            .arg(lezer.fout()));
        }
        antwoorden << *leden;
    }
    db::Transactie t(core::algemeen().dbGegevens);
    core::algemeen().dbGegevens.uitvoeren(QStringLiteral("UPDATE Leden SET Geschrapt = 'J' WHERE CompNr = ?"),
                                          {webimport::compNrVan(QString::number(lidnummer))});
    for (int i = 0; i < 4; ++i)
        opslag.APIGegevensLedenOpslaan(antwoorden[i], clubcode, categorieen[i], true);
    t.vastleggen();
}

void FrmImportKorvat::reeksBranch(webimport::Opslag& opslag)
{
    LabINfo[1]->setText(vertaald(413) + QStringLiteral(": ") + (LstProvincies->currentItem() ? LstProvincies->currentItem()->text() : QString()));
    LabINfo[2]->setText(vertaald(101) + QStringLiteral(": ") + (LstClubs->currentItem() ? LstClubs->currentItem()->text() : QString()));
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (!LstReeksen->currentItem()) {
        ui::meldingen().kritiek(vertaald(919), vertaald(920));
        return;
    }
    reeksImporteren(opslag, LstReeksen->currentItem()->data(Qt::UserRole).toLongLong());
}

void FrmImportKorvat::zoekBranch(webimport::Opslag& opslag)
{
    if (!LstZoekresultaten->currentItem())
        return;
    const qint64 lidnummer = codeVan(LstZoekresultaten->currentItem()->text()).toLongLong();
    VensterBron lezer(*this);
    const auto leden = lezer.lees(client().GetOneMemberUniqueIndex(strAccount, strPaswoord, lidnummer, m_seizoen, true, 0),
                                  webimport::ledenLezen);
    if (!leden) {
        throw webimport::ImportFout(QStringLiteral("Lid %1 kon niet opgehaald worden: %2\r\nEr werd niets gewijzigd.")
                                        .arg(lidnummer)
                                        .arg(lezer.fout()));
    }
    db::Transactie t(core::algemeen().dbGegevens);
    core::algemeen().dbGegevens.uitvoeren(QStringLiteral("UPDATE Leden SET Geschrapt = 'J' WHERE CompNr = ?"),
                                          {webimport::compNrVan(QString::number(lidnummer))});
    opslag.APIGegevensLedenOpslaan(*leden, QString(), 1);
    t.vastleggen();
}
