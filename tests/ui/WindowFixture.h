#pragma once
// The real window on a copy of the test folder, started, shown and active, headless.
#include "ui/MainWindow.h"
#include "ui/PlayerApplication.h"
#include "ui/TabBar.h"
#include "ui/Twips.h"

#include "app/MainController.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "FakeDialogs.h"
#include "TestFolder.h"

namespace kelvaro {

class WindowFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_player = std::make_unique<PlayerApplication>(m_folder.root(), &dialogs);
        ASSERT_TRUE(m_player->start());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }

    PlayerApplication& player() { return *m_player; }
    MainWindow& window() { return m_player->window(); }
    MainController& controller() { return m_player->controller(); }
    const MainState& state() { return m_player->controller().state(); }
    const TestFolder& folder() const { return m_folder; }
    template <typename T> T* child(const QString& name) { return window().findChild<T*>(name); }

    /// A click on tab `mode`, as the learner does it.
    void openTab(Mode mode)
    {
        auto* tabs = child<TabBar>(QStringLiteral("TabImage"));
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(mode).center());
        ASSERT_EQ(state().ModeIndex, mode);
    }
    void key(Qt::Key k) { QTest::keyClick(window().windowHandle(), k); }
    /// Closes the window as the learner does, for fixtures that end that way.
    void closeWindow()
    {
        if (m_player)
            window().close();
    }

    /// The middle of an element, in its canvas's pixels.
    QPoint centre(const ViewElement& element, int offsetTop = 0)
    {
        const TwipScale scale(int(QGuiApplication::primaryScreen()->logicalDotsPerInchX() + 0.5));
        TwipRect g = element.geometry;
        g.top += offsetTop;
        return scale.rect(g).center();
    }

    FakeDialogs dialogs;

private:
    TestFolder m_folder;
    std::unique_ptr<PlayerApplication> m_player;
};

} // namespace kelvaro
