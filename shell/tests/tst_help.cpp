#include "shell/Global.h"
#include "shell/Help.h"
#include "shell/tests/CoreTestSupport.h"

#include <QApplication>
#include <QFile>
#include <QTextBrowser>

#include <gtest/gtest.h>

using namespace CoreTest;

// The pages as the build installs them beside the program.
class HelpTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetHelpDirectory(QCoreApplication::applicationDirPath() + QStringLiteral("/help"));
    }
    void TearDown() override
    {
        SetHelpDirectory({});
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (qobject_cast<QTextBrowser*>(window))
                window->close();
        }
    }
};

TEST_F(HelpTest, EveryScreenOfTheShellHasAGermanPage)
{
    for (int context : {0, 3, 19, 21, 22, 23, 24, 25, 26, 29, 50}) {
        QFile page(HelpFileName(context));
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << page.fileName().toStdString();
        const QString html = QString::fromUtf8(page.readAll());
        EXPECT_TRUE(html.contains(QStringLiteral("lang=\"de\""))) << context;
        EXPECT_TRUE(html.contains(QStringLiteral("<h1>"))) << context;
        EXPECT_GT(html.size(), 600) << context;
    }
    EXPECT_TRUE(HelpFileName(0).endsWith(QStringLiteral("/help/index.html")));
    EXPECT_TRUE(HelpFileName(29).endsWith(QStringLiteral("/help/29.html")));
}

TEST_F(HelpTest, ViewerShowsThePageAndFollowsItsLinks)
{
    TMessageBoxCatcher catcher;
    ShowHelp(0);
    QTextBrowser* viewer = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* browser = qobject_cast<QTextBrowser*>(window); browser && browser->isVisible())
            viewer = browser;
    }
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->toPlainText().contains(QStringLiteral("Hauptmenü")));
    // One viewer for all topics.
    ShowHelp(29);
    EXPECT_TRUE(viewer->toPlainText().contains(QStringLiteral("Programmeinstellungen")));
    viewer->setSource(QUrl(QStringLiteral("3.html")));
    EXPECT_TRUE(viewer->toPlainText().contains(QStringLiteral("Esc")));
    EXPECT_TRUE(catcher.Texts.isEmpty());
}

TEST_F(HelpTest, MissingPageIsReportedWhenAskedFor)
{
    TMessageBoxCatcher catcher;
    ShowHelp(4711);
    ASSERT_EQ(catcher.Texts.size(), 1);
    EXPECT_TRUE(catcher.Texts[0].contains(QStringLiteral("4711.html")));
}
