// Sfondi della finestra "Pianta": importazione di DXF, PDF e immagini, scala da due punti.
#include "Ufinestrapianta.h"
#include "data/Uformato.h"

#include "data/Umessaggi.h"
#include "pianta/Udxf.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPdfDocument>
#include <QStatusBar>

namespace {
// Oltre questo lato (pixel) un'immagine non si apre: decodificarla occuperebbe gigabyte.
constexpr int LatoMassimo = 20000;
constexpr qint64 PixelMassimi = qint64(200) * 1000 * 1000;
// Risoluzione con cui si dipinge una pagina PDF (pixel per punto) e lato massimo della pagina.
constexpr double PixelPerPunto = 150.0 / 72.0;
constexpr int LatoPdf = 8000;

class TCursoreAttesa
{
public:
    TCursoreAttesa() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TCursoreAttesa() { QGuiApplication::restoreOverrideCursor(); }
};
} // namespace

bool TFinestraPianta::ImportaSfondo(const QString& percorso)
{
    const QString estensione = QFileInfo(percorso).suffix().toLower();
    const TPiano* pp = piano();
    if (pp && pp->sfondo.tipo != TSfondo::TTipo::Nessuno
        && !TMessaggi::Domanda(
            tr("Il piano ha già uno sfondo. Sostituirlo con \"%1\"?").arg(QFileInfo(percorso).fileName())))
        return false;
    TSfondo sfondo;
    bool ok;
    if (estensione == QLatin1String("dxf"))
        ok = importaDxf(percorso, sfondo);
    else if (estensione == QLatin1String("pdf"))
        ok = importaPdf(percorso, sfondo);
    else
        ok = importaImmagine(percorso, sfondo);
    if (!ok)
        return false;
    TPianta copia = m_pianta;
    pianoCopia(copia).sfondo = sfondo;
    cambia(copia, tr("Importa sfondo"));
    AdattaAlFoglio();
    return true;
}

bool TFinestraPianta::importaDxf(const QString& percorso, TSfondo& sfondo)
{
    TEsitoDxf esito;
    {
        TCursoreAttesa attesa;
        esito = TImportaDxf::Leggi(percorso);
    }
    if (!esito.ok) {
        TMessaggi::Errore(
            tr("Il disegno \"%1\" non si può importare.\n\n%2").arg(QFileInfo(percorso).fileName(), esito.errore));
        return false;
    }
    if (esito.disegno.unita == TUnita::Sconosciuta) {
        const QList<TUnita> unita {TUnita::Millimetri, TUnita::Centimetri, TUnita::Metri};
        QStringList voci;
        for (TUnita u : unita)
            voci << TDisegno::Nome(u);
        const int i = ChiediScelta
            ? ChiediScelta(tr("Unità del disegno"), tr("Il disegno non dice la sua unità di misura. In che unità è?"),
                           voci)
            : -1;
        if (i < 0 || i >= unita.size())
            return false;
        esito.disegno.Scala(TDisegno::Metri(unita[i]));
        esito.disegno.unita = unita[i];
    }
    sfondo.tipo = TSfondo::TTipo::Disegno;
    sfondo.disegno = std::move(esito.disegno);
    if (!esito.avvisi.isEmpty())
        statusBar()->showMessage(esito.avvisi.join(QStringLiteral("; ")));
    return true;
}

bool TFinestraPianta::importaImmagine(const QString& percorso, TSfondo& sfondo)
{
    const QString nome = QFileInfo(percorso).fileName();
    QImageReader lettore(percorso);
    const QSize dimensione = lettore.size();
    if (!lettore.canRead() || !dimensione.isValid()) {
        TMessaggi::Errore(tr("\"%1\" non è un'immagine PNG o JPEG leggibile.").arg(nome));
        return false;
    }
    if (dimensione.width() > LatoMassimo || dimensione.height() > LatoMassimo
        || qint64(dimensione.width()) * dimensione.height() > PixelMassimi) {
        TMessaggi::Errore(tr("L'immagine \"%1\" è troppo grande (%2 × %3 pixel): il massimo è %4 pixel per lato. "
                             "Ridurla prima di importarla.")
                              .arg(nome)
                              .arg(dimensione.width())
                              .arg(dimensione.height())
                              .arg(LatoMassimo));
        return false;
    }
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) {
        TMessaggi::Errore(tr("Non è stato possibile leggere \"%1\".").arg(nome));
        return false;
    }
    sfondo.tipo = TSfondo::TTipo::Immagine;
    sfondo.byte = f.readAll();
    double risoluzione = 1;
    if (immagineSfondo(sfondo, &risoluzione).isNull()) {
        TMessaggi::Errore(tr("\"%1\" non è un'immagine PNG o JPEG leggibile.").arg(nome));
        return false;
    }
    // Scala provvisoria (1 pixel = 1 cm) finché non si indica la vera con due punti.
    sfondo.puntoA = QPointF(0, 0);
    sfondo.puntoB = QPointF(100, 0);
    sfondo.distanza = 1.0;
    statusBar()->showMessage(tr("Scala provvisoria: con \"Scala\" indicare due punti e la loro distanza reale."));
    return true;
}

bool TFinestraPianta::importaPdf(const QString& percorso, TSfondo& sfondo)
{
    const QString nome = QFileInfo(percorso).fileName();
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) {
        TMessaggi::Errore(tr("Non è stato possibile leggere \"%1\".").arg(nome));
        return false;
    }
    sfondo.tipo = TSfondo::TTipo::Pdf;
    sfondo.byte = f.readAll();
    QBuffer buffer(&sfondo.byte);
    buffer.open(QIODevice::ReadOnly);
    QPdfDocument documento;
    documento.load(&buffer);
    if (documento.status() != QPdfDocument::Status::Ready || documento.pageCount() < 1) {
        TMessaggi::Errore(tr("Il PDF \"%1\" non si apre (danneggiato, protetto da password o vuoto).").arg(nome));
        return false;
    }
    sfondo.pagina = 0;
    if (documento.pageCount() > 1) {
        QStringList pagine;
        for (int i = 1; i <= documento.pageCount(); ++i)
            pagine << tr("Pagina %1").arg(i);
        sfondo.pagina = ChiediScelta ? ChiediScelta(tr("Pagina del PDF"), tr("Pagina con la pianta:"), pagine) : 0;
        if (sfondo.pagina < 0)
            return false;
    }
    // Scala provvisoria 1:100 (un pollice della pagina = 2,54 m) fino alla scala vera.
    sfondo.puntoA = QPointF(0, 0);
    sfondo.puntoB = QPointF(72, 0);
    sfondo.distanza = 2.54;
    statusBar()->showMessage(tr("Scala provvisoria 1:100: con \"Scala\" indicare due punti e la loro distanza reale."));
    return true;
}

QImage ImmagineSfondo(const TSfondo& sfondo, double* risoluzione)
{
    *risoluzione = 1;
    QBuffer buffer;
    buffer.setData(sfondo.byte);
    if (sfondo.tipo == TSfondo::TTipo::Immagine) {
        QImageReader lettore(&buffer);
        const QSize d = lettore.size();
        // Anche uno sfondo letto da un progetto passa dal controllo delle dimensioni.
        if (!d.isValid() || d.width() > LatoMassimo || d.height() > LatoMassimo)
            return {};
        return lettore.read();
    }
    if (sfondo.tipo != TSfondo::TTipo::Pdf)
        return {};
    buffer.open(QIODevice::ReadOnly);
    QPdfDocument documento;
    documento.load(&buffer);
    if (documento.status() != QPdfDocument::Status::Ready || sfondo.pagina >= documento.pageCount())
        return {};
    const QSizeF punti = documento.pagePointSize(sfondo.pagina);
    *risoluzione = std::min(PixelPerPunto, LatoPdf / std::max({punti.width(), punti.height(), 1.0}));
    TCursoreAttesa attesa;
    // Le pagine hanno spesso lo sfondo trasparente: sotto c'è il bianco della vista.
    return documento.render(sfondo.pagina, (punti * *risoluzione).toSize());
}

QImage TFinestraPianta::immagineSfondo(const TSfondo& sfondo, double* risoluzione) const
{
    *risoluzione = 1;
    if (sfondo.tipo != TSfondo::TTipo::Immagine && sfondo.tipo != TSfondo::TTipo::Pdf)
        return {};
    const size_t chiave = qHash(sfondo.byte) ^ size_t(sfondo.pagina) * 0x9e3779b9u;
    auto trovata = m_immagini.find(chiave);
    if (trovata == m_immagini.end()) {
        double r = 1;
        trovata = m_immagini.insert(chiave, {ImmagineSfondo(sfondo, &r), r});
    }
    *risoluzione = trovata->second;
    return trovata->first;
}

void TFinestraPianta::scala(QPointF a, QPointF b)
{
    const TPiano* pp = piano();
    const double misurata = QLineF(a, b).length();
    if (!pp || pp->sfondo.tipo == TSfondo::TTipo::Nessuno || misurata <= 0)
        return;
    double reale = misurata;
    if (!ChiediNumero
        || !ChiediNumero(tr("Scala"),
                         tr("Distanza reale tra i due punti (m), ora %1 m:").arg(NumeroSchermo(misurata, 3)), reale)
        || reale <= 0)
        return;
    TPianta copia = m_pianta;
    TSfondo& s = pianoCopia(copia).sfondo;
    if (s.tipo == TSfondo::TTipo::Disegno) {
        s.disegno.Scala(reale / misurata);
    } else {
        // I due punti nelle unità dell'immagine (pixel o punti della pagina).
        const QTransform inversa = s.Trasformazione().inverted();
        s.puntoA = inversa.map(a);
        s.puntoB = inversa.map(b);
        s.distanza = reale;
    }
    cambia(copia, tr("Scala dello sfondo"));
    AdattaAlFoglio();
}
