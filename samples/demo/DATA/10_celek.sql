-- Unit header, compartments and sub-compartments.

-- unit 615203 Sněžné - Žďárské vrchy
INSERT INTO LHC (ID, LHC_KOD, LHC_NAZ, LHP_OD, LHP_DO, Puv_Dat, ETAT_TO, ETAT_TV, ETAT, ETAT_TVYB, LHP_Z_OD, LHP_Z_DO, LHP_Z_TAX, LHP_TAX, TEZ_PROC, NOR_PAS, LHC_PN_PRO, LHC_IND, LHC_MAX, LHP_LIC, LHP_Z_LIC, LHP_NEZDAR, MVYCH_DO40, LHO, LHC_KOD_ID, KU_DATUM, LHC_IND_TV, LHC_IND_TO) VALUES
  (1, 615203, 'Sněžné - Žďárské vrchy', '2022', '2031', 'MERK 98', 4246, 1568, 5814, 0, '2022', '2031', 'Ing. Petr Dvořák', 'Ing. Jana Horáková', 0, 0, 12, 0, 0, 'LHP/0427/2019', 'LHP/0311/2018', 0, 14.5, 'N', 1, '2021-12-31', 0, 0);

-- compartments 11, 12, 13
INSERT INTO ODDELENI (ID, VAZBA, ODD) VALUES
  (1, 1, 11),
  (2, 1, 12),
  (3, 1, 13);

-- sub-compartments (VAZBA = compartment ID)
INSERT INTO DILEC (ID, VAZBA, DIL) VALUES
  (1, 1, 'A'),
  (2, 1, 'B'),
  (3, 2, 'A'),
  (4, 2, 'B'),
  (5, 2, 'C'),
  (6, 3, 'A'),
  (7, 3, 'B');
