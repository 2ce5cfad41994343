#include "editor/Upaginacatalogo.h"

#include "data/Udatabase.h"
#include "editor/Udef.h"
#include "editor/Ustato.h"

TPaginaCatalogo::TPaginaCatalogo(TProgetto& progetto)
    : TPaginaProgetto(progetto, QStringLiteral("TabSheet7"))
{ }

void TPaginaCatalogo::Reimposta() { }
