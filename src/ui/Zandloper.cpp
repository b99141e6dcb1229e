#include "ui/Zandloper.h"

#include <QCursor>
#include <QGuiApplication>

namespace ui {

namespace {

// Whether zandloperAan() put a pointer on Qt's override stack that zandloperUit() has not taken back yet.
bool s_aan = false;

bool heeftGui()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

} // namespace

Zandloper::Zandloper()
{
    if (!heeftGui())
        return;
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    m_gezet = true;
}

Zandloper::~Zandloper()
{
    if (m_gezet && heeftGui())
        QGuiApplication::restoreOverrideCursor();
}

void zandloperAan()
{
    if (s_aan || !heeftGui())
        return;
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    s_aan = true;
}

void zandloperUit()
{
    if (!s_aan)
        return;
    s_aan = false;
    if (heeftGui())
        QGuiApplication::restoreOverrideCursor();
}

} // namespace ui
