-- Seed data of the price catalogue (service.fdb), loaded by velta2-cli create-databases.
-- Keys are explicit and referenced across files and by the estimate templates (../velta).
-- Note texts and section comments are plain text: the note cipher runs with an empty key.
-- Units of measure (TypeUnit). Our own list of the units the collections price by.
INSERT INTO "TypeUnit" ("ID_TypeUnit", "Name")
  VALUES (1, 'га');
INSERT INTO "TypeUnit" ("ID_TypeUnit", "Name")
  VALUES (2, 'кв.м');
INSERT INTO "TypeUnit" ("ID_TypeUnit", "Name")
  VALUES (3, 'км');
INSERT INTO "TypeUnit" ("ID_TypeUnit", "Name")
  VALUES (4, 'м');
INSERT INTO "TypeUnit" ("ID_TypeUnit", "Name")
  VALUES (5, 'ділянка');
INSERT INTO "TypeUnit" ("ID_TypeUnit", "Name")
  VALUES (6, 'точка');
INSERT INTO "TypeUnit" ("ID_TypeUnit", "Name")
  VALUES (7, 'пункт');
INSERT INTO "TypeUnit" ("ID_TypeUnit", "Name")
  VALUES (8, 'межовий знак');
INSERT INTO "TypeUnit" ("ID_TypeUnit", "Name")
  VALUES (9, 'об’єкт');
INSERT INTO "TypeUnit" ("ID_TypeUnit", "Name")
  VALUES (10, 'аркуш');
INSERT INTO "TypeUnit" ("ID_TypeUnit", "Name")
  VALUES (11, 'кв.км');
INSERT INTO "TypeUnit" ("ID_TypeUnit", "Name")
  VALUES (12, 'тис.га');
INSERT INTO "TypeUnit" ("ID_TypeUnit", "Name")
  VALUES (13, 'млн.га');
INSERT INTO "TypeUnit" ("ID_TypeUnit", "Name")
  VALUES (14, 'грн');
INSERT INTO "TypeUnit" ("ID_TypeUnit", "Name")
  VALUES (15, 'люд.-день');
INSERT INTO "TypeUnit" ("ID_TypeUnit", "Name")
  VALUES (16, '%');
INSERT INTO "TypeUnit" ("ID_TypeUnit", "Name")
  VALUES (17, 'примірник');
INSERT INTO "TypeUnit" ("ID_TypeUnit", "Name")
  VALUES (18, 'землекористувач');
INSERT INTO "TypeUnit" ("ID_TypeUnit", "Name")
  VALUES (19, 'мережа');
