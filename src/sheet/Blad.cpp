#include "Blad.h"

#include "core/FrmWedstrijdInput.h"

namespace sheet {

void Blad::bouwen(FrmWedstrijdInput& venster)
{
    m_venster = &venster;
}

void Blad::LstWedstrijden_Click() {}

void Blad::Blanco() {}

void Blad::UitslagBerekenen(bool opslaan)
{
    Q_UNUSED(opslaan);
}

void Blad::ResultatenInvullen() {}

} // namespace sheet
