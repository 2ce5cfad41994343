#include "editor/Upaginacliente.h"

#include "data/Udatabase.h"
#include "editor/Udef.h"
#include "editor/Ustato.h"

TPaginaCliente::TPaginaCliente(TProgetto& progetto)
    : TPaginaProgetto(progetto, QStringLiteral("TabSheet1"))
{ }
