-- Decision types, the LČR unit codes and the units of the old plan part files.

-- CisDokum: types of decisions
INSERT INTO CisDokum (Typ_Dokum, Kod, Popis) VALUES
  ('LHP', '1', 'schválení lesního hospodářského plánu'),
  ('LHP', '2', 'změna lesního hospodářského plánu'),
  ('TEZ', '1', 'povolení mýtní těžby v porostu mladším 80 let'),
  ('TEZ', '2', 'výjimka z velikosti a šíře holé seče'),
  ('ZAL', '1', 'prodloužení lhůty k zalesnění'),
  ('ZAL', '2', 'výjimka z použití reprodukčního materiálu');

-- LHC_LCR: unit code of the state administration -> unit code of LČR
INSERT INTO LHC_LCR (LHC_KOD, LHC_KOD_LCR, LHC_NAZ) VALUES
  (615203, 12850, 'Sněžné - Žďárské vrchy');

-- LHC_SSL_LCR: unit code of LČR -> unit code of the state administration
INSERT INTO LHC_SSL_LCR (LHC_KOD_LCR, LHC_KOD, LHC_NAZ) VALUES
  (12850, 615203, 'Sněžné - Žďárské vrchy');

-- SEZLHC00: the units of the old plan part files
INSERT INTO SEZLHC00 (LHC_KOD, A, LHC_NAZ, LHP_OD, LHP_DO) VALUES
  ('615203', NULL, 'Sněžné - Žďárské vrchy', '1.1.2022', '31.12.2031'),
  ('615204', 'X', 'Sněžné - výřez', '1.1.2012', '31.12.2021');
