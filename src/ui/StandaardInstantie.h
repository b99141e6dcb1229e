#pragma once

namespace ui {

/**
 * The one default instance of a window: made the first time it is used, kept until removed.
 * A window class derives from StandaardInstantie<itself> and makes it a friend, so that its
 * constructor can stay private.
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
    static bool bestaat() { return s_venster != nullptr; }
    /** Removes the instance (tests, and the end of the program). */
    static void opruimen()
    {
        delete s_venster;
        s_venster = nullptr;
    }

private:
    static inline Venster* s_venster = nullptr;
};

} // namespace ui
