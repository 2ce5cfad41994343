#include "documents/Ufoglio.h"
