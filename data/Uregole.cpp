#include "data/Udatabase.h"

// Regole dei record dei locali e dei dati generali.
void TDati::InstallaRegole() { }
