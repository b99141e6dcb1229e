#pragma once

namespace app {

/** Wires every subsystem's service into the core, before the first window is made. */
void dienstenBedraden();

/** Removes the windows of the subsystems (tests, and the end of the program). */
void venstersOpruimen();

} // namespace app
