#include "editor/Upaginadatigenerali.h"

#include "data/Udatabase.h"
#include "editor/Udef.h"
#include "editor/Ustato.h"

TPaginaDatiGenerali::TPaginaDatiGenerali(TProgetto& progetto)
    : TPaginaProgetto(progetto, QStringLiteral("TabSheet2"))
{ }
