#pragma once
// Prima di toccare le tabelle: il file ha la forma di un progetto? Ogni record dello schema (nel
// formato corrente o in quello precedente) deve avere il suo ritorno a capo finale e un numero
// dove lo schema vuole un numero, con conti che il resto del file può contenere. Il formato
// precedente non ha etichetta: un file senza etichetta la cui intestazione (cliente e dati
// generali) non ha questa forma è di altro genere (binario, vuoto, testo, immagine).
class QIODevice;

enum class TFormaFile {
    Progetto, // lo schema è completo: si può leggere
    Danneggiato, // un progetto (etichetta in testa, o intestazione intera) che si interrompe o si guasta
    Estraneo, // un file di altro genere, che non va letto come progetto
};

// Percorre lo schema dal primo byte e torna al primo byte. I dispositivi che non si possono
// riavvolgere passano senza controllo (la lettura stessa ne segnalerà i guasti).
TFormaFile FormaFile(QIODevice& dispositivo);
