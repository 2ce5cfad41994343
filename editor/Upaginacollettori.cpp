#include "editor/Upaginacollettori.h"

#include "data/Udatabase.h"
#include "editor/Udef.h"
#include "editor/Ustato.h"

TPaginaCollettori::TPaginaCollettori(TProgetto& progetto)
    : TPaginaProgetto(progetto, QStringLiteral("TabSheet5"))
{ }

void TPaginaCollettori::Entra()
{
    Stato().RicalcolaProgetto();
    Stato().RicostruisciCollettori();
}

void TPaginaCollettori::SvuotaNomeCollettore() { }
