// Modelli della relazione tecnica: senza ("rapptec") e con zone marginali ("rapptecAM").
// I fogli stanno nell'ordine in cui il programma li sceglie per numero.
#include "tools/creamodelli.h"

using namespace modelli;

namespace {

// I testi passano per le traduzioni della relazione (lo stesso contesto dei testi che il programma
// scrive nella relazione): con quelle inglesi installate lo stesso codice fa i modelli inglesi. Per
// questo nessun testo sta in una costante globale, che si leggerebbe prima dell'installazione.
struct TRelazione
{
    Q_DECLARE_TR_FUNCTIONS(Relazione)
};

QString Mmh2o()
{
    return TRelazione::tr("[mmH20]");
}

void Copertina(TFoglio& f, bool conMarginale)
{
    f.Griglia(false);
    f.LarghezzaColonne(QStringLiteral("A"), 40);
    f.LarghezzaColonne(QStringLiteral("B"), 62);
    f.Valore(QStringLiteral("A1"), Ditta);
    f.Formatta(QStringLiteral("A1"), {.dimensione = 20, .grassetto = true, .colore = Blu});
    f.AltezzaRiga(1, 30);
    f.Valore(QStringLiteral("A2"), TRelazione::tr("Sistemi di riscaldamento a pavimento radiante"));
    f.Formatta(QStringLiteral("A2"), {.corsivo = true, .colore = Grigio});
    f.Bordo(QStringLiteral("A2:B2"), TBordo::Inferiore, TLinea::Continua, TSpessore::Medio, Blu);

    auto campo = [&](int riga, const QString& etichetta) {
        const QString a = QStringLiteral("A%1").arg(riga), b = QStringLiteral("B%1").arg(riga);
        f.Valore(a, etichetta);
        f.Formatta(a, {.grassetto = true, .orizzontale = TAllineamento::Destra, .rientro = 1});
        // Un testo lungo (descrizione del pannello, nome del progetto) va a capo: la riga, senza
        // altezza fissa, si alza quanto serve.
        f.Formatta(b,
                   {.dimensione = 11,
                    .orizzontale = TAllineamento::Sinistra,
                    .verticale = TAllineamento::Basso,
                    .aCapo = true,
                    .formato = QStringLiteral("@")});
        f.Formatta(a, {.verticale = TAllineamento::Basso});
        f.Bordo(b, TBordo::Inferiore, TLinea::Continua, TSpessore::Capello, Grigio);
    };
    auto sezione = [&](int riga, const QString& titolo) {
        const QString area = QStringLiteral("A%1:B%1").arg(riga);
        f.Valore(QStringLiteral("A%1").arg(riga), titolo);
        f.Formatta(area, {.dimensione = 11, .grassetto = true, .colore = Blu, .sfondo = Azzurro});
        f.AltezzaRiga(riga, 20);
    };

    campo(5, TRelazione::tr("Riferimento:"));
    f.Valore(QStringLiteral("A7"), TRelazione::tr("RELAZIONE TECNICA"));
    f.Formatta(QStringLiteral("A7"), {.dimensione = 18, .grassetto = true});
    f.AltezzaRiga(7, 26);
    f.Valore(QStringLiteral("A8"),
             conMarginale ? TRelazione::tr("Impianto di riscaldamento a pavimento con zone marginali")
                          : TRelazione::tr("Impianto di riscaldamento a pavimento"));
    f.Formatta(QStringLiteral("A8"), {.dimensione = 11, .corsivo = true});
    sezione(9, TRelazione::tr("DATI DEL PROGETTO"));
    campo(11, TRelazione::tr("Progetto:"));
    campo(13, TRelazione::tr("Committente:"));
    campo(15, TRelazione::tr("Progettista:"));
    campo(17, TRelazione::tr("Data:"));
    f.Valore(QStringLiteral("A20"),
             TRelazione::tr("Dimensionamento dei circuiti con il metodo delle curve "
                            "caratteristiche (EN 1264-2): passo dei tubi, numero e lunghezza "
                            "dei circuiti, portate, perdite di carico e temperature superficiali."));
    f.Unisci(QStringLiteral("A20:B21"));
    f.Formatta(QStringLiteral("A20:B21"),
               {.dimensione = 9, .corsivo = true, .verticale = TAllineamento::Alto, .aCapo = true});
    sezione(24, TRelazione::tr("DATI GENERALI DELL'IMPIANTO"));
    campo(26, TRelazione::tr("Tubo:"));
    campo(28, TRelazione::tr("Pannello isolante:"));
    campo(30, TRelazione::tr("Lunghezza massima del circuito:"));
    campo(32, TRelazione::tr("Salto termico massimo:"));
    campo(34, TRelazione::tr("Temperatura di mandata di progetto:"));
    sezione(37, TRelazione::tr("CONTENUTO"));
    QStringList fogli = {TRelazione::tr("Dati dei locali"), TRelazione::tr("Risultati della zona occupata")};
    if (conMarginale)
        fogli << TRelazione::tr("Risultati della zona marginale");
    fogli << TRelazione::tr("Preregolazione dei detentori dei circuiti")
          << TRelazione::tr("Collettori di distribuzione");
    for (int i = 0; i < fogli.size(); ++i) {
        const QString a = QStringLiteral("A%1").arg(39 + i);
        f.Valore(a, QStringLiteral("%1.  %2").arg(i + 1).arg(fogli[i]));
        f.Formatta(a, {.rientro = 2});
    }
    Pagina(f, TRelazione::tr("Relazione tecnica"), false);
    f.AreaStampa(QStringLiteral("A1:B45"));
    f.Seleziona(QStringLiteral("A1"));
}

void FoglioTabella(TFoglio& f, const QString& nome, const QString& titolo, const QString& sottotitolo,
                   const std::vector<TColonna>& colonne, bool orizzontale)
{
    f.AggiungiFoglio(nome);
    const int ultima = int(colonne.size());
    Intestazione(f, titolo, sottotitolo, ultima, TFoglio::Indirizzo(ultima, 4));
    Tabella(f, 5, colonne);
    f.BloccaRighe(6);
    Pagina(f, TRelazione::tr("Relazione tecnica"), orizzontale, 5, 6);
    f.AreaStampa(QStringLiteral("A:%1").arg(TFoglio::LettereColonna(ultima)));
    f.Seleziona(QStringLiteral("A1"));
}

TColonna Num(const QString& t, const QString& u, double l)
{
    return {t, u, l, TAllineamento::Centro};
}
// Colonna numerica stampata con un numero fisso di decimali (il valore nella cella resta intero).
TColonna Dec(const QString& t, const QString& u, double l, const QString& formato)
{
    return {t, u, l, TAllineamento::Centro, formato};
}
TColonna Txt(const QString& t, double l)
{
    return {t, {}, l, TAllineamento::Sinistra};
}

} // namespace

void modelli::Rapporto(TFoglio& f, bool conMarginale)
{
    Copertina(f, conMarginale);
    FoglioTabella(f, TRelazione::tr("Locali"), TRelazione::tr("DATI DEI LOCALI"), {},
                  {Num(TRelazione::tr("N°"), {}, 5), Txt(TRelazione::tr("Locale"), 24),
                   Num(TRelazione::tr("Piano"), {}, 9), Num(TRelazione::tr("T ambiente"), TRelazione::tr("[°C]"), 10),
                   Num(TRelazione::tr("Area"), TRelazione::tr("[m²]"), 9),
                   Num(TRelazione::tr("Area utile"), TRelazione::tr("[m²]"), 9),
                   Num(TRelazione::tr("Area marginale"), TRelazione::tr("[m²]"), 10),
                   Num(TRelazione::tr("Carico termico"), TRelazione::tr("[W]"), 10),
                   Txt(TRelazione::tr("Rivestimento"), 22),
                   Num(TRelazione::tr("Spessore rivestimento"), TRelazione::tr("[mm]"), 12),
                   Num(TRelazione::tr("Distanza dal collettore"), TRelazione::tr("[m]"), 12)},
                  true);
    FoglioTabella(f, TRelazione::tr("Zona occupata"), TRelazione::tr("RISULTATI - ZONA OCCUPATA"),
                  TRelazione::tr("Integrazione: potenza da fornire con altri mezzi quando il pavimento non basta"),
                  {Num(TRelazione::tr("N°"), {}, 5), Txt(TRelazione::tr("Locale"), 22),
                   Num(TRelazione::tr("Piano"), {}, 8), Num(TRelazione::tr("T ambiente"), TRelazione::tr("[°C]"), 9),
                   Num(TRelazione::tr("Area utile"), TRelazione::tr("[m²]"), 8),
                   Num(TRelazione::tr("Carico termico"), TRelazione::tr("[W]"), 9),
                   Dec(TRelazione::tr("Potenza resa"), TRelazione::tr("[W]"), 8, QStringLiteral("0")),
                   Dec(TRelazione::tr("Integrazione"), TRelazione::tr("[W]"), 12.5, QStringLiteral("0")),
                   Dec(TRelazione::tr("Passo"), TRelazione::tr("[cm]"), 8.5, QStringLiteral("0.0")),
                   Num(TRelazione::tr("Circuiti"), TRelazione::tr("[n°]"), 8),
                   Num(TRelazione::tr("Lunghezza circuito"), TRelazione::tr("[m]"), 10),
                   Dec(TRelazione::tr("T superficiale"), TRelazione::tr("[°C]"), 11, QStringLiteral("0.0")),
                   Dec(TRelazione::tr("Portata circuito"), TRelazione::tr("[l/h]"), 9, QStringLiteral("0.0")),
                   Dec(TRelazione::tr("Perdita di carico"), Mmh2o(), 10, QStringLiteral("0.0"))},
                  true);
    if (conMarginale)
        FoglioTabella(f, TRelazione::tr("Zona marginale"), TRelazione::tr("RISULTATI - ZONA MARGINALE"),
                      TRelazione::tr("\"-\": locale senza zona marginale"),
                      {Num(TRelazione::tr("N°"), {}, 5), Txt(TRelazione::tr("Locale"), 22),
                       Num(TRelazione::tr("Piano"), {}, 8),
                       Num(TRelazione::tr("T ambiente"), TRelazione::tr("[°C]"), 9),
                       Num(TRelazione::tr("Area marginale"), TRelazione::tr("[m²]"), 10),
                       Num(TRelazione::tr("Carico termico"), TRelazione::tr("[W]"), 9),
                       Dec(TRelazione::tr("Potenza resa"), TRelazione::tr("[W]"), 8, QStringLiteral("0")),
                       Dec(TRelazione::tr("Passo"), TRelazione::tr("[cm]"), 8.5, QStringLiteral("0.0")),
                       Num(TRelazione::tr("Circuiti"), TRelazione::tr("[n°]"), 8),
                       Num(TRelazione::tr("Lunghezza circuito"), TRelazione::tr("[m]"), 10),
                       Dec(TRelazione::tr("T superficiale"), TRelazione::tr("[°C]"), 11, QStringLiteral("0.0")),
                       Dec(TRelazione::tr("Portata circuito"), TRelazione::tr("[l/h]"), 9, QStringLiteral("0.0")),
                       Dec(TRelazione::tr("Perdita di carico"), Mmh2o(), 10, QStringLiteral("0.0"))},
                      true);
    FoglioTabella(f, TRelazione::tr("Detentori"), TRelazione::tr("PREREGOLAZIONE DEI DETENTORI"),
                  TRelazione::tr("Giri di apertura del detentore di ogni circuito; TA = detentore tutto aperto"),
                  {Num(TRelazione::tr("N°"), {}, 6), Txt(TRelazione::tr("Collettore"), 18),
                   Txt(TRelazione::tr("Circuito"), 44),
                   Num(TRelazione::tr("Preregolazione"), TRelazione::tr("[giri]"), 16)},
                  false);
    FoglioTabella(f, TRelazione::tr("Collettori"), TRelazione::tr("COLLETTORI DI DISTRIBUZIONE"), {},
                  {Num(TRelazione::tr("N°"), {}, 6), Txt(TRelazione::tr("Collettore"), 16),
                   Txt(TRelazione::tr("Tipo"), 44), Num(TRelazione::tr("Circuiti"), TRelazione::tr("[n°]"), 10),
                   Dec(TRelazione::tr("Portata"), TRelazione::tr("[l/h]"), 11, QStringLiteral("0")),
                   Dec(TRelazione::tr("Perdita di carico"), Mmh2o(), 13, QStringLiteral("0"))},
                  false);
}
