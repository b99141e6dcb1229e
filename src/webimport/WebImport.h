#pragma once

// The web service import as the other subsystems reach it.

#include "core/Diensten.h"

namespace webimport {

class WebImport : public core::IWebImport
{
public:
    void ImportKorvatTonen() override;
};

/** Removes the import and login windows (the end of the program, tests). */
void venstersOpruimen();

} // namespace webimport
