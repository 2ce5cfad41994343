// Livello della cartella di lavoro, modelli dei documenti e cornice dei documenti.
// Ogni file prodotto passa anche da LibreOffice Calc, che deve aprirlo e calcolarne le formule.
#include "aiuti/ControlloCalc.h"
#include "aiuti/DiscoPieno.h"
#include "aiuti/RegistroMessaggi.h"
#include "documents/foglio/Udocumento.h"
#include "documents/foglio/Ufoglio.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <sys/stat.h>

namespace {

quint32 Crc32(const QByteArray& dati)
{
    quint32 c = 0xFFFFFFFFu;
    for (char b : dati) {
        c ^= quint8(b);
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return ~c;
}

// PNG a tinta unita larga l e alta a pixel, costruito a mano (il nucleo non ha QtGui).
QByteArray Png(int l, int a)
{
    auto blocco = [](const char* tipo, const QByteArray& dati) {
        QByteArray b;
        const quint32 n = quint32(dati.size());
        b.append(char(n >> 24)).append(char(n >> 16)).append(char(n >> 8)).append(char(n));
        QByteArray corpo = QByteArray(tipo) + dati;
        b.append(corpo);
        const quint32 crc = Crc32(corpo);
        b.append(char(crc >> 24)).append(char(crc >> 16)).append(char(crc >> 8)).append(char(crc));
        return b;
    };
    QByteArray ihdr;
    for (int v : {l, a})
        ihdr.append(char(v >> 24)).append(char(v >> 16)).append(char(v >> 8)).append(char(v));
    ihdr.append(char(8)).append(char(2)).append(char(0)).append(char(0)).append(char(0));
    QByteArray grezzi;
    for (int y = 0; y < a; ++y) {
        grezzi.append(char(0));
        for (int x = 0; x < l; ++x)
            grezzi.append(char(200)).append(char(40)).append(char(40));
    }
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + blocco("IHDR", ihdr) + blocco("IDAT", qCompress(grezzi).mid(4))
        + blocco("IEND", {});
}

double NumeroCalc(QString s)
{
    s.remove(u' ');
    return s.replace(u',', u'.').toDouble();
}

// Avanzamento che ricorda quel che riceve.
struct TProgressoRegistrato : TProgresso
{
    QString titolo;
    int massimo = -1, passi = 0, fine = 0;
    void Inizia(const QString& t, int m) override
    {
        titolo = t;
        massimo = m;
    }
    void Passo() override { ++passi; }
    void Fine() override { ++fine; }
};

} // namespace

class TstFoglio : public QObject
{
    Q_OBJECT

    TRegistroMessaggi registro;
    QTemporaryDir cartella;

    QString Percorso(const QString& nome) const { return cartella.filePath(nome); }

    // Modello di prova: B2 in grassetto con due decimali, riga 4 formattata, colonna D centrata.
    QString ModelloProva()
    {
        TFoglio f;
        f.NuovoVuoto(QStringLiteral("Primo"));
        f.Formatta(QStringLiteral("B2"), {.grassetto = true, .formato = QStringLiteral("0.00")});
        f.Formatta(QStringLiteral("A4:C4"), {.sfondo = QStringLiteral("FFEE00")});
        f.FormattaColonne(QStringLiteral("D"), {.orizzontale = TAllineamento::Centro});
        f.AggiungiFoglio(QStringLiteral("Altro foglio"));
        f.Foglio(1);
        const QString file = Percorso(QStringLiteral("prova.xltx"));
        f.Salva(file);
        return file;
    }

private Q_SLOTS:
    void cleanup() { QVERIFY(registro.Controlla()); }

    void indirizzi_data()
    {
        QTest::addColumn<QString>("lettere");
        QTest::addColumn<int>("numero");
        QTest::newRow("A") << "A" << 1;
        QTest::newRow("Z") << "Z" << 26;
        QTest::newRow("AA") << "AA" << 27;
        QTest::newRow("AZ") << "AZ" << 52;
        QTest::newRow("XFD") << "XFD" << 16384;
    }
    void indirizzi()
    {
        QFETCH(QString, lettere);
        QFETCH(int, numero);
        QCOMPARE(TFoglio::NumeroColonna(lettere), numero);
        QCOMPARE(TFoglio::LettereColonna(numero), lettere);
    }

    void indirizziNonValidi_data()
    {
        QTest::addColumn<QString>("indirizzo");
        for (const char* a : {"A0", "1A", "AAAA1", "A1048577", "XFE1", "", "B", "A1:", "A1:C", "A-1"})
            QTest::newRow(a) << QString::fromLatin1(a);
    }
    void indirizziNonValidi()
    {
        QFETCH(QString, indirizzo);
        TFoglio f;
        f.NuovoVuoto(QStringLiteral("F"));
        QVERIFY_THROWS_EXCEPTION(TErroreFoglio, f.Valore(indirizzo, 1));
    }

    void valoriRiletti()
    {
        TFoglio f;
        f.NuovoDaModello(ModelloProva());
        f.Valore(QStringLiteral("A1"), QStringLiteral("Perdita [mmH20] è  "));
        f.Valore(QStringLiteral("B2"), 12.5);
        f.Valore(QStringLiteral("C3"), 7);
        f.Valore(QStringLiteral("D9"), QStringLiteral("centro"));
        f.Valore(QStringLiteral("A5:B6"), QStringLiteral("blocco"));
        f.Formula(QStringLiteral("C4"), QStringLiteral("=B2*C3"));
        f.Valore(QStringLiteral("A7"), 0.1 + 0.2); // il numero torna identico
        const QString file = Percorso(QStringLiteral("valori.xlsx"));
        f.Salva(file);

        TFoglio g;
        g.Apri(file);
        QCOMPARE(g.NumeroFogli(), 2);
        QCOMPARE(g.NomeFoglio(2), QStringLiteral("Altro foglio"));
        QCOMPARE(g.Testo(QStringLiteral("A1")), QStringLiteral("Perdita [mmH20] è  "));
        QVERIFY(g.ENumero(QStringLiteral("B2")));
        QCOMPARE(g.Numero(QStringLiteral("B2")), 12.5);
        QCOMPARE(g.Testo(QStringLiteral("C3")), QStringLiteral("7"));
        QVERIFY(!g.ENumero(QStringLiteral("A1")));
        QCOMPARE(g.Testo(QStringLiteral("B6")), QStringLiteral("blocco"));
        QCOMPARE(g.FormulaCella(QStringLiteral("C4")), QStringLiteral("B2*C3"));
        QCOMPARE(g.Numero(QStringLiteral("A7")), 0.1 + 0.2);
        // Il formato del modello resta sulle celle scritte, e le celle nuove prendono quello di colonna.
        QVERIFY(g.Grassetto(QStringLiteral("B2")));
        QCOMPARE(g.FormatoNumero(QStringLiteral("B2")), QStringLiteral("0.00"));
        QCOMPARE(g.Sfondo(QStringLiteral("B4")), QStringLiteral("FFEE00"));
        QCOMPARE(g.IndiceStile(QStringLiteral("D9")), g.IndiceStile(QStringLiteral("D100")));
        QVERIFY(g.IndiceStile(QStringLiteral("D9")) != 0);
        QVERIFY(!g.Esiste(QStringLiteral("Z99")));

        QList<QList<QStringList>> fogli;
        CONVERTI_CON_CALC(file, fogli);
        QCOMPARE(fogli.size(), 2);
        QCOMPARE(TControlloCalc::Cella(fogli[0], QStringLiteral("A1")).trimmed(), QStringLiteral("Perdita [mmH20] è"));
        QCOMPARE(NumeroCalc(TControlloCalc::Cella(fogli[0], QStringLiteral("C4"))), 87.5);
        QCOMPARE(TControlloCalc::Cella(fogli[0], QStringLiteral("B2")).size(), 5); // "12.50" o "12,50"
    }

    // Un testo lungo in una cella "a capo" alza la riga, salvo altezza fissata o celle unite.
    void testoACapoAlzaLaRiga()
    {
        TFoglio f;
        f.NuovoVuoto(QStringLiteral("F"));
        f.LarghezzaColonne(QStringLiteral("C"), 20);
        f.FormattaColonne(QStringLiteral("C"), {.aCapo = true});
        const double normale = f.AltezzaRiga(5);
        const QString lungo = QString(QStringLiteral("parola ")).repeated(30); // circa undici righe
        f.Valore(QStringLiteral("C5"), lungo);
        QVERIFY(f.AltezzaRiga(5) > 8 * normale);
        f.Valore(QStringLiteral("C6"), QStringLiteral("breve"));
        QCOMPARE(f.AltezzaRiga(6), normale);
        f.AltezzaRiga(7, 20);
        f.Valore(QStringLiteral("C7"), lungo);
        QCOMPARE(f.AltezzaRiga(7), 20.0);
        f.Valore(QStringLiteral("A8"), lungo); // colonna senza "a capo"
        QCOMPARE(f.AltezzaRiga(8), normale);
    }

    void testoFisso_data()
    {
        QTest::addColumn<QString>("localita");
        QTest::addColumn<double>("numero");
        QTest::addColumn<int>("decimali");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("it 1 decimale") << "it_IT" << 15.0 << 1 << "15,0";
        QTest::newRow("it nessun decimale") << "it_IT" << 84.6 << 0 << "85";
        QTest::newRow("it migliaia senza separatore") << "it_IT" << 1234.5 << 2 << "1234,50";
        QTest::newRow("en") << "en_US" << 12.34 << 1 << "12.3";
    }
    void testoFisso()
    {
        QFETCH(QString, localita);
        QFETCH(double, numero);
        QFETCH(int, decimali);
        QFETCH(QString, atteso);
        const QLocale prima;
        QLocale::setDefault(QLocale(localita));
        const QString t = TFoglio::TestoFisso(numero, decimali);
        QLocale::setDefault(prima);
        QCOMPARE(t, atteso);
    }

    // Inserire righe sposta quel che sta sotto insieme ai riferimenti che lo indicano.
    void inserisciRighe_data()
    {
        QTest::addColumn<int>("riga");
        QTest::addColumn<int>("quante");
        QTest::newRow("sopra tutto") << 2 << 2;
        QTest::newRow("alla prima riga della somma") << 5 << 3;
        QTest::newRow("dentro la somma") << 8 << 1;
        QTest::newRow("dentro l'unione") << 15 << 2;
        QTest::newRow("sotto tutto") << 30 << 4;
    }
    void inserisciRighe()
    {
        QFETCH(int, riga);
        QFETCH(int, quante);
        const QString immagine = Percorso(QStringLiteral("rosso.png"));
        {
            QFile f(immagine);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(Png(6, 9));
        }
        TFoglio f;
        f.NuovoVuoto(QStringLiteral("Dati"));
        f.Valore(QStringLiteral("A1"), QStringLiteral("titolo"));
        for (int r = 5; r <= 9; ++r)
            f.Valore(QStringLiteral("B%1").arg(r), r);
        f.Formatta(QStringLiteral("A7:D7"), {.grassetto = true});
        f.Formula(QStringLiteral("B10"), QStringLiteral("SUM(B5:B9)+'Altro foglio'!A1"));
        f.Unisci(QStringLiteral("A14:C15"));
        f.Valore(QStringLiteral("A14"), QStringLiteral("unito"));
        f.Bordo(QStringLiteral("A20:D20"), TBordo::Superiore);
        f.Immagine(QStringLiteral("B20"), immagine, 45, 65);
        f.Immagine(QStringLiteral("A1"), immagine, 10, 10);
        f.AreaStampa(QStringLiteral("A1:D20"));
        f.AggiungiFoglio(QStringLiteral("Altro foglio"));
        f.Valore(QStringLiteral("A1"), 100);
        f.Formula(QStringLiteral("B1"), QStringLiteral("Dati!B9*2+SUM(Dati!B5:B9)"));
        f.Foglio(1);

        f.InserisciRighe(QStringLiteral("A%1").arg(riga), quante);
        auto giu = [&](int r) { return r >= riga ? r + quante : r; };

        QCOMPARE(f.Testo(QStringLiteral("A1")), QStringLiteral("titolo"));
        for (int r = 5; r <= 9; ++r)
            QCOMPARE(f.Numero(QStringLiteral("B%1").arg(giu(r))), double(r));
        QCOMPARE(f.FormulaCella(QStringLiteral("B%1").arg(giu(10))),
                 QStringLiteral("SUM(B%1:B%2)+'Altro foglio'!A1").arg(giu(5)).arg(giu(9)));
        QVERIFY(f.Grassetto(QStringLiteral("A%1").arg(giu(7))));
        QCOMPARE(f.Testo(QStringLiteral("A%1").arg(giu(14))), QStringLiteral("unito"));
        QCOMPARE(f.Unioni(), QStringList {QStringLiteral("A%1:C%2").arg(giu(14)).arg(giu(15))});
        QCOMPARE(f.StileBordo(QStringLiteral("D%1").arg(giu(20)), TBordo::Superiore), TLinea::Continua);
        QCOMPARE(f.AreaStampa(), QStringLiteral("$A$1:$D$%1").arg(giu(20)));
        const auto immagini = f.Immagini();
        QCOMPARE(immagini.size(), size_t(2));
        QCOMPARE(immagini[0].cella, QStringLiteral("B%1").arg(giu(20)));
        QCOMPARE(immagini[0].larghezza, 45.0);
        QCOMPARE(immagini[0].altezza, 65.0);
        QCOMPARE(immagini[1].cella, QStringLiteral("A1"));
        // Le righe nuove hanno il formato della riga sopra.
        QCOMPARE(f.Grassetto(QStringLiteral("C%1").arg(riga)), riga == 8);
        f.Foglio(2);
        const QString atteso = QStringLiteral("Dati!B%1*2+SUM(Dati!B%2:B%1)").arg(giu(9)).arg(giu(5));
        QCOMPARE(f.FormulaCella(QStringLiteral("B1")), atteso);

        // Calc calcola le formule spostate sui valori spostati.
        const QString file = Percorso(QStringLiteral("righe-%1.xlsx").arg(riga));
        f.Salva(file);
        QList<QList<QStringList>> fogli;
        CONVERTI_CON_CALC(file, fogli);
        QCOMPARE(NumeroCalc(TControlloCalc::Cella(fogli[0], QStringLiteral("B%1").arg(giu(10)))), 135.0);
        QCOMPARE(NumeroCalc(TControlloCalc::Cella(fogli[1], QStringLiteral("B1"))), 53.0);
        QCOMPARE(TControlloCalc::Cella(fogli[0], QStringLiteral("A%1").arg(giu(14))), QStringLiteral("unito"));
    }

    void riferimentiNelleFormule_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("attesa");
        QTest::newRow("testo costante") << "\"A10\"&A10"
                                        << "\"A10\"&A13";
        QTest::newRow("assoluti") << "$A$10+A$9+$B10"
                                  << "$A$13+A$9+$B13";
        QTest::newRow("righe intere") << "SUM(10:12)+SUM($2:$3)"
                                      << "SUM(13:15)+SUM($2:$3)";
        QTest::newRow("funzione con cifre") << "LOG10(A20)"
                                            << "LOG10(A23)";
        QTest::newRow("altro foglio") << "Altro!A20+'Dati'!A20"
                                      << "Altro!A20+'Dati'!A23";
        QTest::newRow("numeri") << "A10*1.5E+10+10"
                                << "A13*1.5E+10+10";
        QTest::newRow("oltre il foglio") << "A1048575"
                                         << "#REF!";
    }
    void riferimentiNelleFormule()
    {
        QFETCH(QString, formula);
        QFETCH(QString, attesa);
        TFoglio f;
        f.NuovoVuoto(QStringLiteral("Dati"));
        f.Formula(QStringLiteral("A1"), formula);
        f.InserisciRighe(QStringLiteral("A10"), 3);
        QCOMPARE(f.FormulaCella(QStringLiteral("A1")), attesa);
    }

    // Bordi per voce su un blocco 3×3 (B2:D4): quali lati ogni cella riceve.
    void bordi_data()
    {
        QTest::addColumn<int>("voce");
        QTest::addColumn<QStringList>("attesi"); // "cella:lato" con lato 1-4
        // Lati attesi per ogni cella del blocco secondo una regola (colonna 2-4, riga 2-4).
        auto dove = [](auto regola) {
            QStringList l;
            for (int r = 2; r <= 4; ++r)
                for (int c = 2; c <= 4; ++c)
                    for (int lato = 1; lato <= 4; ++lato)
                        if (regola(c, r, lato))
                            l << QStringLiteral("%1:%2").arg(TFoglio::Indirizzo(c, r)).arg(lato);
            return l;
        };
        QTest::newRow("3 superiore di ogni cella") << 3 << dove([](int, int, int l) { return l == 3; });
        QTest::newRow("1 sinistro di ogni cella") << 1 << dove([](int, int, int l) { return l == 1; });
        QTest::newRow("8 contorno superiore") << 8 << dove([](int, int r, int l) { return r == 2 && l == 3; });
        QTest::newRow("9 contorno inferiore") << 9 << dove([](int, int r, int l) { return r == 4 && l == 4; });
        QTest::newRow("7 contorno sinistro") << 7 << dove([](int c, int, int l) { return c == 2 && l == 1; });
        QTest::newRow("10 contorno destro") << 10 << dove([](int c, int, int l) { return c == 4 && l == 2; });
        QTest::newRow("12 interni orizzontali")
            << 12 << dove([](int, int r, int l) { return (l == 3 && r > 2) || (l == 4 && r < 4); });
        QTest::newRow("11 interni verticali")
            << 11 << dove([](int c, int, int l) { return (l == 1 && c > 2) || (l == 2 && c < 4); });
    }
    void bordi()
    {
        QFETCH(int, voce);
        QFETCH(QStringList, attesi);
        TFoglio f;
        f.NuovoVuoto(QStringLiteral("F"));
        f.Formatta(QStringLiteral("C3"), {.grassetto = true, .formato = QStringLiteral("0.0")});
        f.Bordo(QStringLiteral("B2:D4"), TBordo(voce));
        QStringList trovati;
        for (int r = 1; r <= 5; ++r)
            for (int c = 1; c <= 5; ++c)
                for (int lato = 1; lato <= 4; ++lato)
                    if (f.StileBordo(TFoglio::Indirizzo(c, r), TBordo(lato)) == TLinea::Continua)
                        trovati << QStringLiteral("%1:%2").arg(TFoglio::Indirizzo(c, r)).arg(lato);
        QCOMPARE(trovati, attesi);
        QVERIFY(f.Grassetto(QStringLiteral("C3")));
        QCOMPARE(f.FormatoNumero(QStringLiteral("C3")), QStringLiteral("0.0"));
    }

    void tuttiIBordiEStiliCondivisi()
    {
        TFoglio f;
        f.NuovoVuoto(QStringLiteral("F"));
        f.TuttiIBordi(QStringLiteral("A1:J200"));
        f.Bordo(QStringLiteral("A1"), TBordo::Inferiore, TLinea::Tratteggiata);
        for (int l = 1; l <= 4; ++l)
            QCOMPARE(f.StileBordo(QStringLiteral("J200"), TBordo(l)), TLinea::Continua);
        QCOMPARE(f.StileBordo(QStringLiteral("A1"), TBordo::Inferiore), TLinea::Tratteggiata);
        QCOMPARE(f.StileBordo(QStringLiteral("A1"), TBordo::Superiore), TLinea::Continua);
        // Duemila celle uguali condividono un solo stile.
        QCOMPARE(f.IndiceStile(QStringLiteral("B7")), f.IndiceStile(QStringLiteral("J200")));
        f.Bordo(QStringLiteral("C3"), TBordo::Superiore, TLinea::Nessuna);
        QCOMPARE(f.StileBordo(QStringLiteral("C3"), TBordo::Superiore), TLinea::Nessuna);
        QVERIFY_THROWS_EXCEPTION(TErroreFoglio, f.Bordo(QStringLiteral("A1"), TBordo::Superiore, 77));
    }

    void immagini()
    {
        const QString png = Percorso(QStringLiteral("articolo.png"));
        {
            QFile out(png);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(Png(45, 65));
        }
        const QString finto = Percorso(QStringLiteral("finto.png"));
        {
            QFile out(finto);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write("non sono un'immagine");
        }
        TFoglio f;
        f.NuovoDaModello(ModelloProva());
        f.Immagine(QStringLiteral("A5"), png, 45, 65);
        f.Immagine(QStringLiteral("A7"), png, 45, 65);
        QVERIFY_THROWS_EXCEPTION(TErroreFoglio, f.Immagine(QStringLiteral("A9"), finto, 45, 65));
        QVERIFY_THROWS_EXCEPTION(TErroreFoglio, f.Immagine(QStringLiteral("A9"), Percorso("manca.png"), 45, 65));
        QVERIFY_THROWS_EXCEPTION(TErroreFoglio, f.Immagine(QStringLiteral("A9"), png, 0, 65));
        const QString file = Percorso(QStringLiteral("immagini.xlsx"));
        f.Salva(file);
        TFoglio g;
        g.Apri(file);
        const auto v = g.Immagini();
        QCOMPARE(v.size(), size_t(2));
        QCOMPARE(v[1].cella, QStringLiteral("A7"));
        QCOMPARE(v[1].nome, QStringLiteral("articolo.png"));
        QCOMPARE(v[0].parte, v[1].parte); // la stessa immagine è salvata una volta
        g.Foglio(2);
        QVERIFY(g.Immagini().empty());
        QString errore;
        QVERIFY2(!TControlloCalc::Soffice().isEmpty(), "soffice non trovato");
        QVERIFY2(!TControlloCalc::Pdf(file, cartella.path(), errore).isEmpty(), qPrintable(errore));
    }

    void apriFileNonValidi()
    {
        const QString testo = Percorso(QStringLiteral("testo.xltx"));
        {
            QFile f(testo);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("PK\x03\x04 non proprio");
        }
        TFoglio f;
        QVERIFY_THROWS_EXCEPTION(TErroreFoglio, f.NuovoDaModello(Percorso(QStringLiteral("manca.xltx"))));
        QVERIFY_THROWS_EXCEPTION(TErroreFoglio, f.NuovoDaModello(testo));
        // Una pipe non si legge (la lettura non finirebbe).
        const QString pipe = Percorso(QStringLiteral("pipe.xltx"));
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QVERIFY_THROWS_EXCEPTION(TErroreFoglio, f.NuovoDaModello(pipe));
        QVERIFY_THROWS_EXCEPTION(TErroreFoglio, f.Apri(pipe));
        QVERIFY_THROWS_EXCEPTION(TErroreFoglio, f.Valore(QStringLiteral("A1"), 1));
        QVERIFY_THROWS_EXCEPTION(TErroreFoglio, f.Foglio(1));
    }

    // I modelli installati: fogli per numero, ditta, area di stampa, e Calc li apre.
    void modelli_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QStringList>("fogli");
        QTest::addColumn<QString>("cellaRif"); // la cella del riferimento deve essere libera
        QTest::newRow("rapptec") << "rapptec"
                                 << QStringList {"Copertina", "Locali", "Zona occupata", "Detentori", "Collettori"}
                                 << "B5";
        QTest::newRow("rapptecAM") << "rapptecAM" << QStringList {"Copertina",      "Locali",    "Zona occupata",
                                                                  "Zona marginale", "Detentori", "Collettori"}
                                   << "B5";
        QTest::newRow("Prev") << "Prev" << QStringList {"Preventivo"} << "D8";
        QTest::newRow("Capitolato") << "Capitolato" << QStringList {"Capitolato"} << "D1";
        QTest::newRow("Capitolatop") << "Capitolatop" << QStringList {"Capitolato"} << "D1";
        QTest::newRow("tabcirc") << "tabcirc" << QStringList {"Etichette"} << "A2";
        QTest::newRow("Ottimizza") << "Ottimizza" << QStringList {"Ottimizzazione"} << "A8";
    }
    void modelli()
    {
        QFETCH(QString, nome);
        QFETCH(QStringList, fogli);
        QFETCH(QString, cellaRif);
        const QString file = TDocumenti::Modello(nome);
        TFoglio f;
        f.NuovoDaModello(file);
        QCOMPARE(f.NumeroFogli(), fogli.size());
        for (int i = 0; i < fogli.size(); ++i) {
            QCOMPARE(f.NomeFoglio(i + 1), fogli[i]);
            f.Foglio(i + 1);
            QVERIFY2(!f.AreaStampa().isEmpty(), qPrintable(fogli[i]));
        }
        f.Foglio(1);
        QVERIFY(!f.Esiste(cellaRif));
        QList<QList<QStringList>> convertiti;
        CONVERTI_CON_CALC(file, convertiti);
        QCOMPARE(convertiti.size(), fogli.size());
        bool ditta = false;
        for (const auto& riga : convertiti[0])
            ditta = ditta || riga.join(u' ').contains(QStringLiteral("Orvanti S.p.A."));
        QVERIFY(ditta || nome == QLatin1String("tabcirc")); // le etichette la portano nell'intestazione di pagina
    }

    // Il totale del preventivo scende con le voci fino alla riga r + 8, dove il programma lo scrive.
    void preventivoTotaleSegueLeVoci_data()
    {
        QTest::addColumn<int>("voci");
        QTest::newRow("nessuna") << 0;
        QTest::newRow("una") << 1;
        QTest::newRow("tre") << 3;
    }
    void preventivoTotaleSegueLeVoci()
    {
        QFETCH(int, voci);
        TFoglio f;
        f.NuovoDaModello(TDocumenti::Modello(QStringLiteral("Prev")));
        const int modelloRiga15 = f.IndiceStile(QStringLiteral("H15"));
        int r = 16;
        for (int k = 1; k <= voci; ++k, r += 2) {
            f.InserisciRighe(QStringLiteral("A%1").arg(r), 2);
            f.Valore(QStringLiteral("A%1").arg(r), k);
            f.Valore(QStringLiteral("F%1").arg(r), 2.0);
            f.Valore(QStringLiteral("G%1").arg(r), 10.5 * k);
            f.Formula(QStringLiteral("H%1").arg(r), QStringLiteral("=F%1*G%1").arg(r));
            QCOMPARE(f.IndiceStile(QStringLiteral("H%1").arg(r)), modelloRiga15);
        }
        QCOMPARE(f.Testo(QStringLiteral("G%1").arg(r + 8)), QStringLiteral("TOTALE [€]"));
        f.Formula(QStringLiteral("H%1").arg(r + 8), QStringLiteral("SUM(H16:H%1)").arg(r + 4));
        QCOMPARE(f.AreaStampa(), QStringLiteral("$A$1:$H$%1").arg(35 + 2 * voci));
        const QString file = Percorso(QStringLiteral("prev-%1.xlsx").arg(voci));
        f.Salva(file);
        QList<QList<QStringList>> fogli;
        CONVERTI_CON_CALC(file, fogli);
        QCOMPARE(NumeroCalc(TControlloCalc::Cella(fogli[0], QStringLiteral("H%1").arg(r + 8))),
                 2 * 10.5 * voci * (voci + 1) / 2);
    }

    // Le etichette compongono il loro testo con i formati delle colonne del modello.
    void etichetteFormatiDelModello()
    {
        TFoglio f;
        f.NuovoDaModello(TDocumenti::Modello(QStringLiteral("tabcirc")));
        f.Valore(QStringLiteral("A2"), 3);
        f.Valore(QStringLiteral("C2"), 1);
        f.Valore(QStringLiteral("B3"), QStringLiteral("85"));
        f.Valore(QStringLiteral("C3"), QStringLiteral("15.0"));
        f.Valore(QStringLiteral("E2"), 4);
        f.Valore(QStringLiteral("G3"), QStringLiteral("7.5"));
        const QString file = Percorso(QStringLiteral("etichette.xlsx"));
        f.Salva(file);
        QList<QList<QStringList>> fogli;
        CONVERTI_CON_CALC(file, fogli);
        const auto& e = fogli[0];
        QCOMPARE(TControlloCalc::Cella(e, QStringLiteral("A2")), QStringLiteral("Locale 3"));
        QCOMPARE(TControlloCalc::Cella(e, QStringLiteral("C2")), QStringLiteral("Circuito 1"));
        QCOMPARE(TControlloCalc::Cella(e, QStringLiteral("B3")), QStringLiteral("L = 85 m"));
        QCOMPARE(TControlloCalc::Cella(e, QStringLiteral("C3")), QStringLiteral("passo 15.0 cm"));
        QCOMPARE(TControlloCalc::Cella(e, QStringLiteral("E2")), QStringLiteral("Locale 4"));
        QCOMPARE(TControlloCalc::Cella(e, QStringLiteral("G3")), QStringLiteral("passo 7.5 cm"));
    }

    // --- Cornice dei documenti -----------------------------------------------------------------

    void documentoMaiSovrascritto()
    {
        QTemporaryDir documenti;
        TDocumenti::ImpostaCartellaDocumenti(documenti.path());
        TProgressoRegistrato p;
        TRichiestaDocumento r {.nome = QStringLiteral("Ottimizz. Circuiti"),
                               .modello = QStringLiteral("Ottimizza"),
                               .massimo = 40,
                               .passo = 3,
                               .progresso = &p};
        int avanzamenti = 0;
        const QString primo = CostruisciDocumento(r, [&](TDocumento& d) {
            d.Foglio().Valore(QStringLiteral("A8"), QStringLiteral("Tubo primo"));
            d.Avanza();
            avanzamenti = d.Posizione();
        });
        QCOMPARE(avanzamenti, 3);
        QCOMPARE(p.titolo, QStringLiteral("Preparazione documento in corso..."));
        QCOMPARE(p.massimo, 40);
        QCOMPARE(p.passi, 40);
        QCOMPARE(p.fine, 1);
        QCOMPARE(primo, documenti.filePath(QStringLiteral("Ottimizz. Circuiti.xlsx")));
        const QString secondo = CostruisciDocumento(
            r, [](TDocumento& d) { d.Foglio().Valore(QStringLiteral("A8"), QStringLiteral("Tubo secondo")); });
        QCOMPARE(secondo, documenti.filePath(QStringLiteral("Ottimizz. Circuiti (2).xlsx")));
        TFoglio f;
        f.Apri(primo);
        QCOMPARE(f.Testo(QStringLiteral("A8")), QStringLiteral("Tubo primo"));
        QCOMPARE(QDir(documenti.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
        QList<QList<QStringList>> fogli;
        CONVERTI_CON_CALC(secondo, fogli);
        QCOMPARE(TControlloCalc::Cella(fogli[0], QStringLiteral("A8")), QStringLiteral("Tubo secondo"));
        TDocumenti::ImpostaCartellaDocumenti({});
    }

    // Ogni fallimento: messaggio chiaro, avanzamento chiuso, nessun file lasciato.
    void documentoFallito_data()
    {
        QTest::addColumn<QString>("modello");
        QTest::addColumn<QString>("indirizzo");
        QTest::addColumn<bool>("cartellaBloccata");
        QTest::addColumn<QString>("causa");
        QTest::newRow("modello mancante") << "nessuno"
                                          << "A1" << false << "Il modello \"%1/Template/nessuno.xltx\" non esiste.";
        QTest::newRow("errore del livello") << "Ottimizza"
                                            << "A0" << false << "Indirizzo di cella non valido: \"A0\".";
        QTest::newRow("cartella impossibile") << "Ottimizza"
                                              << "A1" << true
                                              << "La cartella \"%2\" non si può creare: una parte del percorso non è "
                                                 "una cartella.";
    }
    void documentoFallito()
    {
        QFETCH(QString, modello);
        QFETCH(QString, indirizzo);
        QFETCH(bool, cartellaBloccata);
        QFETCH(QString, causa);
        QTemporaryDir base;
        QString documenti = base.filePath(QStringLiteral("Documenti"));
        if (cartellaBloccata) { // un file dove dovrebbe esserci la cartella
            QFile blocco(base.filePath(QStringLiteral("file")));
            QVERIFY(blocco.open(QIODevice::WriteOnly));
            documenti = base.filePath(QStringLiteral("file/Documenti"));
        }
        TDocumenti::ImpostaCartellaDocumenti(documenti);
        TProgressoRegistrato p;
        const QString file
            = CostruisciDocumento({.nome = QStringLiteral("Etichette"), .modello = modello, .progresso = &p},
                                  [&](TDocumento& d) { d.Foglio().Valore(indirizzo, 1); });
        QVERIFY(file.isEmpty());
        QCOMPARE(p.fine, 1);
        VERIFICA_MESSAGGIO(registro,
                           QStringLiteral("Non è stato possibile creare il documento \"Etichette\".\n\n")
                               + causa.replace(QLatin1String("%1"), QDir::toNativeSeparators(TDocumenti::DirIniziale()))
                                     .replace(QLatin1String("%2"), QDir::toNativeSeparators(documenti)),
                           TIcona::Stop);
        QCOMPARE(QDir(documenti).entryList(QDir::Files | QDir::Hidden).size(), 0);
        TDocumenti::ImpostaCartellaDocumenti({});
    }

    // I controlli C0 (salvo tabulazione e a capo) e U+FFFE/U+FFFF non esistono in XML 1.0: non
    // devono arrivare nel file né come caratteri né come riferimenti "&#1;".
    void testiConControlli_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("SOH") << QStringLiteral("Cucina\x01") << QStringLiteral("Cucina");
        QTest::newRow("controlli in mezzo") << QStringLiteral("a\x02"
                                                              "b\x1f\x0b\x0c c")
                                            << QStringLiteral("ab c");
        QTest::newRow("U+FFFE e U+FFFF") << QString::fromUtf16(u"x\uFFFEy\uFFFF") << QStringLiteral("xy");
        QTest::newRow("tabulazione e a capo restano") << QStringLiteral("a\tb\nc") << QStringLiteral("a\tb\nc");
    }
    void testiConControlli()
    {
        QFETCH(QString, testo);
        QFETCH(QString, atteso);
        TFoglio f;
        f.NuovoVuoto(testo + QStringLiteral(" foglio"));
        f.Valore(QStringLiteral("A1"), testo);
        const QString file = Percorso(QStringLiteral("controlli.xlsx"));
        f.Salva(file);
        QuaZip zip(file);
        QVERIFY(zip.open(QuaZip::mdUnzip));
        for (bool ancora = zip.goToFirstFile(); ancora; ancora = zip.goToNextFile()) {
            QuaZipFile parte(&zip);
            QVERIFY(parte.open(QIODevice::ReadOnly));
            const QByteArray xml = parte.readAll();
            // Riferimenti numerici solo a caratteri che XML 1.0 ammette (pugixml scrive "&#9;").
            for (const auto& m : QRegularExpression("&#(x?)([0-9a-fA-F]+);").globalMatch(QString::fromUtf8(xml))) {
                const uint c = m.captured(2).toUInt(nullptr, m.captured(1).isEmpty() ? 10 : 16);
                QVERIFY2(c == 0x9 || c == 0xA || c == 0xD || c >= 0x20, qPrintable(m.captured()));
            }
            for (char c : xml)
                QVERIFY2(uchar(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r', qPrintable(zip.getCurrentFileName()));
            QVERIFY(!xml.contains("\xEF\xBF\xBE") && !xml.contains("\xEF\xBF\xBF"));
        }
        TFoglio g;
        g.Apri(file);
        QCOMPARE(g.Testo(QStringLiteral("A1")), atteso);
        QCOMPARE(g.NomeFoglio(1), atteso + QStringLiteral(" foglio"));
    }

    // Il disco accetta le scritture e cede allo svuotamento del buffer: la cartella di lavoro
    // che c'era resta identica, il documento nuovo non compare e l'errore arriva all'utente.
    void salvataggioSuDiscoCheCede_data()
    {
        QTest::addColumn<bool>("tmpfs");
        QTest::newRow("file oltre il limite") << false;
        QTest::newRow("tmpfs pieno") << true;
    }
    void salvataggioSuDiscoCheCede()
    {
        QFETCH(bool, tmpfs);
        TDiscoPiccolo disco;
        if (tmpfs && !disco.Montato())
            QSKIP("mount -t tmpfs non è permesso su questa macchina");
        const QString dove = tmpfs ? disco.Percorso({}) : Percorso(QStringLiteral("cede"));
        QVERIFY(QDir().mkpath(dove + QStringLiteral("/Documenti")));
        const QString file = dove + QStringLiteral("/vecchio.xlsx");
        TFoglio f;
        f.NuovoDaModello(ModelloProva());
        f.Salva(file);
        QFile letto(file);
        QVERIFY(letto.open(QIODevice::ReadOnly));
        const QByteArray vecchio = letto.readAll();
        letto.close();
        f.Valore(QStringLiteral("A1"), QString(2000, u'x'));

        std::optional<TLimiteFile> limite;
        if (tmpfs)
            QVERIFY(disco.Riempi());
        else
            limite.emplace(rlim_t(vecchio.size() / 2));
        QVERIFY_THROWS_EXCEPTION(TErroreFoglio, f.Salva(file));
        QVERIFY(letto.open(QIODevice::ReadOnly));
        QCOMPARE(letto.readAll(), vecchio);
        QCOMPARE(QDir(dove).entryList(QDir::Files), QStringList {"vecchio.xlsx"});

        TDocumenti::ImpostaCartellaDocumenti(dove + QStringLiteral("/Documenti"));
        const QString documento
            = CostruisciDocumento({.nome = QStringLiteral("Etichette"), .modello = "Ottimizza"},
                                  [](TDocumento& d) { d.Foglio().Valore("A1", QString(2000, u'x')); });
        TDocumenti::ImpostaCartellaDocumenti({});
        QVERIFY(documento.isEmpty());
        QVERIFY(registro.Prendi().testo.startsWith(QStringLiteral(
            "Non è stato possibile creare il documento \"Etichette\".\n\nImpossibile scrivere il file")));
        QCOMPARE(QDir(dove + QStringLiteral("/Documenti")).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void apertura_data()
    {
        QTest::addColumn<QByteArray>("ambiente");
        QTest::addColumn<bool>("impostazione");
        QTest::addColumn<bool>("riesce");
        QTest::addColumn<int>("aperture");
        QTest::newRow("spenta dall'ambiente") << QByteArray("1") << true << true << 0;
        QTest::newRow("spenta dall'impostazione") << QByteArray("0") << false << true << 0;
        QTest::newRow("aperta") << QByteArray("0") << true << true << 1;
        QTest::newRow("apertura fallita") << QByteArray() << true << false << 1;
    }
    void apertura()
    {
        QFETCH(QByteArray, ambiente);
        QFETCH(bool, impostazione);
        QFETCH(bool, riesce);
        QFETCH(int, aperture);
        QTemporaryDir documenti;
        TDocumenti::ImpostaCartellaDocumenti(documenti.path());
        const QByteArray prima = qgetenv("TVL_NON_APRIRE");
        qputenv("TVL_NON_APRIRE", ambiente);
        TDocumenti::ImpostaApertura(impostazione);
        QStringList aperti;
        TDocumenti::InstallaApertura([&](const QString& f) {
            aperti << f;
            return riesce;
        });
        const QString file = CostruisciDocumento(
            {.nome = QStringLiteral("Prova"), .modello = QStringLiteral("Ottimizza")}, [](TDocumento&) {});
        TDocumenti::InstallaApertura({});
        TDocumenti::ImpostaApertura(true);
        qputenv("TVL_NON_APRIRE", prima);
        TDocumenti::ImpostaCartellaDocumenti({});
        QVERIFY(QFileInfo::exists(file));
        QCOMPARE(aperti.size(), aperture);
        if (aperture)
            QCOMPARE(aperti.first(), file);
        if (!riesce)
            VERIFICA_MESSAGGIO(registro,
                               QStringLiteral("Il documento è stato salvato in \"%1\".\n\nNon è stato possibile "
                                              "aprirlo con l'applicazione predefinita.")
                                   .arg(QDir::toNativeSeparators(file)),
                               TIcona::Esclamazione);
    }

    void destinazioneEPercorsoPredefinito()
    {
        QTemporaryDir d;
        TDocumenti::ImpostaCartellaDocumenti(d.filePath(QStringLiteral("non usata")));
        const QString esplicito = d.filePath(QStringLiteral("sotto/uscita.xlsx"));
        for (int volta = 0; volta < 2; ++volta) // il file esplicito si sostituisce
            QCOMPARE(CostruisciDocumento(
                         {.nome = QStringLiteral("X"), .modello = QStringLiteral("tabcirc"), .destinazione = esplicito},
                         [](TDocumento&) {}),
                     esplicito);
        const QString progetti = d.filePath(QStringLiteral("Progetti"));
        const QString file = CostruisciDocumento({.nome = QStringLiteral("Ottimizz. Circuiti"),
                                                  .modello = QStringLiteral("Ottimizza"),
                                                  .nomeFile = QStringLiteral("Casa: Rossi/2")},
                                                 [&](TDocumento& doc) { doc.Foglio().PercorsoPredefinito(progetti); });
        QCOMPARE(file, progetti + QStringLiteral("/Casa_ Rossi_2.xlsx"));
        QVERIFY(!QFileInfo::exists(d.filePath(QStringLiteral("non usata"))));
        TDocumenti::ImpostaCartellaDocumenti({});
    }
};

QTEST_GUILESS_MAIN(TstFoglio)
#include "tst_foglio.moc"
