#pragma once
// Doubly linked lists with the class library's position-based interface.
// CObjList<T> owns its elements: RemoveAt, RemoveAll and the destructor delete
// them; pointers into it stay valid until the element is removed. CRefList<T>
// holds pointers it does not own (back-lists, selections).
#include <cstddef>
#include <memory>
#include <utility>

struct QfListPosition;
using POSITION = QfListPosition*;

namespace qf::detail {

template <class T, bool Owning> class ListBase {
    struct Node {
        T* item;
        Node* prev;
        Node* next;
    };
    static Node* N(POSITION p) { return reinterpret_cast<Node*>(p); }
    static POSITION P(Node* n) { return reinterpret_cast<POSITION>(n); }

public:
    ListBase() = default;
    ListBase(const ListBase&) = delete;
    ListBase& operator=(const ListBase&) = delete;
    ListBase(ListBase&& other) noexcept { Swap(other); }
    ListBase& operator=(ListBase&& other) noexcept {
        if (this != &other) {
            RemoveAll();
            Swap(other);
        }
        return *this;
    }
    ~ListBase() { RemoveAll(); }

    int GetCount() const { return m_count; }
    int GetSize() const { return m_count; }
    bool IsEmpty() const { return m_count == 0; }

    POSITION GetHeadPosition() const { return P(m_head); }
    POSITION GetTailPosition() const { return P(m_tail); }
    T* GetHead() const { return m_head ? m_head->item : nullptr; }
    T* GetTail() const { return m_tail ? m_tail->item : nullptr; }

    // Returns the element at pos and advances pos (null after the tail).
    T* GetNext(POSITION& pos) const {
        Node* n = N(pos);
        pos = P(n->next);
        return n->item;
    }
    T* GetPrev(POSITION& pos) const {
        Node* n = N(pos);
        pos = P(n->prev);
        return n->item;
    }
    T* GetAt(POSITION pos) const { return N(pos)->item; }

    // Position of the index-th element; null when out of range.
    POSITION FindIndex(int index) const {
        if (index < 0 || index >= m_count)
            return nullptr;
        Node* n = m_head;
        while (index-- > 0)
            n = n->next;
        return P(n);
    }
    // The index-th element; null when out of range.
    T* GetAtIndex(int index) const {
        POSITION p = FindIndex(index);
        return p ? N(p)->item : nullptr;
    }
    POSITION Find(const T* item, POSITION after = nullptr) const {
        for (Node* n = after ? N(after)->next : m_head; n; n = n->next)
            if (n->item == item)
                return P(n);
        return nullptr;
    }
    // Index of item, -1 when absent.
    int IndexOf(const T* item) const {
        int i = 0;
        for (Node* n = m_head; n; n = n->next, ++i)
            if (n->item == item)
                return i;
        return -1;
    }

    void RemoveAll() {
        Node* n = m_head;
        m_head = m_tail = nullptr;
        m_count = 0;
        while (n) {
            Node* next = n->next;
            Dispose(n->item);
            delete n;
            n = next;
        }
    }

    // Removes the element at pos; an owning list deletes it.
    void RemoveAt(POSITION pos) { Dispose(Unlink(N(pos))); }
    void RemoveHead() { RemoveAt(P(m_head)); }
    void RemoveTail() { RemoveAt(P(m_tail)); }
    // Removes item when present; returns whether it was.
    bool Remove(const T* item) {
        POSITION p = Find(item);
        if (!p)
            return false;
        RemoveAt(p);
        return true;
    }

    // Range-for over the element pointers, in list order.
    class iterator {
    public:
        explicit iterator(Node* n) : m_node(n) {}
        T* operator*() const { return m_node->item; }
        iterator& operator++() {
            m_node = m_node->next;
            return *this;
        }
        bool operator==(const iterator& other) const { return m_node == other.m_node; }

    private:
        Node* m_node;
    };
    iterator begin() const { return iterator(m_head); }
    iterator end() const { return iterator(nullptr); }

protected:
    POSITION LinkHead(T* item) {
        Node* n = new Node{item, nullptr, m_head};
        (m_head ? m_head->prev : m_tail) = n;
        m_head = n;
        ++m_count;
        return P(n);
    }
    POSITION LinkTail(T* item) {
        Node* n = new Node{item, m_tail, nullptr};
        (m_tail ? m_tail->next : m_head) = n;
        m_tail = n;
        ++m_count;
        return P(n);
    }
    POSITION LinkBefore(POSITION pos, T* item) {
        if (!pos)
            return LinkHead(item);
        Node* at = N(pos);
        Node* n = new Node{item, at->prev, at};
        (at->prev ? at->prev->next : m_head) = n;
        at->prev = n;
        ++m_count;
        return P(n);
    }
    POSITION LinkAfter(POSITION pos, T* item) {
        if (!pos)
            return LinkTail(item);
        Node* at = N(pos);
        Node* n = new Node{item, at, at->next};
        (at->next ? at->next->prev : m_tail) = n;
        at->next = n;
        ++m_count;
        return P(n);
    }
    T* Unlink(Node* n) {
        (n->prev ? n->prev->next : m_head) = n->next;
        (n->next ? n->next->prev : m_tail) = n->prev;
        T* item = n->item;
        delete n;
        --m_count;
        return item;
    }
    T* UnlinkAt(POSITION pos) { return Unlink(N(pos)); }

private:
    static void Dispose(T* item) {
        if constexpr (Owning)
            delete item;
    }
    void Swap(ListBase& other) noexcept {
        std::swap(m_head, other.m_head);
        std::swap(m_tail, other.m_tail);
        std::swap(m_count, other.m_count);
    }

    Node* m_head = nullptr;
    Node* m_tail = nullptr;
    int m_count = 0;
};

} // namespace qf::detail

template <class T> class CObjList : public qf::detail::ListBase<T, true> {
    using Base = qf::detail::ListBase<T, true>;

public:
    POSITION AddHead(std::unique_ptr<T> item) { return Base::LinkHead(item.release()); }
    POSITION AddTail(std::unique_ptr<T> item) { return Base::LinkTail(item.release()); }
    POSITION InsertBefore(POSITION pos, std::unique_ptr<T> item) {
        return Base::LinkBefore(pos, item.release());
    }
    POSITION InsertAfter(POSITION pos, std::unique_ptr<T> item) {
        return Base::LinkAfter(pos, item.release());
    }

    // Builds a new element at the tail and returns it.
    template <class U = T, class... Args> U* Emplace(Args&&... args) {
        auto item = std::make_unique<U>(std::forward<Args>(args)...);
        U* raw = item.get();
        AddTail(std::move(item));
        return raw;
    }

    // Takes the element out of the list without deleting it.
    std::unique_ptr<T> Detach(POSITION pos) { return std::unique_ptr<T>(Base::UnlinkAt(pos)); }
    std::unique_ptr<T> Detach(const T* item) {
        POSITION p = Base::Find(item);
        return p ? Detach(p) : nullptr;
    }
    // Moves every element of other to the tail of this list, in order.
    void AppendFrom(CObjList& other) {
        while (!other.IsEmpty())
            AddTail(other.Detach(other.GetHeadPosition()));
    }
};

template <class T> class CRefList : public qf::detail::ListBase<T, false> {
    using Base = qf::detail::ListBase<T, false>;

public:
    CRefList() = default;
    CRefList(const CRefList& other) : Base() { *this = other; }
    CRefList& operator=(const CRefList& other) {
        if (this != &other) {
            Base::RemoveAll();
            for (T* item : other)
                AddTail(item);
        }
        return *this;
    }
    CRefList(CRefList&&) noexcept = default;
    CRefList& operator=(CRefList&&) noexcept = default;

    POSITION AddHead(T* item) { return Base::LinkHead(item); }
    POSITION AddTail(T* item) { return Base::LinkTail(item); }
    POSITION InsertBefore(POSITION pos, T* item) { return Base::LinkBefore(pos, item); }
    POSITION InsertAfter(POSITION pos, T* item) { return Base::LinkAfter(pos, item); }
};
