#include "Menus.h"

#include <QAction>
#include <QVariant>

namespace ui {

namespace {
constexpr const char* Eigenschap = "eigenIngeschakeld";
}

void menuInschakelen(QAction* item, bool aan)
{
    item->setProperty(Eigenschap, aan);
    item->setEnabled(aan);
}

bool menuIngeschakeld(const QAction* item)
{
    const QVariant v = item->property(Eigenschap);
    return v.isValid() ? v.toBool() : item->isEnabled();
}

} // namespace ui
