#pragma once

// TChildren: the handle dependencies of an environment (its connections) or a
// connection (its statements).
//
// A singly linked list of child handle objects. A child is added when it
// allocates its handle and removes itself when it frees it; the list does not
// own the objects (see the lifetime rule in THbase.h).

#include <forward_list>

class THbase;

class TChildren
{
public:
    TChildren() = default;
    TChildren(const TChildren&) = delete;
    TChildren& operator=(const TChildren&) = delete;
    ~TChildren() = default;

    // Pushes child at the front.
    void Add(THbase* child);
    // Unlinks the node of child (nothing when it is not in the list).
    void Remove(const THbase* child) noexcept;
    // Frees the nodes (the children are not touched).
    void Clear() noexcept;
    // Calls Terminate on each child until the list is empty; each child removes
    // itself when its handle is freed. A child whose Terminate raises stays in
    // the list and the exception propagates.
    void TerminateAll();
    // The same without raising (destructors): frees every child's handle and
    // ignores the return codes.
    void ReleaseAll() noexcept;

    bool Empty() const noexcept { return nodes_.empty(); }
    bool Contains(const THbase* child) const noexcept;
    int Count() const noexcept;

private:
    std::forward_list<THbase*> nodes_;
};
