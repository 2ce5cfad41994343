// La finestra "Pianta" guidata con veri clic e tasti: disegno di un locale a L con gli agganci,
// Backspace/Esc/Invio, contorni rifiutati, contorni presi dal disegno, zone senza tubi, muri
// esterni, collettori; i valori emessi contro aree calcolate a mano. Sfondi rifiutati.
#include "aiuti/RegistroMessaggi.h"
#include "aiuti/ScriviDxf.h"
#include "pianta/finestre/Ufinestrapianta.h"
#include "pianta/finestre/Uvistapianta.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <QtEndian>

namespace {

// Un rettangolo come spezzata chiusa e uno come quattro linee sciolte (una regione, non una polilinea).
TPianta PiantaConSfondo()
{
    TPianta pianta;
    TPiano& p = pianta.PianoOCrea(QStringLiteral("0"));
    p.sfondo.tipo = TSfondo::TTipo::Disegno;
    p.sfondo.disegno.unita = TUnita::Metri;
    const int muri = p.sfondo.disegno.Livello(QStringLiteral("MURI"));
    p.sfondo.disegno.spezzate << TSpezzata {muri, QPolygonF({{10, 0}, {14, 0}, {14, 4}, {10, 4}}), true};
    const QPolygonF r({{20, 0}, {23, 0}, {23, 3}, {20, 3}});
    for (int i = 0; i < 4; ++i)
        p.sfondo.disegno.spezzate << TSpezzata {muri, QPolygonF({r[i], r[(i + 1) % 4]}), false};
    return pianta;
}

// Un PNG che dichiara un'immagine enorme: basta a chi legge le dimensioni prima di decodificare.
QByteArray Pezzo(const QByteArray& tipo, const QByteArray& dati)
{
    const QByteArray corpo = tipo + dati;
    quint32 crc = 0xffffffffu;
    for (char c : corpo) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    const quint32 lunghezza = qToBigEndian(quint32(dati.size())), fine = qToBigEndian(~crc);
    return QByteArray(reinterpret_cast<const char*>(&lunghezza), 4) + corpo
        + QByteArray(reinterpret_cast<const char*>(&fine), 4);
}

QByteArray PngEnorme(quint32 lato)
{
    const quint32 be = qToBigEndian(lato);
    QByteArray ihdr(reinterpret_cast<const char*>(&be), 4);
    ihdr += ihdr + QByteArray("\x08\x02\x00\x00\x00", 5);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + Pezzo("IHDR", ihdr) + Pezzo("IDAT", QByteArray(16, '\0'))
        + Pezzo("IEND", {});
}

double Valore(const TValoriPianta& v, int id, const QString& campo)
{
    for (const TAggiornamento& a : v.aggiornamenti)
        if (a.idLocale == id && a.campo == campo)
            return a.valore.toDouble();
    return -1;
}

} // namespace

class TstFinestraPianta : public QObject
{
    Q_OBJECT

    TRegistroMessaggi m_registro;
    std::unique_ptr<TFinestraPianta> m_f;
    TPianta m_emessa;
    TValoriPianta m_valori;
    int m_emissioni = 0;

    TVistaPianta* vista() const { return m_f->Vista(); }
    // Clic a (x, y) metri spostato di qualche pixel: gli agganci devono riportarlo sul punto giusto.
    void clic(double x, double y, QPoint scarto = {4, -3})
    {
        const QPoint s = vista()->VersoSchermo({x, y}).toPoint() + scarto;
        QTest::mouseMove(vista(), s);
        QTest::mouseClick(vista(), Qt::LeftButton, {}, s);
    }
    void tasto(Qt::Key k) { QTest::keyClick(vista(), k); }
    const TPiano& piano() const { return *m_f->Pianta().Piano(QStringLiteral("0")); }

private Q_SLOTS:
    // Le misure si scrivono come i numeri della griglia: con la virgola.
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    }

    void init()
    {
        const QList<TLocalePianta> locali {{1, QStringLiteral("Soggiorno"), QStringLiteral("0")},
                                           {2, QStringLiteral("Cucina"), QStringLiteral("0")},
                                           {3, QStringLiteral("Bagno"), QStringLiteral("0")},
                                           {4, QStringLiteral("Camera"), QStringLiteral("1")}};
        m_f = std::make_unique<TFinestraPianta>(PiantaConSfondo(), locali,
                                                QStringList {QStringLiteral("C1"), QStringLiteral("C2")});
        m_emissioni = 0;
        connect(m_f.get(), &TFinestraPianta::PiantaModificata, this, [this](const TPianta& p, const TValoriPianta& v) {
            m_emessa = p;
            m_valori = v;
            ++m_emissioni;
        });
        m_f->resize(1400, 900);
        m_f->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_f.get()));
        QCOMPARE(m_f->Piani(), QStringList({QStringLiteral("0"), QStringLiteral("1")}));
        m_f->ImpostaPassoGriglia(0.5);
        vista()->ImpostaVista(35, QPointF(100, 600));
        vista()->setFocus();
    }
    void cleanup()
    {
        m_f.reset();
        QVERIFY(m_registro.Controlla());
    }

    void localeAElleConAgganci()
    {
        m_f->ImpostaStrumento(TFinestraPianta::TStrumento::Locale);
        m_f->ImpostaLocale(1);
        clic(0, 0);
        clic(6, 0, {-5, 4});
        clic(6, 3);
        clic(5, 1); // sbagliato: Backspace lo toglie
        QCOMPARE(m_f->PuntiInDisegno().size(), 4);
        tasto(Qt::Key_Backspace);
        QCOMPARE(m_f->PuntiInDisegno(), QPolygonF({{0, 0}, {6, 0}, {6, 3}}));
        // Misure con il cursore sul prossimo angolo: lato 3 m, trapezio (6 + 3) / 2 × 3.
        QTest::mouseMove(vista(), vista()->VersoSchermo({3, 3}).toPoint() + QPoint(3, 2));
        QCOMPARE(m_f->Misure(), QStringLiteral("Lato 3,00 m · Area 13,50 m²"));
        clic(3, 3);
        clic(3, 5, {-4, -4});
        clic(0, 5);
        QCOMPARE(m_emissioni, 0);
        tasto(Qt::Key_Return);
        QVERIFY(m_f->PuntiInDisegno().isEmpty());
        QCOMPARE(piano().locali.size(), 1);
        QCOMPARE(piano().locali[0].idLocale, 1);
        QCOMPARE(piano().locali[0].contorno, QPolygonF({{0, 0}, {6, 0}, {6, 3}, {3, 3}, {3, 5}, {0, 5}}));
        QCOMPARE(m_emissioni, 1);
        QCOMPARE(Valore(m_valori, 1, QStringLiteral("Area")), 6 * 3 + 3 * 2);

        // Un secondo contorno per lo stesso locale si rifiuta.
        m_f->ImpostaLocale(1);
        m_f->ImpostaStrumento(TFinestraPianta::TStrumento::DalDisegno);
        clic(12, 2);
        QCOMPARE(m_registro.Prendi().testo,
                 QStringLiteral("Il locale 1 ha già un contorno (piano 0): eliminarlo "
                                "prima di disegnarne un altro."));
        // Dentro una polilinea chiusa e dentro una regione chiusa da linee sciolte.
        m_f->ImpostaLocale(2);
        clic(12, 2);
        m_f->ImpostaLocale(3);
        clic(21, 1);
        QCOMPARE(piano().locali.size(), 3);
        QCOMPARE(Valore(m_valori, 2, QStringLiteral("Area")), 16.0);
        QCOMPARE(Valore(m_valori, 3, QStringLiteral("Area")), 9.0);
        clic(30, 1);
        QVERIFY(m_registro.Prendi().testo.startsWith(QStringLiteral("Nel punto scelto non c'è")));

        // Zona senza tubi nel soggiorno chiusa con un clic sul primo angolo; una che copre il bagno no.
        m_f->ImpostaStrumento(TFinestraPianta::TStrumento::ZonaSenzaTubi);
        for (QPointF p :
             {QPointF(0.5, 0.5), QPointF(2.5, 0.5), QPointF(2.5, 1.5), QPointF(0.5, 1.5), QPointF(0.5, 0.5)})
            clic(p.x(), p.y(), {2, 2});
        QCOMPARE(piano().zoneSenzaTubi.size(), 1);
        for (QPointF p : {QPointF(19.5, -0.5), QPointF(23.5, -0.5), QPointF(23.5, 3.5), QPointF(19.5, 3.5)})
            clic(p.x(), p.y());
        tasto(Qt::Key_Enter);
        QVERIFY(m_registro.Prendi().testo.startsWith(QStringLiteral("Zona senza tubi rifiutata (locale 3)")));
        tasto(Qt::Key_Escape);
        QCOMPARE(piano().zoneSenzaTubi.size(), 1);

        // Muro esterno sul lato in basso del soggiorno, collettore C1 in (5, 5).
        m_f->ImpostaStrumento(TFinestraPianta::TStrumento::MuroEsterno);
        clic(3, 0, {0, 3});
        QCOMPARE(piano().muriEsterni, QList<TMuroEsterno>({{0, 0}}));
        m_f->ImpostaStrumento(TFinestraPianta::TStrumento::Collettore);
        m_f->ImpostaCollettore(QStringLiteral("C1"));
        clic(5, 5);
        QCOMPARE(piano().collettori.value(QStringLiteral("C1")), QPointF(5, 5));

        // Utile 24 - 2; striscia di 1 m lungo y = 0 meno la parte della zona (2 × 0,5).
        QCOMPARE(Valore(m_valori, 1, QStringLiteral("AreaUtile")), 22.0);
        QCOMPARE(Valore(m_valori, 1, QStringLiteral("AreaMarginale")), 5.0);
        // Percorsi a L fino al contorno più vicino: 2 m, 5 + 1 m, 15 + 2 m.
        QCOMPARE(Valore(m_valori, 1, QStringLiteral("DistColl")), 2.0);
        QCOMPARE(Valore(m_valori, 2, QStringLiteral("DistColl")), 6.0);
        QCOMPARE(Valore(m_valori, 3, QStringLiteral("DistColl")), 17.0);
        QCOMPARE(m_valori.aggiornamenti, m_f->Valori().aggiornamenti);

        // Annulla toglie il collettore e il muro, Ripeti li rimette.
        m_f->Annullamenti()->undo();
        m_f->Annullamenti()->undo();
        QVERIFY(piano().collettori.isEmpty() && piano().muriEsterni.isEmpty());
        QCOMPARE(Valore(m_valori, 1, QStringLiteral("AreaMarginale")), 0.0);
        m_f->Annullamenti()->redo();
        m_f->Annullamenti()->redo();
        QCOMPARE(m_emessa, m_f->Pianta());
        QCOMPARE(Valore(m_valori, 1, QStringLiteral("DistColl")), 2.0);

        // Selezione e Canc: il soggiorno perde contorno e muro esterno.
        m_f->ImpostaStrumento(TFinestraPianta::TStrumento::Seleziona);
        clic(4.5, 2, {0, 0});
        tasto(Qt::Key_Delete);
        QCOMPARE(piano().locali.size(), 2);
        QVERIFY(piano().muriEsterni.isEmpty());
        QCOMPARE(Valore(m_valori, 1, QStringLiteral("Area")), -1.0);
    }

    void contorniRifiutatiMentreSiDisegna()
    {
        m_f->ImpostaStrumento(TFinestraPianta::TStrumento::Locale);
        m_f->ImpostaLocale(2);
        // Esc butta via gli angoli; Invio con due angoli non chiude.
        clic(0, 0);
        clic(2, 0);
        tasto(Qt::Key_Return);
        QCOMPARE(m_registro.Prendi().testo, QStringLiteral("Per chiudere un contorno servono almeno tre angoli."));
        tasto(Qt::Key_Escape);
        QVERIFY(m_f->PuntiInDisegno().isEmpty());
        // Un lato che incrocia un lato già disegnato non entra.
        m_f->ImpostaAgganciaAngoli(false);
        clic(0, 0);
        clic(4, 0);
        clic(4, 3);
        clic(2, -2);
        QCOMPARE(m_registro.Prendi().testo, QStringLiteral("Angolo rifiutato: il lato nuovo incrocia il lato 1."));
        QCOMPARE(m_f->PuntiInDisegno().size(), 3);
        // Un farfallone: ogni lato va bene da solo, ma chiuso si incrocia.
        tasto(Qt::Key_Backspace);
        clic(0, 3);
        QCOMPARE(m_f->PuntiInDisegno(), QPolygonF({{0, 0}, {4, 0}, {0, 3}}));
        clic(4, 3);
        tasto(Qt::Key_Return);
        QVERIFY(m_registro.Prendi().testo.startsWith(QStringLiteral("Contorno rifiutato: ")));
        QCOMPARE(m_f->PuntiInDisegno().size(), 4);
        QCOMPARE(m_emissioni, 0);
        QVERIFY(piano().locali.isEmpty());
    }

    void zoomAlCursoreESpostamento()
    {
        const QPoint cursore(400, 300);
        const QPointF fermo = vista()->VersoPianta(cursore);
        QWheelEvent rotella(cursore, vista()->mapToGlobal(cursore), {}, {0, 240}, Qt::NoButton, {}, Qt::NoScrollPhase,
                            false);
        QApplication::sendEvent(vista(), &rotella);
        QCOMPARE(vista()->Zoom(), 35 * 1.25 * 1.25);
        QVERIFY(QLineF(vista()->VersoPianta(cursore), fermo).length() < 1e-9);
        // Tasto centrale: il punto segue il trascinamento.
        QTest::mousePress(vista(), Qt::MiddleButton, {}, cursore);
        QMouseEvent trascina(QEvent::MouseMove, QPointF(450, 280), vista()->mapToGlobal(QPointF(450, 280)),
                             Qt::NoButton, Qt::MiddleButton, {});
        QApplication::sendEvent(vista(), &trascina);
        QTest::mouseRelease(vista(), Qt::MiddleButton, {}, QPoint(450, 280));
        QVERIFY(QLineF(vista()->VersoPianta(QPoint(450, 280)), fermo).length() < 1e-9);
    }

    void sfondiRifiutati_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<QString>("inizio");
        QTest::newRow("immagine 30000 × 30000")
            << "enorme.png" << PngEnorme(30000) << "L'immagine \"enorme.png\" è troppo grande (30000 × 30000 pixel)";
        QTest::newRow("PDF rovinato") << "rotto.pdf" << QByteArray("%PDF-1.7\n garbage")
                                      << "Il PDF \"rotto.pdf\" non si apre";
        QTest::newRow("DXF che non è un DXF")
            << "testo.dxf" << QByteArray("ciao\n") << "Il disegno \"testo.dxf\" non si può importare";
        QTest::newRow("PNG finto") << "finto.png" << QByteArray("non sono un'immagine")
                                   << "\"finto.png\" non è un'immagine";
    }
    void sfondiRifiutati()
    {
        QFETCH(QString, nome);
        QFETCH(QByteArray, contenuto);
        QFETCH(QString, inizio);
        QTemporaryDir cartella;
        QFile f(cartella.filePath(nome));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(contenuto) == contenuto.size());
        f.close();
        m_f->MostraPiano(QStringLiteral("1"));
        const TPianta prima = m_f->Pianta();
        QVERIFY(!m_f->ImportaSfondo(f.fileName()));
        QVERIFY(m_registro.Prendi().testo.startsWith(inizio));
        QCOMPARE(m_f->Pianta(), prima);
    }

    void dxfSenzaUnitaEImmagineInScala()
    {
        TScriviDxf d;
        d.Inizio().Sezione("ENTITIES").Linea({0, 0}, {5000, 0}, "MURI").Linea({5000, 0}, {5000, 3000}, "ARREDI");
        d.FineSezione().Fine();
        QTemporaryDir cartella;
        QFile f(cartella.filePath(QStringLiteral("senza.dxf")));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(d.testo) == d.testo.size());
        f.close();
        m_f->MostraPiano(QStringLiteral("1"));
        // L'unità si chiede; annullare non importa niente, "mm" porta il disegno in metri.
        QStringList voci;
        m_f->ChiediScelta = [&voci](const QString&, const QString&, const QStringList& v) {
            voci = v;
            return -1;
        };
        QVERIFY(!m_f->ImportaSfondo(f.fileName()));
        QCOMPARE(voci.size(), 3);
        m_f->ChiediScelta = [](const QString&, const QString&, const QStringList&) { return 0; };
        QVERIFY(m_f->ImportaSfondo(f.fileName()));
        const TDisegno& disegno = m_f->Pianta().Piano(QStringLiteral("1"))->sfondo.disegno;
        QCOMPARE(disegno.Limiti(), QRectF(0, 0, 5, 3));
        QStringList livelli;
        for (const TLivello& l : disegno.livelli)
            livelli << l.nome;
        QVERIFY(livelli.contains(QStringLiteral("ARREDI")) && livelli.contains(QStringLiteral("MURI")));

        // Un'immagine al posto del disegno (si chiede conferma), poi la scala da due punti: 200 px = 5 m.
        QImage im(400, 300, QImage::Format_RGB32);
        im.fill(Qt::white);
        const QString png = cartella.filePath(QStringLiteral("pianta.png"));
        QVERIFY(im.save(png));
        m_registro.Rispondi(true);
        QVERIFY(m_f->ImportaSfondo(png));
        QVERIFY(m_registro.Prendi().testo.startsWith(QStringLiteral("Il piano ha già uno sfondo.")));
        const TSfondo& provvisorio = m_f->Pianta().Piano(QStringLiteral("1"))->sfondo;
        QCOMPARE(provvisorio.Scala(), 0.01);
        m_f->ImpostaPassoGriglia(0);
        vista()->ImpostaVista(100, QPointF(50, 50));
        m_f->ChiediNumero = [](const QString&, const QString&, double& v) {
            v = 5;
            return true;
        };
        m_f->ImpostaStrumento(TFinestraPianta::TStrumento::Scala);
        clic(0, -0.5, {0, 0});
        clic(2, -0.5, {0, 0});
        QCOMPARE(m_f->Pianta().Piano(QStringLiteral("1"))->sfondo.Scala(), 0.025);
        m_f->Annullamenti()->undo();
        QCOMPARE(m_f->Pianta().Piano(QStringLiteral("1"))->sfondo.Scala(), 0.01);
    }
};

QTEST_MAIN(TstFinestraPianta)
#include "tst_finestrapianta.moc"
