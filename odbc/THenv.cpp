#include "odbc/THenv.h"

#include <utility>

#pragma GCC diagnostic ignored "-Wdeprecated-declarations" // see TODBCError.cpp

THenv::THenv(std::string name) : THbase(std::move(name)), error_(std::make_unique<TODBCError>())
{
    Init();
}

THenv::~THenv()
{
    ReleaseHandle();
}

void THenv::Init()
{
    if (Initialised()) {
        return;
    }
    SQLHENV handle = SQL_NULL_HENV;
    const SQLRETURN rc = SQLAllocEnv(&handle);
    Store(rc);
    if (IsSuccess(rc)) {
        SetHandle(handle);
        SetInitialised(true);
    }
}

void THenv::Terminate()
{
    children_.TerminateAll();
    if (!Initialised()) {
        return;
    }
    const SQLRETURN rc = SQLFreeEnv(Handle());
    if (IsSuccess(rc)) {
        SetInitialised(false);
        SetHandle(SQL_NULL_HENV);
    }
    Check(rc);
}

THenv* THenv::Environment() const noexcept
{
    return const_cast<THenv*>(this);
}

void THenv::ReleaseHandle() noexcept
{
    children_.ReleaseAll();
    if (Initialised()) {
        Store(SQLFreeEnv(Handle()));
        SetInitialised(false);
        SetHandle(SQL_NULL_HENV);
    }
}
