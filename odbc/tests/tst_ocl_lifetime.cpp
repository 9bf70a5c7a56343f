// Ownership and lifetime (THbase.h): parents terminate children first, no
// handle is freed twice, and environment, connection and statements may be
// destroyed in any order.

#include "OclTestSupport.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>

namespace {

const char* const Sql = "CREATE TABLE T (A INTEGER); INSERT INTO T VALUES (1), (2), (3);";

enum Object { Env, Dbc, Stmt1, Stmt2 };

std::string OrderName(const std::array<int, 4>& order)
{
    static const char* const names[] = {"env", "dbc", "stmt1", "stmt2"};
    std::string text;
    for (int index : order) {
        text += std::string(text.empty() ? "" : " ") + names[index];
    }
    return text;
}

void RunQuery(THstmt& stmt)
{
    stmt.SetSQL("SELECT A FROM T ORDER BY A");
    stmt.Prepare();
    stmt.Execute();
    ASSERT_TRUE(stmt.FetchFirst());
    ASSERT_EQ(stmt.ColInteger(1), 1);
}

} // namespace

// Every order of destroying an environment, a connection and two statements
// (one executed with an open cursor, one allocated only), checking the
// back-references after each step.
TEST(OclLifetime, DestructionInEveryOrder)
{
    TestDataSource source(Sql);
    std::array<int, 4> order{Env, Dbc, Stmt1, Stmt2};
    int orders = 0;
    do {
        SCOPED_TRACE(OrderName(order));
        auto env = std::make_unique<THenv>();
        auto dbc = std::make_unique<THdbc>(env.get());
        dbc->SetDataSource(source.Name());
        auto stmt1 = std::make_unique<THstmt>(dbc.get(), "Hstmt1");
        auto stmt2 = std::make_unique<THstmt>(dbc.get(), "Hstmt2");
        RunQuery(*stmt1);
        stmt2->Init();
        ASSERT_EQ(dbc->Children().Count(), 2);
        ASSERT_EQ(env->Children().Count(), 1);

        for (int index : order) {
            switch (index) {
            case Env:
                env.reset();
                if (dbc) {
                    EXPECT_EQ(dbc->Henv(), nullptr);
                    EXPECT_FALSE(dbc->Initialised());
                    EXPECT_FALSE(dbc->Connected());
                }
                for (THstmt* stmt : {stmt1.get(), stmt2.get()}) {
                    if (stmt) {
                        EXPECT_FALSE(stmt->Initialised());
                        EXPECT_EQ(stmt->Hdbc(), dbc.get());
                    }
                }
                break;
            case Dbc:
                dbc.reset();
                for (THstmt* stmt : {stmt1.get(), stmt2.get()}) {
                    if (stmt) {
                        EXPECT_FALSE(stmt->Initialised());
                        EXPECT_EQ(stmt->Hdbc(), nullptr);
                    }
                }
                if (env) {
                    EXPECT_TRUE(env->Children().Empty());
                    EXPECT_TRUE(env->Initialised());
                }
                break;
            case Stmt1:
                stmt1.reset();
                break;
            case Stmt2:
                stmt2.reset();
                break;
            }
            if (dbc && dbc->Initialised()) {
                EXPECT_EQ(dbc->Children().Count(), (stmt1 ? 1 : 0) + (stmt2 ? 1 : 0));
            }
        }
        ++orders;
    } while (std::next_permutation(order.begin(), order.end()));
    EXPECT_EQ(orders, 24);
}

// The same with objects that never allocated a handle.
TEST(OclLifetime, DestructionInEveryOrderWithoutHandles)
{
    std::array<int, 4> order{Env, Dbc, Stmt1, Stmt2};
    do {
        SCOPED_TRACE(OrderName(order));
        auto env = std::make_unique<THenv>();
        auto dbc = std::make_unique<THdbc>(env.get());
        auto stmt1 = std::make_unique<THstmt>(dbc.get(), "Hstmt1");
        auto stmt2 = std::make_unique<THstmt>(dbc.get(), "Hstmt2");
        for (int index : order) {
            switch (index) {
            case Env:
                env.reset();
                if (dbc) {
                    EXPECT_EQ(dbc->Henv(), nullptr);
                }
                break;
            case Dbc:
                dbc.reset();
                if (stmt1) {
                    EXPECT_EQ(stmt1->Hdbc(), nullptr);
                }
                break;
            case Stmt1:
                stmt1.reset();
                break;
            case Stmt2:
                stmt2.reset();
                break;
            }
        }
    } while (std::next_permutation(order.begin(), order.end()));
}

TEST(OclLifetime, ObjectsOutliveTheirParentAndCanBeReused)
{
    TestDataSource source(Sql);
    THdbc dbc("Hdbc1");
    THstmt stmt(&dbc, "Hstmt1");
    dbc.SetDataSource(source.Name());
    {
        THenv env;
        dbc.SetHenv(&env);
        RunQuery(stmt);
    } // the environment goes first
    EXPECT_EQ(dbc.Henv(), nullptr);
    EXPECT_FALSE(stmt.Initialised());
    ExpectGeneralException([&] { stmt.Execute(); }, "Property Henv of Hdbc1 not set.");

    THenv env2("Henv2");
    dbc.SetHenv(&env2);
    RunQuery(stmt);
    EXPECT_TRUE(env2.Children().Contains(&dbc));
}

TEST(OclLifetime, TerminatingAParentTerminatesItsChildrenFirst)
{
    OclCatalogue cat(Sql);
    THstmt a(&cat.Dbc, "Hstmt1");
    THstmt b(&cat.Dbc, "Hstmt2");
    RunQuery(a);
    RunQuery(b);
    EXPECT_EQ(cat.Dbc.Children().Count(), 2);

    cat.Dbc.Disconnect(); // terminates the statements, then disconnects
    EXPECT_FALSE(cat.Dbc.Connected());
    EXPECT_TRUE(cat.Dbc.Initialised());
    EXPECT_FALSE(a.Initialised());
    EXPECT_FALSE(b.Initialised());
    EXPECT_TRUE(cat.Dbc.Children().Empty());

    RunQuery(a); // the statement connects again
    EXPECT_TRUE(cat.Dbc.Connected());

    cat.Env.Terminate(); // connection and statement go first
    EXPECT_FALSE(cat.Env.Initialised());
    EXPECT_FALSE(cat.Dbc.Initialised());
    EXPECT_FALSE(cat.Dbc.Connected());
    EXPECT_FALSE(a.Initialised());
    EXPECT_TRUE(cat.Env.Children().Empty());
    cat.Env.Terminate(); // nothing left to free: no error
    cat.Dbc.Terminate();
    a.Terminate();

    cat.Env.Init();
    RunQuery(a);
    RunQuery(b);
    cat.Dbc.Terminate();
    EXPECT_FALSE(a.Initialised());
    EXPECT_FALSE(b.Initialised());
    EXPECT_FALSE(cat.Dbc.Initialised());
    EXPECT_TRUE(cat.Env.Children().Empty());
}

TEST(OclLifetime, MovingAStatementToAnotherConnectionFreesItsHandleFirst)
{
    OclCatalogue cat(Sql);
    THdbc other(&cat.Env, "Hdbc2");
    other.SetDataSource(cat.Source.Name());
    THstmt stmt(&cat.Dbc, "Hstmt1");
    RunQuery(stmt);
    stmt.SetHdbc(&other);
    EXPECT_FALSE(stmt.Initialised());
    EXPECT_TRUE(cat.Dbc.Children().Empty());
    RunQuery(stmt);
    EXPECT_TRUE(other.Children().Contains(&stmt));
    EXPECT_EQ(cat.Env.Children().Count(), 2);
    stmt.SetHdbc(&other); // the same: nothing happens
    EXPECT_TRUE(stmt.Initialised());
}

TEST(OclLifetime, ChildrenList)
{
    THenv env;
    THdbc a(&env, "A");
    THdbc b(&env, "B");
    TChildren list;
    EXPECT_TRUE(list.Empty());
    list.Add(&a);
    list.Add(&b);
    list.Add(&b); // once only
    EXPECT_EQ(list.Count(), 2);
    EXPECT_TRUE(list.Contains(&a));
    list.Remove(&a);
    EXPECT_FALSE(list.Contains(&a));
    EXPECT_EQ(list.Count(), 1);
    // Terminate-all ends even for a child that had no handle to free.
    list.TerminateAll();
    EXPECT_TRUE(list.Empty());
    list.Add(&a);
    list.Clear();
    EXPECT_TRUE(list.Empty());
}
