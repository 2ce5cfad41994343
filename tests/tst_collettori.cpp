// Assegnazione dei circuiti ai collettori: etichette, regole della pagina "Collettori",
// ricostruzione delle liste, "Tipo" e ricalcolo delle perdite dei collettori.
#include "aiuti/MessaggiCollettori.h"
#include "aiuti/Record.h"
#include "aiuti/RegistroMessaggi.h"
#include "aiuti/StatoDiProva.h"
#include "data/Udatabase.h"
#include "progetto/Ucollettori.h"
#include "progetto/Ustato.h"

#include <QTest>

#include <cstdio>

namespace {
TLocaleCalc locale(int id, const QString& piano, const QString& descrizione, int nAs, int nAm = 0)
{
    TLocaleCalc l;
    l.ID = id;
    l.Piano = piano;
    l.Descrizione = descrizione;
    l.NAs = nAs;
    l.NAm = nAm;
    l.QAs = 100, l.DpAs = 500, l.LAs = 80, l.PassoAs = 0.15f;
    l.QAm = 60, l.DpAm = 300, l.LAm = 40, l.PassoAm = 0.1f;
    return l;
}

// Etichetta come la scrive il C, per confrontare quella costruita con QString.
QString etichettaC(const QByteArray& nome, char zona, int posizione)
{
    const char* formato = "%-4s%-040.40s%80c%3.0d";
    char buf[256];
    std::snprintf(buf, sizeof buf, formato, "=>", nome.constData(), zona, posizione);
    return QString::fromLatin1(buf);
}
} // namespace

class TstCollettori : public QObject, private TConStatoDiProva
{
    Q_OBJECT

    TRegistroMessaggi registro;

    TAssegnazione& a() { return stato->Assegnazione; }

    // Soggiorno al piano terra con 14 circuiti, camera al primo piano con 3 (+1 marginale),
    // bagno al piano terra con 2: l'elenco viene ricostruito come lo fa il progetto.
    void prepara(int modo = 1)
    {
        stato->RisultatiLocali
            = {locale(1, "PT", "Soggiorno", 14), locale(2, "P1", "Camera", 3, 1), locale(3, "PT", "Bagno", 2)};
        stato->ModoTMandata = modo;
        stato->RisultatiRicalcolati = true;
        stato->RicostruisciCollettori();
    }

    // Riga della lista con quel nome di circuito.
    int riga(const QString& nome) const
    {
        for (int i = 0; i < stato->Assegnazione.Lista().size(); ++i)
            if (TestoCircuitoEtichetta(stato->Assegnazione.Lista()[i]).mid(1).trimmed() == nome)
                return i;
        return -1;
    }

    // Collettore con n circuiti del soggiorno (piano terra).
    int collettoreCon(const QString& nome, int n)
    {
        a().Nuovo(nome);
        const int c = a().NumeroCollettori() - 1;
        for (int i = 0; i < n; ++i)
            if (!a().Collega(riga(QStringLiteral("Soggiorno - %1").arg(i + 1)), {c, -1}))
                return -1;
        return c;
    }

    void datiGenerali(const QString& tipoCollettore)
    {
        TTabella* g = dati->AuxDGenerali;
        const QList<QPair<const char*, QVariant>> valori = {
            {"SPESS_MASS", 50},
            {"SPESS_SOL", 20},
            {"SPESS_RIV", 10},
            {"TEMPVS", 10},
            {"LUNGMAX", 100},
            {"DELTAT_MAX", 5},
            {"RIF_COLL", tipoCollettore},
        };
        for (const auto& [campo, v] : valori)
            g->FieldByName(QLatin1String(campo)).Imposta(v);
        QVERIFY(g->Post());
    }

    // Un tipo di collettore del catalogo con KVTA positivo (vuoto se il catalogo non ne ha).
    QPair<QString, double> tipoDelCatalogo()
    {
        if (!dati->Query1->Open(QStringLiteral("SELECT RIF, KVTA FROM DESCRCOLL WHERE KVTA > 0 ORDER BY RIF")))
            return {};
        if (dati->Query1->IsEmpty())
            return {};
        dati->Query1->First();
        return {dati->Query1->FieldByName("RIF").AsString(), dati->Query1->FieldByName("KVTA").AsFloat()};
    }

private Q_SLOTS:
    void init() { ApriStato(); }
    void cleanup()
    {
        ChiudiStato();
        registro.Controlla();
    }

    void etichetta_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QChar>("zona");
        QTest::addColumn<int>("posizione");
        QTest::newRow("breve") << "Cucina - 1" << QChar(u's') << 1;
        QTest::newRow("marginale") << "Camera - 3 Am" << QChar(u'm') << 12;
        QTest::newRow("esattamente 40") << QString(40, u'x') << QChar(u's') << 100;
        QTest::newRow("oltre 40") << "Soggiorno con angolo cottura e zona pranzo - 12 Am" << QChar(u'm') << 999;
    }
    void etichetta()
    {
        QFETCH(QString, nome);
        QFETCH(QChar, zona);
        QFETCH(int, posizione);
        const QString e = EtichettaCircuito(nome, zona, posizione);
        QCOMPARE(e.size(), LunghezzaEtichetta);
        QCOMPARE(e, etichettaC(nome.toLatin1(), char(zona.unicode()), posizione));
        QCOMPARE(e.mid(4, 40), nome.left(40).leftJustified(40));
        QCOMPARE(ZonaEtichetta(e), zona);
        QCOMPARE(PosizioneEtichetta(e), posizione);
        QCOMPARE(TestoCircuitoEtichetta(e), e.mid(3, 40));
    }

    void etichettaConAccenti()
    {
        const QString e = EtichettaCircuito(QStringLiteral("Camera più grande - 2"), u's', 7);
        QCOMPARE(e.size(), LunghezzaEtichetta);
        QCOMPARE(ZonaEtichetta(e), QChar(u's'));
        QCOMPARE(PosizioneEtichetta(e), 7);
        // Un testo troppo corto non ha né lettera né locale, e non fa danni.
        QCOMPARE(ZonaEtichetta(QStringLiteral("ab")), QChar());
        QCOMPARE(PosizioneEtichetta(QStringLiteral("ab")), 0);
        QVERIFY(!a().ValoriCircuito(QStringLiteral("ab")).valido);
    }

    void ricostruzione_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<int>("circuiti");
        QTest::newRow("con area marginale") << 1 << 20;
        QTest::newRow("T ottima") << 0 << 19;
        QTest::newRow("senza area marginale") << 2 << 19;
        QTest::newRow("non salvato") << -1 << 19;
    }
    void ricostruzione()
    {
        QFETCH(int, modo);
        QFETCH(int, circuiti);
        TTabella* r = dati->AuxRegol;
        for (const char* q : {"qterm", "qattuat", "qcald", "qreg"})
            r->FieldByName(QLatin1String(q)).Imposta(4);
        r->FieldByName("attuatore").Imposta("J90X230");
        QVERIFY(r->Post());
        stato->CollettoriConfermati = stato->OttimizzazioneEseguita = true;
        prepara(modo);

        const QStringList& l = a().Lista();
        QCOMPARE(l.size(), circuiti);
        QCOMPARE(l[0], EtichettaCircuito(QStringLiteral("Soggiorno - 1"), u's', 1));
        QCOMPARE(l[14], EtichettaCircuito(QStringLiteral("Camera - 1"), u's', 2));
        // I circuiti marginali continuano la numerazione dopo quelli principali.
        if (modo == 1)
            QCOMPARE(l[17], EtichettaCircuito(QStringLiteral("Camera - 4 Am"), u'm', 2));
        QCOMPARE(l.last(), EtichettaCircuito(QStringLiteral("Bagno - 2"), u's', 3));
        QCOMPARE(a().NumeroCollettori(), 0);
        QVERIFY(!stato->RisultatiRicalcolati && !stato->ImpostazioniSalvate);
        QVERIFY(!stato->CollettoriConfermati && !stato->OttimizzazioneEseguita);
        // Le scelte della regolazione restano; le quantità già calcolate si ricontano.
        QCOMPARE(r->FieldByName("attuatore").AsString(), QStringLiteral("J90X230"));
        QCOMPARE(r->FieldByName("qterm").AsInteger(), 3);
        QCOMPARE(r->FieldByName("qattuat").AsInteger(), circuiti);
        QCOMPARE(r->FieldByName("qcald").AsInteger(), 4);
        QCOMPARE(r->FieldByName("qreg").AsInteger(), 4);
        QCOMPARE(r->State(), TStato::Consultazione);
    }

    void ricostruzioneSoloSeQualcosaECambiato()
    {
        prepara();
        const int c = collettoreCon("C1", 2);
        QVERIFY(c >= 0);
        stato->CollettoriConfermati = true;
        stato->RicostruisciCollettori();
        QCOMPARE(a().NumeroNodi(), 3);
        QVERIFY(stato->CollettoriConfermati);
        stato->SalvaImpostazioni(2, 40.0f);
        stato->RicostruisciCollettori();
        QCOMPARE(a().NumeroNodi(), 3);
        QCOMPARE(a().Lista().size(), 17);
        QVERIFY(!stato->CollettoriConfermati);
    }

    // Un ricalcolo tiene i collettori e i circuiti che esistono ancora, dove erano; i nuovi vanno
    // fra i non assegnati, gli altri escono; conferma e ottimizzazione si tolgono e lo si dice.
    void ricostruzioneTiene_data()
    {
        QTest::addColumn<QString>("modifica");
        QTest::addColumn<QStringList>("primo");
        QTest::addColumn<QStringList>("secondo");
        QTest::addColumn<int>("nuovi");
        QTest::addColumn<int>("tolti");
        QTest::addColumn<QString>("ultimoInLista");
        QTest::addColumn<QString>("problema");
        const QStringList a = {"Soggiorno - 1", "Soggiorno - 2", "Soggiorno - 3", "Bagno - 1"};
        const QStringList b = {"Camera - 1", "Camera - 2", "Camera - 3", "Camera - 4 Am"};
        QTest::newRow("un circuito in più")
            << "carico" << a << (QStringList(b.mid(0, 3)) << "Camera - 5 Am") << 1 << 0 << "Camera - 4" << QString();
        QTest::newRow("circuiti in meno")
            << "meno" << QStringList {a[0], a[1], a[3]} << b << 0 << 1 << "Bagno - 2" << QString();
        QTest::newRow("locale inserito prima") << "inserito" << a << b << 1 << 0 << "Studio - 1" << QString();
        QTest::newRow("locale rinominato") << "rinominato" << (QStringList(a.mid(0, 3)) << "Bagno grande - 1") << b << 0
                                           << 0 << "Bagno grande - 2" << QString();
        QTest::newRow("locale tolto") << "tolto" << a << QStringList {} << 0 << 4 << "Bagno - 2" << QString();
        QTest::newRow("piano cambiato") << "piano" << a << b << 0 << 0 << "Bagno - 2" << MsgPiani;
        QTest::newRow("senza area marginale") << "modo" << a << b.mid(0, 3) << 0 << 1 << "Bagno - 2" << QString();
        QTest::newRow("tredici da un file") << "tredici"
                                            << (QStringList(a) << "Soggiorno - 4"
                                                               << "Soggiorno - 5")
                                            << b << 0 << 0 << "Bagno - 2" << MsgDodici;
    }
    void ricostruzioneTiene()
    {
        QFETCH(QString, modifica);
        QFETCH(QStringList, primo);
        QFETCH(QStringList, secondo);
        QFETCH(int, nuovi);
        QFETCH(int, tolti);
        QFETCH(QString, ultimoInLista);
        QFETCH(QString, problema);
        TTabella* r = dati->AuxRegol;
        QVERIFY(ImpostaCampi(r, {{"attuatore", "J90X230"}, {"qterm", 3}, {"qattuat", 20}, {"qcald", 1}}));
        prepara();
        QVERIFY(stato->PrendiAvvisoCollettori().Vuoto()); // nessun lavoro ancora: niente da dire
        a().Nuovo("A");
        for (const char* n : {"Soggiorno - 1", "Soggiorno - 2", "Soggiorno - 3", "Bagno - 1"})
            QVERIFY(a().Collega(riga(n), {0, -1}));
        a().Nuovo("B");
        for (const char* n : {"Camera - 1", "Camera - 2", "Camera - 3", "Camera - 4 Am"})
            QVERIFY(a().Collega(riga(n), {1, -1}));
        stato->CollettoriConfermati = stato->OttimizzazioneEseguita = true;

        QVector<TLocaleCalc>& l = stato->RisultatiLocali;
        if (modifica == "carico")
            l[1].NAs = 4;
        else if (modifica == "meno")
            l[0].NAs = 2;
        else if (modifica == "inserito")
            l.prepend(locale(9, "PT", "Studio", 1));
        else if (modifica == "rinominato")
            l[2].Descrizione = "Bagno grande";
        else if (modifica == "tolto")
            l.remove(1);
        else if (modifica == "piano")
            l[2].Piano = "P1";
        else if (modifica == "modo")
            stato->ModoTMandata = 2;
        else if (modifica == "tredici") { // come lo darebbe un file scritto altrove
            QVector<TCollettoreAlbero> c = a().Collettori();
            for (int i = 4; i <= 12; ++i)
                c[0].circuiti << a().Lista()[riga(QStringLiteral("Soggiorno - %1").arg(i))];
            a().Sostituisci(c, a().Lista().mid(9));
        }
        stato->RisultatiRicalcolati = true;
        stato->RicostruisciCollettori();

        auto nomi = [](const QStringList& etichette) {
            QStringList n;
            for (const QString& e : etichette)
                n << TestoCircuitoEtichetta(e).mid(1).trimmed();
            return n;
        };
        QCOMPARE(a().NumeroCollettori(), 2);
        QCOMPARE(a().Collettori()[0].Nome(), QStringLiteral("A"));
        QCOMPARE(nomi(a().Collettori()[0].circuiti).mid(0, primo.size()), primo);
        QCOMPARE(nomi(a().Collettori()[1].circuiti), secondo);
        QCOMPARE(nomi(a().Lista()).last(), ultimoInLista);
        // Ogni circuito di oggi c'è una volta sola, con l'etichetta di oggi (posizione del locale compresa).
        QStringList tutte = a().Lista();
        for (const auto& c : a().Collettori())
            tutte << c.circuiti;
        QStringList attese;
        for (const TCircuitoGenerato& c : CircuitiDeiLocali(l, stato->ModoTMandata == 1))
            attese << c.etichetta;
        tutte.sort();
        attese.sort();
        QCOMPARE(tutte, attese);

        QVERIFY(!stato->CollettoriConfermati && !stato->OttimizzazioneEseguita);
        QCOMPARE(a().ProblemaCollettore(0), problema);
        QCOMPARE(a().ProblemaCollettore(1), QString());
        QCOMPARE(r->FieldByName("attuatore").AsString(), QStringLiteral("J90X230"));
        QCOMPARE(r->FieldByName("qterm").AsInteger(), int(l.size()));
        QCOMPARE(r->FieldByName("qattuat").AsInteger(), int(attese.size()));
        QCOMPARE(r->FieldByName("qcald").AsInteger(), 1);

        const TAvvisoCollettori avviso = stato->PrendiAvvisoCollettori();
        QCOMPARE(avviso.nuovi, nuovi);
        QCOMPARE(avviso.tolti, tolti);
        QVERIFY(avviso.conferma && avviso.ottimizzazione);
        QCOMPARE(avviso.nonValidi, problema.isEmpty() ? 0 : 1);
        QVERIFY(stato->PrendiAvvisoCollettori().Vuoto());

        // Un collettore fuori regola ferma "Tipo" con il messaggio della pagina, senza toccare nulla.
        if (problema.isEmpty())
            return;
        a().Sostituisci(a().Collettori(), {});
        QCOMPARE(stato->Tipo(), TEsitoTipo::NonValida);
        VERIFICA_MESSAGGIO(registro, problema, TIcona::Esclamazione);
        QCOMPARE(dati->AuxCollettori->RecordCount(), 0);
    }

    void limiteDodici_data()
    {
        QTest::addColumn<QString>("via");
        QTest::newRow("<<") << "collega";
        QTest::newRow("dalla lista") << "lista";
        QTest::newRow("da un altro collettore") << "albero";
    }
    void limiteDodici()
    {
        QFETCH(QString, via);
        prepara();
        const int c1 = collettoreCon("C1", 11);
        a().Nuovo("C2");
        const int c2 = 1;
        QVERIFY(a().Collega(riga("Soggiorno - 12"), {c2, -1}));
        QVERIFY(a().Collega(riga("Soggiorno - 13"), {c2, -1}));
        QVERIFY(a().Collega(riga("Soggiorno - 14"), {c2, -1}));

        // Con 11 circuiti se ne accetta ancora uno, con 12 nessuno.
        auto sposta = [&](const QString& nome) {
            if (via == "collega")
                return a().Collega(riga(nome), {c1, 3});
            if (via == "lista")
                return a().TrascinaDallaLista(riga(nome), {c1, 0});
            return a().TrascinaNellAlbero({c2, 0}, {c1, 0});
        };
        QVERIFY(sposta("Bagno - 1"));
        QCOMPARE(a().Collettori()[c1].circuiti.size(), 12);
        const QStringList lista = a().Lista();
        const auto albero = a().Collettori();
        QVERIFY(!sposta("Bagno - 2"));
        VERIFICA_MESSAGGIO(registro, MsgDodici, TIcona::Esclamazione);
        QCOMPARE(a().Lista(), lista);
        QCOMPARE(a().Collettori()[c1].circuiti, albero[c1].circuiti);
        QCOMPARE(a().Collettori()[c2].circuiti, albero[c2].circuiti);
    }

    void piano_data()
    {
        QTest::addColumn<QString>("via");
        QTest::newRow("<<") << "collega";
        QTest::newRow("dalla lista") << "lista";
        QTest::newRow("da un altro collettore") << "albero";
    }
    void piano()
    {
        QFETCH(QString, via);
        prepara();
        a().Nuovo("Terra");
        a().Nuovo("Primo");
        // Il primo circuito di un collettore vuoto ne fissa il piano, qualunque sia.
        QVERIFY(a().Collega(riga("Camera - 1"), {1, -1}));
        QVERIFY(a().Collega(riga("Camera - 2"), {1, -1}));
        QVERIFY(a().Collega(riga("Soggiorno - 1"), {0, -1}));

        bool ok = false;
        if (via == "collega")
            ok = a().Collega(riga("Bagno - 1"), {1, 0});
        else if (via == "lista")
            ok = a().TrascinaDallaLista(riga("Bagno - 1"), {1, 1});
        else
            ok = a().TrascinaNellAlbero({0, 0}, {1, 1});
        QVERIFY(!ok);
        VERIFICA_MESSAGGIO(registro, MsgPiani, TIcona::Esclamazione);
        QCOMPARE(a().Collettori()[1].circuiti.size(), 2);
        QCOMPARE(a().Collettori()[0].circuiti.size(), 1);
        // Stesso piano: accettato.
        QVERIFY(a().Collega(riga("Camera - 3"), {1, -1}));
    }

    void ordineDeiControlli_data()
    {
        QTest::addColumn<QString>("via");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("<< controlla prima il piano") << "collega" << MsgPiani;
        QTest::newRow("il trascinamento prima i 12") << "lista" << MsgDodici;
        QTest::newRow("anche dall'albero") << "albero" << MsgDodici;
    }
    void ordineDeiControlli()
    {
        QFETCH(QString, via);
        QFETCH(QString, messaggio);
        prepara();
        const int pieno = collettoreCon("Pieno", 12);
        a().Nuovo("Primo");
        QVERIFY(a().Collega(riga("Camera - 1"), {1, -1}));
        bool ok = true;
        if (via == "collega")
            ok = a().Collega(riga("Camera - 2"), {pieno, -1});
        else if (via == "lista")
            ok = a().TrascinaDallaLista(riga("Camera - 2"), {pieno, 0});
        else
            ok = a().TrascinaNellAlbero({1, 0}, {pieno, 5});
        QVERIFY(!ok);
        VERIFICA_MESSAGGIO(registro, messaggio, TIcona::Esclamazione);
    }

    void restituzioneInCimaTrascinamentoInFondo()
    {
        prepara();
        collettoreCon("C1", 3);
        const QString secondo = a().Collettori()[0].circuiti[1];
        const QString terzo = a().Collettori()[0].circuiti[2];
        QVERIFY(a().Restituisci({0, 1}));
        QCOMPARE(a().Lista().first(), secondo);
        // Senza selezione si prende l'ultimo nodo dell'albero.
        QVERIFY(a().Restituisci({}));
        QCOMPARE(a().Lista().first(), terzo);
        QCOMPARE(a().Lista()[1], secondo);
        // Un collettore non torna nella lista.
        QVERIFY(!a().Restituisci({0, -1}));
        QVERIFY(!a().TrascinaNellaLista({0, -1}));
        const QString primo = a().Collettori()[0].circuiti[0];
        QVERIFY(a().TrascinaNellaLista({0, 0}));
        QCOMPARE(a().Lista().last(), primo);
        QVERIFY(a().Collettori()[0].circuiti.isEmpty());
        // Con l'albero fatto del solo collettore vuoto non c'è circuito da restituire.
        QVERIFY(!a().Restituisci({}));
        a().Elimina(0);
        QVERIFY(!a().Restituisci({}));
        QCOMPARE(a().Lista().size(), 20);
    }

    void collegaSenzaSelezione()
    {
        prepara();
        QVERIFY(!a().Collega(-1, {})); // albero vuoto: nulla
        a().Nuovo("C1");
        a().Nuovo("C2");
        const QString primo = a().Lista().first();
        // Nessuna riga scelta: la prima; nessun nodo scelto: l'ultimo collettore.
        QVERIFY(a().Collega(-1, {}));
        QCOMPARE(a().Collettori()[1].circuiti, QStringList {primo});
        QCOMPARE(a().Lista().size(), 19);
        // Un nodo circuito sta per il suo collettore.
        QVERIFY(a().Collega(-1, {1, 0}));
        QCOMPARE(a().Collettori()[1].circuiti.size(), 2);
        QVERIFY(a().Collettori()[0].circuiti.isEmpty());
        QVERIFY(!a().Collega(40, {0, -1}));
    }

    void trascinamentoNellAlbero()
    {
        prepara();
        collettoreCon("C1", 3);
        collettoreCon("C2", 2);
        const QStringList c1 = a().Collettori()[0].circuiti;
        // Un collettore trascinato su un altro porta solo il suo primo circuito.
        QVERIFY(a().TrascinaNellAlbero({0, -1}, {1, 0}));
        QCOMPARE(a().Collettori()[0].circuiti, c1.mid(1));
        QCOMPARE(a().Collettori()[1].circuiti.last(), c1[0]);
        // Sul proprio collettore il circuito va in fondo.
        QVERIFY(a().TrascinaNellAlbero({0, 0}, {0, 1}));
        QCOMPARE(a().Collettori()[0].circuiti, (QStringList {c1[2], c1[1]}));
        // Il rilascio su un nodo collettore non è offerto; un collettore vuoto non porta nulla.
        QVERIFY(!a().TrascinaNellAlbero({0, 0}, {1, -1}));
        a().Nuovo("Vuoto");
        QVERIFY(!a().TrascinaNellAlbero({2, -1}, {0, 0}));
        // Dalla lista, senza nodo sotto il puntatore, nulla.
        QVERIFY(!a().TrascinaDallaLista(0, {}));
    }

    void collettoriEIndicatori_data()
    {
        QTest::addColumn<QString>("operazione");
        QTest::addColumn<bool>("cambia");
        QTest::newRow("nuovo") << "nuovo" << true;
        QTest::newRow("nuovo senza nome") << "nuovovuoto" << false;
        QTest::newRow("modifica") << "modifica" << true;
        QTest::newRow("elimina vuoto") << "elimina" << true;
        QTest::newRow("elimina con circuiti") << "eliminapieno" << false;
        QTest::newRow("<<") << "collega" << true;
        QTest::newRow(">>") << "restituisci" << true;
        QTest::newRow("nella lista") << "nellalista" << true;
        QTest::newRow("dalla lista") << "dallalista" << true;
        QTest::newRow("nell'albero") << "nellalbero" << true;
    }
    void collettoriEIndicatori()
    {
        QFETCH(QString, operazione);
        QFETCH(bool, cambia);
        prepara();
        collettoreCon("C1", 2);
        a().Nuovo("Vuoto");
        stato->CollettoriConfermati = stato->OttimizzazioneEseguita = true;
        int segnali = 0;
        const auto connessione = connect(&a(), &TAssegnazione::cambiato, this, [&] { ++segnali; });

        bool r = false;
        if (operazione == "nuovo")
            r = a().Nuovo("Collettore lungo") && a().Collettori().last().testo == "=>Collettore lu";
        else if (operazione == "nuovovuoto")
            r = a().Nuovo(QString());
        else if (operazione == "modifica")
            r = a().Rinomina(0, "Nord") && a().Collettori()[0].testo == "=>Nord"
                && a().Collettori()[0].Nome() == "Nord";
        else if (operazione == "elimina")
            r = a().Elimina(1) && a().NumeroCollettori() == 1;
        else if (operazione == "eliminapieno")
            r = a().Elimina(0);
        else if (operazione == "collega")
            r = a().Collega(0, {0, -1});
        else if (operazione == "restituisci")
            r = a().Restituisci({0, 0});
        else if (operazione == "nellalista")
            r = a().TrascinaNellaLista({0, 0});
        else if (operazione == "dallalista")
            r = a().TrascinaDallaLista(0, {0, 0});
        else if (operazione == "nellalbero")
            r = a().TrascinaNellAlbero({0, 0}, {0, 1});
        QCOMPARE(r, cambia);
        QCOMPARE(stato->CollettoriConfermati, !cambia);
        QCOMPARE(stato->OttimizzazioneEseguita, !cambia);
        disconnect(connessione);
        QCOMPARE(segnali, cambia ? 1 : 0);
    }

    void portataEPerdita_data()
    {
        QTest::addColumn<QList<float>>("q");
        QTest::addColumn<QList<float>>("dp");
        QTest::addColumn<double>("kvta");
        QTest::addColumn<double>("portata");
        QTest::addColumn<double>("perdita");
        QTest::newRow("100 + 150 l/h") << QList<float> {100, 150} << QList<float> {0, 0} << 1e9 << 251.0 << 1.0;
        QTest::newRow("caduta intera 1234") << QList<float> {0} << QList<float> {1234} << 2.0 << 1.0 << 1235.0;
        QTest::newRow("caduta 1234.6") << QList<float> {0} << QList<float> {1234.6f} << 2.0 << 1.0 << 1235.0;
        // 10000 × (0.2 / 2)² = 100, più 300 di circuito.
        QTest::newRow("con il collettore")
            << QList<float> {200, 100} << QList<float> {300, 350} << 2.0 << 301.0 << 401.0;
        // 10000 × (0.216 / 2.4)² = 81 esatto: anche qui si va all'intero successivo.
        QTest::newRow("intero esatto con KVTA 2.4") << QList<float> {216} << QList<float> {35} << 2.4 << 217.0 << 117.0;
    }
    void portataEPerdita()
    {
        QFETCH(QList<float>, q);
        QFETCH(QList<float>, dp);
        QFETCH(double, kvta);
        QFETCH(double, portata);
        QFETCH(double, perdita);
        a().Nuovo("C");
        for (int i = 0; i < q.size(); ++i) {
            TLocaleCalc l = locale(i + 1, "PT", QStringLiteral("L%1").arg(i), 1);
            l.QAs = q[i];
            l.DpAs = dp[i];
            stato->RisultatiLocali << l;
            a().AggiungiCircuitoNodo(EtichettaCircuito(l.Descrizione + " - 1", u's', i + 1));
        }
        QCOMPARE(PortataCollettore(a(), 0), portata);
        double d = 0;
        QVERIFY(PerditaCollettore(a(), 0, kvta, d));
        QCOMPARE(d, perdita);
        // Senza coefficiente di portata il calcolo non si può fare.
        QVERIFY(!PerditaCollettore(a(), 0, 0.0, d));
    }

    void tipo()
    {
        prepara(2);
        // Circuiti non assegnati.
        a().Nuovo("C1");
        QCOMPARE(stato->Tipo(), TEsitoTipo::Incompleta);
        VERIFICA_MESSAGGIO(registro, MsgNonAssegnati, TIcona::Esclamazione);

        while (!a().Lista().isEmpty()) {
            if (!a().Collega(0, {a().NumeroCollettori() - 1, -1})) {
                registro.PrendiTutti();
                a().Nuovo(QStringLiteral("C%1").arg(a().NumeroCollettori() + 1));
            }
        }
        // Soggiorno 1-12, Soggiorno 13-14, Camera 1-3 (primo piano), Bagno 1-2.
        QCOMPARE(a().NumeroCollettori(), 4);
        a().Nuovo("Vuoto");
        QCOMPARE(stato->Tipo(), TEsitoTipo::SenzaAnelli);
        VERIFICA_MESSAGGIO(registro, MsgSenzaAnelli, TIcona::Esclamazione);
        QVERIFY(dati->AuxCollettori->IsEmpty());
        QVERIFY(a().Elimina(4));

        // Un tipo che il catalogo non ha: KVTA 0, il calcolo si ferma subito, la vista si apre.
        datiGenerali("NONESISTE");
        QCOMPARE(stato->Tipo(), TEsitoTipo::Interrotto);
        QVERIFY(dati->AuxCollettori->IsEmpty());

        const auto [rif, kvta] = tipoDelCatalogo();
        if (rif.isEmpty())
            QSKIP("il catalogo non ha tipi di collettore con KVTA");
        QVERIFY(dati->AuxDGenerali->FieldByName("RIF_COLL").Imposta(rif));
        QVERIFY(dati->AuxDGenerali->Post());
        QCOMPARE(stato->Tipo(), TEsitoTipo::Calcolato);
        TTabella* t = dati->AuxCollettori;
        QCOMPARE(t->RecordCount(), 4);
        t->First();
        for (int k = 0; k < 4; ++k, t->Next()) {
            double dP = 0;
            QVERIFY(PerditaCollettore(a(), k, kvta, dP));
            QCOMPARE(t->FieldByName("ID").AsInteger(), k);
            QCOMPARE(t->FieldByName("Nome").AsString(), a().Collettori()[k].Nome());
            QCOMPARE(t->FieldByName("N_Circuiti").AsInteger(), int(a().Collettori()[k].circuiti.size()));
            QCOMPARE(t->FieldByName("Portata").AsFloat(), PortataCollettore(a(), k));
            QCOMPARE(t->FieldByName("dP").AsFloat(), dP);
            QCOMPARE(t->FieldByName("Descrizione").AsString(), rif);
        }
        // Con l'assegnazione confermata "Tipo" apre la vista sui dati memorizzati.
        stato->CollettoriConfermati = true;
        t->First();
        QVERIFY(t->FieldByName("Nome").Imposta("Altro") && t->Post());
        QCOMPARE(stato->Tipo(), TEsitoTipo::GiaConfermati);
        t->First();
        QCOMPARE(t->FieldByName("Nome").AsString(), QStringLiteral("Altro"));
    }

    void perditeConIlTipoDiOgniRiga()
    {
        const auto [rif, kvta] = tipoDelCatalogo();
        if (rif.isEmpty())
            QSKIP("il catalogo non ha tipi di collettore con KVTA");
        stato->RisultatiLocali = {locale(1, "PT", "Soggiorno", 2), locale(2, "P1", "Camera", 1)};
        stato->ModoTMandata = 2;
        stato->RisultatiRicalcolati = true;
        stato->RicostruisciCollettori();
        collettoreCon("C1", 2);
        a().Nuovo("C2");
        QVERIFY(a().Collega(riga("Camera - 1"), {1, -1}));
        datiGenerali(rif);
        QCOMPARE(stato->Tipo(), TEsitoTipo::Calcolato);
        TTabella* t = dati->AuxCollettori;
        // La seconda riga prende un tipo sconosciuto, poi si ricalcola: la prima riga riceve la sua
        // perdita, la seconda (KVTA 0) ferma il calcolo e resta com'era.
        t->First();
        QVERIFY(t->FieldByName("dP").Imposta(7.0) && t->Post());
        t->Next();
        QVERIFY(t->FieldByName("Descrizione").Imposta("NONESISTE") && t->FieldByName("dP").Imposta(9.0) && t->Post());
        QVERIFY(!RicalcolaPerditeCollettori(*dati, a()));
        QCOMPARE(t->RecNo(), 1); // torna alla riga di prima
        double atteso = 0;
        QVERIFY(PerditaCollettore(a(), 0, kvta, atteso));
        t->First();
        QCOMPARE(t->FieldByName("dP").AsFloat(), atteso);
        t->Next();
        QCOMPARE(t->FieldByName("dP").AsFloat(), 9.0);
        QCOMPARE(t->State(), TStato::Consultazione);

        // Cambio del tipo nei dati generali: tutte le righe prendono tipo e perdita nuovi.
        QVERIFY(AggiornaTipoCollettori(*dati, a(), rif));
        t->First();
        for (int k = 0; k < 2; ++k, t->Next()) {
            QVERIFY(PerditaCollettore(a(), k, kvta, atteso));
            QCOMPARE(t->FieldByName("Descrizione").AsString(), rif);
            QCOMPARE(t->FieldByName("dP").AsFloat(), atteso);
        }
        QVERIFY(!AggiornaTipoCollettori(*dati, a(), "NONESISTE"));
    }
};

QTEST_GUILESS_MAIN(TstCollettori)
#include "tst_collettori.moc"
