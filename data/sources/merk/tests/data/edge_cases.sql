-- Rows of a small unit that exercise the readers' key rules and messages.
-- Compartment 1 holds the cases, compartment 2 has no sub-compartments, compartment 3 one stand.
INSERT INTO LHC (ID, LHC_KOD, LHC_NAZ, Puv_Dat, LHC_PN_PRO) VALUES (1, 999001, 'Zkušební', '0', 1);

INSERT INTO ODDELENI (ID, VAZBA, ODD) VALUES (1, 1, 1), (2, 1, 2), (3, 1, 3);
INSERT INTO DILEC (ID, VAZBA, DIL) VALUES (1, 1, 'A'), (2, 3, 'B');

-- stand 1A1, a repeated stand 1A1 (its group must not be read) and stand 1A2
INSERT INTO POROST (ID, VAZBA, POR, ZVL_STATUS, ORG_UROVEN1, ORG_UROVEN2, ORG_UROVEN3) VALUES
  (1, 1, '1', '17', 0, 5, 0),
  (2, 1, '1', NULL, 0, 0, 0),
  (3, 1, '2', '26', 128, 0, 3),
  (4, 2, '1', NULL, 0, 0, 0);

INSERT INTO PREKRYV (VAZBA, ID, Ktg_str) VALUES (1, 1, '10'), (1, 2, '10');

-- 1A1: its row's status 17 read again, 18 twice; 1A2: its row's 26 missing among 18 and 17
INSERT INTO ZvlSt (VAZBA, ID, ZVL_STATUT) VALUES
  (1, 1, '17'), (1, 2, '18'), (1, 3, '18'),
  (3, 4, '18'), (3, 5, '17');

-- three plots numbered 3 and one numbered 0
INSERT INTO BEZLESI (ID, VAZBA, BZL, KU_KOD, LES_URAD, BZL_P0, BZL_P, BZL_V) VALUES
  (1, 1, 3, 660957, 206108, 0.1, 0.1, 0.1),
  (2, 1, 3, 660957, 206108, 0.2, 0.2, 0.2),
  (3, 1, 3, 660957, 206108, 0.3, 0.3, 0.3),
  (4, 1, 0, 660957, 206108, 0.4, 0.4, 0.4);

-- forest offices: replaced (1), an ORP code kept (2), a short cadastral code kept (3); a repeated
-- group 1; the group of the repeated stand
INSERT INTO PS (ID, VAZBA, PSK, KU_KOD, LES_URAD, PSK_P, PSK_P0, PSK_V, TER_TYP) VALUES
  (1, 1, '1', 660957, 123456, 1.0, 1.0000004, 1.0, 0),
  (2, 1, '2', 660957, 206001, 2.0, 2.0000005, 2.0, 3),
  (3, 1, '3', 66095, 123456, 3.0, 3.0000015, 3.0, NULL),
  (4, 1, '1', 660957, 123456, 4.0, 4.0, 4.0, NULL),
  (5, 2, '9', 660957, 123456, 5.0, 5.0, 5.0, NULL);

-- survey years 7, 95 and 1998; a repeated layer 1 in group 1
INSERT INTO ETAZ (ID, VAZBA, ETAZ, VEK, Rok_zjisteni_zasoby, MZD) VALUES
  (1, 1, '1', 80, 7, 20),
  (2, 1, '1', 60, 7, 20),
  (3, 2, '1', 90, 95, NULL),
  (4, 3, '1', 100, 1998, NULL);

-- layer 1: spruce four times (full dead-wood share first and third); layer 3: volumes stored
-- under bark
INSERT INTO DREVINA (ID, VAZBA, DR_ZKR, ZAST, PROC_SOUS, DR_ZAS_CELK, DR_ZAS_HA, STAV_ZPRAC) VALUES
  (1, 1, 'SM', 40, 100, 10.0, 10, 0),
  (2, 1, 'SM', 30, 0, 20.0, 20, 0),
  (3, 1, 'SM', 20, 100, 30.0, 30, 0),
  (4, 1, 'SM', 10, 0, 40.0, 40, 0),
  (5, 3, 'SM', 60, 0, 91.0, 91, 7),
  (6, 3, 'BK', 40, 0, 87.0, 87, 0);

INSERT INTO POSKOZ (Vazba, Druh_poskozeni, Stupen_poskozeni) VALUES
  (2, 5, 2), (2, 5, 3), (2, 0, 0), (3, 0, 4);

-- layer 1: thinning with one share row per spruce row, afforestation with a repeated species;
-- layer 3: felling without spruce, thinning of spruce under bark
INSERT INTO NAVRH (ID, Vazba, N_Druh_vykonu, N_Zkratka_dreviny, N_Nalehavost, N_Plocha, N_Objem, N_ObjemHa, N_Procento, Pocet_Zasahu, Duvod, ZpZadTV, STAV_ZPRAC) VALUES
  (1, 1, 11, NULL, 1, 1.0, NULL, NULL, NULL, 2, NULL, NULL, NULL),
  (2, 1, 11, 'SM', NULL, 0.0, 11.0, 1.0, 10.0, NULL, NULL, NULL, 0),
  (3, 1, 11, 'SM', NULL, 0.5, 22.0, 2.0, 20.0, NULL, NULL, NULL, 0),
  (4, 1, 11, 'SM', NULL, 0.0, 33.0, 3.0, 30.0, NULL, NULL, NULL, 0),
  (5, 1, 1, 'BK', NULL, 0.5, NULL, NULL, 60.0, NULL, NULL, 'x', NULL),
  (6, 1, 1, 'BK', NULL, 0.2, NULL, NULL, 40.0, NULL, NULL, NULL, NULL),
  (7, 3, 10, NULL, 2, 0.8, NULL, NULL, NULL, 1, 4, NULL, NULL),
  (8, 3, 10, 'BK', NULL, 0.5, 40.0, 20.0, 50.0, NULL, NULL, 'N', 6),
  (9, 3, 11, 'SM', NULL, 0.0, 91.0, 91.0, 15.0, NULL, NULL, NULL, 5);
