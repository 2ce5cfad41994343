-- Tubi: tipi (DESCRTUBO), articoli per rotolo (TUBO), adattatori e curve guida tubo.

-- Un tipo di tubo per riga, con tutto quel che serve a listino e distinte. EURO_M = prezzo
-- al metro, uguale per ogni lunghezza di rotolo; KV = m³/h per 1 bar su 100 m a 50 °C.
CREATE TEMP TABLE TIPITUBO (
    RIF, DESCRIZIONE, DEST, SPESSORE, COND, KV, CONFEZIONE, EURO_M,
    ADATTATORI, REFADATT, REFCURVE, FOTO, CAPITOLATO
);
INSERT INTO TIPITUBO VALUES
    ('PEX161', 'TUBO IN POLIETILENE RETICOLATO PE-Xb 16x2 mm', 16, 2.0, 0.35, 0.39, 240, 0.98,
     'V260X162', 'V260', 'V265TX716', 'tubo_pex.png',
     'Tubo in polietilene reticolato PE-Xb diametro 16x2 mm per impianti di riscaldamento a pavimento, a norma UNI EN ISO 15875, senza barriera antiossigeno (per impianti con separatore di circuito); temperatura massima di esercizio 95 °C, pressione massima 6 bar a 70 °C, conduttività 0,35 W/mK.'),
    ('PEX161-BAO', 'TUBO IN POLIETILENE RETICOLATO PE-Xb 16x2 mm CON BARRIERA ANTIOSSIGENO', 16, 2.0, 0.35, 0.39, 240, 1.12,
     'V260X162', 'V260', 'V265TX716', 'tubo_pex.png',
     'Tubo in polietilene reticolato PE-Xb diametro 16x2 mm a norma UNI EN ISO 15875, con barriera antiossigeno in EVOH secondo DIN 4726; temperatura massima di esercizio 95 °C, pressione massima 6 bar a 70 °C, conduttività 0,35 W/mK, marcatura metrica progressiva.'),
    ('PEX162-BAO', 'TUBO IN POLIETILENE RETICOLATO PE-Xa 17x2 mm CON BARRIERA ANTIOSSIGENO', 17, 2.0, 0.35, 0.48, 240, 1.25,
     'V260X172', 'V260', 'V265TX716', 'tubo_pex.png',
     'Tubo in polietilene reticolato a perossidi PE-Xa diametro 17x2 mm a norma UNI EN ISO 15875, con barriera antiossigeno in EVOH secondo DIN 4726; temperatura massima di esercizio 95 °C, pressione massima 6 bar a 70 °C, conduttività 0,35 W/mK, marcatura metrica progressiva.'),
    ('PB161', 'TUBO IN POLIBUTENE PB 16x2 mm', 16, 2.0, 0.22, 0.40, 240, 1.05,
     'V260X162', 'V260', 'V265TX716', 'tubo_pb.png',
     'Tubo in polibutene PB diametro 16x2 mm a norma UNI EN ISO 15876, molto flessibile anche a basse temperature, senza barriera antiossigeno; temperatura massima di esercizio 95 °C, pressione massima 6 bar a 70 °C, conduttività 0,22 W/mK.'),
    ('PB162', 'TUBO IN POLIBUTENE PB 17x2 mm', 17, 2.0, 0.22, 0.49, 240, 1.15,
     'V260X172', 'V260', 'V265TX716', 'tubo_pb.png',
     'Tubo in polibutene PB diametro 17x2 mm a norma UNI EN ISO 15876, molto flessibile anche a basse temperature, senza barriera antiossigeno; temperatura massima di esercizio 95 °C, pressione massima 6 bar a 70 °C, conduttività 0,22 W/mK.'),
    ('PB162-BAO', 'TUBO IN POLIBUTENE PB 17x2 mm CON BARRIERA ANTIOSSIGENO', 17, 2.0, 0.22, 0.49, 240, 1.30,
     'V260X172', 'V260', 'V265TX716', 'tubo_pb.png',
     'Tubo in polibutene PB diametro 17x2 mm a norma UNI EN ISO 15876 con barriera antiossigeno in EVOH secondo DIN 4726; temperatura massima di esercizio 95 °C, pressione massima 6 bar a 70 °C, conduttività 0,22 W/mK.'),
    ('PERT16-BAO', 'TUBO IN POLIETILENE PE-RT TIPO II 16x2 mm CON BARRIERA ANTIOSSIGENO', 16, 2.0, 0.41, 0.39, 240, 0.85,
     'V260X162', 'V260', 'V265TX716', 'tubo_pert.png',
     'Tubo in polietilene resistente alla temperatura PE-RT tipo II diametro 16x2 mm a norma UNI EN ISO 22391, con barriera antiossigeno in EVOH secondo DIN 4726; temperatura massima di esercizio 90 °C, pressione massima 6 bar a 70 °C, conduttività 0,41 W/mK.'),
    ('PERT17-BAO', 'TUBO IN POLIETILENE PE-RT TIPO II 17x2 mm CON BARRIERA ANTIOSSIGENO', 17, 2.0, 0.41, 0.48, 240, 0.95,
     'V260X172', 'V260', 'V265TX716', 'tubo_pert.png',
     'Tubo in polietilene resistente alla temperatura PE-RT tipo II diametro 17x2 mm a norma UNI EN ISO 22391, con barriera antiossigeno in EVOH secondo DIN 4726; temperatura massima di esercizio 90 °C, pressione massima 6 bar a 70 °C, conduttività 0,41 W/mK.'),
    ('PEXAL162', 'TUBO MULTISTRATO PE-Xb/AL/PE-Xb 16x2 mm', 16, 2.0, 0.43, 0.39, 200, 1.75,
     'V261X162', 'V261', 'V265TX716', 'tubo_multistrato.png',
     'Tubo multistrato PE-Xb/AL/PE-Xb diametro 16x2 mm con strato intermedio in alluminio saldato di testa, a norma UNI EN ISO 21003: totale impermeabilità all''ossigeno, stabilità di forma dopo la curvatura, dilatazione termica ridotta; temperatura massima di esercizio 95 °C, pressione massima 10 bar, conduttività 0,43 W/mK.'),
    ('PEX20-BAO', 'TUBO IN POLIETILENE RETICOLATO PE-Xa 20x2 mm CON BARRIERA ANTIOSSIGENO', 20, 2.0, 0.35, 0.85, 200, 1.55,
     'V260X202', 'V260', 'V265TX720', 'tubo_pex.png',
     'Tubo in polietilene reticolato a perossidi PE-Xa diametro 20x2 mm a norma UNI EN ISO 15875, con barriera antiossigeno in EVOH secondo DIN 4726, per grandi superfici e impianti industriali; temperatura massima di esercizio 95 °C, pressione massima 6 bar a 70 °C, conduttività 0,35 W/mK.'),
    ('PEX25', 'TUBO IN POLIETILENE RETICOLATO PE-Xa 25x2,3 mm CON BARRIERA ANTIOSSIGENO', 25, 2.3, 0.35, 1.64, 100, 2.10,
     'V260X253', 'V260', 'V265TX725', 'tubo_pex.png',
     'Tubo in polietilene reticolato a perossidi PE-Xa diametro 25x2,3 mm a norma UNI EN ISO 15875, con barriera antiossigeno in EVOH secondo DIN 4726, per pavimenti industriali e sportivi; temperatura massima di esercizio 95 °C, pressione massima 6 bar a 70 °C, conduttività 0,35 W/mK.');

-- Lunghezze dei rotoli in vendita per ogni tipo, in metri.
CREATE TEMP TABLE ROTOLI (RIF, CONF);
INSERT INTO ROTOLI VALUES
    ('PEX161', 120), ('PEX161', 240), ('PEX161', 600),
    ('PEX161-BAO', 120), ('PEX161-BAO', 200), ('PEX161-BAO', 240), ('PEX161-BAO', 400), ('PEX161-BAO', 600),
    ('PEX162-BAO', 120), ('PEX162-BAO', 240), ('PEX162-BAO', 500),
    ('PB161', 120), ('PB161', 240), ('PB161', 400),
    ('PB162', 120), ('PB162', 240), ('PB162', 500),
    ('PB162-BAO', 120), ('PB162-BAO', 240), ('PB162-BAO', 400), ('PB162-BAO', 600),
    ('PERT16-BAO', 200), ('PERT16-BAO', 240), ('PERT16-BAO', 500), ('PERT16-BAO', 600),
    ('PERT17-BAO', 120), ('PERT17-BAO', 240), ('PERT17-BAO', 500),
    ('PEXAL162', 100), ('PEXAL162', 200), ('PEXAL162', 500),
    ('PEX20-BAO', 100), ('PEX20-BAO', 200), ('PEX20-BAO', 300),
    ('PEX25', 50), ('PEX25', 100), ('PEX25', 200), ('PEX25', 300);

-- Articolo di listino per ogni rotolo: codice "<RIF>/<lunghezza>", prezzo al metro.
INSERT INTO CATALOGO (CODICE, DESCRIZIONE, MISURA, EURO, FOTO, CAPITOLATO)
SELECT t.RIF || '/' || r.CONF, t.DESCRIZIONE || ' - ROTOLO DA ' || r.CONF || ' m', t.RIF, t.EURO_M, t.FOTO,
       t.CAPITOLATO || ' Rotolo da ' || r.CONF || ' m.'
FROM ROTOLI r JOIN TIPITUBO t ON t.RIF = r.RIF
ORDER BY t.rowid, r.CONF;

INSERT INTO DESCRTUBO (CODICE, DESCRIZIONE, REFERENZA, "D EST", SPESSORE, COND, KV, CONFEZIONE, RIF)
SELECT RIF || '/' || CONFEZIONE, DESCRIZIONE, RIF, DEST, SPESSORE, COND, KV, CONFEZIONE, RIF
FROM TIPITUBO ORDER BY rowid;

-- Una riga per rotolo, in ordine di lunghezza: i documenti leggono il tipo dalla prima.
INSERT INTO TUBO (RIF, CODICE, CONF, DESCRIZIONE, REFERENZA, "D EST", SPESSORE, ADATTATORI, REFADATT, REFCURVE,
                  CAPITOLATO, FOTO)
SELECT t.RIF, t.RIF || '/' || r.CONF, r.CONF, t.DESCRIZIONE, t.RIF, t.DEST, t.SPESSORE, t.ADATTATORI, t.REFADATT,
       t.REFCURVE, t.CAPITOLATO, t.FOTO
FROM ROTOLI r JOIN TIPITUBO t ON t.RIF = r.RIF
ORDER BY t.rowid, r.CONF;

DROP TABLE ROTOLI;
DROP TABLE TIPITUBO;

-- Adattatori al collettore e curve guida tubo.
INSERT INTO CATALOGO (CODICE, DESCRIZIONE, MISURA, EURO, FOTO, CAPITOLATO) VALUES
    ('V260X162', 'ADATTATORE EUROCONO 3/4" PER TUBO PLASTICO 16x2 mm', 'V260', 3.40, 'adattatore.png',
     'Adattatore a compressione in ottone nichelato con attacco eurocono 3/4", ogiva in ottone e bussola di sostegno, per tubo plastico 16x2 mm; tenuta con O-ring in EPDM.'),
    ('V260X172', 'ADATTATORE EUROCONO 3/4" PER TUBO PLASTICO 17x2 mm', 'V260', 3.40, 'adattatore.png',
     'Adattatore a compressione in ottone nichelato con attacco eurocono 3/4", ogiva in ottone e bussola di sostegno, per tubo plastico 17x2 mm; tenuta con O-ring in EPDM.'),
    ('V260X202', 'ADATTATORE EUROCONO 3/4" PER TUBO PLASTICO 20x2 mm', 'V260', 3.90, 'adattatore.png',
     'Adattatore a compressione in ottone nichelato con attacco eurocono 3/4", ogiva in ottone e bussola di sostegno, per tubo plastico 20x2 mm; tenuta con O-ring in EPDM.'),
    ('V260X253', 'ADATTATORE 1" PER TUBO PLASTICO 25x2,3 mm', 'V260', 6.20, 'adattatore.png',
     'Adattatore a compressione in ottone nichelato con attacco femmina 1", ogiva e bussola di sostegno, per tubo plastico 25x2,3 mm; tenuta con O-ring in EPDM.'),
    ('V261X162', 'ADATTATORE EUROCONO 3/4" PER TUBO MULTISTRATO 16x2 mm', 'V261', 4.10, 'adattatore.png',
     'Adattatore a compressione in ottone nichelato con attacco eurocono 3/4" per tubo multistrato 16x2 mm, con bussola isolata dielettrica e doppio O-ring in EPDM.'),
    ('V265TX716', 'CURVA GUIDA TUBO 90° PER TUBO 16-17 mm', 'V265T', 0.95, 'curva.png',
     'Curva guida tubo a 90° in materiale plastico rinforzato per tubo da 16-17 mm, per l''uscita verticale dei circuiti dal massetto al collettore senza schiacciamenti.'),
    ('V265TX720', 'CURVA GUIDA TUBO 90° PER TUBO 20 mm', 'V265T', 1.10, 'curva.png',
     'Curva guida tubo a 90° in materiale plastico rinforzato per tubo da 20 mm, per l''uscita verticale dei circuiti dal massetto al collettore senza schiacciamenti.'),
    ('V265TX725', 'CURVA GUIDA TUBO 90° PER TUBO 25 mm', 'V265T', 1.45, 'curva.png',
     'Curva guida tubo a 90° in acciaio zincato per tubo da 25 mm, per l''uscita verticale dei circuiti dal massetto al collettore senza schiacciamenti.');
