#include "sheet/Blad.h"

#include <gtest/gtest.h>

// Replaced by the sheet's own tests as they come.
TEST(Blad, BuildsWithoutAWindow)
{
    sheet::Blad blad;
    blad.Blanco();
    SUCCEED();
}
