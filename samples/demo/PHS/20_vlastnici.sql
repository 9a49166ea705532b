-- Owners, forest managers and organisation levels.

-- owners of the stands
INSERT INTO MAJETKY (MAJ_KOD, MAJ_DRUH, OLH, MAJ_NAZ) VALUES
  (1.0, 1.0, 1.0, 'Česká republika - Lesy České republiky, s.p.'),
  (104.0, 2.0, 2.0, 'Obec Samotín');

-- forest managers
INSERT INTO OLH (KOD, POPIS, ICO_RC, OKR_URAD, CIS_LIC, OLH_LIC) VALUES
  ('1', 'Lesy ČR, s.p., LS Nové Město na Moravě', '42196451', 'ZR', 'OLH/0128/20', 'OLH/0128/20'),
  ('2', 'Ing. Tomáš Kratochvíl', '74125896', 'ZR', 'OLH/1189/17', 'OLH/1189/17');

-- administration
INSERT INTO ORGUR1 (KOD, POPIS) VALUES
  (128, 'LS Nové Město na Moravě');

-- districts
INSERT INTO ORGUR2 (KOD, POPIS) VALUES
  (1, 'revír Sněžné'),
  (2, 'revír Krátká'),
  (3, 'revír Samotín');

-- sections
INSERT INTO ORGUR3 (KOD, POPIS) VALUES
  (1, 'úsek Tři Studně'),
  (2, 'úsek Křižánky');
