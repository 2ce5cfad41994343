#pragma once
// Modulo dati: la connessione (catalogo in sola lettura + tabelle di lavoro in memoria),
// un dataset per tabella, le query condivise e i due indicatori di modifica.
#include "data/Utabella.h"

#include <QObject>
#include <QSqlDatabase>

#include <functional>

class TDati : public QObject
{
    Q_OBJECT
public:
    explicit TDati(QObject* parent = nullptr);
    ~TDati() override;

    // Percorso del catalogo che l'alias "TVLITA" indica: la variabile d'ambiente TVLITA se
    // impostata, altrimenti "tvlita.db" nella cartella del programma.
    static QString PercorsoCatalogo();
    // Prova ad aprire il catalogo come all'avvio: vuoto se si apre, altrimenti il messaggio da
    // mostrare prima di uscire (il file, il motivo, come indicarne un altro).
    static QString ProblemaCatalogo();

    // Apre la connessione; false con il motivo in UltimoErrore.
    bool Connetti();
    void Disconnetti();
    bool Connesso() const;
    const QString& UltimoErrore() const { return m_errore; }
    QSqlDatabase Database() const { return m_db; }

    // Apre tutte le tabelle nell'ordine stabilito e svuota le tabelle di lavoro a più record.
    bool ApriTutto();
    void ChiudiTutto();

    // Prima riga della tabella di catalogo in cui la colonna vale il valore, su Query1;
    // false quando non c'è. Il valore è legato come parametro.
    bool Cerca(const QString& tabella, const QString& colonna, const QVariant& valore);

    // Tabelle di catalogo (sola lettura).
    TTabella* Catalogo;
    TTabella* Isolante;
    TTabella* RivestimentoF;
    TTabella* Strutture;
    TTabella* Solette;
    TTabella* Tubo;
    TTabella* Collettori;
    TTabella* TERMAMB;
    TTabella* REGAMB;
    TTabella* COLLCALD;
    TTabella* ATTUATORI;
    TTabella* REGELETTRO;

    // Tabelle di lavoro del progetto.
    TTabella* AuxInfo;
    TTabella* AuxDGenerali;
    TTabella* AuxLocali;
    TTabella* AuxCollettori;
    TTabella* AuxPrev;
    TTabella* AuxCompAgg;
    TTabella* AuxCircuiti;
    TTabella* AuxRotoli;
    TTabella* AuxRegol;

    TQuery* Query1;
    TQuery* QCompAgg;
    TQuery* Query2;

    bool DGeneraliModificati = false;
    bool LocaliModificati = false;
    // Il progetto è cambiato dall'ultima apertura o dall'ultimo salvataggio: alzato da ogni riga
    // registrata o cancellata e dallo stato del progetto (assegnazione, impostazioni), tolto da
    // chi apre e da chi salva. Decide se chiudere il progetto chiede conferma.
    bool ProgettoModificato = false;

    // Le righe che l'ultima distinta dei materiali (in AuxPrev) ha cercato nel catalogo senza
    // trovarle, una frase per riga: le voci che mancano nel documento.
    QStringList MancanzeDistinta;

    // Le regole delle aree agiscono solo mentre la finestra di progetto mostra la pagina
    // "Locali": la finestra (o un test) risponde a questa domanda.
    std::function<bool()> PaginaLocaliVisibile;
    bool PaginaLocaliAttiva() const { return PaginaLocaliVisibile && PaginaLocaliVisibile(); }

    // Tabelle in ordine di apertura.
    QVector<TTabella*> Tabelle() const;
    // Le sei tabelle di lavoro a più record, svuotate all'apertura.
    QVector<TTabella*> TabelleMultiRecord() const;

private:
    TTabella* nuova(const QString& oggetto, const QString& fisica, const QString& ordine = {}, bool catalogo = false);
    void InstallaRegole();

    QSqlDatabase m_db;
    QString m_nomeConnessione;
    QString m_errore;
};
