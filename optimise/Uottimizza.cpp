#include "optimise/Uottimizza.h"
