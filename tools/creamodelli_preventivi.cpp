// Modelli del preventivo semplice ("Prev") e del capitolato ("Capitolato", "Capitolatop").
#include "tools/creamodelli.h"

using namespace modelli;

namespace {

// I testi del preventivo passano per le sue traduzioni (lo stesso contesto del nome che il programma
// dà al documento): con quelle inglesi installate lo stesso codice fa il modello inglese.
struct TPreventivo
{
    Q_DECLARE_TR_FUNCTIONS(Preventivo)
};

void Campo(TFoglio& f, const QString& etichetta, const QString& cella, const QString& unione)
{
    const int col = TFoglio::NumeroColonna(cella.left(1));
    const QString e = TFoglio::Indirizzo(col - 1, cella.mid(1).toInt());
    f.Valore(e, etichetta);
    f.Formatta(e, {.grassetto = true, .orizzontale = TAllineamento::Destra});
    f.Unisci(unione);
    f.Formatta(unione, {.dimensione = 11, .orizzontale = TAllineamento::Sinistra, .formato = QStringLiteral("@")});
    f.Bordo(unione, TBordo::ContornoInferiore, TLinea::Continua, TSpessore::Capello, Grigio);
}

} // namespace

// Le righe dei materiali si inseriscono due alla volta alla riga 16 e prendono il formato della
// riga sopra: la riga 15 è quindi la riga modello delle voci. Il totale scende con le righe
// inserite e arriva alla riga r + 8 dove il programma scrive la somma.
void modelli::Preventivo(TFoglio& f)
{
    Intestazione(f, TPreventivo::tr("PREVENTIVO"), TPreventivo::tr("Impianto di riscaldamento a pavimento radiante"),
                 8);
    Tabella(
        f, 13,
        {{TPreventivo::tr("Pos."), {}, 5, TAllineamento::Centro},
         {TPreventivo::tr("Descrizione"), {}, 44, TAllineamento::Sinistra},
         {TPreventivo::tr("Articolo"), {}, 12, TAllineamento::Centro},
         {TPreventivo::tr("Codice"), {}, 14, TAllineamento::Centro},
         {TPreventivo::tr("U.M."), {}, 6, TAllineamento::Centro},
         {TPreventivo::tr("Quantità"), {}, 10, TAllineamento::Destra},
         {TPreventivo::tr("Prezzo unitario"), TPreventivo::tr("[€]"), 12, TAllineamento::Destra,
          QStringLiteral("#,##0.00")},
         {TPreventivo::tr("Importo"), TPreventivo::tr("[€]"), 13, TAllineamento::Destra, QStringLiteral("#,##0.00")}});
    Campo(f, TPreventivo::tr("Data:"), QStringLiteral("D5"), QStringLiteral("D5:E5"));
    Campo(f, TPreventivo::tr("Riferimento:"), QStringLiteral("D8"), QStringLiteral("D8:H8"));
    Campo(f, TPreventivo::tr("Progetto:"), QStringLiteral("D11"), QStringLiteral("D11:H11"));
    f.FormattaColonne(QStringLiteral("B:E"), {.aCapo = true});
    // Riga modello delle voci.
    f.Formatta(QStringLiteral("A15:H15"), {.verticale = TAllineamento::Alto});
    f.Formatta(QStringLiteral("B15:E15"), {.aCapo = true});
    f.Formatta(QStringLiteral("H15"), {.grassetto = true});

    f.Bordo(QStringLiteral("A22:H22"), TBordo::Superiore, TLinea::Continua, TSpessore::Medio, Blu);
    f.Valore(QStringLiteral("G24"), TPreventivo::tr("TOTALE [€]"));
    f.Formatta(QStringLiteral("G24"), {.dimensione = 11, .grassetto = true, .orizzontale = TAllineamento::Destra});
    f.Formula(QStringLiteral("H24"), QStringLiteral("SUM(H16:H20)"));
    f.Formatta(QStringLiteral("H24"),
               {.dimensione = 11,
                .grassetto = true,
                .sfondo = Azzurro,
                .orizzontale = TAllineamento::Destra,
                .formato = QStringLiteral("#,##0.00")});
    f.Bordo(QStringLiteral("H24"), TBordo::Superiore, TLinea::Continua, TSpessore::Sottile);
    f.Bordo(QStringLiteral("H24"), TBordo::Inferiore, TLinea::Doppia, TSpessore::Spesso);
    f.AltezzaRiga(24, 18);
    const QStringList note = {TPreventivo::tr("Note:"), TPreventivo::tr("I prezzi si intendono IVA esclusa."),
                              TPreventivo::tr("Le quantità derivano dal calcolo del progetto e vanno verificate "
                                              "prima dell'ordine."),
                              TPreventivo::tr("Sono esclusi trasporto, posa in opera e quanto non espressamente "
                                              "indicato.")};
    for (int i = 0; i < note.size(); ++i) {
        const QString c = QStringLiteral("B%1").arg(27 + i);
        f.Valore(c, note[i]);
        f.Formatta(c, {.dimensione = 9, .grassetto = i == 0, .corsivo = i > 0, .aCapo = false});
    }
    // La firma accanto alle note, non sotto: il blocco finale resta basso e non finisce da solo su
    // una pagina in più.
    f.Unisci(QStringLiteral("F27:H27"));
    f.Valore(QStringLiteral("F27"), TPreventivo::tr("Per accettazione"));
    f.Formatta(QStringLiteral("F27"), {.dimensione = 9, .corsivo = true, .aCapo = false});
    f.Bordo(QStringLiteral("F30:H30"), TBordo::Superiore, TLinea::Continua, TSpessore::Capello, Grigio);
    Pagina(f, TPreventivo::tr("Preventivo"), false, 13, 14);
    f.AreaStampa(QStringLiteral("A1:H31"));
    f.Seleziona(QStringLiteral("A1"));
}

// Voci dalla riga 5, una ogni due righe: immagine in A, testo del capitolato in C, unità in D,
// quantità in E e, nel modello con prezzi, prezzo unitario in F.
void modelli::Capitolato(TFoglio& f, bool conPrezzi)
{
    const int ultima = conPrezzi ? 6 : 5;
    f.Valore(QStringLiteral("A1"), Ditta);
    f.Formatta(QStringLiteral("A1"), {.dimensione = 14, .grassetto = true, .colore = Blu});
    f.Formatta(
        QStringLiteral("D1"),
        {.dimensione = 10, .grassetto = true, .orizzontale = TAllineamento::Destra, .formato = QStringLiteral("@")});
    f.Valore(QStringLiteral("A2"),
             conPrezzi ? QStringLiteral("CAPITOLATO DEI MATERIALI CON PREZZI")
                       : QStringLiteral("CAPITOLATO DEI MATERIALI"));
    f.Formatta(QStringLiteral("A2"), {.dimensione = 12, .grassetto = true});
    f.AltezzaRiga(1, 20);
    f.AltezzaRiga(2, 18);
    std::vector<TColonna> colonne
        = {{{}, {}, 11, TAllineamento::Centro},
           {{}, {}, 2, TAllineamento::Sinistra},
           {QStringLiteral("Descrizione"), {}, conPrezzi ? 62.0 : 70.0, TAllineamento::Giustificato},
           {QStringLiteral("U.M."), {}, 7, TAllineamento::Centro},
           {QStringLiteral("Quantità"), {}, 10, TAllineamento::Destra}};
    if (conPrezzi)
        colonne.push_back({QStringLiteral("Prezzo unitario"), QStringLiteral("[€]"), 12, TAllineamento::Destra,
                           QStringLiteral("#,##0.00")});
    Tabella(f, 3, colonne);
    f.FormattaColonne(QStringLiteral("A:%1").arg(TFoglio::LettereColonna(ultima)), {.verticale = TAllineamento::Alto});
    f.FormattaColonne(QStringLiteral("C"), {.aCapo = true});
    f.BloccaRighe(4);
    Pagina(f, conPrezzi ? QStringLiteral("Capitolato con prezzi") : QStringLiteral("Capitolato"), false, 3, 4);
    f.AreaStampa(QStringLiteral("A:%1").arg(TFoglio::LettereColonna(ultima)));
    f.Seleziona(QStringLiteral("A1"));
}
