-- Land, ownership and plots.

-- DRUH_VLA: kinds of ownership
INSERT INTO DRUH_VLA (KOD, POPIS) VALUES
  (1, 'státní - Lesy České republiky'),
  (2, 'obecní'),
  (3, 'fyzických osob'),
  (4, 'právnických osob'),
  (5, 'církevní'),
  (6, 'krajské'),
  (7, 'státní - ostatní'),
  (8, 'lesní družstva a společenstva');

-- DRUH_POZ: land kinds of the land register
INSERT INTO DRUH_POZ (Kod, POPIS) VALUES
  (2, 'orná půda'),
  (3, 'chmelnice'),
  (4, 'vinice'),
  (5, 'zahrada'),
  (6, 'ovocný sad'),
  (7, 'trvalý travní porost'),
  (10, 'lesní pozemek'),
  (11, 'vodní plocha'),
  (13, 'zastavěná plocha a nádvoří'),
  (14, 'ostatní plocha');

-- POT_VLA: kinds of parcel records
INSERT INTO POT_VLA (Kod, POPIS) VALUES
  (1, 'parcela katastru nemovitostí'),
  (2, 'parcela zjednodušené evidence'),
  (3, 'parcela neurčena');

-- KVAL_P: quality of the area figure
INSERT INTO KVAL_P (Kod, POPIS) VALUES
  (1, 'výměra převzata z katastru nemovitostí'),
  (2, 'plocha z digitální mapy'),
  (3, 'plocha zaměřená v terénu'),
  (4, 'plocha odhadnutá');

-- CIS_DAN: tax groups
INSERT INTO CIS_DAN (Kod, POPIS) VALUES
  ('1', 'daňová skupina 1'),
  ('2', 'daňová skupina 2'),
  ('3', 'daňová skupina 3');

-- SDR_POR: joined stands
INSERT INTO SDR_POR (Kod, POPIS) VALUES
  ('A', 'porost sdružený s jiným'),
  ('N', 'porost nesdružený');

-- CIS_BEZL: kinds of non-forest land
INSERT INTO CIS_BEZL (Kod, POPIS) VALUES
  ('C', 'lesní cesta'),
  ('L', 'linka'),
  ('P', 'průsek'),
  ('S', 'skládka'),
  ('ZP', 'zvěřní políčko'),
  ('LO', 'lesní louka'),
  ('VP', 'vodní plocha'),
  ('RA', 'rašeliniště');

-- Cis_jine: kinds of other plots
INSERT INTO Cis_jine (Kod, POPIS) VALUES
  ('SK', 'lesní školka'),
  ('PL', 'plantáž vánočních stromků'),
  ('PZ', 'pastvina pro zvěř'),
  ('OB', 'obora'),
  ('SE', 'semenný sad');

-- Cis_ost: uses of other land
INSERT INTO Cis_ost (Kod, POPIS) VALUES
  ('VP', 'vodní plocha'),
  ('ZA', 'zastavěná plocha'),
  ('ZP', 'zemědělská půda'),
  ('OS', 'ostatní plocha');
