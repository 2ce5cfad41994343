// La base dei comandi di tvl, il loro elenco, l'uscita e il comando intero.
#include "cli/Utvl.h"
#include "data/Umessaggi.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QRegularExpression>

namespace {
// stdout e stderr del processo, in UTF-8. Subito, non a blocchi: un avviso su stderr (non
// bufferizzato) non deve cadere a metà di una riga quando le due uscite vanno nello stesso file.
class TUscitaProcesso : public TUscitaTvl
{
public:
    void Scrivi(const QString& testo) override
    {
        std::fputs(testo.toUtf8().constData(), stdout);
        std::fflush(stdout);
    }
    void ScriviErrore(const QString& testo) override { std::fputs(testo.toUtf8().constData(), stderr); }
};

TUscitaTvl* installata = nullptr;

// I messaggi del programma durante un comando: come quelli della console, sull'uscita di tvl.
class TMessaggiTvl : public TMessaggi
{
public:
    bool mostra(const TMessaggio& m) override
    {
        StampaErrore(QStringLiteral("%1: %2\n").arg(m.titolo, QString(m.testo).replace(u'\n', u' ')));
        return false;
    }
};

QString NomeOpzione(const QString& nome)
{
    return (nome.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + nome;
}

// Il motivo di un errore del parser, in italiano.
QString MotivoParser(const QCommandLineParser& p)
{
    if (!p.unknownOptionNames().isEmpty())
        return QStringLiteral("opzione sconosciuta %1").arg(NomeOpzione(p.unknownOptionNames().constFirst()));
    const QString testo = p.errorText();
    const auto m = QRegularExpression(QStringLiteral("'([^']*)'")).match(testo);
    const QString opzione = m.hasMatch() ? m.captured(1) : QString();
    if (testo.startsWith(QLatin1String("Missing value")))
        return QStringLiteral("manca il valore di %1").arg(opzione);
    if (testo.startsWith(QLatin1String("Unexpected value")))
        return QStringLiteral("%1 non vuole un valore").arg(opzione);
    return testo;
}

const char* const Codici = R"(
Codici d'uscita:
  0  riuscito
  1  errore: file, catalogo, dati rifiutati o scrittura (il motivo su stderr)
  2  uso sbagliato: comando, opzione o argomenti (il motivo e l'aiuto su stderr)
  3  tvl distinta, tvl documento: fatti, ma al catalogo manca una riga che la distinta richiede
)";

QString AiutoGenerale()
{
    QString testo = QStringLiteral("uso: tvl COMANDO [argomenti]   (tvl COMANDO --help: l'aiuto del comando)\n\n");
    for (const auto& c : ComandiTvl())
        testo += QStringLiteral("  %1\n").arg(c->Sintesi());
    return testo + QString::fromUtf8(Codici);
}
} // namespace

TUscitaTvl& TUscitaTvl::istanza()
{
    static TUscitaProcesso processo;
    return installata ? *installata : processo;
}

void TUscitaTvl::installa(TUscitaTvl* uscita)
{
    installata = uscita;
}

TComandoTvl::TComandoTvl(QString nome, QString sintesi, QString aiuto, int minimi, int massimi)
    : nome(std::move(nome))
    , sintesi(std::move(sintesi))
    , aiuto(std::move(aiuto))
    , minimi(minimi)
    , massimi(massimi)
{ }

TComandoTvl::~TComandoTvl() = default;

void TComandoTvl::Opzione(const QStringList& nomi, const QString& valore)
{
    opzioni.push_back(std::make_unique<QCommandLineOption>(nomi, QString(), valore));
}

QStringList TComandoTvl::NomiOpzioni() const
{
    QStringList nomi;
    for (const auto& o : opzioni)
        for (const QString& n : o->names())
            nomi << NomeOpzione(n);
    return nomi;
}

int TComandoTvl::Avvia(const QStringList& argomenti)
{
    QCommandLineParser p;
    // "-o FILE" come nome intero: nessuna opzione di tvl si scrive a lettere raggruppate.
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const auto& o : opzioni)
        p.addOption(*o);
    const QCommandLineOption aiutoOpzione(QStringList {QStringLiteral("h"), QStringLiteral("help")});
    p.addOption(aiutoOpzione);
    if (!p.parse(QStringList {QStringLiteral("tvl")} + argomenti))
        return Uso(MotivoParser(p));
    if (p.isSet(aiutoOpzione)) {
        Stampa(aiuto);
        return Riuscito;
    }
    const QStringList posizionali = p.positionalArguments();
    if (posizionali.size() < minimi || (massimi >= 0 && posizionali.size() > massimi))
        return Uso();
    return Esegui(p, posizionali);
}

int TComandoTvl::Errore(const QString& testo) const
{
    return ErroreComando(nome, testo);
}

int TComandoTvl::Uso(const QString& motivo) const
{
    if (!motivo.isEmpty())
        StampaErrore(QStringLiteral("tvl %1: %2\n\n").arg(nome, motivo));
    StampaErrore(aiuto);
    return UsoErrato;
}

const std::vector<std::unique_ptr<TComandoTvl>>& ComandiTvl()
{
    static const auto comandi = [] {
        std::vector<std::unique_ptr<TComandoTvl>> c;
        for (auto fabbrica :
             {ComandoCatalogo, ComandoInfo, ComandoCopia, ComandoCalcola, ComandoDistinta, ComandoDocumento,
              ComandoImporta, ComandoEsporta, ComandoAssegna, ComandoPosa, ComandoPianta, ComandoOttimizza})
            c.push_back(fabbrica());
        return c;
    }();
    return comandi;
}

int EseguiTvl(const QStringList& argomenti)
{
    if (argomenti.isEmpty()) {
        StampaErrore(AiutoGenerale());
        return UsoErrato;
    }
    const QString& primo = argomenti.constFirst();
    if (primo == QLatin1String("--help") || primo == QLatin1String("-h")) {
        Stampa(AiutoGenerale());
        return Riuscito;
    }
    for (const auto& c : ComandiTvl())
        if (c->Nome() == primo) {
            TMessaggi& prima = TMessaggi::istanza();
            TMessaggiTvl messaggi;
            TMessaggi::installa(&messaggi);
            const int esito = c->Avvia(argomenti.mid(1));
            TMessaggi::installa(&prima);
            return esito;
        }
    StampaErrore(QStringLiteral("tvl: comando sconosciuto \"%1\"\n\n").arg(primo) + AiutoGenerale());
    return UsoErrato;
}
