#include "Menus.h"

#include <QAction>
#include <QMenu>
#include <QVariant>

namespace ui {

namespace {
constexpr const char* Eigenschap = "eigenIngeschakeld";
}

void menuInschakelen(QAction* item, bool aan)
{
    item->setProperty(Eigenschap, aan);
    item->setEnabled(aan);
    // A submenu follows its own widget: enabling the window again (after a child window gave it
    // back) enables the menu widget, which would enable its item with it, unless the widget itself
    // is switched off.
    if (QMenu* menu = item->menu())
        menu->setEnabled(aan);
}

bool menuIngeschakeld(const QAction* item)
{
    const QVariant v = item->property(Eigenschap);
    return v.isValid() ? v.toBool() : item->isEnabled();
}

} // namespace ui
