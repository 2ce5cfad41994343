-- Tabelle di lavoro del progetto aperto: vivono in un database in memoria, privato di ogni
-- copia del programma, collegato alla stessa connessione del catalogo.
CREATE TABLE AuxInfo (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    PROGETTO VARCHAR(50),
    COMMITTENTE VARCHAR(50),
    PROGETTISTA VARCHAR(50),
    RIF VARCHAR(50),
    DATA VARCHAR(50),
    Commento VARCHAR(255)
);
CREATE TABLE AuxDGenerali (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    COD_MASS VARCHAR(15),
    LAMBDA_MASS FLOAT,
    SPESS_MASS SMALLINT,
    COD_RIV VARCHAR(15),
    LAMBDA_RIV FLOAT,
    SPESS_RIV SMALLINT,
    TIPO_RIV VARCHAR(50),
    COD_SOL VARCHAR(15),
    LAMBDA_SOL FLOAT,
    SPESS_SOL SMALLINT,
    COD_TUBO VARCHAR(15),
    LAMBDA_TUBO FLOAT,
    SPESS_TUBO SMALLINT,
    DEST_TUBO FLOAT,
    COD_ISOL VARCHAR(15),
    INTERASSE SMALLINT,
    DELTAT_MAX SMALLINT,
    LUNGMAX SMALLINT,
    TEMPVS SMALLINT,
    RIF_COLL VARCHAR(10),
    "SI-NO" BOOLEAN
);
CREATE TABLE AuxLocali (
    ID INTEGER NOT NULL,
    Descrizione VARCHAR(50),
    Piano VARCHAR(10),
    TAmbiente SMALLINT,
    Area FLOAT,
    AreaUtile FLOAT,
    AreaMarginale FLOAT,
    CTermico FLOAT,
    Rivestimento VARCHAR(50),
    Lambda_Riv FLOAT,
    Spessore INTEGER,
    DistColl SMALLINT
);
CREATE UNIQUE INDEX AuxLocali_PrimaryKey ON AuxLocali (ID);
CREATE TABLE AuxCollettori (
    ID INTEGER,
    Nome VARCHAR(20),
    Descrizione VARCHAR(100),
    N_Circuiti SMALLINT,
    Portata FLOAT,
    dP FLOAT
);
CREATE TABLE AuxRegol (
    ID INTEGER,
    term VARCHAR(150),
    qterm SMALLINT,
    attuatore VARCHAR(50),
    qattuat SMALLINT,
    collcald VARCHAR(20),
    attmix VARCHAR(10),
    regol VARCHAR(50),
    qreg SMALLINT,
    qcald SMALLINT
);
CREATE TABLE AuxCompAgg (
    ID INTEGER,
    Descrizione VARCHAR(150),
    Articolo VARCHAR(50),
    Cod_Esteso VARCHAR(20),
    Unit_Mis VARCHAR(10),
    "Quantità" FLOAT,
    Prezzo_Unit FLOAT
);
CREATE TABLE AuxPrev (
    ID INTEGER,
    Descrizione VARCHAR(150),
    Articolo VARCHAR(50),
    Cod_Esteso VARCHAR(20),
    Unit_Mis VARCHAR(10),
    "Quantità" FLOAT,
    Prezzo_Unit FLOAT,
    CAPITOLATO MEMO,
    IMMAGINE VARCHAR(50)
);
CREATE TABLE AuxCircuiti (
    ID INTEGER,
    L_Rotolo INTEGER,
    Scarto INTEGER,
    L_Circuito INTEGER,
    Descr_Circuito VARCHAR(200),
    Coll VARCHAR(20),
    Piano VARCHAR(10)
);
CREATE TABLE AuxRotoli (
    ID INTEGER,
    Cod_Esteso VARCHAR(20),
    Rotolo INTEGER,
    Quanti INTEGER,
    Incluso BOOLEAN
);
-- Le tabelle a record singolo hanno sempre la loro riga, che un progetto nuovo o caricato sovrascrive.
INSERT INTO AuxInfo (PROGETTO) VALUES (NULL);
INSERT INTO AuxDGenerali (COD_MASS) VALUES (NULL);
INSERT INTO AuxRegol (ID) VALUES (0);
