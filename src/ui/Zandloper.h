#pragma once

namespace ui {

/**
 * Shows the hourglass (wait) mouse pointer for as long as it lives. Guards may be nested; each one takes back
 * only its own pointer. Does nothing when there is no QGuiApplication.
 */
class Zandloper
{
public:
    Zandloper();
    ~Zandloper();

    Zandloper(const Zandloper&) = delete;
    Zandloper& operator=(const Zandloper&) = delete;

private:
    bool m_gezet = false;
};

/**
 * Turns the hourglass on, for code that turns it off somewhere else. This is a switch, not a counter:
 * calling it while it is already on changes nothing. Does nothing when there is no QGuiApplication.
 */
void zandloperAan();

/** Turns the hourglass from zandloperAan() off again; does nothing when it is not on. */
void zandloperUit();

} // namespace ui
