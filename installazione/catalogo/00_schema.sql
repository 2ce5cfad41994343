-- Catalogo TERMOVELA (alias "TVLITA"): schema delle tabelle.
-- I file di questa cartella vengono eseguiti in ordine di nome da creacatalogo, in una sola
-- transazione; il programma apre poi il risultato in sola lettura.
--
-- Tipi dichiarati come li legge il dataset: VARCHAR(n) testo, SMALLINT/INTEGER interi,
-- FLOAT reali, BOOLEAN logici, MEMO testo lungo. Nomi con spazi ("D EST", "H EQ") e parole
-- riservate ("CHECK") vanno sempre tra virgolette doppie.
--
-- Regola di casa: DESCRIZIONE, REFERENZA, CAPITOLATO e FOTO delle tabelle di articoli si
-- scrivono una volta sola, nella riga di CATALOGO; 95_completa.sql le ricopia nelle tabelle
-- che i documenti leggono, così un testo non può divergere dal listino.

-- Listino articoli. EURO = prezzo unitario (per m, m² o pezzo secondo l'articolo);
-- PREZZO = lo stesso prezzo in centesimi di euro, intero; MISURA = riferimento breve
-- dell'articolo (la colonna "MISURA" della pagina Catalogo e l'"Articolo" dei preventivi).
CREATE TABLE CATALOGO (
    CODICE VARCHAR(50) PRIMARY KEY,
    PREZZO INTEGER,
    DESCRIZIONE VARCHAR(150),
    MISURA VARCHAR(50),
    EURO FLOAT,
    CAPITOLATO MEMO,
    FOTO VARCHAR(50)
);
CREATE INDEX CATALOGO_DESCRIZIONE ON CATALOGO (DESCRIZIONE);

-- Pannelli isolanti. H = classe di fissaggio del tubo: 99 pannello bugnato (il tubo sta tra le
-- bugne, niente clips), 1 pannello "spider" con rete (fissaggio a tasselli), altrimenti lo
-- spessore del pannello in mm (30 = clips per pannelli da 30 mm). "H EQ" = spessore isolante
-- equivalente, mm; COND = conduttività dell'isolante, W/mK; INTERASSE = modulo di posa, mm;
-- CONFEZIONE = m² per confezione.
CREATE TABLE ISOLANTE (
    CODICE VARCHAR(100) PRIMARY KEY,
    DESCRIZIONE VARCHAR(200),
    REFERENZA VARCHAR(100),
    H INTEGER,
    "H EQ" INTEGER,
    COND FLOAT,
    INTERASSE INTEGER,
    CONFEZIONE FLOAT,
    TASSELLO VARCHAR(100),
    CAPITOLATO MEMO,
    FOTO VARCHAR(50)
);

-- Rivestimenti, massetti e solai: LAMBDA = conduttività termica, W/mK.
-- I rivestimenti dei locali sono scelti per descrizione: codice e descrizione senza maiuscole.
CREATE TABLE RIVESTIMENTOF (
    CODICE VARCHAR(50) PRIMARY KEY COLLATE NOCASE,
    DESCRIZIONE VARCHAR(50) COLLATE NOCASE,
    LAMBDA FLOAT
);
CREATE INDEX RIVESTIMENTOF_DESCRIZIONE ON RIVESTIMENTOF (DESCRIZIONE COLLATE NOCASE);

CREATE TABLE STRUTTURE (
    CODICE VARCHAR(100) PRIMARY KEY,
    DESCRIZIONE VARCHAR(100),
    LAMBDA FLOAT
);
CREATE INDEX STRUTTURE_DESCRIZIONE ON STRUTTURE (DESCRIZIONE);

CREATE TABLE SOLETTE (
    CODICE VARCHAR(100) PRIMARY KEY,
    DESCRIZIONE VARCHAR(100),
    LAMBDA FLOAT
);

-- Tipi di tubo, scelti nei dati generali per RIF. "D EST" e SPESSORE in mm, COND in W/mK;
-- KV = portata in m³/h che dà 1 bar di perdita su 100 m di tubo a 50 °C (informativo);
-- CONFEZIONE = rotolo di riferimento, m; CODICE = l'articolo di quel rotolo in TUBO.
CREATE TABLE DESCRTUBO (
    CODICE VARCHAR(50),
    DESCRIZIONE VARCHAR(100),
    REFERENZA VARCHAR(50),
    "D EST" FLOAT,
    SPESSORE FLOAT,
    COND FLOAT,
    KV FLOAT,
    CONFEZIONE INTEGER,
    RIF VARCHAR(50) UNIQUE
);

-- Articoli tubo: una riga per lunghezza di rotolo (CONF, m). ADATTATORI/REFADATT = articolo e
-- riferimento dell'adattatore al collettore, REFCURVE = articolo della curva guida tubo.
CREATE TABLE TUBO (
    RIF VARCHAR(50),
    CODICE VARCHAR(20) PRIMARY KEY,
    CONF INTEGER,
    DESCRIZIONE VARCHAR(150),
    REFERENZA VARCHAR(50),
    "D EST" FLOAT,
    SPESSORE FLOAT,
    ADATTATORI VARCHAR(20),
    REFADATT VARCHAR(50),
    REFCURVE VARCHAR(20),
    CAPITOLATO MEMO,
    FOTO VARCHAR(50)
);
CREATE INDEX TUBO_RIF ON TUBO (RIF, CONF);

-- Tipi di collettore, scelti per RIF. KVTA = coefficiente di portata del collettore, m³/h a 1 bar.
CREATE TABLE DESCRCOLL (
    ID INTEGER,
    DESCRIZIONE VARCHAR(100),
    RIF VARCHAR(10) UNIQUE,
    KVTA FLOAT
);

-- Taratura dei detentori di un tipo di collettore: KV (m³/h) ottenuto con GIRI giri di apertura.
CREATE TABLE KV (
    COLLETTORE VARCHAR(10),
    KV FLOAT,
    GIRI VARCHAR(10)
);
CREATE INDEX KV_COLLETTORE ON KV (COLLETTORE, KV);

-- Articoli collettore per tipo e numero di attacchi; QUANT pezzi per collettore; CASS = misura
-- della cassetta (CASSETTE.MISURA) che lo contiene.
CREATE TABLE COLLETTORI (
    RIF VARCHAR(10),
    ATTACCHI INTEGER,
    CODICE VARCHAR(20),
    CASS VARCHAR(20),
    QUANT INTEGER,
    DESCRIZIONE VARCHAR(150),
    REFERENZA VARCHAR(50),
    CAPITOLATO MEMO,
    FOTO VARCHAR(50)
);
CREATE INDEX COLLETTORI_RIF ON COLLETTORI (RIF, ATTACCHI);

-- Cassette da incasso per misura; SUPPORTO = articolo di CASSACC che regge il collettore.
CREATE TABLE CASSETTE (
    MISURA VARCHAR(20) PRIMARY KEY,
    CODICE VARCHAR(20),
    SUPPORTO VARCHAR(20),
    DESCRIZIONE VARCHAR(150),
    REFERENZA VARCHAR(50),
    CAPITOLATO MEMO,
    FOTO VARCHAR(50)
);

CREATE TABLE CASSACC (
    CODICE VARCHAR(20) PRIMARY KEY,
    DESCRIZIONE VARCHAR(150),
    REFERENZA VARCHAR(50),
    CAPITOLATO MEMO,
    FOTO VARCHAR(50)
);

-- Accessori di ogni tipo di collettore, in ordine di PRIORITA; QUANT pezzi per collettore.
CREATE TABLE COLLACC (
    RIF VARCHAR(10),
    CODICE VARCHAR(20),
    PRIORITA INTEGER,
    QUANT INTEGER,
    DESCRIZIONE VARCHAR(150),
    REFERENZA VARCHAR(50),
    CAPITOLATO MEMO,
    FOTO VARCHAR(50)
);
CREATE INDEX COLLACC_RIF ON COLLACC (RIF, PRIORITA);

-- Regolazione ambiente: termostati e attuatori (famiglia "J91" = un attuatore per collettore).
CREATE TABLE TERMAMB (
    CODICE VARCHAR(50) PRIMARY KEY,
    DESCRIZIONE VARCHAR(100),
    REFERENZA VARCHAR(50),
    CAPITOLATO MEMO,
    FOTO VARCHAR(50)
);

CREATE TABLE REGAMB (
    CODICE VARCHAR(50) PRIMARY KEY,
    DESCRIZIONE VARCHAR(100),
    REFERENZA VARCHAR(50),
    CAPITOLATO MEMO,
    FOTO VARCHAR(50)
);

-- Collettori di caldaia e motori delle miscelatrici: vanno insieme quando "CHECK" coincide.
-- Il motore "-" sta per nessun motore. TRASFORMATORE = articolo da fornire con il motore.
CREATE TABLE COLLCALDAIA (
    CODICE VARCHAR(20) PRIMARY KEY,
    DESCRIZIONE VARCHAR(100),
    "CHECK" INTEGER,
    REFERENZA VARCHAR(50),
    CAPITOLATO MEMO,
    FOTO VARCHAR(50)
);

CREATE TABLE ATTUATORI (
    CODICE VARCHAR(10) PRIMARY KEY,
    DESCRIZIONE VARCHAR(100),
    "CHECK" INTEGER,
    REFERENZA VARCHAR(50),
    CAPITOLATO MEMO,
    FOTO VARCHAR(50),
    TRASFORMATORE VARCHAR(20)
);

-- Regolatori elettronici (scelti per RIF) e i loro componenti (REGELETTRO.RIFREG = RIF).
CREATE TABLE DESCRREGOL (
    RIF VARCHAR(50) PRIMARY KEY,
    DESCRIZIONE VARCHAR(100)
);

CREATE TABLE REGELETTRO (
    RIFREG VARCHAR(50),
    CODICE VARCHAR(20),
    DESCRIZIONE VARCHAR(150),
    REFERENZA VARCHAR(50),
    CAPITOLATO MEMO,
    FOTO VARCHAR(50)
);
CREATE INDEX REGELETTRO_RIFREG ON REGELETTRO (RIFREG);
