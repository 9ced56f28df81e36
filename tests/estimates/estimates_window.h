#pragma once
// The estimate list on fresh databases, with the scripted prompter, and a way to drive the
// modal header editor from inside its own event loop.

#include "estimates/cost_list.h"
#include "estimates/estimates_fixture.h"
#include "estimates/tnewcost.h"
#include "ui/prompter.h"

#include <QTimer>

#include <functional>
#include <memory>

namespace velta::test {

class EstimatesWindowFixture : public EstimatesFixture {
protected:
    void SetUp() override {
        EstimatesFixture::SetUp();
        m_scope = std::make_unique<ui::ScopedPrompter>(prompter);
        list = std::make_unique<estimates::CostList>(dm(), prompter);
        list->resize(1200, 500);
    }
    void TearDown() override {
        list.reset();
        m_scope.reset();
        EstimatesFixture::TearDown();
    }

    struct EditorRun {
        bool shown = false;
        bool leftOpen = false; // the action left the window up (it was then cancelled)
    };
    // Runs command; once the header editor is up, runs act on it. A window that act leaves
    // open is cancelled afterwards, so that no test waits on it.
    EditorRun runEditor(const std::function<void()>& command,
                        const std::function<void(estimates::TNewCost&)>& act) {
        EditorRun run;
        QTimer timer;
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            estimates::TNewCost& e = list->headerEditor();
            if (!e.isVisible())
                return;
            timer.stop();
            run.shown = true;
            act(e);
            if (e.isVisible()) {
                run.leftOpen = true;
                e.bCancelClick();
            }
        });
        timer.start();
        command();
        timer.stop();
        return run;
    }

    ui::ScriptedPrompter prompter;
    std::unique_ptr<estimates::CostList> list;

private:
    std::unique_ptr<ui::ScopedPrompter> m_scope;
};

} // namespace velta::test
