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
</context>
<context>
    <name>Modelli</name>
    <message>
        <source>Rif.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pagina &amp;P di &amp;N</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Preventivo</name>
    <message>
        <source>Preventivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PREVENTIVO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impianto di riscaldamento a pavimento radiante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Articolo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U.M.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quantità</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prezzo unitario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[€]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riferimento:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progetto:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOTALE [€]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I prezzi si intendono IVA esclusa.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le quantità derivano dal calcolo del progetto e vanno verificate prima dell&apos;ordine.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sono esclusi trasporto, posa in opera e quanto non espressamente indicato.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Per accettazione</source>
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
</context>
<context>
    <name>Relazione</name>
    <message>
        <source>TA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rapporto Tecnico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relazione tecnica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copertina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relazione tecnica con zone marginali</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[mmH20]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sistemi di riscaldamento a pavimento radiante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riferimento:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RELAZIONE TECNICA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impianto di riscaldamento a pavimento con zone marginali</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impianto di riscaldamento a pavimento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DATI DEL PROGETTO</source>
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
        <source>Data:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dimensionamento dei circuiti con il metodo delle curve caratteristiche (EN 1264-2): passo dei tubi, numero e lunghezza dei circuiti, portate, perdite di carico e temperature superficiali.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DATI GENERALI DELL&apos;IMPIANTO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tubo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pannello isolante:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunghezza massima del circuito:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salto termico massimo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatura di mandata di progetto:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONTENUTO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dati dei locali</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Risultati della zona occupata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Risultati della zona marginale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preregolazione dei detentori dei circuiti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collettori di distribuzione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locali</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DATI DEI LOCALI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N°</source>
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
        <source>T ambiente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[m²]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area utile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area marginale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carico termico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[W]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rivestimento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spessore rivestimento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[mm]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distanza dal collettore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zona occupata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RISULTATI - ZONA OCCUPATA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Integrazione: potenza da fornire con altri mezzi quando il pavimento non basta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potenza resa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Integrazione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[cm]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circuiti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[n°]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunghezza circuito</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T superficiale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portata circuito</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[l/h]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perdita di carico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zona marginale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RISULTATI - ZONA MARGINALE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;-&quot;: locale senza zona marginale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detentori</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PREREGOLAZIONE DEI DETENTORI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Giri di apertura del detentore di ogni circuito; TA = detentore tutto aperto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collettore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circuito</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preregolazione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[giri]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collettori</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COLLETTORI DI DISTRIBUZIONE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rif.: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curva limite UNI EN 1264-2: temperatura superficiale massima 29 °C, 33 °C nei bagni, 35 °C nelle zone marginali.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locali oltre il limite: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatura di mandata di progetto UNI EN 1264-3: %1 °C (locale %2, σ %3 K).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifica EN 1264</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bagno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zona</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>q [W/mq]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>qG [W/mq]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>θF,m [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>θF,max [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifica</source>
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
        <source>Sì</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambiente %1 °C, umidità relativa %2 %, punto di rugiada %3 °C, margine %4 K.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mandata estiva %1 °C, salto termico %2 K.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessuna mandata estiva sicura con questi dati.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raffrescamento</source>
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
