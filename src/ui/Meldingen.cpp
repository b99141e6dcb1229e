#include "ui/Meldingen.h"

#include "ui/QtMeldingen.h"

#include <memory>

namespace ui {

namespace {

Meldingen* s_gezet = nullptr;

} // namespace

Meldingen& meldingen()
{
    if (s_gezet)
        return *s_gezet;
    static const std::unique_ptr<QtMeldingen> echte = std::make_unique<QtMeldingen>();
    return *echte;
}

Meldingen* zetMeldingen(Meldingen* nieuw)
{
    Meldingen* vorige = s_gezet;
    s_gezet = nieuw;
    return vorige;
}

} // namespace ui
