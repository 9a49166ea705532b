-- Sites: forest regions, vegetation zones, site types, terrain.

-- CIS_LEOB: natural forest regions
INSERT INTO CIS_LEOB (Kod, POPIS) VALUES
  (' 1', 'Krušné hory'),
  (' 2', 'Podkrušnohorské pánve'),
  (' 3', 'Karlovarská vrchovina'),
  (' 4', 'Doupovské hory'),
  (' 5', 'České středohoří'),
  (' 6', 'Západočeská pahorkatina'),
  (' 7', 'Brdská vrchovina'),
  (' 8', 'Křivoklátsko a Český kras'),
  (' 9', 'Rakovnicko-kladenská pahorkatina'),
  ('10', 'Středočeská pahorkatina'),
  ('11', 'Český les'),
  ('12', 'Předhoří Šumavy a Novohradských hor'),
  ('13', 'Šumava'),
  ('14', 'Novohradské hory'),
  ('15', 'Jihočeské pánve'),
  ('16', 'Českomoravská vrchovina'),
  ('17', 'Polabí'),
  ('18', 'Severočeská pískovcová plošina a Č. ráj'),
  ('19', 'Lužická pískovcová vrchovina'),
  ('20', 'Lužická pahorkatina'),
  ('21', 'Jizerské hory a Ještěd'),
  ('22', 'Krkonoše'),
  ('23', 'Podkrkonoší'),
  ('24', 'Sudetské mezihoří'),
  ('25', 'Orlické hory'),
  ('26', 'Předhoří Orlických hor'),
  ('27', 'Hrubý Jeseník'),
  ('28', 'Předhoří Hrubého Jeseníku'),
  ('29', 'Nízký Jeseník'),
  ('30', 'Drahanská vrchovina'),
  ('31', 'Českomoravské mezihoří'),
  ('32', 'Slezská nížina'),
  ('33', 'Předhoří Českomoravské vrchoviny'),
  ('34', 'Hornomoravský úval'),
  ('35', 'Jihomoravské úvaly'),
  ('36', 'Středomoravské Karpaty'),
  ('37', 'Kelečská pahorkatina'),
  ('38', 'Bílé Karpaty a Vizovické vrchy'),
  ('39', 'Podbeskydská pahorkatina'),
  ('40', 'Moravskoslezské Beskydy'),
  ('41', 'Hostýnskovsetínské vrchy a Javorníky');

-- CISLOB99: natural forest regions, 1999 list
INSERT INTO CISLOB99 (Kod, POPIS) VALUES
  (' 1', 'Krušné hory'),
  (' 2', 'Podkrušnohorské pánve'),
  (' 3', 'Karlovarská vrchovina'),
  (' 4', 'Doupovské hory'),
  (' 5', 'České středohoří'),
  (' 6', 'Západočeská pahorkatina'),
  (' 7', 'Brdská vrchovina'),
  (' 8', 'Křivoklátsko a Český kras'),
  (' 9', 'Rakovnicko-kladenská pahorkatina'),
  ('10', 'Středočeská pahorkatina'),
  ('11', 'Český les'),
  ('12', 'Předhoří Šumavy a Novohradských hor'),
  ('13', 'Šumava'),
  ('14', 'Novohradské hory'),
  ('15', 'Jihočeské pánve'),
  ('16', 'Českomoravská vrchovina'),
  ('17', 'Polabí'),
  ('18', 'Severočeská pískovcová plošina a Č. ráj'),
  ('19', 'Lužická pískovcová vrchovina'),
  ('20', 'Lužická pahorkatina'),
  ('21', 'Jizerské hory a Ještěd'),
  ('22', 'Krkonoše'),
  ('23', 'Podkrkonoší'),
  ('24', 'Sudetské mezihoří'),
  ('25', 'Orlické hory'),
  ('26', 'Předhoří Orlických hor'),
  ('27', 'Hrubý Jeseník'),
  ('28', 'Předhoří Hrubého Jeseníku'),
  ('29', 'Nízký Jeseník'),
  ('30', 'Drahanská vrchovina'),
  ('31', 'Českomoravské mezihoří'),
  ('32', 'Slezská nížina'),
  ('33', 'Předhoří Českomoravské vrchoviny'),
  ('34', 'Hornomoravský úval'),
  ('35', 'Jihomoravské úvaly'),
  ('36', 'Středomoravské Karpaty'),
  ('37', 'Kelečská pahorkatina'),
  ('38', 'Bílé Karpaty a Vizovické vrchy'),
  ('39', 'Podbeskydská pahorkatina'),
  ('40', 'Moravskoslezské Beskydy'),
  ('41', 'Hostýnskovsetínské vrchy a Javorníky');

-- CisLeOb99: the same rows as CISLOB99
INSERT INTO CisLeOb99 SELECT * FROM CISLOB99;

-- Cis_Podob: no rows

-- CIS_LVS: forest vegetation zones
INSERT INTO CIS_LVS (Kod, POPIS) VALUES
  (0, 'bory'),
  (1, 'dubový'),
  (2, 'bukodubový'),
  (3, 'dubobukový'),
  (4, 'bukový'),
  (5, 'jedlobukový'),
  (6, 'smrkobukový'),
  (7, 'bukosmrkový'),
  (8, 'smrkový'),
  (9, 'klečový');

-- Cis_SLT: groups of forest types (SLT)
INSERT INTO Cis_SLT (Kod, POPIS) VALUES
  ('5K', 'kyselá jedlová bučina'),
  ('5N', 'kamenitá kyselá jedlová bučina'),
  ('5I', 'uléhavá kyselá jedlová bučina'),
  ('5S', 'svěží jedlová bučina'),
  ('5B', 'bohatá jedlová bučina'),
  ('5D', 'obohacená jedlová bučina'),
  ('5O', 'svěží jedlová smrčina'),
  ('5P', 'kyselá jedlová smrčina'),
  ('5Q', 'chudá jedlová smrčina'),
  ('5G', 'podmáčená jedlová smrčina'),
  ('5T', 'chudá podmáčená jedl. smrčina'),
  ('5Y', 'skeletová jedlová bučina'),
  ('6K', 'kyselá smrková bučina'),
  ('6N', 'kamenitá kyselá smrková bučina'),
  ('6I', 'uléhavá kyselá smrková bučina'),
  ('6S', 'svěží smrková bučina'),
  ('6B', 'bohatá smrková bučina'),
  ('6D', 'obohacená smrková bučina'),
  ('6O', 'svěží bukojedlová smrčina'),
  ('6P', 'kyselá bukojedlová smrčina'),
  ('6Q', 'chudá bukojedlová smrčina'),
  ('6Y', 'skeletová smrková bučina');

-- CIS_LT: forest types
INSERT INTO CIS_LT (Kod, POPIS) VALUES
  ('5K1', 'kyselá jedl. bučina metličková'),
  ('5K2', 'kyselá jedl. bučina brusnicová'),
  ('5S1', 'svěží jedlová bučina šťavelová'),
  ('5S6', 'svěží jedl. bučina kapradinová'),
  ('5O1', 'jedlová smrčina šťavelová'),
  ('5G1', 'podmáčená jedlová smrčina'),
  ('5Y1', 'skeletová jedlová bučina'),
  ('6K1', 'kyselá smrk. bučina metličková'),
  ('6K2', 'kyselá smrková bučina třtinová'),
  ('6S1', 'svěží smrková bučina šťavelová'),
  ('6O1', 'bukojedlová smrčina šťavelová');

-- CIS_PLT: PLT codes
INSERT INTO CIS_PLT (Kod, POPIS) VALUES
  ('***', 'neurčeno');

-- CIS_TETY: terrain types
INSERT INTO CIS_TETY (Kod, POPIS) VALUES
  (1, 'rovina, mírný svah do 20 %'),
  (2, 'svah 21 až 40 %'),
  (3, 'příkrý svah nad 40 %'),
  (4, 'podmáčený terén'),
  (5, 'balvanitý terén');

-- CIS_PAOH: zones of air-pollution threat
INSERT INTO CIS_PAOH (Kod, POPIS) VALUES
  ('A', 'pásmo ohrožení A'),
  ('B', 'pásmo ohrožení B'),
  ('C', 'pásmo ohrožení C'),
  ('D', 'pásmo ohrožení D');

-- IMISE: air-pollution damage zones
INSERT INTO IMISE (Kod, POPIS) VALUES
  ('0', 'mimo pásmo ohrožení'),
  ('A', 'pásmo A - nejvyšší ohrožení'),
  ('B', 'pásmo B - vysoké ohrožení'),
  ('C', 'pásmo C - střední ohrožení'),
  ('D', 'pásmo D - mírné ohrožení'),
  ('01', '0/1 přechodné pásmo');

-- IMISE99: the same rows as IMISE
INSERT INTO IMISE99 SELECT * FROM IMISE;

-- Biotop: habitat types
INSERT INTO Biotop (Kod, POPIS) VALUES
  ('L5.1', 'květnaté bučiny'),
  ('L5.4', 'acidofilní bučiny'),
  ('L9.1', 'horské třtinové smrčiny'),
  ('L9.2', 'rašelinné a podmáčené smrčiny'),
  ('L2.2', 'údolní jasanovo-olšové luhy'),
  ('R3.1', 'otevřená vrchoviště'),
  ('X9', 'lesní kultury s nepůvodními dřevinami');
