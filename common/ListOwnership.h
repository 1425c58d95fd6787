#pragma once

#include <memory>
#include <vector>

// A list that owns its items.
template <class T> using TOwnedList = std::vector<std::unique_ptr<T>>;

// Ownership helpers for owned lists and objects. The raw-pointer forms serve
// lists of owned raw pointers, the others the owning types above.
namespace myDefines {

// Frees every non-null item and empties the list; the list itself stays.
template <class T> void ClearList(std::vector<T*>& List) {
    for (T* item : List)
        delete item;
    List.clear();
}
template <class T> void ClearList(TOwnedList<T>& List) {
    List.clear();
}

// Frees every non-null item and the list, and nulls the pointer; nothing for null.
template <class T> void DeleteList(std::vector<T*>*& List) {
    if (!List) return;
    ClearList(*List);
    delete List;
    List = nullptr;
}
template <class T> void DeleteList(std::unique_ptr<TOwnedList<T>>& List) {
    List.reset();
}

// Frees the object when not null and nulls the pointer.
template <class T> void DeleteObject(T*& Object) {
    delete Object;
    Object = nullptr;
}
template <class T> void DeleteObject(std::unique_ptr<T>& Object) {
    Object.reset();
}

} // namespace myDefines
