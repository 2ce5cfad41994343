#include "documents/Upreventivo.h"

#include "data/Udatabase.h"
#include "data/Umessaggi.h"
#include "documents/Uarticoli.h"
#include "documents/Udistinta.h"
#include "documents/Ulinguadocumento.h"
#include "progetto/Ustato.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cmath>

namespace {

constexpr int PrimaRigaPreventivo = 16;
constexpr int PrimaRigaCapitolato = 5;
constexpr double LarghezzaImmagine = 45; // punti
constexpr double AltezzaImmagine = 65;

QString Cella(char colonna, int riga)
{
    return QLatin1Char(colonna) + QString::number(riga);
}

// La quantità si legge con due decimali: un numero arrotondato con il formato che li mostra,
// così l'importo della voce si calcola in ogni lingua del foglio.
void Quantita(TFoglio& f, const QString& cella, double quantita)
{
    f.Valore(cella, std::round(quantita * 100) / 100);
    f.Formatta(cella, {.formato = QStringLiteral("0.00")});
}

// Una voce che si leggerebbe 0,00 non si stampa: resta in AuxPrev, ma al cliente non dice nulla.
bool QuantitaNulla(double quantita)
{
    return std::round(quantita * 100) == 0;
}

struct TVoce
{
    QString descrizione;
    QString articolo;
    QString codice;
    QString unita;
    double quantita = 0;
    QVariant prezzo;
};

// Una voce del preventivo: due righe inserite alla riga r, la voce scritta sulla prima.
void ScriviVoce(TFoglio& f, int r, int numero, const TVoce& v)
{
    const QString a = Cella('A', r);
    f.Seleziona(a);
    f.InserisciRighe(a, 2);
    f.Valore(a, numero);
    f.Valore(Cella('B', r), v.descrizione);
    f.Valore(Cella('C', r), v.articolo);
    f.Valore(Cella('D', r), v.codice);
    f.Valore(Cella('E', r), v.unita);
    Quantita(f, Cella('F', r), v.quantita);
    const QString importo = QStringLiteral("F%1*G%1").arg(r);
    if (v.prezzo.isNull()) {
        // Senza prezzo in catalogo prezzo e importo restano vuoti, mai a zero: la voce si vede da
        // completare e l'importo compare appena si scrive il prezzo.
        f.Formula(Cella('H', r), QStringLiteral("IF(G%1=\"\",\"\",%2)").arg(r).arg(importo));
    } else {
        f.Valore(Cella('G', r), v.prezzo.toDouble());
        f.Formula(Cella('H', r), importo);
    }
}

void RiempiPreventivo(TDocumento& doc, TDati& dati)
{
    TFoglio& f = doc.Foglio();
    f.Foglio(1);
    TTabella* info = dati.AuxInfo;
    info->First();
    f.Valore(QStringLiteral("D5"), info->FieldByName(QStringLiteral("DATA")).AsString());
    f.Valore(QStringLiteral("D8"), info->FieldByName(QStringLiteral("RIF")).AsString());
    f.Valore(QStringLiteral("D11"), info->FieldByName(QStringLiteral("PROGETTO")).AsString());

    int r = PrimaRigaPreventivo, numero = 1;
    for (const TRigaDistinta& v : LeggiDistinta(dati)) {
        if (QuantitaNulla(v.Quantita))
            continue;
        ScriviVoce(f, r, numero++, {v.Descrizione, v.Articolo, v.Cod_Esteso, v.Unit_Mis, v.Quantita, v.Prezzo_Unit});
        r += 2;
        doc.Avanza();
    }

    TTabella* agg = dati.AuxCompAgg;
    const TControlliSospesi sospesi(agg);
    for (agg->First(); !agg->Eof(); agg->Next()) {
        const auto campo = [agg](const QString& nome) { return agg->FieldByName(nome); };
        TVoce v {campo(QStringLiteral("Descrizione")).AsString(), campo(QStringLiteral("Articolo")).AsString(),
                 campo(QStringLiteral("Cod_Esteso")).AsString(),  campo(QStringLiteral("Unit_Mis")).AsString(),
                 campo(QStringLiteral("Quantità")).AsFloat(),     {}};
        if (!campo(QStringLiteral("Prezzo_Unit")).IsNull())
            v.prezzo = campo(QStringLiteral("Prezzo_Unit")).AsFloat();
        if (QuantitaNulla(v.quantita))
            continue;
        ScriviVoce(f, r, numero++, v);
        r += 2;
        doc.Avanza();
    }
    agg->First();

    f.Formula(Cella('H', r + 8), QStringLiteral("SUM(H%1:H%2)").arg(PrimaRigaPreventivo).arg(r + 4));
    f.Seleziona(QStringLiteral("A1"));
}

// Un'immagine del capitolato si usa solo se sta nella cartella delle immagini e il suo contenuto è
// un formato che il foglio sa incorporare: un file guasto non deve far perdere il documento.
QString FileImmagine(const QString& nome)
{
    if (nome.trimmed().isEmpty())
        return {};
    const QString cartella = QFileInfo(TDocumenti::DirIniziale() + QStringLiteral("/Immagini")).canonicalFilePath();
    const QString file = QFileInfo(cartella + u'/' + nome.trimmed()).canonicalFilePath();
    if (cartella.isEmpty() || file.isEmpty() || !file.startsWith(cartella + u'/'))
        return {};
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    const QByteArray inizio = in.read(8);
    const bool riconosciuto = inizio.startsWith("\x89PNG\r\n\x1a\n") || inizio.startsWith("\xff\xd8\xff")
        || inizio.startsWith("GIF87a") || inizio.startsWith("GIF89a") || inizio.startsWith("BM");
    return riconosciuto ? file : QString();
}

void RiempiCapitolato(TDocumento& doc, TDati& dati, bool conPrezzi)
{
    TFoglio& f = doc.Foglio();
    f.Foglio(1);
    TTabella* info = dati.AuxInfo;
    info->First();
    const QString rif = info->FieldByName(QStringLiteral("RIF")).AsString();
    if (!rif.trimmed().isEmpty())
        f.Valore(QStringLiteral("D1"), QStringLiteral("Rif: ") + rif);

    int r = PrimaRigaCapitolato;
    for (const TRigaDistinta& v : LeggiDistinta(dati)) {
        if (QuantitaNulla(v.Quantita))
            continue;
        const QString immagine = FileImmagine(v.Immagine);
        if (!immagine.isEmpty()) {
            f.Seleziona(Cella('A', r));
            f.Immagine(Cella('A', r), immagine, LarghezzaImmagine, AltezzaImmagine);
        }
        f.Valore(Cella('C', r), v.Capitolato);
        f.Valore(Cella('D', r), v.Unit_Mis);
        Quantita(f, Cella('E', r), v.Quantita);
        if (conPrezzi && !v.Prezzo_Unit.isNull())
            f.Valore(Cella('F', r), v.Prezzo_Unit.toDouble());
        r += 2;
        doc.Avanza();
    }
    f.Seleziona(QStringLiteral("A1"));
}

// Un documento fatto con una distinta incompleta lo dice, dopo che la finestra di avanzamento si è chiusa.
QString AvvisaMancanze(TDati& dati, const QString& file)
{
    if (!file.isEmpty() && !dati.MancanzeDistinta.isEmpty())
        TMessaggi::Avviso(AvvisoMancanzeDistinta(dati.MancanzeDistinta));
    return file;
}

} // namespace

QString ModelloCapitolato(int conPrezzi)
{
    return conPrezzi == 1 ? QStringLiteral("Capitolatop") : QStringLiteral("Capitolato");
}

QString CreaPreventivo(TStatoProgetto& stato, TRichiestaDocumento richiesta)
{
    const TLinguaDocumento lingua = LinguaDocumento(QStringLiteral("Prev"));
    richiesta.nome = lingua.Testo("Preventivo", QT_TRANSLATE_NOOP("Preventivo", "Preventivo"));
    richiesta.modello = lingua.modello;
    richiesta.massimo = 100;
    richiesta.passo = 1;
    NomeFileProgetto(richiesta, stato.Dati());
    return AvvisaMancanze(stato.Dati(), CostruisciDocumento(richiesta, [&](TDocumento& d) {
                              CreaDistinta(stato, TTipoDistinta::Preventivo);
                              RiempiPreventivo(d, stato.Dati());
                          }));
}

QString CreaCapitolato(TStatoProgetto& stato, TRichiestaDocumento richiesta)
{
    const bool conPrezzi = stato.ConPrezzi == 1;
    richiesta.nome = QStringLiteral("Capitolato");
    richiesta.modello = ModelloCapitolato(stato.ConPrezzi);
    richiesta.massimo = 100;
    richiesta.passo = 1;
    NomeFileProgetto(richiesta, stato.Dati(),
                     conPrezzi ? QCoreApplication::translate("TDocumento", "Capitolato con prezzi")
                               : QCoreApplication::translate("TDocumento", "Capitolato senza prezzi"));
    return AvvisaMancanze(stato.Dati(), CostruisciDocumento(richiesta, [&](TDocumento& d) {
                              CreaDistinta(stato, TTipoDistinta::Capitolato);
                              RiempiCapitolato(d, stato.Dati(), conPrezzi);
                          }));
}
