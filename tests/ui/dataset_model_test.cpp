// The grid model over real datasets of the data module: the model tester through inserts,
// deletes, edits and re-reads; the texts of the display formats; edits written through the
// dataset; the current row shared by a view and its dataset.

#include "common/db_fixture.h"
#include "core/number_format.h"
#include "core/registry.h"
#include "data/tdm4.h"
#include "ui/dataset_model.h"

#include <QAbstractItemModelTester>
#include <QDate>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using velta::data::Dataset;
using velta::data::TDM4;
using velta::ui::DatasetColumn;
using velta::ui::DatasetModel;

namespace {

// Counts the model tester's complaints, which it reports as warnings of its own category.
int g_testerFailures = 0;
QtMessageHandler g_previousHandler = nullptr;

void countTesterFailures(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (context.category && QByteArray(context.category).startsWith("qt.modeltest") && type >= QtWarningMsg)
        ++g_testerFailures;
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

std::vector<DatasetColumn> costColumns() {
    using F = DatasetColumn::Format;
    return {
        {.field = "Cost_Number", .title = "Номер", .width = 82},
        {.field = "Cost_Date", .title = "Дата", .width = 94, .format = F::Date},
        {.field = "Cust_Name", .title = "Замовник", .width = 305},
        {.field = "Area", .title = "Площа, кв.м", .width = 88, .format = F::Number, .pattern = "0.00"},
        {.field = "Payment_Date", .title = "Дата сплати", .format = F::Date, .alignment = Qt::AlignCenter},
        {.field = "ID_Cost", .title = "Код", .readOnly = true},
    };
}

class DatasetModelTest : public velta::test::DbFixture {
protected:
    void SetUp() override {
        DbFixture::SetUp();
        TDM4::Options o;
        o.workingFolder = folder().path();
        o.registry = &m_registry;
        o.nextCostNumber = [](const QString& previous) { return previous + QStringLiteral("+"); };
        m_dm = std::make_unique<TDM4>(o);
        ASSERT_TRUE(m_dm->start()) << m_dm->connectionError().toStdString();
        g_testerFailures = 0;
        g_previousHandler = qInstallMessageHandler(countTesterFailures);
    }
    void TearDown() override {
        qInstallMessageHandler(g_previousHandler);
        m_dm.reset();
        DbFixture::TearDown();
    }

    Dataset& cost() { return m_dm->TbCost(); }

    void addCost(const QString& customer, double area) {
        cost().append();
        cost().setValue("Cust_Name", customer);
        cost().setValue("Area", area);
        cost().post();
    }

    // Every cell of the model against the dataset's own rows.
    void expectMirrors(const DatasetModel& model) {
        ASSERT_EQ(model.rowCount(), cost().recordCount());
        for (int r = 0; r < model.rowCount(); ++r) {
            for (int c = 0; c < model.columnCount(); ++c) {
                const QVariant v = cost().valueAt(r, cost().fieldIndex(model.column(c).field));
                EXPECT_EQ(model.index(r, c).data().toString(), model.displayText(c, v)) << r << "," << c;
            }
        }
    }

    QTemporaryDir m_registryDir;
    velta::core::ProfileRegistry m_registry{m_registryDir.path()};
    std::unique_ptr<TDM4> m_dm;
};

TEST_F(DatasetModelTest, FollowsInsertsDeletesEditsAndReloadsWithoutComplaint) {
    DatasetModel model(cost(), costColumns());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    addCost("Бондаренко", 1200);
    addCost("Ткачук", 350.5);
    addCost("Гнатюк", 99);
    EXPECT_EQ(inserted.count(), 3);
    expectMirrors(model);

    // An insert in the middle of the list, then cancelled.
    cost().moveTo(1);
    cost().insert();
    EXPECT_EQ(model.rowCount(), 4);
    cost().cancel();
    EXPECT_EQ(model.rowCount(), 3);
    expectMirrors(model);

    // A change of one row notifies that row only.
    changed.clear();
    cost().moveTo(2);
    cost().edit();
    cost().setValue("Cust_Name", "Гнатюк-Мельник");
    cost().post();
    ASSERT_FALSE(changed.isEmpty());
    for (const QList<QVariant>& args : changed) {
        EXPECT_EQ(args[0].toModelIndex().row(), 2);
        EXPECT_EQ(args[1].toModelIndex().row(), 2);
    }
    EXPECT_EQ(model.index(2, 2).data().toString(), "Гнатюк-Мельник");

    // Deleting the first row shifts the others up.
    const int resetsBefore = int(resets.count());
    cost().first();
    cost().remove();
    EXPECT_EQ(removed.count(), 2); // the cancelled insert and this delete
    EXPECT_EQ(resets.count(), resetsBefore);
    EXPECT_EQ(model.index(0, 2).data().toString(), "Ткачук");
    expectMirrors(model);

    // A filter and a re-read reset the model.
    cost().setFilter("Area > 100");
    cost().setFiltered(true);
    EXPECT_EQ(model.rowCount(), 1);
    cost().setFiltered(false);
    cost().refresh();
    EXPECT_EQ(model.rowCount(), 2);
    expectMirrors(model);
    cost().close();
    EXPECT_EQ(model.rowCount(), 0);
    cost().open();
    EXPECT_EQ(model.rowCount(), 2);
    expectMirrors(model);

    EXPECT_EQ(g_testerFailures, 0);
}

TEST_F(DatasetModelTest, DetailModelFollowsItsMaster) {
    addCost("Бондаренко", 1200);
    DatasetModel details(m_dm->TbCostSrv(), {{.field = "Number", .title = "Номер", .width = 40}});
    QAbstractItemModelTester tester(&details, QAbstractItemModelTester::FailureReportingMode::Warning);
    m_dm->TbCostSrv().append();
    m_dm->TbCostSrv().setValue("ID_Service", 1);
    m_dm->TbCostSrv().post();
    EXPECT_EQ(details.rowCount(), 1);
    addCost("Ткачук", 20);
    EXPECT_EQ(details.rowCount(), 0);
    cost().first();
    EXPECT_EQ(details.rowCount(), 1);
    EXPECT_EQ(details.index(0, 0).data().toString(), "1");
    EXPECT_EQ(g_testerFailures, 0);
}

TEST(DatasetModelFormat, TextsOfTheDisplayFormats) {
    using F = DatasetColumn::Format;
    velta::core::NumberFormat::setCurrent(velta::core::NumberFormat::ukrainian());
    Dataset ds("Empty");
    DatasetModel model(ds, {{.field = "A"},
                            {.field = "B", .format = F::Number, .pattern = "0.00"},
                            {.field = "C", .format = F::Number, .pattern = "#,##0.00"},
                            {.field = "D", .format = F::Date},
                            {.field = "E", .format = F::DateTime},
                            {.field = "F", .format = F::Text}});
    struct Case {
        int column;
        QVariant value;
        QString text;
    };
    const QDateTime moment(QDate(2024, 3, 9), QTime(14, 5, 7));
    const Case cases[] = {
        {0, QVariant(), ""},
        {0, 2.5, "2,5"},
        {0, 0.1 + 0.2, "0,3"},
        {0, qint64(42), "42"},
        {0, QDate(2024, 3, 9), "09.03.2024"},
        {0, QDateTime(QDate(2024, 3, 9), QTime(0, 0)), "09.03.2024"},
        {0, moment, "09.03.2024 14:05:07"},
        {0, "Київ", "Київ"},
        {1, 2.345, "2,35"},
        {1, qint64(7), "7,00"},
        {1, "не число", "не число"},
        {2, 1234567.891, QString("1") + QChar(0xA0) + "234" + QChar(0xA0) + "567,89"},
        {3, moment, "09.03.2024"},
        {4, QDateTime(QDate(2024, 3, 9), QTime(0, 0)), "09.03.2024 00:00:00"},
        {5, 2.5, "2.5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(model.displayText(c.column, c.value), c.text)
            << c.column << " " << c.value.toString().toStdString();
}

TEST_F(DatasetModelTest, HeaderAlignmentAndFlags) {
    addCost("Бондаренко", 1200);
    DatasetModel model(cost(), costColumns());
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), "Замовник");
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>() &
                  Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    auto align = [&](int c) {
        return model.index(0, c).data(Qt::TextAlignmentRole).value<Qt::Alignment>() &
               Qt::AlignHorizontal_Mask;
    };
    EXPECT_EQ(align(2), Qt::AlignLeft);
    EXPECT_EQ(align(3), Qt::AlignRight);
    EXPECT_EQ(align(4), Qt::AlignHCenter);
    EXPECT_EQ(model.index(0, 3).data().toString(), "1200,00");

    EXPECT_FALSE(model.flags(model.index(0, 2)) & Qt::ItemIsEditable); // not an editable grid
    model.setEditable(true);
    EXPECT_TRUE(model.flags(model.index(0, 2)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.flags(model.index(0, 5)) & Qt::ItemIsEditable); // a read-only column
    DatasetModel readOnly(m_dm->QuerySQL(), {{.field = "X"}});
    readOnly.setEditable(true);
    EXPECT_FALSE(readOnly.flags(readOnly.index(0, 0)) & Qt::ItemIsEditable);

    // Styles come from the hooks, the cell hook first.
    model.rowStyle = [](int row, int role) {
        return role == Qt::FontRole && row == 0 ? QVariant(true) : QVariant();
    };
    model.cellStyle = [](int, int column, int role) {
        return role == Qt::BackgroundRole && column < 2 ? QVariant(QColor(Qt::red)) : QVariant();
    };
    EXPECT_EQ(model.index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::red));
    EXPECT_FALSE(model.index(0, 3).data(Qt::BackgroundRole).isValid());
    EXPECT_TRUE(model.index(0, 3).data(Qt::FontRole).toBool());
}

TEST_F(DatasetModelTest, EditsAreWrittenThroughTheDatasetAndRefusalsLoseNothing) {
    addCost("Бондаренко", 1200);
    addCost("Ткачук", 20);
    DatasetModel model(cost(), costColumns());
    model.setEditable(true);
    QStringList failures;
    int posts = 0;
    model.writeFailed = [&](const QString& m) { failures << m; };
    model.posted = [&](int) { ++posts; };

    // Row 0 is edited while row 1 is current: the dataset moves there first.
    EXPECT_TRUE(model.setData(model.index(0, 2), "Бондар"));
    EXPECT_TRUE(model.setData(model.index(0, 3), "12,5"));
    EXPECT_TRUE(model.setData(model.index(0, 1), QDate(2023, 1, 2)));
    EXPECT_EQ(posts, 3);
    EXPECT_EQ(cost().state(), Dataset::State::Browse);
    EXPECT_TRUE(failures.isEmpty()) << failures.join('\n').toStdString();

    // Not a number: refused before anything is written.
    EXPECT_FALSE(model.setData(model.index(0, 3), "12,5 га"));
    EXPECT_EQ(failures.size(), 1);
    EXPECT_EQ(model.index(0, 3).data().toString(), "12,50");

    // Too long for the column: the database refuses the post, the row keeps its value.
    EXPECT_FALSE(model.setData(model.index(0, 2), QString(300, QChar(u'Ж'))));
    EXPECT_EQ(failures.size(), 2);
    EXPECT_EQ(cost().state(), Dataset::State::Browse);
    EXPECT_EQ(model.index(0, 2).data().toString(), "Бондар");
    EXPECT_EQ(posts, 3);

    // What was posted is in the database.
    m_dm->commit();
    cost().close();
    cost().open();
    ASSERT_EQ(cost().recordCount(), 2);
    EXPECT_EQ(cost().valueAt(0, cost().fieldIndex("Cust_Name")).toString(), "Бондар");
    EXPECT_DOUBLE_EQ(cost().valueAt(0, cost().fieldIndex("Area")).toDouble(), 12.5);
    EXPECT_EQ(cost().valueAt(0, cost().fieldIndex("Cost_Date")).toDate(), QDate(2023, 1, 2));
}

TEST_F(DatasetModelTest, ViewAndDatasetShareTheCurrentRow) {
    for (int i = 0; i < 5; ++i)
        addCost(QStringLiteral("Замовник %1").arg(i), i);
    DatasetModel model(cost(), costColumns());
    QTableView view;
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.setModel(&model);
    velta::ui::linkCurrentRow(view, model);
    EXPECT_EQ(view.currentIndex().row(), 4); // the last appended row is current

    view.setCurrentIndex(model.index(1, 2));
    EXPECT_EQ(cost().currentIndex(), 1);
    cost().last();
    EXPECT_EQ(view.currentIndex().row(), 4);
    EXPECT_TRUE(view.selectionModel()->isRowSelected(4, {}));

    // Deleting the current row leaves the view on the dataset's new current row.
    cost().moveTo(2);
    cost().remove();
    EXPECT_EQ(cost().currentIndex(), 2);
    EXPECT_EQ(view.currentIndex().row(), 2);
    EXPECT_EQ(view.currentIndex().siblingAtColumn(0).data().toString(),
              cost().value("Cost_Number").toString());

    // A re-read keeps the view on the dataset's row.
    cost().refresh();
    EXPECT_EQ(view.currentIndex().row(), cost().currentIndex());
}

} // namespace
