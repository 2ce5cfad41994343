#pragma once
// Pagina "Regolazione" della finestra di progetto: termostati e attuatori dei locali, collettore
// di caldaia con il motore della miscelatrice, regolatore elettronico e loro quantità, tutti nel
// record unico di AuxRegol.
#include "editor/Upagina.h"

#include <QList>
#include <QPair>
#include <QVariant>

#include <optional>

class QGroupBox;
class QLabel;
class QPushButton;
class TDBEdit;
class TDBLookupComboBox;
class TDBNavigator;

// Un attuatore "J91" serve un collettore intero: va con i collettori "V220L" e solo con quelli,
// e mai senza regolazione di caldaia (modo 0). Nessun attuatore scelto non è incompatibile.
bool AttuatoreCompatibile(const QString& attuatore, const QString& tipoCollettore, int modoRegolazione);

class TPaginaRegolazione : public TPaginaProgetto
{
    Q_OBJECT
public:
    explicit TPaginaRegolazione(TProgetto& progetto);

    // Calcolo e liste dei collettori ricostruite se serve.
    void Entra() override;
    // I cinque controlli che seguono ModoRegolazione (1 abilitati, 0 disabilitati).
    void AbilitaControlli(bool abilitati);

    QGroupBox* GroupBoxAmbiente;
    QGroupBox* GroupBoxCaldaia;
    QGroupBox* GroupBoxElettronica;
    TDBLookupComboBox* DBLookupComboBox7;
    TDBLookupComboBox* DBLookupComboBox8;
    TDBLookupComboBox* DBLookupComboBox9;
    TDBLookupComboBox* DBLookupComboBox10;
    TDBLookupComboBox* DBLookupComboBox11;
    TDBEdit* DBEdit8;
    TDBEdit* DBEdit13;
    TDBEdit* DBEdit14;
    TDBEdit* DBEdit15;
    TDBNavigator* DBNavigator5;
    QPushButton* BitBtn6;

public Q_SLOTS:
    void DBLookupComboBox8CloseUp();
    void DBLookupComboBox9CloseUp();
    void DBLookupComboBox10CloseUp();
    // Conferma del navigatore: l'attuatore registrato deve andare con il tipo di collettore.
    void DBNavigator5Conferma();
    void BitBtn6Click();

private:
    void crea();
    QString valore(const QString& campo) const;
    // Scrive i campi e conferma il record.
    void imposta(const QList<QPair<QString, QVariant>>& valori);
    QString tipoCollettore() const;
    // CHECK della riga del catalogo con quel codice; nullopt se la riga non c'è.
    std::optional<int> check(const QString& tabella, const QString& codice) const;
    void calcolaQuantita();
    // Rimette l'attuatore rifiutato all'ultima scelta accettata (o a quello confermato).
    void rimettiAttuatore();
    // Ultimo attuatore accettato del record in modifica; non valido dopo conferma o annullamento.
    QVariant m_attuatoreAccettato;
};
