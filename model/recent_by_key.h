#pragma once
// A short list of things kept per pane setting (a resolution), most recently
// used last: the panes ask for at most four settings at a time.
#include <algorithm>
#include <cstddef>
#include <vector>

// The element whose keyOf(element) equals key, moved to the back; when there
// is none, make() appended there, the oldest dropped beyond limit elements.
template <class T, class Key, class KeyOf, class Make>
T& TakeMostRecent(std::vector<T>& list, size_t limit, const Key& key, KeyOf keyOf, Make make) {
    auto found =
        std::find_if(list.begin(), list.end(), [&](const T& element) { return keyOf(element) == key; });
    if (found != list.end()) {
        std::rotate(found, found + 1, list.end());
        return list.back();
    }
    if (list.size() >= limit)
        list.erase(list.begin());
    list.push_back(make());
    return list.back();
}
