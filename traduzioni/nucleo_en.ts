<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
<context>
    <name>En1264</name>
    <message>
        <source>oltre qG</source>
        <translation>above qG</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>qG</source>
        <translation>qG</translation>
    </message>
    <message>
        <source>Verifica</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>As [W/mq]</source>
        <translation>As [W/m²]</translation>
    </message>
    <message>
        <source>As</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Am [W/mq]</source>
        <translation>Am [W/m²]</translation>
    </message>
    <message>
        <source>Am</source>
        <translation>Am</translation>
    </message>
    <message>
        <source>Locale</source>
        <translation>Room</translation>
    </message>
    <message>
        <source>Carico estivo [W]</source>
        <translation>Cooling load [W]</translation>
    </message>
    <message>
        <source>Resa estiva [W]</source>
        <translation>Cooling output [W]</translation>
    </message>
    <message>
        <source>T Sup. [°C]</source>
        <translation>T surf. [°C]</translation>
    </message>
    <message>
        <source>T rugiada [°C]</source>
        <translation>T dew point [°C]</translation>
    </message>
    <message>
        <source>Portata [l/h]</source>
        <translation>Flow rate [l/h]</translation>
    </message>
</context>
<context>
    <name>Locali</name>
    <message>
        <source>Il valore &quot;%1&quot; della colonna Bagno non è né Sì né No.</source>
        <translation>The value &quot;%1&quot; in the Bathroom column is neither Yes nor No.</translation>
    </message>
    <message>
        <source>Il carico estivo &quot;%1&quot; non è un numero da 0 a 1000000 W.</source>
        <translation>The cooling load &quot;%1&quot; is not a number from 0 to 1000000 W.</translation>
    </message>
</context>
<context>
    <name>MessaggiCollettori</name>
    <message>
        <source>Non possono essere collegati allo stesso collettore

anelli appartenenti a piani diversi</source>
        <translation>Loops belonging to different floors

cannot be connected to the same manifold</translation>
    </message>
    <message>
        <source>Non possono essere collegati più di 12 anelli per collettore!</source>
        <translation>No more than 12 loops can be connected to one manifold!</translation>
    </message>
    <message>
        <source>Non sono stati assegnati tutti gli anelli.

Completare l&apos;assegnamento prima di procedere alla scelta dei collettori.</source>
        <translation>Not all loops have been assigned.

Complete the assignment before choosing the manifolds.</translation>
    </message>
    <message>
        <source>Ci sono collettori senza alcun anello assegnato.

Completare le assegnazioni o eliminare il collettore.</source>
        <translation>Some manifolds have no loop assigned.

Complete the assignments or delete the manifold.</translation>
    </message>
</context>
<context>
    <name>MessaggiOtt</name>
    <message>
        <source>Non è possibile fare l&apos;ottimizzazione dei circuiti con più di 200 anelli.</source>
        <translation>The circuits cannot be optimised with more than 200 loops.</translation>
    </message>
    <message>
        <source>Non è possibile fare l&apos;ottimizzazione dei circuiti.

Alcuni circuiti sono più lunghi della matassa disponibile.</source>
        <translation>The circuits cannot be optimised.

Some circuits are longer than the available roll of pipe.</translation>
    </message>
    <message>
        <source>Non è possibile fare l&apos;ottimizzazione dei circuiti.

Occorre rivedere lo scarto minimo scelto per le matasse.</source>
        <translation>The circuits cannot be optimised.

The minimum offcut chosen for the pipe rolls must be revised.</translation>
    </message>
    <message>
        <source>Non è possibile fare l&apos;ottimizzazione dei circuiti.

Alcuni circuiti hanno lunghezza nulla.</source>
        <translation>The circuits cannot be optimised.

Some circuits have zero length.</translation>
    </message>
</context>
<context>
    <name>Raffrescamento</name>
    <message>
        <source>condensa</source>
        <translation>condensation</translation>
    </message>
    <message>
        <source>sotto 19 °C</source>
        <translation>below 19 °C</translation>
    </message>
    <message>
        <source>insufficiente</source>
        <translation>insufficient</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> Mandata minima sicura: %1 °C.</source>
        <translation> Lowest safe supply temperature: %1 °C.</translation>
    </message>
    <message>
        <source>La mandata estiva di %1 °C è sotto il punto di rugiada (%2 °C): l&apos;acqua condenserebbe su tubi e collettori.</source>
        <translation>The summer supply temperature of %1 °C is below the dew point (%2 °C): water would condense on pipes and manifolds.</translation>
    </message>
    <message>
        <source>La mandata estiva di %1 °C non raffresca: il ritorno non sarebbe più freddo dell&apos;ambiente (%2 °C).</source>
        <translation>The summer supply temperature of %1 °C does not cool: the return would not be colder than the room (%2 °C).</translation>
    </message>
    <message>
        <source>Con la mandata estiva di %1 °C il pavimento scende sotto il punto di rugiada (%2 °C) più il margine di %3 K: condenserebbe.</source>
        <translation>With a summer supply temperature of %1 °C the floor falls below the dew point (%2 °C) plus the %3 K margin: condensation would form.</translation>
    </message>
</context>
<context>
    <name>TAnnullamenti</name>
    <message>
        <source>modifica pianta</source>
        <translation>floor plan edit</translation>
    </message>
    <message>
        <source>modifica dati cliente</source>
        <translation>customer data edit</translation>
    </message>
    <message>
        <source>modifica dati generali</source>
        <translation>general data edit</translation>
    </message>
    <message>
        <source>inserimento locali</source>
        <translation>rooms insertion</translation>
    </message>
    <message>
        <source>inserimento locale</source>
        <translation>room insertion</translation>
    </message>
    <message>
        <source>eliminazione locale</source>
        <translation>room deletion</translation>
    </message>
    <message>
        <source>modifica locale</source>
        <translation>room edit</translation>
    </message>
    <message>
        <source>impostazione temperatura di mandata</source>
        <translation>supply temperature setting</translation>
    </message>
    <message>
        <source>assegnazione automatica</source>
        <translation>automatic assignment</translation>
    </message>
    <message>
        <source>nuovo collettore</source>
        <translation>new manifold</translation>
    </message>
    <message>
        <source>eliminazione collettore</source>
        <translation>manifold deletion</translation>
    </message>
    <message>
        <source>rinomina collettore</source>
        <translation>manifold rename</translation>
    </message>
    <message>
        <source>collegamento circuiti</source>
        <translation>circuit connection</translation>
    </message>
    <message>
        <source>ritorno circuiti nella lista</source>
        <translation>circuits back to the list</translation>
    </message>
    <message>
        <source>spostamento circuiti</source>
        <translation>circuit move</translation>
    </message>
    <message>
        <source>conferma collettori</source>
        <translation>manifold confirmation</translation>
    </message>
    <message>
        <source>annullamento conferma collettori</source>
        <translation>manifold confirmation withdrawal</translation>
    </message>
    <message>
        <source>tipo collettore</source>
        <translation>manifold type</translation>
    </message>
    <message>
        <source>scelta regolazione</source>
        <translation>control choice</translation>
    </message>
    <message>
        <source>aggiunta prodotto</source>
        <translation>product addition</translation>
    </message>
    <message>
        <source>eliminazione prodotto</source>
        <translation>product deletion</translation>
    </message>
    <message>
        <source>modifica prodotto aggiuntivo</source>
        <translation>additional product edit</translation>
    </message>
    <message>
        <source>ottimizzazione circuiti</source>
        <translation>circuit optimisation</translation>
    </message>
    <message>
        <source>bagni e raffrescamento</source>
        <translation>bathrooms and cooling</translation>
    </message>
    <message>
        <source>impostazioni di posa</source>
        <translation>layout settings</translation>
    </message>
    <message>
        <source>modifica</source>
        <translation>edit</translation>
    </message>
</context>
<context>
    <name>TCalcoloOtt</name>
    <message>
        <source>Non è stato assegnato alcun circuito!</source>
        <translation>No circuit has been assigned!</translation>
    </message>
</context>
<context>
    <name>TCatalogo</name>
    <message>
        <source>Il catalogo non si può leggere: %1.</source>
        <translation>The catalogue cannot be read: %1.</translation>
    </message>
    <message>
        <source>Il catalogo è incompleto: %1.</source>
        <translation>The catalogue is incomplete: %1.</translation>
    </message>
    <message>
        <source>Il catalogo è incompleto:
- %1.</source>
        <translation>The catalogue is incomplete:
- %1.</translation>
    </message>
    <message>
        <source>il file è danneggiato</source>
        <translation>the file is damaged</translation>
    </message>
    <message>
        <source>manca la tabella %1</source>
        <translation>table %1 is missing</translation>
    </message>
    <message>
        <source>nella tabella %1 manca la colonna %2</source>
        <translation>table %1 lacks column %2</translation>
    </message>
    <message>
        <source>nella tabella %1 mancano le colonne %2</source>
        <translation>table %1 lacks columns %2</translation>
    </message>
    <message>
        <source>il file non contiene le tabelle di un catalogo</source>
        <translation>the file does not contain the tables of a catalogue</translation>
    </message>
</context>
<context>
    <name>TDati</name>
    <message>
        <source>Catalogo &quot;TVLITA&quot; non trovato: %1</source>
        <translation>Catalogue &quot;TVLITA&quot; not found: %1</translation>
    </message>
    <message>
        <source>Catalogo &quot;TVLITA&quot;: &quot;%1&quot; %2</source>
        <translation>Catalogue &quot;TVLITA&quot;: &quot;%1&quot; %2</translation>
    </message>
    <message>
        <source>Il catalogo non si può leggere: %1.</source>
        <translation>The catalogue cannot be read: %1.</translation>
    </message>
    <message>
        <source>Il file non esiste.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>Il percorso %1.</source>
        <translation>The path %1.</translation>
    </message>
    <message>
        <source>Il file è vuoto.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>Impossibile aprire il catalogo &quot;TVLITA&quot;:
%1

%2

Per usare un altro catalogo impostare la variabile d&apos;ambiente TVLITA con il suo percorso, per esempio:
TVLITA=/percorso/tvlita.db termovela</source>
        <translation>Cannot open the &quot;TVLITA&quot; catalogue:
%1

%2

To use another catalogue set the TVLITA environment variable to its path, for example:
TVLITA=/path/tvlita.db termovela</translation>
    </message>
    <message>
        <source>Il catalogo non si può leggere: tabella %1, %2.</source>
        <translation>The catalogue cannot be read: table %1, %2.</translation>
    </message>
</context>
<context>
    <name>TDisegno</name>
    <message>
        <source>millimetri</source>
        <translation>millimetres</translation>
    </message>
    <message>
        <source>centimetri</source>
        <translation>centimetres</translation>
    </message>
    <message>
        <source>decimetri</source>
        <translation>decimetres</translation>
    </message>
    <message>
        <source>metri</source>
        <translation>metres</translation>
    </message>
    <message>
        <source>pollici</source>
        <translation>inches</translation>
    </message>
    <message>
        <source>piedi</source>
        <translation>feet</translation>
    </message>
    <message>
        <source>sconosciuta</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>Il disegno di sfondo è danneggiato.</source>
        <translation>The background drawing is damaged.</translation>
    </message>
</context>
<context>
    <name>TDistinta</name>
    <message>
        <source>il collettore %1 con %2 attacchi (tabella COLLETTORI)</source>
        <translation>manifold %1 with %2 outlets (table COLLETTORI)</translation>
    </message>
    <message>
        <source>la cassetta %1 del collettore %2 (tabella CASSETTE)</source>
        <translation>cabinet %1 for manifold %2 (table CASSETTE)</translation>
    </message>
    <message>
        <source>il supporto %1 della cassetta %2 (tabella CASSACC)</source>
        <translation>bracket %1 for cabinet %2 (table CASSACC)</translation>
    </message>
    <message>
        <source>l&apos;articolo %1 (tabella %2)</source>
        <translation>item %1 (table %2)</translation>
    </message>
    <message>
        <source>i componenti del regolatore %1 (tabella REGELETTRO)</source>
        <translation>the components of controller %1 (table REGELETTRO)</translation>
    </message>
    <message>
        <source>il tubo %1 (tabella TUBO)</source>
        <translation>pipe %1 (table TUBO)</translation>
    </message>
    <message>
        <source>il pannello %1 (tabella ISOLANTE)</source>
        <translation>panel %1 (table ISOLANTE)</translation>
    </message>
    <message>
        <source>Nel catalogo mancano righe che la distinta dei materiali richiede:

- %1

Le voci corrispondenti mancano nel documento o vi compaiono senza descrizione e prezzo: completare il catalogo.</source>
        <translation>The catalogue lacks rows that the bill of materials needs:

- %1

The matching items are missing from the document or appear without description and price: complete the catalogue.</translation>
    </message>
</context>
<context>
    <name>TDocumento</name>
    <message>
        <source>Etichette</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>Ottimizz. Circuiti</source>
        <translation>Circuit Optimis.</translation>
    </message>
    <message>
        <source>Ottimizzazione circuiti</source>
        <translation>Circuit optimisation</translation>
    </message>
    <message>
        <source>La cartella &quot;%1&quot; non si può creare: %2.</source>
        <translation>The folder &quot;%1&quot; cannot be created: %2.</translation>
    </message>
    <message>
        <source>La cartella &quot;%1&quot; non è scrivibile: %2.</source>
        <translation>The folder &quot;%1&quot; is not writable: %2.</translation>
    </message>
    <message>
        <source>Non si trova un nome libero per il documento nella cartella &quot;%1&quot;.</source>
        <translation>No free name for the document can be found in the folder &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Non è stato possibile creare il documento &quot;%1&quot;.

%2</source>
        <translation>The document &quot;%1&quot; could not be created.

%2</translation>
    </message>
    <message>
        <source>Il documento è stato salvato in &quot;%1&quot;.

Non è stato possibile aprirlo con l&apos;applicazione predefinita.</source>
        <translation>The document has been saved in &quot;%1&quot;.

It could not be opened with the default application.</translation>
    </message>
    <message>
        <source>Progetto senza nome</source>
        <translation>Untitled project</translation>
    </message>
    <message>
        <source>Preparazione documento in corso...</source>
        <translation>Preparing document...</translation>
    </message>
</context>
<context>
    <name>TDxfPosa</name>
    <message>
        <source>p %1 cm  L %2 m</source>
        <translation>p %1 cm  L %2 m</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1: %2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
</context>
<context>
    <name>TElenco</name>
    <message>
        <source>Il file contiene più di %1 locali: un progetto non ne può avere di più.</source>
        <translation>The file contains more than %1 rooms: a project cannot have more.</translation>
    </message>
    <message>
        <source>Il file supera %1: nessun elenco di locali è così grande.</source>
        <translation>The file exceeds %1: no room list is that large.</translation>
    </message>
    <message>
        <source>Lettura annullata.</source>
        <translation>Reading cancelled.</translation>
    </message>
    <message>
        <source>Il percorso %1.</source>
        <translation>The path %1.</translation>
    </message>
    <message>
        <source>Sono accettati solo file .csv e .xlsx.</source>
        <translation>Only .csv and .xlsx files are accepted.</translation>
    </message>
    <message>
        <source>Lettura dei locali</source>
        <translation>Reading rooms</translation>
    </message>
</context>
<context>
    <name>TErrori</name>
    <message>
        <source>spazio su disco esaurito</source>
        <translation>disk full</translation>
    </message>
    <message>
        <source>spazio su disco esaurito (quota dell&apos;utente)</source>
        <translation>disk full (user quota)</translation>
    </message>
    <message>
        <source>il file supera la dimensione massima consentita</source>
        <translation>the file exceeds the maximum allowed size</translation>
    </message>
    <message>
        <source>permesso negato</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>il disco è in sola lettura</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>file in uso</source>
        <translation>file in use</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>il file o la cartella non esiste</source>
        <translation>the file or folder does not exist</translation>
    </message>
    <message>
        <source>una parte del percorso non è una cartella</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>collegamento simbolico circolare</source>
        <translation>circular symbolic link</translation>
    </message>
    <message>
        <source>nome del file troppo lungo</source>
        <translation>file name too long</translation>
    </message>
    <message>
        <source>il file esiste già</source>
        <translation>the file already exists</translation>
    </message>
    <message>
        <source>errore di lettura o scrittura sul disco</source>
        <translation>disk read or write error</translation>
    </message>
    <message>
        <source>troppi file aperti</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>memoria esaurita</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>il file non si può spostare su un altro disco</source>
        <translation>the file cannot be moved to another disk</translation>
    </message>
    <message>
        <source>errore del sistema n. %1</source>
        <translation>system error no. %1</translation>
    </message>
    <message>
        <source>errore di lettura</source>
        <translation>read error</translation>
    </message>
    <message>
        <source>errore di scrittura</source>
        <translation>write error</translation>
    </message>
    <message>
        <source>risorse del sistema esaurite (spazio su disco o memoria)</source>
        <translation>system resources exhausted (disk space or memory)</translation>
    </message>
    <message>
        <source>il file non si può aprire</source>
        <translation>the file cannot be opened</translation>
    </message>
    <message>
        <source>il file non si può sostituire</source>
        <translation>the file cannot be replaced</translation>
    </message>
    <message>
        <source>errore sconosciuto</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>il file è in uso da un altro programma</source>
        <translation>the file is in use by another program</translation>
    </message>
    <message>
        <source>il database è in sola lettura</source>
        <translation>the database is read-only</translation>
    </message>
    <message>
        <source>il file è danneggiato</source>
        <translation>the file is damaged</translation>
    </message>
    <message>
        <source>il file non è un database</source>
        <translation>the file is not a database</translation>
    </message>
    <message>
        <source>errore del database</source>
        <translation>database error</translation>
    </message>
    <message>
        <source>errore del database (%1)</source>
        <translation>database error (%1)</translation>
    </message>
</context>
<context>
    <name>TFileNormale</name>
    <message>
        <source>non esiste</source>
        <translation>does not exist</translation>
    </message>
    <message>
        <source>è un collegamento simbolico circolare</source>
        <translation>is a circular symbolic link</translation>
    </message>
    <message>
        <source>è un collegamento simbolico a un file che non esiste</source>
        <translation>is a symbolic link to a file that does not exist</translation>
    </message>
    <message>
        <source>non si può leggere: %1</source>
        <translation>cannot be read: %1</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>is a folder</translation>
    </message>
    <message>
        <source>non è un file normale (è una pipe)</source>
        <translation>is not a regular file (it is a pipe)</translation>
    </message>
    <message>
        <source>non è un file normale (è un dispositivo)</source>
        <translation>is not a regular file (it is a device)</translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation>is not a regular file</translation>
    </message>
    <message>
        <source>è un collegamento a un file che non esiste</source>
        <translation>is a link to a file that does not exist</translation>
    </message>
    <message>
        <source>permesso negato</source>
        <translation>permission denied</translation>
    </message>
</context>
<context>
    <name>TFoglio</name>
    <message>
        <source>Il file &quot;%1&quot; è troppo grande o danneggiato: %2.</source>
        <translation>The file &quot;%1&quot; is too large or damaged: %2.</translation>
    </message>
    <message>
        <source>Un valore numerico non è finito e non si può scrivere nel foglio.</source>
        <translation>A numeric value is not finite and cannot be written into the sheet.</translation>
    </message>
    <message>
        <source>Nessuna cartella di lavoro aperta.</source>
        <translation>No workbook open.</translation>
    </message>
    <message>
        <source>La cartella di lavoro non ha il foglio %1.</source>
        <translation>The workbook has no sheet %1.</translation>
    </message>
    <message>
        <source>Nome di foglio non valido: &quot;%1&quot;.</source>
        <translation>Invalid sheet name: &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>L&apos;unico foglio della cartella di lavoro non si può eliminare.</source>
        <translation>The only sheet of the workbook cannot be deleted.</translation>
    </message>
    <message>
        <source>Formula vuota per &quot;%1&quot;.</source>
        <translation>Empty formula for &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Dimensioni dell&apos;immagine non valide.</source>
        <translation>Invalid image size.</translation>
    </message>
    <message>
        <source>L&apos;immagine &quot;%1&quot; non si può leggere.</source>
        <translation>The image &quot;%1&quot; cannot be read.</translation>
    </message>
    <message>
        <source>Il file &quot;%1&quot; non è un&apos;immagine in un formato riconosciuto.</source>
        <translation>The file &quot;%1&quot; is not an image in a recognised format.</translation>
    </message>
    <message>
        <source>La parte &quot;%1&quot; della cartella di lavoro è danneggiata (%2).</source>
        <translation>The part &quot;%1&quot; of the workbook is damaged (%2).</translation>
    </message>
    <message>
        <source>Il file &quot;%1&quot; %2.</source>
        <translation>The file &quot;%1&quot; %2.</translation>
    </message>
    <message>
        <source>supera %1</source>
        <translation>exceeds %1</translation>
    </message>
    <message>
        <source>Indirizzo di cella non valido: &quot;%1&quot;.</source>
        <translation>Invalid cell address: &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Manca la parte &quot;%1&quot; della cartella di lavoro.</source>
        <translation>The part &quot;%1&quot; of the workbook is missing.</translation>
    </message>
    <message>
        <source>Il file &quot;%1&quot; non è una cartella di lavoro leggibile.</source>
        <translation>The file &quot;%1&quot; is not a readable workbook.</translation>
    </message>
    <message>
        <source>contiene più di %1 parti</source>
        <translation>contains more than %1 parts</translation>
    </message>
    <message>
        <source>le parti superano %1 in tutto una volta decompresse</source>
        <translation>its parts exceed %1 in total once uncompressed</translation>
    </message>
    <message>
        <source>la parte &quot;%1&quot; supera %2 una volta decompressa</source>
        <translation>the part &quot;%1&quot; exceeds %2 once uncompressed</translation>
    </message>
    <message>
        <source>la parte &quot;%1&quot; decompressa supera la dimensione che dichiara</source>
        <translation>the uncompressed part &quot;%1&quot; exceeds the size it declares</translation>
    </message>
    <message>
        <source>Impossibile comporre il pacchetto della cartella di lavoro.</source>
        <translation>Cannot assemble the workbook package.</translation>
    </message>
    <message>
        <source>Il modello &quot;%1&quot; non esiste.</source>
        <translation>The template &quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>Il modello &quot;%1&quot; non si può leggere: %2.</source>
        <translation>The template &quot;%1&quot; cannot be read: %2.</translation>
    </message>
    <message>
        <source>Il file &quot;%1&quot; non si può leggere: %2.</source>
        <translation>The file &quot;%1&quot; cannot be read: %2.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file &quot;%1&quot;: %2.</source>
        <translation>Cannot write the file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Riga %1 non valida per un&apos;interruzione di pagina.</source>
        <translation>Row %1 is not valid for a page break.</translation>
    </message>
    <message>
        <source>Non si possono inserire righe: il foglio è pieno.</source>
        <translation>No rows can be inserted: the sheet is full.</translation>
    </message>
    <message>
        <source>Stile di linea %1 non previsto.</source>
        <translation>Line style %1 not supported.</translation>
    </message>
    <message>
        <source>Voce di bordo %1 non valida per una cella.</source>
        <translation>Border item %1 is not valid for a cell.</translation>
    </message>
    <message>
        <source>Intervallo di colonne non valido: &quot;%1&quot;.</source>
        <translation>Invalid column range: &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Riga %1 non valida.</source>
        <translation>Invalid row %1.</translation>
    </message>
</context>
<context>
    <name>TGeometria</name>
    <message>
        <source>Il contorno deve avere almeno tre vertici.</source>
        <translation>The outline must have at least three vertices.</translation>
    </message>
    <message>
        <source>Il contorno ha coordinate non valide.</source>
        <translation>The outline has invalid coordinates.</translation>
    </message>
    <message>
        <source>Il contorno ha due vertici consecutivi coincidenti (vertice %1).</source>
        <translation>The outline has two coincident consecutive vertices (vertex %1).</translation>
    </message>
    <message>
        <source>Il contorno ha area nulla.</source>
        <translation>The outline has zero area.</translation>
    </message>
    <message>
        <source>Il contorno si interseca con se stesso.</source>
        <translation>The outline intersects itself.</translation>
    </message>
    <message>
        <source>Il contorno si interseca con se stesso vicino al punto (%1; %2).</source>
        <translation>The outline intersects itself near the point (%1; %2).</translation>
    </message>
    <message>
        <source>Il contorno del locale non è valido: %1</source>
        <translation>The room outline is not valid: %1</translation>
    </message>
    <message>
        <source>La zona senza tubi n. %1 non è valida: %2</source>
        <translation>Pipe-free zone no. %1 is not valid: %2</translation>
    </message>
    <message>
        <source>Le zone senza tubi coprono tutto il locale.</source>
        <translation>The pipe-free zones cover the whole room.</translation>
    </message>
</context>
<context>
    <name>TImportaDxf</name>
    <message>
        <source>Il file è un DXF binario: salvarlo dal programma di disegno come DXF ASCII (testo).</source>
        <translation>The file is a binary DXF: save it from the drawing program as ASCII (text) DXF.</translation>
    </message>
    <message>
        <source>Il file non è un disegno DXF.</source>
        <translation>The file is not a DXF drawing.</translation>
    </message>
    <message>
        <source>Il file DXF è danneggiato alla riga %1.</source>
        <translation>The DXF file is damaged at line %1.</translation>
    </message>
    <message>
        <source>Il disegno ha più di %1 elementi: non viene importato.</source>
        <translation>The drawing has more than %1 entities: it is not imported.</translation>
    </message>
    <message>
        <source>Il file DXF è incompleto: manca la sua parte finale.</source>
        <translation>The DXF file is incomplete: its final part is missing.</translation>
    </message>
    <message>
        <source>Impossibile aprire il file %1.</source>
        <translation>Cannot open the file %1.</translation>
    </message>
    <message>
        <source>Il file è troppo grande (oltre %1 MB) per essere importato.</source>
        <translation>The file is too large (over %1 MB) to be imported.</translation>
    </message>
    <message>
        <source>Impossibile leggere il file %1.</source>
        <translation>Cannot read the file %1.</translation>
    </message>
    <message>
        <source>Il file DXF è danneggiato e non può essere letto.</source>
        <translation>The DXF file is damaged and cannot be read.</translation>
    </message>
    <message>
        <source>Il disegno, con i blocchi esplosi, supera %1 elementi: non viene importato.</source>
        <translation>The drawing, with its blocks exploded, exceeds %1 entities: it is not imported.</translation>
    </message>
    <message>
        <source>Alcuni blocchi inseriscono se stessi: quegli inserimenti sono stati ignorati.</source>
        <translation>Some blocks insert themselves: those insertions have been ignored.</translation>
    </message>
    <message>
        <source>Blocchi annidati oltre %1 livelli sono stati ignorati.</source>
        <translation>Blocks nested deeper than %1 levels have been ignored.</translation>
    </message>
    <message>
        <source>Alcuni inserimenti richiamano blocchi che non esistono nel file.</source>
        <translation>Some insertions refer to blocks that do not exist in the file.</translation>
    </message>
    <message numerus="yes">
        <source>%n elementi con coordinate non valide sono stati ignorati.</source>
        <translation>
            <numerusform>%n entity with invalid coordinates has been ignored.</numerusform>
            <numerusform>%n entities with invalid coordinates have been ignored.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TLocaliFile</name>
    <message>
        <source>Un locale è in modifica.

Confermarlo o annullarlo prima di importare altri locali.</source>
        <translation>A room is being edited.

Confirm or cancel it before importing other rooms.</translation>
    </message>
    <message>
        <source>Nessun progetto aperto: non ci sono locali da importare o esportare.</source>
        <translation>No project open: there are no rooms to import or export.</translation>
    </message>
    <message>
        <source>Le colonne &quot;%1&quot; e &quot;%2&quot; indicano lo stesso dato.</source>
        <translation>The columns &quot;%1&quot; and &quot;%2&quot; hold the same data.</translation>
    </message>
    <message>
        <source>Mancano le colonne: %1.

La prima riga deve riportare i titoli delle colonne della griglia dei locali.</source>
        <translation>Missing columns: %1.

The first row must carry the column titles of the room grid.</translation>
    </message>
    <message>
        <source>Il testo della colonna &quot;%1&quot; contiene un carattere nullo (NUL).</source>
        <translation>The text in column &quot;%1&quot; contains a null character (NUL).</translation>
    </message>
    <message>
        <source>Il rivestimento &quot;%1&quot; non è nel catalogo.</source>
        <translation>The floor covering &quot;%1&quot; is not in the catalogue.</translation>
    </message>
    <message>
        <source>Il testo &quot;%1&quot; supera i %2 caratteri del campo %3.</source>
        <translation>The text &quot;%1&quot; exceeds the %2 characters of field %3.</translation>
    </message>
    <message>
        <source>Valore rifiutato per il campo %1.</source>
        <translation>Value rejected for field %1.</translation>
    </message>
    <message>
        <source>Nessun locale importato da &quot;%1&quot;: una riga è stata rifiutata.</source>
        <translation>No room imported from &quot;%1&quot;: one row was rejected.</translation>
    </message>
    <message>
        <source>Nessun locale importato da &quot;%1&quot;: %2 righe sono state rifiutate.</source>
        <translation>No room imported from &quot;%1&quot;: %2 rows were rejected.</translation>
    </message>
    <message>
        <source>
Riga %1: %2</source>
        <translation>
Row %1: %2</translation>
    </message>
    <message>
        <source>
... e un&apos;altra riga rifiutata.</source>
        <translation>
... and one more rejected row.</translation>
    </message>
    <message>
        <source>
... e altre %1 righe rifiutate.</source>
        <translation>
... and %1 more rejected rows.</translation>
    </message>
    <message>
        <source>Impossibile leggere il file &quot;%1&quot;.

%2</source>
        <translation>Cannot read the file &quot;%1&quot;.

%2</translation>
    </message>
    <message>
        <source>Importazione annullata: nessun locale aggiunto.</source>
        <translation>Import cancelled: no room added.</translation>
    </message>
    <message>
        <source>Il file &quot;%1&quot; non è un elenco di locali. %2</source>
        <translation>The file &quot;%1&quot; is not a room list. %2</translation>
    </message>
    <message>
        <source>Il file &quot;%1&quot; non contiene locali.</source>
        <translation>The file &quot;%1&quot; contains no rooms.</translation>
    </message>
    <message>
        <source>Nessun locale importato da &quot;%1&quot;: il progetto avrebbe %2 locali, più dei %3 che può avere.</source>
        <translation>No room imported from &quot;%1&quot;: the project would have %2 rooms, more than the %3 it can hold.</translation>
    </message>
    <message>
        <source>Controllo dei locali</source>
        <translation>Checking rooms</translation>
    </message>
    <message>
        <source>Nessun locale importato da &quot;%1&quot;: il database non ha registrato i locali.</source>
        <translation>No room imported from &quot;%1&quot;: the database did not record the rooms.</translation>
    </message>
    <message>
        <source>Importato un locale da &quot;%1&quot;.</source>
        <translation>Imported one room from &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Importati %1 locali da &quot;%2&quot;.</source>
        <translation>Imported %1 rooms from &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file &quot;%1&quot;: %2.</source>
        <translation>Cannot write the file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Impossibile esportare i locali in &quot;%1&quot;.

Sono accettati solo file .csv e .xlsx.</source>
        <translation>Cannot export the rooms to &quot;%1&quot;.

Only .csv and .xlsx files are accepted.</translation>
    </message>
    <message>
        <source>Impossibile esportare i locali in &quot;%1&quot;.</source>
        <translation>Cannot export the rooms to &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Esportato un locale in &quot;%1&quot;.</source>
        <translation>Exported one room to &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Esportati %1 locali in &quot;%2&quot;.</source>
        <translation>Exported %1 rooms to &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Fogli di calcolo (*.csv *.xlsx)</source>
        <translation>Spreadsheets (*.csv *.xlsx)</translation>
    </message>
</context>
<context>
    <name>TMinimo</name>
    <message>
        <source>Limite inferiore [m]</source>
        <translation>Lower bound [m]</translation>
    </message>
</context>
<context>
    <name>TPavRad</name>
    <message>
        <source>Locale</source>
        <translation>Room</translation>
    </message>
    <message>
        <source>As</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Am</source>
        <translation>Am</translation>
    </message>
    <message>
        <source>Ta</source>
        <translation>Ta</translation>
    </message>
    <message>
        <source>Carico</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Integr.</source>
        <translation>Suppl.</translation>
    </message>
    <message>
        <source>Pot.</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>T Sup.</source>
        <translation>T surf.</translation>
    </message>
    <message>
        <source>Passo</source>
        <translation>Spacing</translation>
    </message>
    <message>
        <source>N°</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>L As</source>
        <translation>L As</translation>
    </message>
    <message>
        <source>Q As</source>
        <translation>Q As</translation>
    </message>
    <message>
        <source>Dp As</source>
        <translation>Dp As</translation>
    </message>
    <message>
        <source>L Am</source>
        <translation>L Am</translation>
    </message>
    <message>
        <source>Q Am</source>
        <translation>Q Am</translation>
    </message>
    <message>
        <source>Dp Am</source>
        <translation>Dp Am</translation>
    </message>
</context>
<context>
    <name>TPianta</name>
    <message>
        <source>I dati della pianta sono danneggiati.</source>
        <translation>The floor plan data are damaged.</translation>
    </message>
    <message>
        <source>La pianta è stata salvata da una versione più recente del programma e non può essere letta.</source>
        <translation>The floor plan was saved by a newer version of the program and cannot be read.</translation>
    </message>
    <message>
        <source>I dati della pianta sono danneggiati (piano %1).</source>
        <translation>The floor plan data are damaged (floor %1).</translation>
    </message>
</context>
<context>
    <name>TPosa</name>
    <message>
        <source>Circuito %1 della %2: l&apos;ingresso scelto è lontano dalla sua parte, si usa quello automatico.</source>
        <translation>Circuit %1 of the %2: the chosen entry point is far from its part, the automatic one is used.</translation>
    </message>
    <message>
        <source>zona marginale</source>
        <translation>edge zone</translation>
    </message>
    <message>
        <source>zona principale</source>
        <translation>main zone</translation>
    </message>
    <message>
        <source>Circuito %1 della %2: passo non calcolato.</source>
        <translation>Circuit %1 of the %2: pipe spacing not calculated.</translation>
    </message>
    <message>
        <source>Nessuna area di posa per questo circuito.</source>
        <translation>No laying area for this circuit.</translation>
    </message>
    <message>
        <source>Circuito %1 della %2: posato a %3 (%4)</source>
        <translation>Circuit %1 of the %2: laid as %3 (%4)</translation>
    </message>
    <message>
        <source>serpentina</source>
        <translation>meander</translation>
    </message>
    <message>
        <source>spirale</source>
        <translation>spiral</translation>
    </message>
    <message>
        <source>Circuito %1 della %2: %3</source>
        <translation>Circuit %1 of the %2: %3</translation>
    </message>
    <message>
        <source>Il collettore è fuori da ogni locale del piano: i collegamenti escono dai locali.</source>
        <translation>The manifold is outside every room of the floor: the connections run outside the rooms.</translation>
    </message>
    <message>
        <source>La spirale piegherebbe più stretta del raggio minimo o si avvicinerebbe a sé stessa più del passo.</source>
        <translation>The spiral would bend tighter than the minimum radius or come closer to itself than the spacing.</translation>
    </message>
</context>
<context>
    <name>TPosaPianta</name>
    <message>
        <source>Locale %1 (%2): %3</source>
        <translation>Room %1 (%2): %3</translation>
    </message>
    <message>
        <source>nessun contorno nella pianta del piano.</source>
        <translation>no outline in the floor plan of the floor.</translation>
    </message>
    <message>
        <source>nessun collettore posizionato sul piano.</source>
        <translation>no manifold placed on the floor.</translation>
    </message>
    <message>
        <source>Locale %1 (%2): l&apos;area utile è divisa in %3 pezzi dalle zone senza tubo, si posa il più grande (%4 m² di %5 m²).</source>
        <translation>Room %1 (%2): the usable area is split into %3 pieces by the pipe-free zones, the largest is laid (%4 m² of %5 m²).</translation>
    </message>
    <message>
        <source>Locale %1 (%2): nessun muro esterno segnato, la zona marginale non si posa.</source>
        <translation>Room %1 (%2): no external wall marked, the edge zone is not laid.</translation>
    </message>
    <message>
        <source>Il collettore %1 è fuori da ogni locale del piano: i collegamenti escono dai locali.</source>
        <translation>Manifold %1 is outside every room of the floor: the connections run outside the rooms.</translation>
    </message>
    <message>
        <source>il piano non ha una pianta.</source>
        <translation>the floor has no floor plan.</translation>
    </message>
</context>
<context>
    <name>TRipartitore</name>
    <message>
        <source>L&apos;area utile è divisa in %1 pezzi dalle zone senza tubo: si posa il più grande (%2 m² di %3 m²).</source>
        <translation>The usable area is split into %1 pieces by the pipe-free zones: the largest is laid (%2 m² of %3 m²).</translation>
    </message>
    <message>
        <source>Tolti %1 m² di strisce più strette di %2 cm.</source>
        <translation>Removed %1 m² of strips narrower than %2 cm.</translation>
    </message>
    <message>
        <source>La parte %1 è divisa in %2 pezzi: il circuito copre il più grande (%3 m² di %4 m²).</source>
        <translation>Part %1 is split into %2 pieces: the circuit covers the largest (%3 m² of %4 m²).</translation>
    </message>
</context>
<context>
    <name>TSerpentina</name>
    <message>
        <source>La parte è troppo stretta per un circuito al passo di %1 cm.</source>
        <translation>The part is too narrow for a circuit at %1 cm pipe spacing.</translation>
    </message>
</context>
<context>
    <name>TSpirale</name>
    <message>
        <source>La parte è troppo stretta per un circuito al passo di %1 cm.</source>
        <translation>The part is too narrow for a circuit at %1 cm pipe spacing.</translation>
    </message>
    <message>
        <source>posato a serpentina (la spirale copriva solo il %1% della parte)</source>
        <translation>laid as a meander (the spiral covered only %1% of the part)</translation>
    </message>
</context>
<context>
    <name>TTabella</name>
    <message>
        <source>tabella non disponibile</source>
        <translation>table not available</translation>
    </message>
    <message>
        <source>&apos;%1&apos; non è un valore valido per il campo %2.</source>
        <translation>&apos;%1&apos; is not a valid value for field %2.</translation>
    </message>
</context>
<context>
    <name>TTavola</name>
    <message>
        <source>Legenda dei circuiti</source>
        <translation>Circuit legend</translation>
    </message>
    <message>
        <source>Rif. - Circuito</source>
        <translation>Ref. - Circuit</translation>
    </message>
    <message>
        <source>Collettore</source>
        <translation>Manifold</translation>
    </message>
    <message>
        <source>Passo</source>
        <translation>Spacing</translation>
    </message>
    <message>
        <source>Lungh.</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Portata</source>
        <translation>Flow</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>l/h</source>
        <translation>l/h</translation>
    </message>
    <message>
        <source>... e altri %1 circuiti</source>
        <translation>... and %1 more circuits</translation>
    </message>
    <message>
        <source>Totale tubo del piano</source>
        <translation>Total pipe on the floor</translation>
    </message>
    <message>
        <source>Tavola</source>
        <translation>Drawing</translation>
    </message>
    <message>
        <source>Tavola impianto</source>
        <translation>Installation drawing</translation>
    </message>
    <message>
        <source>Progetto</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>Cliente</source>
        <translation>Customer</translation>
    </message>
    <message>
        <source>Progettista</source>
        <translation>Designer</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Floor</translation>
    </message>
    <message>
        <source>Scala</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Foglio</source>
        <translation>Sheet</translation>
    </message>
    <message>
        <source>Tavola impianto - %1</source>
        <translation>Installation drawing - %1</translation>
    </message>
    <message>
        <source>Il piano %1 non entra nel foglio nemmeno alla scala 1:1000.</source>
        <translation>Floor %1 does not fit on the sheet even at scale 1:1000.</translation>
    </message>
    <message>
        <source>Il piano %1 non entra nel foglio alla scala 1:%2: disegnato alla scala 1:%3.</source>
        <translation>Floor %1 does not fit on the sheet at scale 1:%2: drawn at scale 1:%3.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Cannot write the file %1.</translation>
    </message>
</context>
<context>
    <name>TTavolaImpianto</name>
    <message>
        <source>Il progetto non ha una pianta: disegnarla con &quot;Pianta...&quot; nella pagina &quot;Locali&quot;.</source>
        <translation>The project has no floor plan: draw it with &quot;Floor plan...&quot; on the &quot;Rooms&quot; page.</translation>
    </message>
    <message>
        <source>Tavola impianto</source>
        <translation>Installation drawing</translation>
    </message>
    <message>
        <source>Non è stato possibile creare la cartella &quot;%1&quot;.</source>
        <translation>The folder &quot;%1&quot; could not be created.</translation>
    </message>
    <message>
        <source>Nessun piano della pianta ha locali con il contorno: non c&apos;è nulla da disegnare.</source>
        <translation>No floor of the floor plan has rooms with an outline: there is nothing to draw.</translation>
    </message>
    <message>
        <source>Tavola impianto creata. Da controllare:

</source>
        <translation>Installation drawing created. To be checked:

</translation>
    </message>
</context>
<context>
    <name>TTracciatore</name>
    <message>
        <source>Il percorso del circuito è degenere.</source>
        <translation>The circuit path is degenerate.</translation>
    </message>
    <message>
        <source>Il percorso del circuito si avvicina troppo a sé stesso.</source>
        <translation>The circuit path comes too close to itself.</translation>
    </message>
    <message>
        <source>Il circuito uscirebbe dall&apos;area di posa.</source>
        <translation>The circuit would leave the laying area.</translation>
    </message>
</context>
<context>
    <name>TValoriLocali</name>
    <message>
        <source>Locale %1: %2</source>
        <translation>Room %1: %2</translation>
    </message>
    <message>
        <source>Locale %1: il collettore dista %2 m, oltre i %3 m ammessi.</source>
        <translation>Room %1: the manifold is %2 m away, beyond the %3 m allowed.</translation>
    </message>
</context>
<context>
    <name>TestiRegole</name>
    <message>
        <source>Il valore dell&apos;area ambienti è fuori range.

Sono accettati valori nel range 1-5000 [mq].</source>
        <translation>The room area value is out of range.

Accepted values are in the range 1-5000 [m²].</translation>
    </message>
    <message>
        <source>Il valore della T ambiente è fuori range.

Sono accettati valori nel range 1-30 [°C].</source>
        <translation>The room temperature value is out of range.

Accepted values are in the range 1-30 [°C].</translation>
    </message>
    <message>
        <source>Il valore del Carico Termico è fuori range.

Sono accettati valori nel range 1-600 [kW].</source>
        <translation>The Heat Load value is out of range.

Accepted values are in the range 1-600 [kW].</translation>
    </message>
    <message>
        <source>Il valore dello Spessore Rivestimento è fuori range.

Sono accettati valori nel range 1-100 [mm].</source>
        <translation>The Floor Covering Thickness value is out of range.

Accepted values are in the range 1-100 [mm].</translation>
    </message>
    <message>
        <source>Il valore della Distanza dal Collettore è fuori range.

Sono accettati valori nel range 0-100 [m].</source>
        <translation>The Distance from Manifold value is out of range.

Accepted values are in the range 0-100 [m].</translation>
    </message>
    <message>
        <source>L&apos;Area utile deve avere un valore maggiore o uguale a 1 [mq].

Inoltre non deve essere superiore all&apos;Area Totale.</source>
        <translation>The Usable Area must have a value greater than or equal to 1 [m²].

It must also not exceed the Total Area.</translation>
    </message>
    <message>
        <source>L&apos;Area Marginale deve avere un valore maggiore o uguale a 0 [mq].

Deve inoltre essere minore o uguale all&apos;Area Utile.</source>
        <translation>The Edge Zone Area must have a value greater than or equal to 0 [m²].

It must also be less than or equal to the Usable Area.</translation>
    </message>
    <message>
        <source>Non è stato inserito un valore per il campo Descrizione.</source>
        <translation>No value has been entered for the Description field.</translation>
    </message>
    <message>
        <source>Non è stato inserito un valore per il campo Piano.</source>
        <translation>No value has been entered for the Floor field.</translation>
    </message>
    <message>
        <source>Non è stato inserito un valore per il campo TAmbiente.</source>
        <translation>No value has been entered for the Room Temperature field.</translation>
    </message>
    <message>
        <source>Non è stato inserito un valore per il campo Area.</source>
        <translation>No value has been entered for the Area field.</translation>
    </message>
    <message>
        <source>Non è stato inserito un valore per il campo Area Utile.</source>
        <translation>No value has been entered for the Usable Area field.</translation>
    </message>
    <message>
        <source>Non è stato inserito un valore per il campo Carico Termico</source>
        <translation>No value has been entered for the Heat Load field</translation>
    </message>
    <message>
        <source>Non è stato inserito un valore per il campo Tipo di Rivestimento</source>
        <translation>No value has been entered for the Floor Covering Type field</translation>
    </message>
    <message>
        <source>Non è stato inserito un valore per il campo Spessore del Rivestimento</source>
        <translation>No value has been entered for the Floor Covering Thickness field</translation>
    </message>
    <message>
        <source>Non è stato inserito un valore per il campo Distanza dal Collettore</source>
        <translation>No value has been entered for the Distance from Manifold field</translation>
    </message>
    <message>
        <source>Non è stato inserito un valore per lo spessore del massetto.</source>
        <translation>No value has been entered for the screed thickness.</translation>
    </message>
    <message>
        <source>Non è stato inserito un valore per lo spessore della soletta.</source>
        <translation>No value has been entered for the slab thickness.</translation>
    </message>
    <message>
        <source>Non è stato inserito un valore per lo spessore del rivestimento.</source>
        <translation>No value has been entered for the floor covering thickness.</translation>
    </message>
    <message>
        <source>Non è stato inserito un valore per la temperatura dei vani sottostanti.</source>
        <translation>No value has been entered for the temperature of the rooms below.</translation>
    </message>
    <message>
        <source>Non è stato inserito un valore per la lunghezza massima dei circuiti.</source>
        <translation>No value has been entered for the maximum circuit length.</translation>
    </message>
    <message>
        <source>Non è stato inserito un valore per il Delta T massimo.</source>
        <translation>No value has been entered for the maximum Delta T.</translation>
    </message>
    <message>
        <source>Verificare di avere inserito tutti i dati e/o che il numero di ambiente digitato non sia già presente.</source>
        <translation>Check that all data have been entered and/or that the room number typed is not already in use.</translation>
    </message>
</context>
<context>
    <name>Ufile</name>
    <message>
        <source>Caricamento Progetto in corso...</source>
        <translation>Loading project...</translation>
    </message>
    <message>
        <source>Salvataggio Progetto in corso...</source>
        <translation>Saving project...</translation>
    </message>
    <message>
        <source>Errore durante il salvataggio!</source>
        <translation>Error while saving!</translation>
    </message>
    <message>
        <source>Il file non è un progetto TERMOVELA valido.</source>
        <translation>The file is not a valid TERMOVELA project.</translation>
    </message>
    <message>
        <source>I dati aggiuntivi in coda al progetto (bagni, raffrescamento, pianta) non si possono leggere tutti: sono danneggiati o di una versione più recente del programma.

Il resto del progetto è stato caricato; salvandolo, i dati illeggibili dei bagni e del raffrescamento andranno persi.</source>
        <translation>The additional data at the end of the project (bathrooms, cooling, floor plan) cannot all be read: they are damaged or from a newer version of the program.

The rest of the project has been loaded; if you save it, the unreadable bathroom and cooling data will be lost.</translation>
    </message>
    <message>
        <source>Errore durante il caricamento!

Il file di programma potrebbe essere stato cancellato!</source>
        <translation>Error while loading!

The program file may have been deleted!</translation>
    </message>
</context>
</TS>
