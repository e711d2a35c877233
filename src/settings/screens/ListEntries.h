// What a list screen asks of its list. The three lists differ only in their entries, their entry
// screen and their delete question, so one template serves them all.
#pragma once

#include <QStringList>
#include <cstddef>
#include <functional>
#include <type_traits>
#include <utility>

#include "dialogue/operator.h"
#include "settings/list_edit.h"
#include "settings/screens/ListRows.h"
#include "settings/settings_types.h"

class QWidget;

namespace zor06::screens {

// Opens an entry screen on `entry` in `mode` (1 edit the entry, 0 fill a new one); true when the
// operator accepted it, and only then has the entry been written.
template <typename Entry>
using EntryOpener = std::function<bool(Entry& entry, int mode, QWidget* parent)>;

class ListEntries {
public:
    virtual ~ListEntries() = default;

    virtual std::size_t Count() const = 0;
    virtual std::size_t Current() const = 0;
    virtual int Sorting() const = 0;
    virtual bool CanAdd() const = 0;
    virtual QStringList Row(std::size_t index) const = 0;

    virtual void Sort() = 0;
    virtual void Select(std::size_t index) = 0;
    virtual void SetSorting(int key) = 0;
    // The entry screen on the current entry, or on a new one; true when the list changed.
    virtual bool Edit(QWidget* parent) = 0;
    virtual bool Add(QWidget* parent) = 0;
    // Asks first; true when the current entry is gone.
    virtual bool Delete(dialogue::Operator& op) = 0;

    // The program's list differs from the copy the screen took.
    virtual bool Changed() const = 0;
    // The screen closes with its changes taken, or any other way.
    virtual void Keep() = 0;
    virtual void Drop() = 0;
};

// The subscriber list screen edits a working copy that replaces the program's list when taken;
// the object list screen edits the program's list and puts its copy back when not.
enum class Editing { kWorkingCopy, kInPlace };

template <typename List>
class ListOf final : public ListEntries {
public:
    using Entry = typename List::EntryType;

    ListOf(List& program, Editing editing, EntryOpener<Entry> open)
        : program_(program),
          copy_(program),
          edited_(editing == Editing::kWorkingCopy ? copy_ : program_),
          editing_(editing),
          open_(std::move(open)) {}
    ListOf(const ListOf&) = delete;
    ListOf& operator=(const ListOf&) = delete;

    std::size_t Count() const override { return edited_.entries.size(); }
    std::size_t Current() const override { return edited_.current; }
    int Sorting() const override { return edited_.sorting; }
    bool CanAdd() const override { return settings::CanAdd(edited_); }
    QStringList Row(std::size_t index) const override {
        return RowTexts(edited_.entries.at(index), index);
    }

    void Sort() override { settings::SortList(edited_); }
    void Select(std::size_t index) override { settings::Select(edited_, index); }
    void SetSorting(int key) override {
        settings::SetSorting(edited_, static_cast<std::uint8_t>(key));
    }
    bool Edit(QWidget* parent) override {
        return edited_.current < edited_.entries.size() &&
               open_(edited_.entries[edited_.current], 1, parent);
    }
    bool Add(QWidget* parent) override {
        Entry entry{};
        return settings::CanAdd(edited_) && open_(entry, 0, parent) &&
               settings::AppendEntry(edited_, std::move(entry));
    }
    bool Delete(dialogue::Operator& op) override {
        if constexpr (std::is_same_v<List, settings::ObjectList>) {
            return settings::DeleteObject(edited_, op);
        } else {
            return settings::DeleteSubscriber(edited_, op);
        }
    }

    bool Changed() const override { return !(program_ == copy_); }
    void Keep() override {
        if (editing_ == Editing::kWorkingCopy) {
            program_ = copy_;
        }
    }
    void Drop() override {
        if (editing_ == Editing::kInPlace && Changed()) {
            program_ = copy_;
        }
    }

private:
    List& program_;
    List copy_;
    List& edited_;
    Editing editing_;
    EntryOpener<Entry> open_;
};

}  // namespace zor06::screens
