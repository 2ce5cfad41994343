// Costruisce il manuale in PDF (A4, indice, numeri di pagina) dal testo Markdown di docs/manuale.
// Uso: creamanuale SORGENTE.md CARTELLA_IMMAGINI USCITA.pdf
#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextStream>
#include <QTextTable>
#include <QUrl>

#include <cstdio>
#include <memory>
#include <set>

Q_GUI_EXPORT int qt_defaultDpiX();
Q_GUI_EXPORT int qt_defaultDpiY();

namespace {

const QString kSegnapostoIndice = QStringLiteral("@@INDICE@@");

struct TTitolo
{
    int livello;
    QString testo;
    int pagina = 0;
};

// Le immagini sono lette dalla cartella indicata e ridotte alla larghezza del testo.
bool CaricaImmagini(QTextDocument& doc, const QString& cartella, double larghezzaTesto)
{
    bool tutte = true;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (!f.charFormat().isImageFormat())
                continue;
            QTextImageFormat img = f.charFormat().toImageFormat();
            const QString nome = img.name();
            const QImage immagine(cartella + QLatin1Char('/') + QFileInfo(nome).fileName());
            if (immagine.isNull()) {
                std::fprintf(stderr, "creamanuale: immagine mancante %s\n", qPrintable(nome));
                tutte = false;
                continue;
            }
            doc.addResource(QTextDocument::ImageResource, QUrl(nome), immagine);
            const double larghezza = std::min<double>(immagine.width(), larghezzaTesto);
            img.setWidth(larghezza);
            img.setHeight(immagine.height() * larghezza / immagine.width());
            QTextCursor c(&doc);
            c.setPosition(f.position());
            c.setPosition(f.position() + f.length(), QTextCursor::KeepAnchor);
            c.setCharFormat(img);
        }
    }
    return tutte;
}

bool Titolo(const QTextBlock& b)
{
    const int livello = b.blockFormat().headingLevel();
    return livello == 1 || livello == 2;
}

// Titoli dei capitoli e dei paragrafi dopo il segnaposto dell'indice (non il titolo del manuale).
QList<TTitolo> Titoli(const QTextDocument& doc)
{
    QList<TTitolo> titoli;
    bool dopoIndice = false;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b.text().contains(kSegnapostoIndice))
            dopoIndice = true;
        else if (dopoIndice && Titolo(b))
            titoli.append({b.blockFormat().headingLevel(), b.text()});
    }
    return titoli;
}

// Tabelle a tutta larghezza, bordi semplici e un po' d'aria nelle celle.
void AllargaTabelle(QTextDocument& doc)
{
    for (QTextFrame* f : doc.rootFrame()->childFrames()) {
        auto* tabella = qobject_cast<QTextTable*>(f);
        if (!tabella)
            continue;
        QTextTableFormat tf = tabella->format();
        tf.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        tf.setCellPadding(3);
        tf.setCellSpacing(0);
        tf.setBorderCollapse(true);
        tf.setBorderBrush(Qt::gray);
        tabella->setFormat(tf);
    }
}

// Ogni capitolo comincia su una pagina nuova, come i titoli rimasti soli in fondo a una pagina.
void Interruzioni(QTextDocument& doc, const std::set<int>& interruzioni)
{
    bool primo = true;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        bool spezza = interruzioni.count(b.blockNumber()) > 0;
        if (b.blockFormat().headingLevel() == 1) {
            spezza = spezza || !primo;
            primo = false;
        }
        if (spezza) {
            QTextCursor c(b);
            QTextBlockFormat f = b.blockFormat();
            f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            c.setBlockFormat(f);
        }
    }
}

// Pagina A4 nelle unità del documento (pixel logici a qt_defaultDpi), con margini di 2 cm.
QSizeF PaginaA4()
{
    return {210.0 / 25.4 * qt_defaultDpiX(), 297.0 / 25.4 * qt_defaultDpiY()};
}

int Margine()
{
    return int((2 / 2.54) * qt_defaultDpiX());
}

void Impagina(QTextDocument& doc)
{
    QTextFrameFormat ff = doc.rootFrame()->frameFormat();
    ff.setMargin(Margine());
    doc.rootFrame()->setFrameFormat(ff);
    doc.setPageSize(PaginaA4());
}

// Disegna pagina per pagina, con il numero in basso a destra.
void Stampa(QTextDocument& doc, QPdfWriter& pdf)
{
    QPainter p(&pdf);
    const QSizeF pagina = doc.pageSize();
    const double scala = pdf.width() / pagina.width();
    const int pagine = doc.pageCount();
    for (int i = 0; i < pagine; ++i) {
        if (i > 0)
            pdf.newPage();
        p.save();
        p.scale(scala, scala);
        p.translate(0, -i * pagina.height());
        doc.drawContents(&p, QRectF(0, i * pagina.height(), pagina.width(), pagina.height()));
        p.restore();
        p.save();
        p.scale(scala, scala);
        QFont f = doc.defaultFont();
        f.setPixelSize(12);
        p.setFont(f);
        const QRectF piede(Margine(), pagina.height() - Margine() + 10, pagina.width() - 2 * Margine(), 20);
        p.drawText(piede, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("TERMOVELA - Manuale d'uso"));
        p.drawText(piede, Qt::AlignRight | Qt::AlignTop, QString::number(i + 1));
        p.restore();
    }
}

// Pagina della prima riga del paragrafo: un'immagine che non ci sta scende alla pagina dopo,
// mentre il paragrafo resta cominciato su quella prima.
int Pagina(const QTextDocument& impaginato, const QTextBlock& b)
{
    double alto = impaginato.documentLayout()->blockBoundingRect(b).top();
    if (b.layout() && b.layout()->lineCount() > 0)
        alto += b.layout()->lineAt(0).y();
    return int(alto / impaginato.pageSize().height()) + 1;
}

// Un titolo il cui paragrafo seguente finisce sulla pagina dopo va anch'esso a pagina nuova.
bool TitoliOrfani(const QTextDocument& impaginato, std::set<int>& interruzioni)
{
    bool trovati = false;
    for (QTextBlock b = impaginato.begin(); b.isValid(); b = b.next()) {
        const QTextBlock dopo = b.next();
        if (b.blockFormat().headingLevel() == 0 || !dopo.isValid() || interruzioni.count(b.blockNumber()))
            continue;
        if (Pagina(impaginato, dopo) != Pagina(impaginato, b)) {
            interruzioni.insert(b.blockNumber());
            trovati = true;
        }
    }
    return trovati;
}

void NumeraPagine(const QTextDocument& impaginato, QList<TTitolo>& titoli)
{
    QList<int> pagine;
    for (QTextBlock b = impaginato.begin(); b.isValid(); b = b.next()) {
        if (Titolo(b))
            pagine.append(Pagina(impaginato, b));
    }
    // L'indice precede i titoli: gli ultimi titoli impaginati sono quelli elencati.
    for (int k = 0; k < titoli.size(); ++k)
        titoli[k].pagina = pagine[pagine.size() - titoli.size() + k];
}

// Sostituisce il paragrafo segnaposto con l'indice (righe della stessa altezza a ogni passata).
void ScriviIndice(QTextDocument& doc, const QList<TTitolo>& titoli)
{
    QTextCursor c = doc.find(kSegnapostoIndice);
    if (c.isNull())
        return;
    c.select(QTextCursor::BlockUnderCursor);
    c.removeSelectedText();
    c.insertBlock();
    QString html = QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"2\">");
    for (const TTitolo& t : titoli) {
        const QString rientro = t.livello == 1 ? QString() : QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;");
        const QString peso = t.livello == 1 ? QStringLiteral("font-weight:bold;") : QString();
        html += QStringLiteral("<tr><td style=\"%1\">%2%3</td><td align=\"right\" style=\"%1\">%4</td></tr>")
                    .arg(peso, rientro, t.testo.toHtmlEscaped(),
                         t.pagina > 0 ? QString::number(t.pagina) : QStringLiteral("00"));
    }
    html += QStringLiteral("</table>");
    c.insertHtml(html);
}

std::unique_ptr<QTextDocument> Componi(const QString& testo, const QString& immagini, double larghezza,
                                       const QList<TTitolo>& titoli, const std::set<int>& interruzioni)
{
    auto doc = std::make_unique<QTextDocument>();
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(10);
    doc->setDefaultFont(f);
    doc->setMarkdown(testo);
    if (!CaricaImmagini(*doc, immagini, larghezza))
        return nullptr;
    AllargaTabelle(*doc);
    ScriviIndice(*doc, titoli);
    Interruzioni(*doc, interruzioni);
    Impagina(*doc);
    return doc;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "uso: creamanuale SORGENTE.md CARTELLA_IMMAGINI USCITA.pdf\n");
        return 2;
    }
    QFile sorgente(QString::fromLocal8Bit(argv[1]));
    if (!sorgente.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "creamanuale: non si legge %s\n", argv[1]);
        return 1;
    }
    const QString testo = QString::fromUtf8(sorgente.readAll());
    const QString immagini = QString::fromLocal8Bit(argv[2]);
    const QString uscita = QString::fromLocal8Bit(argv[3]);

    QPdfWriter pdf(uscita);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    pdf.setResolution(300);
    pdf.setTitle(QStringLiteral("TERMOVELA - Manuale"));
    pdf.setCreator(QStringLiteral("creamanuale"));

    // Larghezza del testo nelle unità del documento: la pagina A4 meno i margini di 2 cm.
    const double larghezza = PaginaA4().width() - 2 * Margine() - 4;

    // Prima le interruzioni di pagina (ognuna può spostare le altre), poi i numeri dell'indice,
    // che ha sempre le stesse righe e quindi non cambia l'impaginazione.
    QTextDocument grezzo;
    grezzo.setMarkdown(testo);
    QList<TTitolo> titoli = Titoli(grezzo);
    std::set<int> interruzioni;
    for (int passo = 0; passo < 20; ++passo) {
        auto impaginato = Componi(testo, immagini, larghezza, titoli, interruzioni);
        // Un'immagine che manca è un errore di compilazione, non un buco nel manuale.
        if (!impaginato)
            return 1;
        if (!TitoliOrfani(*impaginato, interruzioni)) {
            NumeraPagine(*impaginato, titoli);
            break;
        }
    }
    auto finale = Componi(testo, immagini, larghezza, titoli, interruzioni);
    Stampa(*finale, pdf);
    return QFile::exists(uscita) ? 0 : 1;
}
