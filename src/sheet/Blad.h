#pragma once

// The match sheet as a service of the main window: its controls, loading a match, emptying the
// sheet and the result engine.

#include "core/Diensten.h"

#include <QObject>
#include <QPointer>

namespace core {
struct Wedstrijdblad;
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

private:
    QPointer<FrmWedstrijdInput> m_venster; ///< forgets a window that was deleted
};

} // namespace sheet
