-- Collettori di distribuzione: tipi (DESCRCOLL), tarature dei detentori (KV), articoli per
-- numero di attacchi (COLLETTORI), cassette, supporti e accessori.
--
-- Famiglie di tipi (le regole del programma guardano i prefissi):
--   V220L    solo detentori, regolazione di zona con un motore J91 per collettore;
--   V220HJ   detentori e valvole termostatizzabili, una testina per circuito;
--   V221...  collettori con gruppo di miscelazione incorporato (niente collettore di caldaia):
--            V221 a punto fisso (2 attacchi in più per il circuito radiatori), V221GB con
--            regolazione climatica, V221V-9 con miscelatrice termostatica e circolatore;
--   V225     collettore in acciaio inox con flussimetri.
INSERT INTO DESCRCOLL (ID, DESCRIZIONE, RIF, KVTA) VALUES
    (1, 'COLLETTORE IN OTTONE CON DETENTORI PER REGOLAZIONE DI ZONA', 'V220L', 2.60),
    (2, 'COLLETTORE IN OTTONE CON DETENTORI E VALVOLE TERMOSTATIZZABILI', 'V220HJ', 2.10),
    (3, 'COLLETTORE CON GRUPPO DI MISCELAZIONE A PUNTO FISSO', 'V221', 1.90),
    (4, 'COLLETTORE CON GRUPPO DI MISCELAZIONE E REGOLAZIONE CLIMATICA', 'V221GB', 1.75),
    (5, 'COLLETTORE CON MISCELATRICE TERMOSTATICA E CIRCOLATORE ELETTRONICO', 'V221V-9', 1.80),
    (6, 'COLLETTORE IN ACCIAIO INOX CON FLUSSIMETRI', 'V225', 2.40);

-- Detentori: coefficiente di portata (m³/h) per numero di giri di apertura, crescente.
INSERT INTO KV (COLLETTORE, KV, GIRI) VALUES
    ('V220L', 0.12, '1/4'), ('V220L', 0.20, '1/2'), ('V220L', 0.31, '3/4'), ('V220L', 0.45, '1'),
    ('V220L', 0.62, '1 1/2'), ('V220L', 0.80, '2'), ('V220L', 0.98, '2 1/2'), ('V220L', 1.15, '3'),
    ('V220L', 1.30, '3 1/2'),
    ('V220HJ', 0.10, '1/4'), ('V220HJ', 0.17, '1/2'), ('V220HJ', 0.26, '3/4'), ('V220HJ', 0.38, '1'),
    ('V220HJ', 0.52, '1 1/2'), ('V220HJ', 0.68, '2'), ('V220HJ', 0.84, '2 1/2'), ('V220HJ', 0.98, '3'),
    ('V220HJ', 1.10, '4'),
    ('V221', 0.09, '1/2'), ('V221', 0.18, '1'), ('V221', 0.30, '1 1/2'), ('V221', 0.44, '2'),
    ('V221', 0.60, '2 1/2'), ('V221', 0.76, '3'), ('V221', 0.90, '4'),
    ('V221GB', 0.09, '1/2'), ('V221GB', 0.18, '1'), ('V221GB', 0.30, '1 1/2'), ('V221GB', 0.44, '2'),
    ('V221GB', 0.60, '2 1/2'), ('V221GB', 0.76, '3'), ('V221GB', 0.90, '4'),
    ('V221V-9', 0.15, '1'), ('V221V-9', 0.28, '2'), ('V221V-9', 0.42, '3'), ('V221V-9', 0.55, '4'),
    ('V221V-9', 0.70, '5'), ('V221V-9', 0.85, '6'), ('V221V-9', 1.00, '7'),
    ('V225', 0.14, '1/2'), ('V225', 0.25, '1'), ('V225', 0.40, '1 1/2'), ('V225', 0.58, '2'),
    ('V225', 0.76, '2 1/2'), ('V225', 0.95, '3'), ('V225', 1.12, '3 1/2'), ('V225', 1.28, '4');

-- Cassette da incasso (MISURA = larghezza utile in mm) e loro accessori.
INSERT INTO CATALOGO (CODICE, DESCRIZIONE, MISURA, EURO, FOTO, CAPITOLATO) VALUES
    ('V226X040', 'CASSETTA DA INCASSO PER COLLETTORI 400x700x110 mm', 'V226', 62.00, 'cassetta.png',
     'Cassetta da incasso in lamiera zincata 400x700 mm, profondità regolabile da 110 a 150 mm, con telaio e portello in lamiera verniciata bianca RAL 9010, fori pretranciati per il passaggio dei tubi.'),
    ('V226X050', 'CASSETTA DA INCASSO PER COLLETTORI 500x700x110 mm', 'V226', 70.00, 'cassetta.png',
     'Cassetta da incasso in lamiera zincata 500x700 mm, profondità regolabile da 110 a 150 mm, con telaio e portello in lamiera verniciata bianca RAL 9010, fori pretranciati per il passaggio dei tubi.'),
    ('V226X060', 'CASSETTA DA INCASSO PER COLLETTORI 600x700x110 mm', 'V226', 78.00, 'cassetta.png',
     'Cassetta da incasso in lamiera zincata 600x700 mm, profondità regolabile da 110 a 150 mm, con telaio e portello in lamiera verniciata bianca RAL 9010, fori pretranciati per il passaggio dei tubi.'),
    ('V226X070', 'CASSETTA DA INCASSO PER COLLETTORI 700x700x110 mm', 'V226', 86.00, 'cassetta.png',
     'Cassetta da incasso in lamiera zincata 700x700 mm, profondità regolabile da 110 a 150 mm, con telaio e portello in lamiera verniciata bianca RAL 9010, fori pretranciati per il passaggio dei tubi.'),
    ('V226X085', 'CASSETTA DA INCASSO PER COLLETTORI 850x700x110 mm', 'V226', 98.00, 'cassetta.png',
     'Cassetta da incasso in lamiera zincata 850x700 mm, profondità regolabile da 110 a 150 mm, con telaio e portello in lamiera verniciata bianca RAL 9010, fori pretranciati per il passaggio dei tubi.'),
    ('V226X100', 'CASSETTA DA INCASSO PER GRUPPI DI MISCELAZIONE 1000x700x130 mm', 'V226', 112.00, 'cassetta.png',
     'Cassetta da incasso in lamiera zincata 1000x700 mm, profondità regolabile da 130 a 170 mm, per collettori con gruppo di miscelazione, con telaio e portello verniciati bianchi RAL 9010.'),
    ('V226X120', 'CASSETTA DA INCASSO PER GRUPPI DI MISCELAZIONE 1200x700x130 mm', 'V226', 128.00, 'cassetta.png',
     'Cassetta da incasso in lamiera zincata 1200x700 mm, profondità regolabile da 130 a 170 mm, per collettori con gruppo di miscelazione, con telaio e portello verniciati bianchi RAL 9010.'),
    ('V227X001', 'COPPIA STAFFE DI SUPPORTO COLLETTORE PER CASSETTA', 'V227', 14.50, 'staffa.png',
     'Coppia di staffe in acciaio zincato con collari antivibranti per il fissaggio dei collettori all''interno della cassetta da incasso, interasse regolabile.'),
    ('V227X002', 'STAFFE DI SUPPORTO RINFORZATE PER GRUPPI DI MISCELAZIONE', 'V227', 24.00, 'staffa.png',
     'Coppia di staffe rinforzate in acciaio zincato con traversa di sostegno per collettori con gruppo di miscelazione e circolatore, da fissare alle pareti della cassetta da incasso.'),
    ('V227X010', 'SERRATURA CON CHIAVE PER PORTELLO CASSETTA', 'V227', 8.20, 'staffa.png',
     'Serratura a cilindro con due chiavi per il portello delle cassette da incasso per collettori.'),
    ('V227X011', 'COPPIA PIEDINI REGOLABILI PER CASSETTA DA INCASSO', 'V227', 6.50, 'staffa.png',
     'Coppia di piedini in acciaio zincato regolabili in altezza da 0 a 90 mm per appoggiare la cassetta al solaio grezzo.');

INSERT INTO CASSETTE (MISURA, CODICE, SUPPORTO) VALUES
    ('400', 'V226X040', 'V227X001'),
    ('500', 'V226X050', 'V227X001'),
    ('600', 'V226X060', 'V227X001'),
    ('700', 'V226X070', 'V227X001'),
    ('850', 'V226X085', 'V227X001'),
    ('1000', 'V226X100', 'V227X002'),
    ('1200', 'V226X120', 'V227X002');

INSERT INTO CASSACC (CODICE) VALUES ('V227X001'), ('V227X002'), ('V227X010'), ('V227X011');

-- Corpi collettore da 2 a 12 attacchi per ogni tipo. PREFISSO = inizio del codice articolo,
-- prezzo = BASE + PERATT per attacco; la cassetta dipende dagli attacchi e dal tipo.
CREATE TEMP TABLE CORPI (RIF, PREFISSO, BASE, PERATT, MISCELAZIONE, FOTO, NOME, TESTO);
INSERT INTO CORPI VALUES
    ('V220L', 'V220LX', 48.00, 23.50, 0, 'collettore_ottone.png',
     'COPPIA COLLETTORI IN OTTONE CON DETENTORI',
     'Coppia di collettori premontati in ottone CW617N con attacchi principali 1" e derivazioni eurocono 3/4" a interasse 50 mm: mandata con detentori di taratura micrometrica, ritorno con valvole di intercettazione; regolazione di zona con valvola motorizzata sul collettore. Pressione massima 6 bar, temperatura massima 90 °C.'),
    ('V220HJ', 'V220HJX', 52.00, 27.00, 0, 'collettore_ottone.png',
     'COPPIA COLLETTORI IN OTTONE CON VALVOLE TERMOSTATIZZABILI',
     'Coppia di collettori premontati in ottone CW617N con attacchi principali 1" e derivazioni eurocono 3/4" a interasse 50 mm: mandata con detentori di taratura micrometrica, ritorno con valvole termostatizzabili predisposte per testine elettrotermiche M30x1,5. Pressione massima 6 bar, temperatura massima 90 °C.'),
    ('V221', 'V221X', 420.00, 26.00, 1, 'collettore_miscelazione.png',
     'COLLETTORE CON GRUPPO DI MISCELAZIONE A PUNTO FISSO',
     'Collettore di distribuzione con gruppo di miscelazione a punto fisso incorporato: valvola miscelatrice termostatica regolabile 20-50 °C, circolatore elettronico a basso consumo, termometri di mandata e ritorno, detentori e valvole termostatizzabili sulle derivazioni eurocono 3/4", due attacchi supplementari per un circuito radiatori ad alta temperatura.'),
    ('V221GB', 'V221GBX', 690.00, 26.00, 1, 'collettore_miscelazione.png',
     'COLLETTORE CON GRUPPO DI MISCELAZIONE E REGOLAZIONE CLIMATICA',
     'Collettore di distribuzione con gruppo di miscelazione a regolazione climatica incorporato: valvola miscelatrice a 3 vie motorizzata, centralina con sonda esterna e sonda di mandata, circolatore elettronico, termostato di sicurezza, detentori e valvole termostatizzabili sulle derivazioni eurocono 3/4".'),
    ('V221V-9', 'V221V9X', 560.00, 26.00, 1, 'collettore_miscelazione.png',
     'COLLETTORE CON MISCELATRICE TERMOSTATICA E CIRCOLATORE',
     'Collettore di distribuzione con valvola miscelatrice termostatica a sonda remota, circolatore elettronico a velocità variabile, valvola di by-pass differenziale, detentori e valvole termostatizzabili sulle derivazioni eurocono 3/4"; attacchi al generatore da 1".'),
    ('V225', 'V225X', 85.00, 38.00, 0, 'collettore_inox.png',
     'COPPIA COLLETTORI IN ACCIAIO INOX CON FLUSSIMETRI',
     'Coppia di collettori premontati in acciaio inox AISI 304 con attacchi principali 1" e derivazioni eurocono 3/4" a interasse 50 mm: mandata con flussimetri 0-4 l/min con regolazione e chiusura, ritorno con valvole termostatizzabili M30x1,5. Pressione massima 6 bar, temperatura massima 70 °C, idoneo anche al raffrescamento.');

CREATE TEMP TABLE ATTACCHI (N);
INSERT INTO ATTACCHI VALUES (2), (3), (4), (5), (6), (7), (8), (9), (10), (11), (12);

INSERT INTO CATALOGO (CODICE, DESCRIZIONE, MISURA, EURO, FOTO, CAPITOLATO)
SELECT c.PREFISSO || printf('%02d', a.N), c.NOME || ' - ' || a.N || ' ATTACCHI', c.RIF,
       ROUND(c.BASE + c.PERATT * a.N, 2), c.FOTO, c.TESTO || ' Numero di derivazioni: ' || a.N || '.'
FROM CORPI c, ATTACCHI a
ORDER BY c.rowid, a.N;

INSERT INTO COLLETTORI (RIF, ATTACCHI, CODICE, CASS, QUANT)
SELECT c.RIF, a.N, c.PREFISSO || printf('%02d', a.N),
       CASE
           WHEN c.MISCELAZIONE = 0 AND a.N <= 4 THEN '400'
           WHEN c.MISCELAZIONE = 0 AND a.N <= 6 THEN '500'
           WHEN c.MISCELAZIONE = 0 AND a.N <= 8 THEN '600'
           WHEN c.MISCELAZIONE = 0 AND a.N <= 10 THEN '700'
           WHEN c.MISCELAZIONE = 0 THEN '850'
           WHEN a.N <= 3 THEN '700'
           WHEN a.N <= 5 THEN '850'
           WHEN a.N <= 8 THEN '1000'
           ELSE '1200'
       END,
       1
FROM CORPI c, ATTACCHI a
ORDER BY c.rowid, a.N;

-- Il collettore inox si isola, mandata e ritorno: due gusci per collettore.
INSERT INTO CATALOGO (CODICE, DESCRIZIONE, MISURA, EURO, FOTO, CAPITOLATO)
SELECT 'V225IX' || printf('%02d', a.N), 'GUSCIO ISOLANTE PER COLLETTORE INOX - ' || a.N || ' ATTACCHI', 'V225I',
       ROUND(9.00 + 2.20 * a.N, 2), 'guscio.png',
       'Guscio isolante anticondensa in polietilene espanso a celle chiuse, spessore 10 mm, per una barra di collettore inox con ' || a.N || ' derivazioni; indispensabile negli impianti di raffrescamento.'
FROM ATTACCHI a ORDER BY a.N;

INSERT INTO COLLETTORI (RIF, ATTACCHI, CODICE, CASS, QUANT)
SELECT 'V225', a.N, 'V225IX' || printf('%02d', a.N), c.CASS, 2
FROM ATTACCHI a JOIN COLLETTORI c ON c.RIF = 'V225' AND c.ATTACCHI = a.N
ORDER BY a.N;

DROP TABLE ATTACCHI;
DROP TABLE CORPI;

-- Accessori dei collettori.
INSERT INTO CATALOGO (CODICE, DESCRIZIONE, MISURA, EURO, FOTO, CAPITOLATO) VALUES
    ('V230X001', 'COPPIA VALVOLE A SFERA 1" CON TERMOMETRO', 'V230', 34.50, 'valvola.png',
     'Coppia di valvole a sfera a passaggio totale 1" in ottone nichelato, con maniglia a farfalla rossa e blu e termometro 0-80 °C integrato, per l''intercettazione di mandata e ritorno del collettore.'),
    ('V231X001', 'GRUPPO TERMINALE CON SFIATO AUTOMATICO E SCARICO', 'V231', 18.20, 'valvola.png',
     'Gruppo terminale per barra di collettore in ottone nichelato con valvola di sfogo aria automatica 1/2", rubinetto di carico e scarico orientabile con portagomma e tappo.'),
    ('V232X001', 'VALVOLA DI BY-PASS DIFFERENZIALE 3/4"', 'V232', 29.50, 'valvola.png',
     'Valvola di by-pass differenziale 3/4" in ottone con taratura regolabile da 1 a 6 m c.a., per mantenere la circolazione minima quando le testine chiudono i circuiti.'),
    ('V233X001', 'TERMOSTATO DI SICUREZZA A CONTATTO 55 °C', 'V233', 27.00, 'sonda.png',
     'Termostato di sicurezza a contatto con taratura fissa 55 °C e riarmo automatico, da montare sul tubo di mandata del collettore per arrestare il circolatore in caso di sovratemperatura.'),
    ('V234X001', 'SONDA DI TEMPERATURA ESTERNA PER REGOLAZIONE CLIMATICA', 'V234', 24.00, 'sonda.png',
     'Sonda di temperatura esterna NTC in custodia IP54 per la regolazione climatica del gruppo di miscelazione; una per impianto, da installare sulla parete nord dell''edificio.'),
    ('V235X001', 'VALVOLA DI ZONA A 2 VIE 1" PER MOTORE J91', 'V235', 48.00, 'valvola.png',
     'Corpo valvola di zona a 2 vie 1" in ottone, con otturatore a sfera, predisposto per il motore elettrotermico di zona della serie J91, da montare sulla mandata del collettore.'),
    ('V236X001', 'KIT RACCORDI DI COLLEGAMENTO AL GENERATORE 1"', 'V236', 22.00, 'raccordo.png',
     'Kit di raccordi a tre pezzi 1" in ottone con guarnizioni piane per il collegamento del collettore con gruppo di miscelazione al generatore di calore.');

-- Accessori per tipo: QUANT pezzi per collettore, PRIORITA = ordine in distinta.
INSERT INTO COLLACC (RIF, CODICE, PRIORITA, QUANT) VALUES
    ('V220L', 'V230X001', 1, 1), ('V220L', 'V231X001', 2, 2), ('V220L', 'V235X001', 3, 1),
    ('V220HJ', 'V230X001', 1, 1), ('V220HJ', 'V231X001', 2, 2), ('V220HJ', 'V232X001', 3, 1),
    ('V221', 'V233X001', 1, 1), ('V221', 'V231X001', 2, 2),
    ('V221GB', 'V234X001', 1, 1), ('V221GB', 'V236X001', 2, 1),
    ('V221V-9', 'V233X001', 1, 1), ('V221V-9', 'V231X001', 2, 2), ('V221V-9', 'V236X001', 3, 1),
    ('V225', 'V230X001', 1, 1), ('V225', 'V231X001', 2, 2), ('V225', 'V232X001', 3, 1);
