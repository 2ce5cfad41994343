<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="it">
<context>
    <name>En1264</name>
    <message>
        <source>Bagno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bagno: temperatura superficiale massima 33 °C invece di 29 °C (predefinito da 24 °C in su)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CEstivo [W]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carico termico estivo del locale per il raffrescamento a pavimento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il carico estivo deve essere un numero da 0 a 1000000 W.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: q %2 W/m², q_G %3 W/m², θF,m %4 °C, θF,max %5 °C — %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatura di mandata di progetto della UNI EN 1264-3: il locale con il flusso più alto fra quelli che non sono bagni, al passo più fitto, con salto termico di al più 5 K.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifica EN 1264 nella relazione tecnica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aggiunge alla relazione tecnica il foglio &quot;Verifica EN 1264&quot; (c&apos;è comunque quando il progetto ha bagni scelti, carichi estivi o &quot;T EN 1264&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifica EN 1264: 1 locale oltre il limite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifica EN 1264: %1 locali oltre il limite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T EN 1264: ---</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T EN 1264: %1 °C (locale %2, %3 W/m², σ %4 K)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> — oltre il limite anche al passo più fitto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EN 1264</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>oltre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zona attiva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zona marginale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessuna zona con resa da verificare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bagno: θF,max 33 °C nella zona attiva.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Raffrescamento</name>
    <message>
        <source>Dati estivi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la più bassa sicura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Usa la proposta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T ambiente estiva:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Umidità relativa:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Margine sul punto di rugiada:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T mandata estiva:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descrizione</source>
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
        <source>Portata [l/h]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mancanza [W]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punto di rugiada: %1 °C (pavimento sopra %2 °C, dove si sta sopra %3 °C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mandata estiva più bassa sicura: %1 °C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessuna mandata estiva sicura con questi dati.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessun locale da calcolare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvare le impostazioni della pagina &quot;T Mandata Progetto&quot;: il raffrescamento usa i circuiti posati per il riscaldamento.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mandata estiva %1 °C: resa estiva %2 W per un carico di %3 W; %4 locali da rivedere.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TApplicazione</name>
    <message>
        <source>Memoria esaurita: l&apos;operazione non è stata completata.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TApriPianta</name>
    <message>
        <source>Nuovo locale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descrizione del locale:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carico termico di &quot;%1&quot; (W):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCaricamento</name>
    <message>
        <source>Caricamento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TComandiStampa</name>
    <message>
        <source>Completare l&apos;inserimento dei dati nella riga selezionata della tabella Locali o

annullare la riga con X.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confermare le modifiche nella scheda Dati Generali o

annullare la riga con X.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confermare le modifiche nella scheda Informazioni Clienti o

annullare la riga con X.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I collettori non sono stati assegnati o è stata fatta una modifica delle impostazioni.

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La Relazione tecnica non conterrà i risultati relativi ai collettori.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il preventivo non conterrà la lista relativa ai collettori e alla regolazione.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non è stata effettuata l&apos;ottimizzazione dei circuiti.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tutti i documenti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ogni documento del progetto nella sua cartella, senza aprirli; con &quot;Crea anche il PDF&quot; anche le copie PDF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crea anche il P&amp;DF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LibreOffice (soffice) non è installato: il PDF non si può creare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ogni documento viene salvato anche in PDF, accanto al file .xlsx.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Apri cartella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La cartella dei documenti del progetto.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documento salvato in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I documenti non conterranno i collettori e la regolazione.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n documenti salvati in %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Non è stato possibile creare il PDF di tutti i documenti.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non è stato possibile aprire la cartella &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creazione del PDF in corso...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non è stato possibile creare il PDF del documento.

</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDBNavigator</name>
    <message>
        <source>Sono cambiati %1 campi: annullare tutte le modifiche?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Precedente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Successivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ultimo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inserisci</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modifica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aggiorna</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDefColl</name>
    <message>
        <source>Nome COLLETTORE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDisegnoPosa</name>
    <message>
        <source>Disegno della posa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ingresso di &quot;%1&quot; qui</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ingresso automatico</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFinestraPianta</name>
    <message>
        <source>%1
%2 m²</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pianta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importa sfondo...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disegno DXF, pagina PDF o immagine PNG/JPEG come sfondo del piano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importa sfondo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piante (*.dxf *.pdf *.png *.jpg *.jpeg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuovo piano...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuovo piano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nome del piano:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seleziona</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dal disegno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zona senza tubi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muro esterno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collettore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scala</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sposta gli angoli, Canc elimina il contorno, la zona o il collettore scelto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clic sugli angoli; Invio o clic sul primo angolo chiude, Backspace toglie l&apos;ultimo, Esc annulla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clic dentro una polilinea chiusa o una regione chiusa dalle linee del disegno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arredi fissi, piatti doccia, mobili della cucina: clic sugli angoli come per i locali</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clic su un lato di un locale: lo segna (o lo toglie) come muro esterno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clic dove sta il collettore scelto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clic su due punti di cui si conosce la distanza reale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locale del prossimo contorno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Locale: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Collettore: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nessuna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passo della griglia di aggancio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Griglia: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>45°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lati a 0, 45 e 90 gradi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vista</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adatta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mostra tutto il foglio (F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ripeti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Livelli</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mostra livello</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nascondi livello</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(senza piano)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piano %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuovo locale...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il piano ha già uno sfondo. Sostituirlo con &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il disegno &quot;%1&quot; non si può importare.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unità del disegno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il disegno non dice la sua unità di misura. In che unità è?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; non è un&apos;immagine PNG o JPEG leggibile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;immagine &quot;%1&quot; è troppo grande (%2 × %3 pixel): il massimo è %4 pixel per lato. Ridurla prima di importarla.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non è stato possibile leggere &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scala provvisoria: con &quot;Scala&quot; indicare due punti e la loro distanza reale.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il PDF &quot;%1&quot; non si apre (danneggiato, protetto da password o vuoto).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pagina %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pagina del PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pagina con la pianta:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scala provvisoria 1:100: con &quot;Scala&quot; indicare due punti e la loro distanza reale.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distanza reale tra i due punti (m), ora %1 m:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scala dello sfondo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non ci sono collettori da posare: darne il nome nella pagina &quot;Collettori&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collettore %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angolo non spostato: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sposta angolo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angolo rifiutato: il lato nuovo torna indietro sul lato %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angolo rifiutato: il lato nuovo incrocia il lato %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Per chiudere un contorno servono almeno tre angoli.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contorno rifiutato: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scegliere prima il locale a cui appartiene il contorno.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il locale %1 ha già un contorno (piano %2): eliminarlo prima di disegnarne un altro.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il locale %1 è al piano %2, non a questo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contorno del locale %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zona senza tubi rifiutata (locale %1): %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nel punto scelto non c&apos;è una polilinea chiusa né una regione chiusa dalle linee del disegno.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fare clic su un lato del contorno di un locale.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lato %1 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> · Area %1 m²</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locale %1 · Area %2 m²</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zona senza tubi · Area %1 m²</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x %1 m · y %2 m</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFinestraPosa</name>
    <message>
        <source>Posa dei circuiti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spirale bifilare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serpentina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunghezze dal disegno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collettori, perdite di carico, matasse, distinta, etichette e rapporto usano il totale misurato di ogni circuito posato invece della lunghezza dimensionata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circuito</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collettore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schema</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passo [cm]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anello [m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collegamenti [m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totale [m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dimensionata [m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schema del progetto:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spirale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serpentina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doppio clic: cambia lo schema di questo locale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oltre la lunghezza massima dei circuiti (%1 m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n circuiti posati</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n oltre la lunghezza massima</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Non posati: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avvisi: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piano %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TGriglia1</name>
    <message>
        <source>Descrizione</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TInfo</name>
    <message>
        <source>Il manuale &quot;%1&quot; non è presente nella cartella del programma.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non è stato possibile aprire il manuale &quot;%1&quot;: serve un programma per i file PDF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Per informazioni consultare il file denominato &quot;manuale.pdf&quot; presente 
nella directory di installazione del programma.

Per visualizzare questo file occorre avere installato Acrobat Reader.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Per visualizzare questo file occorre avere installato Acrobat Reader.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   &amp;Esci</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manuale</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TLegenda</name>
    <message>
        <source>Celle bianche: zona attiva del locale (As), colonne da &quot;Locale&quot; a &quot;Dp As&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Celle arancio: zona marginale (Am), con &quot;Con Area Marginale&quot;; &quot;--&quot; per i locali senza resa della zona marginale.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lampada verde: il pavimento copre tutto il carico termico del locale.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lampada rossa: il pavimento non copre il carico; &quot;Integr.&quot; è la potenza da integrare con altri terminali.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testo rosso: temperatura superficiale della zona attiva oltre 29 °C.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testo bianco in grassetto: temperatura superficiale della zona marginale oltre 33 °C.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>oltre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colonna &quot;EN 1264&quot;: lampada verde se il flusso di ogni zona resta entro il limite q_G della UNI EN 1264 (pavimento al più 29 °C, 33 °C nei bagni, 35 °C nelle zone marginali), rossa se lo supera. Il suggerimento della cella dà q, q_G e θF,max; sotto la griglia il numero dei locali oltre il limite.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legenda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMenuModifica</name>
    <message>
        <source>Mo&amp;difica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ripeti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Annulla %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ripeti %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La riga in modifica è stata confermata e poi annullata: &quot;Ripeti&quot; la rimette.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La riga in modifica è stata confermata prima di ripetere.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TModelloTabella</name>
    <message>
        <source>Sì</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; non è un numero valido per %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMostraCColl</name>
    <message>
        <source>Il tipo di collettore scelto non è compatibile per questa tipologia di impianto.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il tipo di collettore scelto non è compatibile con la scelta fatta in dati generali.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCELTA COLLETTORI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nome
Collettore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numero
Anelli</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portata
[l/h]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perdite di
carico
[mmH2O]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCELTA TIPO DI COLLETTORE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Salva Impostazioni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Esci</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TOpzCap</name>
    <message>
        <source>Opzioni di Stampa:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Senza Prezzi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Con Prezzi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TOttimizza</name>
    <message>
        <source>Errore durante l&apos;ottimizzazione dei circuiti!

Il risultato non è stato registrato.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotolo [m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scarto [m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lung. Circuito [m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descr. Circuito</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Collettore Associato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OTTIMIZZAZIONE CIRCUITI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N° Circuiti:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circuito</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matasse Disponibili [m]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opzioni:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Per Piano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scarto Min. matassa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistica:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totale [m]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utilizzato [m]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avanzo [m]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avanzo Perc. [%]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calcola</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Esci</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ca&amp;ncella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimo acquisto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sceglie le matasse e i tagli che comprano meno tubo in tutto</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPaginaCatalogo</name>
    <message>
        <source>Eliminare il prodotto aggiuntivo selezionato?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TUTTI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cerca</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Inserisci</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DESCRIZIONE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MISURA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CODICE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descrizione:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codice:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRODOTTI AGGIUNTIVI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUANTITA&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPaginaCliente</name>
    <message>
        <source>Cliente e progetto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progetto:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Committente:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progettista:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riferimento:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPaginaCollettori</name>
    <message>
        <source>&amp;Nuovo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Modifica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Elimina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tipo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Assegna automaticamente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ottimizzazione Circuiti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L [m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P [cm]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q [l/h]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dP [mmH2O]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collettori</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circuiti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SPOSTA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collettori e circuiti collegati:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circuiti da collegare:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nome Collettore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T Mandata [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N° Circuiti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circuiti:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 circuito nuovo da collegare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 circuiti nuovi da collegare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 circuito collegato non esiste più ed è stato tolto dal suo collettore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 circuiti collegati non esistono più e sono stati tolti dai collettori</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 collettore, segnato nell&apos;albero, ha circuiti di piani diversi o più di 12 circuiti e va corretto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 collettori, segnati nell&apos;albero, hanno circuiti di piani diversi o più di 12 circuiti e vanno corretti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la conferma dei collettori è da ripetere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;ottimizzazione dei circuiti è da ripetere</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPaginaDatiGenerali</name>
    <message>
        <source>Il tubo scelto non è idoneo per il pannello isolante impostato.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il pannello scelto non è idoneo per il tipo di tubo impostato.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Con il sistema scelto il tipo di tubo deve essere di diametro 25.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caratteristiche:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatura Vani Sottostanti [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Massetto:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spessore [mm]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rivestimento:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soletta:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spessore [cm]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isolante:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tubo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunghezza Massima circuiti [m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delta T MAX [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collettori:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPaginaLocali</name>
    <message>
        <source>N°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TA [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area [mq]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AreaUtile [mq]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AreaMarg [mq]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CTermico [W]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TipoRivestimento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spess. [mm]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DColl [m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessun locale.

Per inserire il primo locale scriverne il numero; la freccia in giù sull&apos;ultima riga ne aggiunge un altro.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eliminare il locale selezionato?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Importa...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aggiunge i locali di un foglio di calcolo (.csv o .xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Esporta...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scrive i locali in un foglio di calcolo (.csv o .xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pi&amp;anta...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disegna i locali sulla pianta: aree e distanze dal collettore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;osa...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Posa i circuiti sulla pianta: lunghezze misurate, schema per locale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 m²</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dalla pianta: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scritto a mano; la pianta dà %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importa locali</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esporta locali</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPaginaMandata</name>
    <message>
        <source>T Mandata di Progetto [°C]: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T Mandata di Progetto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T Ottima</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Con Area Marginale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Senza Area Marginale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T EN 1264</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sal&amp;va Impostazioni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Legenda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locale Selezionato:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPaginaProgetto</name>
    <message>
        <source>

È stata ripristinata la scelta precedente; le altre modifiche della pagina restano da confermare.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPaginaRegolazione</name>
    <message>
        <source>Il tipo di attuatore scelto non è compatibile con il tipo di collettore di distribuzione adottato!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;attuatore scelto non è compatibile con il tipo di collettore di distribuzione.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;attuatore in REGOLAZIONE AMBIENTE  non è compatibile con il tipo di collettore di distribuzione.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collettore caldaia errato!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motore per valvola miscelatrice errato!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I collettori di distribuzione non sono stati ancora assegnati o è stata fatta una modifica delle impostazioni.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non sono stati introdotti i locali.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUANTITA&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REGOLAZIONE AMBIENTE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Termostato:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attuatore:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COLLETTORE DI CALDAIA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collettore:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motore miscelatrice:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REGOLAZIONE ELETTRONICA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regolatore:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calcolo Quantità</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TProgetto</name>
    <message>
        <source>Progetto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Informazioni Cliente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dati Generali Impianto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locali</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T Mandata Progetto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raffrescamento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collettori</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regolazione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catalogo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TStart</name>
    <message>
        <source>Apertura in corso...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTERMOVELA</name>
    <message>
        <source>Non è possibile aprire il file.

Verificare che il file esista o che non sia stato spostato in un altra cartella.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non è possibile aprire un altro progetto!

Chiudere prima il progetto in corso.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TVL Files (*.tvl)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lingua</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Progetto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nuovo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regolazione V22&amp;0HJ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;V220HJ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regolazione &quot;&amp;PUNTO FISSO&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regolazione V22&amp;1V-9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regolazione V22&amp;5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Apri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva con N&amp;ome...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pianta...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Esci</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rapporto Tecnico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preventivo Semplice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Capitolato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ottimizz. Circuiti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Etichette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavola &amp;Impianto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In&amp;formazioni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manuale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apri ca&amp;rtella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non è stato possibile aprire la cartella &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile aprire il catalogo.

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sei sicuro di volere abbandonare il progetto in corso?

Eventuali modifiche non salvate andranno perse.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> : [Senza Titolo]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non è possibile aprire il file.

&quot;%1&quot; %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva con Nome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sei sicuro di volere chiudere il progetto aperto?

Eventuali modifiche non salvate andranno perse.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non è stato possibile cambiare la lingua: il progetto aperto non si può conservare per la nuova finestra.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
