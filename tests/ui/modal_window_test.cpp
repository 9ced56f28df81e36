// The modal window protocol: the mode a window is opened in, and the result it hands back for
// every way a user can close it.

#include "ui/modal_window.h"

#include <QKeyEvent>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace velta::ui;

namespace {

class ProbeWindow : public ModalWindow {
public:
    QString modeOnEntry;
    int cancelledCalls = 0;

protected:
    void enterMode() override { modeOnEntry = mode(); }
    void cancelled() override { ++cancelledCalls; }
};

struct CloseCase {
    const char* name;
    std::function<void(ProbeWindow&)> close;
    QString result;
};

} // namespace

TEST(ModalWindow, ResultForEveryWayOfClosing) {
    const CloseCase cases[] = {
        {"finishOk", [](ProbeWindow& w) { w.finishOk(); }, kResultOk},
        {"finishCancel", [](ProbeWindow& w) { w.finishCancel(); }, kResultCancel},
        {"title bar", [](ProbeWindow& w) { w.close(); }, kResultCancel},
        {"Esc", [](ProbeWindow& w) { QTest::keyClick(&w, Qt::Key_Escape); }, kResultCancel},
        // A default button's plain accept() is not a confirmation of the protocol.
        {"plain accept", [](ProbeWindow& w) { w.accept(); }, kResultCancel},
        {"hide", [](ProbeWindow& w) { w.hide(); }, kResultCancel},
    };
    for (const CloseCase& c : cases) {
        SCOPED_TRACE(c.name);
        ProbeWindow window;
        for (const QString& mode : {kModeNew, kModeEdit, kModeSelect}) {
            window.cancelledCalls = 0;
            QTimer::singleShot(0, &window, [&] { c.close(window); });
            EXPECT_EQ(window.execIn(mode), c.result);
            EXPECT_EQ(window.modeOnEntry, mode);
            EXPECT_EQ(window.mode(), c.result);
            EXPECT_FALSE(window.isVisible());
            EXPECT_EQ(window.cancelledCalls, c.result == kResultCancel && QString(c.name) != "hide" ? 1 : 0);
        }
    }
}

TEST(ModalWindow, ModeQueriesFollowTheMode) {
    ProbeWindow window;
    window.setMode(kModeSelect);
    EXPECT_TRUE(window.isSelectMode());
    EXPECT_FALSE(window.isNewMode());
    EXPECT_FALSE(window.isEditMode());
    // An earlier "Ok" does not leak into the next run.
    QTimer::singleShot(0, &window, [&] { window.finishOk(); });
    ASSERT_EQ(window.execIn(kModeEdit), kResultOk);
    QTimer::singleShot(0, &window, [&] { window.close(); });
    EXPECT_EQ(window.execIn(kModeEdit), kResultCancel);
}
