#pragma once

#include <QtGlobal>

#include <optional>
#include <vector>

namespace zantrel::sim {

// A table of 16-bit words written in two steps: select word i, then name i again with
// the value. A value for any other word than the one selected is dropped, and each
// value needs its own select. Words outside the table read 0 and cannot be selected.
class StagedBank {
public:
    explicit StagedBank(int size) : words_(size_t(size), 0) {}

    void select(int index);
    // True when the value was taken.
    bool store(int index, quint16 value);

    quint16 word(int index) const;
    void set(int index, quint16 value);
    int size() const { return int(words_.size()); }

private:
    bool contains(int index) const { return index >= 0 && index < size(); }

    std::vector<quint16> words_;
    std::optional<int> selected_;
};

} // namespace zantrel::sim
