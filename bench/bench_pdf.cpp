// Tempo delle copie PDF di tutti i documenti di un progetto: LibreOffice avviato una volta per
// documento contro un solo avvio per tutti ("Tutti i documenti"), poi le stesse copie con LibreOffice
// tenuto pronto in sottofondo, da confrontare con il solo avvio. Il progetto si costruisce senza
// finestre dal modello V220HJ con N locali (10 se non indicato), collettori assegnati e confermati,
// matasse ottimizzate: sei documenti.
//   bench_pdf [LOCALI]
#include "data/Udatabase.h"
#include "documents/Uistanzapdf.h"
#include "documents/Updf.h"
#include "documents/Ututti.h"
#include "documents/foglio/Udocumento.h"
#include "documents/foglio/Ufoglio.h"
#include "optimise/Ucalcolo.h"
#include "progetto/Uassegnaauto.h"
#include "progetto/Ufile.h"
#include "progetto/Ustato.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

bool costruisci(TStatoProgetto& stato, int locali)
{
    if (!LeggiProgetto(stato, QDir::current().filePath(QStringLiteral("nuovosr.nv"))))
        return std::fputs("bench_pdf: modello non letto\n", stderr), false;
    TTabella* l = stato.Dati().AuxLocali;
    for (int i = 1; i <= locali; ++i) {
        l->Append();
        l->FieldByName(QStringLiteral("ID")).Imposta(i);
        l->FieldByName(QStringLiteral("Descrizione")).Imposta(QStringLiteral("Locale %1").arg(i));
        l->FieldByName(QStringLiteral("Piano")).Imposta(QStringLiteral("P%1").arg(i % 2));
        l->FieldByName(QStringLiteral("Area")).Imposta(10.0 + i % 20);
        l->FieldByName(QStringLiteral("AreaUtile")).Imposta(10.0 + i % 20);
        l->FieldByName(QStringLiteral("AreaMarginale")).Imposta(double(i % 3));
        l->FieldByName(QStringLiteral("CTermico")).Imposta(500.0 + 23 * (i % 40));
        l->FieldByName(QStringLiteral("DistColl")).Imposta(2 + i % 10);
        if (!l->Post())
            return std::fputs("bench_pdf: locale rifiutato\n", stderr), false;
    }
    if (!stato.RicalcolaProgetto())
        return std::fputs("bench_pdf: calcolo non riuscito\n", stderr), false;
    // Le liste dei circuiti rifatte dai risultati, poi i collettori proposti e confermati.
    stato.RicostruisciCollettori();
    if (!AssegnaAutomaticamente(stato))
        return std::fputs("bench_pdf: collettori non assegnati\n", stderr), false;
    stato.CollettoriConfermati = true;
    // L'ottimizzazione delle matasse, perché ci sia anche la sua tabella.
    QVector<ArticoloRotolo> articoli;
    LeggiArticoliRotolo(stato.Dati(), stato.Dati().AuxDGenerali->FieldByName(QStringLiteral("COD_TUBO")).AsString(),
                        articoli);
    const TImpostazioniOtt imp = ImpostazioniIniziali(stato, stato.Dati(), articoli);
    if (OttimizzaMatasse(stato, stato.Dati(), imp, articoli).Esito != TEsitoOtt::Eseguita)
        return std::fputs("bench_pdf: ottimizzazione non eseguita\n", stderr), false;
    return true;
}

double secondi(const QElapsedTimer& t)
{
    return double(t.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int locali = argc > 1 ? QByteArray(argv[1]).toInt() : 10;
    if (PercorsoSoffice().isEmpty()) {
        std::fputs("bench_pdf: LibreOffice (soffice) non è installato\n", stderr);
        return 1;
    }
    QTemporaryDir cartella;
    const QDir programma(QCoreApplication::applicationDirPath());
    if (!QFile::copy(programma.filePath(QStringLiteral("nuovosr.nv")), cartella.filePath(QStringLiteral("nuovosr.nv")))
        || !QDir::setCurrent(cartella.path())) {
        std::fputs("bench_pdf: modello nuovosr.nv non trovato accanto al programma\n", stderr);
        return 1;
    }
    TDocumenti::ImpostaCartellaDocumenti(cartella.filePath(QStringLiteral("Documenti")));
    TDocumenti::ImpostaApertura(false);
    TDati dati;
    if (!dati.ApriTutto()) {
        std::fprintf(stderr, "bench_pdf: catalogo: %s\n", qPrintable(dati.UltimoErrore()));
        return 1;
    }
    TStatoProgetto stato(dati);
    if (!costruisci(stato, locali)) {
        std::fputs("bench_pdf: progetto di prova non costruito\n", stderr);
        return 1;
    }

    QElapsedTimer t;
    t.start();
    const TEsitoTutti documenti = CreaTuttiIDocumenti(stato, cartella.filePath(QStringLiteral("uno")), false);
    std::printf("%d locali, %lld documenti .xlsx in %.2f s\n", locali, qint64(documenti.documenti.size()), secondi(t));

    // Il riferimento: l'avvio di LibreOffice con una cartella di lavoro vuota da convertire.
    const QString vuota = cartella.filePath(QStringLiteral("vuota.xlsx"));
    {
        TFoglio f;
        f.NuovoVuoto(QStringLiteral("Foglio1"));
        f.Salva(vuota);
    }
    t.restart();
    const bool avviato = CreaPdf(vuota).riuscito;
    const double avvio = secondi(t);
    std::printf("Avvio di LibreOffice (foglio vuoto): %.2f s%s\n", avvio, avviato ? "" : "  (non riuscito)");

    // Un avvio di LibreOffice per ogni documento, come la copia PDF di un documento solo.
    double somma = 0;
    for (const QString& d : documenti.documenti) {
        t.restart();
        const TEsitoPdf e = CreaPdf(d);
        const double s = secondi(t);
        somma += s;
        std::printf("  %-40s %6.2f s%s\n",
                    qPrintable(QFileInfo(d).completeBaseName().section(QStringLiteral(" - "), -1)), s,
                    e.riuscito ? "" : "  (non riuscito)");
        QFile::remove(e.pdf);
    }
    std::printf("PDF uno per volta: %.2f s\n", somma);

    // Le stesse copie con un solo avvio.
    t.restart();
    const QVector<TEsitoPdf> insieme = CreaPdf(documenti.documenti);
    const double uno = secondi(t);
    int riusciti = 0;
    for (const TEsitoPdf& e : insieme)
        riusciti += e.riuscito;
    std::printf("PDF in un solo avvio: %.2f s (%d di %lld)\n", uno, riusciti, qint64(insieme.size()));

    // "Tutti i documenti" intero: documenti e PDF.
    t.restart();
    const TEsitoTutti tutti = CreaTuttiIDocumenti(stato, cartella.filePath(QStringLiteral("due")), true);
    std::printf("Tutti i documenti con i PDF: %.2f s (%lld PDF)\n", secondi(t), qint64(tutti.pdf.size()));

    // Con LibreOffice già avviato in sottofondo, come lo tiene pronto il programma.
    t.restart();
    TIstanzaPdf::Avvia();
    const bool pronta = TIstanzaPdf::AttendiPronta(120000);
    std::printf("LibreOffice in sottofondo pronto dopo %.2f s%s\n", secondi(t), pronta ? "" : "  (non pronto)");
    double peggiore = 0;
    somma = 0;
    for (const QString& d : documenti.documenti) {
        t.restart();
        const TEsitoPdf e = CreaPdf(d);
        const double s = secondi(t);
        somma += s;
        peggiore = std::max(peggiore, s);
        std::printf("  %-40s %6.2f s%s\n",
                    qPrintable(QFileInfo(d).completeBaseName().section(QStringLiteral(" - "), -1)), s,
                    e.riuscito ? "" : "  (non riuscito)");
        QFile::remove(e.pdf);
    }
    std::printf("PDF uno per volta con LibreOffice pronto: %.2f s, il più lento %.2f s (l'avvio: %.2f s)\n", somma,
                peggiore, avvio);
    t.restart();
    const TEsitoTutti caldi = CreaTuttiIDocumenti(stato, cartella.filePath(QStringLiteral("tre")), true);
    std::printf("Tutti i documenti con i PDF, LibreOffice pronto: %.2f s (%lld PDF)\n", secondi(t),
                qint64(caldi.pdf.size()));
    TIstanzaPdf::Ferma();
    return 0;
}
