#pragma once
// Vita della finestra principale: dura finché l'utente non esce; scelta un'altra lingua, al suo
// posto se ne crea una nuova in quella lingua, con il progetto aperto com'era.
#include <QString>

#include <functional>

class TDati;
class TTERMOVELA;

// I testi propri di Qt (pulsanti, finestre dei file) nella lingua delle traduzioni installate: in
// inglese sono già quelli di Qt.
void InstallaTraduzioneQt();

// Crea la finestra principale, apre `progetto` (se dato) ed esegue il ciclo degli eventi; dopo un
// cambio di lingua rifà la finestra e riprende il progetto. `mostrata` è chiamata appena la prima
// finestra è visibile, `pronta` con ogni finestra dopo l'apertura del progetto, prima del suo ciclo
// degli eventi. Restituisce il codice d'uscita (1 se le tabelle non si aprono).
int EseguiFinestraPrincipale(TDati& dati, const QString& progetto, const std::function<void()>& mostrata = {},
                             const std::function<void(TTERMOVELA&)>& pronta = {});
