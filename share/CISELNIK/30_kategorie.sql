-- Categories, special statuses and nature protection.

-- KATEGORI: forest categories
INSERT INTO KATEGORI (Kod, POPIS, KATEGOR) VALUES
  ('10', 'les hospodářský', 'hospodářský'),
  ('21a', 'mimořádně nepříznivá stanoviště', 'ochranný'),
  ('21b', 'vysokohorské lesy pod hranicí stromové veg.', 'ochranný'),
  ('21c', 'lesy v klečovém vegetačním stupni', 'ochranný'),
  ('31a', 'pásma hygienické ochrany vod. zdrojů I. st.', 'zvláštního určení'),
  ('31b', 'ochranná pásma přírodních léčivých zdrojů', 'zvláštního určení'),
  ('31c', 'národní parky a národní přírodní rezervace', 'zvláštního určení'),
  ('32a', 'I. zóny CHKO, přírodní rezervace a památky', 'zvláštního určení'),
  ('32b', 'lázeňské lesy', 'zvláštního určení'),
  ('32c', 'příměstské a rekreační lesy', 'zvláštního určení'),
  ('32d', 'lesy pro lesnický výzkum a výuku', 'zvláštního určení'),
  ('32e', 'lesy se zvýšenou půdoochr. a vodoochr. funkcí', 'zvláštního určení'),
  ('32f', 'lesy pro zachování biologické různorodosti', 'zvláštního určení'),
  ('32g', 'lesy v uznaných oborách a bažantnicích', 'zvláštního určení'),
  ('32h', 'lesy s jiným oprávněným zájmem', 'zvláštního určení');

-- ZVL_STAT: special statuses
INSERT INTO ZVL_STAT (Kod, POPIS) VALUES
  (1, 'národní park - I. zóna'),
  (2, 'národní park - II. zóna'),
  (3, 'národní park - III. zóna'),
  (4, 'ochranné pásmo národního parku'),
  (5, 'národní přírodní rezervace'),
  (6, 'národní přírodní památka'),
  (7, 'přírodní rezervace'),
  (8, 'přírodní památka'),
  (9, 'CHKO - I. zóna'),
  (10, 'CHKO - II. zóna'),
  (11, 'CHKO - III. zóna'),
  (12, 'CHKO - IV. zóna'),
  (13, 'ochranné pásmo zvláště chráněného území'),
  (14, 'evropsky významná lokalita'),
  (15, 'ptačí oblast'),
  (16, 'genová základna'),
  (17, 'uznaný zdroj reprodukčního materiálu'),
  (18, 'PHO vodního zdroje II. stupně'),
  (19, 'ochranné pásmo minerálních vod'),
  (20, 'obora'),
  (21, 'bažantnice'),
  (22, 'lesy pro výzkum a výuku'),
  (23, 'příměstské a rekreační lesy'),
  (24, 'lesy s půdoochrannou funkcí'),
  (25, 'lesy s vodoochrannou funkcí'),
  (26, 'biocentrum ÚSES'),
  (27, 'biokoridor ÚSES'),
  (28, 'významný krajinný prvek'),
  (29, 'lesy v pásmu ohrožení imisemi'),
  (30, 'lesy s omezením těžby'),
  (53, 'lesy poškozené imisemi'),
  (55, 'lesy v zóně havarijního plánování'),
  (56, 'lesy ve vojenském újezdu'),
  (57, 'lesy v ochranném pásmu dráhy');

-- ZVL_STBzOchr: special statuses without the nature-protection ones
INSERT INTO ZVL_STBzOchr (Kod, POPIS) VALUES
  (16, 'genová základna'),
  (17, 'uznaný zdroj reprodukčního materiálu'),
  (18, 'PHO vodního zdroje II. stupně'),
  (19, 'ochranné pásmo minerálních vod'),
  (20, 'obora'),
  (21, 'bažantnice'),
  (22, 'lesy pro výzkum a výuku'),
  (23, 'příměstské a rekreační lesy'),
  (24, 'lesy s půdoochrannou funkcí'),
  (25, 'lesy s vodoochrannou funkcí'),
  (26, 'biocentrum ÚSES'),
  (27, 'biokoridor ÚSES'),
  (28, 'významný krajinný prvek'),
  (29, 'lesy v pásmu ohrožení imisemi'),
  (30, 'lesy s omezením těžby'),
  (53, 'lesy poškozené imisemi'),
  (55, 'lesy v zóně havarijního plánování'),
  (56, 'lesy ve vojenském újezdu'),
  (57, 'lesy v ochranném pásmu dráhy');

-- ZVL_St_Zkr: special statuses, short names
INSERT INTO ZVL_St_Zkr (Kod, POPIS) VALUES
  (1, 'národní park - I. zó'),
  (2, 'národní park - II. z'),
  (3, 'národní park - III. '),
  (4, 'ochranné pásmo národ'),
  (5, 'národní přírodní rez'),
  (6, 'národní přírodní pam'),
  (7, 'přírodní rezervace'),
  (8, 'přírodní památka'),
  (9, 'CHKO - I. zóna'),
  (10, 'CHKO - II. zóna'),
  (11, 'CHKO - III. zóna'),
  (12, 'CHKO - IV. zóna'),
  (13, 'ochranné pásmo zvláš'),
  (14, 'EVL'),
  (15, 'PO'),
  (16, 'genová zákl.'),
  (17, 'uznaný zdroj RM'),
  (18, 'PHO II'),
  (19, 'ochranné pásmo miner'),
  (20, 'obora'),
  (21, 'bažantnice'),
  (22, 'lesy pro výzkum a vý'),
  (23, 'příměstské a rekreač'),
  (24, 'lesy s půdoochrannou'),
  (25, 'lesy s vodoochrannou'),
  (26, 'biocentrum'),
  (27, 'biokoridor'),
  (28, 'VKP'),
  (29, 'imise'),
  (30, 'lesy s omezením těžb'),
  (53, 'imisní škody'),
  (55, 'lesy v zóně havarijn'),
  (56, 'lesy ve vojenském új'),
  (57, 'lesy v ochranném pás');

-- C_OCHR_EVL: European sites (EVL)
INSERT INTO C_OCHR_EVL (Kod, POPIS) VALUES
  (614134, 'Žďárské vrchy'),
  (614128, 'Údolí Oslavy a Chvojnice');

-- C_OCHR_PO: bird areas
INSERT INTO C_OCHR_PO (Kod, POPIS) VALUES
  (611010, 'Žďárské vrchy');

-- C_OCHR_CHKO: protected landscape areas
INSERT INTO C_OCHR_CHKO (Kod, POPIS) VALUES
  (23, 'Žďárské vrchy'),
  (11, 'Železné hory');

-- C_OCHR_NP: national parks
INSERT INTO C_OCHR_NP (Kod, POPIS) VALUES
  (1, 'Krkonošský národní park'),
  (2, 'Šumava'),
  (3, 'Podyjí'),
  (4, 'České Švýcarsko');

-- C_OCHR_ZONY: zones of protected landscape areas and national parks
INSERT INTO C_OCHR_ZONY (Kod, POPIS) VALUES
  (1, 'I. zóna'),
  (2, 'II. zóna'),
  (3, 'III. zóna'),
  (4, 'IV. zóna');

-- C_OCHR_NPP: no rows

-- C_OCHR_NPR: national nature reserves
INSERT INTO C_OCHR_NPR (Kod, POPIS) VALUES
  (1180, 'Radostínské rašeliniště'),
  (1181, 'Žákova hora');

-- C_OCHR_PP: nature monuments
INSERT INTO C_OCHR_PP (Kod, POPIS) VALUES
  (1502, 'Tisůvka');

-- C_OCHR_PR: nature reserves
INSERT INTO C_OCHR_PR (Kod, POPIS) VALUES
  (1503, 'Pod Kamenným vrchem'),
  (1504, 'Meandry Svratky u Milov');
