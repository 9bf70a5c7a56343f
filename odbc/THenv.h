#pragma once

// THenv: the ODBC environment.
//
// Allocates the environment handle (SQLAllocEnv, so the driver manager treats
// the program as an ODBC 2.x application) when it is created, owns the one
// TODBCError that reports the failures of the whole tree below it, and lists
// its connections in Children(). See THbase.h for the lifetime rule.
//
// The program uses exactly one environment (CatalogEnv). The
// warning "You only need one environment class." of the original component
// belongs to the form designer and is left out.

#include "odbc/TChildren.h"
#include "odbc/THbase.h"
#include "odbc/TODBCError.h"

#include <memory>
#include <string>

class THenv : public THbase
{
public:
    // Allocates the environment handle; Initialised() tells whether that
    // succeeded (a failure is not raised: there is no handle to report it on).
    explicit THenv(std::string name = "Henv1");
    ~THenv() override;

    // Allocates the handle again after Terminate (nothing when allocated).
    void Init();
    // Terminates all connections, then SQLFreeEnv.
    void Terminate() override;

    SQLHENV Handle() const noexcept { return THbase::Handle(); }
    // The error object used for all error reports of this environment's tree.
    TODBCError& ODBCError() noexcept { return *error_; }
    // The connections that hold a handle allocated on this environment.
    TChildren& Children() noexcept { return children_; }

protected:
    THenv* Environment() const noexcept override;
    void ReleaseHandle() noexcept override;

private:
    std::unique_ptr<TODBCError> error_;
    TChildren children_;
};
