// The estimate list and the header editor as a person sees them: pictures grabbed to PNG (in the
// build folder's "screens", or VELTA_SCREENS) for a developer to look at, and checks that the
// editor fits the smaller screen with no caption cut short.

#include "estimates/estimates_window.h"

#include "estimates/cost_rules.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

#include <gtest/gtest.h>

using namespace velta;
using namespace velta::estimates;

namespace {

QString screensFolder() {
    const QString folder = qEnvironmentVariable("VELTA_SCREENS", QStringLiteral(VELTA_BINARY_DIR "/screens"));
    QDir().mkpath(folder);
    return folder;
}

class ScreensTest : public test::EstimatesWindowFixture {
protected:
    void fill() {
        const QDate today = QDate::currentDate();
        addCost({{"Cost_Number", "1"},
                 {"Cost_Date", today.addDays(-40)},
                 {"Cust_Name", "Андрієнко Ольга Петрівна"},
                 {"Address", "м. Біла Церква, вул. Ярослава Мудрого, 12"},
                 {"Area", 1000.0},
                 {"Sum_Full", 2450.0},
                 {"Color", ColorToStored(QColor(255, 230, 120))}});
        addCost({{"Cost_Number", "2"},
                 {"Cost_Date", today.addDays(-30)},
                 {"Cust_Name", "ТОВ \"Ґрунт-Агро\""},
                 {"Address", "Київська обл., с. Гора, ділянка 3"},
                 {"Area", 25000.0},
                 {"Sum_Full", 8120.5},
                 {"DateLast", today.addDays(-2)}});
        addCost({{"Cost_Number", "3"},
                 {"Cost_Date", today.addDays(-20)},
                 {"Cust_Name", "Євтушенко Іван Миколайович"},
                 {"Address", "м. Ірпінь, вул. Садова, 5"},
                 {"Area", 600.0},
                 {"Sum_Full", 1800.0},
                 {"DateLast", today.addDays(5)}});
        addCost({{"Cost_Number", "4"},
                 {"Cost_Date", today.addDays(-10)},
                 {"Cust_Name", "Бондар Марія"},
                 {"Address", "с. Гатне, вул. Польова, 1"},
                 {"Area", 1200.0},
                 {"Sum_Full", 2100.0},
                 {"DateLast", today.addDays(30)}});
        addCost({{"Cost_Number", "5"},
                 {"Cost_Date", today.addDays(-5)},
                 {"Cust_Name", "Яковенко Петро"},
                 {"Address", "м. Васильків, пров. Тихий, 8"},
                 {"Area", 800.0},
                 {"Sum_Full", 3000.0},
                 {"Sum_Real", 2800.0},
                 {"Payment_Sum", 2800.0},
                 {"Payment_Date", today.addDays(-1)},
                 {"DateLast", today.addDays(-9)},
                 {"DateFinish", today.addDays(-3)},
                 {"Color", ColorToStored(QColor(180, 230, 255))}});
    }
};

TEST_F(ScreensTest, EstimateListWithMarkedOverdueFinishedAndPaidRows) {
    fill();
    list->setSortKey(2);
    list->resize(1250, 260);
    list->show();
    list->grid()->selectRow(2);
    QApplication::processEvents();
    EXPECT_TRUE(list->grab().save(screensFolder() + "/cost_list.png"));
}

TEST_F(ScreensTest, HeaderEditorFitsBothScreenSizes) {
    fill();
    list->setSortKey(0);
    dm().TbCost().last();
    for (const QSize screen : {QSize(1366, 768), QSize(1920, 1080)}) {
        runEditor([&] { list->editHeader(); },
                  [&](TNewCost& e) {
                      if (screen.width() > 1366)
                          e.resize(1400, 860);
                      QApplication::processEvents();
                      // The window and its taskbar fit the screen.
                      EXPECT_LE(e.frameGeometry().width(), screen.width());
                      EXPECT_LE(e.frameGeometry().height(), screen.height() - 40);
                      for (QLabel* l : e.findChildren<QLabel*>())
                          EXPECT_GE(l->width(), l->minimumSizeHint().width()) << l->text().toStdString();
                      // Icons Qt draws inside line edits (the calendar action) are sized by the edit.
                      for (QAbstractButton* b : e.findChildren<QAbstractButton*>()) {
                          if (b->isHidden() || qobject_cast<QLineEdit*>(b->parentWidget()))
                              continue;
                          EXPECT_GE(b->width(), b->sizeHint().width()) << b->text().toStdString();
                      }
                      EXPECT_TRUE(e.grab().save(screensFolder() +
                                                QStringLiteral("/header_editor_%1.png").arg(screen.width())));
                      e.bCancelClick();
                  });
    }
}

} // namespace
