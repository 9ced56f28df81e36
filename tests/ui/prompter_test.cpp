// The Prompter: the scripted one the window tests rely on, the filter translation and the real
// boxes driven as a user would answer them.

#include "ui/prompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace velta::ui;
using Kind = ScriptedPrompter::Kind;

TEST(QtFileFilter, TranslatesTheWindowsFilterTexts) {
    const struct {
        QString windows;
        QString qt;
    } cases[] = {
        {"Шаблони FastReport 3 (*.fr3)|*.fr3", "Шаблони FastReport 3 (*.fr3) (*.fr3)"},
        {"Кошториси (Velta2.exe)|Velta2.exe", "Кошториси (Velta2.exe) (Velta2.exe)"},
        {"Всі файли(*.fr3; *.fp3; *.doc)|*.fr3; *.fp3; *.doc|Шаблон FastReport (*.fr3)|*.fr3",
         "Всі файли(*.fr3; *.fp3; *.doc) (*.fr3 *.fp3 *.doc);;Шаблон FastReport (*.fr3) (*.fr3)"},
        {"Без шаблону|", "Без шаблону"},
        {"Таблиці|*.db", "Таблиці (*.db)"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qtFileFilter(c.windows), c.qt) << c.windows.toStdString();
}

TEST(ScriptedPrompter, AnswersInOrderAndRecordsEveryQuestion) {
    ScriptedPrompter p;
    p.queueConfirm(true);
    p.queueConfirm(false);
    p.queueFile("/tmp/a.fr3");
    p.queueColor(QColor(Qt::red));

    EXPECT_TRUE(p.confirm("перше ?"));
    p.notice("повідомлення");
    EXPECT_FALSE(p.confirm("друге ?"));
    p.error("помилка");
    EXPECT_EQ(p.openFileName({"Вибір", "*.fr3|*.fr3", "fr3", {}, {}}), "/tmp/a.fr3");
    EXPECT_EQ(p.chooseColor(Qt::white, "Колір"), QColor(Qt::red));

    EXPECT_EQ(p.texts(Kind::Confirm), QStringList({"перше ?", "друге ?"}));
    EXPECT_EQ(p.texts(Kind::Notice), QStringList({"повідомлення"}));
    EXPECT_EQ(p.texts(Kind::Error), QStringList({"помилка"}));
    ASSERT_EQ(p.questions().size(), 6);
    EXPECT_EQ(p.questions()[4].file.filter, "*.fr3|*.fr3");
    EXPECT_EQ(p.unanswered(), 0);
    EXPECT_EQ(p.pendingAnswers(), 0);
}

TEST(ScriptedPrompter, UnqueuedQuestionsAreCancelledNotBlocked) {
    ScriptedPrompter p;
    EXPECT_FALSE(p.confirm("?"));
    EXPECT_TRUE(p.openFileName({}).isEmpty());
    EXPECT_TRUE(p.saveFileName({}).isEmpty());
    EXPECT_FALSE(p.chooseColor(Qt::white, {}).has_value());
    EXPECT_EQ(p.unanswered(), 4);
}

TEST(ScriptedPrompter, ScopedInstallRestoresThePrevious) {
    Prompter& real = Prompter::current();
    ScriptedPrompter outer, inner;
    {
        ScopedPrompter a(outer);
        EXPECT_EQ(&Prompter::current(), &outer);
        {
            ScopedPrompter b(inner);
            EXPECT_EQ(&Prompter::current(), &inner);
        }
        EXPECT_EQ(&Prompter::current(), &outer);
    }
    EXPECT_EQ(&Prompter::current(), &real);
}

namespace {

template <typename T> T* activeModal() {
    return qobject_cast<T*>(QApplication::activeModalWidget());
}

} // namespace

TEST(RealPrompter, ConfirmationBoxHasOkAndCancel) {
    RealPrompter p;
    for (const bool answerOk : {true, false}) {
        QStringList seen;
        QTimer::singleShot(0, [&] {
            QMessageBox* box = activeModal<QMessageBox>();
            ASSERT_NE(box, nullptr);
            seen << box->text();
            EXPECT_EQ(box->standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
            box->button(answerOk ? QMessageBox::Ok : QMessageBox::Cancel)->click();
        });
        EXPECT_EQ(p.confirm("Бажаєте вийти з програми ?"), answerOk);
        EXPECT_EQ(seen, QStringList({"Бажаєте вийти з програми ?"}));
    }
}

TEST(RealPrompter, FileChooserShowsTheRequestAndReturnsTheChoice) {
    QTemporaryDir dir;
    const QString file = dir.filePath("Смета.fr3");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();

    RealPrompter p;
    QString title;
    QStringList filters;
    bool dialogHidDetails = false;
    QTimer::singleShot(0, [&] {
        QFileDialog* dialog = activeModal<QFileDialog>();
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        dialogHidDetails = dialog->testOption(QFileDialog::HideNameFilterDetails);
        dialog->selectFile(file);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const QString chosen = p.openFileName(
        {"Папка з шаблонами документів", "Шаблони FastReport 3 (*.fr3)|*.fr3", "*.fr3", dir.path(), {}});
    EXPECT_EQ(chosen, file);
    EXPECT_EQ(title, "Папка з шаблонами документів");
    EXPECT_EQ(filters, QStringList({"Шаблони FastReport 3 (*.fr3) (*.fr3)"}));
    EXPECT_TRUE(dialogHidDetails);

    QTimer::singleShot(0, [&] { activeModal<QFileDialog>()->reject(); });
    EXPECT_TRUE(p.openFileName({"Вибір", {}, {}, dir.path(), {}}).isEmpty());
}
