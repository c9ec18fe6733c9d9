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
protected:
    struct Node {
        T* item;
        Node* prev;
        Node* next;
    };

private:
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

    // Moves every element of other to the tail of this list, in order. It
    // moves their nodes, so it cannot fail.
    void AppendFrom(ListBase& other) noexcept {
        if (&other == this || !other.m_head)
            return;
        if (m_tail) {
            m_tail->next = other.m_head;
            other.m_head->prev = m_tail;
        } else {
            m_head = other.m_head;
        }
        m_tail = other.m_tail;
        m_count += other.m_count;
        other.m_head = other.m_tail = nullptr;
        other.m_count = 0;
    }
    // Moves the element at pos to the tail of other, node and all.
    void MoveToTailOf(POSITION pos, ListBase& other) noexcept {
        Node* n = Cut(N(pos));
        other.Relink(n, other.m_tail, nullptr);
    }
    // Moves the element at pos to stand before the one at before (null: last).
    void MoveBefore(POSITION pos, POSITION before) noexcept {
        if (pos == before)
            return;
        Node* n = Cut(N(pos));
        Relink(n, before ? N(before)->prev : m_tail, N(before));
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
    POSITION LinkHead(T* item) { return Relink(NewNode(item), nullptr, m_head); }
    POSITION LinkTail(T* item) { return Relink(NewNode(item), m_tail, nullptr); }
    POSITION LinkBefore(POSITION pos, T* item) {
        if (!pos)
            return LinkHead(item);
        return Relink(NewNode(item), N(pos)->prev, N(pos));
    }
    POSITION LinkAfter(POSITION pos, T* item) {
        if (!pos)
            return LinkTail(item);
        return Relink(NewNode(item), N(pos), N(pos)->next);
    }
    T* Unlink(Node* n) {
        T* item = Cut(n)->item;
        delete n;
        return item;
    }
    T* UnlinkAt(POSITION pos) { return Unlink(N(pos)); }

    static Node* NewNode(T* item) { return new Node{item, nullptr, nullptr}; }
    // Takes n out of the list; it keeps its item.
    Node* Cut(Node* n) noexcept {
        (n->prev ? n->prev->next : m_head) = n->next;
        (n->next ? n->next->prev : m_tail) = n->prev;
        n->prev = n->next = nullptr;
        --m_count;
        return n;
    }
    // Puts a node that is in no list between prev and next, neighbours in this list.
    POSITION Relink(Node* n, Node* prev, Node* next) noexcept {
        n->prev = prev;
        n->next = next;
        (prev ? prev->next : m_head) = n;
        (next ? next->prev : m_tail) = n;
        ++m_count;
        return P(n);
    }
    static Node* NodeAt(POSITION pos) { return N(pos); }
    Node* HeadNode() const { return m_head; }
    Node* TailNode() const { return m_tail; }

public:
    void Swap(ListBase& other) noexcept {
        std::swap(m_head, other.m_head);
        std::swap(m_tail, other.m_tail);
        std::swap(m_count, other.m_count);
    }

private:
    static void Dispose(T* item) {
        if constexpr (Owning)
            delete item;
    }

    Node* m_head = nullptr;
    Node* m_tail = nullptr;
    int m_count = 0;
};

} // namespace qf::detail

template <class T> class CObjList : public qf::detail::ListBase<T, true> {
    using Base = qf::detail::ListBase<T, true>;
    using Node = typename Base::Node;

public:
    // An element with a list node of its own, out of any list: putting it
    // into a list cannot fail. It deletes its element unless put back.
    class Extracted {
    public:
        Extracted() = default;
        Extracted(Extracted&& other) noexcept : m_node(std::exchange(other.m_node, nullptr)) {}
        Extracted& operator=(Extracted&& other) noexcept {
            if (this != &other) {
                Reset();
                m_node = std::exchange(other.m_node, nullptr);
            }
            return *this;
        }
        ~Extracted() { Reset(); }
        T* get() const { return m_node ? m_node->item : nullptr; }
        T* operator->() const { return get(); }
        explicit operator bool() const { return m_node != nullptr; }

    private:
        friend class CObjList;
        explicit Extracted(Node* node) : m_node(node) {}
        void Reset() {
            if (m_node) {
                delete m_node->item;
                delete m_node;
                m_node = nullptr;
            }
        }
        Node* m_node = nullptr;
    };

    // The node is made before the list takes the element, so that an
    // element whose node cannot be had is deleted, not lost.
    static Extracted Prepare(std::unique_ptr<T> item) {
        Extracted prepared(Base::NewNode(nullptr));
        prepared.m_node->item = item.release();
        return prepared;
    }
    POSITION AddHead(Extracted item) noexcept { return Put(item, nullptr, Base::HeadNode()); }
    POSITION AddTail(Extracted item) noexcept { return Put(item, Base::TailNode(), nullptr); }
    POSITION InsertBefore(POSITION pos, Extracted item) noexcept {
        return pos ? Put(item, Base::NodeAt(pos)->prev, Base::NodeAt(pos)) : AddHead(std::move(item));
    }
    POSITION AddHead(std::unique_ptr<T> item) { return AddHead(Prepare(std::move(item))); }
    POSITION AddTail(std::unique_ptr<T> item) { return AddTail(Prepare(std::move(item))); }
    POSITION InsertBefore(POSITION pos, std::unique_ptr<T> item) {
        return InsertBefore(pos, Prepare(std::move(item)));
    }
    POSITION InsertAfter(POSITION pos, std::unique_ptr<T> item) {
        Extracted prepared = Prepare(std::move(item));
        return pos ? Put(prepared, Base::NodeAt(pos), Base::NodeAt(pos)->next) : AddTail(std::move(prepared));
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
    // The same, keeping the element's node, so that it can go back without fail.
    Extracted Extract(POSITION pos) noexcept { return Extracted(Base::Cut(Base::NodeAt(pos))); }

private:
    POSITION Put(Extracted& item, Node* prev, Node* next) noexcept {
        return Base::Relink(std::exchange(item.m_node, nullptr), prev, next);
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
