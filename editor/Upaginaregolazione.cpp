#include "editor/Upaginaregolazione.h"

#include "data/Udatabase.h"
#include "editor/Udef.h"
#include "editor/Ustato.h"

TPaginaRegolazione::TPaginaRegolazione(TProgetto& progetto)
    : TPaginaProgetto(progetto, QStringLiteral("TabSheet6"))
{ }

void TPaginaRegolazione::Entra()
{
    Stato().RicalcolaProgetto();
    Stato().RicostruisciCollettori();
}

void TPaginaRegolazione::AbilitaControlli(bool abilitati) { }
