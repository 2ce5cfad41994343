#include "data/Uprogresso.h"

TProgresso& TProgresso::nullo()
{
    static TProgresso p;
    return p;
}
