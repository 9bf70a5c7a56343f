#include "odbc/TChildren.h"

#include "odbc/THbase.h"

void TChildren::Add(THbase* child)
{
    if (child != nullptr && !Contains(child)) {
        nodes_.push_front(child);
    }
}

void TChildren::Remove(const THbase* child) noexcept
{
    nodes_.remove(const_cast<THbase*>(child));
}

void TChildren::Clear() noexcept
{
    nodes_.clear();
}

void TChildren::TerminateAll()
{
    while (!nodes_.empty()) {
        THbase* child = nodes_.front();
        child->Terminate();
        // A child removes itself when its handle is freed; make sure the loop
        // ends even for one that had nothing to free.
        if (!nodes_.empty() && nodes_.front() == child) {
            nodes_.pop_front();
        }
    }
}

void TChildren::ReleaseAll() noexcept
{
    while (!nodes_.empty()) {
        THbase* child = nodes_.front();
        child->ReleaseHandle();
        if (!nodes_.empty() && nodes_.front() == child) {
            nodes_.pop_front();
        }
    }
}

bool TChildren::Contains(const THbase* child) const noexcept
{
    for (const THbase* node : nodes_) {
        if (node == child) {
            return true;
        }
    }
    return false;
}

int TChildren::Count() const noexcept
{
    int count = 0;
    for (auto it = nodes_.begin(); it != nodes_.end(); ++it) {
        ++count;
    }
    return count;
}
