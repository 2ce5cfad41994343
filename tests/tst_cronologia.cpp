// Cronologia dei progetti recenti: voci del menu dopo N1, separatore finale, massimo 10, doppioni
// senza badare alle maiuscole, file "History" in Windows-1252 con CR LF.
#include "aiuti/RegistroMessaggi.h"
#include "app/Ucronologia.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray leggi(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<mancante>");
}

void scrivi(const QString& percorso, const QByteArray& byte)
{
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(byte);
}
} // namespace

class TstCronologia : public QObject
{
    Q_OBJECT

    TRegistroMessaggi registro;
    QTemporaryDir cartella;
    QString file;
    // Il menu "Progetto" ridotto all'essenziale: le voci vanno fra N1 e "Chiudi".
    QMenu* menu = nullptr;
    QAction* n1 = nullptr;
    QStringList aperti;

    QStringList testi() const
    {
        QStringList l;
        for (QAction* a : menu->actions())
            l << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return l;
    }
    std::unique_ptr<TFileHistory> crea()
    {
        return std::make_unique<TFileHistory>(
            10, file, menu, n1,
            [this](QObject* proprietario, const QString& p) {
                QCOMPARE(proprietario, this);
                aperti << p;
            },
            this);
    }

private Q_SLOTS:
    void init()
    {
        file = cartella.filePath(QStringLiteral("History"));
        QFile::remove(file);
        menu = new QMenu;
        menu->addAction(QStringLiteral("Salva con Nome..."));
        n1 = menu->addSeparator();
        menu->addAction(QStringLiteral("Chiudi"));
        aperti.clear();
    }
    void cleanup()
    {
        delete menu;
        QVERIFY(registro.Controlla());
    }

    // Primo avvio: apro A, chiudo, apro B; il menu mostra A, il file alla fine B poi A.
    void primoAvvio()
    {
        auto h = crea();
        QCOMPARE(testi(), (QStringList {"Salva con Nome...", "-", "Chiudi"}));
        h->ImpostaCorrente(QStringLiteral("/prog/A.tvl"));
        QCOMPARE(testi(), (QStringList {"Salva con Nome...", "-", "Chiudi"}));
        h->ImpostaCorrente(QString());
        h->ImpostaCorrente(QStringLiteral("/prog/B.tvl"));
        QCOMPARE(testi(), (QStringList {"Salva con Nome...", "-", "&1 /prog/A.tvl", "-", "Chiudi"}));
        // La scelta passa il percorso all'azione senza spostare la voce.
        h->Azioni().first()->trigger();
        QCOMPARE(aperti, QStringList {"/prog/A.tvl"});
        QCOMPARE(h->Voci(), QStringList {"/prog/A.tvl"});
        h.reset();
        QCOMPARE(leggi(file), QByteArray("/prog/B.tvl\r\n/prog/A.tvl\r\n"));
    }

    // Salvare A con il nome B: A entra in cima, B è corrente e non è elencato. Un percorso che
    // diventa corrente esce dall'elenco anche se differisce solo per le maiuscole.
    void correnteEDoppioni()
    {
        scrivi(file, "/p/C.tvl\r\n/p/a.TVL\r\n/p/D.tvl\r\n");
        auto h = crea();
        QCOMPARE(h->Voci(), (QStringList {"/p/C.tvl", "/p/a.TVL", "/p/D.tvl"}));
        h->ImpostaCorrente(QStringLiteral("/P/A.tvl"));
        QCOMPARE(h->Voci(), (QStringList {"/p/C.tvl", "/p/D.tvl"}));
        h->ImpostaCorrente(QStringLiteral("/p/B.tvl"));
        QCOMPARE(h->Voci(), (QStringList {"/P/A.tvl", "/p/C.tvl", "/p/D.tvl"}));
        QCOMPARE(testi().mid(2, 4), (QStringList {"&1 /P/A.tvl", "&2 /p/C.tvl", "&3 /p/D.tvl", "-"}));
    }

    // Un file di 15 righe dà 10 voci; la decima ha "&10"; chiudere con 10 voci fa cadere la più
    // vecchia; alla fine si salvano 10 righe.
    void massimoDieci()
    {
        QByteArray righe;
        for (int i = 1; i <= 15; ++i)
            righe += "/p/" + QByteArray::number(i) + ".tvl\r\n";
        scrivi(file, righe);
        auto h = crea();
        QCOMPARE(h->Voci().size(), 10);
        QCOMPARE(h->Azioni().size(), 10);
        QCOMPARE(h->Azioni().last()->text(), QStringLiteral("&10 /p/10.tvl"));
        h->ImpostaCorrente(QStringLiteral("/p/nuovo.tvl"));
        h->ImpostaCorrente(QString());
        QCOMPARE(h->Voci().first(), QStringLiteral("/p/nuovo.tvl"));
        QCOMPARE(h->Voci().last(), QStringLiteral("/p/9.tvl"));
        QCOMPARE(testi().count(QStringLiteral("-")), 2);
        h.reset();
        QByteArray attesi = "/p/nuovo.tvl\r\n";
        for (int i = 1; i <= 9; ++i)
            attesi += "/p/" + QByteArray::number(i) + ".tvl\r\n";
        QCOMPARE(leggi(file), attesi);
    }

    // I percorsi passano per la code page di Windows: "è" è il byte E8, "€" l'80.
    void codePage()
    {
        scrivi(file, "/p/caff\xE8.tvl\r\n/p/\x80.tvl\r\n");
        auto h = crea();
        QCOMPARE(h->Voci(), (QStringList {QStringLiteral("/p/caffè.tvl"), QStringLiteral("/p/€.tvl")}));
        h->ImpostaCorrente(QStringLiteral("/p/perché.tvl"));
        h.reset();
        QCOMPARE(leggi(file), QByteArray("/p/perch\xE9.tvl\r\n/p/caff\xE8.tvl\r\n/p/\x80.tvl\r\n"));
    }

    // Il file segue ogni cambiamento, con il file corrente in cima: un programma interrotto non
    // perde la cronologia. Un file che non si è aperto non entra nell'elenco.
    void scrittaAOgniCambiamento()
    {
        scrivi(file, "/p/C.tvl\r\n");
        auto h = crea();
        h->ImpostaCorrente(QStringLiteral("/p/A.tvl"));
        QCOMPARE(leggi(file), QByteArray("/p/A.tvl\r\n/p/C.tvl\r\n"));
        h->ImpostaCorrente(QString());
        h->ImpostaCorrente(QStringLiteral("/p/rotto.tvl"));
        QCOMPARE(leggi(file), QByteArray("/p/rotto.tvl\r\n/p/A.tvl\r\n/p/C.tvl\r\n"));
        h->ScartaCorrente();
        QCOMPARE(leggi(file), QByteArray("/p/A.tvl\r\n/p/C.tvl\r\n"));
        QCOMPARE(h->Corrente(), QString());
        h->ImpostaCorrente(QStringLiteral("/p/B.tvl"));
        QCOMPARE(h->Voci(), (QStringList {"/p/A.tvl", "/p/C.tvl"}));
        h.reset();
        QCOMPARE(leggi(file), QByteArray("/p/B.tvl\r\n/p/A.tvl\r\n/p/C.tvl\r\n"));
    }

    // Un file che non si può scrivere: "Could not save history file", titolo "Error", icona di stop.
    void salvataggioImpossibile()
    {
        file = cartella.filePath(QStringLiteral("manca/History"));
        auto h = crea();
        h->ImpostaCorrente(QStringLiteral("/p/A.tvl"));
        h.reset();
        const TMessaggio m = registro.Prendi();
        QCOMPARE(m.testo, QStringLiteral("Could not save history file"));
        QCOMPARE(m.titolo, QStringLiteral("Error"));
        QCOMPARE(m.icona, TIcona::Stop);
    }
};

QTEST_MAIN(TstCronologia)
#include "tst_cronologia.moc"
