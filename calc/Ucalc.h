#pragma once
// Modello termico del pannello radiante a pavimento e dimensionamento dei circuiti.
// Metodo della curva caratteristica (EN 1264-2). Tutto in metri, °C, W, l/h, mmH2O.
// Nessuna dipendenza da finestre o database: chi carica i dati (stato del progetto) usa i
// setter o TDatiGenerali; i locali arrivano come array di TLocaleCalc.
#include <QLocale>
#include <QString>

#include <span>

// Dati generali dell'impianto nelle unità delle tabelle (AuxDGenerali): il caricamento da
// tabella è una copia campo per campo, le conversioni le fa TPavRad::CaricaDatiGenerali.
struct TDatiGenerali
{
    float SPESS_MASS = 0; // mm
    float LAMBDA_MASS = 0; // W/mK
    float SPESS_SOL = 0; // cm
    float LAMBDA_SOL = 0; // W/mK
    float SPESS_TUBO = 0; // mm
    float LAMBDA_TUBO = 0; // W/mK
    float DEST_TUBO = 0; // mm
    float INTERASSE = 0; // mm
    float TEMPVS = 0; // °C
    float LUNGMAX = 0; // m
    float DELTAT_MAX = 0; // K
};

// Un locale: dati d'ingresso (da AuxLocali) e risultati del calcolo (zona attiva "As" e zona
// marginale "Am"). I risultati valgono 0 finché CalcolaLocali non li ha scritti.
struct TLocaleCalc
{
    int ID = 0;
    QString Piano;
    QString Descrizione;
    float TAmbiente = 0; // °C
    float Area = 0; // m²
    float AreaUtile = 0; // m², "As"
    float AreaMarginale = 0; // m², "Am", parte dell'area utile
    float CTermico = 0; // W
    QString Rivestimento;
    float Lambda_Riv = 0; // W/mK
    float Spessore = 0; // mm
    int DistColl = 0; // m

    float PotAs = 0; // W
    float TSupAs = 0; // °C
    float PassoAs = 0; // m
    int NAs = 0;
    float LAs = 0; // m, un circuito
    float QAs = 0; // l/h, un circuito
    float DpAs = 0; // mmH2O, un circuito
    float PotAm = 0;
    float TSupAm = 0;
    float PassoAm = 0;
    int NAm = 0;
    float LAm = 0;
    float QAm = 0;
    float DpAm = 0;
    float Integr = 0; // W non coperti dal pavimento
};

// Risultati delle singole operazioni.
struct TResa
{
    float Pot = 0; // W
    float TSup = 0; // °C, 0 quando Pot <= 0
};

struct TCircuiti
{
    int N = 0; // numero di circuiti
    int L = 0; // m, lunghezza di un circuito compresi andata e ritorno al collettore
};

struct TPortata
{
    float Q = 0; // l/h per circuito
    float Dp = 0; // mmH2O per circuito
};

struct TZona
{
    float Pot = 0;
    float TSup = 0;
    int N = 0;
    float L = 0;
    float Q = 0;
    float Dp = 0;
    float Passo = 0; // m
};

// Immagini e marcature di una cella della griglia dei circuiti: i valori sono gli indici
// della lista d'immagini e dei colori del carattere usati da chi disegna la griglia.
enum TImmagineCella : int {
    NessunaImmagine = -1,
    FrecciaRossa = 0,
    LampadaVerde = 1,
    LampadaRossa = 2,
};

enum TMarcaCella : int {
    MarcaNormale = 0, // nero
    MarcaRossa = 1,
    MarcaArancio = 2,
    MarcaBlu = 3,
};

struct TCellaGriglia
{
    QString Testo;
    TImmagineCella Immagine = NessunaImmagine;
    TMarcaCella Marca = MarcaNormale;
};

class TPavRad
{
public:
    // Colonne della griglia: 0..12 zona attiva, 13..19 zona marginale.
    static constexpr int NumColonneAttive = 13;
    static constexpr int NumColonneMarginali = 20;

    // Tabelle costanti.
    static constexpr int NumPassi = 11;
    static constexpr int NumRLambda = 4;
    static const float TabPasso[NumPassi]; // m
    static const float TabRLambda[NumRLambda]; // m²K/W
    static const float TabAT[NumRLambda];
    static const float TabAU[NumPassi][NumRLambda];
    static const float TabAD[NumPassi][NumRLambda];

    TPavRad();

    // Dati generali: ogni setter riceve il valore nell'unità della tabella e lo converte.
    void CaricaDatiGenerali(const TDatiGenerali& d);
    void ImpostaSpessMassetto(float mm);
    void ImpostaLambdaMassetto(float wmk);
    void ImpostaSpessSoletta(float cm);
    void ImpostaLambdaSoletta(float wmk);
    void ImpostaSpessTubo(float mm);
    void ImpostaLambdaTubo(float wmk);
    void ImpostaDestTubo(float mm);
    void ImpostaInterasse(float mm);
    void ImpostaTVaniSottostanti(float gradi);
    void ImpostaLungMax(float m); // troncata all'intero
    void ImpostaDeltaT(float k);

    // Zona corrente.
    void ImpostaTAmbiente(float gradi);
    void ImpostaCarico(float w);
    void ImpostaAreaZona(float mq);
    void ImpostaLambdaRiv(float wmk);
    void ImpostaSpessRiv(float mm);
    void ImpostaDistColl(int m);
    // Tutti gli ingressi di zona da un locale, con A = AreaUtile e carico = CTermico.
    void CaricaLocale(const TLocaleCalc& l);

    // Impostati dalla pagina della temperatura di mandata.
    void ImpostaTempMandata(float gradi);
    void ImpostaAreaMarginaleAttiva(bool attiva);

    // Ingressi in metri e unità del modello.
    float SpessMassetto() const { return m_SpessMassetto; }
    float LambdaMassetto() const { return m_LambdaMassetto; }
    float SpessSoletta() const { return m_SpessSoletta; }
    float LambdaSoletta() const { return m_LambdaSoletta; }
    float SpessTubo() const { return m_SpessTubo; }
    float LambdaTubo() const { return m_LambdaTubo; }
    float DestTubo() const { return m_DestTubo; }
    float Interasse() const { return m_Interasse; }
    int ModuloMm() const { return m_ModuloMm; } // interasse in millimetri interi
    float TVaniSottostanti() const { return m_TVaniSottostanti; }
    int LungMax() const { return m_LungMax; }
    float DeltaT() const { return m_DeltaT; }
    float TAmbiente() const { return m_TAmbiente; }
    float Carico() const { return m_Carico; }
    float AreaZona() const { return m_AreaZona; }
    float LambdaRiv() const { return m_LambdaRiv; }
    float SpessRiv() const { return m_SpessRiv; }
    int DistColl() const { return m_DistColl; }
    float TempMandata() const { return m_TempMandata; }
    bool AreaMarginaleAttiva() const { return m_AreaMarginaleAttiva; }

    // Valori derivati dell'ultimo calcolo.
    float DeltaTH() const { return m_DeltaTH; }
    float B() const { return m_B; }
    float FattoreAB() const { return m_FattoreAB; }
    float FattoreAT() const { return m_FattoreAT; }
    float FattoreAU() const { return m_FattoreAU; }
    float FattoreAD() const { return m_FattoreAD; }

    // Scelta della colonna (resistenza del rivestimento) e della riga (passo) delle tabelle.
    static int ColonnaRLambda(float rLambda);
    static int RigaPasso(float passo);
    float RLambdaB() const; // SpessRiv / LambdaRiv, 0 se non calcolabile

    // Serie dei passi del modulo corrente, dal più largo; restituisce quanti sono (<= 8).
    int SeriePassi(float passi[8]) const;

    // Modello termico.
    TResa CalcolaResa(float passo);
    float TempSuperficie(float pot) const;
    float CalcolaTOttima(std::span<const TLocaleCalc> locali);

    // Circuiti e idraulica.
    TZona DimensionaZona();
    TCircuiti CalcolaCircuiti(float passo) const;
    TPortata CalcolaPortata(int n, float lc, float pot) const;
    float PassoMarginale(float passoAttivo) const;
    void CalcolaLocali(std::span<TLocaleCalc> locali);

    // Testo, immagine e marca di una cella della griglia (riga 0 intestazioni, riga 1 unità,
    // riga r >= 2 il locale r - 2). I numeri usano il separatore decimale di `locale`.
    static TCellaGriglia TestoCella(int colonna, int riga, std::span<const TLocaleCalc> locali,
                                    const QLocale& locale = QLocale());

private:
    bool ModelloValido() const;
    float PotenzaSpecifica(float passo); // q [W/m²], 0 quando il modello non è calcolabile
    bool PreparaZona();
    float CercaPasso(float& pot);
    float PotenzaSpecificaPreparata(float passo, int riga);
    void AggiornaTermineTubo();
    void AggiornaPotenzeAU();
    void AggiornaPotenzeAD();
    void AggiornaSerie();

    float m_SpessMassetto = 0;
    float m_LambdaMassetto = 0;
    float m_SpessSoletta = 0;
    float m_LambdaSoletta = 0;
    float m_SpessTubo = 0;
    float m_LambdaTubo = 0;
    float m_DestTubo = 0;
    float m_Interasse = 0;
    int m_ModuloMm = 0;
    float m_TVaniSottostanti = 0;
    int m_LungMax = 0;
    float m_DeltaT = 0;

    float m_TAmbiente = 0;
    float m_Carico = 0;
    float m_AreaZona = 0;
    float m_LambdaRiv = 0;
    float m_SpessRiv = 0;
    int m_DistColl = 0;

    float m_TempMandata = 0;
    bool m_AreaMarginaleAttiva = false;

    float m_DeltaTH = 0;
    float m_B = 0;
    float m_FattoreAB = 0;
    float m_FattoreAT = 0;
    float m_FattoreAU = 0;
    float m_FattoreAD = 0;

    // Valori che dipendono solo dai dati generali, ricalcolati dai loro setter: il calcolo di
    // tutti i locali gira a ogni movimento del cursore della temperatura.
    float m_TermineTubo = 0; // ln(da/di)/(2 λR) - ln(da/(da-0.004))/0.7
    float m_PotAU[NumPassi][NumRLambda] = {}; // aU^mU
    float m_PotAD[NumPassi][NumRLambda] = {}; // aD^mD
    float m_PotAT[NumPassi][NumRLambda] = {}; // aT^mT ai passi tabulati
    double m_DiPot475 = 0; // (diametro interno in mm)^4.75
    int m_SerieMm[8] = {};
    int m_RigheSerie[8] = {}; // riga delle tabelle di ciascun passo della serie
    int m_NumSerie = 0;
    // ΔθH dell'ultima terna (θV, σ, θi): cambia solo al cambio di locale o di temperatura.
    float m_CacheTV = 0, m_CacheSigma = 0, m_CacheTi = 0, m_CacheDeltaTH = 0;
    bool m_CacheValida = false;
    bool m_ZonaValida = false;
    int m_ColonnaZona = 0;
};
