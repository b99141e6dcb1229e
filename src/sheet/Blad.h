#pragma once

// The match sheet as a service of the main window: its controls, loading a match, emptying the
// sheet and the result engine, with the handlers of the sheet's controls.

#include "core/Diensten.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

class QLineEdit;

namespace db {
class Waarde;
}

namespace sheet {

class Einduur;
class Setinvoer;

class Blad : public QObject, public core::IWedstrijdblad
{
    Q_OBJECT

public:
    void bouwen(FrmWedstrijdInput& venster) override;
    void LstWedstrijden_Click() override;
    void Blanco() override;
    void UitslagBerekenen(bool opslaan) override;
    void ResultatenInvullen() override;
    void OpgeslagenTonen() override;
    bool InvoerAfmaken() override;
    bool naarLopendeWedstrijd() override;
    void KapiteinenTonen() override;

    /**
     * Once the game of a row is decided, the focus goes to set 1 home of the first later row that
     * is enabled and still empty; otherwise nothing happens.
     */
    void VolgendeWedstrijd(int rij);

    /** The scheme of the match that was on the sheet before the current one (0 before the first). */
    int vorigeLaatsteWedstrijd() const { return m_vorigeLaatsteWedstrijd; }

protected:
    /** While what is stored could not be shown: the user's next key or click in the main window shows it first. */
    bool eventFilter(QObject* object, QEvent* event) override;

private slots:
    void LstNaamLokaal_Click();
    void ChkAkkoord_Click();
    void ChkForfaitT_Click();
    void ChkForfaitUit_Click();

private:
    void wedstrijdLaden();
    /**
     * The box where the typing of the match goes on: the first empty set box, in the order of typing,
     * of the first game in use that is not yet decided, passing over locked boxes; nullptr when no
     * game is left to type.
     */
    QLineEdit* lopendSetvak() const;
    /** No match on the sheet: emptied and locked. */
    void bladLeegmaken();
    void lokalenVullen(const QString& lkThuis, const QString& provThuis, const db::Waarde& zaal);
    /** The entry of the venue list that stands for the stored venue (the first when it is not listed). */
    int lokaalKeuze(const db::Waarde& zaal) const;
    /** Selects the stored venue in the filled venue list and shows its street and town. */
    void lokaalKiezen(const db::Waarde& zaal);
    /**
     * The stored values of the match on rsMatchen that the sheet's handlers write: line-ups and
     * captains, doubles, end time, forfeits, set scores and results, the agreement box and the
     * officials. Loading stores the agreement box as it shows it; showing again stores nothing.
     */
    void gegevensTonen(bool laden);
    /** The line-up buttons, the players' names and data (looked up), the captains and the doubles pairs. */
    void opstellingTonen();
    /** Whether a line-up button or a doubles pair on the sheet differs from the match row. */
    bool opstellingGewijzigd() const;
    /** What the sheet shows of the match row alone: end time, forfeits, sets, results, agreement, officials. */
    void rijTonen(bool laden);
    /** What a change of a forfeit box does; thuis: the home team's box, else the visitors'. */
    void forfaitKlik(bool thuis);
    /**
     * Enables the forfeit boxes and the set boxes of the rows in use by what the two boxes show.
     * A ticked box disables the other box, unless that one is ticked too; the set boxes are locked
     * while either is ticked and unlocked (walk-over rows too) when neither is.
     */
    void forfaitInschakelen();
    /**
     * Locks the set boxes of every walk-over row in use (set 1 home "w"); with andereOpen the boxes
     * of the other rows are enabled too.
     */
    void walkoversVergrendelen(bool andereOpen);

    QPointer<FrmWedstrijdInput> m_venster; ///< forgets a window that was deleted
    QPointer<Setinvoer> m_setinvoer;        ///< the set boxes' handling of that window
    QPointer<Einduur> m_einduur;            ///< the end-time box's handling of that window
    int m_vorigeLaatsteWedstrijd = 0;
    QString m_getoond;         ///< season and number of the match on the sheet; empty for an empty sheet
    int m_laatstePlaats = 3;   ///< the last line-up place of the match on the sheet
    QStringList m_dubbels;     ///< the doubles pairs (home, away) as the sheet shows them
    bool m_nogTonen = false;   ///< what is stored could not be read (the file was locked) and is still to be shown
};

} // namespace sheet
