-- Rows of a unit in the older table set: compartment 5 with a repeated sub-compartment, a
-- repeated stand, overlay, species and layer, and other plots hanging on the compartment.
INSERT INTO LHC (ID, LHC_KOD, LHC_NAZ, LHP_OD, LHP_DO, Puv_Dat, ETAT_TO, ETAT_TV) VALUES
  (1, 777, 'Starý celek', '1995', '2004', NULL, 1200, 'neznámý');

INSERT INTO ODDELENI (ID, VAZBA, ODD) VALUES (1, 1, 5);
INSERT INTO DILEC (ID, VAZBA, DIL) VALUES (1, 1, 'A'), (2, 1, 'A');
INSERT INTO POROST (ID, VAZBA, POR, ZVL_STATUS, ORG_UROVEN1, ORG_UROVEN2, DRUH_POZ, OLH, POR_br) VALUES
  (1, 1, '1', '17', 3, 0, 1, '7', 5),
  (2, 1, '1', NULL, 0, 0, 0, NULL, 0),
  (3, 2, '9', NULL, 0, 0, 0, NULL, 0);
INSERT INTO POR_POZN (VAZBA, ID, POZNAMKA, Poznamka_br) VALUES (1, 1, 'první', 5), (1, 2, 'druhá', 5);
INSERT INTO PREKRYV (VAZBA, ID, Ktg_str) VALUES (1, 1, '10'), (1, 2, '10'), (1, 3, '32a');
INSERT INTO BEZLESI (ID, VAZBA, BZL, BZL_P, BZL_VYUZ) VALUES (1, 1, 2, 0.25, 'cesta');
INSERT INTO PS (ID, VAZBA, PSK, LES_URAD, KU_KOD, PSK_P, PSK_V, LT, DAN) VALUES
  (1, 1, '1', 123456, 660957, 1.5, 1.5, '5S1', '1');
INSERT INTO PS_POZN (Vazba, ID, Poznamka) VALUES (1, 1, 'NMD: BK.');
INSERT INTO ETAZ (ID, VAZBA, ETAZ, VEK, OBMYTI, Rok_zjisteni_zasoby, Metoda_zjisteni_zasoby, MZD) VALUES
  (1, 1, '1', 70, 110, 7, 2, 25),
  (2, 1, '1', 10, 110, 7, 2, 25);
INSERT INTO DREVINA (ID, VAZBA, DR_ZKR, ZAST, DR_ZAS_CELK, DR_ZAS_HA, STAV_ZPRAC) VALUES
  (1, 1, 'SM', 70, 300.0, 200, 0),
  (2, 1, 'SM', 30, 100.0, 66, 0),
  (3, 1, 'BK', 30, 100.0, 66, 0);
INSERT INTO POSKOZ (Vazba, Druh_poskozeni, Stupen_poskozeni) VALUES (1, 0, 0), (1, 0, 2);
INSERT INTO NAVRH (ID, Vazba, N_Druh_vykonu, N_Zkratka_dreviny, N_Nalehavost, N_Plocha, N_Objem, Pocet_Zasahu, Duvod) VALUES
  (1, 1, 12, NULL, 3, 0.7, NULL, 1, NULL),
  (2, 1, 10, NULL, 1, 0.4, NULL, NULL, 2),
  (3, 1, 10, 'SM', NULL, 0.0, 50.0, NULL, NULL),
  (4, 1, 1, 'BK', NULL, 0.4, NULL, NULL, NULL);
-- an older table later widened by hand
ALTER TABLE JINE_POZ ADD Kategorie VARCHAR(14);
ALTER TABLE JINE_POZ ADD Vyuziti VARCHAR(2);
INSERT INTO JINE_POZ (ID, VAZBA, JP, JP_P, Kategorie, Vyuziti) VALUES (1, 1, 4, 0.5, '10/32a', 'S');
INSERT INTO OST_POZ (ID, VAZBA, OST, OST_P) VALUES (1, 1, 2, 0.3), (2, 1, 2, 0.2);
