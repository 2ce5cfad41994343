#include "editor/Upaginalocali.h"

#include "data/Udatabase.h"
#include "editor/Udef.h"
#include "editor/Ustato.h"

TPaginaLocali::TPaginaLocali(TProgetto& progetto)
    : TPaginaProgetto(progetto, QStringLiteral("TabSheet3"))
{ }
