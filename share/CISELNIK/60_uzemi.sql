-- Territorial tables: offices, municipalities, cadastral areas.

-- CIS_LDU: forest offices
INSERT INTO CIS_LDU (Kod, POPIS) VALUES
  (615, 'Žďár nad Sázavou'),
  (613, 'Třebíč'),
  (611, 'Jihlava'),
  (610, 'Havlíčkův Brod'),
  (614, 'Pelhřimov');

-- Orp: municipalities with extended powers: code 200000 + ORP number, name, region
INSERT INTO Orp (Kod, POPIS, KN) VALUES
  (206108, 'Nové Město na Moravě', 'CZ063'),
  (206115, 'Žďár nad Sázavou', 'CZ063'),
  (206114, 'Velké Meziříčí', 'CZ063'),
  (206101, 'Bystřice nad Pernštejnem', 'CZ063');

-- Obce: municipalities with their ORP number
INSERT INTO Obce (KODOB, NAZOB, CISORP) VALUES
  (595985, 'Kadov', 6108),
  (596213, 'Krátká', 6108),
  (596701, 'Samotín', 6108),
  (596744, 'Sněžné', 6108);

-- KU: cadastral areas (six-digit codes) with their municipality
INSERT INTO KU (KODKU6, NAZKU, KODOB) VALUES
  (660957, 'Kadov u Sněžného', 595985),
  (675814, 'Krátká', 596213),
  (746401, 'Samotín', 596701),
  (752061, 'Sněžné na Moravě', 596744);

-- KU6: cadastral area names by six-digit code
INSERT INTO KU6 (Kod, POPIS) VALUES
  (660957, 'Kadov u Sněžného'),
  (675814, 'Krátká'),
  (746401, 'Samotín'),
  (752061, 'Sněžné na Moravě');

-- 9_6_WIN: nine-digit to six-digit cadastral codes
INSERT INTO "9_6_WIN" (KODKU9, KODKU6) VALUES
  (660957001, 660957),
  (675814001, 675814),
  (746401001, 746401),
  (752061001, 752061);

-- 2001ku3q852: the same rows as KU
INSERT INTO "2001ku3q852" SELECT * FROM KU;

-- KatasCel: cadastral areas of the whole country (excerpt)
INSERT INTO KatasCel (Kod, POPIS) VALUES
  (635341, 'Jimramov'),
  (660957, 'Kadov u Sněžného'),
  (675814, 'Krátká'),
  (707813, 'Nové Město na Moravě'),
  (742791, 'Rokytno na Moravě'),
  (746401, 'Samotín'),
  (752061, 'Sněžné na Moravě');
