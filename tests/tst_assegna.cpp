// Assegnazione automatica dei circuiti ai collettori: regole della proposta, collettori
// esistenti, nomi, e la scelta della perdita di carico confrontata con una ricerca esaustiva.
#include "aiuti/RegistroMessaggi.h"
#include "aiuti/StatoDiProva.h"
#include "data/Udatabase.h"
#include "progetto/Uassegnaauto.h"
#include "progetto/Ucollettori.h"
#include "progetto/Ustato.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <tuple>

namespace {
// "PT:5 P1:4+2": piano e circuiti di ogni locale, con "+n" i circuiti della zona marginale.
QVector<TLocaleCalc> locali(const QString& testo)
{
    QVector<TLocaleCalc> v;
    for (const QString& parte : testo.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList pc = parte.split(u':');
        const QStringList n = pc[1].split(u'+');
        TLocaleCalc l;
        l.ID = int(v.size()) + 1;
        l.Piano = pc[0];
        l.Descrizione = QStringLiteral("Locale %1").arg(l.ID);
        l.NAs = n[0].toInt();
        l.NAm = n.size() > 1 ? n[1].toInt() : 0;
        l.QAs = 100, l.DpAs = 500, l.LAs = 80, l.PassoAs = 0.15f;
        l.QAm = 60, l.DpAm = 300, l.LAm = 40, l.PassoAm = 0.1f;
        v.append(l);
    }
    return v;
}

// Quanti collettori tocca ogni locale, sommato sui collettori indicati.
int Pezzi(const TAssegnazione& a, int primo)
{
    int pezzi = 0;
    for (int k = primo; k < a.NumeroCollettori(); ++k) {
        std::set<int> stanze;
        for (const QString& e : a.Collettori()[k].circuiti)
            stanze.insert(PosizioneEtichetta(e));
        pezzi += int(stanze.size());
    }
    return pezzi;
}

// Perdita intera di un collettore fatto del solo circuito (la regola di "Tipo").
qint64 PerditaCircuito(const TValoriCircuito& v, double kvta)
{
    const double r = double(v.portata) * 0.001 / kvta;
    return qint64(std::trunc(double(float(10000.0 * r * r + double(v.perdita))) + 1.0));
}

struct TCosto
{
    int pezzi = INT_MAX;
    std::vector<qint64> perdite; // decrescenti
    bool operator<(const TCosto& o) const { return std::tie(pezzi, perdite) < std::tie(o.pezzi, o.perdite); }
};

// Tutte le divisioni di gruppi di circuiti uguali su collettori di capienza data.
void Esaustiva(const std::vector<std::pair<int, qint64>>& gruppi, const std::vector<int>& locale, size_t g,
               std::vector<int>& libero, std::vector<std::vector<int>>& quanti, TCosto& migliore)
{
    const size_t m = libero.size();
    if (g == gruppi.size()) {
        TCosto c;
        c.pezzi = 0;
        for (size_t b = 0; b < m; ++b) {
            qint64 massima = 0;
            std::set<int> stanze;
            for (size_t i = 0; i < gruppi.size(); ++i)
                if (quanti[b][i] > 0) {
                    massima = std::max(massima, gruppi[i].second);
                    stanze.insert(locale[i]);
                }
            c.pezzi += int(stanze.size());
            c.perdite.push_back(massima);
        }
        std::sort(c.perdite.begin(), c.perdite.end(), std::greater<>());
        migliore = std::min(migliore, c);
        return;
    }
    // Distribuisce i circuiti del gruppo g collettore per collettore.
    std::function<void(size_t, int)> dai = [&](size_t b, int resto) {
        if (b == m - 1) {
            if (resto <= libero[b]) {
                quanti[b][g] = resto, libero[b] -= resto;
                Esaustiva(gruppi, locale, g + 1, libero, quanti, migliore);
                libero[b] += resto, quanti[b][g] = 0;
            }
            return;
        }
        for (int n = 0; n <= std::min(resto, libero[b]); ++n) {
            quanti[b][g] = n, libero[b] -= n;
            dai(b + 1, resto - n);
            libero[b] += n, quanti[b][g] = 0;
        }
    };
    dai(0, gruppi[g].first);
}
} // namespace

class TstAssegna : public QObject, private TConStatoDiProva
{
    Q_OBJECT

    TRegistroMessaggi registro;

    TAssegnazione& a() { return stato->Assegnazione; }

    void prepara(const QVector<TLocaleCalc>& l, int modo = 1)
    {
        stato->RisultatiLocali = l;
        stato->ModoTMandata = modo;
        stato->RisultatiRicalcolati = true;
        stato->RicostruisciCollettori();
    }

    // Un tipo di collettore del catalogo con KVTA positivo, messo nei dati generali.
    double tipoDelCatalogo()
    {
        if (!dati->Query1->Open(QStringLiteral("SELECT RIF, KVTA FROM DESCRCOLL WHERE KVTA > 0 ORDER BY RIF"))
            || dati->Query1->IsEmpty())
            return 0;
        dati->Query1->First();
        const QString rif = dati->Query1->FieldByName("RIF").AsString();
        const double kvta = dati->Query1->FieldByName("KVTA").AsFloat();
        TTabella* g = dati->AuxDGenerali;
        const QList<QPair<const char*, QVariant>> valori = {
            {"SPESS_MASS", 50}, {"SPESS_SOL", 20}, {"SPESS_RIV", 10}, {"TEMPVS", 10},
            {"LUNGMAX", 100},   {"DELTAT_MAX", 5}, {"RIF_COLL", rif},
        };
        for (const auto& [campo, v] : valori)
            if (!g->FieldByName(QLatin1String(campo)).Imposta(v))
                return 0;
        return g->Post() ? kvta : 0;
    }

private Q_SLOTS:
    void init() { ApriStato(); }
    void cleanup()
    {
        ChiudiStato();
        registro.Controlla();
    }

    void regole_data()
    {
        QTest::addColumn<QString>("stanze");
        QTest::addColumn<QString>("divisione"); // per piano, circuiti dei collettori dal più grande
        QTest::addColumn<QString>("nomi");
        QTest::addColumn<int>("pezzi"); // minimo, sommato sui locali
        QTest::newRow("locali interi") << "PT:9 PT:8 PT:8"
                                       << "PT:9,8,8"
                                       << "PT - 1,PT - 2,PT - 3" << 3;
        QTest::newRow("mai 12, 12, 1") << "PT:12 PT:12 PT:1"
                                       << "PT:9,8,8"
                                       << "PT - 1,PT - 2,PT - 3" << 5;
        QTest::newRow("locale oltre 12") << "PT:13"
                                         << "PT:7,6"
                                         << "PT - 1,PT - 2" << 2;
        QTest::newRow("interi fuori ordine") << "PT:5 PT:5 PT:7 PT:7"
                                             << "PT:12,12"
                                             << "PT - 1,PT - 2" << 4;
        QTest::newRow("piani alternati") << "PT:5 P1:4 PT:8"
                                         << "PT:7,6 P1:4"
                                         << "PT - 1,PT - 2,P1 - 1" << 4;
        QTest::newRow("zona marginale con il suo locale") << "PT:6+2 PT:5+3"
                                                          << "PT:8,8"
                                                          << "PT - 1,PT - 2" << 2;
        QTest::newRow("due piani, molti locali") << "PT:10 PT:10 PT:10 P1:3 P1:3 P1:3 P1:3 P1:3 P1:3 P1:3 P1:3 P1:3 S:2"
                                                 << "PT:10,10,10 P1:9,9,9 S:2"
                                                 << "PT - 1,PT - 2,PT - 3,P1 - 1,P1 - 2,P1 - 3,S - 1" << 13;
        QTest::newRow("piano lungo") << "Sottotetto:3 Sottotetto:11"
                                     << "Sottotetto:7,7"
                                     << "Sottotett - 1,Sottotett - 2" << 3;
    }
    void regole()
    {
        QFETCH(QString, stanze);
        QFETCH(QString, divisione);
        QFETCH(QString, nomi);
        QFETCH(int, pezzi);
        prepara(locali(stanze));
        QStringList prima = a().Lista();
        stato->CollettoriConfermati = stato->OttimizzazioneEseguita = true;
        QSignalSpy cambiato(&a(), &TAssegnazione::cambiato);

        QVERIFY(AssegnaAutomaticamente(*stato));
        QVERIFY(a().Lista().isEmpty());
        QVERIFY(!stato->CollettoriConfermati && !stato->OttimizzazioneEseguita);
        QVERIFY(cambiato.count() > 0);

        QStringList dopo, nomiDati;
        std::map<QString, std::vector<int>> perPiano;
        for (const TCollettoreAlbero& c : a().Collettori()) {
            nomiDati << c.Nome();
            QVERIFY(c.Nome().size() <= MaxNomeCollettore);
            QVERIFY(!c.circuiti.isEmpty() && c.circuiti.size() <= MaxCircuitiCollettore);
            const QString piano = a().PianoCircuito(c.circuiti.first());
            int ultimo = 0;
            for (const QString& e : c.circuiti) {
                QCOMPARE(a().PianoCircuito(e), piano);
                // Circuiti nell'ordine dei locali.
                QVERIFY(PosizioneEtichetta(e) >= ultimo);
                ultimo = PosizioneEtichetta(e);
            }
            perPiano[piano].push_back(int(c.circuiti.size()));
            dopo << c.circuiti;
        }
        QCOMPARE(nomiDati.join(u','), nomi);
        QStringList attesa, data;
        for (auto& [piano, n] : perPiano)
            std::sort(n.begin(), n.end(), std::greater<>());
        for (const QString& p : divisione.split(u' ')) {
            const QString piano = p.section(u':', 0, 0);
            QStringList n;
            for (int x : perPiano[piano])
                n << QString::number(x);
            data << piano + u':' + n.join(u',');
        }
        QCOMPARE(data.join(u' '), divisione);
        QCOMPARE(Pezzi(a(), 0), pezzi);
        std::sort(prima.begin(), prima.end());
        std::sort(dopo.begin(), dopo.end());
        QCOMPARE(dopo, prima);
    }

    void esistentiERestanti()
    {
        prepara(locali("PT:4 PT:9 P1:2"));
        // Elenco rimescolato a mano: la proposta rimette i circuiti nell'ordine dei locali.
        const QStringList originale = a().Lista();
        QStringList rovescio = originale;
        std::reverse(rovescio.begin(), rovescio.end());
        a().Svuota();
        for (const QString& e : rovescio)
            a().AggiungiALista(e);
        QVERIFY(a().Nuovo("PT - 1"));
        QVERIFY(a().Collega(a().Lista().indexOf(originale[0]), {0, -1}));
        QVERIFY(a().Nuovo("Vuoto"));
        const auto esistenti = a().Collettori();
        const QString fantasma = EtichettaCircuito(QStringLiteral("Fantasma - 1"), u's', 99);
        a().AggiungiALista(fantasma);

        TPropostaCollettori p;
        QVERIFY(AssegnaAutomaticamente(*stato, &p));
        QCOMPARE(a().Lista(), QStringList {fantasma});
        QCOMPARE(p.senzaLocale, QStringList {fantasma});
        QVERIFY(p.esatta);
        QCOMPARE(a().NumeroCollettori(), 4);
        for (int k = 0; k < 2; ++k) {
            QCOMPARE(a().Collettori()[k].testo, esistenti[k].testo);
            QCOMPARE(a().Collettori()[k].circuiti, esistenti[k].circuiti);
        }
        // 12 circuiti al piano terra su un collettore; il nome usato non si ripete.
        QCOMPARE(a().Collettori()[2].Nome(), QStringLiteral("PT - 2"));
        QCOMPARE(a().Collettori()[2].circuiti, originale.mid(1, 12));
        QCOMPARE(a().Collettori()[3].Nome(), QStringLiteral("P1 - 1"));

        // Elenco vuoto: nulla cambia, nemmeno la conferma.
        a().Svuota();
        stato->CollettoriConfermati = true;
        QSignalSpy cambiato(&a(), &TAssegnazione::cambiato);
        QVERIFY(!AssegnaAutomaticamente(*stato));
        QVERIFY(stato->CollettoriConfermati);
        QCOMPARE(cambiato.count(), 0);
    }

    void dopoTipo()
    {
        prepara(locali("PT:7 P1:20"), 2);
        if (tipoDelCatalogo() <= 0)
            QSKIP("il catalogo non ha tipi di collettore con KVTA");
        QVERIFY(AssegnaAutomaticamente(*stato));
        // Un'assegnazione come quelle fatte a mano: "Tipo" la accetta e scrive un collettore per riga.
        QCOMPARE(stato->Tipo(), TEsitoTipo::Calcolato);
        QCOMPARE(dati->AuxCollettori->RecordCount(), 3);
    }

    void nomi_data()
    {
        QTest::addColumn<QString>("piano");
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("nome");
        QTest::newRow("breve") << "PT" << 1 << "PT - 1";
        QTest::newRow("spazi") << " P1 " << 12 << "P1 - 12";
        QTest::newRow("dieci caratteri") << "Mansardato" << 2 << "Mansardat - 2";
        QTest::newRow("numero a due cifre") << "Mansardato" << 10 << "Mansarda - 10";
        QTest::newRow("piano vuoto") << "" << 3 << "C - 3";
    }
    void nomi()
    {
        QFETCH(QString, piano);
        QFETCH(int, numero);
        QFETCH(QString, nome);
        QCOMPARE(NomeCollettoreAutomatico(piano, numero), nome);
        QVERIFY(nome.size() <= MaxNomeCollettore);
    }

    void perditaMinima_data()
    {
        QTest::addColumn<quint32>("seme");
        QTest::addColumn<int>("collettori");
        QTest::addColumn<bool>("marginali");
        for (quint32 s = 1; s <= 10; ++s)
            QTest::addRow("2 collettori, seme %u", s) << s << 2 << true;
        for (quint32 s = 1; s <= 4; ++s)
            QTest::addRow("3 collettori, seme %u", s) << s << 3 << false;
    }
    void perditaMinima()
    {
        QFETCH(quint32, seme);
        QFETCH(int, collettori);
        QFETCH(bool, marginali);
        const double kvta = tipoDelCatalogo();
        if (kvta <= 0)
            QSKIP("il catalogo non ha tipi di collettore con KVTA");
        // Locali di un piano con portate e perdite diverse, finché il numero dei circuiti chiede
        // proprio quei collettori; un secondo piano non deve entrare nella divisione.
        QRandomGenerator g(seme);
        QVector<TLocaleCalc> l;
        int n = 0;
        while (n <= (collettori - 1) * 12) {
            TLocaleCalc x = locali(QStringLiteral("PT:1"))[0];
            x.NAs = collettori == 2 ? 1 + int(g.bounded(6)) : 4 + int(g.bounded(6));
            x.NAm = marginali ? int(g.bounded(3)) : 0;
            x.QAs = float(50 + g.bounded(200)), x.DpAs = float(100 + g.bounded(3000));
            x.QAm = float(40 + g.bounded(100)), x.DpAm = float(100 + g.bounded(2000));
            if (n + x.NAs + x.NAm > collettori * 12)
                continue;
            n += x.NAs + x.NAm;
            l.append(x);
        }
        TLocaleCalc altro = locali(QStringLiteral("P1:3"))[0];
        altro.DpAs = 9000;
        l.insert(1, altro);
        for (int i = 0; i < l.size(); ++i)
            l[i].ID = i + 1, l[i].Descrizione = QStringLiteral("Locale %1").arg(i + 1);
        prepara(l);

        QVERIFY(AssegnaAutomaticamente(*stato));
        QVERIFY(a().Lista().isEmpty());

        // Gruppi di circuiti uguali del piano terra: (quanti, perdita) e locale.
        std::vector<std::pair<int, qint64>> gruppi;
        std::vector<int> locale;
        for (int i = 0; i < l.size(); ++i) {
            if (l[i].Piano != QLatin1String("PT"))
                continue;
            TValoriCircuito v;
            v.valido = true;
            v.portata = l[i].QAs, v.perdita = l[i].DpAs;
            gruppi.push_back({l[i].NAs, PerditaCircuito(v, kvta)});
            locale.push_back(i);
            if (l[i].NAm > 0) {
                v.portata = l[i].QAm, v.perdita = l[i].DpAm;
                gruppi.push_back({l[i].NAm, PerditaCircuito(v, kvta)});
                locale.push_back(i);
            }
        }
        std::vector<int> libero;
        for (int b = 0; b < collettori; ++b)
            libero.push_back(n / collettori + (b < n % collettori ? 1 : 0));
        std::vector<std::vector<int>> quanti(size_t(collettori), std::vector<int>(gruppi.size(), 0));
        TCosto esaustiva;
        Esaustiva(gruppi, locale, 0, libero, quanti, esaustiva);

        TCosto scelta;
        scelta.pezzi = 0;
        int sulPiano = 0;
        for (int k = 0; k < a().NumeroCollettori(); ++k) {
            if (a().PianoCircuito(a().Collettori()[k].circuiti.first()) != QLatin1String("PT"))
                continue;
            ++sulPiano;
            double dP = 0;
            QVERIFY(PerditaCollettore(a(), k, kvta, dP));
            scelta.perdite.push_back(qint64(dP));
            std::set<int> stanze;
            for (const QString& e : a().Collettori()[k].circuiti)
                stanze.insert(PosizioneEtichetta(e));
            scelta.pezzi += int(stanze.size());
        }
        std::sort(scelta.perdite.begin(), scelta.perdite.end(), std::greater<>());
        QCOMPARE(sulPiano, collettori);
        QCOMPARE(scelta.pezzi, esaustiva.pezzi);
        QCOMPARE(scelta.perdite, esaustiva.perdite);
    }
};

QTEST_GUILESS_MAIN(TstAssegna)
#include "tst_assegna.moc"
