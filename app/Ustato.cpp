#include "app/Ustato.h"
