#pragma once

// The player picker: chooses the member of one slot of the match on the sheet (a line-up place, the
// doubles pair, a captain, the head referee or the hall commissioner), checks him against the
// line-up rules, marks games not played and absence, and writes the choice when it closes.

#include "lineup/Dubbels.h"
#include "lineup/Opstellingsregels.h"
#include "ui/StandaardInstantie.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimer;

class FrmSpelersKiezen : public QWidget, public ui::StandaardInstantie<FrmSpelersKiezen>
{
    Q_OBJECT
    friend class ui::StandaardInstantie<FrmSpelersKiezen>;

public:
    /** Loads the window for the command word and value of the main window, shows and activates it. */
    void toon();

    /** Looks up the member in TxtCompNr and applies the line-up rules (also what leaving the box does). */
    void SpelerInvullen();
    /** Selects the strength-list entry of the member, or nothing. */
    void SpelerinLijstSelecteren(const QString& compNr);
    /** Fills the strength list (doel 1) or the doubles combo (doel 2) with one club's list. */
    void SterktelijstVullen(const QString& provincieNr, const QString& clubNr, const QString& soort, int doel);
    /** The search in the strength list: from the top (0) or on from the last hit (1). */
    void SpelerZoekenInSterktelijst(int volgende);
    /** The province abbreviation chosen in LstProv (the empty text for none). */
    QString provincieTekst() const;
    /** Chooses the province with this abbreviation in LstProv (none when it is not there). */
    void provincieZetten(const QString& afkorting);
    /**
     * While the window is open for a line-up place: the games-not-played and absence boxes show
     * what is stored of the place, as when the window was loaded (nothing is written).
     */
    void woOpgeslagenTonen();

    bool blnSuperMatch = false;

    QGroupBox* FraSpeler = nullptr;
    QList<QLabel*> LabTitels; ///< 0..6
    QLineEdit* TxtCompNr = nullptr;
    QLineEdit* TxtNaam = nullptr;
    QLineEdit* TxtKlas = nullptr;
    QLineEdit* TxtIndex = nullptr;
    QLineEdit* TxtVolgNr = nullptr;
    QLineEdit* TxtClubNr = nullptr;
    QLineEdit* TxtClubnaam = nullptr;
    QListWidget* LstProv = nullptr;
    QListWidget* LstSterktelijst = nullptr;
    QLabel* LabSpelerZoeken = nullptr;
    QLineEdit* TxtFilter = nullptr;
    QPushButton* CmdZoekenEerste = nullptr;
    QPushButton* CmdZoekenVolgende = nullptr;
    QPushButton* CmdSpelerWissen = nullptr;
    QPushButton* CmdSluiten = nullptr;
    QPushButton* CmdAnnuleren = nullptr;
    QGroupBox* FraWO = nullptr;
    QList<QCheckBox*> ChkWedstrijd; ///< 0..3
    QCheckBox* ChkWO = nullptr;
    QGroupBox* FraDubbel = nullptr;
    QLabel* LabKeuzeDubbel = nullptr;
    QCheckBox* ChkNaam1 = nullptr;
    QCheckBox* ChkNaam2 = nullptr;
    QCheckBox* ChkNaam3 = nullptr;
    QCheckBox* ChkNaam4 = nullptr;
    QComboBox* CboSterktelijst = nullptr;
    QList<QRadioButton*> OptCombinatie; ///< 0..2
    QLabel* Image1 = nullptr;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void TxtFilter_Change();
    void CmdZoekenEerste_Click();
    void CmdZoekenVolgende_Click();
    void LstSterktelijst_Click();
    void LstSterktelijst_DblClick();
    void CboSterktelijst_Click();
    void CmdSpelerWissen_Click();
    void CmdSluiten_Click();
    void CmdAnnuleren_Click();
    void ChkWedstrijd_Click(int Index);
    void ChkWO_Click();

private:
    FrmSpelersKiezen();
    void Form_Load();
    void Form_Activate();
    /** The save when the window closes; cancel keeps it open. */
    void Form_QueryUnload(bool& cancel);
    /** Controls shown, hidden and enabled as designed, before a mode lays the window out. */
    void ontwerpHerstellen();
    void LijstProvincies();
    void woVooraf();
    void DubbelteamTonen(const QString& kant, const QString& ploegNaam);
    /** The doubles choice as the window shows it. */
    lineup::Dubbelkeuze dubbelkeuze() const;
    int TelDubbelspelers() const;
    QString CmpNrDubbelspelers() const;
    void centreren();
    void UitslagBerekenen();
    /** The sheet shows both captains as stored. */
    void KapiteinenTonen();
    /** The main window's command word. */
    QString opdrachtwoord() const;
    /** Fills the boxes with what the look-up found; after a refusal they show the place's member again. */
    void regelsToepassen(const lineup::Opstellingsuitvoer& uit);
    /** SpelerInvullen; false when the rules refused the member. */
    bool invullen();
    /** The member number is that of the member stored on the line-up place. */
    bool staatOpPlaats(const QString& compNr) const;
    /**
     * After a look-up of the number stored for the head referee or hall commissioner: what is stored for
     * him (name, province, club) goes back into its box; a box stored empty keeps what the look-up found.
     */
    void officieelBehouden();
    /** Empties the detail boxes, pads the member number and gathers what the rules read. */
    lineup::Opstellingsinvoer opzoekInvoer();
    /**
     * SpelerInvullen for a hit of the search while the user types: the boxes are filled when the rules
     * accept the member without a box; false (nothing filled) when they would show one.
     */
    bool stilInvullen();
    /**
     * SpelerInvullen when the member number differs from the one the boxes were filled for; false when
     * the rules refused it.
     */
    bool nummerNazien();
    /**
     * The member number the search put into the member box is looked up: at once, or, while the user
     * types and the rules would show a box, when the typing stops.
     */
    void zoektrefferNazien();
    /**
     * The search text is on no entry of the list. A whole member number is taken as if typed in the member
     * box; any other text takes back the member an earlier search text found, so that the boxes show what
     * they showed before the search.
     */
    void zoektekstZonderTreffer();
    /** The boxes show again what they showed before the search put its hit in them. */
    void zoektrefferTerugnemen();
    /** The boxes show the member the search put in them. */
    bool zoektrefferGetoond() const;

    /** What the boxes show of the member, to be put back. */
    struct Keuze
    {
        QString compNr, naam, klas, index, volgNr, clubNr, clubnaam, provincie;
        int lijstRij = -1;
        QString getoondNr, aanvaardNr;
        bool opSterktelijst = false;
    };
    Keuze huidigeKeuze() const;
    void keuzeTerugzetten(const Keuze& keuze);

    lineup::Slot m_slot;
    QString m_strOpdrachtwaarde;
    QString m_strVeldnaam;
    /** The member stored on the line-up place when the window was loaded (empty for other slots). */
    QString m_plaatsNr;
    /** The member number that the boxes were last filled for (the place's member after a refusal). */
    QString m_getoondNr;
    /**
     * The member the last look-up accepted, whom the boxes show (empty after a refusal or while a search
     * hit waits to be judged): typed again or left unchanged, he is not judged a second time.
     */
    QString m_aanvaardNr;
    /** What the match holds for the head referee or hall commissioner the window was loaded for. */
    struct Officieel
    {
        QString nr, naam, provincie, clubNr, clubNaam;
    };
    std::optional<Officieel> m_officieel;
    QPushButton* m_objOpstellingsknop = nullptr;
    qint64 m_lngCompNrPloeg[4] = {0, 0, 0, 0};
    bool m_blnAnnuleren = false;
    bool m_blnOpSterktelijst = false;
    bool m_blnSpelersOntbreken = false;
    int m_intZoekPositie = 0;
    /** The search selects an entry: the list's click takes its member as a search hit. */
    bool m_zoekend = false;
    /** The member number the search last put into the member box (empty when none since the load). */
    QString m_zoekTreffer;
    /** What the boxes showed before the search put its first hit in them. */
    Keuze m_voorZoeken;
    bool m_open = false;
    /** The window has been opened and not yet activated by the window system. */
    bool m_activeringCentreert = false;
    /** The search runs for a letter typed in TxtFilter. */
    bool m_typend = false;
    /**
     * A search hit waits to be judged: the rules would show a box for it, which comes when the typing
     * stops, on Enter or when the search box is left.
     */
    bool m_trefferWacht = false;
    /** Runs while a search hit waits for the typing to stop before the rules show their box. */
    QTimer* m_typepauze = nullptr;
};
