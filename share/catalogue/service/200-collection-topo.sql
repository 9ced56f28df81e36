-- Seed data of the price catalogue (service.fdb), loaded by velta2-cli create-databases.
-- Keys are explicit and referenced across files and by the estimate templates (../velta).
-- Note texts and section comments are plain text: the note cipher runs with an empty key.
-- Collection 2. Sources: Назва, наказ і дата — опубліковані (Мін’юст 13.06.2003 № 484/7805); позиції табл. 3.2 п. 11824, 3.3 п. 11860, 5.1 п. 061585/061586, 5.6 п. 061593, 5.8 п. 061600 — з кошторису НУНГ (кн. 4576, с. 92), прочитані як тисячі гривень; решта цін — наші.

INSERT INTO "Service" ("ID_Service", "Name", "Date")
  VALUES (2, 'Збірник укрупнених кошторисних розцінок на топографо-геодезичні та картографічні роботи (ЗУКР), наказ Мінприроди від 19.02.2003 № 29/м', '2003-02-19');

-- Index coefficients (ServiceKof): fPassive 'T' = not in force.
INSERT INTO "ServiceKof" ("ID_ServiceKof", "ID_Service", "Date", "Name", "Description", "Kof", "Formula", "fPassive")
  VALUES (20, 2, '2003-06-13', 'Базовий рівень цін ЗУКР', 'Наказ Мінприроди від 19.02.2003 № 29/м', 1, NULL, 'T');
-- опубліковані індекси 2,8 і 1,8 (T14); їх відношення як коефіцієнт — наше рішення
INSERT INTO "ServiceKof" ("ID_ServiceKof", "ID_Service", "Date", "Name", "Description", "Kof", "Formula", "fPassive")
  VALUES (21, 2, '2005-01-01', 'Індекс вартості ПВР на 2005 р. до 2004 р.', 'Лист Держбуду від 02.02.2005 № 7/8-73 (індекс 2,8) до ДБН Д.1.1-7-2000, дод. 4 (індекс 1,8)', 0, '2.8/1.8', 'F');
-- значення — наше
INSERT INTO "ServiceKof" ("ID_ServiceKof", "ID_Service", "Date", "Name", "Description", "Kof", "Formula", "fPassive")
  VALUES (22, 2, '2007-07-01', 'Індекс вартості ПВР станом на 01.07.2007', 'Лист Мінрегіонбуду «Про індекси та показники...», дод. 4 (наше значення)', 1.21, NULL, 'T');

-- ---- 0 Загальні положення: нарахування на вартість робіт (type 1)
-- source: our own percentages; ZUKR general provisions say rates include field provisioning (NUNG p.98)
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (200, 2, NULL, 1, 0, '0', 'Загальні положення', 'Загальні положення: нарахування на вартість робіт', 'Розцінки враховують польове забезпечення, знос малоцінних предметів і амортизацію.' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'Польові розцінки враховують лише автомобільний транспорт.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (33, 200, 1, 5, 0, 'Витрати на організацію і ліквідацію польових робіт — у відсотках від їх вартості.', 'Заг. положення, п. 3', 1042, 'Витрати на організацію і ліквідацію польових робіт, %', NULL, NULL, NULL, 6, NULL, 0, 'n/100', 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (34, 200, 2, 5, 0, 'Метрологічне забезпечення — 5 % від вартості польових робіт.', 'Заг. положення, п. 4', 1038, 'Метрологічне забезпечення робіт', 0, 1, NULL, 1, NULL, 0.05, NULL, 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (35, 200, 3, 6, 0, 'Складання технічного звіту — 3 % від вартості камеральних робіт до 3000 грн.', 'Заг. положення, п. 5', 1047, 'Сума камеральних робіт, грн', 3, 3000, NULL, 0, NULL, 0.03, NULL, 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (36, 200, 4, 6, 0, 'Складання технічного звіту — 2 % від вартості камеральних робіт 3000 грн і більше.', 'Заг. положення, п. 5', 1047, 'Сума камеральних робіт, грн', 8, 3000, NULL, 0, NULL, 0.02, NULL, 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (37, 200, 5, 7, 0, 'Доплата за роботу в польових умовах на один людино-день польових робіт.', 'Заг. положення, п. 6', 1044, 'Польове забезпечення на 1 люд.-день, грн', NULL, NULL, NULL, 6, NULL, 0, 'n', 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (38, 200, 6, 0, 0, 'Для об’єктів за межами населеного пункту, де розташований виконавець, — коефіцієнт 1,05 до вартості робіт.', 'Заг. положення, п. 7', 1037, 'Об’єкт за межами населеного пункту, де розташований виконавець', 0, 1, NULL, 0, NULL, 1.05, NULL, 0, NULL);

-- ---- 1 Планово-висотні геодезичні мережі (type 2)
-- source: our own grouping and notes
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (210, 2, NULL, 2, 1, '1', 'Розділ 1', 'Планово-висотні геодезичні мережі', NULL, NULL, NULL, NULL, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (39, 210, 1, 1, 0, 'При виконанні польових робіт у зимовий період — коефіцієнт 1,15.', 'розд. 1, прим. 1', 1030, 'Роботи в зимовий період', 0, 1, NULL, 0, NULL, 1.15, NULL, 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (40, 210, 2, 0, 0, 'На забудованій території до вартості робіт застосовується коефіцієнт 1,2.', 'розд. 1, прим. 2', 1029, 'Забудована територія', 0, 1, NULL, 0, NULL, 1.2, NULL, 0, NULL);

-- ---- 1.1 Полігонометрія та супутникові визначення (type 2)
-- source: our own grouping and notes
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (211, 2, 210, 2, 1, '1.1', 'Розділ 1.1', 'Полігонометрія та супутникові визначення', 'Одиниця виміру: 1 км ходу або пункт.', NULL, NULL, NULL, NULL);

-- ---- 1.1.1 Полігонометрія 4 класу, 1 і 2 розрядів (type 0)
-- source: our own plausible prices, man-days and notes, in the structure of the collection
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (212, 2, 211, 0, 1, '1.1.1', 'ЗУКР табл. 1.1', 'Полігонометрія 4 класу, 1 і 2 розрядів', NULL, NULL, NULL, NULL, NULL);
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (12, 212, 1, 'I категорія –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'відкрита рівнинна місцевість.');
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (13, 212, 2, 'II категорія –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'напівзакрита місцевість, невеликі населені пункти.');
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (14, 212, 3, 'III категорія –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'закрита місцевість, міста з щільною забудовою.');
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (52, 212, 1001, 0, 1, 'Категорія складності робіт', 2, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (53, 212, 1006, 9, 2, 'Клас (розряд) точності', 2, 1, '1 - 4 клас' || ASCII_CHAR(13) || ASCII_CHAR(10) || '2 - 1 розряд' || ASCII_CHAR(13) || ASCII_CHAR(10) || '3 - 2 розряд', NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (54, 212, 1015, 6, 3, 'Довжина ходу, км', 1.5, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (128, 212, 1, 1, 1, NULL, NULL, NULL, NULL, NULL, 820, 205, 17.083, 4.271, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (129, 212, 2, 2, 1, NULL, NULL, NULL, NULL, NULL, 1050, 262.5, 21.875, 5.469, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (130, 212, 3, 3, 1, NULL, NULL, NULL, NULL, NULL, 1380, 345, 28.75, 7.188, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (131, 212, 4, 1, 2, NULL, NULL, NULL, NULL, NULL, 640, 160, 13.333, 3.333, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (132, 212, 5, 2, 2, NULL, NULL, NULL, NULL, NULL, 820, 205, 17.083, 4.271, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (133, 212, 6, 3, 2, NULL, NULL, NULL, NULL, NULL, 1080, 270, 22.5, 5.625, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (134, 212, 7, 1, 3, NULL, NULL, NULL, NULL, NULL, 520, 130, 10.833, 2.708, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (135, 212, 8, 2, 3, NULL, NULL, NULL, NULL, NULL, 680, 170, 14.167, 3.542, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (136, 212, 9, 3, 3, NULL, NULL, NULL, NULL, NULL, 890, 222.5, 18.542, 4.635, NULL);

-- ---- 1.1.2 Визначення координат пунктів методом супутникових (GNSS) спостережень (type 0)
-- source: our own plausible prices, man-days and notes, in the structure of the collection
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (213, 2, 211, 0, 2, '1.1.2', 'ЗУКР табл. 1.4', 'Визначення координат пунктів методом супутникових (GNSS) спостережень', NULL, NULL, NULL, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (55, 213, 1052, 9, 1, 'Кількість пунктів супутникових спостережень', 4, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (56, 213, 1052, 1, 2, 'Кількість пунктів супутникових спостережень', 4, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (57, 213, 1068, 2, 3, 'Клас геодезичної мережі', 3, 1, '1 - мережа 1 класу' || ASCII_CHAR(13) || ASCII_CHAR(10) || '2 - мережа 2 класу' || ASCII_CHAR(13) || ASCII_CHAR(10) || '3 - знімальна мережа', NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (58, 213, 1052, 6, 4, 'Кількість пунктів супутникових спостережень', 4, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (137, 213, 1, NULL, 1, 4, 1, NULL, NULL, NULL, 682, 238.7, 14.208, 4.973, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (138, 213, 2, NULL, 1, 4, 2, NULL, NULL, NULL, 496, 173.6, 10.333, 3.617, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (139, 213, 3, NULL, 1, 4, 3, NULL, NULL, NULL, 310, 108.5, 6.458, 2.26, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (140, 213, 4, NULL, 5, 10, 1, NULL, NULL, NULL, 572, 200.2, 11.917, 4.171, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (141, 213, 5, NULL, 5, 10, 2, NULL, NULL, NULL, 416, 145.6, 8.667, 3.033, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (142, 213, 6, NULL, 5, 10, 3, NULL, NULL, NULL, 260, 91, 5.417, 1.896, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (143, 213, 7, NULL, 11, 1000000, 1, NULL, NULL, NULL, 484, 169.4, 10.083, 3.529, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (144, 213, 8, NULL, 11, 1000000, 2, NULL, NULL, NULL, 352, 123.2, 7.333, 2.567, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (145, 213, 9, NULL, 11, 1000000, 3, NULL, NULL, NULL, 220, 77, 4.583, 1.604, NULL);

-- ---- 1.2 Нівелювання (type 2)
-- source: K1 = 1 + 0.08 (n - 3), n = stations per km: Russian tender (synapsenet), structure only
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (214, 2, 210, 2, 2, '1.2', 'Розділ 1.2', 'Нівелювання', NULL, NULL, NULL, NULL, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (41, 214, 1, 1, 0, 'K = 1 + 0,08 (n - 3), де n — кількість точок стояння на 1 км ходу (округлюється до цілого), якщо їх більше трьох.', 'розд. 1.2, прим. 1', 1061, 'Кількість точок стояння на 1 км ходу', 2, 3, NULL, 4, NULL, 0, '1+0,08*(Round(n)-3)', 0, NULL);

-- ---- 1.2.1 Технічне нівелювання (type 0)
-- source: our own plausible prices, man-days and notes, in the structure of the collection
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (215, 2, 214, 0, 1, '1.2.1', 'ЗУКР табл. 1.6', 'Технічне нівелювання', 'Одиниця виміру: 1 км ходу; ціна залежить від довжини ходу.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (59, 215, 1051, 9, 1, 'Довжина нівелірного ходу, км', 3, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (60, 215, 1051, 1, 2, 'Довжина нівелірного ходу, км', 3, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (61, 215, 1051, 6, 3, 'Довжина нівелірного ходу, км', 3, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (146, 215, 1, NULL, 0, 2, NULL, NULL, NULL, NULL, 185, 42, 3.854, 0.875, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (147, 215, 2, NULL, 2, 10, NULL, NULL, NULL, NULL, 160, 36, 3.333, 0.75, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (148, 215, 3, NULL, 10, 1000000, NULL, NULL, NULL, NULL, 140, 30, 2.917, 0.625, NULL);

-- ---- 1.2.2 Нівелювання IV класу (type 0)
-- source: our own plausible prices, man-days and notes, in the structure of the collection
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (216, 2, 214, 0, 2, '1.2.2', 'ЗУКР табл. 1.7', 'Нівелювання IV класу', 'Одиниця виміру: 1 км ходу.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (62, 216, 1051, 6, 1, 'Довжина нівелірного ходу, км', 3, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (149, 216, 1, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 320, 75, 6.667, 1.562, NULL);

-- ---- 1.3 Прокладання теодолітних ходів (type 0)
-- source: our own plausible prices, man-days and notes, in the structure of the collection
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (217, 2, 210, 0, 3, '1.3', 'ЗУКР табл. 1.9', 'Прокладання теодолітних ходів', 'Ціна — на 1 км ходу залежно від категорії і точності ходу.' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'Для ходів коротших за 2 км діє примітка 1.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (15, 217, 1, 'I категорія –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'відкрита місцевість, добра видимість.');
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (16, 217, 2, 'II категорія –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'напівзакрита місцевість.');
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (17, 217, 3, 'III категорія –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'закрита місцевість або забудова.');
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (63, 217, 1002, 0, 1, 'Категорія складності території', 2, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (64, 217, 1007, 9, 2, 'Точність теодолітного ходу', 2000, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (65, 217, 1015, 6, 3, 'Довжина ходу, км', 1.2, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (150, 217, 1, 1, 1000, NULL, NULL, NULL, NULL, NULL, 160, 48, 3.333, 1, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (151, 217, 2, 1, 2000, NULL, NULL, NULL, NULL, NULL, 184, 55.2, 3.833, 1.15, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (152, 217, 3, 1, 3000, NULL, NULL, NULL, NULL, NULL, 211.6, 63.48, 4.408, 1.323, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (153, 217, 4, 1, 4000, NULL, NULL, NULL, NULL, NULL, 243.34, 73, 5.07, 1.521, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (154, 217, 5, 2, 1000, NULL, NULL, NULL, NULL, NULL, 208, 62.4, 4.333, 1.3, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (155, 217, 6, 2, 2000, NULL, NULL, NULL, NULL, NULL, 239.2, 71.76, 4.983, 1.495, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (156, 217, 7, 2, 3000, NULL, NULL, NULL, NULL, NULL, 275.08, 82.52, 5.731, 1.719, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (157, 217, 8, 2, 4000, NULL, NULL, NULL, NULL, NULL, 316.34, 94.9, 6.59, 1.977, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (158, 217, 9, 3, 1000, NULL, NULL, NULL, NULL, NULL, 270.4, 81.12, 5.633, 1.69, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (159, 217, 10, 3, 2000, NULL, NULL, NULL, NULL, NULL, 310.96, 93.29, 6.478, 1.944, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (160, 217, 11, 3, 3000, NULL, NULL, NULL, NULL, NULL, 357.6, 107.28, 7.45, 2.235, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (161, 217, 12, 3, 4000, NULL, NULL, NULL, NULL, NULL, 411.24, 123.37, 8.568, 2.57, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (42, 217, 1, 1, 0, 'Для ходів довжиною менше 2 км: K = 1 + 0,25 (2 - n), n — довжина ходу, км (не більше 1,5).', 'табл. 1.9, прим. 1', 1015, 'Довжина ходу, км', 3, 2, NULL, 1.2, NULL, 0, '1+0.25*(2-n)', 0, NULL);

-- ---- 1.4 Закладання центрів геодезичних пунктів (type 0)
-- source: our own plausible prices, man-days and notes, in the structure of the collection
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (218, 2, 210, 0, 4, '1.4', 'ЗУКР табл. 1.12', 'Закладання центрів геодезичних пунктів', 'Одиниця виміру: центр (пункт).', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (66, 218, 1019, 6, 1, 'Кількість геодезичних пунктів', 2, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (162, 218, 1, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 380, 25, 7.917, 0.521, NULL);

-- ---- 2 Топографічне знімання (type 2)
-- source: our own grouping and notes
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (220, 2, NULL, 2, 2, '2', 'Розділ 2', 'Топографічне знімання', NULL, NULL, NULL, NULL, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (43, 220, 1, 1, 0, 'На заболоченій або залісненій території — коефіцієнт 1,25 до польових робіт.', 'розд. 2, прим. 1', 1032, 'Заболочена або заліснена територія', 0, 1, NULL, 0, NULL, 1.25, NULL, 0, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number", "ID_TypeParameter2", "ID_TypeValue2", "ValueFrom2", "ValueTo2", "Default2", "Operator2", "Divisor2")
  VALUES (44, 220, 2, 0, 0, 'Коректура існуючого плану при обсязі змін ситуації менше 35 % — коефіцієнт 0,5.', 'розд. 2, прим. 2', 1033, 'Коректура (оновлення) існуючого плану', 0, 1, NULL, 0, NULL, 0.5, NULL, 1, NULL, 1065, 3, 35, NULL, 20, 0, NULL);

-- ---- 2.1 Топографічне знімання в масштабах 1:500 та 1:2000 (type 0)
-- source: structure and price ratios: MRR-3.1.02-23 rows 4-18 (Moscow, roubles), taken at 10 % as hryvnias (our scaling), split 70/30 field/office (ours)
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (221, 2, 220, 0, 1, '2.1', 'ЗУКР табл. 2.1', 'Топографічне знімання в масштабах 1:500 та 1:2000', 'Ціна — на 1 га залежно від масштабу, категорії, висоти перерізу рельєфу і типу території.' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'Співвідношення цін — як у МРР-3.1.02-23 (м. Москва); значення в гривнях — наші.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (18, 221, 1, 'I категорія –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'рівнинна відкрита місцевість з поодинокими контурами.');
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (19, 221, 2, 'II категорія –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'горбиста місцевість, середня насиченість контурами.');
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (20, 221, 3, 'III категорія –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'пересічена місцевість, значна насиченість контурами і комунікаціями.');
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (67, 221, 1002, 0, 1, 'Категорія складності території', 2, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (68, 221, 1005, 9, 2, 'Масштаб знімання', 500, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (69, 221, 1026, 2, 3, 'Висота перерізу рельєфу, м', 0.5, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (70, 221, 1067, 7, 4, 'Тип території', 1, 1, '1 - незабудована територія' || ASCII_CHAR(13) || ASCII_CHAR(10) || '2 - забудована територія' || ASCII_CHAR(13) || ASCII_CHAR(10) || '3 - діючі промислові підприємства', NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (71, 221, 1010, 6, 5, 'Площа знімання, га', 2, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (163, 221, 1, 1, 500, NULL, 0.5, NULL, 1, NULL, 106.8, 45.77, 2.225, 0.954, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (164, 221, 2, 1, 500, NULL, 0.5, NULL, 2, NULL, 138.42, 59.32, 2.884, 1.236, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (165, 221, 3, 1, 500, NULL, 0.5, NULL, 3, NULL, 186.39, 79.88, 3.883, 1.664, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (166, 221, 4, 2, 500, NULL, 0.5, NULL, 1, NULL, 150.75, 64.61, 3.141, 1.346, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (167, 221, 5, 2, 500, NULL, 0.5, NULL, 2, NULL, 203.56, 87.24, 4.241, 1.817, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (168, 221, 6, 2, 500, NULL, 0.5, NULL, 3, NULL, 287.12, 123.05, 5.982, 2.564, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (169, 221, 7, 3, 500, NULL, 0.5, NULL, 1, NULL, 203.81, 87.35, 4.246, 1.82, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (170, 221, 8, 3, 500, NULL, 0.5, NULL, 2, NULL, 299.03, 128.15, 6.23, 2.67, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (171, 221, 9, 3, 500, NULL, 0.5, NULL, 3, NULL, 384.01, 164.58, 8, 3.429, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (172, 221, 10, 1, 500, NULL, 1, NULL, 1, NULL, 90.5, 38.79, 1.885, 0.808, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (173, 221, 11, 1, 500, NULL, 1, NULL, 2, NULL, 126.64, 54.27, 2.638, 1.131, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (174, 221, 12, 2, 500, NULL, 1, NULL, 1, NULL, 121.8, 52.2, 2.538, 1.088, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (175, 221, 13, 2, 500, NULL, 1, NULL, 2, NULL, 191.85, 82.22, 3.997, 1.713, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (176, 221, 14, 3, 500, NULL, 1, NULL, 1, NULL, 139.66, 59.85, 2.91, 1.247, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (177, 221, 15, 3, 500, NULL, 1, NULL, 2, NULL, 284.58, 121.96, 5.929, 2.541, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (178, 221, 16, 1, 2000, NULL, 0.5, NULL, 1, NULL, 25.29, 10.84, 0.527, 0.226, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (179, 221, 17, 1, 2000, NULL, 0.5, NULL, 2, NULL, 84.67, 36.29, 1.764, 0.756, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (180, 221, 18, 1, 2000, NULL, 0.5, NULL, 3, NULL, 110.15, 47.21, 2.295, 0.984, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (181, 221, 19, 2, 2000, NULL, 0.5, NULL, 1, NULL, 49.84, 21.36, 1.038, 0.445, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (182, 221, 20, 2, 2000, NULL, 0.5, NULL, 2, NULL, 133.4, 57.17, 2.779, 1.191, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (183, 221, 21, 2, 2000, NULL, 0.5, NULL, 3, NULL, 173.32, 74.28, 3.611, 1.548, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (184, 221, 22, 3, 2000, NULL, 0.5, NULL, 1, NULL, 111.33, 47.71, 2.319, 0.994, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (185, 221, 23, 3, 2000, NULL, 0.5, NULL, 2, NULL, 218.81, 93.78, 4.559, 1.954, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (186, 221, 24, 3, 2000, NULL, 0.5, NULL, 3, NULL, 284.4, 121.88, 5.925, 2.539, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (187, 221, 25, 1, 2000, NULL, 1, NULL, 1, NULL, 21.32, 9.14, 0.444, 0.19, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (188, 221, 26, 1, 2000, NULL, 1, NULL, 2, NULL, 81.58, 34.96, 1.7, 0.728, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (189, 221, 27, 2, 2000, NULL, 1, NULL, 1, NULL, 41.78, 17.91, 0.87, 0.373, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (190, 221, 28, 2, 2000, NULL, 1, NULL, 2, NULL, 128.99, 55.28, 2.687, 1.152, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (191, 221, 29, 3, 2000, NULL, 1, NULL, 1, NULL, 87.53, 37.51, 1.824, 0.781, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (192, 221, 30, 3, 2000, NULL, 1, NULL, 2, NULL, 212.49, 91.07, 4.427, 1.897, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (193, 221, 31, 1, 2000, NULL, 2, NULL, 1, NULL, 18.1, 7.76, 0.377, 0.162, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (194, 221, 32, 2, 2000, NULL, 2, NULL, 1, NULL, 33.78, 14.48, 0.704, 0.302, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (195, 221, 33, 3, 2000, NULL, 2, NULL, 1, NULL, 70.17, 30.07, 1.462, 0.626, NULL);

-- ---- 2.2 Складання планів підземних і надземних комунікацій (type 0)
-- source: structure and values: MRR-3.1.02-23 table 4.5.4.1, at 10 % as hryvnias (ours); note 3 after its note (3), 50 UAH ours
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (222, 2, 220, 0, 2, '2.2', 'ЗУКР табл. 2.5', 'Складання планів підземних і надземних комунікацій', 'Ціна — на 1 га залежно від масштабу і кількості мереж (структура — МРР-3.1.02-23, табл. 4.5.4.1).' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'Значення в гривнях — наші.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (72, 222, 1005, 9, 1, 'Масштаб знімання', 500, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (73, 222, 1022, 2, 2, 'Кількість мереж підземних комунікацій', 3, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (74, 222, 1022, 3, 3, 'Кількість мереж підземних комунікацій', 3, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (75, 222, 1010, 6, 4, 'Площа знімання, га', 2, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (196, 222, 1, NULL, 500, NULL, 0, 4, NULL, NULL, 13.34, 20, 0.278, 0.417, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (197, 222, 2, NULL, 500, NULL, 4, 6, NULL, NULL, 22.96, 34.44, 0.478, 0.717, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (198, 222, 3, NULL, 500, NULL, 6, 10, NULL, NULL, 40.05, 60.07, 0.834, 1.251, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (199, 222, 4, NULL, 500, NULL, 10, 1000000, NULL, NULL, 68.08, 102.12, 1.418, 2.127, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (200, 222, 5, NULL, 2000, NULL, 0, 4, NULL, NULL, 4, 6, 0.083, 0.125, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (201, 222, 6, NULL, 2000, NULL, 4, 6, NULL, NULL, 7.46, 11.19, 0.155, 0.233, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (202, 222, 7, NULL, 2000, NULL, 6, 10, NULL, NULL, 13.84, 20.75, 0.288, 0.432, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (203, 222, 8, NULL, 2000, NULL, 10, 1000000, NULL, NULL, 23.52, 35.28, 0.49, 0.735, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (45, 222, 1, 3, 0, 'Погодження плану в кожній експлуатаційній організації — 50 грн за погодження.', 'табл. 2.5, прим. 3', 1057, 'Кількість погоджень з експлуатаційними організаціями', NULL, NULL, NULL, 2, NULL, 0, 'n*50', 0, NULL);

-- ---- 2.3 Стереотопографічне знімання в масштабі 1:2000 (type 0)
-- source: ZUKR table 3.2 item 11824 (6.87 per sq km, NUNG book 4576 p.92) read as thousands of hryvnias
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (223, 2, 220, 0, 3, '2.3', 'ЗУКР табл. 3.2, п. 11824', 'Стереотопографічне знімання в масштабі 1:2000', 'Одиниця виміру: 1 кв.км (площа вводиться в гектарах, дільник 100).', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (76, 223, 1053, 5, 1, 'Площа стереотопографічного знімання, кв.км', 250, 100, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (204, 223, 1, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, 6870, NULL, 143.125, NULL);

-- ---- 3 Камеральні роботи (type 2)
-- source: our own grouping and notes
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (230, 2, NULL, 2, 3, '3', 'Розділ 3', 'Камеральні роботи', NULL, NULL, NULL, NULL, NULL);
INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "ID_TypeKof", "Name", "NameTable", "ID_TypeParameter", "NameParameter", "ID_TypeValue", "ValueFrom", "ValueTo", "Default", "Divisor", "Kof", "Formula", "CountParameters", "ID_Number")
  VALUES (46, 230, 1, 2, 0, 'При терміновому виконанні камеральних робіт — коефіцієнт 1,3.', 'розд. 3, прим. 1', 1034, 'Термінове виконання робіт', 0, 1, NULL, 0, NULL, 1.3, NULL, 0, NULL);

-- ---- 3.1 Попереднє опрацювання матеріалів полігонометрії (type 0)
-- source: ZUKR table 5.1 items 061585 (0.64) and 061586 (0.62) per point, read as thousands; 2nd class 600 ours
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (231, 2, 230, 0, 1, '3.1', 'ЗУКР табл. 5.1', 'Попереднє опрацювання матеріалів полігонометрії', 'п. 061585 — 4 клас, п. 061586 — 1 розряд; одиниця виміру: пункт.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (77, 231, 1006, 9, 1, 'Клас (розряд) точності', 1, 1, '1 - 4 клас' || ASCII_CHAR(13) || ASCII_CHAR(10) || '2 - 1 розряд' || ASCII_CHAR(13) || ASCII_CHAR(10) || '3 - 2 розряд', NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (78, 231, 1019, 5, 2, 'Кількість геодезичних пунктів', 5, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (205, 231, 1, NULL, 1, NULL, NULL, NULL, NULL, NULL, 0, 640, NULL, 13.333, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (206, 231, 2, NULL, 2, NULL, NULL, NULL, NULL, NULL, 0, 620, NULL, 12.917, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (207, 231, 3, NULL, 3, NULL, NULL, NULL, NULL, NULL, 0, 600, NULL, 12.5, NULL);

-- ---- 3.2 Попереднє опрацювання матеріалів технічного нівелювання (type 0)
-- source: ZUKR table 5.8 item 061600 (0.21 per km), read as thousands of hryvnias
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (232, 2, 230, 0, 2, '3.2', 'ЗУКР табл. 5.8, п. 061600', 'Попереднє опрацювання матеріалів технічного нівелювання', 'Одиниця виміру: 1 км ходу.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (79, 232, 1051, 5, 1, 'Довжина нівелірного ходу, км', 12.2, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (208, 232, 1, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, 210, NULL, 4.375, NULL);

-- ---- 3.3 Врівноваження координат пунктів 4 класу, 1 і 2 розрядів на ПК (type 0)
-- source: ZUKR table 5.6 item 061593 (0.14 per point), read as thousands of hryvnias
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (233, 2, 230, 0, 3, '3.3', 'ЗУКР табл. 5.6, п. 061593', 'Врівноваження координат пунктів 4 класу, 1 і 2 розрядів на ПК', 'Одиниця виміру: пункт.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (80, 233, 1019, 5, 1, 'Кількість геодезичних пунктів', 25, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (209, 233, 1, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, 140, NULL, 2.917, NULL);

-- ---- 3.4 Редагування зібраної цифрової інформації (type 0)
-- source: ZUKR table 3.3 item 11860 (2.91 per sq km), read as thousands of hryvnias
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (234, 2, 230, 0, 4, '3.4', 'ЗУКР табл. 3.3, п. 11860', 'Редагування зібраної цифрової інформації', 'Одиниця виміру: 1 кв.км (площа вводиться в гектарах, дільник 100).', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (81, 234, 1053, 5, 1, 'Площа стереотопографічного знімання, кв.км', 250, 100, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (210, 234, 1, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, 2910, NULL, 60.625, NULL);

-- ---- 3.5 Складання цифрового топографічного плану (type 0)
-- source: our own plausible prices, man-days and notes, in the structure of the collection
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (235, 2, 230, 0, 5, '3.5', 'ЗУКР табл. 5.12', 'Складання цифрового топографічного плану', '<html><body><p>Ціна — на 1 га залежно від масштабу і категорії складності.</p><p><b>Кінцевою продукцією є</b> цифровий топографічний план і його друкована копія.</p></body></html>', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (21, 235, 1, 'I категорія –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'незабудована територія.');
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (22, 235, 2, 'II категорія –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'забудова садибного типу.');
INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
  VALUES (23, 235, 3, 'III категорія –' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'багатоповерхова забудова, промислові майданчики.');
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (82, 235, 1001, 0, 1, 'Категорія складності робіт', 2, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (83, 235, 1004, 9, 2, 'Масштаб плану', 500, 1, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (84, 235, 1010, 5, 3, 'Площа знімання, га', 2, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (211, 235, 1, 1, 500, NULL, NULL, NULL, NULL, NULL, 0, 62, NULL, 1.292, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (212, 235, 2, 1, 1000, NULL, NULL, NULL, NULL, NULL, 0, 38, NULL, 0.792, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (213, 235, 3, 1, 2000, NULL, NULL, NULL, NULL, NULL, 0, 21, NULL, 0.438, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (214, 235, 4, 1, 5000, NULL, NULL, NULL, NULL, NULL, 0, 9.5, NULL, 0.198, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (215, 235, 5, 2, 500, NULL, NULL, NULL, NULL, NULL, 0, 86.8, NULL, 1.808, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (216, 235, 6, 2, 1000, NULL, NULL, NULL, NULL, NULL, 0, 53.2, NULL, 1.108, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (217, 235, 7, 2, 2000, NULL, NULL, NULL, NULL, NULL, 0, 29.4, NULL, 0.612, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (218, 235, 8, 2, 5000, NULL, NULL, NULL, NULL, NULL, 0, 13.3, NULL, 0.277, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (219, 235, 9, 3, 500, NULL, NULL, NULL, NULL, NULL, 0, 117.8, NULL, 2.454, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (220, 235, 10, 3, 1000, NULL, NULL, NULL, NULL, NULL, 0, 72.2, NULL, 1.504, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (221, 235, 11, 3, 2000, NULL, NULL, NULL, NULL, NULL, 0, 39.9, NULL, 0.831, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (222, 235, 12, 3, 5000, NULL, NULL, NULL, NULL, NULL, 0, 18.05, NULL, 0.376, NULL);

-- ---- 4 Виготовлення копій топографічних планів (type 0)
-- source: our own plausible prices, man-days and notes, in the structure of the collection
INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Number", "Small", "Table", "Name", "Note", "Per_Field", "Per_Cameral", "Per_Field2", "Per_Cameral2")
  VALUES (241, 2, NULL, 0, 4, '4', 'ЗУКР табл. 6.1', 'Виготовлення копій топографічних планів', 'Одиниця виміру: аркуш.', NULL, NULL, NULL, NULL);
INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter", "ID_TypeValue", "Number", "Name", "Default", "Divisor", "ListParam", "ID_Unit")
  VALUES (85, 241, 1023, 5, 1, 'Кількість аркушів', 3, 1, NULL, NULL);
INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "ID_Category", "Parameter1", "Parameter2", "Parameter3", "Parameter4", "Parameter5", "Parameter6", "A", "B", "DaysA", "DaysB", "ID_Unit")
  VALUES (223, 241, 1, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, 24, NULL, 0.5, NULL);
