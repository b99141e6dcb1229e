#include "Diensten.h"

namespace core {

Diensten& diensten()
{
    static Diensten d;
    return d;
}

} // namespace core
