-- Last identifier issued per table key.

-- one row per table key
INSERT INTO ID (Tabulka, ID) VALUES
  ('ODDELENI', 3),
  ('DILEC', 7),
  ('POROST', 12),
  ('PS', 30),
  ('POR_POZN', 7),
  ('PS_POZN', 7),
  ('ETAZ', 36),
  ('DREVINA', 105),
  ('NAVRH', 109),
  ('PREKRYV', 13),
  ('ZVL_STATUT', 5),
  ('JINE_POZ', 3),
  ('OST_POZ', 3),
  ('BEZLESI', 8);
