#pragma once

#include <optional>

// Every change of the calendar selector goes through this guard: it saves the
// selector, optionally selects another calendar, and writes the saved value
// back when it goes out of scope, also when an exception passes through.
class SelectorGuard
{
public:
    explicit SelectorGuard(std::optional<int> select = std::nullopt);
    ~SelectorGuard();
    SelectorGuard(const SelectorGuard &) = delete;
    SelectorGuard &operator=(const SelectorGuard &) = delete;

    int saved() const { return m_saved; }

private:
    int m_saved;
};
