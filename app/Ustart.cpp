#include "app/Ustart.h"
