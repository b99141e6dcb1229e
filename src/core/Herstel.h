#pragma once

// What the program does when an action or its start fails on an error that no handler dealt with.

#include <functional>

namespace core {

/**
 * The clean-up after an action stopped on an unexpected error (see ui::actieMislukt): every
 * recordset gives up its pending values, the sheet (and the player picker's boxes of games not
 * played) show again what is stored of the match, and the main window is enabled again unless
 * another window of the program is still open.
 */
void NaMislukteActie();

/**
 * Runs the start of the program. Whatever stops it - a start-up that cannot go on, a database
 * that is locked or fails, any other error - is reported in a Dutch critical box instead of ending
 * the program abruptly.
 * @param laden the start itself (loading and showing the windows)
 * @return false when the start failed and the program is to end
 */
bool ProgrammaStarten(const std::function<void()>& laden);

} // namespace core
