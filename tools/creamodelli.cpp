// Genera i sette modelli dei documenti (.xltx) con il livello della cartella di lavoro, e i
// gemelli inglesi ("<nome>_en") della relazione tecnica e del preventivo:
//   creamodelli CARTELLA
// I modelli sono dati dell'installazione; questo programma ne è la sorgente riproducibile. I
// modelli inglesi sono gli stessi costruiti con le traduzioni inglesi dei documenti installate.
#include "tools/creamodelli.h"

#include "data/Ulingua.h"

#include <QDir>

#include <cstdio>
#include <functional>

using namespace modelli;

namespace {
// Testi comuni a tutti i modelli (il riferimento, il numero di pagina).
struct TModelli
{
    Q_DECLARE_TR_FUNCTIONS(Modelli)
};
} // namespace

void modelli::Intestazione(TFoglio& f, const QString& titolo, const QString& sottotitolo, int ultimaColonna,
                           const QString& cellaRif)
{
    f.Valore(QStringLiteral("A1"), Ditta);
    f.Formatta(QStringLiteral("A1"), {.dimensione = 14, .grassetto = true, .colore = Blu});
    f.Valore(QStringLiteral("A2"), titolo);
    f.Formatta(QStringLiteral("A2"), {.dimensione = 12, .grassetto = true});
    f.AltezzaRiga(1, 20);
    f.AltezzaRiga(2, 17);
    if (!sottotitolo.isEmpty()) {
        f.Valore(QStringLiteral("A3"), sottotitolo);
        f.Formatta(QStringLiteral("A3"), {.corsivo = true, .colore = Grigio});
    }
    // Filo sotto l'intestazione, su tutta la larghezza della tabella.
    f.Bordo(QStringLiteral("A2:%1").arg(TFoglio::Indirizzo(ultimaColonna, 2)), TBordo::Inferiore, TLinea::Continua,
            TSpessore::Medio, Blu);
    // Il riferimento sta nell'ultima colonna: allineato a destra, con "Rif.: " nel formato, scorre
    // verso sinistra nelle celle vuote della riga e resta intero dentro la pagina.
    if (!cellaRif.isEmpty())
        f.Formatta(cellaRif,
                   {.grassetto = true,
                    .orizzontale = TAllineamento::Destra,
                    .formato = QStringLiteral("\"%1 \"@").arg(TModelli::tr("Rif.:"))});
}

void modelli::Tabella(TFoglio& f, int riga, const std::vector<TColonna>& colonne)
{
    for (int i = 0; i < int(colonne.size()); ++i) {
        const TColonna& c = colonne[size_t(i)];
        const QString lettera = TFoglio::LettereColonna(i + 1);
        f.LarghezzaColonne(lettera, c.larghezza);
        // Un testo più lungo della colonna va a capo e la riga si alza: nessuna cella si taglia.
        TStile dati {.orizzontale = c.allineamento, .verticale = TAllineamento::Centro, .aCapo = true};
        if (!c.formato.isEmpty())
            dati.formato = c.formato;
        f.FormattaColonne(lettera, dati);
        const QString t = TFoglio::Indirizzo(i + 1, riga), u = TFoglio::Indirizzo(i + 1, riga + 1);
        f.Valore(t, c.titolo);
        if (!c.unita.isEmpty())
            f.Valore(u, c.unita);
    }
    const QString area = QStringLiteral("A%1:%2").arg(riga).arg(TFoglio::Indirizzo(int(colonne.size()), riga + 1));
    f.Formatta(area,
               {.grassetto = true,
                .colore = Blu,
                .sfondo = Azzurro,
                .orizzontale = TAllineamento::Centro,
                .verticale = TAllineamento::Centro,
                .aCapo = true,
                .formato = QStringLiteral("@")});
    f.Formatta(QStringLiteral("A%1:%2").arg(riga + 1).arg(TFoglio::Indirizzo(int(colonne.size()), riga + 1)),
               {.dimensione = 9, .grassetto = false, .corsivo = true});
    f.Bordo(area, TBordo::ContornoSuperiore, TLinea::Continua, TSpessore::Medio, Blu);
    f.Bordo(area, TBordo::ContornoInferiore, TLinea::Continua, TSpessore::Medio, Blu);
    f.Bordo(area, TBordo::InternoVerticale, TLinea::Continua, TSpessore::Capello, Grigio);
    f.AltezzaRiga(riga, 27);
}

void modelli::Pagina(TFoglio& f, const QString& documento, bool orizzontale, int titoliDa, int titoliA)
{
    TPagina p;
    p.orizzontale = orizzontale;
    p.intestazione = QStringLiteral("&L&\"Arial,Bold\"&10%1&R&\"Arial,Italic\"&9%2").arg(Ditta, documento);
    p.piede = QStringLiteral("&L&8%1 - &A&R&8%2").arg(documento, TModelli::tr("Pagina &P di &N"));
    f.ImpostaPagina(p);
    if (titoliDa > 0)
        f.TitoliStampa(titoliDa, titoliA);
}

namespace {

// Etichette dei circuiti: tre righe per etichetta (la terza separa), due gruppi di colonne.
// I formati numerici compongono il testo dell'etichetta attorno ai valori scritti dal programma,
// e la formattazione condizionale traccia la linea di taglio attorno a ogni etichetta presente.
void Etichette(TFoglio& f)
{
    f.AltezzaPredefinita(16.5);
    f.Griglia(false);
    for (int gruppo = 0; gruppo < 2; ++gruppo) {
        const int c0 = gruppo == 0 ? 1 : 5;
        const QString a = TFoglio::LettereColonna(c0), b = TFoglio::LettereColonna(c0 + 1),
                      c = TFoglio::LettereColonna(c0 + 2);
        f.LarghezzaColonne(a, 13);
        f.LarghezzaColonne(b, 11);
        f.LarghezzaColonne(c, 15);
        f.FormattaColonne(a,
                          {.dimensione = 11,
                           .grassetto = true,
                           .orizzontale = TAllineamento::Sinistra,
                           .rientro = 1,
                           .formato = QStringLiteral("\"Locale \"0")});
        f.FormattaColonne(b,
                          {.dimensione = 11,
                           .orizzontale = TAllineamento::Centro,
                           .formato = QStringLiteral("0;-0;0;\"L = \"@\" m\"")});
        f.FormattaColonne(c,
                          {.dimensione = 11,
                           .orizzontale = TAllineamento::Destra,
                           .rientro = 1,
                           .formato = QStringLiteral("\"Circuito \"0;-0;0;\"passo \"@\" cm\"")});
        f.Valore(QStringLiteral("%1%2").arg(a).arg(1),
                 gruppo == 0 ? QStringLiteral("Circuiti zona occupata") : QStringLiteral("Circuiti zona marginale"));
        f.Unisci(QStringLiteral("%1:%2").arg(a + u'1', c + u'1'));
        f.Formatta(QStringLiteral("%1:%2").arg(a + u'1', c + u'1'),
                   {.dimensione = 11,
                    .grassetto = true,
                    .colore = Blu,
                    .sfondo = Azzurro,
                    .orizzontale = TAllineamento::Centro,
                    .formato = QStringLiteral("@")});
        const QString fine = QString::number(1048576);
        const QString primaRiga = QStringLiteral("AND(MOD(ROW()-2,3)=0,$%1<>\"\")").arg(c + u'2');
        const QString secondaRiga = QStringLiteral("AND(MOD(ROW()-2,3)=1,$%1<>\"\")").arg(c + u'1');
        const TStile fondo {.sfondo = QStringLiteral("F2F2F2")};
        f.FormatoCondizionale(a + u'2' + u':' + a + fine, primaRiga, fondo, {TBordo::Superiore, TBordo::Sinistro},
                              TLinea::Tratteggiata);
        f.FormatoCondizionale(a + u'2' + u':' + a + fine, secondaRiga, fondo, {TBordo::Inferiore, TBordo::Sinistro},
                              TLinea::Tratteggiata);
        f.FormatoCondizionale(b + u'2' + u':' + b + fine, primaRiga, fondo, {TBordo::Superiore}, TLinea::Tratteggiata);
        f.FormatoCondizionale(b + u'2' + u':' + b + fine, secondaRiga, fondo, {TBordo::Inferiore},
                              TLinea::Tratteggiata);
        f.FormatoCondizionale(c + u'2' + u':' + c + fine, primaRiga, fondo, {TBordo::Superiore, TBordo::Destro},
                              TLinea::Tratteggiata);
        f.FormatoCondizionale(c + u'2' + u':' + c + fine, secondaRiga, fondo, {TBordo::Inferiore, TBordo::Destro},
                              TLinea::Tratteggiata);
    }
    f.LarghezzaColonne(QStringLiteral("D"), 4);
    f.AltezzaRiga(1, 21);
    // Quindici etichette per pagina, senza mai tagliarne una a metà.
    for (int riga = 2 + 45; riga < 2 + 45 * 400; riga += 45)
        f.InterruzionePagina(riga);
    TPagina p;
    p.adattaLarghezza = 1;
    p.margineSuperiore = p.margineInferiore = 0.6;
    p.intestazione = QStringLiteral("&L&\"Arial,Bold\"&10%1&R&\"Arial,Italic\"&9Etichette dei circuiti").arg(Ditta);
    p.piede = QStringLiteral("&L&8Ritagliare lungo le linee tratteggiate&R&8Pagina &P di &N");
    f.ImpostaPagina(p);
    f.TitoliStampa(1, 1);
    f.AreaStampa(QStringLiteral("A:G"));
    f.Seleziona(QStringLiteral("A2"));
}

void Ottimizzazione(TFoglio& f)
{
    Intestazione(f, QStringLiteral("OTTIMIZZAZIONE DEI CIRCUITI"),
                 QStringLiteral("Taglio dei circuiti dai rotoli di tubo"), 5);
    f.Valore(QStringLiteral("A5"),
             QStringLiteral("Ogni rotolo inizia sotto una linea; la lunghezza del rotolo è "
                            "indicata sul primo circuito che se ne ricava."));
    f.Formatta(QStringLiteral("A5"), {.dimensione = 9, .corsivo = true});
    f.Valore(QStringLiteral("A7"), QStringLiteral("Tubo impiegato:"));
    f.Formatta(QStringLiteral("A7"), {.grassetto = true});
    Tabella(f, 10,
            {{QStringLiteral("Rotolo"), QStringLiteral("[m]"), 12, TAllineamento::Centro},
             {QStringLiteral("Circuito"), {}, 44, TAllineamento::Sinistra},
             {QStringLiteral("Lunghezza circuito"), QStringLiteral("[m]"), 14, TAllineamento::Centro},
             {QStringLiteral("Collettore"), {}, 16, TAllineamento::Centro},
             {QStringLiteral("Piano"), {}, 12, TAllineamento::Centro}});
    f.Unisci(QStringLiteral("A8:E8"));
    f.Formatta(QStringLiteral("A8:E8"),
               {.dimensione = 11, .orizzontale = TAllineamento::Sinistra, .formato = QStringLiteral("@")});
    f.Bordo(QStringLiteral("A8:E8"), TBordo::ContornoInferiore, TLinea::Continua, TSpessore::Capello, Grigio);
    f.FormattaColonne(QStringLiteral("A"), {.grassetto = true});
    f.BloccaRighe(11);
    Pagina(f, QStringLiteral("Ottimizzazione dei circuiti"), false, 10, 11);
    f.AreaStampa(QStringLiteral("A:E"));
    f.Seleziona(QStringLiteral("A1"));
}

// Un modello: nome del file, titolo (proprietà del documento) e nome del primo foglio come testi
// sorgente del loro contesto di traduzione, e se ha il gemello inglese.
struct TModello
{
    const char* nome;
    const char* contesto;
    const char* titolo;
    const char* primoFoglio;
    std::function<void(TFoglio&)> costruisci;
    bool inglese = false;
};

void Scrivi(const QString& cartella, const QString& nome, const TModello& m)
{
    TFoglio f;
    f.NuovoVuoto(QCoreApplication::translate(m.contesto, m.primoFoglio));
    f.Proprieta(QCoreApplication::translate(m.contesto, m.titolo), Ditta);
    m.costruisci(f);
    f.Foglio(1);
    f.Salva(cartella + u'/' + nome + QStringLiteral(".xltx"));
}

const std::vector<TModello>& Modelli()
{
    static const std::vector<TModello> modelli = {
        {"rapptec", "Relazione", QT_TRANSLATE_NOOP("Relazione", "Relazione tecnica"),
         QT_TRANSLATE_NOOP("Relazione", "Copertina"), [](TFoglio& f) { Rapporto(f, false); }, true},
        {"rapptecAM", "Relazione", QT_TRANSLATE_NOOP("Relazione", "Relazione tecnica con zone marginali"),
         QT_TRANSLATE_NOOP("Relazione", "Copertina"), [](TFoglio& f) { Rapporto(f, true); }, true},
        {"Prev", "Preventivo", QT_TRANSLATE_NOOP("Preventivo", "Preventivo"),
         QT_TRANSLATE_NOOP("Preventivo", "Preventivo"), Preventivo, true},
        {"Capitolato", "", "Capitolato", "Capitolato", [](TFoglio& f) { Capitolato(f, false); }},
        {"Capitolatop", "", "Capitolato con prezzi", "Capitolato", [](TFoglio& f) { Capitolato(f, true); }},
        {"tabcirc", "", "Etichette dei circuiti", "Etichette", Etichette},
        {"Ottimizza", "", "Ottimizzazione dei circuiti", "Ottimizzazione", Ottimizzazione},
    };
    return modelli;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("uso: creamodelli CARTELLA\n", stderr);
        return 2;
    }
    const QString cartella = QString::fromLocal8Bit(argv[1]);
    try {
        if (!QDir().mkpath(cartella))
            throw TErroreFoglio(QStringLiteral("La cartella \"%1\" non si può creare.").arg(cartella));
        // Prima i modelli italiani, senza traduzioni; poi, con quelle inglesi, i gemelli inglesi.
        for (const TModello& m : Modelli())
            Scrivi(cartella, QString::fromLatin1(m.nome), m);
        TLingua::ImpostaPerEsecuzione(QStringLiteral("en"));
        if (TLingua::InstallaTraduzioni() == 0)
            throw TErroreFoglio(QStringLiteral("Mancano le traduzioni inglesi dei documenti."));
        for (const TModello& m : Modelli())
            if (m.inglese)
                Scrivi(cartella, QString::fromLatin1(m.nome) + QStringLiteral("_en"), m);
    } catch (const TErroreFoglio& e) {
        std::fprintf(stderr, "creamodelli: %s\n", e.Testo().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
