-- Categories, statuses and protected areas per stand.

-- unit default first, then the stands with their own categories
INSERT INTO KATEGPOR (ODD, DIL, POR, ID, Kategorie, Org_Uroven2, Poznamka) VALUES
  ('0', NULL, NULL, 1, '10', NULL, 'výchozí kategorie celku'),
  ('11', 'B', '1', 2, '10', '17', NULL),
  ('11', 'B', '2', 3, '21a', NULL, 'ochranný les na skeletu'),
  ('12', 'A', '1', 4, '10', '18', NULL),
  ('12', 'C', '1', 5, '32e', '18/26', 'les s vodoochrannou funkcí'),
  ('12', 'C', '1', 6, '10', NULL, NULL),
  ('13', 'B', '2', 7, '32a', '26', 'les v přírodní rezervaci');

-- special statuses per stand
INSERT INTO ZvlStPOR (ODD, DIL, POR, ID, ZVL_STATUT) VALUES
  ('11', 'B', '1', 1, '17'),
  ('12', 'A', '1', 2, '18'),
  ('12', 'C', '1', 3, '18'),
  ('12', 'C', '1', 4, '26'),
  ('13', 'B', '2', 5, '26');

-- categories per stand
INSERT INTO PorKtg (ODDELENI, DILEC, POROST, ID, KTG, TEXT) VALUES
  (11, 'A', '1', 1, '10', NULL),
  (11, 'A', '2', 2, '10', NULL),
  (11, 'B', '1', 3, '10', NULL),
  (11, 'B', '2', 4, '21a', NULL),
  (12, 'A', '1', 5, '10', NULL),
  (12, 'A', '2', 6, '10', NULL),
  (12, 'B', '1', 7, '10', NULL),
  (12, 'C', '1', 8, '32e', NULL),
  (12, 'C', '1', 9, '10', NULL),
  (13, 'A', '1', 10, '10', NULL),
  (13, 'A', '2', 11, '10', NULL),
  (13, 'B', '1', 12, '10', NULL),
  (13, 'B', '2', 13, '32a', NULL);

-- special statuses per stand
INSERT INTO PorZvl (ODDELENI, DILEC, POROST, ID, ZVL_KOD, TEXT) VALUES
  (11, 'B', '1', 1, 17.0, NULL),
  (12, 'A', '1', 2, 18.0, NULL),
  (12, 'C', '1', 3, 18.0, NULL),
  (12, 'C', '1', 4, 26.0, NULL),
  (13, 'B', '2', 5, 26.0, NULL);

-- stand groups in the European site
INSERT INTO PorEVL (ODDELENI, DILEC, POROST, PSKBzlJP, ID, EVL_KOD, NAZEV, TEXT) VALUES
  (11, 'B', '1', '9', 1, 614134.0, 'Žďárské vrchy', NULL),
  (11, 'B', '1', '10', 2, 614134.0, 'Žďárské vrchy', NULL),
  (11, 'B', '1', '5', 3, 614134.0, 'Žďárské vrchy', NULL),
  (11, 'B', '2', '11', 4, 614134.0, 'Žďárské vrchy', NULL),
  (11, 'B', '2', '7', 5, 614134.0, 'Žďárské vrchy', NULL),
  (13, 'B', '2', '11', 6, 614134.0, 'Žďárské vrchy', NULL),
  (13, 'B', '2', '9', 7, 614134.0, 'Žďárské vrchy', NULL);

-- stand groups in the bird area
INSERT INTO PorPO (ODDELENI, DILEC, POROST, PSKBzlJP, ID, PO_KOD, NAZEV, TEXT) VALUES
  (11, 'A', '1', '8', 1, 611010.0, 'Žďárské vrchy', NULL),
  (11, 'A', '1', '1', 2, 611010.0, 'Žďárské vrchy', NULL),
  (11, 'A', '1', '12', 3, 611010.0, 'Žďárské vrchy', NULL),
  (11, 'A', '2', '6', 4, 611010.0, 'Žďárské vrchy', NULL),
  (11, 'A', '2', '3', 5, 611010.0, 'Žďárské vrchy', NULL),
  (11, 'B', '1', '9', 6, 611010.0, 'Žďárské vrchy', NULL),
  (11, 'B', '1', '10', 7, 611010.0, 'Žďárské vrchy', NULL),
  (11, 'B', '1', '5', 8, 611010.0, 'Žďárské vrchy', NULL),
  (11, 'B', '2', '11', 9, 611010.0, 'Žďárské vrchy', NULL),
  (11, 'B', '2', '7', 10, 611010.0, 'Žďárské vrchy', NULL);

-- stand groups in the nature reserve
INSERT INTO PorPR (ODDELENI, DILEC, POROST, PSKBzlJP, ID, PR_KOD, NAZEV, TEXT) VALUES
  (13, 'B', '2', '11', 1, 1503.0, 'Pod Kamenným vrchem', NULL),
  (13, 'B', '2', '9', 2, 1503.0, 'Pod Kamenným vrchem', NULL);

-- every stand group lies in the protected landscape area
INSERT INTO PorCHKO (ODDELENI, DILEC, POROST, PSKBzlJP, ID, CHKO_KOD, CHKO_Z_KOD, NAZEV, TEXT) VALUES
  (11, 'A', '1', '8', 1, 23.0, 2, 'Žďárské vrchy', NULL),
  (11, 'A', '1', '1', 2, 23.0, 2, 'Žďárské vrchy', NULL),
  (11, 'A', '1', '12', 3, 23.0, 2, 'Žďárské vrchy', NULL),
  (11, 'A', '2', '6', 4, 23.0, 2, 'Žďárské vrchy', NULL),
  (11, 'A', '2', '3', 5, 23.0, 2, 'Žďárské vrchy', NULL),
  (11, 'B', '1', '9', 6, 23.0, 2, 'Žďárské vrchy', NULL),
  (11, 'B', '1', '10', 7, 23.0, 2, 'Žďárské vrchy', NULL),
  (11, 'B', '1', '5', 8, 23.0, 2, 'Žďárské vrchy', NULL),
  (11, 'B', '2', '11', 9, 23.0, 2, 'Žďárské vrchy', NULL),
  (11, 'B', '2', '7', 10, 23.0, 2, 'Žďárské vrchy', NULL),
  (12, 'A', '1', '9', 11, 23.0, 3, 'Žďárské vrchy', NULL),
  (12, 'A', '1', '2', 12, 23.0, 3, 'Žďárské vrchy', NULL),
  (12, 'A', '1', '4', 13, 23.0, 3, 'Žďárské vrchy', NULL),
  (12, 'A', '2', '11', 14, 23.0, 3, 'Žďárské vrchy', NULL),
  (12, 'A', '2', '7', 15, 23.0, 3, 'Žďárské vrchy', NULL),
  (12, 'B', '1', '8', 16, 23.0, 3, 'Žďárské vrchy', NULL),
  (12, 'B', '1', '1', 17, 23.0, 3, 'Žďárské vrchy', NULL),
  (12, 'B', '1', '5', 18, 23.0, 3, 'Žďárské vrchy', NULL),
  (12, 'C', '1', '10', 19, 23.0, 3, 'Žďárské vrchy', NULL),
  (12, 'C', '1', '6', 20, 23.0, 3, 'Žďárské vrchy', NULL),
  (13, 'A', '1', '9', 21, 23.0, 3, 'Žďárské vrchy', NULL),
  (13, 'A', '1', '6a', 22, 23.0, 3, 'Žďárské vrchy', NULL),
  (13, 'A', '1', '6b', 23, 23.0, 3, 'Žďárské vrchy', NULL),
  (13, 'A', '2', '13', 24, 23.0, 3, 'Žďárské vrchy', NULL),
  (13, 'A', '2', '7', 25, 23.0, 3, 'Žďárské vrchy', NULL),
  (13, 'B', '1', '8', 26, 23.0, 3, 'Žďárské vrchy', NULL),
  (13, 'B', '1', '1', 27, 23.0, 3, 'Žďárské vrchy', NULL),
  (13, 'B', '1', '4', 28, 23.0, 3, 'Žďárské vrchy', NULL),
  (13, 'B', '2', '11', 29, 23.0, 3, 'Žďárské vrchy', NULL),
  (13, 'B', '2', '9', 30, 23.0, 3, 'Žďárské vrchy', NULL);
