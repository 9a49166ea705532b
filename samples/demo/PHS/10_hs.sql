-- Management sets and their ameliorating species.

-- management sets used by the unit
INSERT INTO TAB_HS (CISLO_HS, NAZEV_HS, OBMYTI, OBN_DOBA, POC_OBNOVY, POC_PROR, POC_MYTKLID, POD_MEL_DR, ODVOZ_TEZ, SEST_DTO) VALUES
  (1, 'mimořádně nepříznivá stan.', 150, 40, 130, 0, 0, 30.0, '1', 'N'),
  (53, 'kyselá stanoviště stř. poloh', 110, 30, 95, 2, 1, 25.0, '1', 'A'),
  (55, 'živná stanoviště stř. poloh', 110, 30, 95, 2, 1, 25.0, '1', 'A'),
  (57, 'oglejená stanoviště stř. poloh', 110, 30, 95, 2, 1, 20.0, '1', 'A'),
  (59, 'podmáčená stanoviště st. poloh', 100, 30, 85, 2, 1, 20.0, '1', 'A'),
  (73, 'kyselá stan. vyšších poloh', 110, 30, 95, 2, 1, 25.0, '1', 'A'),
  (75, 'živná stan. vyšších poloh', 110, 30, 95, 2, 1, 25.0, '1', 'A'),
  (77, 'oglejená stan. vyšších poloh', 110, 30, 95, 2, 1, 20.0, '1', 'A');

-- site types of a set joined by '$'
INSERT INTO MEL_DREV (Cislo_HS, Mel_dr1, Mel_dr2, Mel_dr3, Mel_dr4, Mel_dr5, Mel_dr6, Mel_dr7, Mel_dr8, Mel_dr9, Mel_dr10, MZD, LT) VALUES
  (1.0, 'BK', 'JD', 'KL', 'JB', NULL, NULL, NULL, NULL, NULL, NULL, 30, '5Y$6Y$'),
  (53.0, 'BK', 'JD', 'KL', 'LP', NULL, NULL, NULL, NULL, NULL, NULL, 25, '5K$5N$5I$'),
  (55.0, 'BK', 'JD', 'KL', 'JV', NULL, NULL, NULL, NULL, NULL, NULL, 25, '5S$5B$5D$'),
  (57.0, 'JD', 'BK', 'KL', NULL, NULL, NULL, NULL, NULL, NULL, NULL, 20, '5O$5P$5Q$'),
  (59.0, 'JD', 'OL', 'BK', NULL, NULL, NULL, NULL, NULL, NULL, NULL, 20, '5G$5T$'),
  (73.0, 'BK', 'JD', 'KL', NULL, NULL, NULL, NULL, NULL, NULL, NULL, 25, '6K$6N$6I$'),
  (75.0, 'BK', 'JD', 'KL', NULL, NULL, NULL, NULL, NULL, NULL, NULL, 25, '6S$6B$6D$'),
  (77.0, 'JD', 'BK', 'KL', NULL, NULL, NULL, NULL, NULL, NULL, NULL, 20, '6O$6P$6Q$');
