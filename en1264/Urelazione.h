#pragma once
// Fogli della relazione tecnica per la verifica EN 1264 e il raffrescamento. Si aggiungono in
// coda solo quando il progetto usa queste funzioni: senza, la relazione resta quella di sempre.
#include <QStringList>

class TFoglio;
class TStatoProgetto;

// La relazione ha il foglio "Verifica EN 1264": il progetto ha dati EN 1264 propri (bagni scelti,
// carichi estivi, dati estivi o "T EN 1264").
bool RelazioneConVerifica(const TStatoProgetto& stato);
// La relazione ha il foglio "Raffrescamento": carichi estivi o dati estivi del progetto.
bool RelazioneConRaffrescamento(const TStatoProgetto& stato);

// Aggiunge i fogli che servono in fondo alla cartella; restituisce i loro titoli, nell'ordine,
// per il contenuto della copertina. rif: riferimento del progetto per l'intestazione.
QStringList AggiungiFogliEn1264(TFoglio& f, const TStatoProgetto& stato, const QString& rif);
