// Ottimizzazione delle matasse: la ricerca veloce confrontata con quella esaustiva, i casi noti,
// i raggruppamenti, i controlli con i loro messaggi, le tabelle AuxCircuiti e AuxRotoli.
#include "aiuti/RegistroMessaggi.h"
#include "progetto/Ustato.h"
#include "data/Udatabase.h"
#include "optimise/Ucalcolo.h"
#include "optimise/Uottimizza.h"
#include "optimise/Uscelta.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTest>

#include <algorithm>

namespace {

// Ricerca esaustiva alla lettera: enumera ogni combinazione da 1 a 8 circuiti per ogni matassa.
// Serve solo da riferimento per il risultato del prodotto.
namespace Letterale {

struct Stato
{
    QVector<RigaCircuito> righe;
    int totaleMatasse = 0;
    int totaleUtilizzato = 0;
    int numRecord = 0;
};

void ImpacchettaGruppo(QVector<CircuitoOtt> lista, QVector<MatassaOtt>& matasse, int scartoMin, Stato& st)
{
    std::stable_sort(lista.begin(), lista.end(),
                     [](const CircuitoOtt& a, const CircuitoOtt& b) { return a.LCircuito < b.LCircuito; });
    while (!lista.isEmpty()) {
        const int s = int(lista.size());
        float best = 0.0f;
        QVector<int> scelta;
        int matassa = -1;
        bool trovata = false;
        for (int k = 1; k <= 8 && k <= s && !trovata; ++k) {
            for (int r = 0; r < matasse.size() && !trovata; ++r) {
                const int lung = matasse[r].Lunghezza;
                QVector<int> idx(k);
                for (int i = 0; i < k; ++i)
                    idx[i] = i;
                while (true) {
                    int sum = 0;
                    for (int i : idx)
                        sum += lista[i].LCircuito;
                    if (sum == lung - scartoMin) {
                        scelta = idx;
                        matassa = r;
                        trovata = true;
                        break;
                    }
                    const float fill = float(sum) / float(lung);
                    const int rest = lung - scartoMin - sum;
                    if (rest > 0 && fill < 1.0f && fill > best) {
                        scelta = idx;
                        matassa = r;
                        best = fill;
                    }
                    // combinazione successiva in ordine lessicografico
                    int i = k - 1;
                    while (i >= 0 && idx[i] == s - k + i)
                        --i;
                    if (i < 0)
                        break;
                    ++idx[i];
                    for (int j = i + 1; j < k; ++j)
                        idx[j] = idx[j - 1] + 1;
                }
            }
        }
        if (matassa < 0)
            qFatal("ricerca letterale senza scelta: istanza non ammissibile");
        int sum = 0;
        for (int i : scelta)
            sum += lista[i].LCircuito;
        for (int n = 0; n < scelta.size(); ++n) {
            const CircuitoOtt& c = lista[scelta[n]];
            RigaCircuito r;
            r.ID = st.numRecord++;
            if (n == 0) {
                r.L_Rotolo = matasse[matassa].Lunghezza;
                r.Scarto = matasse[matassa].Lunghezza - sum;
            }
            r.L_Circuito = c.LCircuito;
            r.Descr_Circuito = c.Descr;
            r.Coll = c.Coll;
            r.Piano = c.Piano;
            st.righe << r;
        }
        st.totaleMatasse += matasse[matassa].Lunghezza;
        st.totaleUtilizzato += sum;
        matasse[matassa].Usate++;
        for (int n = int(scelta.size()) - 1; n >= 0; --n)
            lista.removeAt(scelta[n]);
    }
}

struct Risultato
{
    Stato st;
    QVector<MatassaOtt> matasse;
    QStringList statistica;
};

Risultato Ottimizza(const QVector<CircuitoOtt>& circuiti, const QVector<int>& lunghezze, int scartoMin, bool perPiano)
{
    Risultato ris;
    for (int l : lunghezze)
        ris.matasse << MatassaOtt {l, 0};
    if (!perPiano) {
        ImpacchettaGruppo(circuiti, ris.matasse, scartoMin, ris.st);
    } else {
        QVector<bool> fatto(circuiti.size(), false);
        bool primo = true;
        QString pianoPrec;
        for (int i = 0; i < circuiti.size(); ++i) {
            if (fatto[i] || (!primo && circuiti[i].Piano == pianoPrec))
                continue;
            QVector<CircuitoOtt> gruppo;
            for (int j = 0; j < circuiti.size(); ++j) {
                if (circuiti[j].Piano == circuiti[i].Piano) {
                    gruppo << circuiti[j];
                    fatto[j] = true;
                }
            }
            ImpacchettaGruppo(gruppo, ris.matasse, scartoMin, ris.st);
            primo = false;
            pianoPrec = circuiti[i].Piano;
        }
    }
    const int avanzo = ris.st.totaleMatasse - ris.st.totaleUtilizzato;
    ris.statistica = QStringList {QString::number(ris.st.totaleMatasse), QString::number(ris.st.totaleUtilizzato),
                                  QString::number(avanzo),
                                  QString::asprintf("%.2f", double(avanzo) / ris.st.totaleMatasse * 100.0)};
    return ris;
}

QVector<RigaRotolo> Rotoli(const QVector<ArticoloRotolo>& articoli, const QVector<MatassaOtt>& matasse)
{
    QVector<RigaRotolo> righe;
    for (int i = 0; i < articoli.size(); ++i) {
        RigaRotolo r {i, articoli[i].Codice, articoli[i].Conf, 0, false};
        for (const auto& m : matasse) {
            if (m.Lunghezza == r.Rotolo) {
                r.Quanti = m.Usate;
                r.Incluso = true;
            }
        }
        righe << r;
    }
    return righe;
}
} // namespace Letterale

QString testo(const RigaCircuito& r)
{
    return QStringLiteral("%1|%2|%3|%4|%5|%6|%7")
        .arg(r.ID)
        .arg(r.L_Rotolo ? QString::number(*r.L_Rotolo) : QString())
        .arg(r.Scarto ? QString::number(*r.Scarto) : QString())
        .arg(r.L_Circuito)
        .arg(r.Descr_Circuito, r.Coll, r.Piano);
}

QStringList testi(const QVector<RigaCircuito>& righe)
{
    QStringList l;
    for (const auto& r : righe)
        l << testo(r);
    return l;
}

// Righe in forma breve "rotolo/scarto/lunghezza descrizione" per i casi scritti a mano.
QStringList brevi(const QVector<RigaCircuito>& righe)
{
    QStringList l;
    for (const auto& r : righe)
        l << QStringLiteral("%1/%2/%3 %4")
                 .arg(r.L_Rotolo ? QString::number(*r.L_Rotolo) : QString())
                 .arg(r.Scarto ? QString::number(*r.Scarto) : QString())
                 .arg(r.L_Circuito)
                 .arg(r.Descr_Circuito);
    return l;
}

// Circuiti c1, c2, … con le lunghezze date; piani e collettori facoltativi.
QVector<CircuitoOtt> circuiti(const QVector<int>& lunghezze, const QStringList& piani = {})
{
    QVector<CircuitoOtt> v;
    for (int i = 0; i < lunghezze.size(); ++i) {
        const QString piano = piani.isEmpty() ? QStringLiteral("PT") : piani[i];
        v << CircuitoOtt {QStringLiteral("c%1").arg(i + 1), lunghezze[i], QStringLiteral("Coll ") + piano, piano};
    }
    return v;
}

class TProgressoRegistrato : public TProgresso
{
public:
    void Inizia(const QString&, int massimo) override { this->massimo = massimo; }
    void Passo() override { ++passi; }
    void Respira() override { ++respiri; }
    void Fine() override { ++fini; }
    int massimo = -1;
    int passi = 0;
    int respiri = 0;
    int fini = 0;
};

struct Istanza
{
    QVector<CircuitoOtt> circuiti;
    QVector<int> matasse;
    int scarto = 0;
    bool perPiano = false;
};

// Istanze casuali di quattro famiglie: lunghezze libere; molti circuiti corti (dove conta il limite
// di 8); matasse multiple fra loro e lunghezze a passi di 5 (riempimenti esatti e pari); poche
// lunghezze ripetute (ordinamento stabile e prima combinazione).
Istanza casuale(QRandomGenerator& g, int famiglia, int maxCircuiti)
{
    Istanza ist;
    ist.scarto = g.bounded(21);
    ist.perPiano = g.bounded(2) == 1;
    const int nMatasse = 1 + g.bounded(3);
    for (int i = 0; i < nMatasse; ++i) {
        switch (famiglia) {
        case 1:
            ist.matasse << 40 + g.bounded(81);
            break;
        case 2: {
            static const int scelte[] = {50, 100, 200, 60, 120, 240};
            ist.matasse << scelte[g.bounded(6)];
            break;
        }
        default:
            ist.matasse << 30 + g.bounded(221);
        }
    }
    const int massima = *std::max_element(ist.matasse.begin(), ist.matasse.end());
    ist.scarto = std::min(ist.scarto, massima - 1);
    const int utile = massima - ist.scarto;
    const int n = 1 + g.bounded(maxCircuiti);
    static const QStringList piani = {QStringLiteral("PT"), QStringLiteral("P1"), QStringLiteral("P2")};
    const int nPiani = 1 + g.bounded(3);
    const int ripetute[] = {1 + g.bounded(utile), 1 + g.bounded(utile), 1 + g.bounded(utile)};
    for (int i = 0; i < n; ++i) {
        int l = 0;
        switch (famiglia) {
        case 1:
            l = 1 + g.bounded(std::min(12, utile));
            break;
        case 2:
            l = std::min(utile, 5 * (1 + g.bounded(std::max(1, utile / 5))));
            break;
        case 3:
            l = ripetute[g.bounded(3)];
            break;
        default:
            l = 1 + g.bounded(utile);
        }
        const QString piano = piani[g.bounded(nPiani)];
        ist.circuiti << CircuitoOtt {QStringLiteral("c%1").arg(i + 1), l, QStringLiteral("K%1").arg(g.bounded(4)),
                                     piano};
    }
    return ist;
}

// Un progetto con due collettori: Soggiorno (PT, due circuiti e uno marginale), Bagno (PT),
// Camera (P1). Le lunghezze dei circuiti vengono dai risultati dei locali secondo la zona.
void preparaProgetto(TStatoProgetto& stato, int modo = 1)
{
    auto locale = [](const char* descr, const char* piano, int nAs, float lAs, int nAm, float lAm) {
        TLocaleCalc l;
        l.Descrizione = QString::fromUtf8(descr);
        l.Piano = QString::fromUtf8(piano);
        l.NAs = nAs, l.LAs = lAs, l.NAm = nAm, l.LAm = lAm;
        return l;
    };
    stato.RisultatiLocali = {locale("Soggiorno", "PT", 2, 75.2f, 1, 30.5f), locale("Camera", "P1", 1, 60, 0, 0),
                             locale("Bagno", "PT", 1, 40, 0, 0)};
    stato.NumLocali = 3;
    stato.ModoTMandata = modo;
    TAssegnazione& a = stato.Assegnazione;
    a.Svuota();
    a.AggiungiCollettoreNodo(TestoNodoCollettore(QStringLiteral("Coll PT")));
    a.AggiungiCircuitoNodo(EtichettaCircuito(NomeCircuito(QStringLiteral("Soggiorno"), 1, false), u's', 1));
    a.AggiungiCircuitoNodo(EtichettaCircuito(NomeCircuito(QStringLiteral("Soggiorno"), 2, false), u's', 1));
    if (modo == 1)
        a.AggiungiCircuitoNodo(EtichettaCircuito(NomeCircuito(QStringLiteral("Soggiorno"), 3, true), u'm', 1));
    a.AggiungiCircuitoNodo(EtichettaCircuito(NomeCircuito(QStringLiteral("Bagno"), 1, false), u's', 3));
    a.AggiungiCollettoreNodo(TestoNodoCollettore(QStringLiteral("Coll P1")));
    a.AggiungiCircuitoNodo(EtichettaCircuito(NomeCircuito(QStringLiteral("Camera"), 1, false), u's', 2));
}

const QVector<ArticoloRotolo> articoli
    = {{100, QStringLiteral("T100")}, {200, QStringLiteral("T200")}, {240, QStringLiteral("T240")}};

} // namespace

class TstOttimizza : public QObject
{
    Q_OBJECT

    TRegistroMessaggi registro;

    // Il prodotto e la ricerca esaustiva danno le stesse righe, lo stesso uso delle matasse, gli
    // stessi totali e la stessa statistica.
    void confronta(const Istanza& ist, const QString& nome)
    {
        const auto atteso = Letterale::Ottimizza(ist.circuiti, ist.matasse, ist.scarto, ist.perPiano);
        TProgressoRegistrato progresso;
        const auto ris = OttimizzaMatasse(ist.circuiti, ist.matasse, ist.scarto,
                                          ist.perPiano ? TOpzioneOtt::PerPiano : TOpzioneOtt::Totale, progresso);
        QVERIFY2(ris.Eseguita, qPrintable(nome));
        QVERIFY2(testi(ris.Circuiti) == testi(atteso.st.righe),
                 qPrintable(nome + QStringLiteral("\nprodotto: ") + testi(ris.Circuiti).join(QLatin1String("; "))
                            + QStringLiteral("\natteso:   ") + testi(atteso.st.righe).join(QLatin1String("; "))));
        for (int i = 0; i < ris.Matasse.size(); ++i)
            QVERIFY2(ris.Matasse[i].Usate == atteso.matasse[i].Usate, qPrintable(nome));
        QCOMPARE(ris.TotaleMatasse, atteso.st.totaleMatasse);
        QCOMPARE(ris.TotaleUtilizzato, atteso.st.totaleUtilizzato);
        QCOMPARE(ris.Statistica, atteso.statistica);
        QCOMPARE(progresso.massimo, int(ist.circuiti.size()));
        QCOMPARE(progresso.passi, int(ist.circuiti.size()));
        QCOMPARE(progresso.respiri,
                 int(std::count_if(ris.Circuiti.begin(), ris.Circuiti.end(),
                                   [](const RigaCircuito& r) { return r.L_Rotolo.has_value(); })));

        // Riepilogo delle matasse, con lunghezze distinte: articoli di ogni lunghezza offerta più
        // uno non offerto.
        QVector<int> distinte = ist.matasse;
        std::sort(distinte.begin(), distinte.end());
        if (std::adjacent_find(distinte.begin(), distinte.end()) == distinte.end()) {
            QVector<ArticoloRotolo> articoli;
            for (int l : distinte)
                articoli << ArticoloRotolo {l, QStringLiteral("T%1").arg(l)};
            articoli << ArticoloRotolo {distinte.last() + 1, QStringLiteral("X")};
            QCOMPARE(RigheRotoli(articoli, ris.Matasse), Letterale::Rotoli(articoli, atteso.matasse));
        }
    }

    static QStringList brevi(std::initializer_list<const char*> l)
    {
        QStringList r;
        for (const char* s : l)
            r << QString::fromUtf8(s);
        return r;
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { QVERIFY(registro.Controlla()); }

    void ugualeAllaRicercaEsaustiva_data()
    {
        QTest::addColumn<int>("famiglia");
        QTest::addColumn<int>("maxCircuiti");
        QTest::addColumn<int>("istanze");
        QTest::newRow("lunghezze libere") << 0 << 14 << 2500;
        QTest::newRow("circuiti corti, limite di 8") << 1 << 14 << 2500;
        QTest::newRow("matasse multiple, passi di 5") << 2 << 14 << 2500;
        QTest::newRow("lunghezze ripetute") << 3 << 14 << 2500;
        QTest::newRow("venti circuiti") << 0 << 20 << 40;
        QTest::newRow("venti circuiti corti") << 1 << 20 << 40;
    }

    void ugualeAllaRicercaEsaustiva()
    {
        QFETCH(int, famiglia);
        QFETCH(int, maxCircuiti);
        QFETCH(int, istanze);
        QRandomGenerator g(20240601u + quint32(famiglia * 1000 + maxCircuiti));
        for (int i = 0; i < istanze; ++i) {
            const Istanza ist = casuale(g, famiglia, maxCircuiti);
            QStringList l;
            for (const auto& c : ist.circuiti)
                l << QStringLiteral("%1:%2").arg(c.LCircuito).arg(c.Piano);
            const QString nome = QStringLiteral("istanza %1: matasse %2, scarto %3, %4, circuiti %5")
                                     .arg(i)
                                     .arg([&] {
                                         QStringList m;
                                         for (int x : ist.matasse)
                                             m << QString::number(x);
                                         return m.join(QLatin1Char(','));
                                     }())
                                     .arg(ist.scarto)
                                     .arg(ist.perPiano ? QStringLiteral("per piano") : QStringLiteral("totale"))
                                     .arg(l.join(QLatin1Char(' ')));
            confronta(ist, nome);
            if (QTest::currentTestFailed())
                return;
        }
    }

    void casiNoti_data()
    {
        QTest::addColumn<QVector<int>>("lunghezze");
        QTest::addColumn<QVector<int>>("matasse");
        QTest::addColumn<int>("scarto");
        QTest::addColumn<QStringList>("righe");
        QTest::addColumn<QStringList>("statistica");

        // 40 + 60 riempiono la matassa da 100 alla perfezione; 50 va su una seconda.
        QTest::newRow("60+40 su 100") << QVector<int> {60, 40, 50} << QVector<int> {100} << 0
                                      << brevi({"100/0/40 c2", "//60 c1", "100/50/50 c3"})
                                      << brevi({"200", "150", "50", "25.00"});
        // 95 riempie 100 − 5 già con k = 1; 90 sta meglio su 100 (0,9) che su 200 (0,45).
        QTest::newRow("95 poi 90, matasse 100/200")
            << QVector<int> {95, 90} << QVector<int> {100, 200} << 5 << brevi({"100/5/95 c1", "100/10/90 c2"})
            << brevi({"200", "185", "15", "7.50"});
        // 180/200 e 90/100 riempiono entrambe 0,9 con k = 1: vince la matassa prima nell'elenco.
        QTest::newRow("riempimento pari, 200 prima")
            << QVector<int> {90, 180} << QVector<int> {200, 100} << 0 << brevi({"200/20/180 c2", "100/10/90 c1"})
            << brevi({"300", "270", "30", "10.00"});
        QTest::newRow("riempimento pari, 100 prima")
            << QVector<int> {90, 180} << QVector<int> {100, 200} << 0 << brevi({"100/10/90 c1", "200/20/180 c2"})
            << brevi({"300", "270", "30", "10.00"});
        // Nove da 10 riempirebbero 100 − 10, ma una matassa ne prende al più otto.
        QTest::newRow("nove da 10") << QVector<int>(9, 10) << QVector<int> {100} << 10
                                    << brevi({"100/20/10 c1", "//10 c2", "//10 c3", "//10 c4", "//10 c5", "//10 c6",
                                              "//10 c7", "//10 c8", "100/90/10 c9"})
                                    << brevi({"200", "90", "110", "55.00"});
        // Otto circuiti che sommano esattamente 80 − 10: nessun sottoinsieme più piccolo arriva a 70.
        QTest::newRow("otto esatti") << QVector<int> {14, 5, 11, 6, 10, 7, 9, 8} << QVector<int> {80} << 10
                                     << brevi({"80/10/5 c2", "//6 c4", "//7 c6", "//8 c8", "//9 c7", "//10 c5",
                                               "//11 c3", "//14 c1"})
                                     << brevi({"80", "70", "10", "12.50"});
        // A parità di lunghezza resta l'ordine dell'albero: c2 prima di c4, c1 prima di c3.
        QTest::newRow("lunghezze uguali")
            << QVector<int> {30, 20, 30, 20} << QVector<int> {60} << 0
            << brevi({"60/0/30 c1", "//30 c3", "60/20/20 c2", "//20 c4"}) << brevi({"120", "100", "20", "16.67"});
    }

    void casiNoti()
    {
        QFETCH(QVector<int>, lunghezze);
        QFETCH(QVector<int>, matasse);
        QFETCH(int, scarto);
        QFETCH(QStringList, righe);
        QFETCH(QStringList, statistica);
        const auto ris = OttimizzaMatasse(circuiti(lunghezze), matasse, scarto, TOpzioneOtt::Totale);
        QVERIFY(ris.Eseguita);
        QCOMPARE(::brevi(ris.Circuiti), righe);
        QCOMPARE(ris.Statistica, statistica);
        for (int i = 0; i < ris.Circuiti.size(); ++i)
            QCOMPARE(ris.Circuiti[i].ID, i);
    }

    void perPianoNonMescolaIPiani()
    {
        // Piani alternati nell'albero: ogni piano forma un gruppo, nell'ordine in cui compare, e i
        // totali e i numeri di record proseguono da un gruppo all'altro.
        const auto lista = circuiti({50, 50, 40, 60, 30},
                                    {QStringLiteral("P1"), QStringLiteral("PT"), QStringLiteral("P1"),
                                     QStringLiteral("PT"), QStringLiteral("P2")});
        const auto totale = OttimizzaMatasse(lista, {100}, 0, TOpzioneOtt::Totale);
        QCOMPARE(::brevi(totale.Circuiti), brevi({"100/0/40 c3", "//60 c4", "100/0/50 c1", "//50 c2", "100/70/30 c5"}));

        const auto ris = OttimizzaMatasse(lista, {100}, 0, TOpzioneOtt::PerPiano);
        QCOMPARE(::brevi(ris.Circuiti),
                 brevi({"100/10/40 c3", "//50 c1", "100/40/60 c4", "100/50/50 c2", "100/70/30 c5"}));
        QString piano;
        for (const auto& r : ris.Circuiti) {
            if (r.L_Rotolo)
                piano = r.Piano;
            QCOMPARE(r.Piano, piano);
        }
        QCOMPARE(ris.Circuiti.last().ID, 4);
        QCOMPARE(ris.Statistica, brevi({"400", "230", "170", "42.50"}));
        QCOMPARE(GruppiOttimizzazione(lista, TOpzioneOtt::PerPiano), (QVector<QVector<int>> {{0, 2}, {1, 3}, {4}}));
        QCOMPARE(GruppiOttimizzazione(lista, TOpzioneOtt::Totale), (QVector<QVector<int>> {{0, 1, 2, 3, 4}}));
    }

    void statisticaNelleImpostazioniLocali()
    {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        const QStringList t = TestiStatistica(12000, 10500);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(t, brevi({"12000", "10500", "1500", "12,50"}));
        // Senza circuiti non si divide per zero.
        QCOMPARE(TestiStatistica(0, 0), brevi({"0", "0", "0", "0.00"}));
        const auto vuota = OttimizzaMatasse({}, {100}, 5, TOpzioneOtt::PerPiano);
        QVERIFY(vuota.Eseguita);
        QVERIFY(vuota.Circuiti.isEmpty());
    }

    void circuitiDiLunghezzaNulla()
    {
        // La ricerca non sceglierebbe mai un circuito di 0 m: l'elenco viene rifiutato in partenza,
        // dal controllo con il suo messaggio e dal nucleo senza tagliare nulla.
        const auto lista = circuiti({40, 0, 30});
        QVERIFY(!ControllaCircuitiNulli(lista));
        VERIFICA_MESSAGGIO(registro, MessaggiOtt::CircuitiNulli(), TIcona::Esclamazione);
        QCOMPARE(MessaggiOtt::CircuitiNulli(),
                 QStringLiteral("Non è possibile fare l'ottimizzazione dei circuiti.\n\n"
                                "Alcuni circuiti hanno lunghezza nulla."));
        QVERIFY(ControllaCircuitiNulli(circuiti({40, 1})));

        TProgressoRegistrato progresso;
        const auto ris = OttimizzaMatasse(lista, {100}, 0, TOpzioneOtt::Totale, progresso);
        QVERIFY(!ris.Eseguita);
        QVERIFY(ris.Circuiti.isEmpty());
        QCOMPARE(progresso.passi, 0);
        QCOMPARE(progresso.fini, 1);

        // Anche chiamato da solo il taglio di un gruppo finisce: taglia quel che può e lo dice.
        QVector<MatassaOtt> matasse = TipiMatassa({100});
        TRisultatoOtt parziale;
        QVERIFY(!ImpacchettaGruppo(circuiti({0, 0, 70}), matasse, 0, parziale, TProgresso::nullo()));
        QCOMPARE(::brevi(parziale.Circuiti), brevi({"100/30/70 c3"}));
    }

    void circuitiTroppoLunghiPerIlNucleo()
    {
        // Un circuito oltre la matassa più lunga meno lo scarto farebbe girare la ricerca a vuoto.
        QVERIFY(!OttimizzaMatasse(circuiti({40, 96}), {100, 50}, 5, TOpzioneOtt::Totale).Eseguita);
        QVERIFY(OttimizzaMatasse(circuiti({40, 95}), {100, 50}, 5, TOpzioneOtt::Totale).Eseguita);
        QVERIFY(!OttimizzaMatasse(circuiti({40}), {}, 0, TOpzioneOtt::Totale).Eseguita);
    }

    void controlli_data()
    {
        QTest::addColumn<QVector<double>>("lunghezze");
        QTest::addColumn<QVector<int>>("matasse");
        QTest::addColumn<int>("scarto");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("tutto entra") << QVector<double> {76.4, 95.0, 0.0} << QVector<int> {50, 100} << 5 << QString();
        QTest::newRow("più lungo della matassa")
            << QVector<double> {80, 100.2} << QVector<int> {100, 50} << 0 << MessaggiOtt::CircuitiTroppoLunghi();
        QTest::newRow("scarto troppo grande")
            << QVector<double> {80, 95.2} << QVector<int> {100} << 5 << MessaggiOtt::ScartoTroppoGrande();
        // Il primo controllo passa tutte le lunghezze prima che il secondo cominci.
        QTest::newRow("prima la lunghezza")
            << QVector<double> {96, 120} << QVector<int> {100} << 5 << MessaggiOtt::CircuitiTroppoLunghi();
        QTest::newRow("giusto al limite") << QVector<double> {100} << QVector<int> {100} << 0 << QString();
    }

    void controlli()
    {
        QFETCH(QVector<double>, lunghezze);
        QFETCH(QVector<int>, matasse);
        QFETCH(int, scarto);
        QFETCH(QString, messaggio);
        QCOMPARE(ControllaLunghezzeLocali(lunghezze, matasse, scarto), messaggio.isEmpty());
        if (!messaggio.isEmpty())
            VERIFICA_MESSAGGIO(registro, messaggio, TIcona::Esclamazione);
    }

    void testiDeiMessaggi()
    {
        QCOMPARE(MessaggiOtt::TroppiCircuiti(),
                 QStringLiteral("Non è possibile fare l'ottimizzazione dei circuiti con più di 200 anelli."));
        QCOMPARE(MessaggiOtt::CircuitiTroppoLunghi(),
                 QStringLiteral("Non è possibile fare l'ottimizzazione dei circuiti.\n\nAlcuni circuiti sono più "
                                "lunghi della matassa disponibile."));
        QCOMPARE(MessaggiOtt::ScartoTroppoGrande(),
                 QStringLiteral("Non è possibile fare l'ottimizzazione dei circuiti.\n\nOccorre rivedere lo scarto "
                                "minimo scelto per le matasse."));
        QVERIFY(ControllaNumeroCircuiti(200));
        QVERIFY(!ControllaNumeroCircuiti(201));
        VERIFICA_MESSAGGIO(registro, MessaggiOtt::TroppiCircuiti(), TIcona::Esclamazione);
    }

    void lunghezzaArrotondataPerEccesso_data()
    {
        QTest::addColumn<double>("metri");
        QTest::addColumn<int>("intera");
        QTest::newRow("intera") << 76.0 << 76;
        QTest::newRow("appena sopra") << 76.01 << 77;
        QTest::newRow("mezzo") << 94.5 << 95;
    }

    void lunghezzaArrotondataPerEccesso()
    {
        QFETCH(double, metri);
        QFETCH(int, intera);
        QCOMPARE(LunghezzaCircuito(metri), intera);
    }

    void riepilogoMatasse()
    {
        const QVector<ArticoloRotolo> articoli
            = {{100, QStringLiteral("T100")}, {200, QStringLiteral("T200")}, {240, QStringLiteral("T240")}};
        QVector<MatassaOtt> matasse = {{240, 0}, {100, 2}};
        QCOMPARE(RigheRotoli(articoli, matasse),
                 (QVector<RigaRotolo> {{0, QStringLiteral("T100"), 100, 2, true},
                                       {1, QStringLiteral("T200"), 200, 0, false},
                                       {2, QStringLiteral("T240"), 240, 0, true}}));
        // Due articoli della stessa lunghezza, entrambi offerti: le matasse usate si contano una volta.
        const QVector<ArticoloRotolo> doppi = {{100, QStringLiteral("A")}, {100, QStringLiteral("B")}};
        QCOMPARE(
            RigheRotoli(doppi, {{100, 3}, {100, 0}}),
            (QVector<RigaRotolo> {{0, QStringLiteral("A"), 100, 3, true}, {1, QStringLiteral("B"), 100, 0, true}}));
    }

    void tabelleDiLavoro()
    {
        TDati dati;
        QVERIFY2(dati.Connetti(), qPrintable(dati.UltimoErrore()));
        QVERIFY(dati.AuxCircuiti->Open());
        QVERIFY(dati.AuxRotoli->Open());

        const auto ris = OttimizzaMatasse(
            circuiti({60, 40, 50}, {QStringLiteral("PT"), QStringLiteral("PT"), QStringLiteral("P1")}), {100}, 0,
            TOpzioneOtt::Totale);
        QVERIFY(ScriviAuxCircuiti(dati, OttimizzaMatasse(circuiti({10, 20}), {100}, 0, TOpzioneOtt::Totale).Circuiti));
        // Una seconda scrittura sostituisce la prima.
        QVERIFY(ScriviAuxCircuiti(dati, ris.Circuiti));
        QCOMPARE(dati.AuxCircuiti->RecordCount(), 3);
        QCOMPARE(LeggiAuxCircuiti(dati), ris.Circuiti);
        dati.AuxCircuiti->VaiA(1);
        QVERIFY(dati.AuxCircuiti->FieldByName(QStringLiteral("L_Rotolo")).IsNull());
        QVERIFY(dati.AuxCircuiti->FieldByName(QStringLiteral("Scarto")).IsNull());

        // Gli articoli del tubo, legati per riferimento (anche con un apice) e ordinati per lunghezza.
        QSqlQuery q(dati.Database());
        QVERIFY(q.exec(QStringLiteral("CREATE TABLE main.TUBO (RIF VARCHAR(50), CODICE VARCHAR(50), CONF INTEGER)")));
        QVERIFY(q.exec(QStringLiteral("INSERT INTO main.TUBO VALUES ('PEX''16', 'T240', 240), ('PEX''16', 'T100', "
                                      "100), ('PEX25', 'Z120', 120), ('PEX''16', 'T200', 200)")));
        QVector<ArticoloRotolo> articoli;
        QVERIFY(LeggiArticoliRotolo(dati, QStringLiteral("PEX'16"), articoli));
        QCOMPARE(articoli.size(), 3);
        QCOMPARE(articoli[0].Codice, QStringLiteral("T100"));
        QCOMPARE(articoli[2].Conf, 240);

        const auto righe = RigheRotoli(articoli, ris.Matasse);
        QVERIFY(ScriviAuxRotoli(dati, righe));
        QVERIFY(ScriviAuxRotoli(dati, righe));
        QCOMPARE(LeggiAuxRotoli(dati), righe);
        QCOMPARE(righe[0].Quanti, 2);
    }

    void ottimizzazioneDelProgetto()
    {
        TDati dati;
        QVERIFY(dati.Connetti());
        TStatoProgetto stato(dati);
        preparaProgetto(stato);
        QVERIFY(ControllaAssegnazioneOtt(stato.Assegnazione));

        const auto lista = CircuitiOttimizzazione(stato.Assegnazione);
        QCOMPARE(lista.size(), 5);
        QCOMPARE(lista[0].Descr, QStringLiteral(" Soggiorno - 1").leftJustified(40));
        QCOMPARE(lista[2].Descr, QStringLiteral(" Soggiorno - 3 Am").leftJustified(40));
        QCOMPARE(lista[2].LCircuito, 31);
        QCOMPARE(lista[0].LCircuito, 76);
        QCOMPARE(lista[3].Piano, QStringLiteral("PT"));
        QCOMPARE(lista[4].Coll, QStringLiteral("Coll P1"));
        QCOMPARE(lista[4].Piano, QStringLiteral("P1"));

        // Alla prima apertura sono offerte tutte le lunghezze del tubo.
        TImpostazioniOtt imp = ImpostazioniIniziali(stato, dati, articoli);
        QCOMPARE(imp.Matasse, (QVector<int> {100, 200, 240}));
        QCOMPARE(imp.ScartoMin, 0);
        imp.Matasse = {100, 240};
        imp.ScartoMin = 5;
        imp.Opzione = TOpzioneOtt::PerPiano;
        TProgressoRegistrato progresso;
        const TCalcoloOtt c = OttimizzaMatasse(stato, dati, imp, articoli, progresso);
        QCOMPARE(int(c.Esito), int(TEsitoOtt::Eseguita));
        QCOMPARE(progresso.passi, 5);
        QCOMPARE(LeggiAuxCircuiti(dati), c.Risultato.Circuiti);
        QCOMPARE(LeggiAuxRotoli(dati), RigheRotoli(articoli, c.Risultato.Matasse));
        QVERIFY(stato.OttimizzazioneEseguita);
        QCOMPARE(stato.StatOttimizzazione, c.Risultato.Statistica);
        QCOMPARE(stato.OpzioneOttimizzazione, 1);
        QCOMPARE(stato.ScartoMinMatassa, 5);
        // PT: i quattro circuiti riempiono 223 m della matassa da 240 (0,93); P1: 60 m su 100.
        QStringList righe;
        for (const QString& r : ::brevi(c.Risultato.Circuiti))
            righe << r.trimmed();
        QCOMPARE(righe,
                 brevi({"240/17/31  Soggiorno - 3 Am", "//40  Bagno - 1", "//76  Soggiorno - 1", "//76  Soggiorno - 2",
                        "100/40/60  Camera - 1"}));
        QCOMPARE(c.Risultato.Statistica, brevi({"340", "283", "57", "16.76"}));

        // Riaprendo la finestra tornano le scelte fatte.
        const TImpostazioniOtt di_nuovo = ImpostazioniIniziali(stato, dati, articoli);
        QCOMPARE(di_nuovo.Matasse, imp.Matasse);
        QCOMPARE(di_nuovo.ScartoMin, 5);
        QCOMPARE(int(di_nuovo.Opzione), int(TOpzioneOtt::PerPiano));

        // Nessuna matassa spuntata: nessun messaggio, tabella vuota, ottimizzazione da rifare.
        QCOMPARE(int(OttimizzaMatasse(stato, dati, TImpostazioniOtt {}, articoli).Esito),
                 int(TEsitoOtt::NessunaMatassa));
        QVERIFY(!stato.OttimizzazioneEseguita);
        QVERIFY(LeggiAuxCircuiti(dati).isEmpty());
    }

    void controlliDelProgetto_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<float>("lAm");
        QTest::addColumn<float>("lAsBagno");
        QTest::addColumn<int>("extra");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("tutto entra") << 1 << 30.5f << 40.0f << 0 << QString();
        QTest::newRow("marginale troppo lungo") << 1 << 130.0f << 40.0f << 0 << MessaggiOtt::CircuitiTroppoLunghi();
        QTest::newRow("marginale ignorato senza area marginale") << 2 << 130.0f << 40.0f << 0 << QString();
        QTest::newRow("scarto") << 1 << 30.5f << 97.0f << 0 << MessaggiOtt::ScartoTroppoGrande();
        QTest::newRow("circuito nullo") << 1 << 30.5f << 0.0f << 0 << MessaggiOtt::CircuitiNulli();
        QTest::newRow("201 circuiti") << 1 << 30.5f << 40.0f << 196 << MessaggiOtt::TroppiCircuiti();
        QTest::newRow("200 circuiti") << 1 << 30.5f << 40.0f << 195 << QString();
    }

    void controlliDelProgetto()
    {
        QFETCH(int, modo);
        QFETCH(float, lAm);
        QFETCH(float, lAsBagno);
        QFETCH(int, extra);
        QFETCH(QString, messaggio);
        TDati dati;
        QVERIFY(dati.Connetti());
        TStatoProgetto stato(dati);
        preparaProgetto(stato, modo);
        stato.RisultatiLocali[0].LAm = lAm;
        stato.RisultatiLocali[2].LAs = lAsBagno;
        for (int i = 0; i < extra; ++i)
            stato.Assegnazione.AggiungiCircuitoNodo(
                EtichettaCircuito(NomeCircuito(QStringLiteral("Camera"), 1, false), u's', 2));
        // Un risultato precedente viene sempre tolto, anche quando un controllo ferma il calcolo.
        QVERIFY(ScriviAuxCircuiti(dati, OttimizzaMatasse(circuiti({10}), {100}, 0, TOpzioneOtt::Totale).Circuiti));
        stato.OttimizzazioneEseguita = true;

        const TCalcoloOtt c = OttimizzaMatasse(stato, dati, {{100}, 5, TOpzioneOtt::Totale}, articoli);
        QCOMPARE(int(c.Esito), int(messaggio.isEmpty() ? TEsitoOtt::Eseguita : TEsitoOtt::Bloccata));
        QCOMPARE(stato.OttimizzazioneEseguita, messaggio.isEmpty());
        if (!messaggio.isEmpty()) {
            VERIFICA_MESSAGGIO(registro, messaggio, TIcona::Esclamazione);
            QVERIFY(LeggiAuxCircuiti(dati).isEmpty());
        }
    }

    void alberoNonAllineatoAiRisultati()
    {
        // Un circuito marginale rimasto nell'albero senza il modo marginale non è coperto dai
        // controlli sui locali: lo ferma lo stesso controllo sulle lunghezze dei circuiti.
        TDati dati;
        QVERIFY(dati.Connetti());
        TStatoProgetto stato(dati);
        preparaProgetto(stato, 1);
        stato.ModoTMandata = 2;
        stato.RisultatiLocali[0].LAm = 98;
        QCOMPARE(int(OttimizzaMatasse(stato, dati, {{100}, 5, TOpzioneOtt::Totale}, articoli).Esito),
                 int(TEsitoOtt::Bloccata));
        VERIFICA_MESSAGGIO(registro, MessaggiOtt::ScartoTroppoGrande(), TIcona::Esclamazione);
    }

    void aperturaDellaFinestra()
    {
        TDati dati;
        QVERIFY(dati.Connetti());
        TStatoProgetto stato(dati);
        QVERIFY(!ControllaAssegnazioneOtt(stato.Assegnazione));
        VERIFICA_MESSAGGIO(registro, QStringLiteral("Non è stato assegnato alcun circuito!"), TIcona::Esclamazione);
        preparaProgetto(stato);
        stato.Assegnazione.AggiungiALista(EtichettaCircuito(QStringLiteral("Studio - 1"), u's', 1));
        QVERIFY(!ControllaAssegnazioneOtt(stato.Assegnazione));
        VERIFICA_MESSAGGIO(registro,
                           QStringLiteral("Non sono stati assegnati tutti gli anelli.\n\nCompletare l'assegnamento "
                                          "prima di procedere alla scelta dei collettori."),
                           TIcona::Esclamazione);
        preparaProgetto(stato);
        stato.Assegnazione.AggiungiCollettoreNodo(TestoNodoCollettore(QStringLiteral("Vuoto")));
        QVERIFY(!ControllaAssegnazioneOtt(stato.Assegnazione));
        VERIFICA_MESSAGGIO(registro,
                           QStringLiteral("Ci sono collettori senza alcun anello assegnato.\n\nCompletare le "
                                          "assegnazioni o eliminare il collettore."),
                           TIcona::Esclamazione);
    }
};

QTEST_GUILESS_MAIN(TstOttimizza)
#include "tst_ottimizza.moc"
