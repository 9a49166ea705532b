-- Stand groups and their remarks.

-- stand 11A1: stand groups
INSERT INTO PS (ID, VAZBA, PSK, MAJ_KOD, KU_KOD, LES_URAD, LT, SLT, PRIB_VZD, HOSP_TVAR, TER_TYP, Terenni_skupina, Uzivatel, OLH, HOSP_ZP, PSK_P, PSK_P0, PSK_V, KVAL_P, POT_VLAST, SKUPPARC, DAN, LVS, PLT, EVL_KOD, PO_KOD, CHKO_KOD, CHKO_Z_KOD, NP_KOD, NP_Z_KOD, NPP_KOD, NPR_KOD, PP_KOD, PR_KOD, SCHU_KOD, CISLO_TEL, PocCasti) VALUES
  (1, 1, '8', 1, 752061, 206108, '6K1', '6K', 250, 'V', 1, '1', NULL, 1.0, 2.0, 4.12, 4.17, 4.12, 1.0, 1.0, NULL, '1', 6, NULL, NULL, 611010, 23, 2, 0, 0, NULL, NULL, 0, 0, 0, '10001', 1),
  (2, 1, '1', 1, 752061, 206108, '6K1', '6K', 300, 'V', 1, '1', NULL, 1.0, 2.0, 1.35, 1.37, 1.35, 1.0, 1.0, NULL, '1', 6, NULL, NULL, 611010, 23, 2, 0, 0, NULL, NULL, 0, 0, 0, '10001', 1),
  (3, 1, '12', 1, 752061, 206108, '6S1', '6S', 350, 'V', 1, '1', NULL, 1.0, 2.0, 2.6, 2.63, 2.6, 1.0, 1.0, NULL, '1', 6, NULL, NULL, 611010, 23, 2, 0, 0, NULL, NULL, 0, 0, 0, '10001', 1);

-- stand 11A2: stand groups
INSERT INTO PS (ID, VAZBA, PSK, MAJ_KOD, KU_KOD, LES_URAD, LT, SLT, PRIB_VZD, HOSP_TVAR, TER_TYP, Terenni_skupina, Uzivatel, OLH, HOSP_ZP, PSK_P, PSK_P0, PSK_V, KVAL_P, POT_VLAST, SKUPPARC, DAN, LVS, PLT, EVL_KOD, PO_KOD, CHKO_KOD, CHKO_Z_KOD, NP_KOD, NP_Z_KOD, NPP_KOD, NPR_KOD, PP_KOD, PR_KOD, SCHU_KOD, CISLO_TEL, PocCasti) VALUES
  (4, 2, '6', 1, 752061, 206108, '6K2', '6K', 250, 'V', 1, '1', NULL, 1.0, 2.0, 3.05, 3.09, 3.05, 1.0, 1.0, NULL, '1', 6, NULL, NULL, 611010, 23, 2, 0, 0, NULL, NULL, 0, 0, 0, '10001', 1),
  (5, 2, '3', 1, 752061, 206108, '6S1', '6S', 300, 'V', 1, '1', NULL, 1.0, 2.0, 1.88, 1.9, 1.88, 1.0, 1.0, NULL, '1', 6, NULL, NULL, 611010, 23, 2, 0, 0, NULL, NULL, 0, 0, 0, '10001', 1);

-- stand 11B1: stand groups
INSERT INTO PS (ID, VAZBA, PSK, MAJ_KOD, KU_KOD, LES_URAD, LT, SLT, PRIB_VZD, HOSP_TVAR, TER_TYP, Terenni_skupina, Uzivatel, OLH, HOSP_ZP, PSK_P, PSK_P0, PSK_V, KVAL_P, POT_VLAST, SKUPPARC, DAN, LVS, PLT, EVL_KOD, PO_KOD, CHKO_KOD, CHKO_Z_KOD, NP_KOD, NP_Z_KOD, NPP_KOD, NPR_KOD, PP_KOD, PR_KOD, SCHU_KOD, CISLO_TEL, PocCasti) VALUES
  (6, 3, '9', 1, 752061, 206108, '6S1', '6S', 250, 'V', 1, '1', NULL, 1.0, 2.0, 5.4, 5.46, 5.4, 1.0, 1.0, NULL, '1', 6, NULL, '614134', 611010, 23, 2, 0, 0, NULL, NULL, 0, 0, 0, '10001', 1),
  (7, 3, '10', 1, 752061, 206108, '6O1', '6O', 300, 'V', 1, '1', NULL, 1.0, 2.0, 2.25, 2.28, 2.25, 1.0, 1.0, NULL, '1', 6, NULL, '614134', 611010, 23, 2, 0, 0, NULL, NULL, 0, 0, 0, '10001', 1),
  (8, 3, '5', 1, 752061, 206108, '6K1', '6K', 350, 'V', 1, '1', NULL, 1.0, 2.0, 1.6, 1.62, 1.6, 1.0, 1.0, NULL, '1', 6, NULL, '614134', 611010, 23, 2, 0, 0, NULL, NULL, 0, 0, 0, '10001', 1);

-- stand 11B2: stand groups
INSERT INTO PS (ID, VAZBA, PSK, MAJ_KOD, KU_KOD, LES_URAD, LT, SLT, PRIB_VZD, HOSP_TVAR, TER_TYP, Terenni_skupina, Uzivatel, OLH, HOSP_ZP, PSK_P, PSK_P0, PSK_V, KVAL_P, POT_VLAST, SKUPPARC, DAN, LVS, PLT, EVL_KOD, PO_KOD, CHKO_KOD, CHKO_Z_KOD, NP_KOD, NP_Z_KOD, NPP_KOD, NPR_KOD, PP_KOD, PR_KOD, SCHU_KOD, CISLO_TEL, PocCasti) VALUES
  (9, 4, '11', 1, 752061, 206108, '5Y1', '5Y', 250, 'V', 2, '1', NULL, 1.0, 2.0, 1.95, 1.97, 1.95, 1.0, 1.0, NULL, '1', 5, NULL, '614134', 611010, 23, 2, 0, 0, NULL, NULL, 0, 0, 0, '10001', 1),
  (10, 4, '7', 1, 752061, 206108, '5Y1', '5Y', 300, 'V', 2, '1', NULL, 1.0, 2.0, 0.85, 0.86, 0.85, 1.0, 1.0, NULL, '1', 5, NULL, '614134', 611010, 23, 2, 0, 0, NULL, NULL, 0, 0, 0, '10001', 1);

-- stand 12A1: stand groups
INSERT INTO PS (ID, VAZBA, PSK, MAJ_KOD, KU_KOD, LES_URAD, LT, SLT, PRIB_VZD, HOSP_TVAR, TER_TYP, Terenni_skupina, Uzivatel, OLH, HOSP_ZP, PSK_P, PSK_P0, PSK_V, KVAL_P, POT_VLAST, SKUPPARC, DAN, LVS, PLT, EVL_KOD, PO_KOD, CHKO_KOD, CHKO_Z_KOD, NP_KOD, NP_Z_KOD, NPP_KOD, NPR_KOD, PP_KOD, PR_KOD, SCHU_KOD, CISLO_TEL, PocCasti) VALUES
  (11, 5, '9', 1, 675814, 206108, '5S1', '5S', 250, 'V', 2, '1', NULL, 1.0, 2.0, 3.7, 3.74, 3.7, 1.0, 1.0, NULL, '1', 5, NULL, NULL, 0, 23, 3, 0, 0, NULL, NULL, 0, 0, 0, '10001', 1),
  (12, 5, '2', 1, 675814, 206108, '5S1', '5S', 300, 'V', 2, '1', NULL, 1.0, 2.0, 1.1, 1.11, 1.1, 1.0, 1.0, NULL, '1', 5, NULL, NULL, 0, 23, 3, 0, 0, NULL, NULL, 0, 0, 0, '10001', 1),
  (13, 5, '4', 1, 675814, 206108, '5K1', '5K', 350, 'V', 2, '1', NULL, 1.0, 2.0, 2.05, 2.07, 2.05, 1.0, 1.0, NULL, '1', 5, NULL, NULL, 0, 23, 3, 0, 0, NULL, NULL, 0, 0, 0, '10001', 1);

-- stand 12A2: stand groups
INSERT INTO PS (ID, VAZBA, PSK, MAJ_KOD, KU_KOD, LES_URAD, LT, SLT, PRIB_VZD, HOSP_TVAR, TER_TYP, Terenni_skupina, Uzivatel, OLH, HOSP_ZP, PSK_P, PSK_P0, PSK_V, KVAL_P, POT_VLAST, SKUPPARC, DAN, LVS, PLT, EVL_KOD, PO_KOD, CHKO_KOD, CHKO_Z_KOD, NP_KOD, NP_Z_KOD, NPP_KOD, NPR_KOD, PP_KOD, PR_KOD, SCHU_KOD, CISLO_TEL, PocCasti) VALUES
  (14, 6, '11', 1, 675814, 206108, '5S6', '5S', 250, 'V', 2, '1', NULL, 1.0, 2.0, 4.45, 4.5, 4.45, 1.0, 1.0, NULL, '1', 5, NULL, NULL, 0, 23, 3, 0, 0, NULL, NULL, 0, 0, 0, '10001', 1),
  (15, 6, '7', 1, 675814, 206108, '5K1', '5K', 300, 'V', 2, '1', NULL, 1.0, 2.0, 2.3, 2.33, 2.3, 1.0, 1.0, NULL, '1', 5, NULL, NULL, 0, 23, 3, 0, 0, NULL, NULL, 0, 0, 0, '10001', 1);

-- stand 12B1: stand groups
INSERT INTO PS (ID, VAZBA, PSK, MAJ_KOD, KU_KOD, LES_URAD, LT, SLT, PRIB_VZD, HOSP_TVAR, TER_TYP, Terenni_skupina, Uzivatel, OLH, HOSP_ZP, PSK_P, PSK_P0, PSK_V, KVAL_P, POT_VLAST, SKUPPARC, DAN, LVS, PLT, EVL_KOD, PO_KOD, CHKO_KOD, CHKO_Z_KOD, NP_KOD, NP_Z_KOD, NPP_KOD, NPR_KOD, PP_KOD, PR_KOD, SCHU_KOD, CISLO_TEL, PocCasti) VALUES
  (16, 7, '8', 1, 660957, 206108, '5O1', '5O', 250, 'V', 2, '1', NULL, 1.0, 2.0, 3.15, 3.19, 3.15, 1.0, 1.0, NULL, '1', 5, NULL, NULL, 0, 23, 3, 0, 0, NULL, NULL, 0, 0, 0, '10001', 1),
  (17, 7, '1', 1, 660957, 206108, '5O1', '5O', 300, 'V', 2, '1', NULL, 1.0, 2.0, 0.95, 0.96, 0.95, 1.0, 1.0, NULL, '1', 5, NULL, NULL, 0, 23, 3, 0, 0, NULL, NULL, 0, 0, 0, '10001', 1),
  (18, 7, '5', 1, 660957, 206108, '5G1', '5G', 350, 'V', 2, '1', NULL, 1.0, 2.0, 1.4, 1.42, 1.4, 1.0, 1.0, NULL, '1', 5, NULL, NULL, 0, 23, 3, 0, 0, NULL, NULL, 0, 0, 0, '10001', 1);

-- stand 12C1: stand groups
INSERT INTO PS (ID, VAZBA, PSK, MAJ_KOD, KU_KOD, LES_URAD, LT, SLT, PRIB_VZD, HOSP_TVAR, TER_TYP, Terenni_skupina, Uzivatel, OLH, HOSP_ZP, PSK_P, PSK_P0, PSK_V, KVAL_P, POT_VLAST, SKUPPARC, DAN, LVS, PLT, EVL_KOD, PO_KOD, CHKO_KOD, CHKO_Z_KOD, NP_KOD, NP_Z_KOD, NPP_KOD, NPR_KOD, PP_KOD, PR_KOD, SCHU_KOD, CISLO_TEL, PocCasti) VALUES
  (19, 8, '10', 1, 675814, 206108, '5S1', '5S', 250, 'V', 2, '1', NULL, 1.0, 2.0, 3.8, 3.85, 3.8, 1.0, 1.0, NULL, '1', 5, NULL, NULL, 0, 23, 3, 0, 0, NULL, NULL, 0, 0, 0, '10001', 1),
  (20, 8, '6', 1, 675814, 206108, '5S1', '5S', 300, 'V', 2, '1', NULL, 1.0, 2.0, 1.75, 1.77, 1.75, 1.0, 1.0, NULL, '1', 5, NULL, NULL, 0, 23, 3, 0, 0, NULL, NULL, 0, 0, 0, '10001', 1);

-- stand 13A1: stand groups
INSERT INTO PS (ID, VAZBA, PSK, MAJ_KOD, KU_KOD, LES_URAD, LT, SLT, PRIB_VZD, HOSP_TVAR, TER_TYP, Terenni_skupina, Uzivatel, OLH, HOSP_ZP, PSK_P, PSK_P0, PSK_V, KVAL_P, POT_VLAST, SKUPPARC, DAN, LVS, PLT, EVL_KOD, PO_KOD, CHKO_KOD, CHKO_Z_KOD, NP_KOD, NP_Z_KOD, NPP_KOD, NPR_KOD, PP_KOD, PR_KOD, SCHU_KOD, CISLO_TEL, PocCasti) VALUES
  (21, 9, '9', 1, 746401, 206108, '6K1', '6K', 250, 'V', 1, '1', NULL, 1.0, 2.0, 4.9, 4.96, 4.9, 1.0, 1.0, NULL, '1', 6, NULL, NULL, 0, 23, 3, 0, 0, NULL, NULL, 0, 0, 0, '10001', 1),
  (22, 9, '6a', 1, 746401, 206108, '6K1', '6K', 300, 'V', 1, '1', NULL, 1.0, 2.0, 0.9, 0.91, 0.9, 1.0, 1.0, NULL, '1', 6, NULL, NULL, 0, 23, 3, 0, 0, NULL, NULL, 0, 0, 0, '10001', 1),
  (23, 9, '6b', 1, 746401, 206108, '6K1', '6K', 350, 'V', 1, '1', NULL, 1.0, 2.0, 1.25, 1.27, 1.25, 1.0, 1.0, NULL, '1', 6, NULL, NULL, 0, 23, 3, 0, 0, NULL, NULL, 0, 0, 0, '10001', 1);

-- stand 13A2: stand groups
INSERT INTO PS (ID, VAZBA, PSK, MAJ_KOD, KU_KOD, LES_URAD, LT, SLT, PRIB_VZD, HOSP_TVAR, TER_TYP, Terenni_skupina, Uzivatel, OLH, HOSP_ZP, PSK_P, PSK_P0, PSK_V, KVAL_P, POT_VLAST, SKUPPARC, DAN, LVS, PLT, EVL_KOD, PO_KOD, CHKO_KOD, CHKO_Z_KOD, NP_KOD, NP_Z_KOD, NPP_KOD, NPR_KOD, PP_KOD, PR_KOD, SCHU_KOD, CISLO_TEL, PocCasti) VALUES
  (24, 10, '13', 1, 746401, 206108, '5S1', '5S', 250, 'V', 2, '1', NULL, 1.0, 2.0, 3.35, 3.39, 3.35, 1.0, 1.0, NULL, '1', 5, NULL, NULL, 0, 23, 3, 0, 0, NULL, NULL, 0, 0, 0, '10001', 1),
  (25, 10, '7', 1, 746401, 206108, '5K1', '5K', 300, 'V', 2, '1', NULL, 1.0, 2.0, 2.1, 2.13, 2.1, 1.0, 1.0, NULL, '1', 5, NULL, NULL, 0, 23, 3, 0, 0, NULL, NULL, 0, 0, 0, '10001', 1);

-- stand 13B1: stand groups
INSERT INTO PS (ID, VAZBA, PSK, MAJ_KOD, KU_KOD, LES_URAD, LT, SLT, PRIB_VZD, HOSP_TVAR, TER_TYP, Terenni_skupina, Uzivatel, OLH, HOSP_ZP, PSK_P, PSK_P0, PSK_V, KVAL_P, POT_VLAST, SKUPPARC, DAN, LVS, PLT, EVL_KOD, PO_KOD, CHKO_KOD, CHKO_Z_KOD, NP_KOD, NP_Z_KOD, NPP_KOD, NPR_KOD, PP_KOD, PR_KOD, SCHU_KOD, CISLO_TEL, PocCasti) VALUES
  (26, 11, '8', 104, 746401, 206108, '6S1', '6S', 250, 'V', 1, '1', NULL, 2.0, 2.0, 2.8, 2.83, 2.8, 1.0, 1.0, NULL, '1', 6, NULL, NULL, 0, 23, 3, 0, 0, NULL, NULL, 0, 0, 0, '10001', 1),
  (27, 11, '1', 104, 746401, 206108, '6S1', '6S', 300, 'V', 1, '1', NULL, 2.0, 2.0, 0.7, 0.71, 0.7, 1.0, 1.0, NULL, '1', 6, NULL, NULL, 0, 23, 3, 0, 0, NULL, NULL, 0, 0, 0, '10001', 1),
  (28, 11, '4', 104, 746401, 206108, '6O1', '6O', 350, 'V', 1, '1', NULL, 2.0, 2.0, 1.45, 1.47, 1.45, 1.0, 1.0, NULL, '1', 6, NULL, NULL, 0, 23, 3, 0, 0, NULL, NULL, 0, 0, 0, '10001', 1);

-- stand 13B2: stand groups
INSERT INTO PS (ID, VAZBA, PSK, MAJ_KOD, KU_KOD, LES_URAD, LT, SLT, PRIB_VZD, HOSP_TVAR, TER_TYP, Terenni_skupina, Uzivatel, OLH, HOSP_ZP, PSK_P, PSK_P0, PSK_V, KVAL_P, POT_VLAST, SKUPPARC, DAN, LVS, PLT, EVL_KOD, PO_KOD, CHKO_KOD, CHKO_Z_KOD, NP_KOD, NP_Z_KOD, NPP_KOD, NPR_KOD, PP_KOD, PR_KOD, SCHU_KOD, CISLO_TEL, PocCasti) VALUES
  (29, 12, '11', 104, 746401, 206108, '5S1', '5S', 250, 'V', 2, '1', NULL, 2.0, 2.0, 2.65, 2.68, 2.65, 1.0, 1.0, NULL, '1', 5, NULL, '614134', 0, 23, 3, 0, 0, NULL, NULL, 0, 1503, 0, '10001', 1),
  (30, 12, '9', 104, 746401, 206108, '5S1', '5S', 300, 'V', 2, '1', NULL, 2.0, 2.0, 1.3, 1.32, 1.3, 1.0, 1.0, NULL, '1', 5, NULL, '614134', 0, 23, 3, 0, 0, NULL, NULL, 0, 1503, 0, '10001', 1);

-- stand 11A1: stand-group remarks
INSERT INTO PS_POZN (Vazba, ID, Poznamka) VALUES
  (3, 1, 'NMD: BK JD. DTO: clonná seč od okraje porostu 11A1 8.');

-- stand 11A2: stand-group remarks
INSERT INTO PS_POZN (Vazba, ID, Poznamka) VALUES
  (4, 2, 'Loupání jelení zvěří ve skupinách, nutná ochrana.');

-- stand 11B1: stand-group remarks
INSERT INTO PS_POZN (Vazba, ID, Poznamka) VALUES
  (7, 3, 'NMD: JD BK. DTO: násečná obnova v pruzích.');

-- stand 12A2: stand-group remarks
INSERT INTO PS_POZN (Vazba, ID, Poznamka) VALUES
  (14, 4, 'NMD: BK JD. DTO: clonná seč, podsadba buku.');

-- stand 12C1: stand-group remarks
INSERT INTO PS_POZN (Vazba, ID, Poznamka) VALUES
  (19, 5, 'DTO: clonná seč s výchovou buku v podrostu.');

-- stand 13A2: stand-group remarks
INSERT INTO PS_POZN (Vazba, ID, Poznamka) VALUES
  (24, 6, 'Dotěžení zbytků mateřského porostu po clonné seči.');

-- stand 13B2: stand-group remarks
INSERT INTO PS_POZN (Vazba, ID, Poznamka) VALUES
  (29, 7, 'Přirozená obnova buku a jedle, bez těžebních zásahů.');
