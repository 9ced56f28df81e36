-- Estimate templates (ListService, ListServiceLnk) of velta.fdb, loaded by velta2-cli create-databases.
-- The jobs estimators price most often; every section points at a shipped catalogue row.
-- The keys are written here, so the generators are moved past them at the end.

INSERT INTO "ListService" ("ID_ListService", "Name", "Note")
  VALUES (1, 'Технічна документація із землеустрою щодо встановлення (відновлення) меж земельної ділянки в натурі (на місцевості)', 'Склад робіт — за ст. 55 Закону «Про землеустрій» і кошторисом СумДУ');
INSERT INTO "ListServiceLnk" ("ID_ListServiceLnk", "ID_ListService", "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType", "Name")
  VALUES (1, 1, 1, 1, 162, 0, 'Технічна документація із землеустрою щодо встановлення (відновлення) меж земельної ділянки в натурі');
INSERT INTO "ListServiceLnk" ("ID_ListServiceLnk", "ID_ListService", "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType", "Name")
  VALUES (2, 1, 2, 1, 157, 0, 'Земельні ділянки в межах населених пунктів');
INSERT INTO "ListServiceLnk" ("ID_ListServiceLnk", "ID_ListService", "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType", "Name")
  VALUES (3, 1, 3, 1, 123, 0, 'Складання кадастрового плану земельної ділянки');
INSERT INTO "ListServiceLnk" ("ID_ListServiceLnk", "ID_ListService", "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType", "Name")
  VALUES (4, 1, 4, 1, 124, 0, 'Формування електронного документа (обмінного файлу) для внесення відомостей до ДЗК');
INSERT INTO "ListServiceLnk" ("ID_ListServiceLnk", "ID_ListService", "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType", "Name")
  VALUES (5, 1, 5, 3, 322, 0, 'Прокладання теодолітних ходів');
INSERT INTO "ListServiceLnk" ("ID_ListServiceLnk", "ID_ListService", "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType", "Name")
  VALUES (6, 1, 6, 3, 324, 0, 'Визначення координат поворотних точок межі');

INSERT INTO "ListService" ("ID_ListService", "Name", "Note")
  VALUES (2, 'Проект землеустрою щодо відведення земельної ділянки', 'Код 004 за класифікатором видів документації');
INSERT INTO "ListServiceLnk" ("ID_ListServiceLnk", "ID_ListService", "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType", "Name")
  VALUES (7, 2, 1, 1, 152, 0, 'Проект землеустрою щодо відведення земельної ділянки громадянину (ОСГ, житлове будівництво, садівництво)');
INSERT INTO "ListServiceLnk" ("ID_ListServiceLnk", "ID_ListService", "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType", "Name")
  VALUES (8, 2, 2, 1, 123, 0, 'Складання кадастрового плану земельної ділянки');
INSERT INTO "ListServiceLnk" ("ID_ListServiceLnk", "ID_ListService", "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType", "Name")
  VALUES (9, 2, 3, 1, 124, 0, 'Формування електронного документа (обмінного файлу) для внесення відомостей до ДЗК');
INSERT INTO "ListServiceLnk" ("ID_ListServiceLnk", "ID_ListService", "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType", "Name")
  VALUES (10, 2, 4, 1, 157, 0, 'Земельні ділянки в межах населених пунктів');

INSERT INTO "ListService" ("ID_ListService", "Name", "Note")
  VALUES (3, 'Топографо-геодезичне знімання М 1:500', 'Знімання, план і копії за ЗУКР');
INSERT INTO "ListServiceLnk" ("ID_ListServiceLnk", "ID_ListService", "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType", "Name")
  VALUES (11, 3, 1, 2, 213, 0, 'Визначення координат пунктів методом супутникових (GNSS) спостережень');
INSERT INTO "ListServiceLnk" ("ID_ListServiceLnk", "ID_ListService", "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType", "Name")
  VALUES (12, 3, 2, 2, 221, 0, 'Топографічне знімання в масштабах 1:500 та 1:2000');
INSERT INTO "ListServiceLnk" ("ID_ListServiceLnk", "ID_ListService", "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType", "Name")
  VALUES (13, 3, 3, 2, 235, 0, 'Складання цифрового топографічного плану');
INSERT INTO "ListServiceLnk" ("ID_ListServiceLnk", "ID_ListService", "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType", "Name")
  VALUES (14, 3, 4, 2, 241, 0, 'Виготовлення копій топографічних планів');

INSERT INTO "ListService" ("ID_ListService", "Name", "Note")
  VALUES (4, 'Технічна документація із землеустрою щодо поділу та об’єднання земельних ділянок', 'Склад документації — за ст. 56 Закону «Про землеустрій»');
INSERT INTO "ListServiceLnk" ("ID_ListServiceLnk", "ID_ListService", "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType", "Name")
  VALUES (15, 4, 1, 1, 163, 0, 'Технічна документація із землеустрою щодо поділу та об’єднання земельних ділянок');
INSERT INTO "ListServiceLnk" ("ID_ListServiceLnk", "ID_ListService", "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType", "Name")
  VALUES (16, 4, 2, 1, 123, 0, 'Складання кадастрового плану земельної ділянки');
INSERT INTO "ListServiceLnk" ("ID_ListServiceLnk", "ID_ListService", "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType", "Name")
  VALUES (17, 4, 3, 1, 124, 0, 'Формування електронного документа (обмінного файлу) для внесення відомостей до ДЗК');
INSERT INTO "ListServiceLnk" ("ID_ListServiceLnk", "ID_ListService", "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType", "Name")
  VALUES (18, 4, 4, 1, 157, 0, 'Земельні ділянки в межах населених пунктів');

INSERT INTO "ListService" ("ID_ListService", "Name", "Note")
  VALUES (5, 'Технічна документація із землеустрою щодо інвентаризації земель', NULL);
INSERT INTO "ListServiceLnk" ("ID_ListServiceLnk", "ID_ListService", "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType", "Name")
  VALUES (19, 5, 1, 1, 164, 0, 'Технічна документація із землеустрою щодо інвентаризації земель');
INSERT INTO "ListServiceLnk" ("ID_ListServiceLnk", "ID_ListService", "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType", "Name")
  VALUES (20, 5, 2, 1, 122, 0, 'Вирахування загальної площі земельних ділянок');
INSERT INTO "ListServiceLnk" ("ID_ListServiceLnk", "ID_ListService", "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType", "Name")
  VALUES (21, 5, 3, 1, 124, 0, 'Формування електронного документа (обмінного файлу) для внесення відомостей до ДЗК');

INSERT INTO "ListService" ("ID_ListService", "Name", "Note")
  VALUES (6, 'Інженерно-геодезичні вишукування М 1:500 (Збірник цін 1982 р.)', 'За зразком кошторису НУНГ');
INSERT INTO "ListServiceLnk" ("ID_ListServiceLnk", "ID_ListService", "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType", "Name")
  VALUES (22, 6, 1, 3, 312, 0, 'Знімання в масштабі 1:500');
INSERT INTO "ListServiceLnk" ("ID_ListServiceLnk", "ID_ListService", "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType", "Name")
  VALUES (23, 6, 2, 3, 316, 0, 'Складання програми робіт і технічного звіту');

INSERT INTO "ListService" ("ID_ListService", "Name", "Note")
  VALUES (7, 'Перенесення в натуру меж земельної ділянки (Збірник цін 1982 р.)', 'За зразком кошторису СумДУ');
INSERT INTO "ListServiceLnk" ("ID_ListServiceLnk", "ID_ListService", "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType", "Name")
  VALUES (24, 7, 1, 3, 321, 0, 'Рекогностування та обстеження меж');
INSERT INTO "ListServiceLnk" ("ID_ListServiceLnk", "ID_ListService", "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType", "Name")
  VALUES (25, 7, 2, 3, 322, 0, 'Прокладання теодолітних ходів');
INSERT INTO "ListServiceLnk" ("ID_ListServiceLnk", "ID_ListService", "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType", "Name")
  VALUES (26, 7, 3, 3, 323, 0, 'Винесення в натуру та закріплення межових знаків');
INSERT INTO "ListServiceLnk" ("ID_ListServiceLnk", "ID_ListService", "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType", "Name")
  VALUES (27, 7, 4, 3, 324, 0, 'Визначення координат поворотних точок межі');
INSERT INTO "ListServiceLnk" ("ID_ListServiceLnk", "ID_ListService", "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType", "Name")
  VALUES (28, 7, 5, 3, 325, 0, 'Погодження меж із суміжними землекористувачами');
INSERT INTO "ListServiceLnk" ("ID_ListServiceLnk", "ID_ListService", "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType", "Name")
  VALUES (29, 7, 6, 3, 331, 0, 'Складання плану меж земельної ділянки');
INSERT INTO "ListServiceLnk" ("ID_ListServiceLnk", "ID_ListService", "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType", "Name")
  VALUES (30, 7, 7, 3, 332, 0, 'Обчислення площі та складання каталогу координат');

-- The next template and template section get the keys after the shipped ones.
ALTER SEQUENCE "ID_GEN_LISTSERVICE" RESTART WITH 7;
ALTER SEQUENCE "ID_GEN_LISTSERVICELNK" RESTART WITH 30;
