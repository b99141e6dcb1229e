#include "Algemeen.h"
