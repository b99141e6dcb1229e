#include "ui/TestMeldingenScope.h"

namespace ui {

TestMeldingenScope::TestMeldingenScope()
    : m_vorige(zetMeldingen(&m_test))
{
}

TestMeldingenScope::~TestMeldingenScope()
{
    zetMeldingen(m_vorige);
}

} // namespace ui
