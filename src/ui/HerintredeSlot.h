#pragma once

namespace ui {

/**
 * Keeps a handler from running inside itself, e.g. a check in LostFocus that shows a message box: the box
 * moves focus, which could start the same check again.
 *
 *     HerintredeSlot m_controle;   // member of the window
 *     ...
 *     HerintredeSlot::Bewaker bewaker(m_controle);
 *     if (!bewaker)
 *         return;                  // already running further up the stack
 */
class HerintredeSlot
{
public:
    /** Holds the slot for one run; the outermost guard is the one that gets in. */
    class Bewaker
    {
    public:
        /** @param slot the slot to take; not taken when it is already held */
        explicit Bewaker(HerintredeSlot& slot);
        ~Bewaker();

        Bewaker(const Bewaker&) = delete;
        Bewaker& operator=(const Bewaker&) = delete;

        /** @return true when this guard holds the slot, so the handler may run */
        explicit operator bool() const { return m_binnen; }

    private:
        HerintredeSlot& m_slot;
        bool m_binnen;
    };

    /** @return true while a guard holds the slot */
    bool bezig() const { return m_bezig; }

private:
    bool m_bezig = false;
};

} // namespace ui
