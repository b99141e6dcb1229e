#include "ui/Twips.h"

#include <QFont>
#include <QStringList>

#include <QWidget>

namespace ui {

namespace {

constexpr int twipsPerPixel = 15;

} // namespace

int twips(int t)
{
    // Integer rounding, halves away from zero; exact for every int (no overflow on t + 7).
    const int heel = t / twipsPerPixel;
    const int rest = t % twipsPerPixel;
    if (2 * rest >= twipsPerPixel)
        return heel + 1;
    if (2 * rest <= -twipsPerPixel)
        return heel - 1;
    return heel;
}

void zetGeometrie(QWidget* widget, int left, int top, int width, int height)
{
    if (!widget)
        return;
    const int x = twips(left);
    const int y = twips(top);
    widget->setGeometry(x, y, twips(left + width) - x, twips(top + height) - y);
}

QFont ontwerpLettertype()
{
    QFont f;
    f.setFamilies({QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("sans-serif")});
    f.setPixelSize(11);
    return f;
}

} // namespace ui
