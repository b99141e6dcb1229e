#pragma once

// The import window: browse the provinces, clubs, members and divisions of the competition's web
// service, and import the chosen club, member, division or a member found by a search.

#include "soap/clsws_TabTAPIService.h"
#include "ui/StandaardInstantie.h"
#include "webimport/Opslag.h"

#include <QWidget>

#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QAction;

class FrmImportKorvat : public QWidget, public ui::StandaardInstantie<FrmImportKorvat>
{
    Q_OBJECT
    friend class ui::StandaardInstantie<FrmImportKorvat>;

public:
    /** The option that holds the service's address. */
    static inline const QString AdresOptie = QStringLiteral("Adres Webdienst");

    /** How the window's client reaches the service (tests shorten the time limit, trust a test certificate). */
    struct Verbindingsinstellingen
    {
        int tijdslimietMs = 60000;
        QList<QSslCertificate> extraCertificaten;
    };
    static Verbindingsinstellingen& verbindingsinstellingen();
    /** A client for the configured address, made with the connection settings. */
    static std::unique_ptr<soap::clsws_TabTAPIService> clientMaken();

    /** Loads the window when it is not loaded and shows it. */
    void toon();
    bool isGeladen() const { return m_geladen; }

    // Kept for the whole run, never stored.
    QString strAccount;
    QString strPaswoord;
    bool blnImporterenNaLogin = false;

    void APIGegevensImporteren();
    bool TestVerbinding();
    void GeenVerbinding();
    int seizoensnummer() const { return m_seizoen; }
    soap::clsws_TabTAPIService& client();

    QLabel* LabUitleg[6] = {};
    QListWidget* LstProvincies = nullptr;
    QLabel* LabClubs = nullptr;
    QListWidget* LstClubs = nullptr;
    QLabel* LabLeden = nullptr;
    QListWidget* LstLeden = nullptr;
    QLabel* LabReeksen = nullptr;
    QListWidget* LstReeksen = nullptr;
    QGroupBox* FraSelectie = nullptr;
    QRadioButton* OptSelectie[5] = {}; ///< 2, 3 and 4 are used
    QCheckBox* ChkEnkelSterktelijsten = nullptr;
    QPushButton* CmdReeksen[2] = {};
    QGroupBox* FraSpelerZoeken = nullptr;
    QRadioButton* OptSpelerZoeken[2] = {};
    QLineEdit* TxtTeZoeken[2] = {};
    QLabel* LabWildcard = nullptr;
    QListWidget* LstZoekresultaten = nullptr;
    QLabel* LabLogin[3] = {};
    QLabel* LabINfo[4] = {};
    QPushButton* CmdSluiten = nullptr;
    QPushButton* CmdTest = nullptr;
    QPushButton* CmdLeden = nullptr;
    QMenuBar* Menubalk = nullptr;
    QAction* MnuInloggen = nullptr;
    QAction* MnuInloggenLogin = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void LstProvincies_Click();
    void LstClubs_Click();
    void LstLeden_Click();
    void LstReeksen_Click();
    void LstZoekresultaten_Click();
    void OptSpelerZoeken_Click(int index);
    void TxtTeZoeken_Change(int index);
    void CmdReeksen_Click(int index);
    void CmdSluiten_Click();
    void MnuInloggenLogin_Click();

private:
    FrmImportKorvat();
    /** Makes the controls as designed, with their connections. */
    void ontwerpBouwen();
    /** Replaces the controls by new ones as designed. */
    void ontwerpHerstellen();
    void Form_Load();
    void Form_QueryUnload();
    void clubBranch(webimport::Opslag& opslag);
    void lidBranch(webimport::Opslag& opslag);
    void reeksBranch(webimport::Opslag& opslag);
    void zoekBranch(webimport::Opslag& opslag);
    void reeksImporteren(webimport::Opslag& opslag, qint64 reeksId);
    void foutTonen(const QString& tekst);
    void lijstLeegmaken(QListWidget* lijst);
    void lijstTekstKiezen(QListWidget* lijst, int rij);

    std::unique_ptr<soap::clsws_TabTAPIService> m_client;
    QString m_clientAdres;
    int m_seizoen = 0;
    int m_knop = 0;
    bool m_geladen = false;
    bool m_ooitGeladen = false;
    bool m_bezig = false;
    bool m_vullen = false;
};

/** The code of a list entry: the text before the first " | ". */
QString codeVan(const QString& regel);
