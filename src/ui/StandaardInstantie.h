#pragma once

#include <QPointer>

namespace ui {

/**
 * The one default instance of a window: made the first time it is used, kept until removed.
 * A window class derives from StandaardInstantie<itself> and makes it a friend, so that its
 * constructor can stay private. A window deleted by its parent window is forgotten, and made anew
 * the next time it is used.
 */
template <typename Venster>
class StandaardInstantie
{
public:
    static Venster& standaard()
    {
        if (!s_venster)
            s_venster = new Venster;
        return *s_venster;
    }
    static bool bestaat() { return !s_venster.isNull(); }
    /** Removes the instance (tests, and the end of the program). */
    static void opruimen()
    {
        delete s_venster.data();
        s_venster.clear();
    }

private:
    static inline QPointer<Venster> s_venster;
};

} // namespace ui
