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
</context>
<context>
    <name>Modelli</name>
    <message>
        <source>Rif.:</source>
        <translation>Ref.:</translation>
    </message>
    <message>
        <source>Pagina &amp;P di &amp;N</source>
        <translation>Page &amp;P of &amp;N</translation>
    </message>
</context>
<context>
    <name>Preventivo</name>
    <message>
        <source>Preventivo</source>
        <translation>Quotation</translation>
    </message>
    <message>
        <source>PREVENTIVO</source>
        <translation>QUOTATION</translation>
    </message>
    <message>
        <source>Impianto di riscaldamento a pavimento radiante</source>
        <translation>Radiant floor heating system</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Articolo</source>
        <translation>Article</translation>
    </message>
    <message>
        <source>Codice</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>U.M.</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Quantità</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Prezzo unitario</source>
        <translation>Unit price</translation>
    </message>
    <message>
        <source>[€]</source>
        <translation>[€]</translation>
    </message>
    <message>
        <source>Importo</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>Data:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Riferimento:</source>
        <translation>Reference:</translation>
    </message>
    <message>
        <source>Progetto:</source>
        <translation>Project:</translation>
    </message>
    <message>
        <source>TOTALE [€]</source>
        <translation>TOTAL [€]</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Notes:</translation>
    </message>
    <message>
        <source>I prezzi si intendono IVA esclusa.</source>
        <translation>Prices are exclusive of VAT.</translation>
    </message>
    <message>
        <source>Le quantità derivano dal calcolo del progetto e vanno verificate prima dell&apos;ordine.</source>
        <translation>Quantities are taken from the design calculation and must be checked before ordering.</translation>
    </message>
    <message>
        <source>Sono esclusi trasporto, posa in opera e quanto non espressamente indicato.</source>
        <translation>Transport, installation and anything not expressly stated are excluded.</translation>
    </message>
    <message>
        <source>Per accettazione</source>
        <translation>For acceptance</translation>
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
</context>
<context>
    <name>Relazione</name>
    <message>
        <source>TA</source>
        <translation>FO</translation>
    </message>
    <message>
        <source>Rapporto Tecnico</source>
        <translation>Technical Report</translation>
    </message>
    <message>
        <source>Relazione tecnica</source>
        <translation>Technical report</translation>
    </message>
    <message>
        <source>Copertina</source>
        <translation>Cover</translation>
    </message>
    <message>
        <source>Relazione tecnica con zone marginali</source>
        <translation>Technical report with edge zones</translation>
    </message>
    <message>
        <source>[mmH20]</source>
        <translation>[mm H₂O]</translation>
    </message>
    <message>
        <source>Sistemi di riscaldamento a pavimento radiante</source>
        <translation>Radiant floor heating systems</translation>
    </message>
    <message>
        <source>Riferimento:</source>
        <translation>Reference:</translation>
    </message>
    <message>
        <source>RELAZIONE TECNICA</source>
        <translation>TECHNICAL REPORT</translation>
    </message>
    <message>
        <source>Impianto di riscaldamento a pavimento con zone marginali</source>
        <translation>Floor heating system with edge zones</translation>
    </message>
    <message>
        <source>Impianto di riscaldamento a pavimento</source>
        <translation>Floor heating system</translation>
    </message>
    <message>
        <source>DATI DEL PROGETTO</source>
        <translation>PROJECT DATA</translation>
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
        <source>Data:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Dimensionamento dei circuiti con il metodo delle curve caratteristiche (EN 1264-2): passo dei tubi, numero e lunghezza dei circuiti, portate, perdite di carico e temperature superficiali.</source>
        <translation>Circuit sizing by the characteristic curve method (EN 1264-2): pipe spacing, number and length of the circuits, flow rates, pressure drops and surface temperatures.</translation>
    </message>
    <message>
        <source>DATI GENERALI DELL&apos;IMPIANTO</source>
        <translation>GENERAL SYSTEM DATA</translation>
    </message>
    <message>
        <source>Tubo:</source>
        <translation>Pipe:</translation>
    </message>
    <message>
        <source>Pannello isolante:</source>
        <translation>Insulation panel:</translation>
    </message>
    <message>
        <source>Lunghezza massima del circuito:</source>
        <translation>Maximum circuit length:</translation>
    </message>
    <message>
        <source>Salto termico massimo:</source>
        <translation>Maximum temperature drop:</translation>
    </message>
    <message>
        <source>Temperatura di mandata di progetto:</source>
        <translation>Design supply temperature:</translation>
    </message>
    <message>
        <source>CONTENUTO</source>
        <translation>CONTENTS</translation>
    </message>
    <message>
        <source>Dati dei locali</source>
        <translation>Room data</translation>
    </message>
    <message>
        <source>Risultati della zona occupata</source>
        <translation>Occupied zone results</translation>
    </message>
    <message>
        <source>Risultati della zona marginale</source>
        <translation>Edge zone results</translation>
    </message>
    <message>
        <source>Preregolazione dei detentori dei circuiti</source>
        <translation>Presetting of the circuit lockshield valves</translation>
    </message>
    <message>
        <source>Collettori di distribuzione</source>
        <translation>Distribution manifolds</translation>
    </message>
    <message>
        <source>Locali</source>
        <translation>Rooms</translation>
    </message>
    <message>
        <source>DATI DEI LOCALI</source>
        <translation>ROOM DATA</translation>
    </message>
    <message>
        <source>N°</source>
        <translation>No.</translation>
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
        <source>T ambiente</source>
        <translation>Room temp.</translation>
    </message>
    <message>
        <source>[°C]</source>
        <translation>[°C]</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>[m²]</source>
        <translation>[m²]</translation>
    </message>
    <message>
        <source>Area utile</source>
        <translation>Usable area</translation>
    </message>
    <message>
        <source>Area marginale</source>
        <translation>Edge zone area</translation>
    </message>
    <message>
        <source>Carico termico</source>
        <translation>Heat load</translation>
    </message>
    <message>
        <source>[W]</source>
        <translation>[W]</translation>
    </message>
    <message>
        <source>Rivestimento</source>
        <translation>Floor covering</translation>
    </message>
    <message>
        <source>Spessore rivestimento</source>
        <translation>Covering thickness</translation>
    </message>
    <message>
        <source>[mm]</source>
        <translation>[mm]</translation>
    </message>
    <message>
        <source>Distanza dal collettore</source>
        <translation>Distance to manifold</translation>
    </message>
    <message>
        <source>[m]</source>
        <translation>[m]</translation>
    </message>
    <message>
        <source>Zona occupata</source>
        <translation>Occupied zone</translation>
    </message>
    <message>
        <source>RISULTATI - ZONA OCCUPATA</source>
        <translation>RESULTS - OCCUPIED ZONE</translation>
    </message>
    <message>
        <source>Integrazione: potenza da fornire con altri mezzi quando il pavimento non basta</source>
        <translation>Supplement: heat output to be provided by other means where the floor is not enough</translation>
    </message>
    <message>
        <source>Potenza resa</source>
        <translation>Heat output</translation>
    </message>
    <message>
        <source>Integrazione</source>
        <translation>Supplement</translation>
    </message>
    <message>
        <source>Passo</source>
        <translation>Spacing</translation>
    </message>
    <message>
        <source>[cm]</source>
        <translation>[cm]</translation>
    </message>
    <message>
        <source>Circuiti</source>
        <translation>Circuits</translation>
    </message>
    <message>
        <source>[n°]</source>
        <translation>[no.]</translation>
    </message>
    <message>
        <source>Lunghezza circuito</source>
        <translation>Circuit length</translation>
    </message>
    <message>
        <source>T superficiale</source>
        <translation>Surface temp.</translation>
    </message>
    <message>
        <source>Portata circuito</source>
        <translation>Circuit flow rate</translation>
    </message>
    <message>
        <source>[l/h]</source>
        <translation>[l/h]</translation>
    </message>
    <message>
        <source>Perdita di carico</source>
        <translation>Pressure drop</translation>
    </message>
    <message>
        <source>Zona marginale</source>
        <translation>Edge zone</translation>
    </message>
    <message>
        <source>RISULTATI - ZONA MARGINALE</source>
        <translation>RESULTS - EDGE ZONE</translation>
    </message>
    <message>
        <source>&quot;-&quot;: locale senza zona marginale</source>
        <translation>&quot;-&quot;: room without edge zone</translation>
    </message>
    <message>
        <source>Detentori</source>
        <translation>Lockshields</translation>
    </message>
    <message>
        <source>PREREGOLAZIONE DEI DETENTORI</source>
        <translation>LOCKSHIELD VALVE PRESETTING</translation>
    </message>
    <message>
        <source>Giri di apertura del detentore di ogni circuito; TA = detentore tutto aperto</source>
        <translation>Opening turns of the lockshield valve of each circuit; FO = lockshield fully open</translation>
    </message>
    <message>
        <source>Collettore</source>
        <translation>Manifold</translation>
    </message>
    <message>
        <source>Circuito</source>
        <translation>Circuit</translation>
    </message>
    <message>
        <source>Preregolazione</source>
        <translation>Presetting</translation>
    </message>
    <message>
        <source>[giri]</source>
        <translation>[turns]</translation>
    </message>
    <message>
        <source>Collettori</source>
        <translation>Manifolds</translation>
    </message>
    <message>
        <source>COLLETTORI DI DISTRIBUZIONE</source>
        <translation>DISTRIBUTION MANIFOLDS</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Portata</source>
        <translation>Flow rate</translation>
    </message>
    <message>
        <source>Rif.: %1</source>
        <translation>Ref.: %1</translation>
    </message>
    <message>
        <source>Curva limite UNI EN 1264-2: temperatura superficiale massima 29 °C, 33 °C nei bagni, 35 °C nelle zone marginali.</source>
        <translation>EN 1264-2 limit curve: maximum surface temperature 29 °C, 33 °C in bathrooms, 35 °C in edge zones.</translation>
    </message>
    <message>
        <source>Locali oltre il limite: %1</source>
        <translation>Rooms above the limit: %1</translation>
    </message>
    <message>
        <source>Temperatura di mandata di progetto UNI EN 1264-3: %1 °C (locale %2, σ %3 K).</source>
        <translation>EN 1264-3 design supply temperature: %1 °C (room %2, σ %3 K).</translation>
    </message>
    <message>
        <source>Verifica EN 1264</source>
        <translation>EN 1264 check</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Bagno</source>
        <translation>Bathroom</translation>
    </message>
    <message>
        <source>Zona</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>q [W/mq]</source>
        <translation>q [W/m²]</translation>
    </message>
    <message>
        <source>qG [W/mq]</source>
        <translation>qG [W/m²]</translation>
    </message>
    <message>
        <source>θF,m [°C]</source>
        <translation>θF,m [°C]</translation>
    </message>
    <message>
        <source>θF,max [°C]</source>
        <translation>θF,max [°C]</translation>
    </message>
    <message>
        <source>Verifica</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>As</source>
        <translation>Occupied</translation>
    </message>
    <message>
        <source>Am</source>
        <translation>Edge</translation>
    </message>
    <message>
        <source>Sì</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Ambiente %1 °C, umidità relativa %2 %, punto di rugiada %3 °C, margine %4 K.</source>
        <translation>Room %1 °C, relative humidity %2 %, dew point %3 °C, margin %4 K.</translation>
    </message>
    <message>
        <source>Mandata estiva %1 °C, salto termico %2 K.</source>
        <translation>Summer supply %1 °C, temperature difference %2 K.</translation>
    </message>
    <message>
        <source>Nessuna mandata estiva sicura con questi dati.</source>
        <translation>No safe summer supply temperature with these data.</translation>
    </message>
    <message>
        <source>Raffrescamento</source>
        <translation>Cooling</translation>
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
        <translation>Surface T [°C]</translation>
    </message>
    <message>
        <source>Portata [l/h]</source>
        <translation>Flow rate [l/h]</translation>
    </message>
    <message>
        <source>Mancanza [W]</source>
        <translation>Shortfall [W]</translation>
    </message>
</context>
<context>
    <name>TDocumento</name>
    <message>
        <source>Capitolato con prezzi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capitolato senza prezzi</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
