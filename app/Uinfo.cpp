#include "app/Uinfo.h"
