-- Materiali del pacchetto pavimento: rivestimenti, massetti, solai, pannelli isolanti e gli
-- articoli fissi che le distinte aggiungono a ogni impianto.

-- Rivestimenti: conduttività di riferimento dei materiali da pavimento (W/mK).
INSERT INTO RIVESTIMENTOF (CODICE, DESCRIZIONE, LAMBDA) VALUES
    ('CER', 'Ceramica', 1.30),
    ('GRES', 'Gres porcellanato', 1.50),
    ('MOS', 'Mosaico vetroso', 1.00),
    ('COTTO', 'Cotto', 0.85),
    ('KLINK', 'Klinker', 1.10),
    ('MARMO', 'Marmo', 3.00),
    ('GRANITO', 'Granito', 2.80),
    ('PIETRA', 'Pietra naturale (ardesia, arenaria)', 2.20),
    ('TRAV', 'Pietra calcarea (travertino)', 1.70),
    ('GRANIG', 'Graniglia di marmo (marmette)', 1.60),
    ('PARQR', 'Parquet in rovere', 0.18),
    ('PARQF', 'Parquet in faggio', 0.17),
    ('PARQM', 'Parquet prefinito multistrato', 0.15),
    ('LAM', 'Laminato', 0.17),
    ('VIN', 'Vinilico / PVC', 0.20),
    ('LINO', 'Linoleum', 0.17),
    ('GOMMA', 'Gomma', 0.17),
    ('SUG', 'Sughero', 0.07),
    ('MOQ', 'Moquette', 0.06),
    ('RES', 'Resina epossidica', 0.30),
    ('NESS', 'Nessun rivestimento (massetto a vista)', 1.40);

-- Massetti sopra i tubi (W/mK).
INSERT INTO STRUTTURE (CODICE, DESCRIZIONE, LAMBDA) VALUES
    ('MCT', 'Massetto cementizio tradizionale', 1.20),
    ('MCA', 'Massetto cementizio con additivo fluidificante', 1.35),
    ('MFR', 'Massetto cementizio fibrorinforzato', 1.30),
    ('MCAL', 'Massetto cementizio autolivellante', 1.50),
    ('MAA', 'Massetto anidritico autolivellante', 1.80),
    ('MSR', 'Massetto a spessore ridotto ad alta conducibilità', 2.00);

-- Solai sotto l'isolante (W/mK; per i solai alleggeriti una conduttività equivalente).
INSERT INTO SOLETTE (CODICE, DESCRIZIONE, LAMBDA) VALUES
    ('LATCEM', 'Solaio in laterocemento', 0.70),
    ('CLS', 'Soletta in calcestruzzo armato', 2.30),
    ('PLATEA', 'Platea in calcestruzzo su terreno', 2.00),
    ('PRED', 'Solaio a lastre predalles alleggerite', 0.90),
    ('LAMIERA', 'Solaio in lamiera grecata con getto collaborante', 1.80),
    ('VESP', 'Vespaio aerato con casseri a perdere', 0.50),
    ('LEGNO', 'Solaio in legno', 0.13);

-- Pannelli isolanti: prezzo al m².
INSERT INTO CATALOGO (CODICE, DESCRIZIONE, MISURA, EURO, FOTO, CAPITOLATO) VALUES
    ('V539X771', 'PANNELLO ISOLANTE BUGNATO EPS 250 SP. 22 mm, PASSO 50 mm, PER TUBO 16-17 mm', 'V539', 9.80,
     'pannello_bugnato.png',
     'Pannello isolante preformato in polistirene espanso sinterizzato EPS 250 a norma UNI EN 13163, accoppiato a film rigido in polistirene, con bugne di ancoraggio a passo 50 mm per tubi di diametro 16-17 mm; spessore isolante 22 mm (equivalente 30 mm), conduttività 0,033 W/mK, incastri perimetrali a sormonto. Lastre da 1200x700 mm, confezione da 10,08 m².'),
    ('V539X775', 'PANNELLO ISOLANTE BUGNATO EPS 250 SP. 44 mm, PASSO 75 mm, PER TUBO 16-20 mm', 'V539', 13.40,
     'pannello_bugnato.png',
     'Pannello isolante preformato in EPS 250 a norma UNI EN 13163 con film rigido in polistirene e bugne a passo 75 mm per tubi da 16 a 20 mm; spessore isolante 44 mm (equivalente 52 mm), conduttività 0,033 W/mK, indicato per solai su ambienti non riscaldati. Lastre da 1200x700 mm, confezione da 6,72 m².'),
    ('V534X770-', 'PANNELLO ISOLANTE EPS 150 SP. 30 mm PER PAVIMENTO INDUSTRIALE, TUBO 25 mm', 'V534', 6.90,
     'pannello_industriale.png',
     'Pannello isolante piano in EPS 150 ad alta resistenza a compressione (150 kPa al 10% di schiacciamento) per pavimenti industriali, spessore 30 mm, conduttività 0,035 W/mK; da completare con foglio di copertura e barriera vapore e con tubo di diametro 25 mm posato a passo multiplo di 100 mm. Lastre da 1200x1000 mm, confezione da 12 m².'),
    ('V339EX779_20', 'PANNELLO PIANO EPS 200 SP. 20 mm CON FOGLIO ALLUMINATO PER BINARIO - CIVILE', 'V339E', 4.60,
     'pannello_binario.png',
     'Pannello isolante piano in EPS 200 spessore 20 mm, conduttività 0,034 W/mK, rivestito da foglio alluminato con reticolo di posa a 50 mm, per il fissaggio del tubo con binario fissatubo per pavimento civile. Confezione da 15 m².'),
    ('V339EX779_30', 'PANNELLO PIANO EPS 200 SP. 30 mm CON FOGLIO ALLUMINATO PER BINARIO - CIVILE', 'V339E', 5.90,
     'pannello_binario.png',
     'Pannello isolante piano in EPS 200 spessore 30 mm, conduttività 0,034 W/mK, rivestito da foglio alluminato con reticolo di posa a 50 mm, per il fissaggio del tubo con binario fissatubo per pavimento civile. Confezione da 10 m².'),
    ('V339EX779_40', 'PANNELLO PIANO EPS 200 SP. 40 mm CON FOGLIO ALLUMINATO PER BINARIO - CIVILE', 'V339E', 7.40,
     'pannello_binario.png',
     'Pannello isolante piano in EPS 200 spessore 40 mm, conduttività 0,034 W/mK, rivestito da foglio alluminato con reticolo di posa a 50 mm, per il fissaggio del tubo con binario fissatubo per pavimento civile. Confezione da 7,5 m².'),
    ('V339EX779-30', 'PANNELLO PIANO EPS 250 SP. 30 mm PER BINARIO - INDUSTRIALE', 'V339E', 7.10,
     'pannello_industriale.png',
     'Pannello isolante piano in EPS 250 ad alta resistenza a compressione, spessore 30 mm, conduttività 0,033 W/mK, per pavimenti industriali con tubo fissato su binario fissatubo industriale a passo multiplo di 100 mm. Confezione da 10 m².'),
    ('V339EX779-50', 'PANNELLO PIANO EPS 250 SP. 50 mm PER BINARIO - INDUSTRIALE', 'V339E', 10.90,
     'pannello_industriale.png',
     'Pannello isolante piano in EPS 250 ad alta resistenza a compressione, spessore 50 mm, conduttività 0,033 W/mK, per pavimenti industriali con tubo fissato su binario fissatubo industriale a passo multiplo di 100 mm. Confezione da 6 m².'),
    ('V515LX771', 'PANNELLO SPIDER EPS 200 SP. 30 mm CON RETE DI ANCORAGGIO, PASSO 75 mm', 'V515L', 7.80,
     'pannello_spider.png',
     'Pannello isolante piano in EPS 200 spessore 30 mm, conduttività 0,034 W/mK, con rete di ancoraggio solidale a maglia 75 mm: il tubo si fissa con tasselli a scatto per pannelli spider. Confezione da 9,6 m².'),
    ('V515LX774', 'PANNELLO SPIDER EPS 200 SP. 40 mm CON FOGLIO QUADRETTATO, PASSO 100 mm', 'V515L', 9.10,
     'pannello_spider.png',
     'Pannello isolante piano in EPS 200 spessore 40 mm, conduttività 0,034 W/mK, con foglio goffrato quadrettato a 100 mm, per posa con tasselli spider e clips fissatubo. Confezione da 7,2 m².'),
    ('V510X771', 'PANNELLO PIANO EPS 150 SP. 20 mm CON FOGLIO QUADRETTATO, PASSO 50 mm', 'V510', 4.20,
     'pannello_piano.png',
     'Pannello isolante piano in EPS 150 spessore 20 mm, conduttività 0,035 W/mK, con foglio in polietilene quadrettato a 50 mm per la posa del tubo con clips fissatubo. Confezione da 12 m².'),
    ('V511X772', 'PANNELLO IN POLIURETANO ESPANSO SP. 30 mm RIVESTITO IN ALLUMINIO, PASSO 100 mm', 'V511', 12.60,
     'pannello_piano.png',
     'Pannello isolante in schiuma poliuretanica rigida PIR spessore 30 mm, conduttività 0,024 W/mK, rivestito sulle due facce da alluminio goffrato con reticolo di posa a 100 mm, per la posa del tubo con clips. Confezione da 8,64 m².'),
    ('V512X760', 'PANNELLO IN FIBRA DI LEGNO SP. 40 mm PER RISTRUTTURAZIONI, PASSO 75 mm', 'V512', 16.50,
     'pannello_piano.png',
     'Pannello isolante in fibra di legno ad alta densità (230 kg/m³) spessore 40 mm, conduttività 0,040 W/mK, traspirante e riciclabile, con reticolo stampato a 75 mm per la posa del tubo con clips. Confezione da 5,76 m².');

-- Dati tecnici dei pannelli (descrizione, riferimento, capitolato e foto vengono dal listino).
-- TASSELLO: il tassello proprio di ogni pannello spider (CATALOGO.CODICE), nullo per gli altri.
INSERT INTO ISOLANTE (CODICE, H, "H EQ", COND, INTERASSE, CONFEZIONE) VALUES
    ('V539X771', 99, 30, 0.033, 50, 10.08),
    ('V539X775', 99, 52, 0.033, 75, 6.72),
    ('V534X770-', 30, 30, 0.035, 100, 12.00),
    ('V339EX779_20', 20, 20, 0.034, 50, 15.00),
    ('V339EX779_30', 30, 30, 0.034, 50, 10.00),
    ('V339EX779_40', 40, 40, 0.034, 50, 7.50),
    ('V339EX779-30', 30, 30, 0.033, 100, 10.00),
    ('V339EX779-50', 50, 50, 0.033, 100, 6.00),
    ('V515LX771', 1, 30, 0.034, 75, 9.60),
    ('V515LX774', 40, 40, 0.034, 100, 7.20),
    ('V510X771', 20, 20, 0.035, 50, 12.00),
    ('V511X772', 30, 45, 0.024, 100, 8.64),
    ('V512X760', 40, 34, 0.040, 75, 5.76);
UPDATE ISOLANTE SET TASSELLO = 'V530X767' WHERE CODICE = 'V515LX771';
UPDATE ISOLANTE SET TASSELLO = 'V530MX774' WHERE CODICE = 'V515LX774';

-- Articoli fissi delle distinte (foglio barriera, binari, rete, fascia, additivi, clips, tasselli).
INSERT INTO CATALOGO (CODICE, DESCRIZIONE, MISURA, EURO, FOTO, CAPITOLATO) VALUES
    ('V536X742', 'FOGLIO DI COPERTURA E BARRIERA VAPORE - PASSO 50mm', 'V536', 1.35, 'foglio_barriera.png',
     'Foglio di copertura in polietilene spessore 0,2 mm con funzione di barriera al vapore, stampato con reticolo di posa a passo 50 mm, da stendere sopra i pannelli isolanti con sormonti di almeno 10 cm sigillati con nastro adesivo. Rotolo da 135 m².'),
    ('J035UX774', 'BINARIO FISSATUBO PER PAVIMENTO CIVILE', 'J035U', 1.20, 'binario.png',
     'Binario fissatubo in polipropilene per pavimento civile, lunghezza 1,2 m, con sedi a scatto ogni 25 mm per tubi da 16 a 20 mm e base adesiva per il fissaggio al pannello isolante.'),
    ('J035X770', 'BINARIO FISSATUBO PER PAVIMENTO INDUSTRIALE', 'J035', 1.65, 'binario.png',
     'Binario fissatubo rinforzato in polipropilene per pavimento industriale, lunghezza 4,8 m in fasci da 4 pezzi, con sedi a scatto ogni 50 mm per tubi da 20 a 25 mm.'),
    ('J050X774', 'RETE ELETTROSALDATA 50x50mm FILO 2mm', 'J050', 2.10, 'rete.png',
     'Rete elettrosaldata in acciaio zincato con maglia 50x50 mm e filo di diametro 2 mm, da annegare nel massetto come armatura di ripartizione contro le fessurazioni. Fogli da 40 m².'),
    ('J085EX794', 'FASCIA PERIMETRALE', 'J085', 0.62, 'fascia.png',
     'Fascia perimetrale in polietilene espanso a celle chiuse, altezza 150 mm e spessore 8 mm, con bandella adesiva e foglio di sovrapposizione, per assorbire la dilatazione del massetto lungo pareti e pilastri. Rotolo da 50 m.'),
    ('J018X774', 'ADDITIVO PER CEMENTI', 'J018', 28.50, 'additivo.png',
     'Additivo fluidificante per massetti cementizi di impianti radianti: riduce l''acqua d''impasto, migliora il contatto del massetto con il tubo e la conduttività termica. Tanica da 10 kg, dosaggio 1 kg ogni 100 kg di cemento.'),
    ('J012X794', 'ADDITIVO ANTIALGA', 'J012', 18.90, 'additivo.png',
     'Additivo antialga e anticorrosione per l''acqua degli impianti a pannelli radianti, compatibile con tubi plastici e componenti in ottone. Flacone da 1 litro per 200 litri di acqua d''impianto.'),
    ('V530X770', 'CLIPS FISSATUBO PER PANNELLI SP. 30 mm', 'V530', 0.09, 'clips.png',
     'Clips fissatubo in polipropilene a doppio ancoraggio per pannelli isolanti piani di spessore 30 mm, per tubi da 14 a 20 mm. Scatola da 100 pezzi.'),
    ('V530X764', 'CLIPS FISSATUBO A TASSELLO PER PANNELLI CON RETE', 'V530', 0.11, 'clips.png',
     'Clips fissatubo a tassello in polipropilene per pannelli con rete di ancoraggio, per tubi da 16 a 20 mm. Scatola da 100 pezzi.'),
    ('V530X774', 'CLIPS FISSATUBO UNIVERSALI', 'V530', 0.08, 'clips.png',
     'Clips fissatubo universali in polipropilene con punta ad arpione, per pannelli isolanti piani di qualunque spessore e tubi da 14 a 20 mm. Scatola da 100 pezzi.'),
    ('V530X767', 'TASSELLO PER PANNELLI SPIDER', 'V530M', 0.07, 'tassello.png',
     'Tassello di ancoraggio in nylon per pannelli spider, da infiggere nella rete del pannello per bloccare il tubo in curva e in rettilineo. Scatola da 100 pezzi.'),
    ('V530MX774', 'TASSELLO PER PANNELLI SPIDER SP. 40 mm CON FOGLIO QUADRETTATO', 'V530M', 0.09, 'tassello.png',
     'Tassello di ancoraggio in nylon a gambo lungo per pannelli spider di spessore 40 mm con foglio quadrettato, da infiggere nel pannello per bloccare il tubo in curva e in rettilineo. Scatola da 100 pezzi.');
