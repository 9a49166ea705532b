-- Proposals per layer: the first row of each kind is the layer-level proposal,
-- the following rows with a species code are the species' shares of the felling.

-- stand 11A1: proposals
INSERT INTO NAVRH (ID, Vazba, N_Druh_vykonu, N_Zkratka_dreviny, N_Nalehavost, N_Plocha, N_Objem, N_ObjemHa, N_Procento, Pocet_Zasahu, Duvod) VALUES
  (1, 1, 11, NULL, 1, 4.12, NULL, NULL, NULL, 1, NULL),
  (2, 1, 11, 'SM', NULL, 0.0, 174.0, 42.0, 12.0, NULL, NULL),
  (3, 1, 11, 'JD', NULL, 0.0, 9.0, 2.0, 12.0, NULL, NULL),
  (4, 1, 11, 'BK', NULL, 0.0, 19.0, 5.0, 12.0, NULL, NULL),
  (5, 2, 12, NULL, 1, 1.35, NULL, NULL, NULL, 1, NULL),
  (6, 3, 10, NULL, 1, 1.94, NULL, NULL, NULL, 1, 1),
  (7, 3, 10, 'SM', NULL, 0.0, 1009.0, 520.0, 88.0, NULL, NULL),
  (8, 3, 10, 'BK', NULL, 0.0, 72.0, 37.0, 88.0, NULL, NULL),
  (9, 3, 10, 'MD', NULL, 0.0, 53.0, 27.0, 88.0, NULL, NULL),
  (10, 3, 1, 'SM', NULL, 0.97, NULL, NULL, 50.0, NULL, NULL),
  (11, 3, 1, 'BK', NULL, 0.58, NULL, NULL, 30.0, NULL, NULL),
  (12, 3, 1, 'JD', NULL, 0.39, NULL, NULL, 20.0, NULL, NULL);

-- stand 11A2: proposals
INSERT INTO NAVRH (ID, Vazba, N_Druh_vykonu, N_Zkratka_dreviny, N_Nalehavost, N_Plocha, N_Objem, N_ObjemHa, N_Procento, Pocet_Zasahu, Duvod) VALUES
  (13, 5, 11, NULL, 2, 3.05, NULL, NULL, NULL, 1, NULL),
  (14, 5, 11, 'SM', NULL, 0.0, 57.0, 19.0, 10.0, NULL, NULL),
  (15, 5, 11, 'MD', NULL, 0.0, 14.0, 5.0, 10.0, NULL, NULL),
  (16, 5, 11, 'BR', NULL, 0.0, 7.0, 2.0, 10.0, NULL, NULL),
  (17, 6, 11, NULL, 1, 1.88, NULL, NULL, NULL, 1, NULL),
  (18, 6, 11, 'SM', NULL, 0.0, 14.0, 7.0, 15.0, NULL, NULL),
  (19, 6, 11, 'KL', NULL, 0.0, 3.0, 2.0, 15.0, NULL, NULL),
  (20, 6, 11, 'BK', NULL, 0.0, 3.0, 2.0, 15.0, NULL, NULL);

-- stand 11B1: proposals
INSERT INTO NAVRH (ID, Vazba, N_Druh_vykonu, N_Zkratka_dreviny, N_Nalehavost, N_Plocha, N_Objem, N_ObjemHa, N_Procento, Pocet_Zasahu, Duvod) VALUES
  (21, 7, 11, NULL, 1, 5.4, NULL, NULL, NULL, 1, NULL),
  (22, 7, 11, 'SM', NULL, 0.0, 233.0, 43.0, 10.0, NULL, NULL),
  (23, 7, 11, 'BK', NULL, 0.0, 38.0, 7.0, 10.0, NULL, NULL),
  (24, 7, 11, 'KL', NULL, 0.0, 10.0, 2.0, 10.0, NULL, NULL),
  (25, 8, 10, NULL, 1, 0.68, NULL, NULL, NULL, 1, 1),
  (26, 8, 10, 'SM', NULL, 0.0, 239.0, 351.0, 30.0, NULL, NULL),
  (27, 8, 10, 'JD', NULL, 0.0, 64.0, 94.0, 30.0, NULL, NULL),
  (28, 8, 10, 'BK', NULL, 0.0, 33.0, 49.0, 30.0, NULL, NULL),
  (29, 8, 1, 'SM', NULL, 0.28, NULL, NULL, 40.0, NULL, NULL),
  (30, 8, 1, 'JD', NULL, 0.2, NULL, NULL, 30.0, NULL, NULL),
  (31, 8, 1, 'BK', NULL, 0.2, NULL, NULL, 30.0, NULL, NULL),
  (32, 9, 11, NULL, 1, 1.6, NULL, NULL, NULL, 1, NULL),
  (33, 9, 11, 'SM', NULL, 0.0, 36.0, 22.0, 14.0, NULL, NULL),
  (34, 9, 11, 'BR', NULL, 0.0, 2.0, 1.0, 14.0, NULL, NULL);

-- stand 12A1: proposals
INSERT INTO NAVRH (ID, Vazba, N_Druh_vykonu, N_Zkratka_dreviny, N_Nalehavost, N_Plocha, N_Objem, N_ObjemHa, N_Procento, Pocet_Zasahu, Duvod) VALUES
  (35, 12, 11, NULL, 2, 2.96, NULL, NULL, NULL, 1, NULL),
  (36, 12, 11, 'SM', NULL, 0.0, 89.0, 30.0, 8.0, NULL, NULL),
  (37, 12, 11, 'BK', NULL, 0.0, 26.0, 9.0, 8.0, NULL, NULL),
  (38, 12, 11, 'JD', NULL, 0.0, 13.0, 4.0, 8.0, NULL, NULL),
  (39, 12, 11, 'MD', NULL, 0.0, 7.0, 2.0, 8.0, NULL, NULL),
  (40, 14, 12, NULL, 1, 1.1, NULL, NULL, NULL, 2, NULL),
  (41, 15, 11, NULL, 1, 2.05, NULL, NULL, NULL, 1, NULL),
  (42, 15, 11, 'SM', NULL, 0.0, 28.0, 14.0, 15.0, NULL, NULL),
  (43, 15, 11, 'BO', NULL, 0.0, 3.0, 1.0, 15.0, NULL, NULL),
  (44, 15, 11, 'BR', NULL, 0.0, 2.0, 1.0, 15.0, NULL, NULL);

-- stand 12A2: proposals
INSERT INTO NAVRH (ID, Vazba, N_Druh_vykonu, N_Zkratka_dreviny, N_Nalehavost, N_Plocha, N_Objem, N_ObjemHa, N_Procento, Pocet_Zasahu, Duvod) VALUES
  (45, 16, 10, NULL, 1, 2.23, NULL, NULL, NULL, 1, 1),
  (46, 16, 10, 'SM', NULL, 0.0, 1024.0, 459.0, 50.0, NULL, NULL),
  (47, 16, 10, 'BK', NULL, 0.0, 204.0, 91.0, 50.0, NULL, NULL),
  (48, 16, 10, 'JD', NULL, 0.0, 129.0, 58.0, 50.0, NULL, NULL),
  (49, 16, 1, 'SM', NULL, 0.89, NULL, NULL, 40.0, NULL, NULL),
  (50, 16, 1, 'BK', NULL, 0.89, NULL, NULL, 40.0, NULL, NULL),
  (51, 16, 1, 'JD', NULL, 0.45, NULL, NULL, 20.0, NULL, NULL),
  (52, 17, 11, NULL, 2, 2.3, NULL, NULL, NULL, 1, NULL),
  (53, 17, 11, 'SM', NULL, 0.0, 64.0, 28.0, 10.0, NULL, NULL),
  (54, 17, 11, 'MD', NULL, 0.0, 8.0, 3.0, 10.0, NULL, NULL),
  (55, 17, 11, 'BO', NULL, 0.0, 3.0, 1.0, 10.0, NULL, NULL);

-- stand 12B1: proposals
INSERT INTO NAVRH (ID, Vazba, N_Druh_vykonu, N_Zkratka_dreviny, N_Nalehavost, N_Plocha, N_Objem, N_ObjemHa, N_Procento, Pocet_Zasahu, Duvod) VALUES
  (56, 18, 11, NULL, 2, 3.15, NULL, NULL, NULL, 1, NULL),
  (57, 18, 11, 'SM', NULL, 0.0, 105.0, 33.0, 10.0, NULL, NULL),
  (58, 18, 11, 'JD', NULL, 0.0, 26.0, 8.0, 10.0, NULL, NULL),
  (59, 18, 11, 'BK', NULL, 0.0, 9.0, 3.0, 10.0, NULL, NULL),
  (60, 19, 3, 'JD', NULL, 0.05, NULL, NULL, 50.0, NULL, NULL),
  (61, 19, 3, 'BK', NULL, 0.05, NULL, NULL, 50.0, NULL, NULL),
  (62, 20, 11, NULL, 2, 1.4, NULL, NULL, NULL, 1, NULL),
  (63, 20, 11, 'SM', NULL, 0.0, 10.0, 7.0, 8.0, NULL, NULL),
  (64, 20, 11, 'OL', NULL, 0.0, 3.0, 2.0, 8.0, NULL, NULL),
  (65, 20, 11, 'BR', NULL, 0.0, 1.0, 1.0, 8.0, NULL, NULL);

-- stand 12C1: proposals
INSERT INTO NAVRH (ID, Vazba, N_Druh_vykonu, N_Zkratka_dreviny, N_Nalehavost, N_Plocha, N_Objem, N_ObjemHa, N_Procento, Pocet_Zasahu, Duvod) VALUES
  (66, 21, 10, NULL, 2, 0.8, NULL, NULL, NULL, 1, 1),
  (67, 21, 10, 'SM', NULL, 0.0, 274.0, 342.0, 30.0, NULL, NULL),
  (68, 21, 10, 'BK', NULL, 0.0, 104.0, 130.0, 30.0, NULL, NULL),
  (69, 21, 10, 'JD', NULL, 0.0, 65.0, 81.0, 30.0, NULL, NULL),
  (70, 21, 1, 'BK', NULL, 0.4, NULL, NULL, 50.0, NULL, NULL),
  (71, 21, 1, 'JD', NULL, 0.24, NULL, NULL, 30.0, NULL, NULL),
  (72, 21, 1, 'SM', NULL, 0.16, NULL, NULL, 20.0, NULL, NULL),
  (73, 23, 11, NULL, 1, 1.75, NULL, NULL, NULL, 1, NULL),
  (74, 23, 11, 'BK', NULL, 0.0, 28.0, 16.0, 12.0, NULL, NULL),
  (75, 23, 11, 'SM', NULL, 0.0, 32.0, 18.0, 12.0, NULL, NULL),
  (76, 23, 11, 'KL', NULL, 0.0, 6.0, 3.0, 12.0, NULL, NULL);

-- stand 13A1: proposals
INSERT INTO NAVRH (ID, Vazba, N_Druh_vykonu, N_Zkratka_dreviny, N_Nalehavost, N_Plocha, N_Objem, N_ObjemHa, N_Procento, Pocet_Zasahu, Duvod) VALUES
  (77, 24, 11, NULL, 2, 4.9, NULL, NULL, NULL, 1, NULL),
  (78, 24, 11, 'SM', NULL, 0.0, 190.0, 39.0, 10.0, NULL, NULL),
  (79, 24, 11, 'BK', NULL, 0.0, 6.0, 1.0, 10.0, NULL, NULL),
  (80, 24, 11, 'JD', NULL, 0.0, 9.0, 2.0, 10.0, NULL, NULL),
  (81, 25, 11, NULL, 1, 0.9, NULL, NULL, NULL, 1, NULL),
  (82, 25, 11, 'SM', NULL, 0.0, 21.0, 23.0, 12.0, NULL, NULL),
  (83, 25, 11, 'MD', NULL, 0.0, 6.0, 7.0, 12.0, NULL, NULL),
  (84, 26, 11, NULL, 2, 1.25, NULL, NULL, NULL, 1, NULL),
  (85, 26, 11, 'SM', NULL, 0.0, 22.0, 18.0, 10.0, NULL, NULL),
  (86, 26, 11, 'BK', NULL, 0.0, 6.0, 5.0, 10.0, NULL, NULL),
  (87, 26, 11, 'MD', NULL, 0.0, 4.0, 3.0, 10.0, NULL, NULL);

-- stand 13A2: proposals
INSERT INTO NAVRH (ID, Vazba, N_Druh_vykonu, N_Zkratka_dreviny, N_Nalehavost, N_Plocha, N_Objem, N_ObjemHa, N_Procento, Pocet_Zasahu, Duvod) VALUES
  (88, 27, 10, NULL, 1, 2.01, NULL, NULL, NULL, 1, 1),
  (89, 27, 10, 'SM', NULL, 0.0, 653.0, 325.0, 100.0, NULL, NULL),
  (90, 27, 10, 'BK', NULL, 0.0, 227.0, 113.0, 100.0, NULL, NULL),
  (91, 27, 10, 'JD', NULL, 0.0, 96.0, 48.0, 100.0, NULL, NULL),
  (92, 27, 1, 'BK', NULL, 0.81, NULL, NULL, 40.0, NULL, NULL),
  (93, 27, 1, 'JD', NULL, 0.6, NULL, NULL, 30.0, NULL, NULL),
  (94, 27, 1, 'SM', NULL, 0.6, NULL, NULL, 30.0, NULL, NULL),
  (95, 28, 12, NULL, 2, 1.34, NULL, NULL, NULL, 1, NULL),
  (96, 29, 11, NULL, 2, 2.1, NULL, NULL, NULL, 1, NULL),
  (97, 29, 11, 'SM', NULL, 0.0, 55.0, 26.0, 10.0, NULL, NULL),
  (98, 29, 11, 'BO', NULL, 0.0, 13.0, 6.0, 10.0, NULL, NULL),
  (99, 29, 11, 'MD', NULL, 0.0, 9.0, 4.0, 10.0, NULL, NULL);

-- stand 13B1: proposals
INSERT INTO NAVRH (ID, Vazba, N_Druh_vykonu, N_Zkratka_dreviny, N_Nalehavost, N_Plocha, N_Objem, N_ObjemHa, N_Procento, Pocet_Zasahu, Duvod) VALUES
  (100, 30, 11, NULL, 2, 2.8, NULL, NULL, NULL, 1, NULL),
  (101, 30, 11, 'SM', NULL, 0.0, 97.0, 35.0, 10.0, NULL, NULL),
  (102, 30, 11, 'BK', NULL, 0.0, 17.0, 6.0, 10.0, NULL, NULL),
  (103, 30, 11, 'KL', NULL, 0.0, 8.0, 3.0, 10.0, NULL, NULL),
  (104, 31, 3, 'BK', NULL, 0.04, NULL, NULL, 60.0, NULL, NULL),
  (105, 31, 3, 'JD', NULL, 0.03, NULL, NULL, 40.0, NULL, NULL),
  (106, 32, 11, NULL, 1, 1.45, NULL, NULL, NULL, 1, NULL),
  (107, 32, 11, 'SM', NULL, 0.0, 19.0, 13.0, 12.0, NULL, NULL),
  (108, 32, 11, 'JD', NULL, 0.0, 3.0, 2.0, 12.0, NULL, NULL),
  (109, 32, 11, 'BR', NULL, 0.0, 1.0, 1.0, 12.0, NULL, NULL);
