#pragma once

// The match sheet as a service of the main window: its controls, loading a match, emptying the
// sheet and the result engine, with the handlers of the sheet's controls.

#include "core/Diensten.h"

#include <QObject>
#include <QPointer>

namespace db {
class Waarde;
}

namespace sheet {

class Blad : public QObject, public core::IWedstrijdblad
{
    Q_OBJECT

public:
    void bouwen(FrmWedstrijdInput& venster) override;
    void LstWedstrijden_Click() override;
    void Blanco() override;
    void UitslagBerekenen(bool opslaan) override;
    void ResultatenInvullen() override;

    /**
     * Once the game of a row is decided, the focus goes to set 1 home of the first later row that
     * is enabled and still empty; otherwise nothing happens.
     */
    void VolgendeWedstrijd(int rij);

    /** The scheme of the match that was on the sheet before the current one (0 before the first). */
    int vorigeLaatsteWedstrijd() const { return m_vorigeLaatsteWedstrijd; }

private slots:
    void LstNaamLokaal_Click();
    void ChkAkkoord_Click();
    void ChkForfaitT_Click();
    void ChkForfaitUit_Click();

private:
    void wedstrijdLaden();
    /** No match on the sheet: emptied and locked. */
    void bladLeegmaken();
    void lokalenVullen(const QString& lkThuis, const QString& provThuis, const db::Waarde& zaal);
    /** A ticked forfeit box disables the other one and the set boxes of the rows in use; unticked enables them. */
    void forfaitInschakelen(bool aangevinkt, bool thuis);

    QPointer<FrmWedstrijdInput> m_venster; ///< forgets a window that was deleted
    int m_vorigeLaatsteWedstrijd = 0;
};

} // namespace sheet
