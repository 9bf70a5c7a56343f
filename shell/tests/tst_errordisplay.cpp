#include "odbc/OCL.h"
#include "shell/MusaApplication.h"
#include "shell/tests/CoreTestSupport.h"

#include <QTimer>

#include <gtest/gtest.h>

using namespace CoreTest;

TEST(ErrorDisplayTest, ExceptionLeavingASlotIsShownAndTheProgramGoesOn)
{
    TMessageBoxCatcher catcher;
    bool afterwards = false;
    QTimer::singleShot(0, [] { throw Exception("Property Hdbc of Hstmt1 not set."); });
    QTimer::singleShot(5, [] { throw std::runtime_error("Ärger im Takt"); });
    QTimer::singleShot(10, [&] { afterwards = true; });
    ASSERT_TRUE(WaitUntil([&] { return afterwards && catcher.Texts.size() == 2; }));
    EXPECT_EQ(catcher.Titles, QStringList({QStringLiteral("Musarix"), QStringLiteral("Musarix")}));
    // The second box may come up while the first is still open.
    EXPECT_TRUE(catcher.Texts.contains(QStringLiteral("Property Hdbc of Hstmt1 not set.")));
    EXPECT_TRUE(catcher.Texts.contains(QStringLiteral("Ärger im Takt")));
}

TEST(ErrorDisplayTest, OdbcFailureShowsTheDriversMessage)
{
    // A data source whose catalogue lacks the table asked for.
    TestDataSource source("CREATE TABLE T (A INTEGER);");
    THenv env;
    THdbc dbc(&env);
    dbc.SetDataSource(source.Name());
    THstmt stmt(&dbc);
    TMessageBoxCatcher catcher;
    std::string expected;
    QTimer::singleShot(0, [&] {
        stmt.SetSQL("SELECT * FROM NO_SUCH_TABLE");
        try {
            stmt.Prepare();
            stmt.Execute();
        } catch (const EODBC& error) {
            expected = error.Message();
            throw;
        }
    });
    ASSERT_TRUE(WaitUntil([&] { return !catcher.Texts.isEmpty(); }));
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(catcher.Texts[0], QString::fromStdString(expected));
    EXPECT_TRUE(catcher.Texts[0].contains(QStringLiteral("NO_SUCH_TABLE")));
}
