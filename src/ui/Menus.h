#pragma once

class QAction;

namespace ui {

/**
 * A menu item's own enabled state. Qt reports a hidden action as disabled whatever it was set to;
 * the program sets and tests the state of hidden items too, so it is kept here as well. A submenu
 * switched off stays off when its window is disabled and enabled again.
 */
void menuInschakelen(QAction* item, bool aan);
/** The state last set with menuInschakelen (or by the design), whether the item is shown or not. */
bool menuIngeschakeld(const QAction* item);

} // namespace ui
