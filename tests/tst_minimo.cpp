// "Minimo acquisto": confrontato con il minimo esatto calcolato qui per istanze piccole; su ogni
// istanza un taglio ammesso (ogni circuito una volta, scarti, 8 per matassa, piani separati),
// mai più tubo del taglio normale, limite inferiore mai sopra il risultato; il calcolo del progetto
// con le sue tabelle.
#include "aiuti/RegistroMessaggi.h"
#include "data/Udatabase.h"
#include "progetto/Ustato.h"
#include "optimise/Uminimo.h"
#include "optimise/Uscelta.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <bit>
#include <limits>

namespace {

struct Istanza
{
    QVector<CircuitoOtt> circuiti;
    QVector<int> matasse;
    int scarto = 0;
    TOpzioneOtt opzione = TOpzioneOtt::Totale;
};

// Famiglie di istanze casuali: 0 lunghezze qualsiasi su tre matasse; 1 circuiti corti, dove conta il
// limite di 8 per matassa; 2 matasse multiple fra loro, scarto 0 e lunghezze a passi di 10
// (riempimenti esatti); 3 come 0 con "Per Piano", su due piani (tre oltre 12 circuiti).
Istanza casuale(QRandomGenerator& g, int famiglia, int n)
{
    Istanza ist;
    static const QStringList piani = {QStringLiteral("PT"), QStringLiteral("P1"), QStringLiteral("P2")};
    switch (famiglia) {
    case 1:
        ist.matasse = {100, 200};
        ist.scarto = int(g.bounded(11));
        break;
    case 2:
        ist.matasse = {100, 200, 400};
        break;
    default:
        ist.matasse = {120, 240, 600};
        ist.scarto = 5;
    }
    if (famiglia == 3)
        ist.opzione = TOpzioneOtt::PerPiano;
    for (int i = 0; i < n; ++i) {
        int l = 0;
        if (famiglia == 1)
            l = 5 + int(g.bounded(26));
        else if (famiglia == 2)
            l = 10 * (1 + int(g.bounded(30)));
        else
            l = 40 + int(g.bounded(81));
        const QString piano = famiglia == 3 ? piani[int(g.bounded(n > 12 ? 3 : 2))] : QStringLiteral("PT");
        ist.circuiti << CircuitoOtt {QStringLiteral(" c%1").arg(i + 1), l, QStringLiteral("K%1").arg(i % 3), piano};
    }
    return ist;
}

// Il minimo esatto sui sottoinsiemi: costo[S] = la matassa più corta che regge S da sola (al più 8
// circuiti, somma entro lunghezza − scarto, un solo piano con "Per Piano"), migliore[S] = minimo
// su tutte le partizioni di S. Esponenziale: solo per istanze di pochi circuiti.
long long minimoEsatto(const Istanza& ist)
{
    const int n = int(ist.circuiti.size());
    const long long nulla = std::numeric_limits<long long>::max() / 4;
    const int tutti = (1 << n) - 1;
    std::vector<long long> costo(size_t(tutti) + 1, nulla), migliore(size_t(tutti) + 1, nulla);
    for (int s = 1; s <= tutti; ++s) {
        if (std::popcount(unsigned(s)) > 8)
            continue;
        int somma = 0;
        bool unPiano = true;
        QString piano;
        for (int i = 0; i < n; ++i) {
            if (!(s & (1 << i)))
                continue;
            somma += ist.circuiti[i].LCircuito;
            if (piano.isNull())
                piano = ist.circuiti[i].Piano;
            unPiano = unPiano && ist.circuiti[i].Piano == piano;
        }
        if (ist.opzione == TOpzioneOtt::PerPiano && !unPiano)
            continue;
        for (int l : ist.matasse)
            if (somma <= l - ist.scarto)
                costo[size_t(s)] = std::min<long long>(costo[size_t(s)], l);
    }
    migliore[0] = 0;
    for (int s = 1; s <= tutti; ++s) {
        const int basso = s & -s; // il blocco che contiene il circuito più basso
        for (int sub = s; sub > 0; sub = (sub - 1) & s)
            if ((sub & basso) && costo[size_t(sub)] < nulla && migliore[size_t(s ^ sub)] < nulla)
                migliore[size_t(s)] = std::min(migliore[size_t(s)], costo[size_t(sub)] + migliore[size_t(s ^ sub)]);
    }
    return migliore[size_t(tutti)];
}

// Un taglio ammesso, nel formato di AuxCircuiti; vuoto se va bene, altrimenti il difetto.
QString difetto(const Istanza& ist, const TRisultatoMinimo& m)
{
    const TRisultatoOtt& r = m.Risultato;
    if (!r.Eseguita)
        return QStringLiteral("non eseguita");
    if (r.Circuiti.size() != ist.circuiti.size())
        return QStringLiteral("%1 righe per %2 circuiti").arg(r.Circuiti.size()).arg(ist.circuiti.size());
    QStringList attesi, trovati;
    for (const CircuitoOtt& c : ist.circuiti)
        attesi << QStringLiteral("%1|%2|%3|%4").arg(c.Descr).arg(c.LCircuito).arg(c.Coll, c.Piano);
    int totale = 0, utilizzato = 0;
    QMap<int, int> usate;
    QStringList pianiVisti;
    int ultimaLunghezza = 0;
    for (int i = 0; i < r.Circuiti.size();) {
        const RigaCircuito& prima = r.Circuiti[i];
        if (!prima.L_Rotolo || !prima.Scarto)
            return QStringLiteral("riga %1: una matassa senza lunghezza o scarto").arg(i);
        if (!ist.matasse.contains(*prima.L_Rotolo))
            return QStringLiteral("matassa da %1 m non offerta").arg(*prima.L_Rotolo);
        int somma = 0, quanti = 0;
        for (; i < r.Circuiti.size() && (quanti == 0 || !r.Circuiti[i].L_Rotolo); ++i, ++quanti) {
            const RigaCircuito& c = r.Circuiti[i];
            if (c.ID != i)
                return QStringLiteral("riga %1 con ID %2").arg(i).arg(c.ID);
            if (quanti > 0 && c.Scarto)
                return QStringLiteral("riga %1: scarto fuori dalla prima riga").arg(i);
            if (ist.opzione == TOpzioneOtt::PerPiano && c.Piano != prima.Piano)
                return QStringLiteral("riga %1: piani diversi sulla stessa matassa").arg(i);
            somma += c.L_Circuito;
            trovati << QStringLiteral("%1|%2|%3|%4").arg(c.Descr_Circuito).arg(c.L_Circuito).arg(c.Coll, c.Piano);
        }
        if (quanti > MaxCircuitiPerMatassa)
            return QStringLiteral("%1 circuiti su una matassa").arg(quanti);
        if (*prima.Scarto != *prima.L_Rotolo - somma || *prima.Scarto < ist.scarto)
            return QStringLiteral("scarto %1 su %2 m con %3 m di circuiti")
                .arg(*prima.Scarto)
                .arg(*prima.L_Rotolo)
                .arg(somma);
        // Fuori dal taglio normale: matasse per lunghezza crescente, piano per piano.
        if (!m.ComeNormale) {
            if (pianiVisti.isEmpty() || pianiVisti.last() != prima.Piano) {
                if (ist.opzione == TOpzioneOtt::PerPiano && pianiVisti.contains(prima.Piano))
                    return QStringLiteral("il piano %1 non è di seguito").arg(prima.Piano);
                pianiVisti << prima.Piano;
                ultimaLunghezza = 0;
            }
            if (*prima.L_Rotolo < ultimaLunghezza)
                return QStringLiteral("matasse non in ordine di lunghezza");
            ultimaLunghezza = *prima.L_Rotolo;
        }
        totale += *prima.L_Rotolo;
        utilizzato += somma;
        ++usate[*prima.L_Rotolo];
    }
    attesi.sort();
    trovati.sort();
    if (attesi != trovati)
        return QStringLiteral("i circuiti tagliati non sono quelli del progetto, una volta ciascuno");
    if (r.TotaleMatasse != totale || r.TotaleUtilizzato != utilizzato)
        return QStringLiteral("totali sbagliati");
    if (r.Statistica != TestiStatistica(totale, utilizzato))
        return QStringLiteral("statistica sbagliata");
    for (const MatassaOtt& t : r.Matasse)
        if (t.Usate != usate.value(t.Lunghezza))
            return QStringLiteral("uso della matassa da %1 m sbagliato").arg(t.Lunghezza);
    return QString();
}

// Le proprietà di ogni risultato: ammesso, non peggio del taglio normale, limite sotto il risultato.
void controlla(const Istanza& ist, const TRisultatoMinimo& m, const QString& nome)
{
    const QString d = difetto(ist, m);
    QVERIFY2(d.isEmpty(), qPrintable(nome + QStringLiteral(": ") + d));
    const TRisultatoOtt normale = OttimizzaMatasse(ist.circuiti, ist.matasse, ist.scarto, ist.opzione);
    QCOMPARE(m.TotaleNormale, normale.TotaleMatasse);
    QVERIFY2(m.Risultato.TotaleMatasse <= normale.TotaleMatasse, qPrintable(nome));
    QVERIFY2(m.LimiteInferiore <= m.Risultato.TotaleMatasse, qPrintable(nome));
    QCOMPARE(m.Ottimo, m.LimiteInferiore == m.Risultato.TotaleMatasse);
    if (m.ComeNormale)
        QCOMPARE(m.Risultato.Circuiti, normale.Circuiti);
}

class TProgressoRegistrato : public TProgresso
{
public:
    void Inizia(const QString&, int massimo) override { this->massimo = massimo; }
    void Passo() override { ++passi; }
    void Fine() override { ++fini; }
    int massimo = -1;
    int passi = 0;
    int fini = 0;
};

QVector<CircuitoOtt> circuiti(const QVector<int>& lunghezze)
{
    QVector<CircuitoOtt> v;
    for (int i = 0; i < lunghezze.size(); ++i)
        v << CircuitoOtt {QStringLiteral(" c%1").arg(i + 1), lunghezze[i], QStringLiteral("K"), QStringLiteral("PT")};
    return v;
}

} // namespace

class TstMinimo : public QObject
{
    Q_OBJECT

    TRegistroMessaggi registro;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { QVERIFY(registro.Controlla()); }

    void ugualeAlMinimoEsatto_data()
    {
        QTest::addColumn<int>("famiglia");
        QTest::addColumn<int>("seme");
        QTest::newRow("matasse 120/240/600, scarto 5") << 0 << 1;
        QTest::newRow("circuiti corti, 8 per matassa") << 1 << 2;
        QTest::newRow("riempimenti esatti, scarto 0") << 2 << 3;
        QTest::newRow("per piano") << 3 << 4;
    }

    void ugualeAlMinimoEsatto()
    {
        QFETCH(int, famiglia);
        QFETCH(int, seme);
        QRandomGenerator g {quint32(seme)};
        int migliori = 0;
        for (int k = 0; k < 25; ++k) {
            const Istanza ist = casuale(g, famiglia, 1 + int(g.bounded(12)));
            const QString nome = QStringLiteral("istanza %1").arg(k);
            TProgressoRegistrato progresso;
            const TRisultatoMinimo m
                = MinimoAcquisto(ist.circuiti, ist.matasse, ist.scarto, ist.opzione, 10.0, progresso);
            controlla(ist, m, nome);
            if (QTest::currentTestFailed())
                return;
            const long long esatto = minimoEsatto(ist);
            QCOMPARE(m.Risultato.TotaleMatasse, esatto);
            // Il limite, alzato dove serve dai numeri interi di matasse, arriva al minimo.
            QCOMPARE(m.LimiteInferiore, esatto);
            QVERIFY(m.Ottimo);
            QCOMPARE(progresso.massimo, int(ist.circuiti.size()));
            QCOMPARE(progresso.passi, int(ist.circuiti.size()));
            QCOMPARE(progresso.fini, 1);
            migliori += m.TotaleNormale > esatto;
        }
        // Le istanze devono anche mettere alla prova il risolutore, non solo il taglio normale.
        if (famiglia != 1)
            QVERIFY(migliori > 0);
    }

    void istanzeGrandi_data()
    {
        QTest::addColumn<int>("famiglia");
        QTest::addColumn<int>("n");
        QTest::addColumn<double>("tempo");
        QTest::addColumn<quint32>("seme");
        QTest::newRow("40 circuiti") << 0 << 40 << 2.0 << 57u;
        QTest::newRow("200 circuiti") << 0 << 200 << 2.0 << 217u;
        QTest::newRow("200 circuiti per piano") << 3 << 200 << 2.0 << 217u;
        QTest::newRow("100 circuiti corti") << 1 << 100 << 2.0 << 117u;
        QTest::newRow("120 circuiti con riempimenti esatti") << 2 << 120 << 2.0 << 137u;
        // Senza tempo resta il taglio normale, con il suo limite.
        QTest::newRow("200 circuiti senza tempo") << 0 << 200 << 0.0 << 217u;
        // Con tempo a volontà il calcolo si ferma da sé al minimo. Qui né l'arrotondamento né Cbc
        // lo trovano: solo la ricerca con i numeri di matasse del limite.
        QTest::newRow("200 circuiti fino al minimo") << 0 << 200 << 60.0 << 1u;
        QTest::newRow("200 circuiti per piano fino al minimo") << 3 << 200 << 60.0 << 217u;
    }

    void istanzeGrandi()
    {
        QFETCH(int, famiglia);
        QFETCH(int, n);
        QFETCH(double, tempo);
        QFETCH(quint32, seme);
        QRandomGenerator g {seme};
        const Istanza ist = casuale(g, famiglia, n);
        const TRisultatoMinimo m = MinimoAcquisto(ist.circuiti, ist.matasse, ist.scarto, ist.opzione, tempo);
        controlla(ist, m, QString::fromLatin1(QTest::currentDataTag()));
        // Il limite supera sempre i metri dei circuiti più gli scarti minimi della matassa più lunga.
        int somma = 0;
        for (const auto& c : ist.circuiti)
            somma += c.LCircuito;
        QVERIFY(m.LimiteInferiore >= somma);
        if (tempo == 0)
            QVERIFY(m.ComeNormale);
        if (tempo >= 60)
            QVERIFY2(
                m.Ottimo,
                qPrintable(QStringLiteral("%1 m, limite %2 m").arg(m.Risultato.TotaleMatasse).arg(m.LimiteInferiore)));
    }

    void casiNoti_data()
    {
        QTest::addColumn<QVector<int>>("lunghezze");
        QTest::addColumn<QVector<int>>("matasse");
        QTest::addColumn<int>("scarto");
        QTest::addColumn<int>("totale");
        QTest::addColumn<int>("limite");
        // Nove da 10 m riempirebbero 100 − 10 esattamente, ma al più 8 per matassa.
        QTest::newRow("otto per matassa")
            << QVector<int> {10, 10, 10, 10, 10, 10, 10, 10, 10} << QVector<int> {100} << 10 << 200 << 200;
        QTest::newRow("nessun circuito") << QVector<int> {} << QVector<int> {100} << 0 << 0 << 0;
        // 95 e 90 m: due matasse da 100 o una da 200, 200 m in ogni caso.
        QTest::newRow("due da cento o una da duecento")
            << QVector<int> {95, 90} << QVector<int> {100, 200} << 5 << 200 << 200;
        // Il rilassamento vale 150 m; il limite sale alla più piccola somma di matasse che lo raggiunge.
        QTest::newRow("limite sulle somme di matasse")
            << QVector<int> {50, 50, 50} << QVector<int> {100} << 0 << 200 << 200;
        // Il rilassamento vale 720 m, ma 711 m di circuiti non stanno in alcun acquisto da 720 m
        // (600 + 120 reggono 710 m, tre da 240 ne reggono 705): il limite sale a 840.
        QTest::newRow("numeri interi di matasse") << QVector<int> {87, 76, 74, 74, 76, 44, 89, 41, 100, 50}
                                                  << QVector<int> {120, 240, 600} << 5 << 840 << 840;
    }

    void casiNoti()
    {
        QFETCH(QVector<int>, lunghezze);
        QFETCH(QVector<int>, matasse);
        QFETCH(int, scarto);
        QFETCH(int, totale);
        QFETCH(int, limite);
        const Istanza ist {circuiti(lunghezze), matasse, scarto, TOpzioneOtt::Totale};
        const TRisultatoMinimo m = MinimoAcquisto(ist.circuiti, matasse, scarto, TOpzioneOtt::Totale);
        controlla(ist, m, QString());
        QCOMPARE(m.Risultato.TotaleMatasse, totale);
        QCOMPARE(m.LimiteInferiore, limite);
        QCOMPARE(int(minimoEsatto(ist)), totale);
    }

    void circuitiNonAmmissibili()
    {
        // Come il taglio normale: un circuito nullo o più lungo della matassa meno lo scarto.
        for (const QVector<int>& l : {QVector<int> {40, 0}, QVector<int> {40, 96}}) {
            const TRisultatoMinimo m = MinimoAcquisto(circuiti(l), {100}, 5, TOpzioneOtt::Totale);
            QVERIFY(!m.Risultato.Eseguita);
            QVERIFY(m.Risultato.Circuiti.isEmpty());
        }
    }

    void testiDellaStatistica()
    {
        TRisultatoMinimo m;
        m.Risultato.TotaleMatasse = 16080;
        m.LimiteInferiore = 15960;
        QCOMPARE(m.TestoLimite(), QStringLiteral("15960"));
        QCOMPARE(m.TestoDistanza(), QStringLiteral("0.75"));
        QCOMPARE(NomeLimiteInferiore(), QStringLiteral("Limite inferiore [m]"));
    }

    void calcoloDelProgetto()
    {
        TDati dati;
        QVERIFY2(dati.Connetti(), qPrintable(dati.UltimoErrore()));
        TStatoProgetto stato(dati);
        auto locale = [](const char* descr, const char* piano, float lAs) {
            TLocaleCalc l;
            l.Descrizione = QString::fromUtf8(descr);
            l.Piano = QString::fromUtf8(piano);
            l.NAs = 2, l.LAs = lAs;
            return l;
        };
        // 70, 70, 70, 70, 47, 47 m su matasse da 100 e 200: il taglio normale compra 500 m, il minimo
        // 400 (70 + 70 + 47 due volte su matasse da 200).
        stato.RisultatiLocali = {locale("Soggiorno", "PT", 70), locale("Camera", "PT", 70), locale("Bagno", "PT", 47)};
        stato.NumLocali = 3;
        stato.ModoTMandata = 2;
        TAssegnazione& a = stato.Assegnazione;
        a.Svuota();
        a.AggiungiCollettoreNodo(TestoNodoCollettore(QStringLiteral("Coll PT")));
        for (int l = 0; l < 3; ++l)
            for (int c = 1; c <= 2; ++c)
                a.AggiungiCircuitoNodo(
                    EtichettaCircuito(NomeCircuito(stato.RisultatiLocali[l].Descrizione, c, false), u's', l + 1));
        const QVector<ArticoloRotolo> articoli = {{100, QStringLiteral("T100")}, {200, QStringLiteral("T200")}};
        const TImpostazioniOtt imp {{100, 200}, 0, TOpzioneOtt::Totale};

        const TCalcoloMinimo c = OttimizzaMinimo(stato, dati, imp, articoli);
        QCOMPARE(int(c.Calcolo.Esito), int(TEsitoOtt::Eseguita));
        const TRisultatoMinimo& m = c.Minimo;
        QCOMPARE(m.TotaleNormale, 500);
        QCOMPARE(m.Risultato.TotaleMatasse, 400);
        QCOMPARE(m.LimiteInferiore, 400);
        QVERIFY(m.Ottimo);
        QCOMPARE(LeggiAuxCircuiti(dati), m.Risultato.Circuiti);
        QCOMPARE(LeggiAuxRotoli(dati), RigheRotoli(articoli, m.Risultato.Matasse));
        QVERIFY(stato.OttimizzazioneEseguita);
        QCOMPARE(stato.StatOttimizzazione, m.Risultato.Statistica);

        // Gli stessi controlli del calcolo normale, con i loro messaggi.
        const TCalcoloMinimo bloccato = OttimizzaMinimo(stato, dati, {{100, 200}, 150, TOpzioneOtt::Totale}, articoli);
        QCOMPARE(int(bloccato.Calcolo.Esito), int(TEsitoOtt::Bloccata));
        VERIFICA_MESSAGGIO(registro, MessaggiOtt::ScartoTroppoGrande(), TIcona::Esclamazione);
        QVERIFY(!stato.OttimizzazioneEseguita);
        QVERIFY(LeggiAuxCircuiti(dati).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstMinimo)
#include "tst_minimo.moc"
