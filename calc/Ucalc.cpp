#include "calc/Ucalc.h"
