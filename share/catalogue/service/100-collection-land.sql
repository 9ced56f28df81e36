-- Seed data of the price catalogue (service.fdb), loaded by velta2-cli create-databases.
-- Keys are explicit and referenced across files and by the estimate templates (../velta).
-- Note texts and section comments are plain text: the note cipher runs with an empty key.
-- Collection 1. Sources: Назва, наказ і дата — опублікований збірник (zakon.rada.gov.ua z0579-01); нумерація розділів 1.3, 2.2, 2.2.1, 5.5, 5.5.1, 5.12, 5.15 — з опублікованого тексту; усі ціни — наші, того ж устрою.

INSERT INTO "Service" ("ID_Service", "Name", "Date")
  VALUES (1, 'Розміри оплати земельно-кадастрових робіт та послуг (наказ Держкомзему, Мінфіну, Мінекономіки від 15.06.2001 № 97/298/124)', '2001-06-15');

-- Index coefficients (ServiceKof): fPassive 'T' = not in force.
-- рядок 10: його стан «пасивно» програма зберігає при заміні каталогу; значення 1,0 — базовий рівень
INSERT INTO "ServiceKof" ("ID_ServiceKof", "ID_Service", "Date", "Name", "Description", "Kof", "Formula", "fPassive")
  VALUES (10, 1, '2001-07-10', 'Коефіцієнт індексації 2001 р.', 'Базовий рівень цін збірника (зареєстровано в Мін’юсті 10.07.2001 № 579/5770)', 1, NULL, 'T');
-- наше значення
INSERT INTO "ServiceKof" ("ID_ServiceKof", "ID_Service", "Date", "Name", "Description", "Kof", "Formula", "fPassive")
  VALUES (11, 1, '2008-01-01', 'Коефіцієнт індексації 2008 р.', 'Індекс зміни вартості робіт (наше значення)', 1.85, NULL, 'T');
-- наше значення; 1,249 — річний індекс 2014 р. з ряду Держгеокадастру (T15), тут лише як зразок ланцюга
INSERT INTO "ServiceKof" ("ID_ServiceKof", "ID_Service", "Date", "Name", "Description", "Kof", "Formula", "fPassive")
  VALUES (12, 1, '2014-01-01', 'Коефіцієнт індексації 2014 р.', 'Індекс зміни вартості робіт (наше значення)', 0, '1.85*1.249', 'T');
-- діючий; ланцюг річних індексів — зразок (T15), добуток — наше значення
INSERT INTO "ServiceKof" ("ID_ServiceKof", "ID_Service", "Date", "Name", "Description", "Kof", "Formula", "fPassive")
  VALUES (13, 1, '2024-01-01', 'Коефіцієнт індексації 2024 р.', 'Індекс зміни вартості робіт станом на 01.01.2024 (наше значення)', 0, 'Round(1.85*1.249*1.433*1.12*1000)/1000', 'F');

-- ---- 0 Загальні положення: нарахування на вартість робіт (type 1)
-- source: our own percentages; the 2001 collection prices by man-day cost, man-day charges are ours
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (101, 1, NULL, 1, 0, '0', 'Загальні положення', 'Загальні положення: нарахування на вартість робіт', 'Нарахування, що визначаються у відсотках від вартості польових або камеральних робіт' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'за збірником, або за кількістю людино-днів.' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'Програма додає цей розділ до кожного кошторису автоматично.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (1, 101, 1, 5, 0, 'Витрати на внутрішній транспорт визначаються у відсотках від вартості польових робіт.', 'Заг. положення, п. 4.1', 1040, 'Витрати на внутрішній транспорт, %', NULL, NULL, NULL, 15, NULL, 0, 'n/100', 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (2, 101, 2, 5, 0, 'Витрати на організацію і ліквідацію робіт при вартості польових робіт до 5000 грн — 9 %.', 'Заг. положення, п. 4.2', 1046, 'Сума польових робіт, грн', 3, 5000, NULL, 0, NULL, 0.09, NULL, 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (3, 101, 3, 5, 0, 'Витрати на організацію і ліквідацію робіт при вартості польових робіт від 5000 до 20000 грн — 7,5 %.', 'Заг. положення, п. 4.2', 1046, 'Сума польових робіт, грн', 4, 5000, 20000, 0, NULL, 0.075, NULL, 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (4, 101, 4, 5, 0, 'Витрати на організацію і ліквідацію робіт при вартості польових робіт 20000 грн і більше — 6 %.', 'Заг. положення, п. 4.2', 1046, 'Сума польових робіт, грн', 8, 20000, NULL, 0, NULL, 0.06, NULL, 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (5, 101, 5, 7, 0, 'Польове забезпечення виконавців: сума на один людино-день польових робіт.', 'Заг. положення, п. 4.3', 1044, 'Польове забезпечення на 1 люд.-день, грн', NULL, NULL, NULL, 5, NULL, 0, 'n', 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (6, 101, 6, 8, 0, 'Накладні витрати камеральних робіт — 2,10 грн на один людино-день.', 'Заг. положення, п. 4.4', 1039, 'Нарахування на людино-дні камеральних робіт', 0, 1, NULL, 1, NULL, 2.1, NULL, 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (7, 101, 7, 6, 0, 'Виготовлення кожного додаткового примірника документації — 2 % від вартості камеральних робіт.', 'Заг. положення, п. 4.5', 1024, 'Кількість додаткових примірників документації', 2, 0, NULL, 1, NULL, 0, '0.02*n', 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (8, 101, 8, 0, 1, 'Регіональний коефіцієнт до вартості робіт встановлюється за погодженням із замовником.', 'Заг. положення, п. 5', 1028, 'Регіональний коефіцієнт', NULL, NULL, NULL, 1, NULL, 1, NULL, 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (9, 101, 9, 3, 1, 'Інші витрати, що не враховані цінами збірника (вводяться кошторисником), грн.', 'Інші витрати', 1045, 'Інші витрати, грн', NULL, NULL, NULL, 0, NULL, 0, NULL, 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (10, 101, 10, 2, 0, 'При терміновому виконанні до вартості камеральних робіт застосовується коефіцієнт 1,25.', 'Заг. положення, п. 6', 1034, 'Термінове виконання робіт', 0, 1, NULL, 0, NULL, 1.25, NULL, 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (11, 101, 11, 1, 0, 'У гірській місцевості до вартості польових робіт застосовується коефіцієнт 1,15.', 'Заг. положення, п. 7', 1031, 'Гірська місцевість', 0, 1, NULL, 0, NULL, 1.15, NULL, 0, NULL);

-- ---- 1 Топографо-геодезичні та картографічні роботи (type 2)
-- source: our own grouping and notes
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (110, 1, NULL, 2, 1, '1', 'Розділ 1', 'Топографо-геодезичні та картографічні роботи', 'Примітки розділу поширюються на всі його підрозділи.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (12, 110, 1, 1, 0, 'При виконанні польових робіт у зимовий період до їх вартості застосовується коефіцієнт 1,2.', 'розд. 1, прим. 1', 1030, 'Роботи в зимовий період', 0, 1, NULL, 0, NULL, 1.2, NULL, 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number", "ID_TypeParameter2", "ID_TypeValue2", "ValueFrom2", "ValueTo2", "Default2", "Operator2", "Divisor2")
  VALUES (13, 110, 2, 1, 0, 'У гірській місцевості або на заболоченій (залісненій) території — коефіцієнт 1,3 до польових робіт.', 'розд. 1, прим. 2', 1031, 'Гірська місцевість', 0, 1, NULL, 0, NULL, 1.3, NULL, 1, NULL, 1032, 0, 1, NULL, 0, 1, NULL);

-- ---- 1.3 Створення цифрових планів і карт (type 0)
-- source: category I text from the published 2001 collection (1.3, geoguide art=4803); prices are ours
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (111, 1, 110, 0, 3, '1.3', 'табл. 1.3', 'Створення цифрових планів і карт', '<html><body><p><b>Комплекс робіт включає:</b> підготовчі роботи, польове обстеження, векторизацію, редагування та контроль цифрового плану.</p><p><b>Кінцевою продукцією є</b> цифровий план у файлах обмінного формату і пояснювальна записка.</p><p>Одиниця виміру: 1 га.</p></body></html>', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (1, 111, 1, 'I категорія – місцевість відкрита, не забудована, з кількістю значних контурів нескладних' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'обрисів не більше 10 на один кв. дм плану.' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'Рельєф плоскорівнинний, без балок і ярів.');
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (2, 111, 2, 'II категорія – місцевість частково забудована, з кількістю контурів від 10 до 30' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'на один кв. дм плану.' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'Рельєф хвилястий, з окремими балками.');
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (3, 111, 3, 'III категорія – місцевість забудована, з кількістю контурів понад 30 на один кв. дм плану.' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'Рельєф пересічений, з балками і ярами.');
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (1, 111, 1001, 0, 1, 'Категорія складності робіт', 2, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (2, 111, 1004, 9, 2, 'Масштаб плану', 2000, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (3, 111, 1010, 2, 3, 'Площа знімання, га', 10, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (4, 111, 1010, 3, 4, 'Площа знімання, га', 10, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (5, 111, 1010, 6, 5, 'Площа знімання, га', 10, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (1, 111, 1, 1, 500, NULL, 0, 5, NULL, NULL, 95, 60, 2.262, 1.429, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (2, 111, 2, 1, 500, NULL, 5, 20, NULL, NULL, 85.5, 54, 2.036, 1.286, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (3, 111, 3, 1, 500, NULL, 20, 1000000, NULL, NULL, 76, 48, 1.81, 1.143, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (4, 111, 4, 1, 1000, NULL, 0, 5, NULL, NULL, 52.25, 33, 1.244, 0.786, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (5, 111, 5, 1, 1000, NULL, 5, 20, NULL, NULL, 47.03, 29.7, 1.12, 0.707, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (6, 111, 6, 1, 1000, NULL, 20, 1000000, NULL, NULL, 41.8, 26.4, 0.995, 0.629, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (7, 111, 7, 1, 2000, NULL, 0, 5, NULL, NULL, 28.5, 18, 0.679, 0.429, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (8, 111, 8, 1, 2000, NULL, 5, 20, NULL, NULL, 25.65, 16.2, 0.611, 0.386, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (9, 111, 9, 1, 2000, NULL, 20, 1000000, NULL, NULL, 22.8, 14.4, 0.543, 0.343, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (10, 111, 10, 2, 500, NULL, 0, 5, NULL, NULL, 128.25, 81, 3.054, 1.929, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (11, 111, 11, 2, 500, NULL, 5, 20, NULL, NULL, 115.42, 72.9, 2.748, 1.736, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (12, 111, 12, 2, 500, NULL, 20, 1000000, NULL, NULL, 102.6, 64.8, 2.443, 1.543, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (13, 111, 13, 2, 1000, NULL, 0, 5, NULL, NULL, 70.54, 44.55, 1.68, 1.061, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (14, 111, 14, 2, 1000, NULL, 5, 20, NULL, NULL, 63.48, 40.1, 1.511, 0.955, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (15, 111, 15, 2, 1000, NULL, 20, 1000000, NULL, NULL, 56.43, 35.64, 1.344, 0.849, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (16, 111, 16, 2, 2000, NULL, 0, 5, NULL, NULL, 38.48, 24.3, 0.916, 0.579, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (17, 111, 17, 2, 2000, NULL, 5, 20, NULL, NULL, 34.63, 21.87, 0.825, 0.521, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (18, 111, 18, 2, 2000, NULL, 20, 1000000, NULL, NULL, 30.78, 19.44, 0.733, 0.463, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (19, 111, 19, 3, 500, NULL, 0, 5, NULL, NULL, 171, 108, 4.071, 2.571, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (20, 111, 20, 3, 500, NULL, 5, 20, NULL, NULL, 153.9, 97.2, 3.664, 2.314, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (21, 111, 21, 3, 500, NULL, 20, 1000000, NULL, NULL, 136.8, 86.4, 3.257, 2.057, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (22, 111, 22, 3, 1000, NULL, 0, 5, NULL, NULL, 94.05, 59.4, 2.239, 1.414, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (23, 111, 23, 3, 1000, NULL, 5, 20, NULL, NULL, 84.65, 53.46, 2.015, 1.273, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (24, 111, 24, 3, 1000, NULL, 20, 1000000, NULL, NULL, 75.24, 47.52, 1.791, 1.131, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (25, 111, 25, 3, 2000, NULL, 0, 5, NULL, NULL, 51.3, 32.4, 1.221, 0.771, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (26, 111, 26, 3, 2000, NULL, 5, 20, NULL, NULL, 46.17, 29.16, 1.099, 0.694, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (27, 111, 27, 3, 2000, NULL, 20, 1000000, NULL, NULL, 41.04, 25.92, 0.977, 0.617, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (14, 111, 1, 0, 0, 'При оновленні (коректурі) існуючого цифрового плану до вартості робіт застосовується коефіцієнт 0,5.', 'табл. 1.3, прим. 1', 1033, 'Коректура (оновлення) існуючого плану', 0, 1, NULL, 0, NULL, 0.5, NULL, 0, NULL);

-- ---- 1.4 Виготовлення копій планово-картографічних матеріалів (type 0)
-- source: our own plausible prices, man-days and notes, in the structure of the collection
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (112, 1, 110, 0, 4, '1.4', 'табл. 1.4', 'Виготовлення копій планово-картографічних матеріалів', 'Одиниця виміру: 1 аркуш формату А1.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (6, 112, 1023, 5, 1, 'Кількість аркушів', 2, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (28, 112, 1, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, 18.5, NULL, 0.44, NULL);

-- ---- 2 Земельно-кадастрові роботи (type 2)
-- source: our own grouping and notes
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (120, 1, NULL, 2, 2, '2', 'Розділ 2', 'Земельно-кадастрові роботи', NULL, NULL, NULL, NULL, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (15, 120, 1, 0, 0, 'При виконанні робіт у строк до п’яти робочих днів до їх вартості застосовується коефіцієнт 1,5.', 'розд. 2, прим. 1', 1034, 'Термінове виконання робіт', 0, 1, NULL, 0, NULL, 1.5, NULL, 0, NULL);

-- ---- 2.2 Вирахування площ, виготовлення матеріалів для графічного обліку земель (type 2)
-- source: numbering 2.2 from the published 2001 collection; notes ours
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (121, 1, 120, 2, 2, '2.2', 'Розділ 2.2', 'Вирахування площ, виготовлення матеріалів для графічного обліку земель', 'Вирахування площ виконується аналітичним способом за координатами поворотних точок.', NULL, NULL, NULL, NULL);

-- ---- 2.2.1 Вирахування загальної площі земельних ділянок (type 0)
-- source: name and number 2.2.1 from the published 2001 collection; prices ours
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (122, 1, 121, 0, 1, '2.2.1', 'табл. 2.2.1', 'Вирахування загальної площі земельних ділянок', 'Комплекс робіт включає: підбір матеріалів, вирахування площі, контроль, складання' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'відомості площ.' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'Одиниця виміру: земельна ділянка.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (7, 122, 1009, 9, 1, 'Площа земельної ділянки, га', 0.5, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (8, 122, 1009, 1, 2, 'Площа земельної ділянки, га', 0.5, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (9, 122, 1016, 5, 3, 'Кількість земельних ділянок', 1, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (29, 122, 1, NULL, 0, 1, NULL, NULL, NULL, NULL, 0, 14.2, NULL, 0.338, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (30, 122, 2, NULL, 1, 10, NULL, NULL, NULL, NULL, 0, 21.3, NULL, 0.507, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (31, 122, 3, NULL, 10, 50, NULL, NULL, NULL, NULL, 0, 35.5, NULL, 0.845, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (32, 122, 4, NULL, 50, 1000000, NULL, NULL, NULL, NULL, 0, 56.8, NULL, 1.352, NULL);

-- ---- 2.2.2 Складання кадастрового плану земельної ділянки (type 0)
-- source: our own plausible prices, man-days and notes, in the structure of the collection
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (123, 1, 121, 0, 2, '2.2.2', 'табл. 2.2.2', 'Складання кадастрового плану земельної ділянки', 'Кінцевою продукцією є кадастровий план земельної ділянки (2 примірники).' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'Одиниця виміру: земельна ділянка.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (10, 123, 1009, 9, 1, 'Площа земельної ділянки, га', 0.1, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (11, 123, 1009, 1, 2, 'Площа земельної ділянки, га', 0.1, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (12, 123, 1017, 2, 3, 'Кількість поворотних точок межі', 4, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (13, 123, 1017, 3, 4, 'Кількість поворотних точок межі', 4, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (14, 123, 1016, 5, 5, 'Кількість земельних ділянок', 1, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (33, 123, 1, NULL, 0, 0.25, 0, 10, NULL, NULL, 0, 38, NULL, 0.905, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (34, 123, 2, NULL, 0, 0.25, 10, 30, NULL, NULL, 0, 49.4, NULL, 1.176, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (35, 123, 3, NULL, 0, 0.25, 30, 1000000, NULL, NULL, 0, 64.6, NULL, 1.538, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (36, 123, 4, NULL, 0.25, 1, 0, 10, NULL, NULL, 0, 45.6, NULL, 1.086, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (37, 123, 5, NULL, 0.25, 1, 10, 30, NULL, NULL, 0, 59.28, NULL, 1.411, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (38, 123, 6, NULL, 0.25, 1, 30, 1000000, NULL, NULL, 0, 77.52, NULL, 1.846, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (39, 123, 7, NULL, 1, 5, 0, 10, NULL, NULL, 0, 57, NULL, 1.357, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (40, 123, 8, NULL, 1, 5, 10, 30, NULL, NULL, 0, 74.1, NULL, 1.764, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (41, 123, 9, NULL, 1, 5, 30, 1000000, NULL, NULL, 0, 96.9, NULL, 2.307, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (42, 123, 10, NULL, 5, 1000000, 0, 10, NULL, NULL, 0, 76, NULL, 1.81, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (43, 123, 11, NULL, 5, 1000000, 10, 30, NULL, NULL, 0, 98.8, NULL, 2.352, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (44, 123, 12, NULL, 5, 1000000, 30, 1000000, NULL, NULL, 0, 129.2, NULL, 3.076, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (16, 123, 1, 2, 0, 'Нанесення на кадастровий план меж обмежень (обтяжень) — коефіцієнт 1,15 до камеральних робіт.', 'табл. 2.2.2, прим. 1', 1059, 'Наявність обмежень (обтяжень) у використанні земель', 0, 1, NULL, 1, NULL, 1.15, NULL, 0, NULL);

-- ---- 2.4 Формування електронного документа (обмінного файлу) для внесення відомостей до ДЗК (type 0)
-- source: our own plausible prices, man-days and notes, in the structure of the collection
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (124, 1, 120, 0, 4, '2.4', 'табл. 2.4', 'Формування електронного документа (обмінного файлу) для внесення відомостей до ДЗК', 'Одиниця виміру: земельна ділянка.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (15, 124, 1016, 5, 1, 'Кількість земельних ділянок', 1, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (45, 124, 1, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, 45, NULL, 1.071, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (17, 124, 1, 3, 0, 'Вартість послуг сторонніх організацій (витяги, довідки) додається до вартості робіт.', 'табл. 2.4, прим. 1', 1043, 'Вартість послуг сторонніх організацій, грн', NULL, NULL, NULL, 0, NULL, 0, 'n', 0, NULL);

-- ---- 5 Землевпорядні роботи (type 2)
-- source: our own grouping and notes
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (150, 1, NULL, 2, 5, '5', 'Розділ 5', 'Землевпорядні роботи', 'Примітки розділу поширюються на всі його підрозділи (до трьох рівнів).', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (317, 150, 1, 0, 0, 'При виконанні робіт для новостворених господарств, що мають правовстановлювальні документи на землю, до вартості робіт застосовується коефіцієнт 0,9.', 'розд. 5, прим. 1', 1064, 'виконання робіт для новостворених господарств, що мають правовстановлювальні документи на землю', 0, 1, NULL, 0, NULL, 0.9, NULL, 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number", "ID_TypeParameter2", "ID_TypeValue2", "ValueFrom2", "ValueTo2", "Default2", "Operator2", "Divisor2", "ID_TypeParameter3", "ID_TypeValue3", "ValueFrom3", "ValueTo3", "Default3", "Operator3", "Divisor3")
  VALUES (18, 150, 2, 1, 0, 'Роботи в зимовий період, на заболоченій (залісненій) території або в гірській місцевості — коефіцієнт 1,2 до вартості польових робіт.', 'розд. 5, прим. 2', 1030, 'Роботи в зимовий період', 0, 1, NULL, 0, NULL, 1.2, NULL, 2, NULL, 1032, 0, 1, NULL, 0, 1, NULL, 1031, 0, 1, NULL, 0, 1, NULL);

-- ---- 5.2 Складання проектів землеустрою щодо відведення земельних ділянок (type 2)
-- source: K = 1 + 0.1 (n - 1) and x1.5 for written-out coordinates from the Roskomzem collection, item 2.5 (structure only); applying them here is ours
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (151, 1, 150, 2, 2, '5.2', 'Розділ 5.2', 'Складання проектів землеустрою щодо відведення земельних ділянок', NULL, NULL, NULL, NULL, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (19, 151, 1, 2, 0, 'K = 1,0 + 0,10 (n - 1), де n — кількість суміжних землекористувачів; застосовується до вартості камеральних робіт.', 'розд. 5.2, прим. 1', 1020, 'Кількість суміжних землекористувачів', 1, 0, NULL, 2, NULL, 0, '1+0.1*(n-1)', 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (20, 151, 2, 4, 0, 'Якщо виписуються координати суміжних землекористувань, надбавка за п. 1 застосовується з коефіцієнтом 1,5.', 'розд. 5.2, прим. 2', 1035, 'Виписування координат суміжних землекористувань', 0, 1, NULL, 0, NULL, 1.5, NULL, 0, 1);

-- ---- 5.2.1 Проект землеустрою щодо відведення земельної ділянки громадянину (ОСГ, житлове будівництво, садівництво) (type 0)
-- source: our own plausible prices, man-days and notes, in the structure of the collection
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (152, 1, 151, 0, 1, '5.2.1', 'табл. 5.2.1', 'Проект землеустрою щодо відведення земельної ділянки громадянину (ОСГ, житлове будівництво, садівництво)', 'Одиниця виміру: до 1 га — земельна ділянка; понад 1 га — 1 га площі.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (16, 152, 1009, 9, 1, 'Площа земельної ділянки, га', 0.12, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (17, 152, 1009, 1, 2, 'Площа земельної ділянки, га', 0.12, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (18, 152, 1016, 6, 3, 'Кількість земельних ділянок', 1, 1, NULL, 1);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (19, 152, 1009, 6, 4, 'Площа земельної ділянки, га', 0.12, 1, NULL, 2);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (46, 152, 1, NULL, 0, 0.25, NULL, NULL, NULL, NULL, 110, 185, 2.619, 4.405, 1);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (47, 152, 2, NULL, 0.25, 1, NULL, NULL, NULL, NULL, 150, 240, 3.571, 5.714, 1);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (48, 152, 3, NULL, 1, 5, NULL, NULL, NULL, NULL, 140, 210, 3.333, 5, 2);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (49, 152, 4, NULL, 5, 1000000, NULL, NULL, NULL, NULL, 100, 150, 2.381, 3.571, 2);

-- ---- 5.2.2 Проект землеустрою щодо відведення земельної ділянки для ведення фермерського господарства (type 0)
-- source: our own plausible prices, man-days and notes, in the structure of the collection
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (153, 1, 151, 0, 2, '5.2.2', 'табл. 5.2.2', 'Проект землеустрою щодо відведення земельної ділянки для ведення фермерського господарства', NULL, NULL, NULL, NULL, NULL);
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (4, 153, 1, 'I категорія – ділянка з одного виду угідь,' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'один масив.');
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (5, 153, 2, 'II категорія – ділянка з двох і більше видів угідь' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'або з кількох масивів.');
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (20, 153, 1001, 0, 1, 'Категорія складності робіт', 1, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (21, 153, 1009, 9, 2, 'Площа земельної ділянки, га', 10, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (22, 153, 1009, 1, 3, 'Площа земельної ділянки, га', 10, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (50, 153, 1, 1, 0, 5, NULL, NULL, NULL, NULL, 320, 480, 7.619, 11.429, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (51, 153, 2, 1, 5, 20, NULL, NULL, NULL, NULL, 420, 640, 10, 15.238, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (52, 153, 3, 1, 20, 50, NULL, NULL, NULL, NULL, 560, 850, 13.333, 20.238, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (53, 153, 4, 1, 50, 1000000, NULL, NULL, NULL, NULL, 760, 1150, 18.095, 27.381, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (54, 153, 5, 2, 0, 5, NULL, NULL, NULL, NULL, 400, 600, 9.524, 14.286, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (55, 153, 6, 2, 5, 20, NULL, NULL, NULL, NULL, 525, 800, 12.5, 19.048, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (56, 153, 7, 2, 20, 50, NULL, NULL, NULL, NULL, 700, 1062.5, 16.667, 25.298, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (57, 153, 8, 2, 50, 1000000, NULL, NULL, NULL, NULL, 950, 1437.5, 22.619, 34.226, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number", "ID_TypeParameter2", "ID_TypeValue2", "ValueFrom2", "ValueTo2", "Default2", "Operator2", "Divisor2")
  VALUES (21, 153, 1, 0, 0, 'Якщо на ділянці встановлено три і більше обмежень (обтяжень) — коефіцієнт 1,1.', 'табл. 5.2.2, прим. 1', 1059, 'Наявність обмежень (обтяжень) у використанні земель', 0, 1, NULL, 1, NULL, 1.1, NULL, 1, NULL, 1060, 8, 3, NULL, 1, 0, NULL);

-- ---- 5.2.3 Проект землеустрою щодо відведення земельної ділянки зі зміною цільового призначення (type 0)
-- source: our own plausible prices, man-days and notes, in the structure of the collection
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (154, 1, 151, 0, 3, '5.2.3', 'табл. 5.2.3', 'Проект землеустрою щодо відведення земельної ділянки зі зміною цільового призначення', 'Одиниця виміру: проект.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (58, 154, 1, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 180, 420, 4.286, 10, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number", "ID_TypeParameter2", "ID_TypeValue2", "ValueFrom2", "ValueTo2", "Default2", "Operator2", "Divisor2")
  VALUES (22, 154, 1, 0, 0, 'На забудованій території або при щільності забудови понад 30 % — коефіцієнт 1,15.', 'табл. 5.2.3, прим. 1', 1029, 'Забудована територія', 0, 1, NULL, 1, NULL, 1.15, NULL, 1, NULL, 1041, 6, 30, 100, 20, 1, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (23, 154, 2, 0, 1, 'Коефіцієнт ускладнення робіт встановлюється кошторисником за погодженням із замовником.', 'табл. 5.2.3, прим. 2', 1027, 'Коефіцієнт ускладнення робіт', NULL, NULL, NULL, 1, NULL, 1, NULL, 0, NULL);

-- ---- 5.5 Перенесення проектів землеустрою в натуру (на місцевість) (type 2)
-- source: name and work content of 5.5 / 5.5.1 from the published 2001 collection (art=4808); the composite coefficient is ours
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (155, 1, 150, 2, 5, '5.5', 'Розділ 5.5', 'Перенесення проектів землеустрою в натуру (на місцевість)', '<html><body><p><b>Комплекс робіт включає:</b> вибірку планово-картографічних матеріалів і документів; виписування координат, необхідних для установлення (відновлення) меж; винесення і закріплення межових знаків; погодження меж із суміжниками.</p><p>Коефіцієнт складності (прим. 1) обчислюється за формулою з кількістю суміжників <i>n</i>, поворотних точок <i>m</i>, довжиною межі <i>p</i> і кількістю масивів <i>o</i>.</p></body></html>', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number", "ID_TypeParameter2", "ID_TypeValue2", "ValueFrom2", "ValueTo2", "Default2", "Operator2", "Divisor2", "ID_TypeParameter3", "ID_TypeValue3", "ValueFrom3", "ValueTo3", "Default3", "Operator3", "Divisor3", "ID_TypeParameter4", "ID_TypeValue4", "ValueFrom4", "ValueTo4", "Default4", "Operator4", "Divisor4")
  VALUES (24, 155, 1, 0, 0, 'Коефіцієнт складності встановлення меж: K = (1 + 0,1 (n - 1)) (1 + 0,01 (m - 4)) (1 + 0,05 Int(p)) max(1 - 0,05 (o - 1); 0,8), де n — суміжники, m — поворотні точки, p — довжина межі, км, o — масиви.', 'розд. 5.5, прим. 1', 1020, 'Кількість суміжних землекористувачів', 8, 1, NULL, 2, NULL, 0, '(1+0,1*(n-1))*(1+0,01*(m-4))*(1+0,05*Int(p))*Max(1-0,05*(o-1), 0,8)', 3, NULL, 1017, 8, 3, NULL, 4, 0, NULL, 1014, 2, 0, NULL, 0.4, 0, NULL, 1021, 5, 1, 10, 1, 0, NULL);

-- ---- 5.5.1 Установлення (відновлення) меж земельної ділянки в натурі (type 2)
-- source: name 5.5.1 from the published 2001 collection; the boundary-mark price and distance notes are ours
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (156, 1, 155, 2, 1, '5.5.1', 'Розділ 5.5.1', 'Установлення (відновлення) меж земельної ділянки в натурі', NULL, NULL, NULL, NULL, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (25, 156, 1, 3, 0, 'Вартість виготовлення та закладання межових знаків — 42,50 грн за один знак.', 'п. 5.5.1, прим. 1', 1018, 'Кількість межових знаків', NULL, NULL, NULL, 4, NULL, 0, 'n*42.5', 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (26, 156, 2, 1, 0, 'При відстані від бази виконавця до об’єкта понад 5 до 15 км — коефіцієнт 1,1 до польових робіт.', 'п. 5.5.1, прим. 2', 1056, 'Відстань від бази виконавця до об’єкта, км', 7, 5, 15, 3, NULL, 1.1, NULL, 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (27, 156, 3, 1, 0, 'При відстані від бази виконавця до об’єкта 15 км і більше — коефіцієнт 1,2 до польових робіт.', 'п. 5.5.1, прим. 3', 1056, 'Відстань від бази виконавця до об’єкта, км', 8, 15, NULL, 3, NULL, 1.2, NULL, 0, NULL);

-- ---- 5.5.1.1 Земельні ділянки в межах населених пунктів (type 0)
-- source: our own plausible prices, man-days and notes, in the structure of the collection
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (157, 1, 156, 0, 1, '5.5.1.1', 'табл. 5.5.1, п. 1', 'Земельні ділянки в межах населених пунктів', 'Вартість польових робіт — на 1 км межі, камеральних — на одну земельну ділянку.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (23, 157, 1009, 9, 1, 'Площа земельної ділянки, га', 0.1, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (24, 157, 1009, 1, 2, 'Площа земельної ділянки, га', 0.1, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (25, 157, 1014, 4, 3, 'Довжина межі, км', 0.4, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (26, 157, 1016, 5, 4, 'Кількість земельних ділянок', 1, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (59, 157, 1, NULL, 0, 0.1, NULL, NULL, NULL, NULL, 260, 95, 6.19, 2.262, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (60, 157, 2, NULL, 0.1, 0.5, NULL, NULL, NULL, NULL, 245, 120, 5.833, 2.857, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (61, 157, 3, NULL, 0.5, 2, NULL, NULL, NULL, NULL, 230, 150, 5.476, 3.571, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (62, 157, 4, NULL, 2, 10, NULL, NULL, NULL, NULL, 215, 190, 5.119, 4.524, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (63, 157, 5, NULL, 10, 1000000, NULL, NULL, NULL, NULL, 200, 240, 4.762, 5.714, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (28, 157, 1, 1, 0, 'При щільності забудови від 50 до 100 % — коефіцієнт 1,2 до вартості польових робіт.', 'табл. 5.5.1, прим. 4', 1041, 'Щільність забудови, %', 5, 50, 100, 30, NULL, 1.2, NULL, 0, NULL);

-- ---- 5.5.1.2 Земельні ділянки за межами населених пунктів (type 0)
-- source: our own plausible prices, man-days and notes, in the structure of the collection
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (158, 1, 156, 0, 2, '5.5.1.2', 'табл. 5.5.1, п. 2', 'Земельні ділянки за межами населених пунктів', NULL, NULL, NULL, NULL, NULL);
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (6, 158, 1, 'I категорія – місцевість відкрита, рівнинна,' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'межа проходить по угіддях без перешкод.');
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (7, 158, 2, 'II категорія – місцевість напівзакрита,' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'межа перетинає лісосмуги, дороги, канали.');
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (8, 158, 3, 'III категорія – місцевість закрита (ліс, чагарник, забудова),' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'рельєф пересічений.');
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (27, 158, 1002, 0, 1, 'Категорія складності території', 1, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (28, 158, 1009, 9, 2, 'Площа земельної ділянки, га', 2, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (29, 158, 1009, 1, 3, 'Площа земельної ділянки, га', 2, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (30, 158, 1014, 4, 4, 'Довжина межі, км', 0.6, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (31, 158, 1016, 5, 5, 'Кількість земельних ділянок', 1, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (64, 158, 1, 1, 0, 1, NULL, NULL, NULL, NULL, 180, 110, 4.286, 2.619, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (65, 158, 2, 1, 1, 10, NULL, NULL, NULL, NULL, 170, 150, 4.048, 3.571, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (66, 158, 3, 1, 10, 50, NULL, NULL, NULL, NULL, 160, 210, 3.81, 5, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (67, 158, 4, 1, 50, 1000000, NULL, NULL, NULL, NULL, 150, 290, 3.571, 6.905, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (68, 158, 5, 2, 0, 1, NULL, NULL, NULL, NULL, 234, 143, 5.571, 3.405, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (69, 158, 6, 2, 1, 10, NULL, NULL, NULL, NULL, 221, 195, 5.262, 4.643, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (70, 158, 7, 2, 10, 50, NULL, NULL, NULL, NULL, 208, 273, 4.952, 6.5, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (71, 158, 8, 2, 50, 1000000, NULL, NULL, NULL, NULL, 195, 377, 4.643, 8.976, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (72, 158, 9, 3, 0, 1, NULL, NULL, NULL, NULL, 306, 187, 7.286, 4.452, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (73, 158, 10, 3, 1, 10, NULL, NULL, NULL, NULL, 289, 255, 6.881, 6.071, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (74, 158, 11, 3, 10, 50, NULL, NULL, NULL, NULL, 272, 357, 6.476, 8.5, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (75, 158, 12, 3, 50, 1000000, NULL, NULL, NULL, NULL, 255, 493, 6.071, 11.738, NULL);

-- ---- 5.5.2 Винесення в натуру (на місцевість) меж земельних масивів за проектом землеустрою (type 0)
-- source: our own plausible prices, man-days and notes, in the structure of the collection
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (159, 1, 155, 0, 2, '5.5.2', 'табл. 5.5.2', 'Винесення в натуру (на місцевість) меж земельних масивів за проектом землеустрою', 'Одиниця виміру: 1 км межі масиву.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (32, 159, 1062, 9, 1, 'Периметр земельного масиву, м', 1500, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (33, 159, 1062, 1, 2, 'Периметр земельного масиву, м', 1500, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (34, 159, 1062, 6, 3, 'Периметр земельного масиву, км', 1500, 1000, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (76, 159, 1, NULL, 0, 1000, NULL, NULL, NULL, NULL, 240, 80, 5.714, 1.905, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (77, 159, 2, NULL, 1000, 5000, NULL, NULL, NULL, NULL, 210, 70, 5, 1.667, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (78, 159, 3, NULL, 5000, 20000, NULL, NULL, NULL, NULL, 190, 60, 4.524, 1.429, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (79, 159, 4, NULL, 20000, 1000000000, NULL, NULL, NULL, NULL, 170, 55, 4.048, 1.31, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (29, 159, 1, 0, 0, 'Для масивів з периметром понад 20 до 50 км: K = 1 - 0,005 (n - 20), n — периметр, км.', 'табл. 5.5.2, прим. 1', 1062, 'Периметр земельного масиву, м', 6, 20000, 50000, 1500, 1000, 0, '1-0.005*(n-20)', 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (30, 159, 2, 0, 0, 'Для масивів з периметром понад 50 км — коефіцієнт 0,85.', 'табл. 5.5.2, прим. 2', 1062, 'Периметр земельного масиву, м', 2, 50000, NULL, 1500, NULL, 0.85, NULL, 0, NULL);

-- ---- 5.12 Схема протиерозійних заходів для яружних і балкових систем (адміністративного району) (type 0)
-- source: name 5.12 and the erosion categories (to 20 %, 20-35 %, over 35 %) from the published 2001 collection (art=4809); prices ours
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (160, 1, 150, 0, 12, '5.12', 'табл. 5.12', 'Схема протиерозійних заходів для яружних і балкових систем (адміністративного району)', 'Кінцевою продукцією є пояснювальна записка, планово-картографічний матеріал, картограми,' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'сформовані в звіт (2 примірники, з них 1 – архівний).' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'Одиниця виміру: схема.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (9, 160, 1, 'I категорія –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'еродованість до 20 %.');
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (10, 160, 2, 'II категорія –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'еродованість 20–35 %.');
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (11, 160, 3, 'III категорія –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'еродованість понад 35 %.');
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (35, 160, 1003, 0, 1, 'Категорія еродованості території', 1, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (36, 160, 1011, 9, 2, 'Площа території, тис.га', 25, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (37, 160, 1011, 1, 3, 'Площа території, тис.га', 25, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (80, 160, 1, 1, 0, 10, NULL, NULL, NULL, NULL, 1800, 4200, 42.857, 100, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (81, 160, 2, 1, 10, 50, NULL, NULL, NULL, NULL, 2600, 6100, 61.905, 145.238, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (82, 160, 3, 1, 50, 1000000, NULL, NULL, NULL, NULL, 3500, 8300, 83.333, 197.619, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (83, 160, 4, 2, 0, 10, NULL, NULL, NULL, NULL, 2160, 5040, 51.429, 120, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (84, 160, 5, 2, 10, 50, NULL, NULL, NULL, NULL, 3120, 7320, 74.286, 174.286, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (85, 160, 6, 2, 50, 1000000, NULL, NULL, NULL, NULL, 4200, 9960, 100, 237.143, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (86, 160, 7, 3, 0, 10, NULL, NULL, NULL, NULL, 2610, 6090, 62.143, 145, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (87, 160, 8, 3, 10, 50, NULL, NULL, NULL, NULL, 3770, 8845, 89.762, 210.595, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (88, 160, 9, 3, 50, 1000000, NULL, NULL, NULL, NULL, 5075, 12035, 120.833, 286.548, NULL);

-- ---- 5.15 Схема землеустрою адміністративного району (type 0)
-- source: name, end product and unit of table 5.15 from the published 2001 collection (docs.dtkt.ua p.7); prices and the 30/70 field share are ours
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (161, 1, 150, 0, 15, '5.15', 'табл. 5.15', 'Схема землеустрою адміністративного району', '<html><body><p><b>Комплекс робіт включає</b> збирання й аналіз вихідних даних, обстеження, розроблення заходів.</p><p><b>Кінцевою продукцією є</b> пояснювальна записка, планово-картографічний матеріал, картограми, сформовані в звіт (2 примірники, з них 1 – архівний).</p><p>Вартість робіт установлюється згідно з табл. 5.15.</p><p>Одиниця виміру: схема землеустрою адміністративного району.</p></body></html>', 30, 70, 0, 100);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (38, 161, 1012, 9, 1, 'Площа адміністративного району, млн.га', 0.12, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (39, 161, 1012, 1, 2, 'Площа адміністративного району, млн.га', 0.12, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (89, 161, 1, NULL, 0, 0.1, NULL, NULL, NULL, NULL, 2500, 9800, 59.524, 233.333, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (90, 161, 2, NULL, 0.1, 0.2, NULL, NULL, NULL, NULL, 3100, 12400, 73.81, 295.238, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (91, 161, 3, NULL, 0.2, 1000000, NULL, NULL, NULL, NULL, 3900, 15600, 92.857, 371.429, NULL);

-- ---- 5.6 Технічна документація із землеустрою щодо встановлення (відновлення) меж земельної ділянки в натурі (type 0)
-- source: our own plausible prices, man-days and notes, in the structure of the collection
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (162, 1, 150, 0, 6, '5.6', 'табл. 5.6', 'Технічна документація із землеустрою щодо встановлення (відновлення) меж земельної ділянки в натурі', 'Склад документації: пояснювальна записка, технічне завдання, кадастровий план,' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'матеріали польових геодезичних робіт, акт приймання-передачі межових знаків.' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'Одиниця виміру: земельна ділянка.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (40, 162, 1008, 9, 1, 'Площа земельної ділянки, кв.м', 800, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (41, 162, 1008, 1, 2, 'Площа земельної ділянки, кв.м', 800, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (42, 162, 1016, 6, 3, 'Кількість земельних ділянок', 1, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (92, 162, 1, NULL, 0, 1000, NULL, NULL, NULL, NULL, 0, 280, NULL, 6.667, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (93, 162, 2, NULL, 1000, 2500, NULL, NULL, NULL, NULL, 0, 340, NULL, 8.095, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (94, 162, 3, NULL, 2500, 10000, NULL, NULL, NULL, NULL, 0, 420, NULL, 10, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (95, 162, 4, NULL, 10000, 50000, NULL, NULL, NULL, NULL, 0, 560, NULL, 13.333, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (96, 162, 5, NULL, 50000, 10000000000, NULL, NULL, NULL, NULL, 0, 780, NULL, 18.571, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (31, 162, 1, 2, 0, 'Для ділянок площею менше 500 кв.м до вартості камеральних робіт застосовується коефіцієнт 0,9.', 'табл. 5.6, прим. 1', 1008, 'Площа земельної ділянки, кв.м', 3, 500, NULL, 800, NULL, 0.9, NULL, 0, NULL);

-- ---- 5.7 Технічна документація із землеустрою щодо поділу та об’єднання земельних ділянок (type 0)
-- source: our own plausible prices, man-days and notes, in the structure of the collection
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (163, 1, 150, 0, 7, '5.7', 'табл. 5.7', 'Технічна документація із землеустрою щодо поділу та об’єднання земельних ділянок', 'Одиниця виміру: документація; ціна залежить від кількості ділянок, що утворюються.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (43, 163, 1049, 9, 1, 'Кількість земельних ділянок, що утворюються', 2, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (44, 163, 1049, 1, 2, 'Кількість земельних ділянок, що утворюються', 2, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (97, 163, 1, NULL, 1, 2, NULL, NULL, NULL, NULL, 0, 420, NULL, 10, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (98, 163, 2, NULL, 3, 5, NULL, NULL, NULL, NULL, 0, 560, NULL, 13.333, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (99, 163, 3, NULL, 6, 10, NULL, NULL, NULL, NULL, 0, 780, NULL, 18.571, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (100, 163, 4, NULL, 11, 1000000, NULL, NULL, NULL, NULL, 0, 1050, NULL, 25, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (32, 163, 1, 2, 0, 'Поділ (об’єднання) ділянок, що перебувають у спільній власності двох–п’яти співвласників, — коефіцієнт 1,15 до камеральних робіт.', 'табл. 5.7, прим. 1', 1025, 'Кількість землевласників (землекористувачів)', 6, 1, 5, 1, NULL, 1.15, NULL, 0, NULL);

-- ---- 5.8 Технічна документація із землеустрою щодо інвентаризації земель (type 0)
-- source: our own plausible prices, man-days and notes, in the structure of the collection
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (164, 1, 150, 0, 8, '5.8', 'табл. 5.8', 'Технічна документація із землеустрою щодо інвентаризації земель', 'Ціна — на 1 га; залежить від площі, кількості землекористувачів і кількості ділянок.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (45, 164, 1009, 9, 1, 'Площа земельної ділянки, га', 100, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (46, 164, 1009, 1, 2, 'Площа земельної ділянки, га', 100, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (47, 164, 1025, 2, 3, 'Кількість землевласників (землекористувачів)', 15, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (48, 164, 1025, 3, 4, 'Кількість землевласників (землекористувачів)', 15, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (49, 164, 1016, 7, 5, 'Кількість земельних ділянок', 40, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (50, 164, 1016, 8, 6, 'Кількість земельних ділянок', 40, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (51, 164, 1009, 6, 7, 'Площа земельної ділянки, га', 100, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (101, 164, 1, NULL, 0, 50, 0, 10, 0, 20, 12, 18, 0.286, 0.429, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (102, 164, 2, NULL, 0, 50, 0, 10, 20, 100, 13.8, 20.7, 0.329, 0.493, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (103, 164, 3, NULL, 0, 50, 0, 10, 100, 1000000, 15.6, 23.4, 0.371, 0.557, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (104, 164, 4, NULL, 0, 50, 10, 50, 0, 20, 14.4, 21.6, 0.343, 0.514, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (105, 164, 5, NULL, 0, 50, 10, 50, 20, 100, 16.56, 24.84, 0.394, 0.591, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (106, 164, 6, NULL, 0, 50, 10, 50, 100, 1000000, 18.72, 28.08, 0.446, 0.669, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (107, 164, 7, NULL, 0, 50, 50, 1000000, 0, 20, 17.4, 26.1, 0.414, 0.621, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (108, 164, 8, NULL, 0, 50, 50, 1000000, 20, 100, 20.01, 30.01, 0.476, 0.715, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (109, 164, 9, NULL, 0, 50, 50, 1000000, 100, 1000000, 22.62, 33.93, 0.539, 0.808, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (110, 164, 10, NULL, 50, 500, 0, 10, 0, 20, 8.4, 12.6, 0.2, 0.3, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (111, 164, 11, NULL, 50, 500, 0, 10, 20, 100, 9.66, 14.49, 0.23, 0.345, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (112, 164, 12, NULL, 50, 500, 0, 10, 100, 1000000, 10.92, 16.38, 0.26, 0.39, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (113, 164, 13, NULL, 50, 500, 10, 50, 0, 20, 10.08, 15.12, 0.24, 0.36, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (114, 164, 14, NULL, 50, 500, 10, 50, 20, 100, 11.59, 17.39, 0.276, 0.414, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (115, 164, 15, NULL, 50, 500, 10, 50, 100, 1000000, 13.1, 19.66, 0.312, 0.468, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (116, 164, 16, NULL, 50, 500, 50, 1000000, 0, 20, 12.18, 18.27, 0.29, 0.435, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (117, 164, 17, NULL, 50, 500, 50, 1000000, 20, 100, 14.01, 21.01, 0.334, 0.5, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (118, 164, 18, NULL, 50, 500, 50, 1000000, 100, 1000000, 15.83, 23.75, 0.377, 0.565, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (119, 164, 19, NULL, 500, 1000000, 0, 10, 0, 20, 5.4, 8.1, 0.129, 0.193, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (120, 164, 20, NULL, 500, 1000000, 0, 10, 20, 100, 6.21, 9.31, 0.148, 0.222, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (121, 164, 21, NULL, 500, 1000000, 0, 10, 100, 1000000, 7.02, 10.53, 0.167, 0.251, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (122, 164, 22, NULL, 500, 1000000, 10, 50, 0, 20, 6.48, 9.72, 0.154, 0.231, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (123, 164, 23, NULL, 500, 1000000, 10, 50, 20, 100, 7.45, 11.18, 0.177, 0.266, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (124, 164, 24, NULL, 500, 1000000, 10, 50, 100, 1000000, 8.42, 12.64, 0.2, 0.301, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (125, 164, 25, NULL, 500, 1000000, 50, 1000000, 0, 20, 7.83, 11.74, 0.186, 0.28, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (126, 164, 26, NULL, 500, 1000000, 50, 1000000, 20, 100, 9, 13.51, 0.214, 0.322, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (127, 164, 27, NULL, 500, 1000000, 50, 1000000, 100, 1000000, 10.18, 15.27, 0.242, 0.364, NULL);
