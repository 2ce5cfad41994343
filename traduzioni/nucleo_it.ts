<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="it">
<context>
    <name>En1264</name>
    <message>
        <source>oltre qG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>qG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As [W/mq]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Am [W/mq]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Am</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carico estivo [W]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resa estiva [W]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T Sup. [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T rugiada [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portata [l/h]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Locali</name>
    <message>
        <source>Il valore &quot;%1&quot; della colonna Bagno non è né Sì né No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il carico estivo &quot;%1&quot; non è un numero da 0 a 1000000 W.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessaggiCollettori</name>
    <message>
        <source>Non possono essere collegati allo stesso collettore

anelli appartenenti a piani diversi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non possono essere collegati più di 12 anelli per collettore!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non sono stati assegnati tutti gli anelli.

Completare l&apos;assegnamento prima di procedere alla scelta dei collettori.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ci sono collettori senza alcun anello assegnato.

Completare le assegnazioni o eliminare il collettore.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessaggiOtt</name>
    <message>
        <source>Non è possibile fare l&apos;ottimizzazione dei circuiti con più di 200 anelli.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non è possibile fare l&apos;ottimizzazione dei circuiti.

Alcuni circuiti sono più lunghi della matassa disponibile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non è possibile fare l&apos;ottimizzazione dei circuiti.

Occorre rivedere lo scarto minimo scelto per le matasse.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non è possibile fare l&apos;ottimizzazione dei circuiti.

Alcuni circuiti hanno lunghezza nulla.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Raffrescamento</name>
    <message>
        <source>condensa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sotto 19 °C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>insufficiente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Mandata minima sicura: %1 °C.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La mandata estiva di %1 °C è sotto il punto di rugiada (%2 °C): l&apos;acqua condenserebbe su tubi e collettori.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La mandata estiva di %1 °C non raffresca: il ritorno non sarebbe più freddo dell&apos;ambiente (%2 °C).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Con la mandata estiva di %1 °C il pavimento scende sotto il punto di rugiada (%2 °C) più il margine di %3 K: condenserebbe.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAnnullamenti</name>
    <message>
        <source>modifica pianta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>modifica dati cliente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>modifica dati generali</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inserimento locali</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inserimento locale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eliminazione locale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>modifica locale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>impostazione temperatura di mandata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>assegnazione automatica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nuovo collettore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eliminazione collettore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rinomina collettore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>collegamento circuiti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ritorno circuiti nella lista</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spostamento circuiti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>conferma collettori</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>annullamento conferma collettori</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tipo collettore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scelta regolazione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aggiunta prodotto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eliminazione prodotto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>modifica prodotto aggiuntivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ottimizzazione circuiti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bagni e raffrescamento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>impostazioni di posa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>modifica</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCalcoloOtt</name>
    <message>
        <source>Non è stato assegnato alcun circuito!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCatalogo</name>
    <message>
        <source>Il catalogo non si può leggere: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il catalogo è incompleto: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il catalogo è incompleto:
- %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il file è danneggiato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>manca la tabella %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nella tabella %1 manca la colonna %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nella tabella %1 mancano le colonne %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il file non contiene le tabelle di un catalogo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDati</name>
    <message>
        <source>Catalogo &quot;TVLITA&quot; non trovato: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catalogo &quot;TVLITA&quot;: &quot;%1&quot; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il catalogo non si può leggere: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il file non esiste.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il percorso %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il file è vuoto.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile aprire il catalogo &quot;TVLITA&quot;:
%1

%2

Per usare un altro catalogo impostare la variabile d&apos;ambiente TVLITA con il suo percorso, per esempio:
TVLITA=/percorso/tvlita.db termovela</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il catalogo non si può leggere: tabella %1, %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDisegno</name>
    <message>
        <source>millimetri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>centimetri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>decimetri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>metri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pollici</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>piedi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sconosciuta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il disegno di sfondo è danneggiato.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDistinta</name>
    <message>
        <source>il collettore %1 con %2 attacchi (tabella COLLETTORI)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la cassetta %1 del collettore %2 (tabella CASSETTE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il supporto %1 della cassetta %2 (tabella CASSACC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;articolo %1 (tabella %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>i componenti del regolatore %1 (tabella REGELETTRO)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il tubo %1 (tabella TUBO)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il pannello %1 (tabella ISOLANTE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nel catalogo mancano righe che la distinta dei materiali richiede:

- %1

Le voci corrispondenti mancano nel documento o vi compaiono senza descrizione e prezzo: completare il catalogo.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDocumento</name>
    <message>
        <source>Etichette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ottimizz. Circuiti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ottimizzazione circuiti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La cartella &quot;%1&quot; non si può creare: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La cartella &quot;%1&quot; non è scrivibile: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non si trova un nome libero per il documento nella cartella &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non è stato possibile creare il documento &quot;%1&quot;.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il documento è stato salvato in &quot;%1&quot;.

Non è stato possibile aprirlo con l&apos;applicazione predefinita.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progetto senza nome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparazione documento in corso...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDxfPosa</name>
    <message>
        <source>p %1 cm  L %2 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TElenco</name>
    <message>
        <source>Il file contiene più di %1 locali: un progetto non ne può avere di più.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il file supera %1: nessun elenco di locali è così grande.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lettura annullata.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il percorso %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sono accettati solo file .csv e .xlsx.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lettura dei locali</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TErrori</name>
    <message>
        <source>spazio su disco esaurito</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spazio su disco esaurito (quota dell&apos;utente)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il file supera la dimensione massima consentita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permesso negato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il disco è in sola lettura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file in uso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il file o la cartella non esiste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>una parte del percorso non è una cartella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>collegamento simbolico circolare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nome del file troppo lungo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il file esiste già</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>errore di lettura o scrittura sul disco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>troppi file aperti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>memoria esaurita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il file non si può spostare su un altro disco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>errore del sistema n. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>errore di lettura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>errore di scrittura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>risorse del sistema esaurite (spazio su disco o memoria)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il file non si può aprire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il file non si può sostituire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>errore sconosciuto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il file è in uso da un altro programma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il database è in sola lettura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il file è danneggiato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il file non è un database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>errore del database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>errore del database (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFileNormale</name>
    <message>
        <source>non esiste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>è un collegamento simbolico circolare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>è un collegamento simbolico a un file che non esiste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>non si può leggere: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>non è un file normale (è una pipe)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>non è un file normale (è un dispositivo)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>è un collegamento a un file che non esiste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permesso negato</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFoglio</name>
    <message>
        <source>Il file &quot;%1&quot; è troppo grande o danneggiato: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un valore numerico non è finito e non si può scrivere nel foglio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessuna cartella di lavoro aperta.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La cartella di lavoro non ha il foglio %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nome di foglio non valido: &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;unico foglio della cartella di lavoro non si può eliminare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Formula vuota per &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dimensioni dell&apos;immagine non valide.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;immagine &quot;%1&quot; non si può leggere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il file &quot;%1&quot; non è un&apos;immagine in un formato riconosciuto.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La parte &quot;%1&quot; della cartella di lavoro è danneggiata (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il file &quot;%1&quot; %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>supera %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indirizzo di cella non valido: &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manca la parte &quot;%1&quot; della cartella di lavoro.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il file &quot;%1&quot; non è una cartella di lavoro leggibile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>contiene più di %1 parti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le parti superano %1 in tutto una volta decompresse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la parte &quot;%1&quot; supera %2 una volta decompressa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la parte &quot;%1&quot; decompressa supera la dimensione che dichiara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile comporre il pacchetto della cartella di lavoro.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il modello &quot;%1&quot; non esiste.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il modello &quot;%1&quot; non si può leggere: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il file &quot;%1&quot; non si può leggere: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile scrivere il file &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riga %1 non valida per un&apos;interruzione di pagina.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non si possono inserire righe: il foglio è pieno.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stile di linea %1 non previsto.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voce di bordo %1 non valida per una cella.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intervallo di colonne non valido: &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riga %1 non valida.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TGeometria</name>
    <message>
        <source>Il contorno deve avere almeno tre vertici.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il contorno ha coordinate non valide.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il contorno ha due vertici consecutivi coincidenti (vertice %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il contorno ha area nulla.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il contorno si interseca con se stesso.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il contorno si interseca con se stesso vicino al punto (%1; %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il contorno del locale non è valido: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La zona senza tubi n. %1 non è valida: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le zone senza tubi coprono tutto il locale.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TImportaDxf</name>
    <message>
        <source>Il file è un DXF binario: salvarlo dal programma di disegno come DXF ASCII (testo).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il file non è un disegno DXF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il file DXF è danneggiato alla riga %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il disegno ha più di %1 elementi: non viene importato.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il file DXF è incompleto: manca la sua parte finale.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile aprire il file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il file è troppo grande (oltre %1 MB) per essere importato.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile leggere il file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il file DXF è danneggiato e non può essere letto.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il disegno, con i blocchi esplosi, supera %1 elementi: non viene importato.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alcuni blocchi inseriscono se stessi: quegli inserimenti sono stati ignorati.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blocchi annidati oltre %1 livelli sono stati ignorati.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alcuni inserimenti richiamano blocchi che non esistono nel file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n elementi con coordinate non valide sono stati ignorati.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TLocaliFile</name>
    <message>
        <source>Un locale è in modifica.

Confermarlo o annullarlo prima di importare altri locali.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessun progetto aperto: non ci sono locali da importare o esportare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le colonne &quot;%1&quot; e &quot;%2&quot; indicano lo stesso dato.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mancano le colonne: %1.

La prima riga deve riportare i titoli delle colonne della griglia dei locali.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il testo della colonna &quot;%1&quot; contiene un carattere nullo (NUL).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il rivestimento &quot;%1&quot; non è nel catalogo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il testo &quot;%1&quot; supera i %2 caratteri del campo %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valore rifiutato per il campo %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessun locale importato da &quot;%1&quot;: una riga è stata rifiutata.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessun locale importato da &quot;%1&quot;: %2 righe sono state rifiutate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Riga %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
... e un&apos;altra riga rifiutata.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
... e altre %1 righe rifiutate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile leggere il file &quot;%1&quot;.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importazione annullata: nessun locale aggiunto.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il file &quot;%1&quot; non è un elenco di locali. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il file &quot;%1&quot; non contiene locali.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessun locale importato da &quot;%1&quot;: il progetto avrebbe %2 locali, più dei %3 che può avere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Controllo dei locali</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessun locale importato da &quot;%1&quot;: il database non ha registrato i locali.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importato un locale da &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importati %1 locali da &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile scrivere il file &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile esportare i locali in &quot;%1&quot;.

Sono accettati solo file .csv e .xlsx.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile esportare i locali in &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esportato un locale in &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esportati %1 locali in &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fogli di calcolo (*.csv *.xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMinimo</name>
    <message>
        <source>Limite inferiore [m]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPavRad</name>
    <message>
        <source>Locale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Am</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Integr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T Sup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dp As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L Am</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q Am</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dp Am</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPianta</name>
    <message>
        <source>I dati della pianta sono danneggiati.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La pianta è stata salvata da una versione più recente del programma e non può essere letta.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I dati della pianta sono danneggiati (piano %1).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPosa</name>
    <message>
        <source>Circuito %1 della %2: l&apos;ingresso scelto è lontano dalla sua parte, si usa quello automatico.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zona marginale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zona principale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circuito %1 della %2: passo non calcolato.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessuna area di posa per questo circuito.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circuito %1 della %2: posato a %3 (%4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serpentina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spirale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circuito %1 della %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il collettore è fuori da ogni locale del piano: i collegamenti escono dai locali.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La spirale piegherebbe più stretta del raggio minimo o si avvicinerebbe a sé stessa più del passo.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPosaPianta</name>
    <message>
        <source>Locale %1 (%2): %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nessun contorno nella pianta del piano.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nessun collettore posizionato sul piano.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locale %1 (%2): l&apos;area utile è divisa in %3 pezzi dalle zone senza tubo, si posa il più grande (%4 m² di %5 m²).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locale %1 (%2): nessun muro esterno segnato, la zona marginale non si posa.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il collettore %1 è fuori da ogni locale del piano: i collegamenti escono dai locali.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il piano non ha una pianta.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TRipartitore</name>
    <message>
        <source>L&apos;area utile è divisa in %1 pezzi dalle zone senza tubo: si posa il più grande (%2 m² di %3 m²).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tolti %1 m² di strisce più strette di %2 cm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La parte %1 è divisa in %2 pezzi: il circuito copre il più grande (%3 m² di %4 m²).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSerpentina</name>
    <message>
        <source>La parte è troppo stretta per un circuito al passo di %1 cm.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSpirale</name>
    <message>
        <source>La parte è troppo stretta per un circuito al passo di %1 cm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>posato a serpentina (la spirale copriva solo il %1% della parte)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTabella</name>
    <message>
        <source>tabella non disponibile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; non è un valore valido per il campo %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTavola</name>
    <message>
        <source>Legenda dei circuiti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rif. - Circuito</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collettore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lungh.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... e altri %1 circuiti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totale tubo del piano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavola</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavola impianto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progetto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cliente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progettista</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scala</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Foglio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavola impianto - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il piano %1 non entra nel foglio nemmeno alla scala 1:1000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il piano %1 non entra nel foglio alla scala 1:%2: disegnato alla scala 1:%3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTavolaImpianto</name>
    <message>
        <source>Il progetto non ha una pianta: disegnarla con &quot;Pianta...&quot; nella pagina &quot;Locali&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavola impianto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non è stato possibile creare la cartella &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessun piano della pianta ha locali con il contorno: non c&apos;è nulla da disegnare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavola impianto creata. Da controllare:

</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTracciatore</name>
    <message>
        <source>Il percorso del circuito è degenere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il percorso del circuito si avvicina troppo a sé stesso.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il circuito uscirebbe dall&apos;area di posa.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TValoriLocali</name>
    <message>
        <source>Locale %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locale %1: il collettore dista %2 m, oltre i %3 m ammessi.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TestiRegole</name>
    <message>
        <source>Il valore dell&apos;area ambienti è fuori range.

Sono accettati valori nel range 1-5000 [mq].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il valore della T ambiente è fuori range.

Sono accettati valori nel range 1-30 [°C].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il valore del Carico Termico è fuori range.

Sono accettati valori nel range 1-600 [kW].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il valore dello Spessore Rivestimento è fuori range.

Sono accettati valori nel range 1-100 [mm].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il valore della Distanza dal Collettore è fuori range.

Sono accettati valori nel range 0-100 [m].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;Area utile deve avere un valore maggiore o uguale a 1 [mq].

Inoltre non deve essere superiore all&apos;Area Totale.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;Area Marginale deve avere un valore maggiore o uguale a 0 [mq].

Deve inoltre essere minore o uguale all&apos;Area Utile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non è stato inserito un valore per il campo Descrizione.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non è stato inserito un valore per il campo Piano.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non è stato inserito un valore per il campo TAmbiente.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non è stato inserito un valore per il campo Area.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non è stato inserito un valore per il campo Area Utile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non è stato inserito un valore per il campo Carico Termico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non è stato inserito un valore per il campo Tipo di Rivestimento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non è stato inserito un valore per il campo Spessore del Rivestimento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non è stato inserito un valore per il campo Distanza dal Collettore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non è stato inserito un valore per lo spessore del massetto.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non è stato inserito un valore per lo spessore della soletta.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non è stato inserito un valore per lo spessore del rivestimento.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non è stato inserito un valore per la temperatura dei vani sottostanti.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non è stato inserito un valore per la lunghezza massima dei circuiti.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non è stato inserito un valore per il Delta T massimo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verificare di avere inserito tutti i dati e/o che il numero di ambiente digitato non sia già presente.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ufile</name>
    <message>
        <source>Caricamento Progetto in corso...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvataggio Progetto in corso...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore durante il salvataggio!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il file non è un progetto TERMOVELA valido.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I dati aggiuntivi in coda al progetto (bagni, raffrescamento, pianta) non si possono leggere tutti: sono danneggiati o di una versione più recente del programma.

Il resto del progetto è stato caricato; salvandolo, i dati illeggibili dei bagni e del raffrescamento andranno persi.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore durante il caricamento!

Il file di programma potrebbe essere stato cancellato!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
