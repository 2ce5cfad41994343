#pragma once
// Relazione tecnica ("Rapporto Tecnico"): copertina, dati dei locali, risultati della zona
// occupata e, nel modo con aree marginali, della zona marginale; con i collettori confermati la
// preregolazione dei detentori di ogni circuito e la tabella dei collettori. Non calcola nulla di
// termico: legge i risultati del progetto. L'unico conto proprio è il Kv richiesto da ogni
// circuito e i giri di apertura del detentore presi dalla tabella KV del tipo di collettore.
#include "documents/foglio/Udocumento.h"

#include <QString>
#include <QVector>

class TDati;
class TStatoProgetto;

// Avviso del comando quando i collettori non sono confermati: la relazione si fa lo stesso, senza
// i fogli dei collettori.
inline const QString MsgCollettoriRapporto
    = QStringLiteral("I collettori non sono stati assegnati o è stata fatta una modifica delle impostazioni.\n\nLa "
                     "Relazione tecnica non conterrà i risultati relativi ai collettori.");

// Fogli del modello, per numero.
struct TFogliRapporto
{
    int locali = 2;
    int zonaOccupata = 3;
    int zonaMarginale = 0; // 0 = foglio assente
    int detentori = 4;
    int collettori = 5;
};
// Modello e fogli secondo il modo della temperatura di mandata salvato: "rapptecAM" nel modo 1,
// "rapptec" negli altri (anche -1, impostazioni mai salvate: i locali sono calcolati senza zone
// marginali).
QString ModelloRapporto(int modoTMandata);
TFogliRapporto FogliRapporto(int modoTMandata);

// Preregolazione del detentore di un circuito: con la pressione da strozzare Δ = dP − p (mm c.a.)
// il Kv richiesto è (Q × 0.001) / √(Δ × 0.0001); si prende il primo KV della tabella (in ordine
// crescente) strettamente maggiore. Nessuna riga adatta: "TA" nella zona occupata, "-" in quella
// marginale. Δ ≤ 0: niente da strozzare, "TA".
struct TRigaKv
{
    double kv = 0;
    QString giri;
};
double KvRichiesto(double portata, double dPCollettore, double perditaCircuito);
QString Preregolazione(double portata, double dPCollettore, double perditaCircuito, QChar zona,
                       const QVector<TRigaKv>& tabella);
// Le righe della tabella KV di un tipo di collettore, per KV crescente.
QVector<TRigaKv> TabellaKv(TDati& dati, const QString& tipoCollettore);

// Costruisce la relazione tecnica e la salva; restituisce il file creato, vuoto se non riuscito
// (messaggio già mostrato). Della richiesta valgono destinazione, progresso e nomeFile.
QString CreaRapportoTecnico(TStatoProgetto& stato, TRichiestaDocumento richiesta = {});
