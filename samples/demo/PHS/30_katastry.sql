-- Cadastral areas of the unit.

-- cadastral areas, all in ORP Nové Město na Moravě
INSERT INTO KATASTRY (Kod, POPIS, ORP) VALUES
  (660957.0, 'Kadov u Sněžného', 6108),
  (675814.0, 'Krátká', 6108),
  (746401.0, 'Samotín', 6108),
  (752061.0, 'Sněžné na Moravě', 6108);
