// Modelli della relazione tecnica: senza ("rapptec") e con zone marginali ("rapptecAM").
// I fogli stanno nell'ordine in cui il programma li sceglie per numero.
#include "tools/creamodelli.h"

using namespace modelli;

namespace {

const QString Mmh2o = QStringLiteral("[mmH20]");

void Copertina(TFoglio& f, bool conMarginale)
{
    f.Griglia(false);
    f.LarghezzaColonne(QStringLiteral("A"), 40);
    f.LarghezzaColonne(QStringLiteral("B"), 62);
    f.Valore(QStringLiteral("A1"), Ditta);
    f.Formatta(QStringLiteral("A1"), {.dimensione = 20, .grassetto = true, .colore = Blu});
    f.AltezzaRiga(1, 30);
    f.Valore(QStringLiteral("A2"), QStringLiteral("Sistemi di riscaldamento a pavimento radiante"));
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

    campo(5, QStringLiteral("Riferimento:"));
    f.Valore(QStringLiteral("A7"), QStringLiteral("RELAZIONE TECNICA"));
    f.Formatta(QStringLiteral("A7"), {.dimensione = 18, .grassetto = true});
    f.AltezzaRiga(7, 26);
    f.Valore(QStringLiteral("A8"),
             conMarginale ? QStringLiteral("Impianto di riscaldamento a pavimento con zone marginali")
                          : QStringLiteral("Impianto di riscaldamento a pavimento"));
    f.Formatta(QStringLiteral("A8"), {.dimensione = 11, .corsivo = true});
    sezione(9, QStringLiteral("DATI DEL PROGETTO"));
    campo(11, QStringLiteral("Progetto:"));
    campo(13, QStringLiteral("Committente:"));
    campo(15, QStringLiteral("Progettista:"));
    campo(17, QStringLiteral("Data:"));
    f.Valore(QStringLiteral("A20"),
             QStringLiteral("Dimensionamento dei circuiti con il metodo delle curve "
                            "caratteristiche (EN 1264-2): passo dei tubi, numero e lunghezza "
                            "dei circuiti, portate, perdite di carico e temperature superficiali."));
    f.Unisci(QStringLiteral("A20:B21"));
    f.Formatta(QStringLiteral("A20:B21"),
               {.dimensione = 9, .corsivo = true, .verticale = TAllineamento::Alto, .aCapo = true});
    sezione(24, QStringLiteral("DATI GENERALI DELL'IMPIANTO"));
    campo(26, QStringLiteral("Tubo:"));
    campo(28, QStringLiteral("Pannello isolante:"));
    campo(30, QStringLiteral("Lunghezza massima del circuito:"));
    campo(32, QStringLiteral("Salto termico massimo:"));
    campo(34, QStringLiteral("Temperatura di mandata di progetto:"));
    sezione(37, QStringLiteral("CONTENUTO"));
    QStringList fogli = {QStringLiteral("Dati dei locali"), QStringLiteral("Risultati della zona occupata")};
    if (conMarginale)
        fogli << QStringLiteral("Risultati della zona marginale");
    fogli << QStringLiteral("Preregolazione dei detentori dei circuiti")
          << QStringLiteral("Collettori di distribuzione");
    for (int i = 0; i < fogli.size(); ++i) {
        const QString a = QStringLiteral("A%1").arg(39 + i);
        f.Valore(a, QStringLiteral("%1.  %2").arg(i + 1).arg(fogli[i]));
        f.Formatta(a, {.rientro = 2});
    }
    Pagina(f, QStringLiteral("Relazione tecnica"), false);
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
    Pagina(f, QStringLiteral("Relazione tecnica"), orizzontale, 5, 6);
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
    FoglioTabella(f, QStringLiteral("Locali"), QStringLiteral("DATI DEI LOCALI"), {},
                  {Num(QStringLiteral("N°"), {}, 5), Txt(QStringLiteral("Locale"), 24),
                   Num(QStringLiteral("Piano"), {}, 9), Num(QStringLiteral("T ambiente"), QStringLiteral("[°C]"), 10),
                   Num(QStringLiteral("Area"), QStringLiteral("[m²]"), 9),
                   Num(QStringLiteral("Area utile"), QStringLiteral("[m²]"), 9),
                   Num(QStringLiteral("Area marginale"), QStringLiteral("[m²]"), 10),
                   Num(QStringLiteral("Carico termico"), QStringLiteral("[W]"), 10),
                   Txt(QStringLiteral("Rivestimento"), 22),
                   Num(QStringLiteral("Spessore rivestimento"), QStringLiteral("[mm]"), 12),
                   Num(QStringLiteral("Distanza dal collettore"), QStringLiteral("[m]"), 12)},
                  true);
    FoglioTabella(f, QStringLiteral("Zona occupata"), QStringLiteral("RISULTATI - ZONA OCCUPATA"),
                  QStringLiteral("Integrazione: potenza da fornire con altri mezzi quando il pavimento non basta"),
                  {Num(QStringLiteral("N°"), {}, 5), Txt(QStringLiteral("Locale"), 22),
                   Num(QStringLiteral("Piano"), {}, 8), Num(QStringLiteral("T ambiente"), QStringLiteral("[°C]"), 9),
                   Num(QStringLiteral("Area utile"), QStringLiteral("[m²]"), 8),
                   Num(QStringLiteral("Carico termico"), QStringLiteral("[W]"), 9),
                   Dec(QStringLiteral("Potenza resa"), QStringLiteral("[W]"), 8, QStringLiteral("0")),
                   Dec(QStringLiteral("Integrazione"), QStringLiteral("[W]"), 12.5, QStringLiteral("0")),
                   Dec(QStringLiteral("Passo"), QStringLiteral("[cm]"), 7, QStringLiteral("0.0")),
                   Num(QStringLiteral("Circuiti"), QStringLiteral("[n°]"), 8),
                   Num(QStringLiteral("Lunghezza circuito"), QStringLiteral("[m]"), 10),
                   Dec(QStringLiteral("T superficiale"), QStringLiteral("[°C]"), 11, QStringLiteral("0.0")),
                   Dec(QStringLiteral("Portata circuito"), QStringLiteral("[l/h]"), 9, QStringLiteral("0.0")),
                   Dec(QStringLiteral("Perdita di carico"), Mmh2o, 10, QStringLiteral("0.0"))},
                  true);
    if (conMarginale)
        FoglioTabella(f, QStringLiteral("Zona marginale"), QStringLiteral("RISULTATI - ZONA MARGINALE"),
                      QStringLiteral("\"-\": locale senza zona marginale"),
                      {Num(QStringLiteral("N°"), {}, 5), Txt(QStringLiteral("Locale"), 22),
                       Num(QStringLiteral("Piano"), {}, 8),
                       Num(QStringLiteral("T ambiente"), QStringLiteral("[°C]"), 9),
                       Num(QStringLiteral("Area marginale"), QStringLiteral("[m²]"), 10),
                       Num(QStringLiteral("Carico termico"), QStringLiteral("[W]"), 9),
                       Dec(QStringLiteral("Potenza resa"), QStringLiteral("[W]"), 8, QStringLiteral("0")),
                       Dec(QStringLiteral("Passo"), QStringLiteral("[cm]"), 7, QStringLiteral("0.0")),
                       Num(QStringLiteral("Circuiti"), QStringLiteral("[n°]"), 8),
                       Num(QStringLiteral("Lunghezza circuito"), QStringLiteral("[m]"), 10),
                       Dec(QStringLiteral("T superficiale"), QStringLiteral("[°C]"), 11, QStringLiteral("0.0")),
                       Dec(QStringLiteral("Portata circuito"), QStringLiteral("[l/h]"), 9, QStringLiteral("0.0")),
                       Dec(QStringLiteral("Perdita di carico"), Mmh2o, 10, QStringLiteral("0.0"))},
                      true);
    FoglioTabella(f, QStringLiteral("Detentori"), QStringLiteral("PREREGOLAZIONE DEI DETENTORI"),
                  QStringLiteral("Giri di apertura del detentore di ogni circuito; TA = detentore tutto aperto"),
                  {Num(QStringLiteral("N°"), {}, 6), Txt(QStringLiteral("Collettore"), 18),
                   Txt(QStringLiteral("Circuito"), 44),
                   Num(QStringLiteral("Preregolazione"), QStringLiteral("[giri]"), 16)},
                  false);
    FoglioTabella(f, QStringLiteral("Collettori"), QStringLiteral("COLLETTORI DI DISTRIBUZIONE"), {},
                  {Num(QStringLiteral("N°"), {}, 6), Txt(QStringLiteral("Collettore"), 16),
                   Txt(QStringLiteral("Tipo"), 44), Num(QStringLiteral("Circuiti"), QStringLiteral("[n°]"), 10),
                   Dec(QStringLiteral("Portata"), QStringLiteral("[l/h]"), 11, QStringLiteral("0")),
                   Dec(QStringLiteral("Perdita di carico"), Mmh2o, 13, QStringLiteral("0"))},
                  false);
}
