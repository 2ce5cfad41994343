#pragma once
// Pagina "Dati Generali Impianto" della finestra di progetto: massetto, rivestimento, soletta,
// isolante, tubo, temperature e lunghezze, tipo di collettore, tutti in AuxDGenerali.
#include "editor/Upagina.h"

#include <QHash>
#include <QVariant>

class TDBEdit;
class TDBLookupComboBox;
class TDBNavigator;
class TTabella;

// Tubo e pannello isolante vanno d'accordo? Vuoto se sì, altrimenti il messaggio da mostrare
// (quello della regola del tubo o del pannello, secondo daTubo). Codici confrontati per intero.
QString MessaggioCompatibilita(const QString& rifTubo, const QString& codicePannello, bool daTubo);

class TPaginaDatiGenerali : public TPaginaProgetto
{
    Q_OBJECT
public:
    explicit TPaginaDatiGenerali(TProgetto& progetto);

    TDBLookupComboBox* DBLookupComboBox1; // massetto (STRUTTURE)
    TDBEdit* DBEdit6; // spessore del massetto [mm]
    TDBLookupComboBox* DBLookupComboBox4; // rivestimento (RIVESTIMENTOF)
    TDBEdit* DBEdit9; // spessore del rivestimento [mm]
    TDBLookupComboBox* DBLookupComboBox2; // soletta (SOLETTE)
    TDBEdit* DBEdit7; // spessore della soletta [cm]
    TDBLookupComboBox* DBLookupComboBox5; // pannello isolante (ISOLANTE)
    TDBLookupComboBox* DBLookupComboBox3; // tubo (DESCRTUBO, chiave RIF)
    TDBEdit* DBEdit12; // temperatura dei vani sottostanti
    TDBEdit* DBEdit11; // lunghezza massima dei circuiti
    TDBEdit* DBEdit10; // salto termico massimo
    TDBLookupComboBox* DBLookupComboBox6; // tipo di collettore (DESCRCOLL, chiave RIF)
    TDBNavigator* DBNavigator2;

public Q_SLOTS:
    // Regole di copia dal catalogo alla chiusura delle liste.
    void DBLookupComboBox1CloseUp();
    void DBLookupComboBox4CloseUp();
    void DBLookupComboBox2CloseUp();
    void DBLookupComboBox3CloseUp();
    void DBLookupComboBox5CloseUp();
    // Tipo di collettore: modo della regolazione, quantità da rifare, collettori confermati.
    void DBLookupComboBox6CloseUp();

private:
    // Riga del catalogo scelta nella lista (-1 se nessuna).
    int rigaScelta(const TDBLookupComboBox* lista, TTabella* catalogo, const QString& chiave) const;
    void copia(TTabella* catalogo, int riga, const char* da, const char* in);
    // Controllo di compatibilità: se fallisce, messaggio e solo la scelta rifiutata (codice e
    // valori copiati) torna com'era; le altre modifiche non confermate restano.
    void compatibilita(const QString& rifTubo, const QString& codicePannello, bool daTubo);

    // Ultimi valori accettati dei campi di tubo e pannello nel record in modifica, per nome.
    QHash<QString, QVariant> m_accettati;
};
