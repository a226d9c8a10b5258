#pragma once

#include <QString>
#include <QUndoCommand>

#include <concepts>
#include <functional>
#include <utility>

namespace orvanta {

// One value of the open kit swapped for another and back: a code page, a
// glyph font, a picture slot, the translations or review marks of some
// rows. It holds the value before and after and the one function that
// stores a value (and tells the views). Commands made as its children (the
// marks an import brings) are redone after the value and undone before it.
//
// With a merge id, the next command of that id merges into this one (steps
// through a selector make one choice); one that ends where it began leaves
// the history.
template <typename Value>
class ChangeValue : public QUndoCommand {
public:
    using Store = std::function<void(const Value &)>;

    ChangeValue(const QString &text, Value before, Value after, Store store, int mergeId = -1,
                QUndoCommand *parent = nullptr)
        : QUndoCommand(text, parent)
        , m_before(std::move(before))
        , m_after(std::move(after))
        , m_store(std::move(store))
        , m_mergeId(mergeId)
    {
    }

    void undo() override
    {
        QUndoCommand::undo();
        m_store(m_before);
    }
    void redo() override
    {
        m_store(m_after);
        QUndoCommand::redo();
    }
    int id() const override { return m_mergeId; }
    bool mergeWith(const QUndoCommand *other) override
    {
        // Only commands of this one's id come here: of this type too.
        m_after = static_cast<const ChangeValue *>(other)->m_after;
        setText(other->text());
        if constexpr (std::equality_comparable<Value>)
            setObsolete(m_after == m_before);
        return true;
    }

private:
    Value m_before;
    Value m_after;
    Store m_store;
    int m_mergeId;
};

} // namespace orvanta
