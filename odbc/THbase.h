#pragma once

// THbase: common base of the ODBC handle classes THenv, THdbc and THstmt
// (unit OCL).
//
// OWNERSHIP AND LIFETIME (the rule of the whole layer)
//
// * The objects are plain C++ objects owned by whoever creates them (a screen
//   member, a std::unique_ptr, a global of the start-up code). They are
//   neither copyable nor movable.
// * A connection refers to its environment (THdbc::Henv) and a statement to
//   its connection (THstmt::Hdbc); these back-references are the only links
//   between the objects.
// * The TChildren list of an environment (its connections) and of a
//   connection (its statements) records handle dependencies only: an object
//   registers there when it allocates its ODBC handle (Init) and unregisters
//   when it frees it (Terminate). Terminating a parent terminates its
//   registered children first, so a child handle is always freed before the
//   handle it was allocated on.
// * Destroying any object in any order is safe and never frees a handle twice:
//   - a parent being destroyed frees its children's handles first and then
//     clears the back-reference of every object that refers to it (a
//     connection whose environment is gone has Henv() == nullptr; a statement
//     whose connection is gone has Hdbc() == nullptr);
//   - a child being destroyed frees its own handle and unregisters from its
//     parent.
//   An object whose parent is gone can be given a new parent and used again.
// * Destructors never throw: they free the handles and ignore the return
//   codes. Terminate() is the checked operation and raises EODBC on failure.
//
// ERRORS
//
// After every ODBC call the return code is stored as the object's last return
// code. SQL_SUCCESS (0) and SQL_SUCCESS_WITH_INFO (1) count as success; any
// other code is handed to the environment's error object (TODBCError), which
// raises EODBC with this object as Sender. The layer never catches its own
// exceptions.
//
// All objects are used on one thread (the user-interface thread).

#include <sql.h>
#include <sqlext.h>

#include <string>
#include <vector>

class THenv;
class TChildren;

class THbase
{
public:
    THbase(const THbase&) = delete;
    THbase& operator=(const THbase&) = delete;
    THbase(THbase&&) = delete;
    THbase& operator=(THbase&&) = delete;
    virtual ~THbase();

    // The component name used in messages ("Henv1", "Hdbc1", "Hstmt1", ...).
    const std::string& Name() const noexcept { return name_; }
    void SetName(std::string name);

    // True while the ODBC handle is allocated.
    bool Initialised() const noexcept { return initialised_; }
    // The ODBC handle (SQL_NULL_HANDLE while not allocated).
    SQLHANDLE Handle() const noexcept { return handle_; }
    // The return code of the last ODBC call of this object.
    SQLRETURN LastReturnCode() const noexcept { return returnCode_; }

    // Frees the ODBC handle, after terminating the children that depend on it.
    // Does nothing when the handle is not allocated. Raises EODBC when a free
    // call fails (the handle then stays allocated and registered).
    virtual void Terminate() = 0;

    // The success test: SQL_SUCCESS or SQL_SUCCESS_WITH_INFO.
    static bool IsSuccess(SQLRETURN rc) noexcept
    {
        return rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO;
    }

protected:
    explicit THbase(std::string name);

    // Stores rc as the last return code; when it is not a success, hands it to
    // the environment's error object, which raises EODBC (Sender: this).
    void Check(SQLRETURN rc);
    // Stores rc as the last return code only.
    void Store(SQLRETURN rc) noexcept { returnCode_ = rc; }
    // Raises EODBC for rc through the environment's error object.
    [[noreturn]] void RaiseError(SQLRETURN rc);

    // The environment whose error object reports failures of this object.
    virtual THenv* Environment() const noexcept = 0;

    // Frees the handle (and the children's handles first) without raising;
    // used by destructors. Afterwards the object is not initialised and not
    // registered with its parent.
    virtual void ReleaseHandle() noexcept = 0;

    // The back-reference (Henv of a connection, Hdbc of a statement).
    THbase* ParentLink() const noexcept { return parent_; }
    // Changes the back-reference; the parent learns that this object refers to
    // it, so that it can clear the reference when it is destroyed.
    void SetParentLink(THbase* parent);

    void SetHandle(SQLHANDLE handle) noexcept { handle_ = handle; }
    void SetInitialised(bool initialised) noexcept { initialised_ = initialised; }

private:
    friend class TChildren;

    std::string name_;
    SQLHANDLE handle_ = SQL_NULL_HANDLE;
    bool initialised_ = false;
    SQLRETURN returnCode_ = SQL_SUCCESS;
    THbase* parent_ = nullptr;
    std::vector<THbase*> referrers_; // objects whose back-reference is this object
};

namespace ocl_detail {
// Length of the longest prefix of text[0, size) that does not end inside a
// UTF-8 sequence (used where a driver buffer may have cut a text).
std::size_t CompleteUtf8Length(const char* text, std::size_t size) noexcept;
} // namespace ocl_detail
