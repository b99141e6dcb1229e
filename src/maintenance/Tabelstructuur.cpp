#include "Tabelstructuur.h"
