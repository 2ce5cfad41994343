#include "app/Umain.h"
