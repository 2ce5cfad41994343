#include "editor/Upaginamandata.h"

#include "data/Udatabase.h"
#include "editor/Udef.h"
#include "editor/Ustato.h"

TPaginaMandata::TPaginaMandata(TProgetto& progetto)
    : TPaginaProgetto(progetto, QStringLiteral("TabSheet4"))
{ }

void TPaginaMandata::Entra()
{
    Stato().RicalcolaProgetto();
}
