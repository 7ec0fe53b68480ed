#pragma once

#include <functional>
#include <unordered_map>

namespace velmora {

// The commands one part of the application handles, by id, with the states its menu items and
// buttons take. The active view, its document, the child window, the main frame and the
// application each keep one; a command goes to the first of them, in that order, that has its
// id, and a command that none of them has is disabled.
class CommandMap {
public:
    struct Entry {
        std::function<void()> handler;
        std::function<bool()> enabled; // empty: always enabled
        std::function<bool()> checked; // empty: never shows a check mark
    };

    void Connect(int id, std::function<void()> handler, std::function<bool()> enabled = {},
                 std::function<bool()> checked = {}) {
        entries[id] = Entry{std::move(handler), std::move(enabled), std::move(checked)};
    }
    void Disconnect(int id) { entries.erase(id); }

    const Entry* Find(int id) const {
        const auto it = entries.find(id);
        return it == entries.end() ? nullptr : &it->second;
    }

private:
    std::unordered_map<int, Entry> entries;
};

// Anything that keeps a command map: views and documents offer theirs this way.
class CommandSource {
public:
    virtual ~CommandSource() = default;
    virtual CommandMap& Commands() = 0;
};

} // namespace velmora
