-- Management: methods, forms, proposals, afforestation, damages.

-- ZPUSOB: management methods (HOSP_ZP)
INSERT INTO ZPUSOB (Kod, POPIS) VALUES
  (1.0, 'holosečný'),
  (2.0, 'podrostní'),
  (3.0, 'násečný'),
  (4.0, 'výběrný'),
  (5.0, 'kombinovaný');

-- TVAR: forest forms
INSERT INTO TVAR (Kod, POPIS) VALUES
  ('V', 'les vysoký'),
  ('S', 'les střední'),
  ('N', 'les nízký');

-- CIS_ZJZ: methods of stock determination
INSERT INTO CIS_ZJZ (Kod, POPIS) VALUES
  (1, 'odhad podle růstových tabulek'),
  (2, 'relaskopické šetření'),
  (3, 'průměrkování celé plochy'),
  (4, 'zkusné plochy'),
  (5, 'převzato z LHE'),
  (6, 'statistická inventarizace');

-- CIS_NALEKomb: urgency of interventions
INSERT INTO CIS_NALEKomb (Kod, POPIS) VALUES
  (0, 'bez zásahu'),
  (1, 'naléhavý'),
  (2, 'odložitelný'),
  (3, 'odložitelný na další decennium'),
  (4, 'naléhavý, zanedbaná výchova'),
  (5, 'podle potřeby');

-- Cis_nale: the same rows as CIS_NALEKomb
INSERT INTO Cis_nale SELECT * FROM CIS_NALEKomb;

-- DUV_TEZB: reasons of regeneration felling
INSERT INTO DUV_TEZB (Kod, POPIS) VALUES
  (1, 'obnova porostu'),
  (2, 'rekonstrukce porostu'),
  (3, 'přestavba porostu'),
  (4, 'asanace po kalamitě'),
  (5, 'změna druhové skladby'),
  (6, 'zdravotní výběr'),
  (7, 'výběrná seč');

-- ZP_TEZBY: methods of regeneration felling
INSERT INTO ZP_TEZBY (Kod, POPIS) VALUES
  ('C', 'clonná seč'),
  ('N', 'násečná seč'),
  ('H', 'holá seč'),
  ('K', 'skupinová (kotlíková) seč'),
  ('O', 'okrajová seč'),
  ('V', 'výběrná seč');

-- ODV_TEZ: timber transport
INSERT INTO ODV_TEZ (Kod, POPIS) VALUES
  ('1', 'odvoz po odvozních cestách'),
  ('2', 'přibližování na větší vzdálenost'),
  ('3', 'odvoz omezen');

-- DRUH_ZAL: kinds of afforestation
INSERT INTO DRUH_ZAL (Kod, POPIS) VALUES
  (0, 'bez zalesnění'),
  (1, 'obnova na holině'),
  (2, 'podsadba pod porost'),
  (3, 'vylepšení (doplnění)'),
  (4, 'zalesnění nelesní půdy'),
  (5, 'přirozená obnova'),
  (6, 'podsíje'),
  (7, 'obnova síjí');

-- GEN_KLAS: genetic classes
INSERT INTO GEN_KLAS (Kod, POPIS) VALUES
  ('A', 'identifikovaný zdroj'),
  ('B', 'selektovaný zdroj'),
  ('C', 'kvalifikovaný zdroj'),
  ('D', 'testovaný zdroj');

-- CIS_Gen_PUV: genetic origin
INSERT INTO CIS_Gen_PUV (Kod, POPIS) VALUES
  (1, 'autochtonní'),
  (2, 'alochtonní'),
  (3, 'nezjištěno');

-- PUVOD_DR: origin of species
INSERT INTO PUVOD_DR (Kod, POPIS) VALUES
  (1, 'přirozená obnova'),
  (2, 'umělá obnova'),
  (3, 'výmladková obnova'),
  (4, 'kombinovaná obnova');

-- CISPOSK1: kinds of damage
INSERT INTO CISPOSK1 (Kod, POPIS) VALUES
  (1, 'ohryz zvěří'),
  (2, 'loupání zvěří'),
  (3, 'okus zvěří'),
  (4, 'vítr'),
  (5, 'sníh a námraza'),
  (6, 'sucho'),
  (7, 'podkorní hmyz'),
  (8, 'listožravý hmyz'),
  (9, 'hniloba'),
  (10, 'houbové choroby'),
  (11, 'imise'),
  (12, 'těžba a přibližování');

-- Cis_Posk: the same rows as CISPOSK1
INSERT INTO Cis_Posk SELECT * FROM CISPOSK1;

-- CISManag: management types
INSERT INTO CISManag (Kod, POPIS) VALUES
  ('A', 'bez zásahu'),
  ('B', 'řízený vývoj'),
  ('C', 'hospodářský režim');

-- technTyp: technology types
INSERT INTO technTyp (Kod, POPIS) VALUES
  ('1', 'motomanuální těžba, traktor'),
  ('2', 'harvestor a vyvážecí souprava'),
  ('3', 'lanovka'),
  ('4', 'přibližování koňmi');
