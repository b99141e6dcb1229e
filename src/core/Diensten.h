#pragma once

// What each subsystem offers the others. The core declares the services; each subsystem implements
// its own and the executable wires them at start-up (app/Bedrading). A caller reaches another
// subsystem only through these, so tests can put a fake in place of any of them.
//
// A service that is not wired is nullptr: the menu item that needs it does nothing.

#include <QString>
#include <QStringList>

#include <memory>

class FrmWedstrijdInput;

namespace core {

class IVoortgang;
struct Wedstrijdblad;

/** The match sheet on the main window: loading a match, emptying, and the result engine. */
class IWedstrijdblad
{
public:
    virtual ~IWedstrijdblad() = default;

    /** Builds the sheet's controls on the main window (once, while the window is made). */
    virtual void bouwen(FrmWedstrijdInput& venster) = 0;
    /** The click of the match list: loads the selected match onto the sheet. */
    virtual void LstWedstrijden_Click() = 0;
    /** Empties the sheet without changing its layout. */
    virtual void Blanco() = 0;
    /** Recomputes every game and match result from the sheet; stores the markers when asked. */
    virtual void UitslagBerekenen(bool opslaan) = 0;
    /** Shows the stored set scores of the match in the set boxes. */
    virtual void ResultatenInvullen() = 0;
    /**
     * The focus to the game being typed: the first empty set box, in the order of typing, of the first
     * game in use that is not yet decided; rows whose boxes are locked are passed over.
     * @return false when there is no such box: the focus stays where it is
     */
    virtual bool naarLopendeWedstrijd() = 0;
    /** Shows both sides' captains as stored, as loading the match shows them. */
    virtual void KapiteinenTonen() = 0;
    /**
     * Finishes the box of the sheet that is being typed in (a set box, the end time) as leaving it
     * would: its check runs and what it accepts is stored in the match on the sheet. Run before an
     * action that reads the sheet's match or moves to another one, which a menu item or a key starts
     * without the box being left. A refusal shows the box's own message and leaves the focus in the
     * box (or where its refusal puts it); a box finished so is not checked again when it is left
     * afterwards, unless it was typed in again.
     * @return false when the box refused its value or could not store it: the action must not go on
     */
    virtual bool InvoerAfmaken() = 0;
    /**
     * Shows again what is stored of the match on the sheet (scores, results, forfeits, header
     * fields, line-ups, captains and officials), writing nothing: after a write that failed, the
     * sheet shows no value that was not stored. While another program keeps the file locked, the
     * match stays on the sheet and what is stored is shown at the user's next key or click in the
     * main window; when the match cannot be read for another reason, the sheet is emptied and locked.
     */
    virtual void OpgeslagenTonen() = 0;
};

/** Line-up selection: the player picker and the strength-list window. */
class IOpstelling
{
public:
    virtual ~IOpstelling() = default;
    /** Shows the player picker for the command word and value in the main window's LabX and LabX1. */
    virtual void SpelersKiezenTonen() = 0;
    /** Shows the strength-list window for the command word in LabX. */
    virtual void SterktelijstTonen() = 0;
    /**
     * When the player picker is open for a line-up place: its games-not-played and absence boxes
     * show again what is stored, writing nothing (after a write that failed).
     */
    virtual void OpgeslagenTonen() = 0;
    /**
     * The walk-overs that the stored absences and games not played of both line-ups give, written
     * again into the match on rsMatchen and into the sheet's set boxes (their rows locked), as
     * marking them in the player picker wrote them; the markers of their games too. A withdrawn
     * forfeit has emptied every game. The caller runs the result engine afterwards.
     */
    virtual void WalkoversHerstellen(Wedstrijdblad& blad) = 0;
    /**
     * The final line-up check of a play week over every club: records the pairs of consecutive
     * teams whose lower team's first player stands higher on the list than the higher team's
     * second-to-last player, in the table Eindcontrole.
     * @param weekNr holds its two-digit text afterwards
     * @return whether a finding was recorded
     */
    virtual bool HogerLager(QString& weekNr, IVoortgang& voortgang) = 0;
    /** As HogerLager, for the players lined up more than once in the week. */
    virtual bool DubbeleOpstelling(QString& weekNr, IVoortgang& voortgang) = 0;
    /** The report of the findings in Eindcontrole, saved and opened on the desktop. */
    virtual void EindControleAfdrukken(const QString& weekNr) = 0;
};

/** Match-sheet printing. Each flag is 1 for yes and 0 for no. */
class IAfdrukken
{
public:
    virtual ~IAfdrukken() = default;
    virtual void AfdrukkenScheidsrechtersblaadjes(int afdrukken, int sluiten, int teKnippen) = 0;
    virtual void AfdrukkenWedstrijdbladVoorAanvang(int afdrukken, int sluiten) = 0;
    /** 0: the official sheet with sponsors; 1: the pre-lined sheet stock. */
    virtual void AfdrukkenWedstrijdbladNaAfloop(int variant) = 0;
};

/** Master data and options: the windows of the options, the login, the clubs and adding a match. */
class IStamgegevens
{
public:
    virtual ~IStamgegevens() = default;
    /** The options window, opening on what the main window's LabX asks ("Opties", "Opties-PadOpslaan", "Paswoord"). */
    virtual void OptiesTonen() = 0;
    virtual void PaswoordTonen() = 0;
    virtual void ClubsTonen() = 0;
    virtual void WedstrijdToevoegenTonen() = 0;
};

/** Competition file exchange: the preparation window's actions and the results file. */
class IUitwisseling
{
public:
    virtual ~IUitwisseling() = default;
    /**
     * Shows the preparation window, runs the action named in LabX to its end, and unloads it.
     * @return false when the action was broken off (the window has said why)
     */
    virtual bool VoorbereidenUitvoeren() = 0;
    /** Writes the results file of the chosen play date. */
    virtual void UitslagenExporteren(const QString& clubcode, int bestandsnummer) = 0;
};

/** Web service import. */
class IWebImport
{
public:
    virtual ~IWebImport() = default;
    virtual void ImportKorvatTonen() = 0;
};

/** A working copy of a table structure in Tabellen.mdb, alive as long as this object. */
class IWerkkopie
{
public:
    virtual ~IWerkkopie() = default;
    /** The field names that the copy gives a table, in their order (column Volgorde); empty when it lists none. */
    virtual QStringList velden(const QString& tabel) = 0;
};

/** Database maintenance. */
class IOnderhoud
{
public:
    virtual ~IOnderhoud() = default;
    /** Writes the structure of the open database as the named table of Tabellen.mdb. */
    virtual void StructuurOpslaan(const QString& tabel) = 0;
    /**
     * Drops and re-creates every index that the table structure names. With sluiten 0 the shared
     * recordsets are closed first (the main window's reload opens them again).
     * @throw on failure, with every index as it was
     */
    virtual void Herindexeren(int sluiten, IVoortgang& voortgang) = 0;
    /**
     * Rebuilds the main database through Temp.mdb and opens the shared recordsets on the new file.
     * @throw core::ActieFout when the copy is incomplete; the old database is then untouched
     */
    virtual void DatabaseVernieuwen(IVoortgang& voortgang) = 0;
    /** Deletes every row of a table of the main database; all or nothing. */
    virtual void TabelLeegmaken(const QString& tabel, IVoortgang& voortgang) = 0;
    /**
     * Copies the table structure bron of Tabellen.mdb (fields, indexes, rows) to the working copy
     * doel for the length of one exchange; the copy is gone again when the result is destroyed, and
     * none is left behind when the program stops in between.
     */
    virtual std::unique_ptr<IWerkkopie> WerkkopieMaken(const QString& bron, const QString& doel) = 0;
};

struct Diensten
{
    IWedstrijdblad* wedstrijdblad = nullptr;
    IOpstelling* opstelling = nullptr;
    IAfdrukken* afdrukken = nullptr;
    IStamgegevens* stamgegevens = nullptr;
    IUitwisseling* uitwisseling = nullptr;
    IWebImport* webImport = nullptr;
    IOnderhoud* onderhoud = nullptr;
};

/** The services wired at start-up. */
Diensten& diensten();

} // namespace core
