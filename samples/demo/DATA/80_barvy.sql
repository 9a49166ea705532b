-- Colour codes of a few values, as the data-entry forms leave them:
-- 1 white (checked), 2 yellow (changed), 5 aqua (entered by hand).

-- 11A1 group 12: area entered by hand, layer 12 rotation changed
UPDATE PS SET PSK_P_br = 5 WHERE ID = 3;
UPDATE ETAZ SET OBMYTI_br = 2 WHERE ID = 3;
-- 11A2 group 6: spruce volume entered by hand
UPDATE DREVINA SET DR_ZAS_CELK_br = 5, DR_ZAS_HA_br = 5 WHERE VAZBA = 5 AND DR_ZKR = 'SM';
-- 12A1: remark and special status checked
UPDATE POR_POZN SET Poznamka_br = 1 WHERE VAZBA = 5;
UPDATE ZvlSt SET ZVL_STATUT_BR = 1 WHERE VAZBA = 5;
-- 12C1 group 10: regeneration felling area changed
UPDATE NAVRH SET N_Plocha_br = 2 WHERE Vazba = (SELECT E.ID FROM ETAZ E JOIN PS P ON E.VAZBA = P.ID
    WHERE P.VAZBA = 8 AND P.PSK = '10' AND E.ETAZ = '10') AND N_Druh_vykonu = 10 AND N_Zkratka_dreviny IS NULL;
-- 13B2: category overlay checked
UPDATE PREKRYV SET KTG_STR_br = 1 WHERE VAZBA = 12;
UPDATE POROST SET KTG_STR_br = 1 WHERE ID = 12;
