-- Regolazione: termostati e attuatori di ambiente, collettori di caldaia con i motori delle
-- valvole miscelatrici, regolatori elettronici con i loro componenti.

INSERT INTO CATALOGO (CODICE, DESCRIZIONE, MISURA, EURO, FOTO, CAPITOLATO) VALUES
    -- Termostati ambiente
    ('J100X001', 'TERMOSTATO AMBIENTE ELETTRONICO DA INCASSO 230 V', 'J100', 46.00, 'termostato.png',
     'Termostato ambiente elettronico da incasso in scatola 503, alimentazione 230 V, campo di regolazione 5-30 °C, differenziale 0,3 K, uscita a relè 5 A in scambio, LED di stato; placca bianca.'),
    ('J100X002', 'TERMOSTATO AMBIENTE ELETTRONICO DA INCASSO 24 V', 'J100', 46.00, 'termostato.png',
     'Termostato ambiente elettronico da incasso in scatola 503, alimentazione 24 V, campo di regolazione 5-30 °C, differenziale 0,3 K, uscita a relè 5 A in scambio, LED di stato; placca bianca.'),
    ('J101X001', 'CRONOTERMOSTATO AMBIENTE DIGITALE SETTIMANALE A BATTERIE', 'J101', 89.00, 'cronotermostato.png',
     'Cronotermostato ambiente digitale a parete con programmazione settimanale su tre livelli di temperatura, display retroilluminato, alimentazione con due batterie AA, uscita a relè 5 A in scambio.'),
    ('J102X001', 'TERMOSTATO AMBIENTE CON UMIDOSTATO INCORPORATO', 'J102', 118.00, 'termostato.png',
     'Termostato ambiente elettronico con sensore di umidità relativa incorporato, due uscite indipendenti per riscaldamento/raffrescamento e deumidificazione, alimentazione 230 V.'),
    ('J103X001', 'TERMOSTATO AMBIENTE MECCANICO A PARETE 230 V', 'J103', 24.50, 'termostato.png',
     'Termostato ambiente meccanico a parete con sensore a gas, campo 10-30 °C, contatto in scambio 10 A a 230 V.'),
    -- Attuatori di ambiente: la serie J91 comanda la valvola di zona di un intero collettore
    ('J91X230', 'MOTORE ELETTROTERMICO PER VALVOLA DI ZONA DEL COLLETTORE 230 V', 'J91', 52.00, 'motore_zona.png',
     'Motore elettrotermico di zona 230 V normalmente chiuso con microinterruttore ausiliario, per il comando della valvola di zona a 2 vie sulla mandata del collettore; un motore per collettore.'),
    ('J91X024', 'MOTORE ELETTROTERMICO PER VALVOLA DI ZONA DEL COLLETTORE 24 V', 'J91', 54.00, 'motore_zona.png',
     'Motore elettrotermico di zona 24 V normalmente chiuso con microinterruttore ausiliario, per il comando della valvola di zona a 2 vie sulla mandata del collettore; un motore per collettore.'),
    ('J90X230', 'TESTINA ELETTROTERMICA 230 V NORMALMENTE CHIUSA', 'J90', 31.00, 'testina.png',
     'Testina elettrotermica 230 V normalmente chiusa con attacco M30x1,5, indicatore di posizione, potenza assorbita 2 W; una per circuito.'),
    ('J90X024', 'TESTINA ELETTROTERMICA 24 V NORMALMENTE CHIUSA', 'J90', 31.00, 'testina.png',
     'Testina elettrotermica 24 V normalmente chiusa con attacco M30x1,5, indicatore di posizione, potenza assorbita 2 W; una per circuito.'),
    ('J92X230', 'TESTINA ELETTROTERMICA 230 V CON MICROINTERRUTTORE AUSILIARIO', 'J92', 39.50, 'testina.png',
     'Testina elettrotermica 230 V normalmente chiusa con microinterruttore ausiliario di fine corsa per il consenso al circolatore, attacco M30x1,5; una per circuito.'),
    ('J93X001', 'TESTA TERMOSTATICA A SONDA REMOTA PER CIRCUITO', 'J93', 36.00, 'testina.png',
     'Testa termostatica con sensore a liquido e sonda remota con capillare da 2 m, campo 6-28 °C, attacco M30x1,5; una per circuito, senza alimentazione elettrica.'),
    -- Collettori di caldaia
    ('V240X002', 'COLLETTORE DI CALDAIA A 2 ZONE CON VALVOLA MISCELATRICE A 3 VIE', 'V240', 310.00, 'collettore_caldaia.png',
     'Collettore di caldaia in acciaio verniciato a 2 zone con separatore idraulico, valvola miscelatrice a 3 vie 1" predisposta per servomotore, circolatori elettronici, termometri e coibentazione in EPP.'),
    ('V240X003', 'COLLETTORE DI CALDAIA A 3 ZONE CON VALVOLA MISCELATRICE A 3 VIE', 'V240', 395.00, 'collettore_caldaia.png',
     'Collettore di caldaia in acciaio verniciato a 3 zone con separatore idraulico, valvola miscelatrice a 3 vie 1" predisposta per servomotore, circolatori elettronici, termometri e coibentazione in EPP.'),
    ('V241X002', 'COLLETTORE DI CALDAIA A 2 ZONE CON MISCELATRICE A SETTORE 4 VIE', 'V241', 365.00, 'collettore_caldaia.png',
     'Collettore di caldaia in acciaio verniciato a 2 zone con valvola miscelatrice a settore a 4 vie 1" predisposta per servomotore rotativo, circolatori elettronici, termometri e coibentazione in EPP.'),
    ('V241X003', 'COLLETTORE DI CALDAIA A 3 ZONE CON MISCELATRICE A SETTORE 4 VIE', 'V241', 450.00, 'collettore_caldaia.png',
     'Collettore di caldaia in acciaio verniciato a 3 zone con valvola miscelatrice a settore a 4 vie 1" predisposta per servomotore rotativo, circolatori elettronici, termometri e coibentazione in EPP.'),
    ('V242X001', 'GRUPPO DI CALDAIA CON MISCELATRICE TERMOSTATICA A PUNTO FISSO', 'V242', 280.00, 'collettore_caldaia.png',
     'Gruppo di caldaia con valvola miscelatrice termostatica a punto fisso regolabile 20-55 °C, circolatore elettronico, termostato di sicurezza e coibentazione in EPP; non richiede servomotore.'),
    -- Motori delle valvole miscelatrici e trasformatori
    ('-', 'NESSUN MOTORE PER VALVOLA MISCELATRICE', '-', 0.00, 'servomotore.png',
     'Nessun servomotore: la valvola miscelatrice è termostatica o comandata a mano.'),
    ('J70X230', 'SERVOMOTORE 230 V PER VALVOLA MISCELATRICE A 3 VIE', 'J70', 165.00, 'servomotore.png',
     'Servomotore lineare a tre punti 230 V con corsa 5,5 mm e forza 200 N, tempo di corsa 150 s, per valvola miscelatrice a 3 vie dei collettori di caldaia V240.'),
    ('J70X024', 'SERVOMOTORE 24 V PER VALVOLA MISCELATRICE A 3 VIE', 'J70', 172.00, 'servomotore.png',
     'Servomotore lineare a tre punti 24 V con corsa 5,5 mm e forza 200 N, tempo di corsa 150 s, per valvola miscelatrice a 3 vie dei collettori di caldaia V240; richiede trasformatore 230/24 V.'),
    ('J71X230', 'SERVOMOTORE ROTATIVO 230 V PER MISCELATRICE A SETTORE', 'J71', 148.00, 'servomotore.png',
     'Servomotore rotativo a tre punti 230 V, coppia 5 Nm, rotazione 90° in 120 s, con manopola di comando manuale, per miscelatrice a settore dei collettori di caldaia V241.'),
    ('J71X024', 'SERVOMOTORE ROTATIVO 24 V PER MISCELATRICE A SETTORE', 'J71', 152.00, 'servomotore.png',
     'Servomotore rotativo a tre punti 24 V, coppia 5 Nm, rotazione 90° in 120 s, con manopola di comando manuale, per miscelatrice a settore dei collettori di caldaia V241; richiede trasformatore 230/24 V.'),
    ('J71X010', 'SERVOMOTORE ROTATIVO 24 V MODULANTE 0-10 V PER MISCELATRICE A SETTORE', 'J71', 215.00, 'servomotore.png',
     'Servomotore rotativo modulante 24 V con segnale di comando 0-10 V, coppia 5 Nm, rotazione 90° in 60 s, per miscelatrice a settore dei collettori di caldaia V241; richiede trasformatore da 100 VA.'),
    ('J72X001', 'TESTA TERMOSTATICA A IMMERSIONE 20-55 °C PER MISCELATRICE A PUNTO FISSO', 'J72', 58.00, 'servomotore.png',
     'Testa termostatica con sonda a immersione, campo 20-55 °C, per la miscelatrice a punto fisso dei gruppi di caldaia V242.'),
    ('J79X001', 'TRASFORMATORE DI SICUREZZA 230/24 V - 50 VA', 'J79', 32.00, 'trasformatore.png',
     'Trasformatore di sicurezza 230/24 V c.a. da 50 VA a norma EN 61558, con fusibile di protezione, montaggio su guida DIN.'),
    ('J79X002', 'TRASFORMATORE DI SICUREZZA 230/24 V - 100 VA', 'J79', 46.00, 'trasformatore.png',
     'Trasformatore di sicurezza 230/24 V c.a. da 100 VA a norma EN 61558, con fusibile di protezione, montaggio su guida DIN.'),
    -- Componenti dei regolatori elettronici
    ('J80X001', 'CENTRALINA DI REGOLAZIONE CLIMATICA PER 1 CIRCUITO MISCELATO', 'J80', 295.00, 'centralina.png',
     'Centralina di regolazione climatica per un circuito miscelato con curve climatiche selezionabili, programmazione oraria settimanale, uscita a tre punti per il servomotore e comando del circolatore; alimentazione 230 V, montaggio a parete o su guida DIN.'),
    ('J80X002', 'CENTRALINA DI REGOLAZIONE CLIMATICA PER 2 CIRCUITI MISCELATI', 'J80', 410.00, 'centralina.png',
     'Centralina di regolazione climatica per due circuiti miscelati indipendenti con curve climatiche selezionabili, programmazione oraria settimanale, due uscite a tre punti e due comandi circolatore; alimentazione 230 V.'),
    ('J81X001', 'SONDA DI TEMPERATURA ESTERNA', 'J81', 26.00, 'sonda.png',
     'Sonda di temperatura esterna NTC 10 kOhm in custodia IP54, da installare sulla parete nord dell''edificio al riparo dal sole.'),
    ('J81X002', 'SONDA DI MANDATA A CONTATTO', 'J81', 22.00, 'sonda.png',
     'Sonda di temperatura NTC 10 kOhm a contatto con fascetta di fissaggio, per tubi da 1/2" a 2", da montare sulla mandata a valle della miscelatrice.'),
    ('J81X003', 'KIT DUE SONDE DI MANDATA A CONTATTO', 'J81', 40.00, 'sonda.png',
     'Coppia di sonde di temperatura NTC 10 kOhm a contatto con fascette di fissaggio, per le mandate dei due circuiti miscelati.'),
    ('J82X001', 'TERMOSTATO LIMITE DI SICUREZZA 55 °C A RIARMO MANUALE', 'J82', 31.00, 'sonda.png',
     'Termostato limite di sicurezza a contatto tarato a 55 °C con riarmo manuale, che arresta il circolatore dell''impianto a pavimento in caso di sovratemperatura.'),
    ('J83X001', 'REGOLATORE ELETTRONICO A PUNTO FISSO CON DISPLAY', 'J83', 185.00, 'centralina.png',
     'Regolatore elettronico a punto fisso con display, temperatura di mandata impostabile da 20 a 55 °C, uscita a tre punti per il servomotore della miscelatrice; alimentazione 230 V.');

INSERT INTO TERMAMB (CODICE) VALUES ('J100X001'), ('J100X002'), ('J101X001'), ('J102X001'), ('J103X001');

INSERT INTO REGAMB (CODICE) VALUES
    ('J91X230'), ('J91X024'), ('J90X230'), ('J90X024'), ('J92X230'), ('J93X001');

-- "CHECK": collettore di caldaia e motore vanno insieme quando il valore coincide
-- (1 miscelatrice a 3 vie, 2 miscelatrice a settore, 3 punto fisso termostatico).
INSERT INTO COLLCALDAIA (CODICE, "CHECK") VALUES
    ('V240X002', 1), ('V240X003', 1), ('V241X002', 2), ('V241X003', 2), ('V242X001', 3);

INSERT INTO ATTUATORI (CODICE, "CHECK", TRASFORMATORE) VALUES
    ('-', 0, NULL),
    ('J70X230', 1, NULL),
    ('J70X024', 1, 'J79X001'),
    ('J71X230', 2, NULL),
    ('J71X024', 2, 'J79X001'),
    ('J71X010', 2, 'J79X002'),
    ('J72X001', 3, NULL);

INSERT INTO DESCRREGOL (RIF, DESCRIZIONE) VALUES
    ('REG1', 'REGOLATORE CLIMATICO PER 1 CIRCUITO MISCELATO CON SONDA ESTERNA'),
    ('REG2', 'REGOLATORE CLIMATICO PER 2 CIRCUITI MISCELATI CON SONDA ESTERNA'),
    ('REG3', 'REGOLATORE ELETTRONICO A PUNTO FISSO CON SONDA DI MANDATA');

-- Componenti di ogni regolatore, nell'ordine in cui compaiono in distinta.
INSERT INTO REGELETTRO (RIFREG, CODICE) VALUES
    ('REG1', 'J80X001'), ('REG1', 'J81X001'), ('REG1', 'J81X002'), ('REG1', 'J82X001'),
    ('REG2', 'J80X002'), ('REG2', 'J81X001'), ('REG2', 'J81X003'), ('REG2', 'J82X001'),
    ('REG3', 'J83X001'), ('REG3', 'J81X002'), ('REG3', 'J82X001');
