#include "Blad.h"

#include "BladIndeling.h"
#include "BladOpbouw.h"
#include "core/FrmWedstrijdInput.h"

namespace sheet {

void Blad::bouwen(FrmWedstrijdInput& venster)
{
    m_venster = &venster;
    if (!venster.blad.gebouwd())
        bladBouwen(venster.werkvlak(), venster.blad);
}

void Blad::LstWedstrijden_Click() {}

void Blad::Blanco()
{
    if (m_venster && m_venster->blad.gebouwd())
        sheet::Blanco(m_venster->blad);
}

void Blad::UitslagBerekenen(bool opslaan)
{
    Q_UNUSED(opslaan);
}

void Blad::ResultatenInvullen() {}

} // namespace sheet
