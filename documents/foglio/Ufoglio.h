#pragma once
// Cartella di lavoro OOXML (.xlsx/.xltx) scritta e letta direttamente, senza applicazione esterna:
// si apre una nuova cartella su un modello, si scrivono celle, formule, bordi e immagini e la si
// salva come file. Le operazioni hanno l'effetto di quelle dell'automazione di un foglio
// elettronico (Workbooks.Add, Range, Value, Formula, EntireRow.Insert, Borders, AddPicture…).
//
// Gli indirizzi sono in stile A1 ("D5", "A12:E12", "$B$3"); i fogli si scelgono per numero da 1.
// Ogni errore (modello mancante, indirizzo non valido, file illeggibile) solleva TErroreFoglio con
// un testo in italiano; la cartella resta com'era prima dell'operazione fallita solo per gli
// errori di indirizzo, per gli altri va scartata.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

class TErroreFoglio : public std::runtime_error
{
public:
    explicit TErroreFoglio(const QString& testo)
        : std::runtime_error(testo.toStdString())
        , m_testo(testo)
    { }
    const QString& Testo() const { return m_testo; }

private:
    QString m_testo;
};

// Voci della collezione dei bordi di un intervallo (Borders.Item). Le prime quattro valgono per
// ogni cella dell'intervallo; i bordi esterni (7-10) solo per il contorno, gli interni (11-12)
// solo fra celle adiacenti.
enum class TBordo {
    Sinistro = 1,
    Destro = 2,
    Superiore = 3,
    Inferiore = 4,
    DiagonaleGiu = 5,
    DiagonaleSu = 6,
    ContornoSinistro = 7,
    ContornoSuperiore = 8,
    ContornoInferiore = 9,
    ContornoDestro = 10,
    InternoVerticale = 11,
    InternoOrizzontale = 12,
};

// Stile della linea (LineStyle) con i valori dell'automazione.
namespace TLinea {
constexpr int Nessuna = -4142;
constexpr int Continua = 1;
constexpr int Tratteggiata = -4115;
constexpr int Punteggiata = -4118;
constexpr int Doppia = -4119;
constexpr int TrattoPunto = 4;
constexpr int TrattoPuntoPunto = 5;
} // namespace TLinea

// Spessore della linea (Weight) con i valori dell'automazione.
namespace TSpessore {
constexpr int Capello = 1;
constexpr int Sottile = 2;
constexpr int Medio = -4138;
constexpr int Spesso = 4;
} // namespace TSpessore

enum class TAllineamento { Generale, Sinistra, Centro, Destra, Giustificato, Alto, Basso };

// Formattazione da applicare: si cambiano solo le voci impostate, il resto della cella resta.
struct TStile
{
    std::optional<QString> carattere {};
    std::optional<double> dimensione {};
    std::optional<bool> grassetto {};
    std::optional<bool> corsivo {};
    std::optional<QString> colore {}; // testo, "RRGGBB"
    std::optional<QString> sfondo {}; // riempimento pieno, "RRGGBB"
    std::optional<TAllineamento> orizzontale {};
    std::optional<TAllineamento> verticale {}; // Alto, Centro, Basso
    std::optional<bool> aCapo {};
    std::optional<int> rientro {};
    std::optional<QString> formato {}; // codice del formato numerico, es. "0.00" o "@"
};

struct TPagina
{
    bool orizzontale = false;
    int adattaLarghezza = 1; // pagine in larghezza (0 = nessun adattamento)
    int adattaAltezza = 0; // pagine in altezza (0 = quante servono)
    double margineSinistro = 0.6, margineDestro = 0.6; // pollici
    double margineSuperiore = 0.8, margineInferiore = 0.8;
    double margineIntestazione = 0.3, marginePiede = 0.3;
    bool centraOrizzontale = true;
    QString intestazione; // codici &L &C &R &P &N &D &A … del foglio elettronico
    QString piede;
};

// Immagine ancorata a una cella, come la rilegge la cartella.
struct TImmagineFoglio
{
    QString cella; // cella dell'angolo in alto a sinistra
    double larghezza = 0; // punti
    double altezza = 0;
    QString nome; // descrizione: il nome del file d'origine
    QString parte; // percorso della parte multimediale nel pacchetto
};

class TFoglio
{
public:
    TFoglio();
    ~TFoglio();
    TFoglio(const TFoglio&) = delete;
    TFoglio& operator=(const TFoglio&) = delete;

    // --- Apertura e salvataggio -------------------------------------------------------------

    // Nuova cartella basata sul modello (Workbooks.Add): il modello non viene mai modificato.
    void NuovoDaModello(const QString& modello);
    // Apre un file esistente per leggerlo o modificarlo (test, tvl).
    void Apri(const QString& file);
    // Lo stesso da byte già letti (nome: come chiamare la cartella nei messaggi).
    void ApriDati(const QByteArray& contenuto, const QString& nome = {});
    // Cartella vuota con un foglio, per costruire i modelli.
    void NuovoVuoto(const QString& nomePrimoFoglio);
    // Salva; l'estensione .xltx salva un modello, ogni altra una cartella di lavoro.
    // Il file di destinazione viene sostituito per intero (scrittura atomica).
    void Salva(const QString& file);
    // La cartella predefinita per il salvataggio (DefaultFilePath); vuota se non impostata.
    void PercorsoPredefinito(const QString& cartella);
    QString PercorsoPredefinito() const;

    // --- Fogli ------------------------------------------------------------------------------

    int NumeroFogli() const;
    QString NomeFoglio(int numero) const;
    // Rende attivo il foglio numero (da 1); è anche il foglio mostrato all'apertura.
    void Foglio(int numero);
    int FoglioAttivo() const;
    // Aggiunge un foglio in fondo e lo rende attivo; restituisce il suo numero.
    int AggiungiFoglio(const QString& nome);
    void RinominaFoglio(const QString& nome);
    // Toglie il foglio con la sua area di stampa e i suoi titoli; i fogli dopo scalano di uno.
    // Il foglio attivo resta lo stesso se c'è ancora, altrimenti quello al suo posto.
    void EliminaFoglio(int numero);

    // --- Celle del foglio attivo ------------------------------------------------------------

    // Seleziona l'intervallo: la sua prima cella diventa la cella attiva (Range.Select).
    void Seleziona(const QString& intervallo);
    QString CellaAttiva() const;

    // Valore di ogni cella dell'intervallo; la formattazione del modello resta.
    void Valore(const QString& intervallo, const QString& testo);
    void Valore(const QString& intervallo, const char* testo) { Valore(intervallo, QString::fromUtf8(testo)); }
    void Valore(const QString& intervallo, int numero);
    void Valore(const QString& intervallo, qint64 numero);
    void Valore(const QString& intervallo, double numero);
    // Formula in forma canonica inglese, con o senza "=" iniziale ("=F16*G16", "SUM(H16:H20)").
    void Formula(const QString& intervallo, const QString& formula);
    // Svuota valore e formula, lasciando il formato.
    void Svuota(const QString& intervallo);

    // Inserisce "quante" righe intere sopra la riga della cella (EntireRow.Insert): scendono
    // righe, celle, unioni, riferimenti delle formule, aree di stampa e immagini; le nuove righe
    // prendono il formato di quella sopra.
    void InserisciRighe(const QString& cella, int quante = 1);

    // Bordo di un intervallo (Borders(voce).LineStyle / .Weight).
    void Bordo(const QString& intervallo, TBordo voce, int linea = TLinea::Continua, int spessore = TSpessore::Sottile,
               const QString& colore = {});
    // Tutti i bordi di ogni cella (Borders.LineStyle sull'intera collezione).
    void TuttiIBordi(const QString& intervallo, int linea = TLinea::Continua, int spessore = TSpessore::Sottile,
                     const QString& colore = {});

    // Immagine da file ancorata all'angolo della cella, dimensioni in punti (Shapes.AddPicture).
    void Immagine(const QString& cella, const QString& file, double larghezza, double altezza);

    // --- Lettura ----------------------------------------------------------------------------

    bool Esiste(const QString& cella) const; // la cella ha un valore o una formula
    // Il valore come è scritto: il testo, o il numero nella forma del file ("12.5").
    QString Testo(const QString& cella) const;
    // Il valore numerico (0 per un testo o una cella vuota).
    double Numero(const QString& cella) const;
    bool ENumero(const QString& cella) const;
    // La formula senza "=", vuota se la cella non ne ha.
    QString FormulaCella(const QString& cella) const;
    // LineStyle del bordo della cella (TLinea::Nessuna se assente); voci 1-4.
    int StileBordo(const QString& cella, TBordo voce) const;
    int SpessoreBordo(const QString& cella, TBordo voce) const;
    // Codice del formato numerico effettivo ("General" se nessuno) e indice di stile.
    QString FormatoNumero(const QString& cella) const;
    int IndiceStile(const QString& cella) const;
    bool Grassetto(const QString& cella) const;
    QString Sfondo(const QString& cella) const;
    QStringList Unioni() const; // intervalli uniti del foglio attivo
    std::vector<TImmagineFoglio> Immagini() const; // immagini del foglio attivo
    double AltezzaRiga(int riga) const;
    double LarghezzaColonna(int colonna) const;
    // Ultima riga e ultima colonna con contenuto o formato nel foglio attivo (0 se vuoto).
    int UltimaRiga() const;
    int UltimaColonna() const;
    // Le celle scritte nel foglio attivo come (riga, colonna), nell'ordine del file: per leggere un
    // foglio senza scorrere tutto il rettangolo fino all'ultima cella, che può essere XFD1048576.
    std::vector<std::pair<int, int>> CellePresenti() const;
    QString AreaStampa() const; // del foglio attivo, senza il nome del foglio ("$A$1:$H$30")
    QString TitoliStampa() const;

    // --- Impaginazione e formati (per costruire i modelli) ----------------------------------

    void Formatta(const QString& intervallo, const TStile& stile);
    void FormattaColonne(const QString& colonne, const TStile& stile); // "A:C" o "D"
    void LarghezzaColonne(const QString& colonne, double caratteri);
    void AltezzaRiga(int riga, double punti);
    void AltezzaPredefinita(double punti);
    void Unisci(const QString& intervallo);
    void AreaStampa(const QString& area); // "A1:H30" oppure colonne intere "A:N"
    void TitoliStampa(int primaRiga, int ultimaRiga);
    void ImpostaPagina(const TPagina& pagina);
    void BloccaRighe(int righe); // riquadri bloccati sopra la riga righe+1
    // Interruzione di pagina manuale: la riga inizia una pagina nuova.
    void InterruzionePagina(int riga);
    std::vector<int> InterruzioniPagina() const;
    void Griglia(bool visibile);
    // Formattazione condizionale a formula: lo stile e i bordi indicati valgono dove la formula
    // (relativa alla prima cella dell'intervallo) è vera.
    void FormatoCondizionale(const QString& intervallo, const QString& formula, const TStile& stile,
                             const std::vector<TBordo>& bordi = {}, int linea = TLinea::Continua);
    // Proprietà del documento.
    void Proprieta(const QString& titolo, const QString& autore);

    // --- Indirizzi --------------------------------------------------------------------------

    // "A" → 1, "AB" → 28; 0 se non valido.
    static int NumeroColonna(const QString& lettere);
    static QString LettereColonna(int colonna);
    static QString Indirizzo(int colonna, int riga); // (3, 12) → "C12"
    // Numero in testo con i decimali fissi e il separatore della località corrente, senza
    // separatore delle migliaia (come il formato "%.*f" del sistema).
    static QString TestoFisso(double numero, int decimali);

    struct TDati;

private:
    struct TCella_
    {
        int colonna, riga;
    };
    void AdattaAltezza(TCella_ cella, const QString& testo);
    std::unique_ptr<TDati> d;
};
