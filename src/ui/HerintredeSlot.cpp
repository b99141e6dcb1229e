#include "ui/HerintredeSlot.h"

namespace ui {

HerintredeSlot::Bewaker::Bewaker(HerintredeSlot& slot)
    : m_slot(slot)
    , m_binnen(!slot.m_bezig)
{
    m_slot.m_bezig = true;
}

HerintredeSlot::Bewaker::~Bewaker()
{
    if (m_binnen)
        m_slot.m_bezig = false;
}

} // namespace ui
