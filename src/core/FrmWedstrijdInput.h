#pragma once

// The main window: the season, play-date and match lists, the match sheet and the menu bar.

#include "core/Wedstrijdblad.h"
#include "ui/StandaardInstantie.h"

#include <QHash>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>

class QAction;
class QCheckBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;

namespace core {
class IUitwisseling;
}

class FrmWedstrijdInput : public QWidget, public ui::StandaardInstantie<FrmWedstrijdInput>
{
    Q_OBJECT
    friend class ui::StandaardInstantie<FrmWedstrijdInput>;

public:
    /** What ends the program; tests put a recorder in its place. */
    static void zetProgrammaBeeindigen(std::function<void()> beeindigen);

    /**
     * The load of the window: opens the database, reads the options and fills the season list.
     * @throw core::OpstartFout when the database cannot be used
     */
    void Form_Load();
    /** Shows the window, loading it first when it was unloaded (the reload after re-indexing). */
    void toon();
    bool isGeladen() const { return m_geladen; }
    /** Runs whenever the window becomes the active window, also when a child window gives it back. */
    void Form_Activate();

    /** Disables the window (with its menu bar) while a child window has it. */
    void uitschakelen();
    /** A child window gives the window back: enabled and shown. */
    void teruggeven();

    // Controls that other windows and the procedures of the sheet read and write.
    QLabel* lblVersion = nullptr;
    QGroupBox* FraSeizoen = nullptr;
    QListWidget* LstSeizoen = nullptr;
    QGroupBox* FraSpeelweek = nullptr;
    QListWidget* LstSpeelweek = nullptr;
    QGroupBox* FraWedstrijden = nullptr;
    QListWidget* LstWedstrijden = nullptr;
    QCheckBox* ChkUitwedstrijden = nullptr;
    QLabel* LabX = nullptr;
    QLabel* LabX1 = nullptr;
    QPushButton* CmdEinde = nullptr;
    /** The match sheet's controls, built by the sheet itself. */
    core::Wedstrijdblad blad;
    /** The area below the menu bar that holds the lists and the sheet. */
    QWidget* werkvlak() const { return m_werkvlak; }

    QMenuBar* Menubalk = nullptr;
    QAction* MnuBestandSluiten = nullptr;
    QAction* MnuBeheerInloggen = nullptr;
    QAction* MnuBeheerUitloggen = nullptr;
    QAction* MnuBeheerPaswoordWijzigen = nullptr;
    QAction* MnuBeheerGegevens = nullptr;
    QAction* MnuBeheerClubs = nullptr;
    QAction* MnuBeheerOpties = nullptr;
    /** Any item of the menu bar by its name (also separators and submenus). */
    QAction* menu(const QString& naam) const;
    /**
     * Connects the handling of a menu item of the window. Choosing it (with the mouse or by its
     * shortcut) first finishes the box of the sheet that is being typed in (invoerAfmaken()); when
     * that box refuses its value, the item does nothing more.
     * @param context the handling is forgotten with it
     */
    void menuVerbinden(const QString& naam, QObject* context, std::function<void()> handler);
    /**
     * Finishes the box of the sheet that is being typed in as leaving it would, before an action
     * that a menu item or a key starts without leaving it (see core::IWedstrijdblad::InvoerAfmaken),
     * or that another window starts on the sheet while the main window stands beside it (a match
     * added, the lists refreshed). After a refusal asked from another window, the main window is
     * brought back with the focus where the refusal put it (in the box, to correct it).
     * @return false when the box refused its value: the action must not go on
     */
    bool invoerAfmaken();

    /**
     * Chooses an entry of one of the three lists from code; the list's click handling runs, also when
     * the entry was chosen already. -1 chooses nothing and runs nothing. Choosing the season or play
     * date that is chosen already refreshes the lists below it: they keep the play date and the
     * match they showed when they still hold them, so that the sheet keeps its match.
     */
    void lijstKiezen(QListWidget* lijst, int rij);
    /** Chooses the first entry with exactly this text, as writing a list's text does; false when none has it. */
    bool lijstTekstKiezen(QListWidget* lijst, const QString& tekst);
    /**
     * A window that changed data refreshes a list: nothing is chosen for a moment, then the same
     * entry again, so that the list's click handling reloads what depends on it. The lists below it
     * keep the play date and the match they showed when they still hold them. The box of the sheet
     * being typed in is finished first (invoerAfmaken()); when it refuses what was typed, the lists
     * are left as they are, so that the typing is not lost and can be corrected.
     * @return false when the box refused and nothing was refreshed
     */
    bool LijstHerselecteren(QListWidget* lijst);
    /**
     * No match on the sheet: the sheet frame, the official's remark button and the menus that act
     * on a match are disabled (with the results export when asked).
     */
    void bladVergrendelen(bool ookExport);
    /** A match is on the sheet: the sheet frame, the remark button and the match menus are enabled. */
    void bladOntgrendelen();

    /**
     * The user is choosing in the season, play-date or match list, or toggling the home/away box, by
     * keyboard: what the choice loads leaves the focus there, so that the keys still coming are the
     * list's or the box's and never a set box's.
     */
    bool kiezenMetToetsen() const;
    /** The focus to the game being typed (see core::IWedstrijdblad::naarLopendeWedstrijd); false when there is none. */
    bool naarLopendeWedstrijd();
    /**
     * The match on the sheet has no game left to type: a control of the sheet that has the focus, or
     * gets it back when a child window closes, would take the next keys into that match. The window
     * itself takes the focus instead, where no key stores anything. The lists and the home/away box
     * keep it: their keys only choose.
     */
    void focusVanHetBlad();

    /** @name Printing (1 for yes, 0 for no), through the printing service */
    ///@{
    void AfdrukkenScheidsrechtersblaadjes(int afdrukken, int sluiten, int teKnippen);
    void AfdrukkenWedstrijdbladVoorAanvang(int afdrukken, int sluiten);
    void AfdrukkenWedstrijdbladNaAfloop(int variant);
    ///@}

    /** The administrator's menus by the log-in state: logged in, or not (then only Inloggen is on). */
    void beheerderAangemeld(bool aangemeld);
    /** The code of the own club in the results file: its province abbreviation without dots and its number. */
    static QString clubcode();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void CmdEinde_Click();
    void MnuBestandSluiten_Click();
    void MnuBeheerOpties_Click();
    void MnuAfdrScheidsrechtersblaadjes2_Click();
    void MnuAfdrScheidsrechtersblaadjes1_Click();
    void MnuAfdrScheidsblaadjesApart2blzOpenen_Click();
    void MnuAfdrScheidsblaadjesApart2blzAfdrukken_Click();
    void MnuAfdrScheidsblaadjesApart2blzTeKnippenOpenen_Click();
    void MnuAfdrScheidsblaadjesApart2blzTeKnippenAfdrukken_Click();
    void MnuAfdrWedstrijdbladVoorAanvangOpenen_Click();
    void MnuAfdrWedstrijdbladVoorAanvangAfdrukken_Click();
    void MnuAfdrWedstrijdbladNaOff_Click();
    void MnuAfdrWedstrijdbladNaWit_Click();
    void MnuAfdrSterktelijst_Click();
    void MnuBeheerSterktelijst_Click();
    void MnuBeheerClubs_Click();
    void MnuBeheerWedstrijdToevoegen_Click();
    void MnuGegevensImportKorvat_Click();
    void MnuBeheerGegevensExport_Click();
    void MnuBeheerGegevensExportTTR_Click();
    void MnuBeheerGegevensImport_Click();
    void MnuBeheerInloggen_Click();
    void MnuBeheerUitloggen_Click();
    void MnuBeheerPaswoordWijzigen_Click();
    void MnuBeheerInitialiseren_Click();
    void MnuBeheerDBHerindexeren_Click();
    void MnuBeheerDBVernieuwen_Click();
    void MnuBeheerSterktelijstenWissen_Click();
    /** The items of what is not there yet. */
    void nietBeschikbaar();
    void LstSeizoen_Click();
    void LstSpeelweek_Click();
    void LstWedstrijden_Click();
    void ChkUitwedstrijden_Click();

private:
    explicit FrmWedstrijdInput(QWidget* parent = nullptr);
    void menusMaken();
    void menuHandlersVerbinden();
    void sterktelijstTonen(const QString& woord);
    /** The exchange service; without it the user is told that it is not there yet. */
    core::IUitwisseling* uitwisseling();
    /** Sees every key of the window's controls before the control does; true keeps it from the control. */
    bool Form_KeyPreview(QWidget* control, QKeyEvent* event);
    void Form_KeyUp(int KeyCode, int Shift);
    void Form_QueryUnload();

    /** What the lists show: the season, the play date and the number of the match. */
    struct Keuze
    {
        QString seizoen;
        QString datum;
        QString wedstrijdNr;
    };
    /**
     * Runs a refresh of the lists (the season or play-date click run again, the window loaded
     * again): the season, play date and match shown before are chosen again where the lists still
     * hold them, in place of the first match of the date or the date after today.
     */
    void keuzeBehouden(const std::function<void()>& vernieuwen);
    /** The row of the entry to choose: the one kept over a refresh when the list holds it, else standaard. */
    int behoudenRij(const QStringList& regels, QString Keuze::*deel, int standaard) const;

    QWidget* m_werkvlak = nullptr;
    // While the lists are refreshed: what they showed before.
    std::optional<Keuze> m_behouden;
    QHash<QString, QAction*> m_menu;
    QPointer<QWidget> m_focusVoorUitschakelen;
    bool m_blnPadNietIngesteld = false;
    bool m_inActivatie = false;
    // A box refused what was typed while another window was asking: the activation that brings the user
    // back leaves the focus where the refusal put it.
    bool m_focusBehouden = false;
    // Page Up or Page Down walks the matches while the focus is in one of the lists.
    bool m_kiezenMetToetsen = false;
    bool m_geladen = false;
};
