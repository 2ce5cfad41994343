#pragma once
// Elenco dei progetti usati di recente nel menu "Progetto". Il file corrente non compare:
// entra in cima quando un altro file, o nessuno, diventa corrente. L'elenco sopravvive fra
// un'esecuzione e l'altra nel file "History" della cartella di lavoro (una riga per percorso,
// CR LF, code page Windows-1252), letto alla creazione e scritto a ogni cambiamento.
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class QAction;
class QMenu;

class TFileHistory : public QObject
{
    Q_OBJECT
public:
    using TAzione = std::function<void(QObject* proprietario, const QString& percorso)>;

    // Le voci si inseriscono nel menu subito dopo ancora.
    TFileHistory(int massimo, const QString& percorsoFile, QMenu* menu, QAction* ancora, TAzione azione,
                 QObject* proprietario);
    // Il file corrente entra nell'elenco, che si salva; se il salvataggio non riesce lo dice.
    ~TFileHistory() override;

    // Il file aperto o salvato con nome (vuoto: nessun file corrente).
    void ImpostaCorrente(const QString& percorso);
    // Il file corrente non si è potuto aprire: smette di essere corrente senza entrare nell'elenco.
    void ScartaCorrente();

    const QStringList& Voci() const { return m_voci; }
    const QString& Corrente() const { return m_corrente; }
    // Voci del menu, nell'ordine dell'elenco.
    QList<QAction*> Azioni() const { return m_azioni; }

    // Lettura e scrittura del file della cronologia; false se non riescono.
    static bool Leggi(const QString& percorso, QStringList& voci);
    static bool Scrivi(const QString& percorso, const QStringList& voci);
    // Le voci dal contenuto del file.
    static QStringList VociDa(const QByteArray& contenuto);

private:
    void ricostruisci();
    void salva();
    void scelta(QAction* voce);

    int m_massimo;
    QString m_percorsoFile;
    QPointer<QMenu> m_menu;
    QPointer<QAction> m_ancora;
    TAzione m_azione;
    QObject* m_proprietario;
    QStringList m_voci;
    QString m_corrente;
    QList<QAction*> m_azioni;
    QPointer<QAction> m_separatoreFinale;
};
