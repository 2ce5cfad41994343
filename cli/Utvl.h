#pragma once
// La riga di comando "tvl" come libreria: la base dei comandi, il loro elenco, l'uscita e le parti
// comuni. Ogni comando sta in un file tvl_<nome>.cpp; il programma tvl chiama EseguiTvl.
#include "data/Udatabase.h"
#include "progetto/Ustato.h"

#include <QStringList>

#include <cstdio>
#include <memory>
#include <vector>

class QCommandLineParser;
class QCommandLineOption;

// Codici d'uscita di tvl, elencati da "tvl --help".
enum EsitoTvl : int {
    Riuscito = 0,
    Fallito = 1, // file, catalogo, dati rifiutati o scrittura: il motivo su stderr
    UsoErrato = 2, // comando, opzione o argomenti: l'aiuto del comando su stderr
    CatalogoIncompleto = 3, // distinta o documento fatti, ma al catalogo manca una riga richiesta
};

// Un comando di tvl: dichiara le sue opzioni, QCommandLineParser le legge, Esegui fa il lavoro.
// "--help" stampa l'aiuto del comando; un'opzione sconosciuta, un valore mancante o un numero di
// argomenti fuori misura danno il motivo e l'aiuto su stderr con UsoErrato.
class TComandoTvl
{
public:
    virtual ~TComandoTvl();
    const QString& Nome() const { return nome; }
    // Una o più righe per l'elenco dei comandi di "tvl --help".
    const QString& Sintesi() const { return sintesi; }
    // Uso, descrizione e opzioni del comando.
    const QString& Aiuto() const { return aiuto; }
    // I nomi delle opzioni dichiarate ("--salva", "-o"), per i test dell'aiuto.
    QStringList NomiOpzioni() const;
    // Gli argomenti dopo il nome del comando; restituisce il codice d'uscita.
    int Avvia(const QStringList& argomenti);

protected:
    // massimi < 0: quanti argomenti si vuole.
    TComandoTvl(QString nome, QString sintesi, QString aiuto, int minimi, int massimi);
    // Un'opzione semplice, o con un valore quando `valore` ne dà il nome.
    void Opzione(const QStringList& nomi, const QString& valore = {});
    virtual int Esegui(const QCommandLineParser& opzioni, const QStringList& argomenti) = 0;
    // "tvl NOME: testo" su stderr, Fallito.
    int Errore(const QString& testo) const;
    // Il motivo (se c'è) e l'aiuto su stderr, UsoErrato.
    int Uso(const QString& motivo = {}) const;

private:
    QString nome, sintesi, aiuto;
    int minimi, massimi;
    std::vector<std::unique_ptr<QCommandLineOption>> opzioni;
};

// Tutti i comandi, nell'ordine dell'aiuto.
const std::vector<std::unique_ptr<TComandoTvl>>& ComandiTvl();
// tvl intero: argomenti senza il nome del programma; codice d'uscita. I messaggi del programma
// passano, durante il comando, per l'uscita di tvl (stderr).
int EseguiTvl(const QStringList& argomenti);

// Le fabbriche dei comandi, una per file tvl_<nome>.cpp.
std::unique_ptr<TComandoTvl> ComandoCatalogo();
std::unique_ptr<TComandoTvl> ComandoInfo();
std::unique_ptr<TComandoTvl> ComandoCopia();
std::unique_ptr<TComandoTvl> ComandoCalcola();
std::unique_ptr<TComandoTvl> ComandoDistinta();
std::unique_ptr<TComandoTvl> ComandoDocumento();
std::unique_ptr<TComandoTvl> ComandoImporta();
std::unique_ptr<TComandoTvl> ComandoEsporta();
std::unique_ptr<TComandoTvl> ComandoAssegna();
std::unique_ptr<TComandoTvl> ComandoPosa();
std::unique_ptr<TComandoTvl> ComandoPianta();
std::unique_ptr<TComandoTvl> ComandoOttimizza();

// L'uscita di tvl: stdout e stderr del processo, o quella che un test installa per leggerle.
class TUscitaTvl
{
public:
    virtual ~TUscitaTvl() = default;
    virtual void Scrivi(const QString& testo) = 0; // stdout
    virtual void ScriviErrore(const QString& testo) = 0; // stderr
    static TUscitaTvl& istanza();
    // nullptr rimette stdout e stderr; non ne prende la proprietà.
    static void installa(TUscitaTvl* uscita);
};

// Pianta DXF di un piano per tvl pianta e tvl posa: 0 letta (in metri), 1 errore già scritto,
// 2 unità sconosciuta (l'uso del comando).
class TDisegno;
struct TLocaleDisegno;
int LeggiPiantaDxf(const QString& comando, const QString& percorso, const QString& unita, TDisegno& disegno);
// Il piano chiesto, o l'unico del progetto: 0, altrimenti 1 con il motivo su stderr.
int ScegliPiano(const QString& comando, const TStatoProgetto& stato, QString& piano);
QList<TLocaleDisegno> LocaliDelPiano(const TStatoProgetto& stato, const QString& piano);

// Legge un file di progetto (.tvl, .nv) e ne dà i dati generali, i locali (i soli dati d'ingresso),
// il modo e la temperatura di mandata salvati; false con l'errore già scritto su stderr.
struct TDatiGenerali;
struct TLocaleCalc;
struct TDatiEn1264;
// `en1264`, se dato, riceve bagni, carichi e dati estivi del blocco aggiuntivo.
bool LeggiProgettoPerCalcolo(const QString& percorso, TDatiGenerali& generali, std::vector<TLocaleCalc>& locali,
                             int& modoSalvato, float& mandataSalvata, TDatiEn1264* en1264 = nullptr);

// Scrive "tvl COMANDO: testo" su stderr e restituisce il codice di errore 1.
int ErroreComando(const QString& comando, const QString& testo);

// Modulo dati aperto con un progetto letto dal suo file: la base dei comandi che lavorano su un progetto.
struct TProgettoAperto
{
    TDati dati;
    TStatoProgetto stato {dati};
};
// nullptr quando il file manca, il catalogo non si apre o la lettura fallisce (motivo già scritto su stderr).
std::unique_ptr<TProgettoAperto> ApriProgetto(const QString& comando, const QString& percorso);
// I primi passi dei comandi di stampa: il progetto aperto, con almeno un locale, ricalcolato e
// (con ricostruisci) con le liste dei collettori rifatte; nullptr con il motivo su stderr.
std::unique_ptr<TProgettoAperto> ApriPerStampa(const QString& comando, const QString& percorso, bool ricostruisci);

// Testo sull'uscita normale e su quella degli errori di tvl.
inline void Stampa(const QString& testo)
{
    TUscitaTvl::istanza().Scrivi(testo);
}
inline void StampaErrore(const QString& testo)
{
    TUscitaTvl::istanza().ScriviErrore(testo);
}
