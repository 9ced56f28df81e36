-- Seed data of the price catalogue (service.fdb), loaded by velta2-cli create-databases.
-- Keys are explicit and referenced across files and by the estimate templates (../velta).
-- Note texts and section comments are plain text: the note cipher runs with an empty key.
-- Collection 3. Sources: Назва і доповнення — з кошторисів СумДУ і НУНГ; т.403 п.1 (197 за 1 га, III кат., 1:500), т.86 (100 + 150), т.4 п.5 (15 % × 1,25), т.6 п.5 (6 % × 1,5), метрологія 5 %, коефіцієнти 0,8; 0,5; 1,5; 1,2; 1,21 та індекси 1,32 і 12,15 — з кошторису НУНГ (кн. 5003, с. 14); решта цін і умов — наші.

INSERT INTO "Service" ("ID_Service", "Name", "Date")
  VALUES (3, 'Збірник цін на вишукувальні роботи для капітального будівництва (Держбуд СРСР, 1982), з доповненнями Держбуду № 22 від 01.03.1990 і листом № 21-Д від 25.12.1990', '1982-01-01');

-- Index coefficients (ServiceKof): fPassive 'T' = not in force.
INSERT INTO "ServiceKof" ("ID_ServiceKof", "ID_Service", "Date", "Name", "Description", "Kof", "Formula", "fPassive")
  VALUES (30, 3, '1991-01-01', 'Коефіцієнт 1,32', 'Лист Держбуду від 25.12.1990 № 21-Д (коефіцієнт за кошторисом НУНГ)', 1.32, NULL, 'F');
INSERT INTO "ServiceKof" ("ID_ServiceKof", "ID_Service", "Date", "Name", "Description", "Kof", "Formula", "fPassive")
  VALUES (31, 3, '2001-01-01', 'Індекс 12,15', 'Індекс визначення вартості вишукувальних робіт (за кошторисом НУНГ)', 12.15, NULL, 'F');
INSERT INTO "ServiceKof" ("ID_ServiceKof", "ID_Service", "Date", "Name", "Description", "Kof", "Formula", "fPassive")
  VALUES (32, 3, '2004-01-01', 'Індекс ПВР 1,8', 'ДБН Д.1.1-7-2000, додаток 4 (на 2004 р.)', 1.8, NULL, 'T');
INSERT INTO "ServiceKof" ("ID_ServiceKof", "ID_Service", "Date", "Name", "Description", "Kof", "Formula", "fPassive")
  VALUES (33, 3, '2005-01-01', 'Індекс ПВР 2,8', 'Лист Держбуду від 02.02.2005 № 7/8-73', 2.8, NULL, 'T');

-- ---- 0 Загальні вказівки: нарахування на вартість вишукувань (type 1)
-- source: transport 15 % x 1.25 (t.4 p.5), organisation 6 % x 1.5 (t.6 p.5), metrology 5 %: NUNG estimate (book 5003 p.14); the 50000 threshold is ours
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (300, 3, NULL, 1, 0, '0', 'Загальні вказівки', 'Загальні вказівки: нарахування на вартість вишукувань', NULL, NULL, NULL, NULL, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (47, 300, 1, 5, 0, 'Витрати на внутрішній транспорт — у відсотках від вартості польових робіт (т.4 п.5).', 'т.4 п.5', 1040, 'Витрати на внутрішній транспорт, %', NULL, NULL, NULL, 15, NULL, 0, 'n/100', 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (48, 300, 2, 4, 0, 'Для об’єктів за межами населеного пункту, де розташований виконавець, витрати за п. 1 — з коефіцієнтом 1,25.', 'т.4 п.5, k=1,25', 1037, 'Об’єкт за межами населеного пункту, де розташований виконавець', 0, 1, NULL, 1, NULL, 1.25, NULL, 0, 1);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (49, 300, 3, 5, 0, 'Витрати на організацію і ліквідацію робіт — 6 % з коефіцієнтом 1,5 при кошторисній вартості до 50000 грн.', 'т.6 п.5', 1048, 'Сума кошторису, грн', 3, 50000, NULL, 0, NULL, 0, '0.06*1.5', 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (50, 300, 4, 5, 0, 'Витрати на організацію і ліквідацію робіт — 6 % при кошторисній вартості 50000 грн і більше.', 'т.6 п.5', 1048, 'Сума кошторису, грн', 8, 50000, NULL, 0, NULL, 0.06, NULL, 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (51, 300, 5, 5, 0, 'Метрологічне забезпечення — 5 % від вартості польових робіт.', 'метрологія', 1038, 'Метрологічне забезпечення робіт', 0, 1, NULL, 1, NULL, 0.05, NULL, 0, NULL);
-- source: the office percentage and the two man-day charges below are ours (the NUNG estimate prices none)
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (61, 300, 6, 6, 0, 'Виготовлення кожного додаткового примірника технічного звіту — 2 % від вартості камеральних робіт.', 'дод. примірники', 1024, 'Кількість додаткових примірників документації', 2, 0, NULL, 1, NULL, 0, '0,02*n', 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (62, 300, 7, 7, 0, 'Польове забезпечення виконавців: сума на один людино-день польових робіт.', 'польове забезпечення', 1044, 'Польове забезпечення на 1 люд.-день, грн', NULL, NULL, NULL, 4, NULL, 0, 'n', 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (63, 300, 8, 8, 0, 'Накладні витрати камеральних робіт — 1,60 грн на один людино-день.', 'накладні витрати', 1039, 'Нарахування на людино-дні камеральних робіт', 0, 1, NULL, 1, NULL, 1.6, NULL, 0, NULL);

-- ---- 1 Інженерно-геодезичні вишукування (type 2)
-- source: k = 1.2 (t.2 of the coefficients document cited by the NUNG estimate); its reading as season is ours
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (310, 3, NULL, 2, 1, '1', 'Глава 1', 'Інженерно-геодезичні вишукування', NULL, NULL, NULL, NULL, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (52, 310, 1, 1, 0, 'Несприятливий (зимовий) період року — коефіцієнт 1,2 до вартості польових робіт.', 'т.2 [8]', 1030, 'Роботи в зимовий період', 0, 1, NULL, 0, NULL, 1.2, NULL, 0, NULL);

-- ---- т.403 Комплексні інженерно-геодезичні вишукування (type 2)
-- source: coefficients 0.8 (t.403 note 1), 1.5, 0.5 (correction) from the NUNG estimate; the 10 ha condition is inferred from it (12 ha got 0.8, 3 ha did not); notes 4 and 5 ours
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (311, 3, 310, 2, 1, 'т.403', 'Таблиця 403', 'Комплексні інженерно-геодезичні вишукування', 'Ціни — на 1 га площі знімання на забудованих територіях зі складанням плану.' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'Примітки таблиці поширюються на всі її пункти.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number", "ID_TypeParameter2", "ID_TypeValue2", "ValueFrom2", "ValueTo2", "Default2", "Operator2", "Divisor2")
  VALUES (53, 311, 1, 0, 0, 'При суцільному зніманні масиву площею понад 10 га до цін таблиці — коефіцієнт 0,8.', 'т.403 прим.1', 1036, 'Знімання суцільним масивом', 0, 1, NULL, 1, NULL, 0.8, NULL, 1, NULL, 1010, 2, 10, NULL, 3, 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (54, 311, 2, 0, 1, 'Коефіцієнт ускладнення робіт (у кошторисі-зразку 1,5); кошторисник може змінити його значення.', 'k=1,5', 1027, 'Коефіцієнт ускладнення робіт', NULL, NULL, NULL, 1.5, NULL, 1.5, NULL, 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (55, 311, 3, 0, 0, 'При коректурі існуючого плану до цін таблиці — коефіцієнт 0,5.', 'коректура', 1033, 'Коректура (оновлення) існуючого плану', 0, 1, NULL, 0, NULL, 0.5, NULL, 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (56, 311, 4, 1, 0, 'При щільності забудови понад 50 % до вартості польових робіт — коефіцієнт 1,3.', 'т.403 прим.3', 1041, 'Щільність забудови, %', 2, 50, NULL, 60, NULL, 1.3, NULL, 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (57, 311, 5, 4, 0, 'В охоронних зонах інженерних мереж надбавка за прим. 3 застосовується з коефіцієнтом 1,5.', 'т.403 прим.4', 1059, 'Наявність обмежень (обтяжень) у використанні земель', 0, 1, NULL, 1, NULL, 1.5, NULL, 0, 4);

-- ---- п.1 Знімання в масштабі 1:500 (type 0)
-- source: t.403 p.1, III category 197 per ha: NUNG estimate; categories I and II ours
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (312, 3, 311, 0, 1, 'п.1', 'т.403 п.1', 'Знімання в масштабі 1:500', NULL, NULL, NULL, NULL, NULL);
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (24, 312, 1, 'I категорія складності –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'забудова малої щільності, рівнинний рельєф.');
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (25, 312, 2, 'II категорія складності –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'забудова середньої щільності.');
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (26, 312, 3, 'III категорія складності –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'щільна забудова, розвинена мережа комунікацій.');
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (86, 312, 1002, 0, 1, 'Категорія складності території', 3, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (87, 312, 1010, 4, 2, 'Площа знімання, га', 3, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (224, 312, 1, 1, NULL, NULL, NULL, NULL, NULL, NULL, 128, 0, 2.809, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (225, 312, 2, 2, NULL, NULL, NULL, NULL, NULL, NULL, 158, 0, 3.468, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (226, 312, 3, 3, NULL, NULL, NULL, NULL, NULL, NULL, 197, 0, 4.324, NULL, NULL);

-- ---- п.2 Знімання в масштабі 1:1000 (type 0)
-- source: our own plausible prices, man-days and notes, in the structure of the collection
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (313, 3, 311, 0, 2, 'п.2', 'т.403 п.2', 'Знімання в масштабі 1:1000', NULL, NULL, NULL, NULL, NULL);
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (27, 313, 1, 'I категорія складності –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'забудова малої щільності, рівнинний рельєф.');
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (28, 313, 2, 'II категорія складності –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'забудова середньої щільності.');
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (29, 313, 3, 'III категорія складності –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'щільна забудова, розвинена мережа комунікацій.');
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (88, 313, 1002, 0, 1, 'Категорія складності території', 3, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (89, 313, 1010, 4, 2, 'Площа знімання, га', 3, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (227, 313, 1, 1, NULL, NULL, NULL, NULL, NULL, NULL, 84, 0, 1.844, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (228, 313, 2, 2, NULL, NULL, NULL, NULL, NULL, NULL, 104, 0, 2.283, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (229, 313, 3, 3, NULL, NULL, NULL, NULL, NULL, NULL, 130, 0, 2.853, NULL, NULL);

-- ---- п.3 Знімання в масштабі 1:2000 (type 0)
-- source: our own plausible prices, man-days and notes, in the structure of the collection
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (314, 3, 311, 0, 3, 'п.3', 'т.403 п.3', 'Знімання в масштабі 1:2000', NULL, NULL, NULL, NULL, NULL);
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (30, 314, 1, 'I категорія складності –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'забудова малої щільності, рівнинний рельєф.');
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (31, 314, 2, 'II категорія складності –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'забудова середньої щільності.');
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (32, 314, 3, 'III категорія складності –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'щільна забудова, розвинена мережа комунікацій.');
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (90, 314, 1002, 0, 1, 'Категорія складності території', 3, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (91, 314, 1010, 4, 2, 'Площа знімання, га', 3, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (230, 314, 1, 1, NULL, NULL, NULL, NULL, NULL, NULL, 46, 0, 1.01, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (231, 314, 2, 2, NULL, NULL, NULL, NULL, NULL, NULL, 58, 0, 1.273, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (232, 314, 3, 3, NULL, NULL, NULL, NULL, NULL, NULL, 73, 0, 1.602, NULL, NULL);

-- ---- т.86 Складання програми робіт і технічного звіту (type 0)
-- source: t.86: 100 + 150 with k = 1.21 from the NUNG estimate; booking both as office work follows it
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (316, 3, 310, 0, 2, 'т.86', 'Таблиця 86', 'Складання програми робіт і технічного звіту', 'Програма — 100, технічний звіт — 150 (у цінах збірника).' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'Обидві частини — камеральні роботи.', 0, 100, 0, 100);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (233, 316, 1, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 100, 150, 2.195, 3.292, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (58, 316, 1, 0, 0, 'До вартості складання програми і звіту — коефіцієнт 1,21.', 'т.86, k=1,21', 1066, 'Складання програми робіт і технічного звіту', 0, 1, NULL, 1, NULL, 1.21, NULL, 0, NULL);

-- ---- 2 Вишукування для перенесення в натуру меж земельних ділянок (type 2)
-- source: work list after the SumDU estimate for setting out plot boundaries; table numbers and prices ours
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (320, 3, NULL, 2, 2, '2', 'Глава 2', 'Вишукування для перенесення в натуру меж земельних ділянок', 'Склад робіт — за кошторисом перенесення в натуру меж земельної ділянки (СумДУ).' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'Номери таблиць цієї глави — наші.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (59, 320, 1, 0, 0, 'При відстані від бази до об’єкта понад 5 до 25 км включно — коефіцієнт 1,1.', 'гл. 2, прим. 1', 1056, 'Відстань від бази виконавця до об’єкта, км', 6, 5, 25, 3, NULL, 1.1, NULL, 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (60, 320, 2, 0, 0, 'При відстані від бази до об’єкта понад 25 км — коефіцієнт 1,2.', 'гл. 2, прим. 2', 1056, 'Відстань від бази виконавця до об’єкта, км', 2, 25, NULL, 3, NULL, 1.2, NULL, 0, NULL);

-- ---- т.9 Рекогностування та обстеження меж (type 0)
-- source: default length 0.55 km from the SumDU estimate; prices ours
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (321, 3, 320, 0, 1, 'т.9', 'Таблиця 9', 'Рекогностування та обстеження меж', 'Одиниця виміру: 1 км межі.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (33, 321, 1, 'I категорія –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'відкрита місцевість.');
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (34, 321, 2, 'II категорія –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'напівзакрита місцевість.');
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (35, 321, 3, 'III категорія –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'закрита місцевість, забудова.');
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (92, 321, 1002, 0, 1, 'Категорія складності території', 2, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (93, 321, 1014, 6, 2, 'Довжина межі, км', 0.55, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (234, 321, 1, 1, NULL, NULL, NULL, NULL, NULL, NULL, 21, 0, 0.461, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (235, 321, 2, 2, NULL, NULL, NULL, NULL, NULL, NULL, 27, 0, 0.593, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (236, 321, 3, 3, NULL, NULL, NULL, NULL, NULL, NULL, 35, 0, 0.768, NULL, NULL);

-- ---- т.10 Прокладання теодолітних ходів (type 0)
-- source: our own plausible prices, man-days and notes, in the structure of the collection
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (322, 3, 320, 0, 2, 'т.10', 'Таблиця 10', 'Прокладання теодолітних ходів', 'Одиниця виміру: 1 км ходу.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (36, 322, 1, 'I категорія –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'відкрита місцевість.');
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (37, 322, 2, 'II категорія –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'напівзакрита місцевість.');
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (38, 322, 3, 'III категорія –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'закрита місцевість, забудова.');
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (94, 322, 1002, 0, 1, 'Категорія складності території', 2, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (95, 322, 1007, 9, 2, 'Точність теодолітного ходу', 2000, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (96, 322, 1015, 6, 3, 'Довжина ходу, км', 1, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (237, 322, 1, 1, 1000, NULL, NULL, NULL, NULL, NULL, 38, 11.4, 0.834, 0.25, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (238, 322, 2, 2, 1000, NULL, NULL, NULL, NULL, NULL, 48, 14.4, 1.054, 0.316, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (239, 322, 3, 3, 1000, NULL, NULL, NULL, NULL, NULL, 62, 18.6, 1.361, 0.408, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (240, 322, 4, 1, 2000, NULL, NULL, NULL, NULL, NULL, 44, 13.2, 0.966, 0.29, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (241, 322, 5, 2, 2000, NULL, NULL, NULL, NULL, NULL, 55, 16.5, 1.207, 0.362, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (242, 322, 6, 3, 2000, NULL, NULL, NULL, NULL, NULL, 71, 21.3, 1.558, 0.468, NULL);

-- ---- т.11 Винесення в натуру та закріплення межових знаків (type 0)
-- source: our own plausible prices, man-days and notes, in the structure of the collection
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (323, 3, 320, 0, 3, 'т.11', 'Таблиця 11', 'Винесення в натуру та закріплення межових знаків', 'Одиниця виміру: межовий знак.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (39, 323, 1, 'I категорія –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'відкрита місцевість.');
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (40, 323, 2, 'II категорія –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'напівзакрита місцевість.');
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (41, 323, 3, 'III категорія –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'закрита місцевість, забудова.');
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (97, 323, 1002, 0, 1, 'Категорія складності території', 2, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (98, 323, 1018, 6, 2, 'Кількість межових знаків', 6, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (243, 323, 1, 1, NULL, NULL, NULL, NULL, NULL, NULL, 6.8, 1.2, 0.149, 0.026, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (244, 323, 2, 2, NULL, NULL, NULL, NULL, NULL, NULL, 8.5, 1.5, 0.187, 0.033, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (245, 323, 3, 3, NULL, NULL, NULL, NULL, NULL, NULL, 10.9, 1.9, 0.239, 0.042, NULL);

-- ---- т.12 Визначення координат поворотних точок межі (type 0)
-- source: our own plausible prices, man-days and notes, in the structure of the collection
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (324, 3, 320, 0, 4, 'т.12', 'Таблиця 12', 'Визначення координат поворотних точок межі', 'Одиниця виміру: поворотна точка; ціна залежить від кількості точок.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (99, 324, 1017, 9, 1, 'Кількість поворотних точок межі', 6, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (100, 324, 1017, 1, 2, 'Кількість поворотних точок межі', 6, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (101, 324, 1017, 6, 3, 'Кількість поворотних точок межі', 6, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (246, 324, 1, NULL, 1, 10, NULL, NULL, NULL, NULL, 4.1, 2.2, 0.09, 0.048, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (247, 324, 2, NULL, 11, 30, NULL, NULL, NULL, NULL, 3.6, 1.9, 0.079, 0.042, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (248, 324, 3, NULL, 31, 1000000, NULL, NULL, NULL, NULL, 3.2, 1.7, 0.07, 0.037, NULL);

-- ---- т.13 Погодження меж із суміжними землекористувачами (type 0)
-- source: our own plausible prices, man-days and notes, in the structure of the collection
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (325, 3, 320, 0, 5, 'т.13', 'Таблиця 13', 'Погодження меж із суміжними землекористувачами', 'Одиниця виміру: суміжний землекористувач.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (102, 325, 1020, 6, 1, 'Кількість суміжних землекористувачів', 2, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (249, 325, 1, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 3.5, 2, 0.077, 0.044, NULL);

-- ---- 3 Камеральні роботи (type 2)
-- source: our own grouping and notes
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (330, 3, NULL, 2, 3, '3', 'Глава 3', 'Камеральні роботи', NULL, NULL, NULL, NULL, NULL);

-- ---- т.20 Складання плану меж земельної ділянки (type 0)
-- source: default area 0.6 ha from the SumDU estimate; prices ours
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (331, 3, 330, 0, 1, 'т.20', 'Таблиця 20', 'Складання плану меж земельної ділянки', 'Одиниця виміру: земельна ділянка.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (103, 331, 1009, 9, 1, 'Площа земельної ділянки, га', 0.6, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (104, 331, 1009, 1, 2, 'Площа земельної ділянки, га', 0.6, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (105, 331, 1016, 5, 3, 'Кількість земельних ділянок', 1, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (250, 331, 1, NULL, 0, 1, NULL, NULL, NULL, NULL, 0, 18, NULL, 0.395, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (251, 331, 2, NULL, 1, 5, NULL, NULL, NULL, NULL, 0, 24, NULL, 0.527, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (252, 331, 3, NULL, 5, 20, NULL, NULL, NULL, NULL, 0, 31, NULL, 0.68, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (253, 331, 4, NULL, 20, 1000000, NULL, NULL, NULL, NULL, 0, 40, NULL, 0.878, NULL);

-- ---- т.21 Обчислення площі та складання каталогу координат (type 0)
-- source: our own plausible prices, man-days and notes, in the structure of the collection
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (332, 3, 330, 0, 2, 'т.21', 'Таблиця 21', 'Обчислення площі та складання каталогу координат', 'Одиниця виміру: земельна ділянка; ціна залежить від периметра.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (106, 332, 1013, 9, 1, 'Периметр земельної ділянки, м', 550, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (107, 332, 1013, 1, 2, 'Периметр земельної ділянки, м', 550, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (108, 332, 1016, 5, 3, 'Кількість земельних ділянок', 1, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (254, 332, 1, NULL, 0, 500, NULL, NULL, NULL, NULL, 0, 8, NULL, 0.176, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (255, 332, 2, NULL, 500, 2000, NULL, NULL, NULL, NULL, 0, 12, NULL, 0.263, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (256, 332, 3, NULL, 2000, 1000000000, NULL, NULL, NULL, NULL, 0, 17, NULL, 0.373, NULL);
