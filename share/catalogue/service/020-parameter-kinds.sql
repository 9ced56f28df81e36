-- Seed data of the price catalogue (service.fdb), loaded by velta2-cli create-databases.
-- Keys are explicit and referenced across files and by the estimate templates (../velta).
-- Note texts and section comments are plain text: the note cipher runs with an empty key.
-- Parameter kinds (TypeParameter), shared by all collections. Names are ours, after the wording
-- of the collections; kind 1064 carries exactly the name, format and empty unit that the
-- start-up upgrade would write, so that upgrade step finds it and changes nothing.
-- format 4: категорія
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1001, 'Категорія складності робіт', 4, NULL);
-- format 4: категорія
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1002, 'Категорія складності території', 4, NULL);
-- format 4: категорія
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1003, 'Категорія еродованості території', 4, NULL);
-- format 5: масштаб
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1004, 'Масштаб плану', 5, NULL);
-- format 5: масштаб
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1005, 'Масштаб знімання', 5, NULL);
-- format 6: клас точності
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1006, 'Клас (розряд) точності', 6, NULL);
-- format 7: точність ходу
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1007, 'Точність теодолітного ходу', 7, NULL);
-- format 8: площа, кв.м
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1008, 'Площа земельної ділянки, кв.м', 8, 2);
-- format 9: площа, га
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1009, 'Площа земельної ділянки, га', 9, 1);
-- format 9: площа, га
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1010, 'Площа знімання, га', 9, 1);
-- format 10: площа, тис.га
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1011, 'Площа території, тис.га', 10, 12);
-- format 13: площа, млн.га
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1012, 'Площа адміністративного району, млн.га', 13, 13);
-- format 11: периметр, м
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1013, 'Периметр земельної ділянки, м', 11, 4);
-- format 12: периметр, км
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1014, 'Довжина межі, км', 12, 3);
-- format 12: периметр, км
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1015, 'Довжина теодолітного (полігонометричного) ходу, км', 12, 3);
-- format 14: кількість ділянок
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1016, 'Кількість земельних ділянок', 14, 5);
-- format 15: кількість точок
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1017, 'Кількість поворотних точок межі', 15, 6);
-- format 15: кількість точок
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1018, 'Кількість межових знаків', 15, 8);
-- format 1: ціле
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1019, 'Кількість геодезичних пунктів', 1, 7);
-- format 1: ціле
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1020, 'Кількість суміжних землекористувачів', 1, 18);
-- format 1: ціле
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1021, 'Кількість відокремлених масивів', 1, NULL);
-- format 1: ціле
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1022, 'Кількість мереж підземних комунікацій', 1, 19);
-- format 1: ціле
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1023, 'Кількість аркушів', 1, 10);
-- format 1: ціле
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1024, 'Кількість додаткових примірників документації', 1, 17);
-- format 1: ціле
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1025, 'Кількість землевласників (землекористувачів)', 1, 18);
-- format 0: дробне
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1026, 'Висота перерізу рельєфу, м', 0, 4);
-- format 0: дробне
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1027, 'Коефіцієнт ускладнення робіт', 0, NULL);
-- format 0: дробне
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1028, 'Регіональний коефіцієнт', 0, NULL);
-- format 2: логічне
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1029, 'Забудована територія', 2, NULL);
-- format 2: логічне
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1030, 'Роботи в зимовий період', 2, NULL);
-- format 2: логічне
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1031, 'Гірська місцевість', 2, NULL);
-- format 2: логічне
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1032, 'Заболочена або заліснена територія', 2, NULL);
-- format 2: логічне
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1033, 'Коректура (оновлення) існуючого плану', 2, NULL);
-- format 2: логічне
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1034, 'Термінове виконання робіт', 2, NULL);
-- format 2: логічне
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1035, 'Виписування координат суміжних землекористувань', 2, NULL);
-- format 2: логічне
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1036, 'Знімання суцільним масивом', 2, NULL);
-- format 2: логічне
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1037, 'Об’єкт за межами населеного пункту, де розташований виконавець', 2, NULL);
-- format 2: логічне
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1038, 'Метрологічне забезпечення робіт', 2, NULL);
-- format 2: логічне
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1039, 'Нарахування на людино-дні камеральних робіт', 2, NULL);
-- format 16: відсоток
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1040, 'Витрати на внутрішній транспорт, %', 16, 16);
-- format 16: відсоток
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1041, 'Щільність забудови, %', 16, 16);
-- format 16: відсоток
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1042, 'Витрати на організацію і ліквідацію польових робіт, %', 16, 16);
-- format 3: грошове
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1043, 'Вартість послуг сторонніх організацій, грн', 3, 14);
-- format 3: грошове
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1044, 'Польове забезпечення на 1 люд.-день, грн', 3, 14);
-- format 3: грошове
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1045, 'Інші витрати, грн', 3, 14);
-- format 17: сума польових
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1046, 'Сума польових робіт', 17, 14);
-- format 18: сума камеральних
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1047, 'Сума камеральних робіт', 18, 14);
-- format 19: сума кошторису
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1048, 'Сума кошторису', 19, 14);
-- format 14: кількість ділянок
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1049, 'Кількість земельних ділянок, що утворюються', 14, 5);
-- format 6: клас точності
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1050, 'Клас нівелювання', 6, NULL);
-- format 12: периметр, км
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1051, 'Довжина нівелірного ходу, км', 12, 3);
-- format 15: кількість точок
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1052, 'Кількість пунктів супутникових спостережень', 15, 7);
-- format 9: площа, га
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1053, 'Площа стереотопографічного знімання, га', 9, 1);
-- format 1: ціле
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1054, 'Кількість видів угідь', 1, NULL);
-- format 1: ціле
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1055, 'Цільове призначення земельної ділянки', 1, NULL);
-- format 0: дробне
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1056, 'Відстань від бази виконавця до об’єкта, км', 0, 3);
-- format 1: ціле
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1057, 'Кількість погоджень з експлуатаційними організаціями', 1, NULL);
-- format 16: відсоток
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1058, 'Еродованість території, %', 16, 16);
-- format 2: логічне
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1059, 'Наявність обмежень (обтяжень) у використанні земель', 2, NULL);
-- format 1: ціле
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1060, 'Кількість обмежень (обтяжень)', 1, NULL);
-- format 1: ціле
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1061, 'Кількість точок стояння на 1 км ходу', 1, NULL);
-- format 11: периметр, м
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1062, 'Периметр земельного масиву, м', 11, 4);
-- format 8: площа, кв.м
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1063, 'Площа земельного масиву, кв.м', 8, 2);
-- format 2: логічне
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1064, 'виконання робіт для новостворених господарств, що мають правовстановлювальні документи на землю', 2, NULL);
-- format 16: відсоток
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1065, 'Обсяг змін ситуації на плані, %', 16, 16);
-- format 2: логічне
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1066, 'Складання програми робіт і технічного звіту', 2, NULL);
-- format 1: ціле
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1067, 'Тип території', 1, NULL);
-- format 6: клас точності
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1068, 'Клас геодезичної мережі', 6, NULL);
-- format 2: логічне
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1069, 'Формування електронного (обмінного) файлу', 2, NULL);
-- format 10: площа, тис.га
INSERT INTO "TypeParameter" ("ID_TypeParameter", "Name", "ID_TypeValue", "ID_TypeUnit")
  VALUES (1070, 'Площа населеного пункту, тис.га', 10, 12);
