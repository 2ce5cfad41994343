#include "app/Umessaggibox.h"
