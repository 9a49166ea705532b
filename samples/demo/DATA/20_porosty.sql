-- Stands with their remarks, category overlays and special statuses.

-- stands 11A1 ... 13B2 (VAZBA = sub-compartment ID)
INSERT INTO POROST (ID, VAZBA, POR, KATEGORIE, PAS_OHR, LES_OBL, LES_PODOBL, KAT_SPEC, Cil_HS, ZVL_STATUS, MAJ_KOD, MAJ_DRUH, Ktg_str, ORG_UROVEN1, ORG_UROVEN2, ORG_UROVEN3, SDR_POR, DRUH_POZ, OLH) VALUES
  (1, 1, '1', 100, 'D', '16', NULL, 0, 73, NULL, 1, 1, '10', 128, 1, NULL, NULL, 10, '1'),
  (2, 1, '2', 100, 'D', '16', NULL, 0, 73, NULL, 1, 1, '10', 128, 1, NULL, NULL, 10, '1'),
  (3, 2, '1', 100, 'D', '16', NULL, 0, 75, '17', 1, 1, '10', 128, 1, NULL, NULL, 10, '1'),
  (4, 2, '2', 211, 'D', '16', NULL, 0, 1, NULL, 1, 1, '21a', 128, 1, NULL, NULL, 10, '1'),
  (5, 3, '1', 100, 'D', '16', NULL, 0, 55, '18', 1, 1, '10', 128, 2, NULL, NULL, 10, '1'),
  (6, 3, '2', 100, 'D', '16', NULL, 0, 55, NULL, 1, 1, '10', 128, 2, NULL, NULL, 10, '1'),
  (7, 4, '1', 100, 'D', '16', NULL, 0, 57, NULL, 1, 1, '10', 128, 2, NULL, NULL, 10, '1'),
  (8, 5, '1', 325, 'D', '16', NULL, 0, 55, '18', 1, 1, '32e', 128, 2, NULL, NULL, 10, '1'),
  (9, 6, '1', 100, 'D', '16', NULL, 0, 73, NULL, 1, 1, '10', 128, 3, NULL, NULL, 10, '1'),
  (10, 6, '2', 100, 'D', '16', NULL, 0, 55, NULL, 1, 1, '10', 128, 3, NULL, NULL, 10, '1'),
  (11, 7, '1', 100, 'D', '16', NULL, 0, 75, NULL, 104, 2, '10', 128, 3, NULL, NULL, 10, '2'),
  (12, 7, '2', 321, 'D', '16', NULL, 0, 55, '26', 104, 2, '32a', 128, 3, NULL, NULL, 10, '2');

-- stand 11A1: remark lines
INSERT INTO POR_POZN (VAZBA, ID, POZNAMKA) VALUES
  (1, 1, 'Porost u hájovny ''U Tří studní'', přístup po zpevněné cestě od Sněžného.');

-- stand 11B2: remark lines
INSERT INTO POR_POZN (VAZBA, ID, POZNAMKA) VALUES
  (4, 2, 'Skeletovité svahy pod Dráteničkami, ochranný les.'),
  (4, 3, 'Hospodařit jen výběrem jednotlivých stromů.');

-- stand 12A1: remark lines
INSERT INTO POR_POZN (VAZBA, ID, POZNAMKA) VALUES
  (5, 4, 'Ochranné pásmo vodního zdroje II. stupně (prameniště Krátká).');

-- stand 12C1: remark lines
INSERT INTO POR_POZN (VAZBA, ID, POZNAMKA) VALUES
  (8, 5, 'PHO II. stupně, zákaz použití chemických přípravků.'),
  (8, 6, 'Zachovat vtroušené jedle a kleny.');

-- stand 13B2: remark lines
INSERT INTO POR_POZN (VAZBA, ID, POZNAMKA) VALUES
  (12, 7, 'Přírodní rezervace - hospodaření podle plánu péče AOPK.');

-- stand 11A1: categories, main one first
INSERT INTO PREKRYV (VAZBA, ID, Ktg_str) VALUES
  (1, 1, '10');

-- stand 11A2: categories, main one first
INSERT INTO PREKRYV (VAZBA, ID, Ktg_str) VALUES
  (2, 2, '10');

-- stand 11B1: categories, main one first
INSERT INTO PREKRYV (VAZBA, ID, Ktg_str) VALUES
  (3, 3, '10');

-- stand 11B2: categories, main one first
INSERT INTO PREKRYV (VAZBA, ID, Ktg_str) VALUES
  (4, 4, '21a');

-- stand 12A1: categories, main one first
INSERT INTO PREKRYV (VAZBA, ID, Ktg_str) VALUES
  (5, 5, '10');

-- stand 12A2: categories, main one first
INSERT INTO PREKRYV (VAZBA, ID, Ktg_str) VALUES
  (6, 6, '10');

-- stand 12B1: categories, main one first
INSERT INTO PREKRYV (VAZBA, ID, Ktg_str) VALUES
  (7, 7, '10');

-- stand 12C1: categories, main one first
INSERT INTO PREKRYV (VAZBA, ID, Ktg_str) VALUES
  (8, 8, '32e'),
  (8, 9, '10');

-- stand 13A1: categories, main one first
INSERT INTO PREKRYV (VAZBA, ID, Ktg_str) VALUES
  (9, 10, '10');

-- stand 13A2: categories, main one first
INSERT INTO PREKRYV (VAZBA, ID, Ktg_str) VALUES
  (10, 11, '10');

-- stand 13B1: categories, main one first
INSERT INTO PREKRYV (VAZBA, ID, Ktg_str) VALUES
  (11, 12, '10');

-- stand 13B2: categories, main one first
INSERT INTO PREKRYV (VAZBA, ID, Ktg_str) VALUES
  (12, 13, '32a');

-- stand 11B1: special statuses
INSERT INTO ZvlSt (VAZBA, ID, ZVL_STATUT, ZVL_STATUT_BR, IZVL_STAT) VALUES
  (3, 1, '17', NULL, 17);

-- stand 12A1: special statuses
INSERT INTO ZvlSt (VAZBA, ID, ZVL_STATUT, ZVL_STATUT_BR, IZVL_STAT) VALUES
  (5, 2, '18', NULL, 18);

-- stand 12C1: special statuses
INSERT INTO ZvlSt (VAZBA, ID, ZVL_STATUT, ZVL_STATUT_BR, IZVL_STAT) VALUES
  (8, 3, '18', NULL, 18),
  (8, 4, '26', NULL, 26);

-- stand 13B2: special statuses
INSERT INTO ZvlSt (VAZBA, ID, ZVL_STATUT, ZVL_STATUT_BR, IZVL_STAT) VALUES
  (12, 5, '26', NULL, 26);
