-- Stand layers (VAZBA = stand group ID).

-- stand 11A1: layers
INSERT INTO ETAZ (ID, VAZBA, ETAZ, HS, ETAZ_PP, ETAZ_PS, OBMYTI, OBN_DOBA, POC_OBNOVY, VEK, ZAKM, Metoda_zjisteni_zasoby, Rok_zjisteni_zasoby, HOSP_ZP, MZD, HOSP_TV, TO_ZPUSOB, PROC_HS) VALUES
  (1, 1, '8', 73, 4.12, 100.0, 110, 30, 95, 78, 9, 1, 2021, 2, 20, 'V', NULL, 0),
  (2, 2, '1', 73, 1.35, 100.0, 110, 30, 95, 8, 10, 1, 2021, 2, 30, 'V', NULL, 0),
  (3, 3, '12', 75, 2.21, 85.0, 110, 30, 95, 115, 7, 2, 2021, 2, 10, 'V', 'C', 88),
  (4, 3, '2', 75, 0.39, 15.0, 110, 30, 95, 15, 8, 1, 2021, 2, 100, 'V', NULL, 0);

-- stand 11A2: layers
INSERT INTO ETAZ (ID, VAZBA, ETAZ, HS, ETAZ_PP, ETAZ_PS, OBMYTI, OBN_DOBA, POC_OBNOVY, VEK, ZAKM, Metoda_zjisteni_zasoby, Rok_zjisteni_zasoby, HOSP_ZP, MZD, HOSP_TV, TO_ZPUSOB, PROC_HS) VALUES
  (5, 4, '6', 73, 3.05, 100.0, 110, 30, 95, 55, 9, 1, 2021, 2, 0, 'V', NULL, 0),
  (6, 5, '3', 75, 1.88, 100.0, 110, 30, 95, 27, 10, 1, 2021, 2, 40, 'V', NULL, 0);

-- stand 11B1: layers
INSERT INTO ETAZ (ID, VAZBA, ETAZ, HS, ETAZ_PP, ETAZ_PS, OBMYTI, OBN_DOBA, POC_OBNOVY, VEK, ZAKM, Metoda_zjisteni_zasoby, Rok_zjisteni_zasoby, HOSP_ZP, MZD, HOSP_TV, TO_ZPUSOB, PROC_HS) VALUES
  (7, 6, '9', 75, 5.4, 100.0, 110, 30, 95, 88, 8, 2, 2021, 2, 25, 'V', NULL, 4),
  (8, 7, '10', 77, 2.25, 100.0, 110, 30, 95, 96, 8, 2, 2021, 2, 35, 'V', 'N', 30),
  (9, 8, '5', 73, 1.6, 100.0, 110, 30, 95, 44, 9, 1, 2021, 2, 0, 'V', NULL, 0);

-- stand 11B2: layers
INSERT INTO ETAZ (ID, VAZBA, ETAZ, HS, ETAZ_PP, ETAZ_PS, OBMYTI, OBN_DOBA, POC_OBNOVY, VEK, ZAKM, Metoda_zjisteni_zasoby, Rok_zjisteni_zasoby, HOSP_ZP, MZD, HOSP_TV, TO_ZPUSOB, PROC_HS) VALUES
  (10, 9, '11', 1, 1.95, 100.0, 150, 40, 130, 105, 6, 2, 2021, 2, 50, 'V', NULL, 0),
  (11, 10, '7', 1, 0.85, 100.0, 150, 40, 130, 65, 7, 1, 2021, 2, 30, 'V', NULL, 0);

-- stand 12A1: layers
INSERT INTO ETAZ (ID, VAZBA, ETAZ, HS, ETAZ_PP, ETAZ_PS, OBMYTI, OBN_DOBA, POC_OBNOVY, VEK, ZAKM, Metoda_zjisteni_zasoby, Rok_zjisteni_zasoby, HOSP_ZP, MZD, HOSP_TV, TO_ZPUSOB, PROC_HS) VALUES
  (12, 11, '9', 55, 2.96, 80.0, 110, 30, 95, 85, 9, 2, 2021, 2, 35, 'V', NULL, 4),
  (13, 11, '3', 55, 0.74, 20.0, 110, 30, 95, 25, 7, 1, 2021, 2, 100, 'V', NULL, 0),
  (14, 12, '2', 55, 1.1, 100.0, 110, 30, 95, 14, 10, 1, 2021, 2, 50, 'V', NULL, 0),
  (15, 13, '4', 53, 2.05, 100.0, 110, 30, 95, 36, 9, 1, 2021, 2, 0, 'V', NULL, 0);

-- stand 12A2: layers
INSERT INTO ETAZ (ID, VAZBA, ETAZ, HS, ETAZ_PP, ETAZ_PS, OBMYTI, OBN_DOBA, POC_OBNOVY, VEK, ZAKM, Metoda_zjisteni_zasoby, Rok_zjisteni_zasoby, HOSP_ZP, MZD, HOSP_TV, TO_ZPUSOB, PROC_HS) VALUES
  (16, 14, '11', 55, 4.45, 100.0, 110, 30, 95, 104, 8, 2, 2021, 2, 30, 'V', 'C', 50),
  (17, 15, '7', 53, 2.3, 100.0, 110, 30, 95, 62, 9, 1, 2021, 2, 0, 'V', NULL, 0);

-- stand 12B1: layers
INSERT INTO ETAZ (ID, VAZBA, ETAZ, HS, ETAZ_PP, ETAZ_PS, OBMYTI, OBN_DOBA, POC_OBNOVY, VEK, ZAKM, Metoda_zjisteni_zasoby, Rok_zjisteni_zasoby, HOSP_ZP, MZD, HOSP_TV, TO_ZPUSOB, PROC_HS) VALUES
  (18, 16, '8', 57, 3.15, 100.0, 110, 30, 95, 74, 9, 1, 2021, 2, 30, 'V', NULL, 0),
  (19, 17, '1', 57, 0.95, 100.0, 110, 30, 95, 6, 10, 1, 2021, 2, 50, 'V', NULL, 0),
  (20, 18, '5', 59, 1.4, 100.0, 100, 30, 85, 47, 8, 1, 2021, 2, 25, 'V', NULL, 0);

-- stand 12C1: layers
INSERT INTO ETAZ (ID, VAZBA, ETAZ, HS, ETAZ_PP, ETAZ_PS, OBMYTI, OBN_DOBA, POC_OBNOVY, VEK, ZAKM, Metoda_zjisteni_zasoby, Rok_zjisteni_zasoby, HOSP_ZP, MZD, HOSP_TV, TO_ZPUSOB, PROC_HS) VALUES
  (21, 19, '10', 55, 2.66, 70.0, 110, 30, 95, 97, 8, 2, 2021, 2, 45, 'V', 'C', 30),
  (22, 19, '4', 55, 1.14, 30.0, 110, 30, 95, 35, 6, 1, 2021, 2, 100, 'V', NULL, 0),
  (23, 20, '6', 55, 1.75, 100.0, 110, 30, 95, 58, 9, 1, 2021, 2, 60, 'V', NULL, 0);

-- stand 13A1: layers
INSERT INTO ETAZ (ID, VAZBA, ETAZ, HS, ETAZ_PP, ETAZ_PS, OBMYTI, OBN_DOBA, POC_OBNOVY, VEK, ZAKM, Metoda_zjisteni_zasoby, Rok_zjisteni_zasoby, HOSP_ZP, MZD, HOSP_TV, TO_ZPUSOB, PROC_HS) VALUES
  (24, 21, '9', 73, 4.9, 100.0, 110, 30, 95, 86, 8, 2, 2021, 2, 10, 'V', NULL, 4),
  (25, 22, '6', 73, 0.9, 100.0, 110, 30, 95, 52, 9, 1, 2021, 2, 0, 'V', NULL, 0),
  (26, 23, '6', 73, 1.25, 100.0, 110, 30, 95, 57, 9, 1, 2021, 2, 30, 'V', NULL, 0);

-- stand 13A2: layers
INSERT INTO ETAZ (ID, VAZBA, ETAZ, HS, ETAZ_PP, ETAZ_PS, OBMYTI, OBN_DOBA, POC_OBNOVY, VEK, ZAKM, Metoda_zjisteni_zasoby, Rok_zjisteni_zasoby, HOSP_ZP, MZD, HOSP_TV, TO_ZPUSOB, PROC_HS) VALUES
  (27, 24, '13', 55, 2.01, 60.0, 110, 30, 95, 123, 6, 2, 2021, 2, 40, 'V', 'C', 100),
  (28, 24, '3', 55, 1.34, 40.0, 110, 30, 95, 22, 8, 1, 2021, 2, 90, 'V', NULL, 0),
  (29, 25, '7', 53, 2.1, 100.0, 110, 30, 95, 68, 9, 1, 2021, 2, 0, 'V', NULL, 0);

-- stand 13B1: layers
INSERT INTO ETAZ (ID, VAZBA, ETAZ, HS, ETAZ_PP, ETAZ_PS, OBMYTI, OBN_DOBA, POC_OBNOVY, VEK, ZAKM, Metoda_zjisteni_zasoby, Rok_zjisteni_zasoby, HOSP_ZP, MZD, HOSP_TV, TO_ZPUSOB, PROC_HS) VALUES
  (30, 26, '8', 75, 2.8, 100.0, 110, 30, 95, 76, 8, 1, 2021, 2, 30, 'V', NULL, 0),
  (31, 27, '1', 75, 0.7, 100.0, 110, 30, 95, 4, 10, 1, 2021, 2, 40, 'V', NULL, 0),
  (32, 28, '4', 77, 1.45, 100.0, 110, 30, 95, 38, 9, 1, 2021, 2, 15, 'V', NULL, 0);

-- stand 13B2: layers
INSERT INTO ETAZ (ID, VAZBA, ETAZ, HS, ETAZ_PP, ETAZ_PS, OBMYTI, OBN_DOBA, POC_OBNOVY, VEK, ZAKM, Metoda_zjisteni_zasoby, Rok_zjisteni_zasoby, HOSP_ZP, MZD, HOSP_TV, TO_ZPUSOB, PROC_HS) VALUES
  (33, 29, '11', 55, 1.86, 70.0, 110, 30, 95, 110, 7, 2, 2021, 2, 90, 'V', NULL, 50),
  (34, 29, '5', 55, 0.53, 20.0, 110, 30, 95, 45, 7, 1, 2021, 2, 100, 'V', NULL, 0),
  (35, 29, '1', 55, 0.26, 10.0, 110, 30, 95, 8, 8, 1, 2021, 2, 100, 'V', NULL, 0),
  (36, 30, '9', 55, 1.3, 100.0, 110, 30, 95, 90, 8, 2, 2021, 2, 90, 'V', NULL, 4);
