#include "odbc/THbase.h"

#include "odbc/EODBC.h"
#include "odbc/THenv.h"
#include "odbc/TODBCError.h"

#include <algorithm>
#include <utility>

THbase::THbase(std::string name) : name_(std::move(name)) {}

THbase::~THbase()
{
    // The derived destructor has already freed the handle.
    if (parent_ != nullptr) {
        auto& list = parent_->referrers_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
        parent_ = nullptr;
    }
    for (THbase* referrer : referrers_) {
        referrer->parent_ = nullptr;
    }
    referrers_.clear();
}

void THbase::SetName(std::string name)
{
    name_ = std::move(name);
}

void THbase::Check(SQLRETURN rc)
{
    returnCode_ = rc;
    if (!IsSuccess(rc)) {
        RaiseError(rc);
    }
}

void THbase::RaiseError(SQLRETURN rc)
{
    returnCode_ = rc;
    if (THenv* env = Environment()) {
        env->ODBCError().RaiseError(*this, rc);
    }
    // No environment to ask for a diagnostic (cannot happen for a call on an
    // allocated handle, whose parents are all alive).
    throw EODBC(this, std::string(), 0, "ODBC Return Code " + std::to_string(rc));
}

void THbase::SetParentLink(THbase* parent)
{
    if (parent == parent_) {
        return;
    }
    if (parent_ != nullptr) {
        auto& list = parent_->referrers_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
    parent_ = parent;
    if (parent_ != nullptr) {
        parent_->referrers_.push_back(this);
    }
}

namespace ocl_detail {

std::size_t CompleteUtf8Length(const char* text, std::size_t size) noexcept
{
    // Walk back over at most three continuation bytes to the lead byte of the
    // last sequence and check that the sequence is complete.
    std::size_t lead = size;
    std::size_t continuation = 0;
    while (lead > 0 && continuation < 4) {
        const auto byte = static_cast<unsigned char>(text[lead - 1]);
        if ((byte & 0xC0U) != 0x80U) {
            break;
        }
        --lead;
        ++continuation;
    }
    if (lead == 0) {
        return size; // only continuation bytes: not UTF-8 we can judge
    }
    const auto first = static_cast<unsigned char>(text[lead - 1]);
    std::size_t needed = 0;
    if (first < 0x80U) {
        needed = 0;
    } else if ((first & 0xE0U) == 0xC0U) {
        needed = 1;
    } else if ((first & 0xF0U) == 0xE0U) {
        needed = 2;
    } else if ((first & 0xF8U) == 0xF0U) {
        needed = 3;
    } else {
        return size; // not a lead byte: leave the text alone
    }
    if (continuation >= needed) {
        return size;
    }
    return lead - 1; // drop the incomplete sequence
}

} // namespace ocl_detail
