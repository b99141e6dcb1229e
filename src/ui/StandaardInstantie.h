#pragma once

#include "ui/Vensters.h"

#include <QObject>
#include <QPointer>

namespace ui {

/**
 * The one default instance of a window: made the first time it is used, kept until removed.
 * A window class derives from StandaardInstantie<itself> and makes it a friend, so that its
 * constructor can stay private. A window deleted by its parent window is forgotten, and made anew
 * the next time it is used.
 *
 * The window class names its Qt base first (class FrmX : public QWidget, public StandaardInstantie<FrmX>):
 * this base is then destroyed right after the window's own part and before the QWidget, and marks the
 * window as being destroyed, so that the focus-out and other events the QWidget's destruction sends
 * run none of the window's handlers (ui::afbraakBegonnen).
 */
template <typename Venster>
class StandaardInstantie
{
public:
    static Venster& standaard()
    {
        if (!s_venster) {
            knoppenMetToetsen();
            Venster* venster = new Venster;
            static_cast<StandaardInstantie&>(*venster).m_object = venster;
            s_venster = venster;
        }
        return *s_venster;
    }
    static bool bestaat() { return !s_venster.isNull(); }
    /** Removes the instance (tests, and the end of the program). */
    static void opruimen()
    {
        delete s_venster.data();
        s_venster.clear();
    }

protected:
    StandaardInstantie() = default;
    ~StandaardInstantie()
    {
        if (m_object)
            afbraakBegonnen(m_object);
    }

private:
    static inline QPointer<Venster> s_venster;
    // The window as a QObject; its QObject part outlives this base.
    QObject* m_object = nullptr;
};

} // namespace ui
