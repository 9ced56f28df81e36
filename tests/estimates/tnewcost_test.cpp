// The header editor as a window: the number check, cancelling by every way out, the automatic
// work dates, the pick lists, the value list with velta.vle and the extra fields, the area
// parameters of the current collection's sections, and Save under a list filter.

#include "estimates/estimates_window.h"

#include "core/cp1251.h"
#include "core/ini_file.h"
#include "core/settings.h"
#include "data/database.h"
#include "estimates/cost_header.h"
#include "estimates/cost_rules.h"
#include "estimates/date_input.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace velta;
using namespace velta::estimates;
using Kind = ui::ScriptedPrompter::Kind;

namespace {

class TNewCostTest : public test::EstimatesWindowFixture {
protected:
    QLineEdit* line(TNewCost& e, const char* field) { return static_cast<QLineEdit*>(e.input(field)); }
    // Types into a bound line input as a user would.
    void type(TNewCost& e, const char* field, const QString& text) {
        QLineEdit* l = line(e, field);
        l->selectAll();
        QTest::keyClick(l, Qt::Key_Delete);
        // Key by key with the character as the event's text, Cyrillic letters included.
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, l, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    void setting(const QString& key, bool on) {
        core::IniFile ini(core::iniPath(folder().path()));
        ini.writeBool(core::ini_keys::kOrganisation, key, on);
    }
    QString vlePath() { return QDir(folder().path()).filePath("velta.vle"); }
    void writeVle(const QStringList& lines) {
        QFile f(vlePath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(core::toCp1251(lines.join("\r\n") + "\r\n"));
    }
    QStringList captions(TNewCost& e) {
        QStringList c;
        for (const ValueRow& r : e.valueRows())
            c << r.caption;
        return c;
    }
    int costRows() { return scalar(R"(Select Count(*) From "Cost")").toInt(); }
    QVariant costField(qint64 id, int i) {
        return scalar(
            QStringLiteral(R"(Select "%1" From "CostField" Where "ID_Cost" = :id)").arg(ExtraFieldName(i)),
            {{"id", id}});
    }
};

TEST_F(TNewCostTest, ABlankNumberIsRefusedAndTheWindowStaysOpen) {
    bool visibleAfter = false;
    const auto run = runEditor([&] { list->createCost(); },
                               [&](TNewCost& e) {
                                   EXPECT_EQ(e.windowTitle(), QStringLiteral("Створення кошторису"));
                                   type(e, "Cost_Number", "   ");
                                   e.bSaveClick();
                                   visibleAfter = e.isVisible();
                               });
    EXPECT_TRUE(visibleAfter);
    EXPECT_TRUE(run.leftOpen);
    EXPECT_EQ(prompter.texts(Kind::Error),
              QStringList({"Перед збереженням необхідно заповнити поле \"Номер\" !"}));
    EXPECT_EQ(costRows(), 0);
    EXPECT_TRUE(dm().TbCost().isEmpty());
}

TEST_F(TNewCostTest, EveryWayOutButSaveDiscardsTheRow) {
    const qint64 id = addCost({{"Cost_Number", "7"}, {"Cust_Name", "Старий"}});
    struct Case {
        const char* how;
        std::function<void(TNewCost&)> close;
    };
    const Case cases[] = {
        {"close box", [](TNewCost& e) { e.close(); }},
        {"Esc", [](TNewCost& e) { QTest::keyClick(&e, Qt::Key_Escape); }},
        {"Відмінити", [](TNewCost& e) { e.bCancelClick(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        // Mode "New": no estimate is left behind.
        auto run = runEditor([&] { list->createCost(); },
                             [&](TNewCost& e) {
                                 e.pickBox("Cust_Name")->setEditText("Новий замовник");
                                 type(e, "Area", "25");
                                 c.close(e);
                             });
        EXPECT_FALSE(run.leftOpen);
        EXPECT_EQ(costRows(), 1);
        EXPECT_EQ(visibleKeys(), QList<qint64>({id}));
        // Mode "Edit": the typing is discarded.
        run = runEditor([&] { list->editHeader(); },
                        [&](TNewCost& e) {
                            EXPECT_EQ(e.windowTitle(), QStringLiteral("Зміна кошторису"));
                            type(e, "Cost_Number", "99");
                            c.close(e);
                        });
        EXPECT_FALSE(run.leftOpen);
        EXPECT_EQ(dm().TbCost().value("Cost_Number").toString(), QStringLiteral("7"));
        EXPECT_EQ(dm().TbCost().state(), data::Dataset::State::Browse);
        EXPECT_EQ(stored(id, "Cost_Number").toString(), QStringLiteral("7"));
    }
}

TEST_F(TNewCostTest, SaveWritesTheInputsAndCommits) {
    runEditor([&] { list->createCost(); },
              [&](TNewCost& e) {
                  type(e, "Cost_Number", "К-1");
                  e.pickBox("Cust_Name")->setEditText("ТОВ \"Ґрунт\"");
                  e.pickBox("TypePrivate")->setEditText("приватна");
                  type(e, "Area", "2500,5");
                  type(e, "Sum_Full", "1200");
                  type(e, "Sum_Real", "1000");
                  type(e, "CountObject", "3");
                  type(e, "DateLast", "15.04.2025");
                  EXPECT_EQ(line(e, "Sum")->text(), QStringLiteral("1000"));
                  e.dateBox()->setChecked(true);
                  e.datePicker()->setDate(QDate(2025, 3, 1));
                  e.bSaveClick();
              });
    ASSERT_EQ(visibleKeys().size(), 1);
    const qint64 id = visibleKeys().front();
    EXPECT_EQ(dm().TbCost().value("ID_Cost").toLongLong(), id);
    EXPECT_EQ(committed(id, "Cost_Number").toString(), QStringLiteral("К-1"));
    EXPECT_EQ(committed(id, "Cust_Name").toString(), QStringLiteral("ТОВ \"Ґрунт\""));
    EXPECT_EQ(committed(id, "TypePrivate").toString(), QStringLiteral("приватна"));
    EXPECT_DOUBLE_EQ(committed(id, "Area").toDouble(), 2500.5);
    EXPECT_DOUBLE_EQ(committed(id, "Sum").toDouble(), 1000.0);
    EXPECT_EQ(committed(id, "CountObject").toInt(), 3);
    EXPECT_EQ(committed(id, "Cost_Date").toDate(), QDate(2025, 3, 1));
    EXPECT_EQ(committed(id, "DateLast").toDate(), QDate(2025, 4, 15));
    EXPECT_TRUE(committed(id, "Agreement").isNull()); // empty texts are stored as NULL
    EXPECT_TRUE(prompter.questions().isEmpty());
}

TEST_F(TNewCostTest, TextThatIsNoDateIsRefusedWithoutLosingTheRow) {
    const auto run = runEditor([&] { list->createCost(); },
                               [&](TNewCost& e) {
                                   type(e, "DateFirst", "31.02.2025");
                                   e.bSaveClick();
                               });
    EXPECT_TRUE(run.leftOpen);
    ASSERT_EQ(prompter.texts(Kind::Error).size(), 1);
    EXPECT_TRUE(prompter.texts(Kind::Error).front().contains("31.02.2025"));
    EXPECT_EQ(costRows(), 0);
}

TEST_F(TNewCostTest, TermsFillTheEndDateFromTheStart) {
    setting(core::ini_keys::kAutoDateFinish, true);
    ASSERT_TRUE(core::Settings::load(folder().path()).autoDateFinish);
    const QDate first(2024, 1, 15);
    struct Case {
        QString termin;
        QDate dateLast; // already filled: stays
        QDate expected;
    };
    const Case cases[] = {
        {"2 роки", {}, first.addDays(730)},
        {"6 міс", {}, first.addDays(180)},
        {"45", {}, first.addDays(45)},
        {"1 рік", {}, first.addDays(365)},
        {"3 роки", QDate(2024, 2, 1), QDate(2024, 2, 1)},
        {"   ", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.termin.toStdString());
        runEditor([&] { list->createCost(); },
                  [&](TNewCost& e) {
                      type(e, "Termin", c.termin);
                      type(e, "DateFirst", first.toString("dd.MM.yyyy"));
                      if (c.dateLast.isValid())
                          type(e, "DateLast", c.dateLast.toString("dd.MM.yyyy"));
                      e.bSaveClick();
                  });
        EXPECT_EQ(dm().TbCost().value("DateLast").toDate(), c.expected);
    }
    EXPECT_EQ(TermDays("12 місяців"), 360);
    EXPECT_EQ(TermDays("2 Роки"), 2); // the word tests are case-sensitive
}

TEST_F(TNewCostTest, StartDateIsFilledOnlyFromAnEstimateDate) {
    setting(core::ini_keys::kAutoDateStart, true);
    for (const bool dated : {true, false}) {
        SCOPED_TRACE(dated);
        runEditor([&] { list->createCost(); },
                  [&](TNewCost& e) {
                      EXPECT_TRUE(e.dateBox()->isChecked()); // the new row is dated today
                      EXPECT_TRUE(e.datePicker()->isEnabled());
                      e.dateBox()->setChecked(dated);
                      EXPECT_EQ(e.datePicker()->isEnabled(), dated);
                      e.datePicker()->setDate(QDate(2023, 6, 5));
                      e.bSaveClick();
                  });
        EXPECT_EQ(dm().TbCost().value("DateFirst").toDate(), dated ? QDate(2023, 6, 5) : QDate());
        EXPECT_EQ(dm().TbCost().value("Cost_Date").isNull(), !dated);
    }
}

TEST_F(TNewCostTest, PickListsNeedTwoDistinctValuesAndStartWithTheFixedKinds) {
    const QStringList ownership = {"державна", "комунальна", "приватна"};
    auto lists = [&](QStringList& customers, QStringList& kinds, QStringList& terms) {
        runEditor([&] { list->createCost(); },
                  [&](TNewCost& e) {
                      customers.clear();
                      kinds.clear();
                      terms.clear();
                      for (int i = 0; i < e.pickBox("Cust_Name")->count(); ++i)
                          customers << e.pickBox("Cust_Name")->itemText(i);
                      for (int i = 0; i < e.pickBox("TypePrivate")->count(); ++i)
                          kinds << e.pickBox("TypePrivate")->itemText(i);
                      for (int i = 0; i < e.pickBox("TypeTake")->count(); ++i)
                          terms << e.pickBox("TypeTake")->itemText(i);
                      e.bCancelClick();
                  });
    };
    QStringList customers, kinds, terms;
    addCost({{"Cust_Name", "Петренко"}, {"TypePrivate", "приватна"}});
    lists(customers, kinds, terms);
    EXPECT_TRUE(customers.isEmpty());
    EXPECT_EQ(kinds, ownership);
    EXPECT_EQ(terms, QStringList({"власність", "постійне користування", "тимчасове користування", "оренда"}));

    addCost({{"Cust_Name", "Іваненко"}, {"TypePrivate", "спільна"}});
    addCost({{"Cust_Name", "Петренко"}});
    lists(customers, kinds, terms);
    EXPECT_EQ(customers.size(), 2);
    EXPECT_TRUE(customers.contains("Петренко") && customers.contains("Іваненко"));
    // Three rows of the group (NULL, "приватна", "спільна"): the fixed kinds, then the two values.
    ASSERT_EQ(kinds.size(), 5);
    EXPECT_EQ(kinds.mid(0, 3), ownership);
    EXPECT_TRUE(kinds.mid(3).contains("приватна") && kinds.mid(3).contains("спільна"));
}

TEST_F(TNewCostTest, AShortValueFileGivesItsCaptionsThenTheDefaultOnes) {
    writeVle({"Кадастровий номер=123", "Сільрада", "Площа ріллі=5=6"});
    QStringList shown;
    runEditor([&] { list->createCost(); },
              [&](TNewCost& e) {
                  shown = captions(e);
                  e.bCancelClick();
              });
    QStringList expected = {"Кадастровий номер", "Сільрада", "Площа ріллі"};
    for (int i = 4; i <= 20; ++i)
        expected << QStringLiteral("Значення № %1").arg(i);
    EXPECT_EQ(shown, expected);
}

TEST_F(TNewCostTest, ARenamedCaptionIsEveryEstimatesAndItsValueLandsInItsField) {
    const qint64 other = addCost({{"Cost_Number", "old"}});
    const QStringList longFile = [] {
        QStringList lines;
        for (int i = 1; i <= 22; ++i)
            lines << QStringLiteral("Рядок %1=").arg(i);
        return lines;
    }();
    writeVle(longFile);
    runEditor([&] { list->createCost(); },
              [&](TNewCost& e) {
                  ASSERT_EQ(e.valueList()->rowCount(), 22); // lines beyond the twentieth are shown
                  e.valueList()->item(4, 0)->setText("Номер рішення");
                  e.valueList()->item(4, 1)->setText("№ 15 від 01.02");
                  e.valueList()->item(21, 1)->setText("не поле");
                  e.bSaveClick();
              });
    const qint64 made = dm().TbCost().value("ID_Cost").toLongLong();
    EXPECT_NE(made, other);
    EXPECT_EQ(costField(made, 5).toString(), QStringLiteral("№ 15 від 01.02"));
    EXPECT_TRUE(costField(made, 4).isNull());

    const QList<ValueRow> file = ReadValueList(vlePath());
    ASSERT_EQ(file.size(), 22); // written back whole
    EXPECT_EQ(file[4], (ValueRow{"Номер рішення", "№ 15 від 01.02"}));
    EXPECT_EQ(file[21], (ValueRow{"Рядок 22", "не поле"}));

    // Another estimate shows the new caption with its own (empty) value.
    dm().TbCost().locate("ID_Cost", other);
    QList<ValueRow> rows;
    runEditor([&] { list->editHeader(); },
              [&](TNewCost& e) {
                  rows = e.valueRows();
                  e.bCancelClick();
              });
    ASSERT_EQ(rows.size(), 22);
    EXPECT_EQ(rows[4], (ValueRow{"Номер рішення", ""}));
    EXPECT_EQ(rows[21], (ValueRow{"Рядок 22", "не поле"}));
}

TEST_F(TNewCostTest, ExtraFieldRowsOfferTheirPreviousValues) {
    for (const char* v : {"Бровари", "Ірпінь", "Бровари"}) {
        const qint64 id = addCost({});
        dm().velta()->run(R"(Insert Into "CostField" ("ID_Cost", "Field03") Values (:id, :v))",
                          {{"id", id}, {"v", v}});
    }
    QStringList third, first;
    runEditor([&] { list->createCost(); },
              [&](TNewCost& e) {
                  third = e.valueRowPickList(2);
                  first = e.valueRowPickList(0);
                  e.bCancelClick();
              });
    EXPECT_EQ(third.size(), 2);
    EXPECT_TRUE(third.contains("Бровари") && third.contains("Ірпінь"));
    EXPECT_TRUE(first.isEmpty()); // one distinct value (NULL) only
}

TEST_F(TNewCostTest, SaveRefreshesTheAreaParametersOfTheShownSections) {
    // Parameter kinds of value types 8, 9, 10 and 12 in the catalogue.
    for (const auto& [id, type] : {std::pair{801, 8}, {901, 9}, {1001, 10}, {1201, 12}})
        dm().service()->run(
            R"(Insert Into "TypeParameter" ("ID_TypeParameter", "ID_TypeValue") Values (:id, :t))",
            {{"id", id}, {"t", type}});
    dm().TbTypeParameter().refresh();
    const qint64 cost = addCost({{"Cost_Number", "1"}, {"Area", 100.0}});
    dm().velta()->run(
        R"(Insert Into "CostSrv" ("ID_CostSrv", "ID_Cost", "ID_Service", "Number") Values (1, :c, 5, 1))",
        {{"c", cost}});
    dm().velta()->run(
        R"(Insert Into "CostLnk" ("ID_CostLnk", "ID_Cost", "ID_Service", "Number") Values (1, :c, 5, 1))",
        {{"c", cost}});
    int param = 1;
    for (const int kind : {801, 901, 1001, 1201})
        dm().velta()->run(
            R"(Insert Into "CostParam" ("ID_CostParam", "ID_CostLnk", "ID_TypeParameter", "Number", "PValue") Values (:p, 1, :k, :p, 7))",
            {{"p", param++}, {"k", kind}});
    ApplyCostOrder(dm(), 0);
    ASSERT_EQ(dm().TbCostLnk().recordCount(), 1);

    runEditor([&] { list->editHeader(); },
              [&](TNewCost& e) {
                  type(e, "Area", "25000");
                  e.bSaveClick();
              });
    auto pvalue = [&](int id) {
        return scalar(R"(Select "PValue" From "CostParam" Where "ID_CostParam" = :id)", {{"id", id}})
            .toDouble();
    };
    EXPECT_DOUBLE_EQ(pvalue(1), 25000.0);
    EXPECT_DOUBLE_EQ(pvalue(2), 2.5);
    EXPECT_DOUBLE_EQ(pvalue(3), 0.0025);
    EXPECT_DOUBLE_EQ(pvalue(4), 7.0);
    // The parameter grid shows the new values.
    EXPECT_DOUBLE_EQ(dm().TbCostParam().value("PValue").toDouble(), 25000.0);
}

TEST_F(TNewCostTest, ANewEstimateTheFilterHidesGetsItsOwnExtraFields) {
    const qint64 done = addCost({{"Cost_Number", "done"}, {"DateFinish", QDate(2024, 1, 1)}});
    dm().velta()->run(R"(Insert Into "CostField" ("ID_Cost", "Field01") Values (:id, 'старе'))",
                      {{"id", done}});
    list->setFilterState(2); // "виконані": the new estimate, not finished, leaves the list when posted
    runEditor([&] { list->createCost(); },
              [&](TNewCost& e) {
                  e.valueList()->item(0, 1)->setText("нове");
                  e.bSaveClick();
              });
    EXPECT_EQ(costRows(), 2);
    EXPECT_EQ(costField(done, 1).toString(), QStringLiteral("старе"));
    const qint64 made = scalar(R"(Select Max("ID_Cost") From "Cost")").toLongLong();
    EXPECT_NE(made, done);
    EXPECT_EQ(costField(made, 1).toString(), QStringLiteral("нове"));
    EXPECT_EQ(visibleKeys(), QList<qint64>({done})); // the filter is in force again
}

TEST_F(TNewCostTest, TheValueListHeightIsKeptInTheIniFile) {
    core::IniFile(core::iniPath(folder().path()))
        .writeInteger(core::ini_keys::kOrganisation, core::ini_keys::kParamListHeight, 200);
    int shown = 0;
    runEditor([&] { list->createCost(); },
              [&](TNewCost& e) {
                  shown = e.valueList()->height();
                  e.bSaveClick();
              });
    EXPECT_EQ(shown, 200);
    EXPECT_EQ(core::IniFile(core::iniPath(folder().path()))
                  .readInteger(core::ini_keys::kOrganisation, core::ini_keys::kParamListHeight, 0),
              200);
}

} // namespace
