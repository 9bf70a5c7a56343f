// Error reporting and the general exceptions of the layer
//, against the real driver where it can produce the case and by
// driving the error object directly where it cannot.

#include "OclTestSupport.h"

#include <string>

namespace {

const char* const Sql = "CREATE TABLE T (A INTEGER, B VARCHAR(20)); INSERT INTO T VALUES (1, 'x');";

// Runs body, expects EODBC and returns it.
template <typename Body> EODBC ExpectEodbc(Body&& body)
{
    try {
        body();
    } catch (const EODBC& e) {
        return e;
    } catch (const std::exception& e) {
        ADD_FAILURE() << "expected EODBC, got \"" << e.what() << "\"";
        return EODBC(nullptr, "", 0, "");
    }
    ADD_FAILURE() << "expected EODBC, got no exception";
    return EODBC(nullptr, "", 0, "");
}

} // namespace

// --- errors from the driver ---------------------------------------------------

TEST(OclErrors, SyntaxErrorRaisesEodbcWithTheDriversDiagnostic)
{
    OclCatalogue cat(Sql);
    THstmt stmt(&cat.Dbc, "Hstmt1");
    stmt.SetSQL("SELECT A, FROM T");
    const EODBC e = ExpectEodbc([&] { stmt.Prepare(); });
    EXPECT_EQ(e.Sender(), &stmt); // the statement, not the connection
    // The SQLite driver's first diagnostic, as an ODBC 2.x application sees it.
    EXPECT_EQ(e.SqlState(), "S1000");
    EXPECT_EQ(e.NativeError(), 1);
    EXPECT_EQ(e.Message(), "[SQLite]near \"FROM\": syntax error (1)");
    EXPECT_EQ(std::string(e.what()), e.Message());
    EXPECT_EQ(stmt.LastReturnCode(), SQL_ERROR);
    // The error object keeps the last diagnostic and the failing handles.
    TODBCError& error = cat.Env.ODBCError();
    EXPECT_EQ(error.Message(), e.Message());
    EXPECT_EQ(error.SqlState(), "S1000");
    EXPECT_EQ(error.NativeError(), 1);
    EXPECT_EQ(error.Henv(), cat.Env.Handle());
    EXPECT_EQ(error.Hdbc(), cat.Dbc.Handle());
    EXPECT_EQ(error.Hstmt(), stmt.Handle());
}

TEST(OclErrors, ErrorAtExecuteAndCatchableAsGeneralException)
{
    OclCatalogue cat(Sql);
    THstmt stmt(&cat.Dbc, "Hstmt1");
    // The driver checks statements other than SELECT only when they run.
    stmt.SetSQL("SET QUOTED_IDENTIFIER OFF");
    stmt.Prepare();
    try {
        stmt.Execute();
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) { // EODBC is an Exception ...
        EXPECT_NE(dynamic_cast<const EODBC*>(&e), nullptr);
        EXPECT_EQ(e.Message(), "[SQLite]near \"SET\": syntax error (1)");
    }
    stmt.SetSQL("SELECT NOPE FROM T");
    try {
        stmt.Prepare();
        ADD_FAILURE() << "no exception";
    } catch (const std::exception& e) { // ... and a std::exception
        EXPECT_STREQ(e.what(), "[SQLite]no such column: NOPE (1)");
    }
    // The statement is still usable.
    stmt.SetSQL("SELECT B FROM T");
    stmt.Prepare();
    stmt.Execute();
    ASSERT_TRUE(stmt.FetchFirst());
    EXPECT_EQ(stmt.ColString(1), "x");
}

TEST(OclErrors, ConnectFailureNamesTheConnection)
{
    OclCatalogue cat(Sql);
    cat.Dbc.SetDataSource("NO_SUCH_SOURCE");
    const EODBC e = ExpectEodbc([&] { cat.Dbc.Connect(); });
    EXPECT_EQ(e.Sender(), &cat.Dbc);
    EXPECT_EQ(e.SqlState(), "IM002");
    EXPECT_NE(e.Message().find("Data source name not found"), std::string::npos) << e.Message();
    EXPECT_FALSE(cat.Dbc.Connected());
    EXPECT_TRUE(cat.Dbc.Initialised());
}

TEST(OclErrors, ConnectThroughTheConnectionString)
{
    OclCatalogue cat(Sql);
    // Driver given: SQLDriverConnect with "DSN=...;DRIVER=...;" and the attributes.
    cat.Dbc.SetDataSource("");
    cat.Dbc.SetDriver(TestDataSource::DriverPath());
    cat.Dbc.SetAttributes({"Database=" + cat.Source.DatabaseFile().string()});
    cat.Dbc.Connect();
    EXPECT_TRUE(cat.Dbc.Connected());
    THstmt stmt(&cat.Dbc);
    stmt.SetSQL("SELECT B FROM T");
    stmt.Prepare();
    stmt.Execute();
    ASSERT_TRUE(stmt.FetchFirst());
    EXPECT_EQ(stmt.ColString(1), "x");
}

// --- the three fixed messages -------------------------------------------------

TEST(OclErrors, ReturnCodeMessage)
{
    OclCatalogue cat(Sql);
    THstmt stmt(&cat.Dbc, "Hstmt1");
    stmt.Init();
    TODBCError& error = cat.Env.ODBCError();

    EODBC e = ExpectEodbc([&] { error.RaiseError(stmt, SQL_NO_DATA_FOUND); });
    EXPECT_EQ(e.Message(), "ODBC Return Code 100");
    EXPECT_EQ(e.Sender(), &stmt);
    EXPECT_EQ(e.SqlState(), "");
    EXPECT_EQ(e.NativeError(), 0);

    e = ExpectEodbc([&] { error.RaiseError(stmt, SQL_NEED_DATA); });
    EXPECT_EQ(e.Message(), "ODBC Return Code 99");
    e = ExpectEodbc([&] { error.RaiseError(cat.Dbc, -7); });
    EXPECT_EQ(e.Message(), "ODBC Return Code -7");
    EXPECT_EQ(e.Sender(), &cat.Dbc);
}

TEST(OclErrors, InvalidHandleMessage)
{
    OclCatalogue cat(Sql);
    TODBCError& error = cat.Env.ODBCError();
    EODBC e = ExpectEodbc([&] { error.RaiseError(cat.Env, SQL_INVALID_HANDLE); });
    EXPECT_EQ(e.Message(), "ODBC Invalid Handle");
    EXPECT_EQ(e.Sender(), &cat.Env);
    EXPECT_EQ(e.SqlState(), "");

    // From the real driver manager: a connection on a freed environment.
    cat.Env.Terminate();
    e = ExpectEodbc([&] { cat.Dbc.Connect(); });
    EXPECT_EQ(e.Message(), "ODBC Invalid Handle");
    EXPECT_EQ(e.Sender(), &cat.Dbc);
    // Allocated again, the environment serves again.
    cat.Env.Init();
    cat.Dbc.Connect();
    EXPECT_TRUE(cat.Dbc.Connected());
}

TEST(OclErrors, UnableToRetrieveMessage)
{
    OclCatalogue cat(Sql);
    THstmt stmt(&cat.Dbc, "Hstmt1");
    stmt.Init(); // a fresh statement has no diagnostic to read
    TODBCError& error = cat.Env.ODBCError();
    const EODBC e = ExpectEodbc([&] { error.RaiseError(stmt, SQL_ERROR); });
    EXPECT_EQ(e.Message(), "Unable to retrieve ODBC error.");
    EXPECT_EQ(e.SqlState(), "");
    EXPECT_EQ(e.NativeError(), 0);
    EXPECT_EQ(e.Sender(), &stmt);

    // SQL_SUCCESS_WITH_INFO reaching the raise path reads the diagnostic too.
    const EODBC info = ExpectEodbc([&] { error.RaiseError(stmt, SQL_SUCCESS_WITH_INFO); });
    EXPECT_EQ(info.Message(), "Unable to retrieve ODBC error.");

    // Without any handle SQLError itself fails.
    error.SetHandles(SQL_NULL_HENV, SQL_NULL_HDBC, SQL_NULL_HSTMT);
    error.ReadDiagnostic();
    EXPECT_EQ(error.Message(), "Unable to retrieve ODBC error.");
    EXPECT_EQ(error.SqlState(), "");
    EXPECT_EQ(error.NativeError(), 0);
}

TEST(OclErrors, HandlesAreFilledByTheClassOfTheFailingObject)
{
    OclCatalogue cat(Sql);
    THstmt stmt(&cat.Dbc, "Hstmt1");
    stmt.Init();
    TODBCError& error = cat.Env.ODBCError();

    ExpectEodbc([&] { error.RaiseError(cat.Env, SQL_NO_DATA_FOUND); });
    EXPECT_EQ(error.Henv(), cat.Env.Handle());
    EXPECT_EQ(error.Hdbc(), nullptr);
    EXPECT_EQ(error.Hstmt(), nullptr);

    ExpectEodbc([&] { error.RaiseError(cat.Dbc, SQL_NO_DATA_FOUND); });
    EXPECT_EQ(error.Henv(), cat.Env.Handle());
    EXPECT_EQ(error.Hdbc(), cat.Dbc.Handle());
    EXPECT_EQ(error.Hstmt(), nullptr);

    ExpectEodbc([&] { error.RaiseError(stmt, SQL_NO_DATA_FOUND); });
    EXPECT_EQ(error.Henv(), cat.Env.Handle());
    EXPECT_EQ(error.Hdbc(), cat.Dbc.Handle());
    EXPECT_EQ(error.Hstmt(), stmt.Handle());
    EXPECT_NE(stmt.Handle(), nullptr);
}

// --- general exceptions -------------------------------------------------------

TEST(OclErrors, MissingHdbcAndHenv)
{
    TestDataSource source(Sql);
    THstmt stmt("Hstmt1");
    ExpectGeneralException([&] { stmt.Prepare(); }, "Property Hdbc of Hstmt1 not set.");
    ExpectGeneralException([&] { stmt.Execute(); }, "Property Hdbc of Hstmt1 not set.");
    ExpectGeneralException([&] { stmt.FetchFirst(); }, "Property Hdbc of Hstmt1 not set.");
    ExpectGeneralException([&] { stmt.ColString(1); }, "Property Hdbc of Hstmt1 not set.");
    EXPECT_FALSE(stmt.Initialised());

    THdbc dbc("Hdbc1");
    dbc.SetDataSource(source.Name());
    ExpectGeneralException([&] { dbc.Connect(); }, "Property Henv of Hdbc1 not set.");
    stmt.SetHdbc(&dbc);
    // The statement connects its connection, which has no environment.
    ExpectGeneralException([&] { stmt.Prepare(); }, "Property Henv of Hdbc1 not set.");

    THenv env;
    dbc.SetHenv(&env);
    stmt.SetSQL("SELECT B FROM T");
    stmt.Prepare();
    stmt.Execute();
    ASSERT_TRUE(stmt.FetchFirst());
    EXPECT_EQ(stmt.ColString(1), "x");
}

TEST(OclErrors, FunctionSupportedForOneFunctionOnly)
{
    OclCatalogue cat(Sql);
    cat.Dbc.Connect();
    EXPECT_TRUE(cat.Dbc.FunctionSupported(SQL_API_SQLEXTENDEDFETCH));
    ExpectGeneralException([&] { cat.Dbc.FunctionSupported(SQL_API_ALL_FUNCTIONS); },
                           "Cannot return information for more than one function at a time.");
    // Driver facts read at connect.
    EXPECT_FALSE(cat.Dbc.DescribeParamMissing());
    EXPECT_EQ(cat.Dbc.PositionedStatements(), 0U);
}

// --- implicit connect ---------------------------------------------------------

TEST(OclErrors, FirstStatementUseConnects)
{
    OclCatalogue cat(Sql);
    EXPECT_FALSE(cat.Dbc.Connected());
    THstmt stmt(&cat.Dbc, "Hstmt1");
    stmt.SetSQL("SELECT A FROM T");
    stmt.Prepare();
    EXPECT_TRUE(cat.Dbc.Connected());
    EXPECT_TRUE(stmt.Initialised());
    EXPECT_TRUE(cat.Dbc.Children().Contains(&stmt));
    stmt.Execute();
    ASSERT_TRUE(stmt.FetchFirst());
    EXPECT_EQ(stmt.ColInteger(1), 1);
}

TEST(OclErrors, FailedStartUpConnectIsRetriedAndReportedByTheFirstStatement)
{
    OclCatalogue cat(Sql);
    cat.Dbc.SetDataSource("NO_SUCH_SOURCE");
    try { // the start-up guard swallows the failure
        cat.Dbc.Connect();
    } catch (const EODBC&) {
    }
    ASSERT_FALSE(cat.Dbc.Connected());

    THstmt stmt(&cat.Dbc, "Hstmt1");
    stmt.SetSQL("SELECT A FROM T");
    const EODBC e = ExpectEodbc([&] { stmt.Prepare(); });
    EXPECT_EQ(e.Sender(), &cat.Dbc); // the connection's failure, reported now
    EXPECT_EQ(e.SqlState(), "IM002");
    EXPECT_FALSE(stmt.Initialised());

    // Once the data source can be reached, the next use connects.
    cat.Dbc.SetDataSource(cat.Source.Name());
    stmt.Prepare();
    stmt.Execute();
    EXPECT_TRUE(cat.Dbc.Connected());
    ASSERT_TRUE(stmt.FetchFirst());
    EXPECT_EQ(stmt.ColInteger(1), 1);
}

TEST(OclErrors, IsolationLevelAndCursorLibrary)
{
    OclCatalogue cat(Sql);
    EXPECT_EQ(cat.Dbc.IsolationLevel(), 2U);
    cat.Dbc.SetCursorLib(SQL_CUR_USE_DRIVER);
    cat.Dbc.Connect();
    // The driver only knows SERIALIZABLE: a change is answered with
    // SQL_SUCCESS_WITH_INFO ("option value changed"), a success.
    cat.Dbc.SetIsolationLevel(SQL_TXN_READ_UNCOMMITTED);
    EXPECT_EQ(cat.Dbc.LastReturnCode(), SQL_SUCCESS_WITH_INFO);
    cat.Dbc.SetIsolationLevel(SQL_TXN_SERIALIZABLE); // already the driver's: no call
    // The cursor library can only be chosen before connecting: stored only.
    cat.Dbc.SetCursorLib(SQL_CUR_USE_DRIVER);
    EXPECT_EQ(cat.Dbc.CursorLib(), SQL_CUR_USE_DRIVER);
}
