#include "odbc/THstmt.h"
#include "shell/SqlText.h"

#include <gtest/gtest.h>

namespace {

TEST(SqlText, PiecesAreJoinedWithOneBlank)
{
    THstmt stmt;
    SetSQLText(stmt, QStringLiteral("SELECT PERS_NAME, PERS_ID FROM PERSON"));
    AppendSQLText(stmt, QStringLiteral("WHERE PERS_DATA = 1"));
    AppendSQLText(stmt, QStringLiteral("AND PERS_NAME LIKE \"Mü%\""));
    AppendSQLText(stmt, QStringLiteral("ORDER BY PERS_NAME"));
    EXPECT_EQ(stmt.SQL(), "SELECT PERS_NAME, PERS_ID FROM PERSON WHERE PERS_DATA = 1 "
                          "AND PERS_NAME LIKE \"M\xC3\xBC%\" ORDER BY PERS_NAME");

    // Setting starts over; the statement's text is UTF-8 for the driver.
    SetSQLText(stmt, QStringLiteral("SELECT 1"));
    EXPECT_EQ(stmt.SQL(), "SELECT 1");
}

} // namespace
