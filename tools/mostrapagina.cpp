// Mostra la finestra di progetto su un progetto e una pagina, per guardarla e fotografarla
// (sotto Xvfb con import e xdotool, o da sola con --foto).
// Uso: mostrapagina PROGETTO PAGINA(1-8) [SECONDI] [--principale LxA] [--foto FILE.png] [--marginale T]
//   --principale LxA  apre il progetto nella finestra principale, grande L × A (per esempio
//                     massimizzata su uno schermo di 1600 × 900), invece della sola finestra di progetto
//   --foto FILE.png   salva l'immagine della finestra e termina
//   --marginale T     imposta (senza salvare il file) la mandata "Con Area Marginale" a T °C
//   --posa FILE.png   apre la finestra "Posa dei circuiti" con la prima riga scelta e la fotografa
//   --giro CARTELLA   nella finestra principale (con --principale) il giro della posa: "Posa...",
//                     il locale della riga PAGINA a serpentina, "Lunghezze dal disegno", foto della
//                     finestra (giro-posa-finestra.png), pagina dei collettori sul primo collettore
//                     (giro-posa-collettori.png), "Stampa" → "Tavola Impianto" nella CARTELLA;
//                     i messaggi vanno su stderr e il progetto non si salva
//   --lingua en|it    lingua dell'interfaccia per questa esecuzione
#include "app/Umain.h"
#include "app/Umessaggibox.h"
#include "app/Ustampa.h"
#include "data/Udatabase.h"
#include "data/Ulingua.h"
#include "documents/foglio/Udocumento.h"
#include "editor/Udef.h"
#include "editor/Upaginacollettori.h"
#include "editor/Upaginalocali.h"
#include "posa/finestre/Ufinestraposa.h"
#include "progetto/Ufile.h"
#include "progetto/Ustato.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>
#include <QTreeView>

#include <cstdio>
#include <memory>

namespace {
// Lascia lavorare il ciclo degli eventi (disegno, disposizione) per qualche istante.
void Attendi(int ms)
{
    QEventLoop ciclo;
    QTimer::singleShot(ms, &ciclo, &QEventLoop::quit);
    ciclo.exec();
}

// Argomento dopo l'opzione, tolto dall'elenco con lei; vuoto se l'opzione manca.
QString Opzione(QStringList& a, const QString& nome)
{
    const int i = a.indexOf(nome);
    if (i < 0 || i + 1 >= a.size())
        return {};
    const QString valore = a.at(i + 1);
    a.remove(i, 2);
    return valore;
}

int FotoPosa(TProgetto& progetto, const QString& foto)
{
    progetto.ApriPosa();
    auto* f = progetto.findChild<TFinestraPosa*>();
    if (!f)
        return 1;
    f->Tabella->selectRow(0);
    Attendi(400);
    return f->grab().save(foto) ? 0 : 1;
}

// Il giro della posa come lo fa l'utente, con le foto della finestra della posa e della pagina dei
// collettori e la tavola impianto scritta nella cartella.
int FotoGiro(TTERMOVELA& w, TProgetto& progetto, int riga, const QString& cartella)
{
    if (!QDir().mkpath(cartella))
        return 1;
    const QDir uscita(cartella);
    TDocumenti::ImpostaCartellaDocumenti(cartella);
    progetto.PageControl1->setCurrentWidget(progetto.TabSheet3);
    progetto.TabSheet3->BitBtnPosa->click();
    auto* f = progetto.findChild<TFinestraPosa*>();
    if (!f || riga < 0 || riga >= f->Tabella->rowCount())
        return 1;
    Q_EMIT f->Tabella->cellDoubleClicked(riga, TFinestraPosa::Schema);
    if (!f->CheckLunghezze->isChecked())
        f->CheckLunghezze->click();
    f->Tabella->selectRow(riga);
    Attendi(400);
    if (!f->grab().save(uscita.filePath(QStringLiteral("giro-posa-finestra.png"))))
        return 1;
    f->close();
    progetto.PageControl1->setCurrentWidget(progetto.TabSheet5);
    QTreeView* albero = progetto.TabSheet5->TreeView1;
    albero->setCurrentIndex(albero->model()->index(0, 0));
    progetto.TabSheet5->TreeView1MouseUp(); // come il clic sul nodo
    Attendi(400);
    if (!w.grab().save(uscita.filePath(QStringLiteral("giro-posa-collettori.png"))))
        return 1;
    w.TavolaImpianto1->trigger();
    for (const QString& file : w.Stampa()->UltimiFile)
        std::printf("%s\n", qPrintable(file));
    return w.Stampa()->UltimiFile.isEmpty() ? 1 : 0;
}

int Mostra(QWidget& finestra, TProgetto& progetto, const QStringList& a, const QString& foto, const QString& marginale,
           const QString& posa)
{
    if (!marginale.isEmpty())
        progetto.Stato().SalvaImpostazioni(1, marginale.toFloat());
    if (!posa.isEmpty())
        return FotoPosa(progetto, posa);
    progetto.PageControl1->setCurrentIndex(qBound(1, a[2].toInt(), progetto.PageControl1->count()) - 1);
    if (!foto.isEmpty()) {
        Attendi(400);
        return finestra.grab().save(foto) ? 0 : 1;
    }
    if (a.size() > 3)
        QTimer::singleShot(a[3].toInt() * 1000, qApp, &QApplication::quit);
    return qApp->exec();
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("mostrapagina"));
    // Le immagini della documentazione mostrano i numeri come li vede il progettista italiano.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QStringList a = app.arguments();
    const QString principale = Opzione(a, QStringLiteral("--principale"));
    const QString foto = Opzione(a, QStringLiteral("--foto"));
    const QString marginale = Opzione(a, QStringLiteral("--marginale"));
    const QString posa = Opzione(a, QStringLiteral("--posa"));
    const QString giro = Opzione(a, QStringLiteral("--giro"));
    TLingua::ImpostaPerEsecuzione(Opzione(a, QStringLiteral("--lingua")));
    TLingua::InstallaTraduzioni();
    if (a.size() < 3) {
        std::fputs("uso: mostrapagina PROGETTO PAGINA(1-8) [SECONDI] [--principale LxA] [--foto FILE.png] "
                   "[--marginale T] [--posa FILE.png] [--giro CARTELLA]\n",
                   stderr);
        return 2;
    }
    TMessaggiBox messaggi;
    TMessaggi::installa(&messaggi);
    TDati dati;
    if (principale.isEmpty()) {
        if (!dati.ApriTutto()) {
            std::fprintf(stderr, "%s\n", qPrintable(dati.UltimoErrore()));
            return 1;
        }
        TProgetto finestra(dati);
        TAgganciLettura agganci;
        finestra.AggiungiAgganci(agganci);
        if (!LeggiProgetto(finestra.Stato(), a[1], agganci))
            return 1;
        finestra.resize(792, 554);
        finestra.move(0, 0);
        finestra.show();
        return Mostra(finestra, finestra, a, foto, marginale, posa);
    }
    const QStringList misura = principale.split(u'x');
    auto w = std::make_unique<TTERMOVELA>(&dati);
    w->setGeometry(0, 0, misura.value(0).toInt(), misura.value(1).toInt());
    w->show();
    Attendi(300);
    w->ApriDaPercorso(QFileInfo(a[1]).absoluteFilePath());
    TProgetto* progetto = w->FinestraProgetto();
    if (progetto && !giro.isEmpty()) {
        TMessaggiConsole console;
        TMessaggi::installa(&console);
        return FotoGiro(*w, *progetto, a[2].toInt(), giro);
    }
    return progetto ? Mostra(*w, *progetto, a, foto, marginale, posa) : 1;
}
