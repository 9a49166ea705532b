-- Code lists of the program's CISELNIK directory.

-- management methods (HOSP_ZP)
CREATE TABLE ZPUSOB (
  Kod DOUBLE,
  POPIS VARCHAR(15),
  PRIMARY KEY (Kod)
);

-- methods of stock determination
CREATE TABLE CIS_ZJZ (
  Kod SMALLINT,
  POPIS VARCHAR(30),
  PRIMARY KEY (Kod)
);

-- special statuses
CREATE TABLE ZVL_STAT (
  Kod SMALLINT,
  POPIS VARCHAR(40),
  PRIMARY KEY (Kod)
);

-- special statuses without the nature-protection ones
CREATE TABLE ZVL_STBzOchr (
  Kod SMALLINT,
  POPIS VARCHAR(40),
  PRIMARY KEY (Kod)
);

-- special statuses, short names
CREATE TABLE ZVL_St_Zkr (
  Kod SMALLINT,
  POPIS VARCHAR(20),
  PRIMARY KEY (Kod)
);

-- kinds of ownership
CREATE TABLE DRUH_VLA (
  KOD SMALLINT,
  POPIS VARCHAR(40),
  PRIMARY KEY (KOD)
);

-- zones of air-pollution threat
CREATE TABLE CIS_PAOH (
  Kod VARCHAR(1),
  POPIS VARCHAR(30),
  PRIMARY KEY (Kod)
);

-- natural forest regions
CREATE TABLE CIS_LEOB (
  Kod VARCHAR(3),
  POPIS VARCHAR(40),
  PRIMARY KEY (Kod)
);

-- natural forest regions, 1999 list
CREATE TABLE CISLOB99 (
  Kod VARCHAR(3),
  POPIS VARCHAR(40),
  PRIMARY KEY (Kod)
);

-- natural forest regions, 1999 list (name used by the code lists)
CREATE TABLE CisLeOb99 (
  Kod VARCHAR(3),
  POPIS VARCHAR(40),
  PRIMARY KEY (Kod)
);

-- natural forest sub-regions (none in this part of the country)
CREATE TABLE Cis_Podob (
  Kod VARCHAR(4),
  POPIS VARCHAR(40),
  PRIMARY KEY (Kod)
);

-- joined stands
CREATE TABLE SDR_POR (
  Kod VARCHAR(1),
  POPIS VARCHAR(28),
  PRIMARY KEY (Kod)
);

-- land kinds of the land register
CREATE TABLE DRUH_POZ (
  Kod SMALLINT,
  POPIS VARCHAR(30),
  PRIMARY KEY (Kod)
);

-- kinds of parcel records
CREATE TABLE POT_VLA (
  Kod SMALLINT,
  POPIS VARCHAR(30),
  PRIMARY KEY (Kod)
);

-- forest types
CREATE TABLE CIS_LT (
  Kod VARCHAR(3),
  POPIS VARCHAR(30),
  PRIMARY KEY (Kod)
);

-- groups of forest types (SLT)
CREATE TABLE Cis_SLT (
  Kod VARCHAR(2),
  POPIS VARCHAR(30),
  PRIMARY KEY (Kod)
);

-- terrain types
CREATE TABLE CIS_TETY (
  Kod SMALLINT,
  POPIS VARCHAR(30),
  PRIMARY KEY (Kod)
);

-- forest offices
CREATE TABLE CIS_LDU (
  Kod SMALLINT,
  POPIS VARCHAR(30),
  PRIMARY KEY (Kod)
);

-- quality of the area figure
CREATE TABLE KVAL_P (
  Kod SMALLINT,
  POPIS VARCHAR(40),
  PRIMARY KEY (Kod)
);

-- reasons of regeneration felling
CREATE TABLE DUV_TEZB (
  Kod SMALLINT,
  POPIS VARCHAR(40),
  PRIMARY KEY (Kod)
);

-- kinds of afforestation
CREATE TABLE DRUH_ZAL (
  Kod SMALLINT,
  POPIS VARCHAR(40),
  PRIMARY KEY (Kod)
);

-- tax groups
CREATE TABLE CIS_DAN (
  Kod VARCHAR(1),
  POPIS VARCHAR(40),
  PRIMARY KEY (Kod)
);

-- forest forms
CREATE TABLE TVAR (
  Kod VARCHAR(1),
  POPIS VARCHAR(15),
  PRIMARY KEY (Kod)
);

-- urgency of interventions
CREATE TABLE CIS_NALEKomb (
  Kod SMALLINT,
  POPIS VARCHAR(30),
  PRIMARY KEY (Kod)
);

-- urgency of interventions (name used by the code lists)
CREATE TABLE Cis_nale (
  Kod SMALLINT,
  POPIS VARCHAR(30),
  PRIMARY KEY (Kod)
);

-- genetic classes
CREATE TABLE GEN_KLAS (
  Kod VARCHAR(1),
  POPIS VARCHAR(40),
  PRIMARY KEY (Kod)
);

-- air-pollution damage zones
CREATE TABLE IMISE (
  Kod VARCHAR(2),
  POPIS VARCHAR(40),
  PRIMARY KEY (Kod)
);

-- air-pollution damage zones, 1999 list
CREATE TABLE IMISE99 (
  Kod VARCHAR(2),
  POPIS VARCHAR(40),
  PRIMARY KEY (Kod)
);

-- origin of species
CREATE TABLE PUVOD_DR (
  Kod SMALLINT,
  POPIS VARCHAR(40),
  PRIMARY KEY (Kod)
);

-- kinds of damage
CREATE TABLE CISPOSK1 (
  Kod SMALLINT,
  POPIS VARCHAR(30),
  PRIMARY KEY (Kod)
);

-- kinds of damage (name used by the code lists)
CREATE TABLE Cis_Posk (
  Kod SMALLINT,
  POPIS VARCHAR(30),
  PRIMARY KEY (Kod)
);

-- kinds of other plots
CREATE TABLE Cis_jine (
  Kod VARCHAR(3),
  POPIS VARCHAR(40),
  PRIMARY KEY (Kod)
);

-- kinds of non-forest land
CREATE TABLE CIS_BEZL (
  Kod VARCHAR(3),
  POPIS VARCHAR(40),
  PRIMARY KEY (Kod)
);

-- uses of other land
CREATE TABLE Cis_ost (
  Kod VARCHAR(2),
  POPIS VARCHAR(40),
  PRIMARY KEY (Kod)
);

-- methods of regeneration felling
CREATE TABLE ZP_TEZBY (
  Kod VARCHAR(3),
  POPIS VARCHAR(40),
  PRIMARY KEY (Kod)
);

-- timber transport
CREATE TABLE ODV_TEZ (
  Kod VARCHAR(1),
  POPIS VARCHAR(40),
  PRIMARY KEY (Kod)
);

-- habitat types
CREATE TABLE Biotop (
  Kod VARCHAR(10),
  POPIS VARCHAR(60),
  PRIMARY KEY (Kod)
);

-- PLT codes
CREATE TABLE CIS_PLT (
  Kod VARCHAR(5),
  POPIS VARCHAR(40),
  PRIMARY KEY (Kod)
);

-- genetic origin
CREATE TABLE CIS_Gen_PUV (
  Kod SMALLINT,
  POPIS VARCHAR(40),
  PRIMARY KEY (Kod)
);

-- forest vegetation zones
CREATE TABLE CIS_LVS (
  Kod SMALLINT,
  POPIS VARCHAR(30),
  PRIMARY KEY (Kod)
);

-- management types
CREATE TABLE CISManag (
  Kod VARCHAR(4),
  POPIS VARCHAR(40),
  PRIMARY KEY (Kod)
);

-- technology types
CREATE TABLE technTyp (
  Kod VARCHAR(2),
  POPIS VARCHAR(40),
  PRIMARY KEY (Kod)
);

-- European sites (EVL)
CREATE TABLE C_OCHR_EVL (
  Kod INTEGER,
  POPIS VARCHAR(60),
  PRIMARY KEY (Kod)
);

-- bird areas
CREATE TABLE C_OCHR_PO (
  Kod INTEGER,
  POPIS VARCHAR(60),
  PRIMARY KEY (Kod)
);

-- protected landscape areas
CREATE TABLE C_OCHR_CHKO (
  Kod INTEGER,
  POPIS VARCHAR(60),
  PRIMARY KEY (Kod)
);

-- national parks
CREATE TABLE C_OCHR_NP (
  Kod INTEGER,
  POPIS VARCHAR(60),
  PRIMARY KEY (Kod)
);

-- zones of protected landscape areas and national parks
CREATE TABLE C_OCHR_ZONY (
  Kod INTEGER,
  POPIS VARCHAR(30),
  PRIMARY KEY (Kod)
);

-- national nature monuments
CREATE TABLE C_OCHR_NPP (
  Kod INTEGER,
  POPIS VARCHAR(60),
  PRIMARY KEY (Kod)
);

-- national nature reserves
CREATE TABLE C_OCHR_NPR (
  Kod INTEGER,
  POPIS VARCHAR(60),
  PRIMARY KEY (Kod)
);

-- nature monuments
CREATE TABLE C_OCHR_PP (
  Kod INTEGER,
  POPIS VARCHAR(60),
  PRIMARY KEY (Kod)
);

-- nature reserves
CREATE TABLE C_OCHR_PR (
  Kod INTEGER,
  POPIS VARCHAR(60),
  PRIMARY KEY (Kod)
);

-- forest categories
CREATE TABLE KATEGORI (
  Kod VARCHAR(3),
  POPIS VARCHAR(45),
  KATEGOR VARCHAR(19),
  PRIMARY KEY (Kod)
);

-- tree species
CREATE TABLE CIS_DREV (
  CKOD VARCHAR(3),
  POPIS_CS VARCHAR(30),
  NKOD SMALLINT,
  POPIS_INT VARCHAR(30),
  CISLO_SLHP SMALLINT,
  POP_NEMEC VARCHAR(30),
  KOD_NEM VARCHAR(4),
  PRIMARY KEY (CKOD)
);

-- growth table: (species class, absolute site class, age, age + 5) gives the current increment,
-- (species class, site class, age, rotation) the main-felling and total production
CREATE TABLE RustTab (
  DREVINA VARCHAR(3),
  BONITA SMALLINT,
  VEK1 SMALLINT,
  VEK2 SMALLINT,
  BEZNPRIR DOUBLE,
  Z_HR_H DOUBLE,
  CELKPROD DOUBLE,
  PRIMARY KEY (DREVINA, BONITA, VEK1, VEK2)
);

-- municipalities with their ORP number
CREATE TABLE Obce (
  KODOB INTEGER,
  NAZOB VARCHAR(40),
  CISORP INTEGER,
  PRIMARY KEY (KODOB)
);

-- cadastral areas (six-digit codes) with their municipality
CREATE TABLE KU (
  KODKU6 INTEGER,
  NAZKU VARCHAR(40),
  KODOB INTEGER,
  PRIMARY KEY (KODKU6)
);

-- cadastral area names by six-digit code
CREATE TABLE KU6 (
  Kod INTEGER,
  POPIS VARCHAR(40),
  PRIMARY KEY (Kod)
);

-- nine-digit to six-digit cadastral codes
CREATE TABLE "9_6_WIN" (
  KODKU9 INTEGER,
  KODKU6 INTEGER,
  PRIMARY KEY (KODKU9)
);

-- municipalities with extended powers: code 200000 + ORP number, name, region
CREATE TABLE Orp (
  Kod INTEGER,
  POPIS VARCHAR(40),
  KN VARCHAR(5),
  PRIMARY KEY (Kod)
);

-- cadastral areas, 2001 edition
CREATE TABLE "2001ku3q852" (
  KODKU6 INTEGER,
  NAZKU VARCHAR(40),
  KODOB INTEGER,
  PRIMARY KEY (KODKU6)
);

-- cadastral areas of the whole country (excerpt)
CREATE TABLE KatasCel (
  Kod INTEGER,
  POPIS VARCHAR(40),
  PRIMARY KEY (Kod)
);

-- types of decisions
CREATE TABLE CisDokum (
  Typ_Dokum VARCHAR(4),
  Kod VARCHAR(4),
  Popis VARCHAR(60),
  PRIMARY KEY (Typ_Dokum, Kod)
);

-- unit code of the state administration -> unit code of LČR
CREATE TABLE LHC_LCR (
  LHC_KOD INTEGER,
  LHC_KOD_LCR INTEGER,
  LHC_NAZ VARCHAR(40),
  PRIMARY KEY (LHC_KOD)
);

-- unit code of LČR -> unit code of the state administration
CREATE TABLE LHC_SSL_LCR (
  LHC_KOD_LCR INTEGER,
  LHC_KOD INTEGER,
  LHC_NAZ VARCHAR(40),
  PRIMARY KEY (LHC_KOD_LCR)
);

-- the units of the old plan part files: name and plan years by the unit code as text (A is
-- empty for the unit's own row)
CREATE TABLE SEZLHC00 (
  LHC_KOD VARCHAR(6),
  A VARCHAR(1),
  LHC_NAZ VARCHAR(40),
  LHP_OD VARCHAR(10),
  LHP_DO VARCHAR(10),
  PRIMARY KEY (LHC_KOD, A)
);
