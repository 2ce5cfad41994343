#pragma once
// Elenco dei progetti usati di recente. Il file corrente non compare: entra in cima quando un
// altro file, o nessuno, diventa corrente. L'elenco sopravvive fra un'esecuzione e l'altra nel
// file "History" della cartella di lavoro (una riga per percorso, CR LF, code page Windows-1252),
// letto alla creazione e scritto a ogni cambiamento. Il menu che lo mostra è in app/.
#include <QString>
#include <QStringList>

class TCronologia
{
public:
    TCronologia(int massimo, const QString& percorsoFile);

    // Il file aperto o salvato con nome (vuoto: nessun file corrente).
    void ImpostaCorrente(const QString& percorso);
    // Il file corrente non si è potuto aprire: smette di essere corrente senza entrare nell'elenco.
    void ScartaCorrente();

    const QStringList& Voci() const { return m_voci; }
    const QString& Corrente() const { return m_corrente; }
    const QString& PercorsoFile() const { return m_percorsoFile; }

    // Lettura e scrittura del file della cronologia; false se non riescono.
    static bool Leggi(const QString& percorso, QStringList& voci);
    static bool Scrivi(const QString& percorso, const QStringList& voci);
    // Le voci dal contenuto del file.
    static QStringList VociDa(const QByteArray& contenuto);

private:
    void salva();

    int m_massimo;
    QString m_percorsoFile;
    QStringList m_voci;
    QString m_corrente;
};
