<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
<context>
    <name>En1264</name>
    <message>
        <source>Bagno</source>
        <translation>Bathroom</translation>
    </message>
    <message>
        <source>Bagno: temperatura superficiale massima 33 °C invece di 29 °C (predefinito da 24 °C in su)</source>
        <translation>Bathroom: maximum surface temperature 33 °C instead of 29 °C (default from 24 °C room temperature up)</translation>
    </message>
    <message>
        <source>CEstivo [W]</source>
        <translation>Cooling load [W]</translation>
    </message>
    <message>
        <source>Carico termico estivo del locale per il raffrescamento a pavimento</source>
        <translation>Summer cooling load of the room for floor cooling</translation>
    </message>
    <message>
        <source>Il carico estivo deve essere un numero da 0 a 1000000 W.</source>
        <translation>The cooling load must be a number from 0 to 1000000 W.</translation>
    </message>
    <message>
        <source>%1: q %2 W/m², q_G %3 W/m², θF,m %4 °C, θF,max %5 °C — %6</source>
        <translation>%1: q %2 W/m², q_G %3 W/m², θF,m %4 °C, θF,max %5 °C — %6</translation>
    </message>
    <message>
        <source>Temperatura di mandata di progetto della UNI EN 1264-3: il locale con il flusso più alto fra quelli che non sono bagni, al passo più fitto, con salto termico di al più 5 K.</source>
        <translation>Design supply temperature to EN 1264-3: the room with the highest heat flux among those that are not bathrooms, at the closest pipe spacing, with a temperature drop of at most 5 K.</translation>
    </message>
    <message>
        <source>Verifica EN 1264 nella relazione tecnica</source>
        <translation>EN 1264 check in the technical report</translation>
    </message>
    <message>
        <source>Aggiunge alla relazione tecnica il foglio &quot;Verifica EN 1264&quot; (c&apos;è comunque quando il progetto ha bagni scelti, carichi estivi o &quot;T EN 1264&quot;).</source>
        <translation>Adds the &quot;EN 1264 check&quot; sheet to the technical report (it is there anyway when the project has bathrooms marked, cooling loads or &quot;EN 1264 T&quot;).</translation>
    </message>
    <message>
        <source>Verifica EN 1264: 1 locale oltre il limite</source>
        <translation>EN 1264 check: 1 room over the limit</translation>
    </message>
    <message>
        <source>Verifica EN 1264: %1 locali oltre il limite</source>
        <translation>EN 1264 check: %1 rooms over the limit</translation>
    </message>
    <message>
        <source>T EN 1264: ---</source>
        <translation>EN 1264 T: ---</translation>
    </message>
    <message>
        <source>T EN 1264: %1 °C (locale %2, %3 W/m², σ %4 K)</source>
        <translation>EN 1264 T: %1 °C (room %2, %3 W/m², σ %4 K)</translation>
    </message>
    <message>
        <source> — oltre il limite anche al passo più fitto</source>
        <translation> — over the limit even at the closest spacing</translation>
    </message>
    <message>
        <source>EN 1264</source>
        <translation>EN 1264</translation>
    </message>
    <message>
        <source>Verifica</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>oltre</source>
        <translation>over</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zona attiva</source>
        <translation>Occupied zone</translation>
    </message>
    <message>
        <source>Zona marginale</source>
        <translation>Edge zone</translation>
    </message>
    <message>
        <source>Nessuna zona con resa da verificare.</source>
        <translation>No zone with a heat output to check.</translation>
    </message>
    <message>
        <source>Bagno: θF,max 33 °C nella zona attiva.</source>
        <translation>Bathroom: θF,max 33 °C in the occupied zone.</translation>
    </message>
</context>
<context>
    <name>Raffrescamento</name>
    <message>
        <source>Dati estivi</source>
        <translation>Summer data</translation>
    </message>
    <message>
        <source>la più bassa sicura</source>
        <translation>lowest safe value</translation>
    </message>
    <message>
        <source>&amp;Usa la proposta</source>
        <translation>&amp;Use the proposal</translation>
    </message>
    <message>
        <source>T ambiente estiva:</source>
        <translation>Summer room T:</translation>
    </message>
    <message>
        <source>Umidità relativa:</source>
        <translation>Relative humidity:</translation>
    </message>
    <message>
        <source>Margine sul punto di rugiada:</source>
        <translation>Margin over the dew point:</translation>
    </message>
    <message>
        <source>T mandata estiva:</source>
        <translation>Summer supply T:</translation>
    </message>
    <message>
        <source>N°</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Description</translation>
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
        <translation>Surf. T [°C]</translation>
    </message>
    <message>
        <source>Portata [l/h]</source>
        <translation>Flow rate [l/h]</translation>
    </message>
    <message>
        <source>Mancanza [W]</source>
        <translation>Shortfall [W]</translation>
    </message>
    <message>
        <source>Verifica</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Punto di rugiada: %1 °C (pavimento sopra %2 °C, dove si sta sopra %3 °C)</source>
        <translation>Dew point: %1 °C (floor above %2 °C, occupied areas above %3 °C)</translation>
    </message>
    <message>
        <source>Mandata estiva più bassa sicura: %1 °C</source>
        <translation>Lowest safe summer supply: %1 °C</translation>
    </message>
    <message>
        <source>Nessuna mandata estiva sicura con questi dati.</source>
        <translation>No safe summer supply temperature with these data.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Nessun locale da calcolare.</source>
        <translation>No room to calculate.</translation>
    </message>
    <message>
        <source>Salvare le impostazioni della pagina &quot;T Mandata Progetto&quot;: il raffrescamento usa i circuiti posati per il riscaldamento.</source>
        <translation>Save the settings of the &quot;Design Supply T&quot; page: cooling uses the loops laid for heating.</translation>
    </message>
    <message>
        <source>Mandata estiva %1 °C: resa estiva %2 W per un carico di %3 W; %4 locali da rivedere.</source>
        <translation>Summer supply %1 °C: cooling output %2 W for a load of %3 W; %4 rooms to review.</translation>
    </message>
</context>
<context>
    <name>TApplicazione</name>
    <message>
        <source>Memoria esaurita: l&apos;operazione non è stata completata.</source>
        <translation>Out of memory: the operation was not completed.</translation>
    </message>
</context>
<context>
    <name>TApriPianta</name>
    <message>
        <source>Nuovo locale</source>
        <translation>New room</translation>
    </message>
    <message>
        <source>Descrizione del locale:</source>
        <translation>Room description:</translation>
    </message>
    <message>
        <source>Carico termico di &quot;%1&quot; (W):</source>
        <translation>Heat load of &quot;%1&quot; (W):</translation>
    </message>
</context>
<context>
    <name>TCaricamento</name>
    <message>
        <source>Caricamento</source>
        <translation>Loading</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>TComandiStampa</name>
    <message>
        <source>Completare l&apos;inserimento dei dati nella riga selezionata della tabella Locali o

annullare la riga con X.</source>
        <translation>Complete the data of the selected row of the Rooms table or

cancel the row with X.</translation>
    </message>
    <message>
        <source>Confermare le modifiche nella scheda Dati Generali o

annullare la riga con X.</source>
        <translation>Confirm the changes on the General Data page or

cancel the row with X.</translation>
    </message>
    <message>
        <source>Confermare le modifiche nella scheda Informazioni Clienti o

annullare la riga con X.</source>
        <translation>Confirm the changes on the Customer Information page or

cancel the row with X.</translation>
    </message>
    <message>
        <source>I collettori non sono stati assegnati o è stata fatta una modifica delle impostazioni.

</source>
        <translation>The manifolds have not been assigned, or the settings have been changed.

</translation>
    </message>
    <message>
        <source>La Relazione tecnica non conterrà i risultati relativi ai collettori.</source>
        <translation>The technical report will not contain the manifold results.</translation>
    </message>
    <message>
        <source>Il preventivo non conterrà la lista relativa ai collettori e alla regolazione.</source>
        <translation>The quotation will not contain the list of manifolds and controls.</translation>
    </message>
    <message>
        <source>Non è stata effettuata l&apos;ottimizzazione dei circuiti.</source>
        <translation>The loop optimisation has not been run.</translation>
    </message>
    <message>
        <source>&amp;Tutti i documenti</source>
        <translation>&amp;All documents</translation>
    </message>
    <message>
        <source>Ogni documento del progetto nella sua cartella, senza aprirli; con &quot;Crea anche il PDF&quot; anche le copie PDF.</source>
        <translation>Every document of the project into its folder, without opening them; with &quot;Also create PDF&quot; the PDF copies too.</translation>
    </message>
    <message>
        <source>Crea anche il P&amp;DF</source>
        <translation>Also create P&amp;DF</translation>
    </message>
    <message>
        <source>LibreOffice (soffice) non è installato: il PDF non si può creare.</source>
        <translation>LibreOffice (soffice) is not installed: the PDF cannot be created.</translation>
    </message>
    <message>
        <source>Ogni documento viene salvato anche in PDF, accanto al file .xlsx.</source>
        <translation>Every document is also saved as PDF, next to the .xlsx file.</translation>
    </message>
    <message>
        <source>&amp;Apri cartella</source>
        <translation>&amp;Open folder</translation>
    </message>
    <message>
        <source>La cartella dei documenti del progetto.</source>
        <translation>The folder of the project documents.</translation>
    </message>
    <message>
        <source>Documento salvato in %1</source>
        <translation>Document saved in %1</translation>
    </message>
    <message>
        <source>I documenti non conterranno i collettori e la regolazione.</source>
        <translation>The documents will not contain the manifolds and the controls.</translation>
    </message>
    <message numerus="yes">
        <source>%n documenti salvati in %1</source>
        <translation>
            <numerusform>%n document saved in %1</numerusform>
            <numerusform>%n documents saved in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Non è stato possibile creare il PDF di tutti i documenti.</source>
        <translation>The PDF could not be created for all the documents.</translation>
    </message>
    <message>
        <source>Non è stato possibile aprire la cartella &quot;%1&quot;.</source>
        <translation>The folder &quot;%1&quot; could not be opened.</translation>
    </message>
    <message>
        <source>Creazione del PDF in corso...</source>
        <translation>Creating the PDF...</translation>
    </message>
    <message>
        <source>Non è stato possibile creare il PDF del documento.

</source>
        <translation>The PDF of the document could not be created.

</translation>
    </message>
</context>
<context>
    <name>TDBNavigator</name>
    <message>
        <source>Sono cambiati %1 campi: annullare tutte le modifiche?</source>
        <translation>%1 fields have changed: discard all the changes?</translation>
    </message>
    <message>
        <source>Primo</source>
        <translation>First</translation>
    </message>
    <message>
        <source>Precedente</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Successivo</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Ultimo</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>Inserisci</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Modifica</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Aggiorna</source>
        <translation>Refresh</translation>
    </message>
</context>
<context>
    <name>TDefColl</name>
    <message>
        <source>Nome COLLETTORE</source>
        <translation>MANIFOLD name</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TDisegnoPosa</name>
    <message>
        <source>Disegno della posa</source>
        <translation>Loop layout drawing</translation>
    </message>
    <message>
        <source>Ingresso di &quot;%1&quot; qui</source>
        <translation>Entry of &quot;%1&quot; here</translation>
    </message>
    <message>
        <source>Ingresso automatico</source>
        <translation>Automatic entry</translation>
    </message>
</context>
<context>
    <name>TFinestraPianta</name>
    <message>
        <source>%1
%2 m²</source>
        <translation>%1
%2 m²</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>Pianta</source>
        <translation>Floor Plan</translation>
    </message>
    <message>
        <source>Importa sfondo...</source>
        <translation>Import background...</translation>
    </message>
    <message>
        <source>Disegno DXF, pagina PDF o immagine PNG/JPEG come sfondo del piano</source>
        <translation>DXF drawing, PDF page or PNG/JPEG image as the background of the floor</translation>
    </message>
    <message>
        <source>Importa sfondo</source>
        <translation>Import background</translation>
    </message>
    <message>
        <source>Piante (*.dxf *.pdf *.png *.jpg *.jpeg)</source>
        <translation>Floor plans (*.dxf *.pdf *.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Nuovo piano...</source>
        <translation>New floor...</translation>
    </message>
    <message>
        <source>Nuovo piano</source>
        <translation>New floor</translation>
    </message>
    <message>
        <source>Nome del piano:</source>
        <translation>Name of the floor:</translation>
    </message>
    <message>
        <source>Seleziona</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Locale</source>
        <translation>Room</translation>
    </message>
    <message>
        <source>Dal disegno</source>
        <translation>From drawing</translation>
    </message>
    <message>
        <source>Zona senza tubi</source>
        <translation>Pipe-free zone</translation>
    </message>
    <message>
        <source>Muro esterno</source>
        <translation>External wall</translation>
    </message>
    <message>
        <source>Collettore</source>
        <translation>Manifold</translation>
    </message>
    <message>
        <source>Scala</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>Sposta gli angoli, Canc elimina il contorno, la zona o il collettore scelto</source>
        <translation>Moves corners; the Delete key removes the selected outline, zone or manifold</translation>
    </message>
    <message>
        <source>Clic sugli angoli; Invio o clic sul primo angolo chiude, Backspace toglie l&apos;ultimo, Esc annulla</source>
        <translation>Click the corners; Enter or a click on the first corner closes, Backspace removes the last one, Esc cancels</translation>
    </message>
    <message>
        <source>Clic dentro una polilinea chiusa o una regione chiusa dalle linee del disegno</source>
        <translation>Click inside a closed polyline or a region closed by the lines of the drawing</translation>
    </message>
    <message>
        <source>Arredi fissi, piatti doccia, mobili della cucina: clic sugli angoli come per i locali</source>
        <translation>Fixed furniture, shower trays, kitchen units: click the corners as for rooms</translation>
    </message>
    <message>
        <source>Clic su un lato di un locale: lo segna (o lo toglie) come muro esterno</source>
        <translation>Click a side of a room: marks it as external wall (or unmarks it)</translation>
    </message>
    <message>
        <source>Clic dove sta il collettore scelto</source>
        <translation>Click where the selected manifold stands</translation>
    </message>
    <message>
        <source>Clic su due punti di cui si conosce la distanza reale</source>
        <translation>Click two points whose real distance is known</translation>
    </message>
    <message>
        <source>Locale del prossimo contorno</source>
        <translation>Room of the next outline</translation>
    </message>
    <message>
        <source> Locale: </source>
        <translation> Room: </translation>
    </message>
    <message>
        <source> Collettore: </source>
        <translation> Manifold: </translation>
    </message>
    <message>
        <source> m</source>
        <translation> m</translation>
    </message>
    <message>
        <source>nessuna</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Passo della griglia di aggancio</source>
        <translation>Snap grid spacing</translation>
    </message>
    <message>
        <source> Griglia: </source>
        <translation> Grid: </translation>
    </message>
    <message>
        <source>45°</source>
        <translation>45°</translation>
    </message>
    <message>
        <source>Lati a 0, 45 e 90 gradi</source>
        <translation>Sides at 0, 45 and 90 degrees</translation>
    </message>
    <message>
        <source>Vista</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Adatta</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Mostra tutto il foglio (F)</source>
        <translation>Show the whole sheet (F)</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ripeti</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Livelli</source>
        <translation>Layers</translation>
    </message>
    <message>
        <source>Mostra livello</source>
        <translation>Show layer</translation>
    </message>
    <message>
        <source>Nascondi livello</source>
        <translation>Hide layer</translation>
    </message>
    <message>
        <source>(senza piano)</source>
        <translation>(no floor)</translation>
    </message>
    <message>
        <source>Piano %1</source>
        <translation>Floor %1</translation>
    </message>
    <message>
        <source>Nuovo locale...</source>
        <translation>New room...</translation>
    </message>
    <message>
        <source>Il piano ha già uno sfondo. Sostituirlo con &quot;%1&quot;?</source>
        <translation>The floor already has a background. Replace it with &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Il disegno &quot;%1&quot; non si può importare.

%2</source>
        <translation>The drawing &quot;%1&quot; cannot be imported.

%2</translation>
    </message>
    <message>
        <source>Unità del disegno</source>
        <translation>Drawing units</translation>
    </message>
    <message>
        <source>Il disegno non dice la sua unità di misura. In che unità è?</source>
        <translation>The drawing does not state its unit of measurement. Which unit is it in?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non è un&apos;immagine PNG o JPEG leggibile.</source>
        <translation>&quot;%1&quot; is not a readable PNG or JPEG image.</translation>
    </message>
    <message>
        <source>L&apos;immagine &quot;%1&quot; è troppo grande (%2 × %3 pixel): il massimo è %4 pixel per lato. Ridurla prima di importarla.</source>
        <translation>The image &quot;%1&quot; is too large (%2 × %3 pixels): the maximum is %4 pixels per side. Reduce it before importing it.</translation>
    </message>
    <message>
        <source>Non è stato possibile leggere &quot;%1&quot;.</source>
        <translation>&quot;%1&quot; could not be read.</translation>
    </message>
    <message>
        <source>Scala provvisoria: con &quot;Scala&quot; indicare due punti e la loro distanza reale.</source>
        <translation>Provisional scale: with &quot;Scale&quot; pick two points and give their real distance.</translation>
    </message>
    <message>
        <source>Il PDF &quot;%1&quot; non si apre (danneggiato, protetto da password o vuoto).</source>
        <translation>The PDF &quot;%1&quot; does not open (damaged, password-protected or empty).</translation>
    </message>
    <message>
        <source>Pagina %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>Pagina del PDF</source>
        <translation>PDF page</translation>
    </message>
    <message>
        <source>Pagina con la pianta:</source>
        <translation>Page with the floor plan:</translation>
    </message>
    <message>
        <source>Scala provvisoria 1:100: con &quot;Scala&quot; indicare due punti e la loro distanza reale.</source>
        <translation>Provisional scale 1:100: with &quot;Scale&quot; pick two points and give their real distance.</translation>
    </message>
    <message>
        <source>Distanza reale tra i due punti (m), ora %1 m:</source>
        <translation>Real distance between the two points (m), now %1 m:</translation>
    </message>
    <message>
        <source>Scala dello sfondo</source>
        <translation>Background scale</translation>
    </message>
    <message>
        <source>Non ci sono collettori da posare: darne il nome nella pagina &quot;Collettori&quot;.</source>
        <translation>There are no manifolds to place: name them on the &quot;Manifolds&quot; page.</translation>
    </message>
    <message>
        <source>Collettore %1</source>
        <translation>Manifold %1</translation>
    </message>
    <message>
        <source>Angolo non spostato: %1</source>
        <translation>Corner not moved: %1</translation>
    </message>
    <message>
        <source>Sposta angolo</source>
        <translation>Move corner</translation>
    </message>
    <message>
        <source>Angolo rifiutato: il lato nuovo torna indietro sul lato %1.</source>
        <translation>Corner rejected: the new side doubles back on side %1.</translation>
    </message>
    <message>
        <source>Angolo rifiutato: il lato nuovo incrocia il lato %1.</source>
        <translation>Corner rejected: the new side crosses side %1.</translation>
    </message>
    <message>
        <source>Per chiudere un contorno servono almeno tre angoli.</source>
        <translation>An outline needs at least three corners to close.</translation>
    </message>
    <message>
        <source>Contorno rifiutato: %1</source>
        <translation>Outline rejected: %1</translation>
    </message>
    <message>
        <source>Scegliere prima il locale a cui appartiene il contorno.</source>
        <translation>First choose the room the outline belongs to.</translation>
    </message>
    <message>
        <source>Il locale %1 ha già un contorno (piano %2): eliminarlo prima di disegnarne un altro.</source>
        <translation>Room %1 already has an outline (floor %2): delete it before drawing another one.</translation>
    </message>
    <message>
        <source>Il locale %1 è al piano %2, non a questo.</source>
        <translation>Room %1 is on floor %2, not on this one.</translation>
    </message>
    <message>
        <source>Contorno del locale %1</source>
        <translation>Outline of room %1</translation>
    </message>
    <message>
        <source>Zona senza tubi rifiutata (locale %1): %2</source>
        <translation>Pipe-free zone rejected (room %1): %2</translation>
    </message>
    <message>
        <source>Nel punto scelto non c&apos;è una polilinea chiusa né una regione chiusa dalle linee del disegno.</source>
        <translation>At the chosen point there is no closed polyline and no region closed by the lines of the drawing.</translation>
    </message>
    <message>
        <source>Fare clic su un lato del contorno di un locale.</source>
        <translation>Click a side of the outline of a room.</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Lato %1 m</source>
        <translation>Side %1 m</translation>
    </message>
    <message>
        <source> · Area %1 m²</source>
        <translation> · Area %1 m²</translation>
    </message>
    <message>
        <source>Locale %1 · Area %2 m²</source>
        <translation>Room %1 · Area %2 m²</translation>
    </message>
    <message>
        <source>Zona senza tubi · Area %1 m²</source>
        <translation>Pipe-free zone · Area %1 m²</translation>
    </message>
    <message>
        <source>x %1 m · y %2 m</source>
        <translation>x %1 m · y %2 m</translation>
    </message>
</context>
<context>
    <name>TFinestraPosa</name>
    <message>
        <source>Posa dei circuiti</source>
        <translation>Loop layout</translation>
    </message>
    <message>
        <source>Spirale bifilare</source>
        <translation>Double spiral</translation>
    </message>
    <message>
        <source>Serpentina</source>
        <translation>Serpentine</translation>
    </message>
    <message>
        <source>Lunghezze dal disegno</source>
        <translation>Lengths from the drawing</translation>
    </message>
    <message>
        <source>Collettori, perdite di carico, matasse, distinta, etichette e rapporto usano il totale misurato di ogni circuito posato invece della lunghezza dimensionata</source>
        <translation>Manifolds, pressure drops, pipe coils, bill of materials, labels and report use the measured total of every laid loop instead of the sized length</translation>
    </message>
    <message>
        <source>Circuito</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>Locale</source>
        <translation>Room</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Floor</translation>
    </message>
    <message>
        <source>Collettore</source>
        <translation>Manifold</translation>
    </message>
    <message>
        <source>Schema</source>
        <translation>Pattern</translation>
    </message>
    <message>
        <source>Passo [cm]</source>
        <translation>Spacing [cm]</translation>
    </message>
    <message>
        <source>Anello [m]</source>
        <translation>Loop [m]</translation>
    </message>
    <message>
        <source>Collegamenti [m]</source>
        <translation>Connections [m]</translation>
    </message>
    <message>
        <source>Totale [m]</source>
        <translation>Total [m]</translation>
    </message>
    <message>
        <source>Dimensionata [m]</source>
        <translation>Sized [m]</translation>
    </message>
    <message>
        <source>Schema del progetto:</source>
        <translation>Project pattern:</translation>
    </message>
    <message>
        <source>spirale</source>
        <translation>spiral</translation>
    </message>
    <message>
        <source>serpentina</source>
        <translation>serpentine</translation>
    </message>
    <message>
        <source>Doppio clic: cambia lo schema di questo locale</source>
        <translation>Double click: changes the pattern of this room</translation>
    </message>
    <message>
        <source>Oltre la lunghezza massima dei circuiti (%1 m)</source>
        <translation>Over the maximum loop length (%1 m)</translation>
    </message>
    <message numerus="yes">
        <source>%n circuiti posati</source>
        <translation>
            <numerusform>%n loop laid</numerusform>
            <numerusform>%n loops laid</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n oltre la lunghezza massima</source>
        <translation>
            <numerusform>; %n over the maximum length</numerusform>
            <numerusform>; %n over the maximum length</numerusform>
        </translation>
    </message>
    <message>
        <source>Non posati: </source>
        <translation>Not laid: </translation>
    </message>
    <message>
        <source>Avvisi: </source>
        <translation>Warnings: </translation>
    </message>
    <message>
        <source>Piano %1</source>
        <translation>Floor %1</translation>
    </message>
</context>
<context>
    <name>TGriglia1</name>
    <message>
        <source>Descrizione</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>TInfo</name>
    <message>
        <source>Il manuale &quot;%1&quot; non è presente nella cartella del programma.</source>
        <translation>The manual &quot;%1&quot; is not in the program folder.</translation>
    </message>
    <message>
        <source>Non è stato possibile aprire il manuale &quot;%1&quot;: serve un programma per i file PDF.</source>
        <translation>The manual &quot;%1&quot; could not be opened: a program for PDF files is needed.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>
Per informazioni consultare il file denominato &quot;manuale.pdf&quot; presente 
nella directory di installazione del programma.

Per visualizzare questo file occorre avere installato Acrobat Reader.
</source>
        <translation>
For information see the file named &quot;manuale.pdf&quot; in 
the installation folder of the program.

A PDF reader is needed to view this file.
</translation>
    </message>
    <message>
        <source>Per visualizzare questo file occorre avere installato Acrobat Reader.</source>
        <translation>For information see the file named &quot;manuale.pdf&quot; in</translation>
    </message>
    <message>
        <source>   &amp;Esci</source>
        <translation>   E&amp;xit</translation>
    </message>
    <message>
        <source>Manuale</source>
        <translation>Manual</translation>
    </message>
</context>
<context>
    <name>TLegenda</name>
    <message>
        <source>Celle bianche: zona attiva del locale (As), colonne da &quot;Locale&quot; a &quot;Dp As&quot;.</source>
        <translation>White cells: occupied zone of the room (As), columns from &quot;Room&quot; to &quot;Dp As&quot;.</translation>
    </message>
    <message>
        <source>Celle arancio: zona marginale (Am), con &quot;Con Area Marginale&quot;; &quot;--&quot; per i locali senza resa della zona marginale.</source>
        <translation>Orange cells: edge zone (Am), with &quot;With Edge Zone&quot;; &quot;--&quot; for rooms without edge zone output.</translation>
    </message>
    <message>
        <source>Lampada verde: il pavimento copre tutto il carico termico del locale.</source>
        <translation>Green lamp: the floor covers the whole heat load of the room.</translation>
    </message>
    <message>
        <source>Lampada rossa: il pavimento non copre il carico; &quot;Integr.&quot; è la potenza da integrare con altri terminali.</source>
        <translation>Red lamp: the floor does not cover the load; &quot;Suppl.&quot; is the output to be supplied by other emitters.</translation>
    </message>
    <message>
        <source>Testo rosso: temperatura superficiale della zona attiva oltre 29 °C.</source>
        <translation>Red text: surface temperature of the occupied zone above 29 °C.</translation>
    </message>
    <message>
        <source>Testo bianco in grassetto: temperatura superficiale della zona marginale oltre 33 °C.</source>
        <translation>Bold white text: surface temperature of the edge zone above 33 °C.</translation>
    </message>
    <message>
        <source>oltre</source>
        <translation>over</translation>
    </message>
    <message>
        <source>Colonna &quot;EN 1264&quot;: lampada verde se il flusso di ogni zona resta entro il limite q_G della UNI EN 1264 (pavimento al più 29 °C, 33 °C nei bagni, 35 °C nelle zone marginali), rossa se lo supera. Il suggerimento della cella dà q, q_G e θF,max; sotto la griglia il numero dei locali oltre il limite.</source>
        <translation>Column &quot;EN 1264&quot;: green lamp if the heat flux of every zone stays within the limit q_G of EN 1264 (floor at most 29 °C, 33 °C in bathrooms, 35 °C in edge zones), red if it exceeds it. The cell tooltip gives q, q_G and θF,max; below the grid the number of rooms over the limit.</translation>
    </message>
    <message>
        <source>Legenda</source>
        <translation>Legend</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TMenuModifica</name>
    <message>
        <source>Mo&amp;difica</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Ripeti</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Annulla %1</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>&amp;Ripeti %1</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message>
        <source>La riga in modifica è stata confermata e poi annullata: &quot;Ripeti&quot; la rimette.</source>
        <translation>The row being edited was confirmed and then undone: &quot;Redo&quot; puts it back.</translation>
    </message>
    <message>
        <source>La riga in modifica è stata confermata prima di ripetere.</source>
        <translation>The row being edited was confirmed before redoing.</translation>
    </message>
</context>
<context>
    <name>TModelloTabella</name>
    <message>
        <source>Sì</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>&apos;%1&apos; non è un numero valido per %2.</source>
        <translation>&apos;%1&apos; is not a valid number for %2.</translation>
    </message>
</context>
<context>
    <name>TMostraCColl</name>
    <message>
        <source>Il tipo di collettore scelto non è compatibile per questa tipologia di impianto.</source>
        <translation>The chosen manifold type is not compatible with this type of system.</translation>
    </message>
    <message>
        <source>Il tipo di collettore scelto non è compatibile con la scelta fatta in dati generali.</source>
        <translation>The chosen manifold type is not compatible with the choice made in the general data.</translation>
    </message>
    <message>
        <source>SCELTA COLLETTORI</source>
        <translation>MANIFOLD SELECTION</translation>
    </message>
    <message>
        <source>Nome
Collettore</source>
        <translation>Manifold
Name</translation>
    </message>
    <message>
        <source>Numero
Anelli</source>
        <translation>Number of
Loops</translation>
    </message>
    <message>
        <source>Portata
[l/h]</source>
        <translation>Flow rate
[l/h]</translation>
    </message>
    <message>
        <source>Perdite di
carico
[mmH2O]</source>
        <translation>Pressure
drop
[mmH2O]</translation>
    </message>
    <message>
        <source>SCELTA TIPO DI COLLETTORE</source>
        <translation>MANIFOLD TYPE SELECTION</translation>
    </message>
    <message>
        <source>&amp;Salva Impostazioni</source>
        <translation>&amp;Save Settings</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Esci</source>
        <translation>E&amp;xit</translation>
    </message>
</context>
<context>
    <name>TOpzCap</name>
    <message>
        <source>Opzioni di Stampa:</source>
        <translation>Print Options:</translation>
    </message>
    <message>
        <source>Senza Prezzi</source>
        <translation>Without Prices</translation>
    </message>
    <message>
        <source>Con Prezzi</source>
        <translation>With Prices</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TOttimizza</name>
    <message>
        <source>Errore durante l&apos;ottimizzazione dei circuiti!

Il risultato non è stato registrato.</source>
        <translation>Error during the loop optimisation!

The result has not been recorded.</translation>
    </message>
    <message>
        <source>Rotolo [m]</source>
        <translation>Coil [m]</translation>
    </message>
    <message>
        <source>Scarto [m]</source>
        <translation>Offcut [m]</translation>
    </message>
    <message>
        <source>Lung. Circuito [m]</source>
        <translation>Loop Length [m]</translation>
    </message>
    <message>
        <source>Descr. Circuito</source>
        <translation>Loop Descr.</translation>
    </message>
    <message>
        <source> Collettore Associato</source>
        <translation> Assigned Manifold</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Floor</translation>
    </message>
    <message>
        <source>OTTIMIZZAZIONE CIRCUITI</source>
        <translation>LOOP OPTIMISATION</translation>
    </message>
    <message>
        <source>N° Circuiti:</source>
        <translation>No. of Loops:</translation>
    </message>
    <message>
        <source>Circuito</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>Matasse Disponibili [m]:</source>
        <translation>Available Pipe Coils [m]:</translation>
    </message>
    <message>
        <source>Opzioni:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Per Piano</source>
        <translation>By Floor</translation>
    </message>
    <message>
        <source>Scarto Min. matassa</source>
        <translation>Min. coil offcut</translation>
    </message>
    <message>
        <source>Statistica:</source>
        <translation>Statistics:</translation>
    </message>
    <message>
        <source>Totale [m]:</source>
        <translation>Total [m]:</translation>
    </message>
    <message>
        <source>Utilizzato [m]:</source>
        <translation>Used [m]:</translation>
    </message>
    <message>
        <source>Avanzo [m]:</source>
        <translation>Left over [m]:</translation>
    </message>
    <message>
        <source>Avanzo Perc. [%]:</source>
        <translation>Left over [%]:</translation>
    </message>
    <message>
        <source>&amp;Calcola</source>
        <translation>&amp;Calculate</translation>
    </message>
    <message>
        <source>&amp;Esci</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Ca&amp;ncella</source>
        <translation>Clea&amp;r</translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation>P&amp;rint</translation>
    </message>
    <message>
        <source>Minimo acquisto</source>
        <translation>Minimum purchase</translation>
    </message>
    <message>
        <source>Sceglie le matasse e i tagli che comprano meno tubo in tutto</source>
        <translation>Chooses the coils and cuts that buy the least pipe overall</translation>
    </message>
</context>
<context>
    <name>TPaginaCatalogo</name>
    <message>
        <source>Eliminare il prodotto aggiuntivo selezionato?</source>
        <translation>Delete the selected additional product?</translation>
    </message>
    <message>
        <source>TUTTI</source>
        <translation>ALL</translation>
    </message>
    <message>
        <source>&amp;Cerca</source>
        <translation>&amp;Search</translation>
    </message>
    <message>
        <source>&amp;Inserisci</source>
        <translation>&amp;Insert</translation>
    </message>
    <message>
        <source>DESCRIZIONE</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <source>MISURA</source>
        <translation>SIZE</translation>
    </message>
    <message>
        <source>CODICE</source>
        <translation>CODE</translation>
    </message>
    <message>
        <source>Descrizione:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Codice:</source>
        <translation>Code:</translation>
    </message>
    <message>
        <source>PRODOTTI AGGIUNTIVI</source>
        <translation>ADDITIONAL PRODUCTS</translation>
    </message>
    <message>
        <source>QUANTITA&apos;</source>
        <translation>QUANTITY</translation>
    </message>
</context>
<context>
    <name>TPaginaCliente</name>
    <message>
        <source>Cliente e progetto</source>
        <translation>Customer and project</translation>
    </message>
    <message>
        <source>Progetto:</source>
        <translation>Project:</translation>
    </message>
    <message>
        <source>Committente:</source>
        <translation>Client:</translation>
    </message>
    <message>
        <source>Progettista:</source>
        <translation>Designer:</translation>
    </message>
    <message>
        <source>Riferimento:</source>
        <translation>Reference:</translation>
    </message>
    <message>
        <source>Data:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Notes:</translation>
    </message>
</context>
<context>
    <name>TPaginaCollettori</name>
    <message>
        <source>&amp;Nuovo</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Modifica</source>
        <translation>Mod&amp;ify</translation>
    </message>
    <message>
        <source>&amp;Elimina</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Tipo</source>
        <translation>&amp;Type</translation>
    </message>
    <message>
        <source>&amp;Assegna automaticamente</source>
        <translation>Assign a&amp;utomatically</translation>
    </message>
    <message>
        <source>&amp;Ottimizzazione Circuiti</source>
        <translation>Loop Opti&amp;misation</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Floor</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>L [m]</source>
        <translation>L [m]</translation>
    </message>
    <message>
        <source>P [cm]</source>
        <translation>S [cm]</translation>
    </message>
    <message>
        <source>Q [l/h]</source>
        <translation>Q [l/h]</translation>
    </message>
    <message>
        <source>dP [mmH2O]</source>
        <translation>dP [mmH2O]</translation>
    </message>
    <message>
        <source>Collettori</source>
        <translation>Manifolds</translation>
    </message>
    <message>
        <source>Circuiti</source>
        <translation>Loops</translation>
    </message>
    <message>
        <source>SPOSTA</source>
        <translation>MOVE</translation>
    </message>
    <message>
        <source>Collettori e circuiti collegati:</source>
        <translation>Manifolds and connected loops:</translation>
    </message>
    <message>
        <source>Circuiti da collegare:</source>
        <translation>Loops to connect:</translation>
    </message>
    <message>
        <source>Nome Collettore</source>
        <translation>Manifold Name</translation>
    </message>
    <message>
        <source>T Mandata [°C]</source>
        <translation>Supply T [°C]</translation>
    </message>
    <message>
        <source>N° Circuiti</source>
        <translation>No. of Loops</translation>
    </message>
    <message>
        <source>Circuiti:</source>
        <translation>Loops:</translation>
    </message>
    <message>
        <source>1 circuito nuovo da collegare</source>
        <translation>1 new loop to connect</translation>
    </message>
    <message>
        <source>%1 circuiti nuovi da collegare</source>
        <translation>%1 new loops to connect</translation>
    </message>
    <message>
        <source>1 circuito collegato non esiste più ed è stato tolto dal suo collettore</source>
        <translation>1 connected loop no longer exists and has been removed from its manifold</translation>
    </message>
    <message>
        <source>%1 circuiti collegati non esistono più e sono stati tolti dai collettori</source>
        <translation>%1 connected loops no longer exist and have been removed from the manifolds</translation>
    </message>
    <message>
        <source>1 collettore, segnato nell&apos;albero, ha circuiti di piani diversi o più di 12 circuiti e va corretto</source>
        <translation>1 manifold, marked in the tree, has loops on different floors or more than 12 loops and must be corrected</translation>
    </message>
    <message>
        <source>%1 collettori, segnati nell&apos;albero, hanno circuiti di piani diversi o più di 12 circuiti e vanno corretti</source>
        <translation>%1 manifolds, marked in the tree, have loops on different floors or more than 12 loops and must be corrected</translation>
    </message>
    <message>
        <source>la conferma dei collettori è da ripetere</source>
        <translation>the manifolds must be confirmed again</translation>
    </message>
    <message>
        <source>l&apos;ottimizzazione dei circuiti è da ripetere</source>
        <translation>the loop optimisation must be run again</translation>
    </message>
</context>
<context>
    <name>TPaginaDatiGenerali</name>
    <message>
        <source>Il tubo scelto non è idoneo per il pannello isolante impostato.</source>
        <translation>The chosen pipe is not suitable for the selected insulation panel.</translation>
    </message>
    <message>
        <source>Il pannello scelto non è idoneo per il tipo di tubo impostato.</source>
        <translation>The chosen panel is not suitable for the selected pipe type.</translation>
    </message>
    <message>
        <source>Con il sistema scelto il tipo di tubo deve essere di diametro 25.</source>
        <translation>With the chosen system the pipe must be of diameter 25.</translation>
    </message>
    <message>
        <source>Caratteristiche:</source>
        <translation>Properties:</translation>
    </message>
    <message>
        <source>Temperatura Vani Sottostanti [°C]</source>
        <translation>Temperature of Rooms Below [°C]</translation>
    </message>
    <message>
        <source>Massetto:</source>
        <translation>Screed:</translation>
    </message>
    <message>
        <source>Spessore [mm]</source>
        <translation>Thickness [mm]</translation>
    </message>
    <message>
        <source>Rivestimento:</source>
        <translation>Floor covering:</translation>
    </message>
    <message>
        <source>Tipo:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Soletta:</source>
        <translation>Slab:</translation>
    </message>
    <message>
        <source>Spessore [cm]</source>
        <translation>Thickness [cm]</translation>
    </message>
    <message>
        <source>Isolante:</source>
        <translation>Insulation:</translation>
    </message>
    <message>
        <source>Tubo:</source>
        <translation>Pipe:</translation>
    </message>
    <message>
        <source>Lunghezza Massima circuiti [m]</source>
        <translation>Maximum loop length [m]</translation>
    </message>
    <message>
        <source>Delta T MAX [°C]</source>
        <translation>MAX Delta T [°C]</translation>
    </message>
    <message>
        <source>Collettori:</source>
        <translation>Manifolds:</translation>
    </message>
</context>
<context>
    <name>TPaginaLocali</name>
    <message>
        <source>N°</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Floor</translation>
    </message>
    <message>
        <source>TA [°C]</source>
        <translation>Room T [°C]</translation>
    </message>
    <message>
        <source>Area [mq]</source>
        <translation>Area [m²]</translation>
    </message>
    <message>
        <source>AreaUtile [mq]</source>
        <translation>Usable area [m²]</translation>
    </message>
    <message>
        <source>AreaMarg [mq]</source>
        <translation>Edge area [m²]</translation>
    </message>
    <message>
        <source>CTermico [W]</source>
        <translation>Heat load [W]</translation>
    </message>
    <message>
        <source>TipoRivestimento</source>
        <translation>Floor covering</translation>
    </message>
    <message>
        <source>Spess. [mm]</source>
        <translation>Thick. [mm]</translation>
    </message>
    <message>
        <source>DColl [m]</source>
        <translation>Dist. manif. [m]</translation>
    </message>
    <message>
        <source>Nessun locale.

Per inserire il primo locale scriverne il numero; la freccia in giù sull&apos;ultima riga ne aggiunge un altro.</source>
        <translation>No rooms.

To enter the first room type its number; the down arrow on the last row adds another one.</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Eliminare il locale selezionato?</source>
        <translation>Delete the selected room?</translation>
    </message>
    <message>
        <source>&amp;Importa...</source>
        <translation>&amp;Import...</translation>
    </message>
    <message>
        <source>Aggiunge i locali di un foglio di calcolo (.csv o .xlsx)</source>
        <translation>Adds the rooms of a spreadsheet (.csv or .xlsx)</translation>
    </message>
    <message>
        <source>&amp;Esporta...</source>
        <translation>E&amp;xport...</translation>
    </message>
    <message>
        <source>Scrive i locali in un foglio di calcolo (.csv o .xlsx)</source>
        <translation>Writes the rooms to a spreadsheet (.csv or .xlsx)</translation>
    </message>
    <message>
        <source>Pi&amp;anta...</source>
        <translation>&amp;Floor plan...</translation>
    </message>
    <message>
        <source>Disegna i locali sulla pianta: aree e distanze dal collettore</source>
        <translation>Draws the rooms on the floor plan: areas and distances from the manifold</translation>
    </message>
    <message>
        <source>P&amp;osa...</source>
        <translation>Loop la&amp;yout...</translation>
    </message>
    <message>
        <source>Posa i circuiti sulla pianta: lunghezze misurate, schema per locale</source>
        <translation>Lays the loops on the floor plan: measured lengths, pattern per room</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>%1 m²</source>
        <translation>%1 m²</translation>
    </message>
    <message>
        <source>Dalla pianta: %1</source>
        <translation>From the floor plan: %1</translation>
    </message>
    <message>
        <source>Scritto a mano; la pianta dà %1</source>
        <translation>Typed by hand; the floor plan gives %1</translation>
    </message>
    <message>
        <source>Importa locali</source>
        <translation>Import rooms</translation>
    </message>
    <message>
        <source>Esporta locali</source>
        <translation>Export rooms</translation>
    </message>
</context>
<context>
    <name>TPaginaMandata</name>
    <message>
        <source>T Mandata di Progetto [°C]: </source>
        <translation>Design Supply T [°C]: </translation>
    </message>
    <message>
        <source>T Mandata di Progetto</source>
        <translation>Design Supply T</translation>
    </message>
    <message>
        <source>T Ottima</source>
        <translation>Optimum T</translation>
    </message>
    <message>
        <source>Con Area Marginale</source>
        <translation>With Edge Zone</translation>
    </message>
    <message>
        <source>Senza Area Marginale</source>
        <translation>Without Edge Zone</translation>
    </message>
    <message>
        <source>T EN 1264</source>
        <translation>EN 1264 T</translation>
    </message>
    <message>
        <source>Sal&amp;va Impostazioni</source>
        <translation>Sa&amp;ve Settings</translation>
    </message>
    <message>
        <source>&amp;Legenda</source>
        <translation>&amp;Legend</translation>
    </message>
    <message>
        <source>Locale Selezionato:</source>
        <translation>Selected Room:</translation>
    </message>
</context>
<context>
    <name>TPaginaProgetto</name>
    <message>
        <source>

È stata ripristinata la scelta precedente; le altre modifiche della pagina restano da confermare.</source>
        <translation>

The previous choice has been restored; the other changes on the page still have to be confirmed.</translation>
    </message>
</context>
<context>
    <name>TPaginaRegolazione</name>
    <message>
        <source>Il tipo di attuatore scelto non è compatibile con il tipo di collettore di distribuzione adottato!</source>
        <translation>The chosen actuator type is not compatible with the distribution manifold type in use!</translation>
    </message>
    <message>
        <source>L&apos;attuatore scelto non è compatibile con il tipo di collettore di distribuzione.</source>
        <translation>The chosen actuator is not compatible with the distribution manifold type.</translation>
    </message>
    <message>
        <source>L&apos;attuatore in REGOLAZIONE AMBIENTE  non è compatibile con il tipo di collettore di distribuzione.</source>
        <translation>The actuator in ROOM CONTROL is not compatible with the distribution manifold type.</translation>
    </message>
    <message>
        <source>Collettore caldaia errato!</source>
        <translation>Wrong boiler manifold!</translation>
    </message>
    <message>
        <source>Motore per valvola miscelatrice errato!</source>
        <translation>Wrong mixing valve motor!</translation>
    </message>
    <message>
        <source>I collettori di distribuzione non sono stati ancora assegnati o è stata fatta una modifica delle impostazioni.</source>
        <translation>The distribution manifolds have not been assigned yet, or the settings have been changed.</translation>
    </message>
    <message>
        <source>Non sono stati introdotti i locali.</source>
        <translation>No rooms have been entered.</translation>
    </message>
    <message>
        <source>QUANTITA&apos;</source>
        <translation>QUANTITY</translation>
    </message>
    <message>
        <source>REGOLAZIONE AMBIENTE</source>
        <translation>ROOM CONTROL</translation>
    </message>
    <message>
        <source>Termostato:</source>
        <translation>Thermostat:</translation>
    </message>
    <message>
        <source>Attuatore:</source>
        <translation>Actuator:</translation>
    </message>
    <message>
        <source>COLLETTORE DI CALDAIA</source>
        <translation>BOILER MANIFOLD</translation>
    </message>
    <message>
        <source>Collettore:</source>
        <translation>Manifold:</translation>
    </message>
    <message>
        <source>Motore miscelatrice:</source>
        <translation>Mixing valve motor:</translation>
    </message>
    <message>
        <source>REGOLAZIONE ELETTRONICA</source>
        <translation>ELECTRONIC CONTROL</translation>
    </message>
    <message>
        <source>Regolatore:</source>
        <translation>Controller:</translation>
    </message>
    <message>
        <source>&amp;Calcolo Quantità</source>
        <translation>&amp;Calculate Quantities</translation>
    </message>
</context>
<context>
    <name>TProgetto</name>
    <message>
        <source>Progetto</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>Informazioni Cliente</source>
        <translation>Customer Information</translation>
    </message>
    <message>
        <source>Dati Generali Impianto</source>
        <translation>General System Data</translation>
    </message>
    <message>
        <source>Locali</source>
        <translation>Rooms</translation>
    </message>
    <message>
        <source>T Mandata Progetto</source>
        <translation>Design Supply T</translation>
    </message>
    <message>
        <source>Raffrescamento</source>
        <translation>Cooling</translation>
    </message>
    <message>
        <source>Collettori</source>
        <translation>Manifolds</translation>
    </message>
    <message>
        <source>Regolazione</source>
        <translation>Controls</translation>
    </message>
    <message>
        <source>Catalogo</source>
        <translation>Catalogue</translation>
    </message>
</context>
<context>
    <name>TStart</name>
    <message>
        <source>Apertura in corso...</source>
        <translation>Opening...</translation>
    </message>
</context>
<context>
    <name>TTERMOVELA</name>
    <message>
        <source>Non è possibile aprire il file.

Verificare che il file esista o che non sia stato spostato in un altra cartella.</source>
        <translation>The file cannot be opened.

Check that the file exists and has not been moved to another folder.</translation>
    </message>
    <message>
        <source>Non è possibile aprire un altro progetto!

Chiudere prima il progetto in corso.</source>
        <translation>Another project cannot be opened!

Close the current project first.</translation>
    </message>
    <message>
        <source>TVL Files (*.tvl)</source>
        <translation>TVL Files (*.tvl)</translation>
    </message>
    <message>
        <source>&amp;Lingua</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>&amp;Progetto</source>
        <translation>&amp;Project</translation>
    </message>
    <message>
        <source>&amp;Nuovo</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Regolazione V22&amp;0HJ</source>
        <translation>V22&amp;0HJ Control</translation>
    </message>
    <message>
        <source>&amp;V220HJ</source>
        <translation>&amp;V220HJ</translation>
    </message>
    <message>
        <source>Regolazione &quot;&amp;PUNTO FISSO&quot;</source>
        <translation>&quot;&amp;FIXED POINT&quot; Control</translation>
    </message>
    <message>
        <source>Regolazione V22&amp;1V-9</source>
        <translation>V22&amp;1V-9 Control</translation>
    </message>
    <message>
        <source>Regolazione V22&amp;5</source>
        <translation>V22&amp;5 Control</translation>
    </message>
    <message>
        <source>&amp;Apri</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Salva con N&amp;ome...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>&amp;Pianta...</source>
        <translation>&amp;Floor Plan...</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Esci</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation>P&amp;rint</translation>
    </message>
    <message>
        <source>&amp;Rapporto Tecnico</source>
        <translation>&amp;Technical Report</translation>
    </message>
    <message>
        <source>&amp;Preventivo Semplice</source>
        <translation>Simple &amp;Quotation</translation>
    </message>
    <message>
        <source>&amp;Capitolato</source>
        <translation>&amp;Specification</translation>
    </message>
    <message>
        <source>&amp;Ottimizz. Circuiti</source>
        <translation>&amp;Loop Optimisation</translation>
    </message>
    <message>
        <source>&amp;Etichette</source>
        <translation>La&amp;bels</translation>
    </message>
    <message>
        <source>Tavola &amp;Impianto</source>
        <translation>&amp;Installation Drawing</translation>
    </message>
    <message>
        <source>In&amp;formazioni</source>
        <translation>A&amp;bout</translation>
    </message>
    <message>
        <source>Manuale</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Apri ca&amp;rtella</source>
        <translation>Open f&amp;older</translation>
    </message>
    <message>
        <source>Non è stato possibile aprire la cartella &quot;%1&quot;.</source>
        <translation>The folder &quot;%1&quot; could not be opened.</translation>
    </message>
    <message>
        <source>Impossibile aprire il catalogo.

</source>
        <translation>The catalogue cannot be opened.

</translation>
    </message>
    <message>
        <source>Sei sicuro di volere abbandonare il progetto in corso?

Eventuali modifiche non salvate andranno perse.</source>
        <translation>Are you sure you want to leave the current project?

Any unsaved changes will be lost.</translation>
    </message>
    <message>
        <source> : [Senza Titolo]</source>
        <translation> : [Untitled]</translation>
    </message>
    <message>
        <source>Apri</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Non è possibile aprire il file.

&quot;%1&quot; %2.</source>
        <translation>The file cannot be opened.

&quot;%1&quot; %2.</translation>
    </message>
    <message>
        <source>Salva con Nome</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Sei sicuro di volere chiudere il progetto aperto?

Eventuali modifiche non salvate andranno perse.</source>
        <translation>Are you sure you want to close the open project?

Any unsaved changes will be lost.</translation>
    </message>
    <message>
        <source>Non è stato possibile cambiare la lingua: il progetto aperto non si può conservare per la nuova finestra.</source>
        <translation>The language could not be changed: the open project cannot be kept for the new window.</translation>
    </message>
</context>
</TS>
